#pragma once

#include <QPainter>

namespace belvane::cardart {

// The ace of clubs' cudgel, drawn upright round the origin, `h` card units
// long, its head up: a grip bound in red, a green shaft thickening to a
// heavy head with two knots, lopped branches red at the cut, golden leaves
// on short stalks from the bark.
// `tenuto`: the smaller one a figure holds, its bark drawn more sparely
// (the ace's rings and round ends, a third of its size, only cost points to
// fill).
void Randello(QPainter &p, qreal h, bool tenuto = false);

} // namespace belvane::cardart
