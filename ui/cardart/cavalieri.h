#pragma once

// The four horsemen as data: which way each rides, how his horse goes and
// is coloured, how he sits, holds his suit and looks (cavalli.cpp draws them).

#include "cavallo.h"
#include "fanti_comune.h"

#include "carte.h"

#include <QColor>
#include <QPointF>

namespace belvane::cardart::cavalieri {

// The seat, in the horse's frame; the rider turns about it.
constexpr QPointF kSella(20.5, 41);

Tinta Tono(QColor luce, QColor corpo, QColor ombra);
Tinta Tono(const QColor &c);
// A cloth's colour a little muted, as printed inks are.
QColor Smorza(const QColor &c);

// The four horsemen: which way each rides, how the horse goes, how the rider
// holds the suit, and what they wear.
struct Cavaliere {
    bool sinistra;        // rides towards the left of the card
    Andatura andatura;    // legs in the horse's frame (hind legs of a rearing horse stand on the card's ground)
    qreal impennata;      // degrees the forehand is raised
    bool lontano;         // the emblem is held up by the far arm, the reins in the near hand over the coat
    QPointF gomito, mano; // the arm that holds the emblem, in the rider's frame
    qreal angolo;         // a club's or sword's lean from upright, towards where he rides
    qreal misura;         // the emblem's size
    Finimenti finimenti;
    // How he sits: the lean of his body forward (degrees), his knee and foot,
    // the hand with the reins (all in the rider's frame).
    qreal chino;
    QPointF ginocchio, piede, manoRedini;
    qreal falda;                  // how far below the belt the skirt of his coat falls
    qreal petto;                  // where the front of his coat runs: the turn of his body towards us
    fanti::Lineamenti lineamenti; // what makes his face his own
    qreal avanti = 0;             // how far forward of the common seat he sits (over the withers of a rearing horse)
    qreal braccio = 1;            // how much wider than the common sleeve the emblem's arm is (see Manica)
};

// Each suit's horseman.
Cavaliere Di(Seme seme);

} // namespace belvane::cardart::cavalieri
