#pragma once

#include <QPainter>

namespace belvane::cardart {

// The ace of clubs' cudgel, drawn upright round the origin, `h` card units
// long, its head up: a grip bound in red, a green shaft thickening to a
// heavy head with two knots, lopped branches pale at the cut in red bark,
// golden leaves on short stalks from the bark.
void Randello(QPainter &p, qreal h);

// The same cudgel at the natural size, laid pixel by pixel in its place on
// the ace, leaning as the drawn one is laid there.
void RandelloDiPixel(QPainter &p);

} // namespace belvane::cardart
