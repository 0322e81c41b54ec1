#include "sagome.h"

#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace belvane::cardart {
namespace {

QPointF Medio(QPointF a, QPointF b) { return (a + b) / 2; }

QPointF Unitario(QPointF v)
{
    const qreal l = std::hypot(v.x(), v.y());
    return l > 1e-9 ? v / l : QPointF(0, 0);
}

qreal Vettoriale(QPointF a, QPointF b) { return a.x() * b.y() - a.y() * b.x(); }

} // namespace

QPainterPath Sagoma(const Profilo &p)
{
    QPainterPath path;
    const size_t n = p.size();
    if (n < 3)
        return path;
    path.moveTo(Medio(p[n - 1], p[0]));
    for (size_t i = 0; i < n; ++i)
        path.quadTo(p[i], Medio(p[i], p[(i + 1) % n]));
    path.closeSubpath();
    return path;
}

Profilo Rientra(const Profilo &p, qreal d, QPointF spostamento)
{
    const size_t n = p.size();
    if (n < 3)
        return p;
    qreal area = 0;
    for (size_t i = 0; i < n; ++i)
        area += Vettoriale(p[i], p[(i + 1) % n]);
    const qreal verso = area >= 0 ? 1 : -1;
    Profilo r(n);
    for (size_t i = 0; i < n; ++i) {
        // The neighbours that are not the same point (a corner is a point given twice).
        size_t a = (i + n - 1) % n, b = (i + 1) % n;
        for (size_t k = 0; k < n && p[a] == p[i]; ++k)
            a = (a + n - 1) % n;
        for (size_t k = 0; k < n && p[b] == p[i]; ++k)
            b = (b + 1) % n;
        const QPointF u1 = Unitario(p[i] - p[a]), u2 = Unitario(p[b] - p[i]);
        const QPointF n1 = QPointF(-u1.y(), u1.x()) * verso, n2 = QPointF(-u2.y(), u2.x()) * verso;
        const QPointF m = Unitario(n1 + n2);
        const qreal coseno = std::max(0.5, m.x() * n1.x() + m.y() * n1.y());
        r[i] = p[i] + m * (d / coseno) + spostamento;
    }
    return r;
}

Profilo Ovale(QPointF c, qreal rx, qreal ry, qreal angolo)
{
    // Eight control points on the octagon round the ellipse: the curve
    // through their midpoints is close to the ellipse itself.
    constexpr int kLati = 8;
    const qreal allarga = 1 / std::cos(M_PI / kLati);
    const qreal a = angolo * M_PI / 180;
    Profilo p;
    for (int i = 0; i < kLati; ++i) {
        const qreal t = 2 * M_PI * (i + 0.5) / kLati;
        const QPointF q(rx * allarga * std::cos(t), ry * allarga * std::sin(t));
        p.push_back(c + QPointF(q.x() * std::cos(a) - q.y() * std::sin(a), q.x() * std::sin(a) + q.y() * std::cos(a)));
    }
    return p;
}

Profilo ProfiloArto(std::initializer_list<Nodo> nodi)
{
    const std::vector<Nodo> n(nodi);
    const size_t k = n.size();
    if (k < 2)
        return {};
    // The direction of the axis at each node: the mean of the segments that
    // meet there.
    std::vector<QPointF> verso(k);
    for (size_t i = 0; i < k; ++i) {
        const QPointF prima = i > 0 ? n[i].centro - n[i - 1].centro : QPointF();
        const QPointF dopo = i + 1 < k ? n[i + 1].centro - n[i].centro : QPointF();
        verso[i] = Unitario(Unitario(prima) + Unitario(dopo));
    }
    Profilo punti;
    const auto normale = [](QPointF v) { return QPointF(-v.y(), v.x()); };
    for (size_t i = 0; i < k; ++i)
        punti.push_back(n[i].centro + normale(verso[i]) * n[i].larghezza / 2);
    // Round ends: the control points of a half circle round the end nodes.
    const Nodo &fine = n[k - 1];
    punti.push_back(fine.centro + (normale(verso[k - 1]) + verso[k - 1]) * fine.larghezza / 2);
    punti.push_back(fine.centro + (verso[k - 1] - normale(verso[k - 1])) * fine.larghezza / 2);
    for (size_t i = k; i-- > 0;)
        punti.push_back(n[i].centro - normale(verso[i]) * n[i].larghezza / 2);
    const Nodo &inizio = n[0];
    punti.push_back(inizio.centro - (normale(verso[0]) + verso[0]) * inizio.larghezza / 2);
    punti.push_back(inizio.centro + (normale(verso[0]) - verso[0]) * inizio.larghezza / 2);
    return punti;
}

QPainterPath Tratti(std::initializer_list<std::initializer_list<QPointF>> linee)
{
    QPainterPath path;
    for (const auto &linea : linee) {
        const std::vector<QPointF> p(linea);
        if (p.size() < 2)
            continue;
        path.moveTo(p.front());
        for (size_t i = 1; i + 1 < p.size(); ++i)
            path.quadTo(p[i], i + 2 < p.size() ? Medio(p[i], p[i + 1]) : p[i + 1]);
        if (p.size() == 2)
            path.lineTo(p[1]);
    }
    return path;
}

QPainterPath Tratteggio(const Profilo &forma, QPointF da, QPointF a, qreal angolo, qreal passo, qreal margine)
{
    QPainterPath linee;
    const QPolygonF bordo = Sagoma(Rientra(forma, margine)).toFillPolygon();
    if (bordo.size() < 3 || passo <= 0)
        return linee;
    const qreal rad = angolo * M_PI / 180;
    const QPointF dir(std::cos(rad), std::sin(rad)), nor(-dir.y(), dir.x());
    // Which side of the dividing line is shaded.
    const QPointF lungo = Unitario(a - da), fuori(lungo.y(), -lungo.x());
    const auto lato = [&](QPointF q) { return QPointF::dotProduct(q - da, fuori); };
    const QRectF r = bordo.boundingRect();
    const QPointF c = r.center();
    const qreal raggio = std::hypot(r.width(), r.height()) / 2;
    for (qreal s = -raggio + passo / 2; s < raggio; s += passo) {
        const QPointF o = c + nor * s;
        // Where the line o + t * dir crosses the outline, in order.
        std::vector<qreal> t;
        for (int i = 0; i < bordo.size(); ++i) {
            const QPointF p = bordo[i], q = bordo[(i + 1) % bordo.size()];
            const qreal sp = QPointF::dotProduct(p - o, nor), sq = QPointF::dotProduct(q - o, nor);
            if ((sp < 0) == (sq < 0))
                continue;
            const QPointF x = p + (q - p) * (sp / (sp - sq));
            t.push_back(QPointF::dotProduct(x - o, dir));
        }
        std::sort(t.begin(), t.end());
        for (size_t i = 0; i + 1 < t.size(); i += 2) {
            QPointF p = o + dir * t[i], q = o + dir * t[i + 1];
            const qreal lp = lato(p), lq = lato(q);
            if (lp < 0 && lq < 0)
                continue;
            if (lp < 0)
                p = p + (q - p) * (lp / (lp - lq));
            else if (lq < 0)
                q = q + (p - q) * (lq / (lq - lp));
            if (QLineF(p, q).length() < 0.3)
                continue;
            linee.moveTo(p);
            linee.lineTo(q);
        }
    }
    return linee;
}

} // namespace belvane::cardart
