#pragma once

#include "carte.h"
#include "cavallo.h"

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

// An arm in its sleeve from the shoulder through the elbow to the wrist, in
// the rider's frame: full over the upper arm, gathered at the elbow, a linen
// cuff at the wrist, creases on the inside of the bend. `grosso` widens it:
// an arm raised straight up is seen end-on to its width and reads as a stick
// at the natural size.
void Manica(const Tela &tela, QPointF spalla, QPointF gomito, QPointF mano, const Tinta &tinta, qreal ombra, qreal luce,
            qreal grosso = 1);
// The headgear of the horseman of `seme` on the head whose face is at `c`,
// on the card's axes, turned towards `verso` (+1 right, -1 left).
void Cappello(QPainter &p, Seme seme, QPointF c, int verso, const QColor &colore);

} // namespace belvane::cardart
