#include "stampa.h"

#include "pennelli.h"

namespace belvane::cardart {

void Ombra(QPainter &p, const QPainterPath &forma, const QColor &colore)
{
    if (InchiostroDelPixelInUso())
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(forma);
}

void Campitura(QPainter &p, const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra, qreal luce)
{
    if (!Piatta()) {
        Modella(p, forma, tinta, bordo, ombra, luce);
        return;
    }
    Modella(p, forma, tinta, QColor(Qt::transparent), 0, 0);
    if (bordo.alpha() == 0)
        return;
    p.setPen(Penna(bordo, kTrattoFine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(forma);
}

} // namespace belvane::cardart
