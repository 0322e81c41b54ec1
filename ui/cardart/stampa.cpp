#include "stampa.h"

namespace belvane::cardart {

void Ombra(QPainter &p, const QPainterPath &forma, const QColor &colore)
{
    if (InchiostroDelPixelInUso())
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(forma);
}

} // namespace belvane::cardart
