#pragma once

#include "carte.h"

#include <QPainter>
#include <QPointF>

namespace belvane::cardart {

// Whether an emblem carries the decoration of the ace (Si), is held by a
// figure (No), or stands on a pip card (Carta), where the swords and clubs
// are drawn bolder to be counted at a glance.
enum class Ornato { No, Si, Carta };

// Paints one emblem of `seme` centred on `centro`, `altezza` card units long
// along its own axis (the diameter of a coin), turned by `angolo` degrees
// clockwise. `curva` bends a sword's blade sideways towards the tip.
void Emblema(QPainter &p, Seme seme, QPointF centro, qreal altezza, qreal angolo, Ornato ornato = Ornato::No,
             qreal curva = 0);

// Where a hand closes on a figure's sword Emblema draws `altezza` long: the
// middle of its grip and the grip's end by the pommel, each as
// a distance from the sword's centre towards the pommel.
struct Impugnatura {
    qreal centro, fondo;
};
Impugnatura ImpugnaturaDellaSpada(qreal altezza);

} // namespace belvane::cardart
