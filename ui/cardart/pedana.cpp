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
    // A low bank of ground under the feet, as a print lays it, in the suit's
    // colour: its top a row of low mounds, falling away at its ends in long
    // slopes, the left one longer. A level top with even rounded ends reads
    // as a figurine's base. The same shape at every size.
    const qreal su = r.top() - 0.3, giu = r.bottom(), l = r.left(), d = r.right();
    QPainterPath zolla;
    zolla.moveTo(l, giu);
    zolla.cubicTo(l + 0.8, su + 2.0, l + 2.4, su + 0.7, l + 5.0, su + 0.4);
    constexpr int kMonticelli = 7;
    constexpr qreal kAlti[kMonticelli] = {-0.35, -0.1, -0.45, -0.2, -0.4, -0.05, -0.3};
    const qreal da = l + 5.0, a = d - 4.0;
    for (int i = 0; i < kMonticelli; ++i)
        zolla.quadTo(da + (a - da) * (i + 0.5) / kMonticelli, su + kAlti[i], da + (a - da) * (i + 1) / kMonticelli,
                     su + 0.3);
    zolla.cubicTo(d - 2.0, su + 0.4, d - 0.6, su + 1.4, d, giu);
    zolla.closeSubpath();
    if (Piatta()) {
        // The larger drawing: flat, outlined finer than the figure on it,
        // tufts of grass along its top and the earth engraved in short
        // level strokes below them.
        const FuoriContorno terra;
        Campitura(p, zolla, t, kContorno, 0, 0);
        // Each stroke a thin square-ended quadrilateral: a pen's round caps
        // cost several times the corners to fill again at every size.
        QPainterPath segni;
        const qreal mezzo = kTrattoFine / 2;
        int k = 0;
        for (qreal x = l + 3.0; x < d - 2.4; x += 1.1, ++k) {
            const qreal lato = std::min(x - l, d - x); // the bank falls away at its ends
            const qreal base = su + 0.9 + std::max(0.0, 4.0 - lato) * 0.5;
            const qreal alto = 1.0 + 0.5 * ((k * 7) % 3); // tufts of uneven height
            const qreal piega = (k % 2 ? 0.5 : -0.4);
            segni.addPolygon(QPolygonF({{x - mezzo, base},
                                        {x + mezzo, base},
                                        {x + piega + 0.05, base - alto},
                                        {x + piega - 0.05, base - alto}}));
            segni.closeSubpath();
            if (k % 3 == 0 && lato > 3.0) { // the earth below
                const qreal y = giu - 1.0 - 0.6 * (k % 2);
                segni.addPolygon(QPolygonF(
                    {{x - 0.9, y - mezzo}, {x + 0.9, y - mezzo}, {x + 0.9, y + mezzo}, {x - 0.9, y + mezzo}}));
                segni.closeSubpath();
            }
        }
        p.setPen(Qt::NoPen);
        p.setBrush(t.ombra);
        p.drawPath(InCatena(segni));
        return;
    }
    // At the natural size modelled: the ground darker towards its foot.
    Modella(p, Piatto(zolla), t, kContorno, 1.0, 0);
    QPainterPath fronte;
    fronte.addRect(QRectF(l + 1.0, r.y() + 1.8, r.width() - 2.0, 2.0));
    Tratteggia(p, Intersezione(fronte, zolla), t.ombra, 1.5, 90);
}

} // namespace belvane::cardart
