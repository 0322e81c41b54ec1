#pragma once

#include "carte.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace belvane::cardart {

// What the twelve figures share: how they hold their emblem, their clothes'
// colours, the face, the headgear, the crowns and the base they stand on.

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

Veste VesteDi(Seme seme, int valore);
// A face centred on pixel column 22 at `cy`; `sguardo` moves the features
// that many pixels sideways, towards where the figure looks.
void Viso(QPainter &p, qreal cy, const QColor &capelli, bool barba, const QColor &coloreBarba, qreal sguardo = 0);
void Base(QPainter &p, Seme seme);
// A hand at `mano` holding the suit's emblem the way `presa` says.
void EmblemaInMano(QPainter &p, Seme seme, QPointF mano, Presa presa);
void Copricapo(QPainter &p, Seme seme, qreal cy, const QColor &c);
void Corona(QPainter &p, Seme seme, qreal cy);
// The figure is drawn facing right; a mirrored suit flips the whole of it.
void Specchia(QPainter &p, bool specchio);

} // namespace belvane::cardart
