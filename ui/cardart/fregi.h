#pragma once

#include "carte.h"

#include <QPainter>

namespace belvane::cardart {

// The ornament of the two and the three of `seme`: on the two a golden
// garland lying across the card between its emblems, at every size (at the
// natural size its stem and leaves only, in golds of their own); on the
// three sprigs in the corners its diagonal leaves white, in the larger
// drawing only (at the natural size they stand where a four's emblems do,
// and are counted). Paint it before the emblems.
void Fregio(QPainter &p, Seme seme, int valore);

} // namespace belvane::cardart
