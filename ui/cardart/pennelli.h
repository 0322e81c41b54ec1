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
// The colour halfway between `a` and `b`.
QColor AMeta(const QColor &a, const QColor &b);
// `c` halfway to the figures' inner ink (kContornoInterno).
QColor Inchiostrato(const QColor &c);
void Riempi(QPainter &p, const QPainterPath &path, const QColor &fondo, const QColor &bordo, qreal w = kTratto);
void Ellisse(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &fondo, const QColor &bordo, qreal w = kTratto);
void Macchia(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &colore);
void Poligono(QPainter &p, std::initializer_list<QPointF> punti, const QColor &fondo, const QColor &bordo,
              qreal w = kTratto);
void Linea(QPainter &p, QPointF a, QPointF b, const QColor &c, qreal w);
// Linework inside a shape (folds, seams, strands of hair): `segni` stroked
// `w` wide, no fill; inside a figure in the larger drawing (Inchiostro::
// tenue) in `colore` taken halfway to the figures' inner ink, if it is a
// line (not over 0.3 wide).
void Segna(QPainter &p, const QPainterPath &segni, const QColor &colore, qreal w = kTrattoInterno);
void Pixel(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &c);
// An ellipse centred on `c` as a path, for the boolean operations below.
QPainterPath Cerchio(QPointF c, qreal rx, qreal ry);
// The same ellipse as a polygon of `lati` sides: cheaper to fill again at
// every size than a curve, where a few pixels do not show the difference.
QPainterPath Poligonale(QPointF c, qreal rx, qreal ry, int lati);

// Boolean operations on paths, worked out at a fine scale: Qt flattens
// curves to half a unit before combining, which shows as facets on a card
// drawn four times its natural size.
QPainterPath Unione(const QPainterPath &a, const QPainterPath &b);
QPainterPath Intersezione(const QPainterPath &a, const QPainterPath &b);
QPainterPath Differenza(const QPainterPath &a, const QPainterPath &b);

// `a` with its curves flattened to a sixteenth of a unit: the boolean
// operations behind modelling and hatching cost a fraction of what they cost
// on curves, and the facets stay under half a pixel at the largest size a
// card is recorded for.
QPainterPath Piatto(const QPainterPath &a);

// `forma` as few outlines that fill the same: its pieces (subpaths) taken
// nearest first, each joined to the next by a seam walked there and back,
// which fills nothing. A recording joins the pieces of an area through its
// first point instead, and filling pays for every pixel row those joins
// cross: for a hatching of a hundred lines, more than the lines themselves.
// A seam longer than a unit and a half is laid only where it runs inside `dentro`
// (elsewhere a new outline begins): a graded recording may leave out a
// seam's corner one way and not the other, a sliver of an eighth of a pixel
// that shows on white paper.
QPainterPath InCatena(const QPainterPath &forma, const QPainterPath &dentro);

// Fills `forma` in the three tones of `tinta`, as a printer would model it:
// the body, a crescent of shade `ombra` units wide along the lower right and
// one of light `luce` wide along the upper left; then the outline of one
// weight in `bordo` (none if `bordo` is transparent). Only flat fills, so a
// recording keeps it.
void Modella(QPainter &p, const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra = 1.2,
             qreal luce = 0.7);

// Parallel hatching inside `forma`, as an engraver shades: lines `spessore`
// wide every `passo` units at `angolo` degrees, cut to the shape's outline,
// all one area (InCatena), its seams inside `sotto` (the painted shape it
// lies on; `forma` itself if empty).
void Tratteggia(QPainter &p, const QPainterPath &forma, const QColor &colore, qreal passo, qreal angolo,
                qreal spessore = kTrattoInterno, const QPainterPath &sotto = {});

} // namespace belvane::cardart
