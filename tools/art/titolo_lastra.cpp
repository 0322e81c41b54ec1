#include "titolo_lastra.h"

#include "titolo_misure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace titolo {

Lastra::Lastra(int larghezza, int altezza)
    : larghezza_(larghezza), altezza_(altezza), inchiostro_(std::size_t(larghezza) * altezza, 0.0f),
      risparmio_(std::size_t(larghezza) * altezza, false)
{
}

double Lastra::Inchiostro(int x, int y) const
{
    if (x < 0 || y < 0 || x >= larghezza_ || y >= altezza_)
        return 0;
    return inchiostro_[std::size_t(y) * larghezza_ + x];
}

void Lastra::Inchiostra(int x, int y, double a)
{
    if (x < 0 || y < 0 || x >= larghezza_ || y >= altezza_ || a <= 0)
        return;
    float &qui = inchiostro_[std::size_t(y) * larghezza_ + x];
    qui = float(1 - (1 - qui) * (1 - std::min(1.0, a)));
}

void Lastra::Risparmia(int x, int y)
{
    if (x >= 0 && y >= 0 && x < larghezza_ && y < altezza_)
        risparmio_[std::size_t(y) * larghezza_ + x] = true;
}

bool Lastra::Risparmiato(int x, int y) const
{
    return x >= 0 && y >= 0 && x < larghezza_ && y < altezza_ && risparmio_[std::size_t(y) * larghezza_ + x];
}

void Lastra::Solco(const std::function<QPointF(double)> &asse, const std::function<double(double)> &spessore)
{
    struct Passo {
        int x, y;
        double t;
        QPointF p;
    };
    double lunghezza = 0;
    QPointF prima = SullaLastra(asse(0));
    for (int k = 1; k <= 64; ++k) {
        const QPointF q = SullaLastra(asse(k / 64.0));
        lunghezza += std::hypot(q.x() - prima.x(), q.y() - prima.y());
        prima = q;
    }
    // The pixels the line passes through, in order, each once.
    const int campioni = std::max(8, int(std::ceil(lunghezza * 8)));
    std::vector<Passo> via;
    for (int k = 0; k <= campioni; ++k) {
        const double t = double(k) / campioni;
        const QPointF q = SullaLastra(asse(t));
        const int x = int(std::floor(q.x())), y = int(std::floor(q.y()));
        if (!via.empty() && via.back().x == x && via.back().y == y)
            continue;
        via.push_back({x, y, t, q});
    }
    // Where the way turns a corner through a pixel that touches both its
    // neighbours by a side, that pixel is left out: the line steps
    // diagonally there instead of thickening into an elbow.
    std::vector<Passo> netta;
    for (std::size_t i = 0; i < via.size(); ++i) {
        if (!netta.empty() && i + 1 < via.size()) {
            const Passo &a = netta.back(), &c = via[i], &b = via[i + 1];
            if ((a.x == c.x || a.y == c.y) && (b.x == c.x || b.y == c.y) && a.x != b.x && a.y != b.y)
                continue;
        }
        netta.push_back(via[i]);
    }
    for (std::size_t i = 0; i < netta.size(); ++i) {
        const Passo &c = netta[i];
        const double w = spessore(c.t);
        Inchiostra(c.x, c.y, w);
        if (w <= 1 || netta.size() < 2)
            continue;
        const Passo &a = netta[i == 0 ? 0 : i - 1], &b = netta[std::min(i + 1, netta.size() - 1)];
        if (std::abs(b.x - a.x) >= std::abs(b.y - a.y))
            Inchiostra(c.x, c.y + (c.p.y() - c.y < 0.5 ? -1 : 1), w - 1);
        else
            Inchiostra(c.x + (c.p.x() - c.x < 0.5 ? -1 : 1), c.y, w - 1);
    }
}

double Riga(double fase, double gx, double gy, double quota)
{
    const double g = std::max(std::abs(gx), std::abs(gy));
    if (g < 1e-6 || quota <= 0)
        return 0;
    const double passo = 1 / g;                                 // pixels between lines, along a row or a column
    const double d = std::abs(fase - std::round(fase)) * passo; // pixels from the nearest line, the same way
    const double w = std::min(quota * passo, passo - 1);
    return std::clamp(w - std::floor(2 * d), 0.0, 1.0);
}

} // namespace titolo
