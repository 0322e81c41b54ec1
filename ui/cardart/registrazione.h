#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygonF>

#include <functional>
#include <vector>

namespace belvane::cardart {

// A painting kept as the areas it fills. Stroking an outline and flattening
// its curves cost three quarters of drawing a card, and the result is the
// same at every size up to a scale; a recorded card pays for them once and
// is then only filled at each size.

// One area of one flat colour: a fill, or a pen's stroke as its outline.
struct Campitura {
    QColor colore;
    Qt::FillRule regola = Qt::WindingFill;
    QPolygonF poligono; // curves flattened; subpaths joined as QPainterPath::toFillPolygon joins them
};

struct Registrazione {
    std::vector<Campitura> campiture;
    // False when the painting used what a recording cannot keep (text,
    // pictures, gradients, cosmetic pens, clipping, opacity, composition
    // modes): such a painting has to be played directly.
    bool completa = true;
};

// Records what `scena` paints, in its own units, flattening curves finely
// enough for any scale up to `scalaMassima` (a quarter of a pixel at most).
Registrazione Registra(const std::function<void(QPainter &)> &scena, qreal scalaMassima);

// Fills the recorded areas in order with the painter's transform and clip,
// smoothed. The painter's pen and brush are restored.
void Riproduci(QPainter &painter, const Registrazione &registrazione);

} // namespace belvane::cardart
