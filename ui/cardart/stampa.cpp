#include "stampa.h"

#include "pennelli.h"

namespace belvane::cardart {

void Ombra(QPainter &p, const QPainterPath &forma, const QColor &colore, qreal passo, qreal angolo, qreal spessore)
{
    if (InchiostroDelPixelInUso()) {
        Tratteggia(p, forma, colore, passo, angolo, spessore);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(forma);
}

} // namespace belvane::cardart
