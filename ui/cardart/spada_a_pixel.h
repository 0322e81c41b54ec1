#pragma once

#include <QPainter>
#include <QPointF>

namespace belvane::cardart {

// The knave of swords' sword at the natural size, laid pixel by pixel: the
// pips' sabre turned point down, held by a fist at `pugno` (rounded to the
// pixel grid) round its grip, the pommel above the fist and the guard below
// it, the blade bending outwards to the left, its point a row of white above
// the ground. The hand is the figure's to draw.
void SpadaDelFanteAPixel(QPainter &p, QPointF pugno);

} // namespace belvane::cardart
