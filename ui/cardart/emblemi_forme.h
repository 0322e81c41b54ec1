#pragma once

#include "emblemi.h"

#include "tavolozza.h"

#include <QColor>
#include <QPainter>

namespace belvane::cardart {

// Every emblem is outlined in the darkest tone of its own colour, as the
// figures are in the ink: gold in kOroScuro, the blade in a deep blue, the
// wood in a deep green. At the natural size a one-pixel outline in these
// still reads as the emblem's colour, not as black.
inline const QColor kContornoBlu(0x16, 0x2C, 0x74);
inline const QColor kContornoVerde(0x14, 0x40, 0x1A);
// The clubs' wood: the emblems' green, its shade a little lighter than the
// outline, so that at the natural size the two do not make one dark band.
inline const Tinta kTintaLegno{kTintaVerde.luce, kTintaVerde.corpo, QColor(0x2A, 0x66, 0x30)};

// The four emblems, each drawn upright around the origin, `h` card units
// long along its own axis (the diameter of a coin). Emblema places them.
void Denaro(QPainter &p, qreal h, Ornato ornato);
void Coppa(QPainter &p, qreal h, Ornato ornato);
void Spada(QPainter &p, qreal h, Ornato ornato, qreal curva);
void Bastone(QPainter &p, qreal h, Ornato ornato);

// The ace's coin, `r` in radius, bearing the eagle.
void MonetaConAquila(QPainter &p, qreal r);

} // namespace belvane::cardart
