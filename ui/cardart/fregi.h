#pragma once

#include "carte.h"

#include <QPainter>

namespace belvane::cardart {

// The ornament of the two and the three of `seme`: a golden sprig winding
// from one emblem to the next, drawn only in the larger drawing (at the
// natural size it would be counted as an emblem or blur the count). Paint it
// before the emblems, which cover its ends.
void Fregio(QPainter &p, Seme seme, int valore);

} // namespace belvane::cardart
