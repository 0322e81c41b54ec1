#include "pedana.h"

#include "cavallo.h"
#include "pennelli.h"
#include "stampa.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace belvane::cardart {

void Pedana(QPainter &p, Seme seme)
{
    // The yellow's shade towards orange: a darker yellow turns olive and
    // reads as the clubs' green at the natural size.
    static const Tinta kGiallo{QColor(0xFA, 0xEA, 0x80), QColor(0xF2, 0xCE, 0x2C), QColor(0xCC, 0x8C, 0x10)};
    static const Tinta kRossoP{QColor(0xE8, 0x50, 0x3C), kRosso, QColor(0x98, 0x16, 0x12)};
    static const Tinta kBluP{QColor(0x5C, 0x8C, 0xEC), kBlu, QColor(0x1A, 0x3C, 0x9C)};
    static const Tinta kVerdeP{QColor(0x58, 0xB0, 0x58), kVerde, QColor(0x16, 0x60, 0x22)};
    const Tinta &t = seme == Seme::Bastoni ? kVerdeP
        : seme == Seme::Coppe              ? kRossoP
        : seme == Seme::Denari             ? kGiallo
                                           : kBluP;
    Lastra(p, QRectF(3.5, 65, 38, 4), t);
}

void Lastra(QPainter &p, const QRectF &r, const Tinta &t)
{
    // Ground under the feet in the suit's colour. At the natural size a low
    // bank falling away at its ends (a rectangle reads as a figurine's base
    // there); in the larger drawing a flat strip (see below).
    const qreal su = r.top() - 0.3, giu = r.bottom(), l = r.left(), d = r.right();
    if (Piatta()) {
        // The larger drawing: a thin flat strip, its ends cut aslant,
        // engraved in broken level lines as a print lays the ground. A bank
        // with rounded shoulders engraved in upright strokes read as a toy's
        // plastic stand: the side of a slab, not the ground.
        QPainterPath striscia;
        const qreal alto = su + 0.8;
        striscia.moveTo(l + 0.4, giu);
        striscia.lineTo(l + 2.2, alto);
        striscia.lineTo(d - 2.2, alto);
        striscia.lineTo(d - 0.4, giu);
        striscia.closeSubpath();
        const FuoriContorno terra;
        Campitura(p, striscia, t, kContorno, 0, 0);
        QPainterPath righe;
        const qreal mezzo = kTrattoFine / 2;
        int n = 0;
        for (qreal y = alto + 1.0; y < giu - 0.3; y += 0.8, ++n) {
            const qreal rientro = 2.2 * (giu - y) / (giu - alto) + 0.6; // inside the slanted ends
            qreal x = l + rientro + (n % 2) * 1.3;
            while (x < d - rientro - 0.8) {
                const qreal lungo = std::min(d - rientro - x, 2.4 + (n % 3) * 0.9);
                righe.addRect(QRectF(x, y - mezzo, lungo, 2 * mezzo));
                x += lungo + 0.9 + (n % 2) * 0.5;
            }
        }
        p.setPen(Qt::NoPen);
        p.setBrush(t.ombra);
        p.drawPath(righe);
        return;
    }
    // At the natural size modelled: lit along the top, engraved in front.
    QPainterPath zolla;
    zolla.moveTo(l, giu);
    zolla.cubicTo(l + 0.2, su + 1.0, l + 1.6, su + 0.3, l + 4.0, su + 0.2);
    zolla.quadTo(l + r.width() * 0.5, su - 0.3, d - 4.0, su + 0.2);
    zolla.cubicTo(d - 1.6, su + 0.3, d - 0.2, su + 1.0, d, giu);
    zolla.closeSubpath();
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
