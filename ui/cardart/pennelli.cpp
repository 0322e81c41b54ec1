#include "pennelli.h"

#include <QPolygonF>

namespace belvane::cardart {

QPen Penna(const QColor &c, qreal w)
{
    QPen p(c, w);
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

void Pixel(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &c) { p.fillRect(QRectF(x, y, w, h), c); }

} // namespace belvane::cardart
