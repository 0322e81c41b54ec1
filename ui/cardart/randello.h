#pragma once

#include <QPainter>

namespace belvane::cardart {

// The cudgel the figures hold and the ace of clubs shows, drawn upright
// round the origin, `h` card units long, its head up: a thin grip, a shaft
// of green wood thickening to a heavy knotted head, lopped branches cut off
// short and red at the cut, a golden leaf. Within 3.3 h/20 of its axis,
// where the figures' hands and the card's edges expect a club. `asso` adds
// the ace's engraving, more leaves and a red binding above the grip.
void Randello(QPainter &p, qreal h, bool asso);

} // namespace belvane::cardart
