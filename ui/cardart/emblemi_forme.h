#pragma once

#include "emblemi.h"

#include <QPainter>

namespace belvane::cardart {

// The four emblems, each drawn upright around the origin, `h` card units
// long along its own axis (the diameter of a coin). Emblema places them.
void Denaro(QPainter &p, qreal h, Ornato ornato);
void Coppa(QPainter &p, qreal h, Ornato ornato);
void Spada(QPainter &p, qreal h, Ornato ornato, qreal curva);
void Bastone(QPainter &p, qreal h, Ornato ornato);

// The ace's coin, `r` in radius, bearing the eagle.
void MonetaConAquila(QPainter &p, qreal r);

} // namespace belvane::cardart
