#include "pennelli.h"

#include <QLineF>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <limits>
#include <vector>

namespace belvane::cardart {

namespace {
thread_local const Inchiostro *inchiostro = &kInchiostroDisegno;
} // namespace

const Inchiostro &InchiostroCorrente() { return *inchiostro; }

ConInchiostro::ConInchiostro(const Inchiostro &nuovo) : prima_(inchiostro) { inchiostro = &nuovo; }

ConInchiostro::~ConInchiostro() { inchiostro = prima_; }

namespace {
// Lines up to this wide are linework; wider strokes are shapes (a cuff, a
// band) and keep their colour.
constexpr qreal kLineaInchiostrata = 0.3;
} // namespace

QColor AMeta(const QColor &a, const QColor &b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

// Halfway to the figures' inner ink: a fold in red cloth stays a red line,
// but one that reads as drawn.
QColor Inchiostrato(const QColor &c) { return AMeta(c, kContornoInterno); }

QPen Penna(const QColor &c, qreal w)
{
    QPen p(InchiostroCorrente().tenue && c == kContorno ? kContornoInterno : c, w);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void Riempi(QPainter &p, const QPainterPath &path, const QColor &fondo, const QColor &bordo, qreal w)
{
    p.setPen(Penna(bordo, w));
    p.setBrush(fondo);
    p.drawPath(path);
}

void Ellisse(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &fondo, const QColor &bordo, qreal w)
{
    p.setPen(Penna(bordo, w));
    p.setBrush(fondo);
    p.drawEllipse(c, rx, ry);
}

void Macchia(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &colore)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawEllipse(c, rx, ry);
}

void Poligono(QPainter &p, std::initializer_list<QPointF> punti, const QColor &fondo, const QColor &bordo, qreal w)
{
    p.setPen(Penna(bordo, w));
    p.setBrush(fondo);
    p.drawPolygon(QPolygonF(punti));
}

void Linea(QPainter &p, QPointF a, QPointF b, const QColor &c, qreal w)
{
    p.setPen(Penna(c, w));
    p.drawLine(a, b);
}

void Segna(QPainter &p, const QPainterPath &segni, const QColor &colore, qreal w)
{
    p.setPen(Penna(InchiostroCorrente().tenue && w <= kLineaInchiostrata ? Inchiostrato(colore) : colore, w));
    p.setBrush(Qt::NoBrush);
    p.drawPath(segni);
}

void Pixel(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &c) { p.fillRect(QRectF(x, y, w, h), c); }

QPainterPath Cerchio(QPointF c, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath Poligonale(QPointF c, qreal rx, qreal ry, int lati)
{
    QPolygonF v;
    for (int k = 0; k < lati; ++k)
        v << c + QPointF(rx * std::cos(2 * M_PI * k / lati), ry * std::sin(2 * M_PI * k / lati));
    QPainterPath path;
    path.addPolygon(v);
    path.closeSubpath();
    return path;
}

namespace {

// Curves are flattened to half a unit of the space the operation runs in;
// at this scale that is a sixty-fourth of a card unit.
constexpr qreal kScalaOperazioni = 32;

template <typename Op> QPainterPath AScalaFine(const QPainterPath &a, const QPainterPath &b, Op op)
{
    const QTransform su = QTransform::fromScale(kScalaOperazioni, kScalaOperazioni);
    const QTransform giu = QTransform::fromScale(1 / kScalaOperazioni, 1 / kScalaOperazioni);
    return giu.map(op(su.map(a), su.map(b)));
}

} // namespace

QPainterPath Unione(const QPainterPath &a, const QPainterPath &b)
{
    return AScalaFine(a, b, [](const QPainterPath &x, const QPainterPath &y) { return x.united(y); });
}

QPainterPath Intersezione(const QPainterPath &a, const QPainterPath &b)
{
    return AScalaFine(a, b, [](const QPainterPath &x, const QPainterPath &y) { return x.intersected(y); });
}

QPainterPath Differenza(const QPainterPath &a, const QPainterPath &b)
{
    return AScalaFine(a, b, [](const QPainterPath &x, const QPainterPath &y) { return x.subtracted(y); });
}

namespace {

// Drops the points of a polyline that lie within `tolleranza` of the line
// through their neighbours (Ramer-Douglas-Peucker): flattened curves and the
// results of boolean operations carry many more points than the shape needs,
// and every point is paid for again whenever a recorded card is filled.
void Sfoltisci(const QPolygonF &p, int da, int a, qreal tolleranza, std::vector<bool> &tieni)
{
    if (a - da < 2)
        return;
    const QPointF d = p[a] - p[da];
    const qreal l = std::hypot(d.x(), d.y());
    int lontano = -1;
    qreal massima = tolleranza;
    for (int i = da + 1; i < a; ++i) {
        const QPointF v = p[i] - p[da];
        const qreal distanza = l > 0 ? std::abs(v.x() * d.y() - v.y() * d.x()) / l : std::hypot(v.x(), v.y());
        if (distanza > massima) {
            massima = distanza;
            lontano = i;
        }
    }
    if (lontano < 0)
        return;
    tieni[size_t(lontano)] = true;
    Sfoltisci(p, da, lontano, tolleranza, tieni);
    Sfoltisci(p, lontano, a, tolleranza, tieni);
}

QPolygonF Sfoltito(const QPolygonF &p, qreal tolleranza)
{
    if (p.size() < 4)
        return p;
    std::vector<bool> tieni(size_t(p.size()), false);
    tieni.front() = tieni.back() = true;
    // A closed ring is split at its farthest point from the start, so that
    // neither half degenerates to a point.
    int meta = 1;
    for (int i = 1; i < p.size(); ++i)
        if (QLineF(p[0], p[i]).length() > QLineF(p[0], p[meta]).length())
            meta = i;
    tieni[size_t(meta)] = true;
    Sfoltisci(p, 0, meta, tolleranza, tieni);
    Sfoltisci(p, meta, int(p.size()) - 1, tolleranza, tieni);
    QPolygonF r;
    for (int i = 0; i < p.size(); ++i)
        if (tieni[size_t(i)])
            r << p[i];
    return r;
}

} // namespace

QPainterPath Piatto(const QPainterPath &a)
{
    constexpr qreal kScala = 16, kTolleranza = 0.03;
    QPainterPath r;
    r.setFillRule(a.fillRule());
    const QTransform giu = QTransform::fromScale(1 / kScala, 1 / kScala);
    for (const QPolygonF &poligono : a.toSubpathPolygons(QTransform::fromScale(kScala, kScala))) {
        r.addPolygon(Sfoltito(giu.map(poligono), kTolleranza));
        if (poligono.isClosed())
            r.closeSubpath();
    }
    return r;
}

namespace {
// A seam this short may run anywhere: a sliver along it, if any, lies at the
// shape's own edge, where its outline or its neighbour covers it.
constexpr qreal kCucituraCorta = 1.6;
} // namespace

QPainterPath InCatena(const QPainterPath &forma, const QPainterPath &dentro)
{
    QList<QPolygonF> pezzi = forma.toSubpathPolygons();
    if (pezzi.size() < 2)
        return forma;
    for (QPolygonF &pezzo : pezzi)
        if (pezzo.size() > 1 && pezzo.isClosed())
            pezzo.removeLast();
    const auto cucibile = [&](QPointF a, QPointF b) {
        if (QLineF(a, b).length() <= kCucituraCorta)
            return true;
        for (const qreal t : {0.25, 0.5, 0.75})
            if (!dentro.contains(a + (b - a) * t))
                return false;
        return true;
    };
    QPainterPath unita;
    unita.setFillRule(forma.fillRule());
    QPolygonF catena;
    std::vector<QPointF> ingressi;
    const auto chiudi = [&] {
        // Back along the seams, each the reverse of its way out.
        for (auto i = ingressi.rbegin() + 1; i < ingressi.rend(); ++i)
            catena << *i;
        unita.addPolygon(catena);
        unita.closeSubpath();
        catena.clear();
        ingressi.clear();
    };
    std::vector<bool> preso(std::size_t(pezzi.size()), false);
    QPointF qui = pezzi.front().front();
    for (qsizetype n = 0; n < pezzi.size(); ++n) {
        // The piece with the point nearest to where the last one was entered.
        qsizetype scelto = -1, punto = 0;
        qreal migliore = std::numeric_limits<qreal>::max();
        for (qsizetype j = 0; j < pezzi.size(); ++j) {
            if (preso[std::size_t(j)])
                continue;
            for (qsizetype k = 0; k < pezzi[j].size(); ++k) {
                const QPointF d = pezzi[j][k] - qui;
                if (const qreal d2 = d.x() * d.x() + d.y() * d.y(); d2 < migliore) {
                    migliore = d2;
                    scelto = j;
                    punto = k;
                }
            }
        }
        preso[std::size_t(scelto)] = true;
        const QPolygonF &pezzo = pezzi[scelto];
        if (!ingressi.empty() && !cucibile(qui, pezzo[punto]))
            chiudi();
        for (qsizetype k = 0; k <= pezzo.size(); ++k) // round to its entry again
            catena << pezzo[(punto + k) % pezzo.size()];
        qui = pezzo[punto];
        ingressi.push_back(qui);
    }
    chiudi();
    return unita;
}

void Modella(QPainter &p, const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra, qreal luce)
{
    p.setPen(Qt::NoPen);
    p.setBrush(tinta.corpo);
    p.drawPath(forma);
    if (ombra > 0) {
        p.setBrush(tinta.ombra);
        p.drawPath(Differenza(forma, forma.translated(-ombra, -ombra)));
    }
    if (luce > 0) {
        p.setBrush(tinta.luce);
        p.drawPath(Differenza(forma, forma.translated(luce, luce)));
    }
    if (bordo.alpha() > 0) {
        p.setPen(Penna(bordo));
        p.setBrush(Qt::NoBrush);
        p.drawPath(forma);
    }
}

void Tratteggia(QPainter &p, const QPainterPath &forma, const QColor &colore, qreal passo, qreal angolo, qreal spessore,
                const QPainterPath &sotto)
{
    const QRectF r = forma.boundingRect();
    const QPointF centro = r.center();
    const qreal raggio = std::hypot(r.width(), r.height()) / 2 + passo;
    QPainterPath linee;
    for (qreal d = -raggio; d <= raggio; d += passo)
        linee.addRect(QRectF(-raggio, d - spessore / 2, 2 * raggio, spessore));
    QTransform giro;
    giro.translate(centro.x(), centro.y());
    giro.rotate(angolo);
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(InCatena(Intersezione(forma, giro.map(linee)), sotto.isEmpty() ? forma : sotto));
}

} // namespace belvane::cardart
