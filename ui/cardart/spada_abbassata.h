#pragma once

#include <QPainter>
#include <QPointF>

namespace belvane::cardart {

// A slender steel sword held point down by a fist at `pugno` round the
// middle of its grip, the pommel above the fist, the guard below it, the
// blade bending a little away to the left. Drawn in steel, not the swords'
// blue: point down beside a figure it ends above his blue ground and would
// run into it. At the natural size laid pixel by pixel, the fist that holds
// it at `pugno` rounded to the pixel grid; the hand is the figure's to draw.
void SpadaAbbassata(QPainter &p, QPointF pugno);

// How far below the fist its point reaches, in card units.
inline constexpr qreal kPuntaSpadaAbbassata = 24.6;

} // namespace belvane::cardart
