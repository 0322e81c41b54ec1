#include "pedana.h"

#include "cavallo.h"
#include "pennelli.h"
#include "stampa.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace belvane::cardart {

const Tinta &TintaDelSeme(Seme seme)
{
    // The yellow a deep gold, its shade towards orange: a paler one was the
    // faintest ground on the white card, and a darker yellow turns olive and
    // reads as the clubs' green at the natural size.
    static const Tinta kGiallo{QColor(0xF8, 0xD8, 0x50), QColor(0xEE, 0xB8, 0x18), QColor(0xB4, 0x74, 0x08)};
    static const Tinta kRossoP{QColor(0xE8, 0x50, 0x3C), kRosso, QColor(0x98, 0x16, 0x12)};
    static const Tinta kBluP{QColor(0x5C, 0x8C, 0xEC), kBlu, QColor(0x1A, 0x3C, 0x9C)};
    static const Tinta kVerdeP{QColor(0x58, 0xB0, 0x58), kVerde, QColor(0x16, 0x60, 0x22)};
    return seme == Seme::Bastoni ? kVerdeP : seme == Seme::Coppe ? kRossoP : seme == Seme::Denari ? kGiallo : kBluP;
}

void Pedana(QPainter &p, Seme seme) { Lastra(p, QRectF(3.5, 65, 38, 4), TintaDelSeme(seme)); }

void Lastra(QPainter &p, const QRectF &r, const Tinta &t)
{
    // A low bank of ground under the feet, as a print lays it, in the suit's
    // colour, falling away at its ends: a rectangle reads as a figurine's
    // base. The same shape at every size.
    const qreal su = r.top() - 0.3, giu = r.bottom(), l = r.left(), d = r.right();
    QPainterPath zolla;
    zolla.moveTo(l, giu);
    zolla.cubicTo(l + 0.2, su + 1.0, l + 1.6, su + 0.3, l + 4.0, su + 0.2);
    zolla.quadTo(l + r.width() * 0.5, su - 0.3, d - 4.0, su + 0.2);
    zolla.cubicTo(d - 1.6, su + 0.3, d - 0.2, su + 1.0, d, giu);
    zolla.closeSubpath();
    if (Piatta()) {
        // The larger drawing: flat, outlined finer than the figure on it,
        // its front engraved in short strokes.
        const FuoriContorno terra;
        Campitura(p, zolla, t, kContorno, 0, 0);
        // Each stroke a thin square-ended quadrilateral: a pen's round caps
        // cost several times the corners to fill again at every size.
        QPainterPath fronte;
        const qreal passo = 1.3, mezzo = kTrattoFine / 2;
        for (qreal x = l + 2.0; x < d - 1.6; x += passo) {
            const qreal lato = std::min(x - l, d - x); // the bank falls away at its ends
            const qreal cima = su + 1.4 + std::max(0.0, 3.0 - lato) * 0.7;
            fronte.addPolygon(QPolygonF(
                {{x - mezzo, cima}, {x + mezzo, cima}, {x - 0.5 + mezzo, giu - 0.3}, {x - 0.5 - mezzo, giu - 0.3}}));
            fronte.closeSubpath();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(t.ombra);
        p.drawPath(fronte);
        return;
    }
    // At the natural size modelled: lit along the top, engraved in front.
    Modella(p, Piatto(zolla), t, kContorno, 1.0, 0);
    QPainterPath cima;
    cima.addRect(QRectF(l + 0.7, r.y() + 0.5, r.width() - 1.4, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(t.luce);
    p.drawPath(Intersezione(cima, zolla.translated(0, 0.4)));
    QPainterPath fronte;
    fronte.addRect(QRectF(l + 1.0, r.y() + 1.8, r.width() - 2.0, 2.0));
    Tratteggia(p, Intersezione(fronte, zolla), t.ombra, 1.5, 90);
}

} // namespace belvane::cardart
