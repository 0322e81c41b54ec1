#pragma once

#include "carte.h"

#include <QPainter>

namespace belvane::cardart {

// The twos' banner: a scroll in the suit's colour lying across the middle
// of the card between its two emblems, its ends folded back and cut in
// swallowtails, marks along it where a maker's name would run, in card
// units.
void Nastro(QPainter &p, Seme seme);

} // namespace belvane::cardart
