#pragma once

#include "carte.h"

#include <QPainter>

namespace belvane::cardart {

// The three figures of a suit, each filling the card in card units.
void Fante(QPainter &p, Seme seme);
void Cavallo(QPainter &p, Seme seme);
void Re(QPainter &p, Seme seme);

} // namespace belvane::cardart
