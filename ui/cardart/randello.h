#pragma once

#include <QPainter>

namespace belvane::cardart {

// The ace of clubs' cudgel, drawn upright round the origin, `h` card units
// long, its head up: a grip bound in red, a green shaft swelling steadily to
// a heavy round head knotted at the crown, lopped branches red at the cut,
// a golden leaf on a stalk from each. For the larger drawing.
void Randello(QPainter &p, qreal h);

// The same cudgel at the natural size, laid pixel by pixel in its place on
// the ace, leaning as the drawn one is laid there.
void RandelloDiPixel(QPainter &p);

} // namespace belvane::cardart
