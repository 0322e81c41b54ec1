#pragma once

#include <QPainter>

namespace belvane::cardart {

// The twos' banner: a red scroll lying across the middle of the card
// between its two emblems, its ends folded back and cut in swallowtails,
// gold marks along it where a maker's name would run, in card units.
void Nastro(QPainter &p);

} // namespace belvane::cardart
