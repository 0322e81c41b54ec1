#pragma once

#include "carte.h"

#include <QtGlobal>

#include <span>

namespace belvane::cardart {

// Where one emblem of a pip card stands, in card units.
struct Posa {
    qreal x = 0, y = 0, altezza = 0, curva = 0;
};

// The emblems of the two to the seven of a suit; empty for other ranks.
std::span<const Posa> Disposizione(Seme seme, int valore);

} // namespace belvane::cardart
