// Writes the program icon: 32 x 32, 16 colours, with its transparency mask.
// Drawn pixel by pixel from the glyphs below so every pixel is an exact
// palette colour (anti-aliased text would not survive 16 colours).
#include "scrittura_bmp.h"

#include <QFile>

#include <array>
#include <cstdio>
#include <string_view>

namespace {

// The sixteen colours of the classic VGA palette.
constexpr std::array<QRgb, 16> kTavolozza{0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                          0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                          0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
constexpr quint8 kBluScuro = 4, kRosso = 9, kGiallo = 11, kBlu = 12;

using Glifo = std::array<std::string_view, 13>;
using Glifino = std::array<std::string_view, 7>;

constexpr Glifo kB{"######..", "#######.", "##...###", "##....##", "##...###", "#######.", "#######.",
                   "##...###", "##....##", "##....##", "##...###", "#######.", "######.."};
constexpr Glifo kUno{"...##...", "..###...", ".####...", "##.##...", "...##...", "...##...", "...##...",
                     "...##...", "...##...", "...##...", "...##...", ".######.", ".######."};
constexpr Glifo kZero{"..####..", ".######.", "###..###", "##....##", "##....##", "##....##", "##....##",
                      "##....##", "##....##", "##....##", "###..###", ".######.", "..####.."};
constexpr Glifino kS{".####", "##...", "##...", ".###.", "...##", "...##", "####."};
constexpr Glifino kO{".###.", "##.##", "##.##", "##.##", "##.##", "##.##", ".###."};
constexpr Glifino kL{"##...", "##...", "##...", "##...", "##...", "##...", "#####"};

struct Icona {
    std::array<quint8, 32 * 32> indici{};
    std::array<bool, 32 * 32> trasparente{};

    template <std::size_t N> void Scrivi(const std::array<std::string_view, N> &g, int x0, int y0, quint8 colore)
    {
        for (int y = 0; y < int(N); ++y)
            for (int x = 0; x < int(g[y].size()); ++x)
                if (g[y][x] == '#')
                    indici[(y0 + y) * 32 + x0 + x] = colore;
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <belvane.ico>\n", argv[0]);
        return 2;
    }
    Icona ic;
    ic.indici.fill(kBluScuro);
    // Rounded corners: the mask lets the desktop show through them.
    for (int i = 0; i < 32 * 32; ++i) {
        const int x = i % 32, y = i / 32;
        const int dx = std::min(x, 31 - x), dy = std::min(y, 31 - y);
        if (dx + dy < 2) {
            ic.trasparente[i] = true;
            ic.indici[i] = 0;
        }
    }
    // A lighter blue rule between the number and the word.
    for (int x = 3; x < 29; ++x)
        ic.indici[18 * 32 + x] = kBlu;
    ic.Scrivi(kB, 2, 3, kRosso);
    ic.Scrivi(kUno, 12, 3, kRosso);
    ic.Scrivi(kZero, 22, 3, kRosso);
    const int x0 = 3;
    ic.Scrivi(kS, x0, 21, kGiallo);
    ic.Scrivi(kO, x0 + 7, 21, kGiallo);
    ic.Scrivi(kL, x0 + 14, 21, kGiallo);
    ic.Scrivi(kO, x0 + 21, 21, kGiallo);

    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::WriteOnly) || f.write(belvane::strumenti::Ico4(kTavolozza, ic.indici, ic.trasparente)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
