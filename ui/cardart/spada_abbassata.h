#pragma once

#include <QPainter>
#include <QPointF>

namespace belvane::cardart {

// A slender sword in the swords' blue held point down by a fist at `pugno`
// round the middle of its grip, the pommel above the fist, the guard below
// it, the blade bending a little away to the left in the larger drawing, its
// point clear of the ground (the pips' broad blade turned point down read as
// a blue flag planted in the figure's blue ground). At the natural size laid
// pixel by pixel, the fist at `pugno` rounded to the pixel grid; the hand is
// the figure's to draw.
void SpadaAbbassata(QPainter &p, QPointF pugno);

// How far below the fist its point reaches, in card units.
inline constexpr qreal kPuntaSpadaAbbassata = 24.6;

} // namespace belvane::cardart
