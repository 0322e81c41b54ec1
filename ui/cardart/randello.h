#pragma once

#include <QPainter>

namespace belvane::cardart {

// The cudgel the figures hold and the ace of clubs shows, drawn upright
// round the origin, `h` card units long, its head up: a thin grip, a shaft
// thickening to a heavy knotted head, lopped branches cut off short with
// the pale wood showing at each cut. Within 3.3 h/20 of its axis, where the
// figures' hands and the card's edges expect a club. `asso` adds the ace's
// engraving and a sprig of leaves.
void Randello(QPainter &p, qreal h, bool asso);

} // namespace belvane::cardart
