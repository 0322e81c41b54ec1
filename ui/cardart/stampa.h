#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "tavolozza.h"

namespace belvane::cardart {

// The shade on the side of a figure away from the light, beyond its
// modelled edge: in the larger drawing one flat area of `colore` with a crisp
// edge, as a printed card lays its second tone. In the 45 x 72 picture
// nothing: lines or an area of a shade tone there break into speckle, and the
// modelled shape's own crescent of shade is enough.
void Ombra(QPainter &p, const QPainterPath &forma, const QColor &colore);

// Whether a figure's modelled shapes are laid flat: in the larger drawing
// each is one colour, as a print lays it, its shade the flat areas Ombra
// lays (a crescent of light or shade along every edge reads as a modern
// illustration's soft modelling); at the natural size the crescents keep a
// shape's edge clear of its neighbour's.
inline bool Piatta() { return !InchiostroDelPixelInUso(); }

// A figure's modelled shape: at the natural size as Modella (pennelli.h)
// lays it; in the larger drawing one flat colour (Piatta) outlined in `bordo`
// a little finer than an emblem, as a print draws its figures.
void Campitura(QPainter &p, const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra,
               qreal luce);

// A rein's or strap's width: `disegno` in the larger drawing; in the pixel
// picture wide enough to win every pixel it crosses, where a finer line
// breaks into dashes.
inline qreal Cinghia(qreal disegno) { return InchiostroDelPixelInUso() ? 0.8 : disegno; }

// Whether to sow small ornament (flowers, roundels on a robe): only in the
// larger drawing; at the natural size each is a stray pixel, speckle.
inline bool OrnatoMinuto() { return !InchiostroDelPixelInUso(); }

} // namespace belvane::cardart
