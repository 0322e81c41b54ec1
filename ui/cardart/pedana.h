#pragma once

#include "carte.h"

#include "tavolozza.h"

#include <QPainter>
#include <QRectF>

namespace belvane::cardart {

// The platform a figure (knave, horse or king) stands on, in the colour of his suit
// (yellow Denari, red Coppe, blue Spade, green Bastoni): one slab across the
// foot of the card (see Lastra).
void Pedana(QPainter &p, Seme seme);
// The suit's colour in its three tones, as its platform shows it.
const Tinta &TintaDelSeme(Seme seme);

// The slab a figure stands on, `r` in card units, in the suit's tones: lit
// on top and engraved in front at the natural size, a flat strip of ground
// in the larger drawing.
void Lastra(QPainter &p, const QRectF &r, const Tinta &t);

} // namespace belvane::cardart
