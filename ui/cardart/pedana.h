#pragma once

#include "carte.h"

#include "tavolozza.h"

#include <QPainter>
#include <QRectF>

namespace belvane::cardart {

// The ground a figure (knave, horse or king) stands on, in the colour of his
// suit (yellow Denari, red Coppe, blue Spade, green Bastoni): one strip
// across the foot of the card's drawing (see Lastra).
void Pedana(QPainter &p, Seme seme);
// The suit's colour in its three tones, as its ground shows it.
const Tinta &TintaDelSeme(Seme seme);

// The strip of ground a figure stands on, `r` in card units, in the suit's
// tones.
void Lastra(QPainter &p, const QRectF &r, const Tinta &t);
// Where the ground lies, in card units: the width of the drawing inside the
// card's white margin, under the figures' feet.
inline constexpr QRectF kTerreno{3, 65, 39, 5};

} // namespace belvane::cardart
