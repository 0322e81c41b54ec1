#pragma once

#include "carte.h"

#include <QPainter>
#include <QRectF>

namespace belvane::cardart {

// Paints what card (`seme`, `valore`) shows, in card units on a white card:
// the ace, the pips of the two to the seven (the two with its banner), or
// the figure.
void Scena(QPainter &p, Seme seme, int valore);

// The box of a figure's face in card units; empty for the ace and the pips.
QRectF RiquadroViso(Seme seme, int valore);

} // namespace belvane::cardart
