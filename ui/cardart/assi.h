#pragma once

#include "carte.h"

#include <QPainter>

namespace belvane::cardart {

// The ace of `seme`: one large, ornate emblem in the middle of the card.
void Asso(QPainter &p, Seme seme);

} // namespace belvane::cardart
