#pragma once

#include "carte.h"

#include <QPainter>

namespace belvane::cardart {

// The platform a knave or a king stands on, in the colour of his suit
// (yellow Denari, red Coppe, blue Spade, green Bastoni): one slab across the
// foot of the card, lit on top and engraved in front.
void Pedana(QPainter &p, Seme seme);

} // namespace belvane::cardart
