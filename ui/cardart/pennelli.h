#pragma once

#include "tavolozza.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

namespace belvane::cardart {

// The strokes every picture of the deck is made of: flat fills outlined by a
// round-jointed pen, in card units.
QPen Penna(const QColor &c, qreal w = kTratto);
void Riempi(QPainter &p, const QPainterPath &path, const QColor &fondo, const QColor &bordo, qreal w = kTratto);
void Ellisse(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &fondo, const QColor &bordo, qreal w = kTratto);
void Macchia(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &colore);
void Poligono(QPainter &p, std::initializer_list<QPointF> punti, const QColor &fondo, const QColor &bordo,
              qreal w = kTratto);
void Linea(QPainter &p, QPointF a, QPointF b, const QColor &c, qreal w);
void Pixel(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &c);

} // namespace belvane::cardart
