// The shapes of the engraver's strokes, shared by the portrait's marks.
#pragma once

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace titolo {

// A point on the Catmull-Rom curve through `punti`, s from 0 to 1.
inline QPointF Curva(const std::vector<QPointF> &punti, double s)
{
    const int n = int(punti.size()) - 1;
    const double u = std::clamp(s, 0.0, 1.0) * n;
    const int i = std::min(n - 1, int(u));
    const double t = u - i;
    const auto p = [&](int k) { return punti[std::size_t(std::clamp(k, 0, n))]; };
    const QPointF p0 = p(i - 1), p1 = p(i), p2 = p(i + 1), p3 = p(i + 2);
    return 0.5 *
        ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t * t +
         (-p0 + 3 * p1 - 3 * p2 + p3) * t * t * t);
}

// Swells in the middle, comes to a point at both ends.
inline double Fuso(double t, double inizio = 0.5) { return std::pow(std::max(0.0, std::sin(M_PI * t)), inizio); }

} // namespace titolo
