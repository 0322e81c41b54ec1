#include "titolo_modellato.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"
#include "titolo_volto.h"

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace titolo {

namespace {

// The stipple's grid: one dot at most in each cell of this many pixels a
// side, set in its first kPosto rows and columns, so a row and a column of
// paper always part it from the next cell's and the dots stay dots, not a grey.
constexpr int kCella = 3, kPosto = 2;
// The most of the cells that take a dot, where the form turns furthest.
constexpr double kFitto = 0.75;
// A dot's ink: fine where the turn begins, firmer towards the outline.
constexpr double kPuntoChiaro = 0.22, kPuntoScuro = 0.52;

double Gauss(double dx, double dy, double sx, double sy)
{
    return std::exp(-(dx * dx) / (2 * sx * sx) - (dy * dy) / (2 * sy * sy));
}

// A number in [0, 1) fixed by a cell and a salt: the same dots on every run.
double Sorte(int x, int y, std::uint32_t sale)
{
    std::uint32_t h = std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u ^ sale * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xFFFFFFu) / double(1u << 24);
}

} // namespace

double Modellato(double x, double y)
{
    const double luce = 1 - Passaggio(-3, 1, x);
    if (luce <= 0)
        return 0;
    // The cheek turning away towards its outline, from the temple down to
    // the mouth's level; the jaw below is left bare, where dots would read
    // as a shadow of beard.
    const double u = std::abs(x) / std::max(MezzaLarghezza(y), 1.0);
    const double contorno = Passaggio(0.6, 0.97, u) * Passaggio(kOcchiY - 14, kOcchiY - 2, y) *
        (1 - Passaggio(kBoccaY - 6, kBoccaY + 2, y));
    // The temple's hollow beside the brow, the one under the cheekbone, the
    // cheek's meeting with the nose's flank, and the turn under the lower lip.
    const double tempia = Gauss(x + 21, y - (kOcchiY - 10), 2.8, 5);
    const double zigomo = Gauss(x + 16.5, y - (kOcchiY + 20), 3.5, 4);
    const double naso = Gauss(x + 3.6, y - (kOcchiY + 9.5), 1.3, 3.5);
    const double labbro = Gauss(x + 1, y - (kBoccaY + 4.6), 4.5, 1.3);
    return std::min(1.0, luce * (contorno + 0.7 * tempia + 0.5 * zigomo + 0.6 * naso + 0.6 * labbro));
}

void IncidiModellato(Lastra &lastra)
{
    const int larghezza = int(2 * kMedaglioneRx), altezza = int(2 * kMedaglioneRy);
    for (int cy = 0; cy < altezza; cy += kCella)
        // Every other row of cells shifted by a pixel, so the dots fall in
        // no rows or columns the eye could pick out.
        for (int cx = (cy / kCella) % 2; cx < larghezza; cx += kCella) {
            const int px = cx + int(Sorte(cx, cy, 1) * kPosto), py = cy + int(Sorte(cx, cy, 2) * kPosto);
            const QPointF q = DallaLastra(QPointF(px + 0.5, py + 0.5));
            const Campione c = Rilievo(q.x(), q.y());
            if (c.zona != Zona::Pelle || c.pezzo != Pezzo::Testa)
                continue;
            const double m = Modellato(q.x(), q.y());
            if (Sorte(cx, cy, 3) < kFitto * m)
                lastra.Inchiostra(px, py, kPuntoChiaro + (kPuntoScuro - kPuntoChiaro) * m);
        }
}

} // namespace titolo
