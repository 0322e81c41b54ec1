#include "riduzione.h"

#include "geometria.h"
#include "scena.h"
#include "tavolozza.h"

#include <QPainter>

#include <array>

namespace belvane::cardart {
namespace {

// most, so they stay unbroken; white least, so shapes keep their size.
double Peso(QRgb c)
{
    if ((c & 0xFFFFFF) == 0xFFFFFF)
        return 1.0;
    return qGray(c) < 110 ? 2.0 : 1.15;
}

} // namespace

QImage Piccola(Seme seme, int valore)
{
    QImage grande(kLarghezzaCarta * kCampioni, kAltezzaCarta * kCampioni, QImage::Format_RGB32);
    grande.fill(Qt::white);
    {
        QPainter p(&grande);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(kCampioni, kCampioni);
        const ConInchiostro inchiostro(kInchiostroPixel);
        Scena(p, seme, valore);
    }
    QImage piccola(kLarghezzaCarta, kAltezzaCarta, QImage::Format_RGB32);
    std::array<QRgb, kCampioni * kCampioni> colori{};
    std::array<double, kCampioni * kCampioni> punti{};
    for (int y = 0; y < kAltezzaCarta; ++y) {
        for (int x = 0; x < kLarghezzaCarta; ++x) {
            int n = 0;
            for (int sy = 0; sy < kCampioni; ++sy) {
                const auto *riga = reinterpret_cast<const QRgb *>(grande.constScanLine(y * kCampioni + sy));
                for (int sx = 0; sx < kCampioni; ++sx) {
                    const QRgb c = riga[x * kCampioni + sx] | 0xFF000000;
                    int i = 0;
                    while (i < n && colori[size_t(i)] != c)
                        ++i;
                    if (i == n) {
                        colori[size_t(n)] = c;
                        punti[size_t(n++)] = 0;
                    }
                    punti[size_t(i)] += Peso(c);
                }
            }
            int migliore = 0;
            for (int i = 1; i < n; ++i)
                if (punti[size_t(i)] > punti[size_t(migliore)])
                    migliore = i;
            piccola.setPixel(x, y, colori[size_t(migliore)]);
        }
    }
    return piccola;
}

} // namespace belvane::cardart
