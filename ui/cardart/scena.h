#pragma once

#include "carte.h"

#include <QPainter>

namespace belvane::cardart {

// Paints what card (`seme`, `valore`) shows, in card units on a white card:
// the ace, the pips of the two to the seven, or the figure.
void Scena(QPainter &p, Seme seme, int valore);

} // namespace belvane::cardart
