#pragma once

#include "carte.h"

#include "tavolozza.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <functional>

namespace belvane::cardart {

// A figure (knave, horse or king) drawn by `disegna` as Figura (stampa.h)
// draws him, standing on ground in the colour of his suit (yellow Denari,
// red Coppe, blue Spade, green Bastoni): one strip across the foot of the
// card's drawing (see Lastra), with the short shadow his feet cast on it.
void InPiedi(QPainter &p, Seme seme, const std::function<void(QPainter &)> &disegna);
// The suit's colour in its three tones, as its ground shows it.
const Tinta &TintaDelSeme(Seme seme);

// The patch of ground a figure stands on, `r` in card units, in the
// suit's tones.
void Lastra(QPainter &p, const QRectF &r, const Tinta &t);
// Where the ground may lie, in card units: at most the width of the
// drawing inside the card's white margin, under the figures' feet.
inline constexpr QRectF kTerreno{3, 65, 39, 5};

} // namespace belvane::cardart
