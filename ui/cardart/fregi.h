#pragma once

#include "carte.h"

#include <QPainter>

namespace belvane::cardart {

// The ornament of the pip cards of `seme`: on the two a golden garland
// lying across the white between its emblems, at every size (at the natural
// size its stem and tendrils only, in a gold no emblem uses); the other
// counts have none, their emblems leave no such band. Paint it before the
// emblems.
void Fregio(QPainter &p, Seme seme, int valore);

} // namespace belvane::cardart
