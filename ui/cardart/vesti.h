#pragma once

#include "carte.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace belvane::cardart {

// The horsemen's clothes: their colours and how they hold their emblem.

// How a figure holds its emblem.
enum class Presa {
    Alzata,   // raised high above the head (a cup, a sword)
    Spalla,   // over the shoulder (a club)
    Mostrata, // shown in the hand in front of the chest (a coin)
    Riposo,   // upright at the side, point or butt down
};

// Everything that sets one suit's figure apart from another's.
struct Veste {
    QColor abito, maniche, calzaSinistra, calzaDestra, mantello, fodera, copricapo, capelli;
    Presa presa;
    bool specchio; // faces and holds to the other side
};

// The colours of the horseman of `seme` (`valore` 9) and how he holds his emblem.
Veste VesteDi(Seme seme, int valore);

} // namespace belvane::cardart
