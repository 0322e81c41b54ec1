#pragma once

#include "carte.h"

#include <QPainter>
#include <QRectF>

namespace belvane::cardart {

// The three figures of a suit, each filling the card in card units.
void Fante(QPainter &p, Seme seme);
void Cavallo(QPainter &p, Seme seme);
void Re(QPainter &p, Seme seme);

// Where each figure's face is, in card units: the box its skin fills, as the
// figure above draws it. The tests read the face there.
QRectF VisoDelFante(Seme seme);
QRectF VisoDelCavaliere(Seme seme);
QRectF VisoDelRe(Seme seme);

} // namespace belvane::cardart
