#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "tavolozza.h"

namespace belvane::cardart {

// The shade on the side of a figure away from the light, laid as each
// picture needs it. In the 45 x 72 picture, engraved lines `passo` apart at
// `angolo` degrees: the reduction mixes them into a tone between the cloth
// and its shade. In the larger drawing, one flat area of `colore` with a
// crisp edge, as a printed card lays its second tone: lines there read as
// a drawing's hatching, not a print.
void Ombra(QPainter &p, const QPainterPath &forma, const QColor &colore, qreal passo, qreal angolo,
           qreal spessore = kTrattoInterno);

// Whether the light crescent of a modelled shape is left out: in the larger
// drawing a figure's cloth is two flat tones, the body and its shade, as a
// print lays it (a highlight reads as a modern illustration's); at the
// natural size the light keeps a shape's edge clear of its neighbour.
inline bool LuceDaStampa() { return !InchiostroDelPixelInUso(); }

} // namespace belvane::cardart
