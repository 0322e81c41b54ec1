#include "lineamenti.h"

#include "pennelli.h"

#include <QPainterPath>

namespace belvane::cardart::volti {
namespace {

const QColor kBianco(0xFB, 0xF6, 0xEC);
const QColor kPupilla(0x1E, 0x16, 0x12);
// The upper lid's line: the face's firmest, warm, not the outline's ink.
const QColor kLinea(0x5A, 0x32, 0x20);
const QColor kLineaFine(0xB4, 0x7A, 0x58);
const QColor kLineaNaso(0x9E, 0x62, 0x42);
const QColor kLabbro(0xD8, 0x84, 0x70);
const QColor kTraLabbra(0x8A, 0x40, 0x30);

// One eye about its own middle, `o` the side its outer corner lies on (-1
// left, +1 right): the corners, the top of the upper lid, the bottom of the
// lower, and how far the outer corner falls.
struct Forma {
    qreal mezzo, su, giu, cade;
};

Forma FormaDi(Taglio t)
{
    switch (t) {
    case Taglio::Mandorla:
        return {0.72, 0.46, 0.3, 0.02};
    case Taglio::Aperto:
        return {0.66, 0.54, 0.36, 0};
    case Taglio::Cadente:
        return {0.7, 0.44, 0.3, 0.14};
    case Taglio::Allungato:
        return {0.78, 0.36, 0.24, -0.12};
    }
    return {0.72, 0.46, 0.3, 0};
}

} // namespace

void DisegnaOcchi(QPainter &p, QPointF sinistro, QPointF destro, qreal guarda, const Occhi &occhi, qreal grande)
{
    const Forma f = FormaDi(occhi.taglio);
    QPainterPath bianchi, iridi, pupille, palpebre, sotto, pieghe, ciglia;
    for (const auto &[centro0, o] : {std::pair{sinistro, -1.0}, std::pair{destro, 1.0}}) {
        // Each eye a little out from the middle it is given, so that the
        // two lids never meet over the nose (a line across reads as
        // spectacles).
        const QPointF e = centro0 + QPointF(o * 0.1 * grande, 0);
        const auto at = [&](qreal x, qreal y) { return e + QPointF(x * o, y) * grande; };
        const QPointF dentro = at(-f.mezzo, 0.02), fuori = at(f.mezzo, f.cade);
        QPainterPath bianco(dentro);
        bianco.quadTo(at(-0.1, -f.su * 1.9), fuori);
        bianco.quadTo(at(0.05, f.giu * 1.9), dentro);
        bianco.closeSubpath();
        bianchi.addPath(bianco);
        // The iris under the upper lid, as a calm eye's is, cut to the eye.
        const QPointF centro = e + QPointF(guarda, -0.06 * grande);
        iridi.addPath(Intersezione(bianco, Cerchio(centro, 0.36 * grande, 0.36 * grande)));
        pupille.addPath(Intersezione(bianco, Cerchio(centro, 0.12 * grande, 0.12 * grande)));
        // The upper lid runs a little past the outer corner.
        palpebre.moveTo(at(-f.mezzo * 0.7, -f.su * 0.6));
        palpebre.quadTo(at(-0.05, -f.su * 1.55), fuori);
        palpebre.lineTo(fuori + QPointF(0.18 * o, 0.04) * grande);
        sotto.moveTo(at(-0.3, f.giu * 0.85));
        sotto.quadTo(at(0.3, f.giu * 1.2), fuori);
        if (occhi.piega) {
            pieghe.moveTo(at(-0.55, -f.su - 0.22));
            pieghe.quadTo(at(0.05, -f.su - 0.5), at(f.mezzo + 0.05, f.cade - 0.3));
        }
        if (occhi.borse) {
            pieghe.moveTo(at(-0.45, f.giu + 0.35));
            pieghe.quadTo(at(0.1, f.giu + 0.6), at(0.7, f.giu + 0.3));
        }
        // The brow: a long, nearly straight line, following the eye's cut.
        const qreal y = -1.08 - occhi.alte;
        ciglia.moveTo(at(-0.45, y + 0.12));
        ciglia.quadTo(at(0.05, y - 0.22), at(1.0, y + 0.12 + f.cade * 0.8));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kBianco);
    p.drawPath(bianchi);
    p.setBrush(occhi.iride);
    p.drawPath(iridi);
    p.setBrush(kPupilla);
    p.drawPath(pupille);
    Segna(p, palpebre, kLinea, 0.15 * grande);
    Segna(p, sotto, kLineaFine, 0.1 * grande);
    Segna(p, pieghe, kLineaFine, 0.1 * grande);
    Segna(p, ciglia, occhi.ciglia, occhi.folte * grande);
}

void DisegnaBocca(QPainter &p, QPointF c, const Bocca &b)
{
    const qreal w = b.largo, g = b.giu;
    QPainterPath labbro(c + QPointF(-w * 0.7, g * 0.5));
    labbro.quadTo(c + QPointF(0, b.pieno * 2), c + QPointF(w * 0.7, g * 0.5));
    labbro.quadTo(c + QPointF(0, 0.08), c + QPointF(-w * 0.7, g * 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kLabbro);
    p.drawPath(labbro);
    // The line between the lips with the bow of the upper lip in it, and
    // the shade under the lower.
    QPainterPath linea(c + QPointF(-w, g));
    linea.cubicTo(c + QPointF(-w * 0.5, -0.02), c + QPointF(-w * 0.2, 0.06), c);
    linea.cubicTo(c + QPointF(w * 0.2, 0.06), c + QPointF(w * 0.5, -0.02), c + QPointF(w, g));
    Segna(p, linea, kTraLabbra, 0.16);
    QPainterPath ombra(c + QPointF(-w * 0.35, b.pieno + 0.35));
    ombra.quadTo(c + QPointF(0, b.pieno + 0.5), c + QPointF(w * 0.35, b.pieno + 0.35));
    Segna(p, ombra, kLineaFine, 0.1);
}

void DisegnaNaso(QPainter &p, qreal x, qreal y, qreal lungo, int lato, Naso naso)
{
    const qreal o = lato, t = y + lungo; // the tip's underside
    QPainterPath linee;
    switch (naso) {
    case Naso::Dritto:
        linee.moveTo(x + 0.38 * o, y + 0.7);
        linee.quadTo(x + 0.45 * o, y + lungo * 0.6, x + 0.35 * o, t - 0.1);
        linee.moveTo(x + 0.5 * o, t - 0.1);
        linee.quadTo(x + 0.05 * o, t + 0.3, x - 0.4 * o, t);
        break;
    case Naso::Corto:
        linee.moveTo(x + 0.35 * o, t - 0.7);
        linee.lineTo(x + 0.4 * o, t - 0.35);
        linee.moveTo(x + 0.45 * o, t - 0.15);
        linee.quadTo(x, t + 0.2, x - 0.45 * o, t - 0.15);
        break;
    case Naso::Aquilino:
        linee.moveTo(x + 0.35 * o, y + 0.6);
        linee.cubicTo(x + 0.8 * o, y + lungo * 0.4, x + 0.65 * o, t - 0.3, x + 0.2 * o, t + 0.15);
        linee.moveTo(x + 0.6 * o, t - 0.2);
        linee.quadTo(x + 0.6 * o, t + 0.1, x + 0.25 * o, t + 0.12);
        break;
    case Naso::Largo:
        linee.moveTo(x + 0.4 * o, y + lungo * 0.3);
        linee.lineTo(x + 0.45 * o, t - 0.35);
        for (int lato2 : {-1, 1}) {
            linee.moveTo(x + lato2 * 0.7, t - 0.25);
            linee.quadTo(x + lato2 * 0.75, t + 0.1, x + lato2 * 0.3, t + 0.08);
        }
        linee.moveTo(x - 0.3, t + 0.08);
        linee.quadTo(x, t + 0.2, x + 0.3, t + 0.08);
        break;
    }
    Segna(p, linee, kLineaNaso, 0.12);
}

} // namespace belvane::cardart::volti
