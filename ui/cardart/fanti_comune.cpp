#include "fanti_comune.h"

#include "lineamenti.h"
#include "pennelli.h"
#include "sagome.h"
#include "stampa.h"

#include <QLineF>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace belvane::cardart::fanti {
namespace {

// Brows and lids light enough (grey above 110) not to take a face's pixels.
const QColor kSopracciglia(0x9A, 0x6A, 0x48);
const QColor kIride(0x3C, 0x28, 0x18);
const QColor kNaso(0xC8, 0x8A, 0x60);

} // namespace

QPointF CentroViso(Seme seme)
{
    switch (seme) {
    case Seme::Bastoni:
        return {19.5 - kScostaBastoni, 15.5};
    case Seme::Coppe:
        return {25.5, 15.5};
    case Seme::Denari:
        return {19.5 - kScostaDenari, 16.5};
    case Seme::Spade:
        return {25.5, 15.5};
    }
    return {22.5, 15.5};
}

namespace {

// The ring between an outline and one inside it, filled even-odd: the
// crescent they leave, painted without a boolean operation on paths.
void Anello(QPainter &p, const Profilo &fuori, const Profilo &dentro, const QColor &colore)
{
    QPainterPath anello = Sagoma(fuori);
    anello.addPath(Sagoma(dentro));
    anello.setFillRule(Qt::OddEvenFill);
    p.setBrush(colore);
    p.drawPath(anello);
}

} // namespace

void Forma(QPainter &p, const Profilo &forma, const Tinta &tinta, qreal ombra, qreal luce, const QColor &bordo)
{
    // The body; inside it the outline shrunk and moved towards the light
    // leaves a crescent of shade along the lower right; inside that, the
    // outline shrunk again and moved back leaves one of light along the
    // upper left.
    const qreal diagonale = 1 / std::sqrt(2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(tinta.corpo);
    p.drawPath(Sagoma(forma));
    Profilo dentro = forma;
    if (ombra > 0 && !Piatta()) {
        dentro = Rientra(forma, ombra / 2, QPointF(-1, -1) * (ombra / 2 * diagonale));
        Anello(p, forma, dentro, tinta.ombra);
    }
    if (luce > 0 && !Piatta())
        Anello(p, dentro, Rientra(dentro, luce / 2, QPointF(1, 1) * (luce / 2 * diagonale)), tinta.luce);
    p.setPen(Penna(bordo, Piatta() ? kTrattoFine : kTratto));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Sagoma(forma));
}

void OmbraOltre(QPainter &p, const Profilo &forma, QPointF da, QPointF a, const QColor &colore, bool incisa)
{
    // The shape beyond the line, laid flat (stampa.h).
    const QLineF l(da, a);
    const QPointF u = (a - da) / l.length(), fuori(u.y(), -u.x());
    constexpr qreal kLontano = 100;
    QPainterPath oltre;
    oltre.addPolygon(
        QPolygonF({da - u * kLontano, a + u * kLontano, a + (u + fuori) * kLontano, da + (fuori - u) * kLontano}));
    oltre.closeSubpath();
    Ombra(p, Intersezione(Sagoma(forma), oltre), colore, incisa);
}

void Ombreggia(QPainter &p, const Profilo &forma, QPointF da, QPointF a, const QColor &colore, qreal angolo,
               qreal passo)
{
    // Each line a thin quadrilateral, square-ended: stroked with round caps
    // the same lines cost several times the corners to fill at every size.
    const QPainterPath linee = Tratteggio(forma, da, a, angolo, passo);
    QPainterPath tratti;
    for (int i = 0; i + 1 < linee.elementCount(); i += 2) {
        const QPointF q0 = linee.elementAt(i), q1 = linee.elementAt(i + 1);
        const QLineF l(q0, q1);
        const QPointF n = QPointF(-l.dy(), l.dx()) / l.length() * (kTrattoInterno / 2);
        tratti.addPolygon(QPolygonF({q0 + n, q1 + n, q1 - n, q0 - n}));
        tratti.closeSubpath();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(tratti);
}

namespace {

// The brows' weight: heavier or lighter only in the drawing of the larger
// cards; at the natural size a heavier brow would take the pixel over the eye.
// The upper lid: at the natural size heavy enough to frame the eye; in the
// larger drawing a fine line, so that the eye looks open, not sleepy.
qreal Palpebra() { return InchiostroDelPixelInUso() ? 0.4 : 0.22; }

qreal Ciglia(qreal folte)
{
    constexpr qreal kCiglia = 0.35;
    return InchiostroDelPixelInUso() ? kCiglia : kCiglia + folte * 0.12;
}

// How the larger drawing cuts his eyes and sets his mouth.
volti::Occhi OcchiDi(const Lineamenti &l)
{
    volti::Occhi o;
    o.taglio = l.sguardo;
    o.iride = l.iride;
    o.piega = l.eta >= 0.5;
    o.folte = 0.2 + l.folte * 0.12;
    o.alte = l.ciglia * 0.15;
    if (l.pelo.alpha() > 0)
        o.ciglia = l.pelo.darker(130);
    return o;
}

volti::Bocca BoccaDi(Lineamenti::Bocca tipo, qreal largo)
{
    switch (tipo) {
    case Lineamenti::Bocca::Quieta:
        return {largo, 0.32, 0};
    case Lineamenti::Bocca::Sorride:
        return {largo, 0.28, -0.08};
    case Lineamenti::Bocca::Serrata:
        return {largo * 1.05, 0.18, 0.02};
    case Lineamenti::Bocca::Amara:
        return {largo * 0.95, 0.26, 0.1};
    }
    return {largo, 0.3, 0};
}

// What sets one face apart, drawn bolder on the larger cards: there the jaw,
// the chin, the face's length, the nose and the brows have room to differ,
// while at the natural size the face must stay skin with two eyes.
Lineamenti Accentua(Lineamenti l)
{
    if (InchiostroDelPixelInUso())
        return l;
    l.mascella *= 2;
    l.mento *= 2;
    l.naso *= 1.8;
    l.gobba *= l.gobba > 0 ? 2.5 : 1.0; // a snub nose drawn further curls over
    l.ciglia *= 0.5;                    // calm brows: raised ones read as surprise
    l.lungo *= 1.8;
    l.bocca *= 1.5;
    return l;
}

} // namespace

void Volto(QPainter &p, QPointF c, qreal verso, qreal inclina, qreal sorriso, const Lineamenti &lineamenti)
{
    const Lineamenti l = Accentua(lineamenti);
    const SenzaIncisione liscia;
    p.save();
    p.translate(c);
    p.rotate(inclina);
    // The face drawn longer or rounder about the eyes, which stay in their pixels.
    p.scale(1 - l.lungo * 0.05, 1 + l.lungo * 0.09);
    const qreal v = verso;
    // The ear on the side he turns from.
    const qreal orecchio = v >= 0 ? -3.0 : 3.0;
    Ellisse(p, {orecchio, 0.4}, 0.9, 1.3, l.pelle.ombra, kBordoPelle, kTrattoFine);
    // Broad at the cheekbones, the chin turned a little where he looks.
    const qreal j = l.mascella, m = l.mento;
    const Profilo viso{{-3.1, -1.6},
                       {-3.0 - j * 0.3, 1.8},
                       {-1.2 - j + v * 0.6, 3.8 + m},
                       {1.2 + j + v * 0.6, 3.8 + m},
                       {3.0 + j * 0.3, 1.8},
                       {3.1, -1.6},
                       {2.2, -3.8},
                       {-2.2, -3.8}};
    Forma(p, viso, l.pelle, 0.8, 0.5, kBordoPelle);
    // The cheek away from the light engraved, as a printer's block shades a
    // face: finer than a pixel, a tone at the natural size. In the larger
    // drawing the face is left flat, as a print lays it: a tone or lines on
    // the far cheek read as a patch or as stubble.
    if (InchiostroDelPixelInUso())
        Ombreggia(p, viso, {1.4 + v * 0.5, -2.4}, {2.0 + v * 0.5, 3.4}, l.pelle.ombra, 70, 0.9);
    // Cheeks, brows and lids, nose, mouth: finer than a pixel, so that at
    // the natural size only the eyes (on pixel centres) stand out.
    p.setPen(Qt::NoPen);
    if (l.rossore > 0) {
        QPainterPath guance;
        guance.addEllipse(QPointF(-1.8 + v * 0.3, 1.5), 0.7 * l.rossore, 0.4 * l.rossore);
        guance.addEllipse(QPointF(1.8 + v * 0.3, 1.5), 0.7 * l.rossore, 0.4 * l.rossore);
        // The skin's own colour warmed towards red.
        const QColor c = l.pelle.corpo;
        p.setBrush(QColor(c.red(), c.green() * 0.88, c.blue() * 0.86));
        p.drawPath(guance);
    }
    const qreal s = v * 0.2;
    if (InchiostroDelPixelInUso()) {
        // Almond whites, the irises on pixel centres, dark brown with a black
        // pupil: at the natural size each is one dark pixel.
        QPainterPath bianchi, occhi, pupille;
        for (qreal dx : {-1.0, 1.0}) {
            const qreal o = l.occhi;
            bianchi.addPath(Sagoma({{dx - 0.95, 0},
                                    {dx - 0.95, 0},
                                    {dx, -0.75 - o * 0.2},
                                    {dx + 0.95, 0},
                                    {dx + 0.95, 0},
                                    {dx, 0.6 + o * 0.15}}));
            occhi.addEllipse(QPointF(dx + v * 0.15, 0), 0.5, 0.55);
            pupille.addEllipse(QPointF(dx + v * 0.2, -0.02), 0.24, 0.26);
        }
        p.setBrush(kLinoT.luce);
        p.drawPath(bianchi);
        p.setBrush(kIride);
        p.drawPath(occhi);
        p.setBrush(kContorno);
        p.drawPath(pupille);
        // A stern look draws the brows down at the middle.
        const qreal f = std::max(0.0, -sorriso) * 4;
        const qreal a = l.ciglia;
        Segna(p,
              Tratti({{{-1.9 + s, -1.2 - f - a * 0.5}, {-1.1 + s, -1.7 - a}, {-0.4 + s, -1.3 + f - a * 0.3}},
                      {{0.4 + s, -1.3 + f - a * 0.3}, {1.1 + s, -1.7 - a}, {1.9 + s, -1.2 - f - a * 0.5}}}),
              kSopracciglia, Ciglia(l.folte));
        // The upper lids in warm brown, light enough that the pixel between
        // the eyes stays skin.
        Segna(p, Tratti({{{-2.0, 0.05}, {-1.0, -0.82}, {0.05, -0.1}}, {{-0.05, -0.1}, {1.0, -0.82}, {2.0, 0.05}}}),
              kBordoPelle, Palpebra());
    } else
        volti::DisegnaOcchi(p, {-1 + s * 0.5, 0}, {1 + s * 0.5, 0}, v * 0.06, OcchiDi(l), 1.1 + l.occhi * 0.22);
    const qreal n = l.naso;
    if (InchiostroDelPixelInUso())
        Segna(p,
              Tratti({{{v * 0.4, -0.4},
                       {v * 0.9 + 0.25 + (v < 0 ? -1 : 1) * l.gobba * 0.4, 0.9 + n},
                       {v * 0.5 - 0.3, 1.4 + n}},
                      {{v * 0.5 - 0.9, 1.0 + n}, {v * 0.5 - 0.8, 1.45 + n}, {v * 0.5 - 0.35, 1.55 + n}}}),
              kNaso, 0.4);
    else
        volti::DisegnaNaso(p, v * 0.55, 0, 1.35 + n, v < 0 ? -1 : 1, l.formaNaso);
    // The mouth a light warm line, not red: a dark or red pixel under the
    // face would read as a beard on the small card.
    const qreal b = v * 0.6, w = 0.8 + l.bocca;
    if (InchiostroDelPixelInUso())
        Segna(p,
              Tratti({{{-w + b, 2.45 + m * 0.5 - sorriso},
                       {b, 2.6 + m * 0.5 + sorriso},
                       {w + b, 2.45 + m * 0.5 - sorriso}}}),
              QColor(0xD0, 0x84, 0x6C), 0.4);
    else
        volti::DisegnaBocca(p, {b, 2.5 + m * 0.5}, BoccaDi(l.labbra, w * 1.3));
    if (l.eta > 0 && !InchiostroDelPixelInUso()) {
        // A grown man's line from the nose's wing towards the mouth's corner.
        if (l.eta >= 0.8)
            Segna(p,
                  Tratti({{{-1.2 + b, 1.3 + n}, {-1.45 + b, 2.0 + m * 0.3}, {-1.35 + b, 2.6 + m * 0.5}},
                          {{1.2 + b, 1.3 + n}, {1.45 + b, 2.0 + m * 0.3}, {1.35 + b, 2.6 + m * 0.5}}}),
                  kBordoPelle, 0.1);
    } else if (l.eta > 0) {
        // From the nose's wing to the mouth's corner, and under the eyes.
        const qreal e = l.eta;
        Segna(p,
              Tratti({{{-1.2 + b, 1.2 + n}, {-1.5 + b, 2.0 + m * 0.3}, {-1.3 + b, 2.8 + m * 0.5}},
                      {{1.2 + b, 1.2 + n}, {1.5 + b, 2.0 + m * 0.3}, {1.3 + b, 2.8 + m * 0.5}},
                      {{-1.7 + s, 0.75}, {-1.0 + s, 0.95 + 0.1 * e}, {-0.4 + s, 0.8}},
                      {{0.4 + s, 0.8}, {1.0 + s, 0.95 + 0.1 * e}, {1.7 + s, 0.75}}}),
              l.pelle.ombra, kTrattoInterno);
    }
    if (l.pelo.alpha() > 0) {
        // A moustache in two wings from under the nose, drawn as strands.
        QPainterPath baffi;
        // Level in the larger drawing (drooping ends look sour); at the
        // natural size they fall clear of the mouth's row of skin.
        const qreal punta = InchiostroDelPixelInUso() ? 0.75 : 0.15;
        for (int lato : {-1, 1}) {
            const QPointF a(b + lato * 0.15, 1.85 + n * 0.5);
            baffi.moveTo(a);
            baffi.quadTo(a + QPointF(lato * 0.8, -0.05), a + QPointF(lato * (w + 0.7), punta));
            // In the larger drawing two thin wings: a full one reads as a bar.
            const qreal spesso = InchiostroDelPixelInUso() ? 0.35 : 0.2;
            baffi.quadTo(a + QPointF(lato * 0.8, spesso), a + QPointF(0, spesso));
            baffi.closeSubpath();
        }
        if (l.pizzo > 0) {
            const qreal y = 3.2 + m * 0.5;
            baffi.moveTo(b - 0.45, y);
            baffi.quadTo(b, y - 0.25, b + 0.45, y);
            baffi.lineTo(b + 0.1, y + l.pizzo);
            baffi.lineTo(b - 0.1, y + l.pizzo);
            baffi.closeSubpath();
        }
        p.setPen(InchiostroDelPixelInUso() ? Penna(l.pelo.darker(120), kTrattoInterno) : QPen(Qt::NoPen));
        p.setBrush(InchiostroDelPixelInUso() ? l.pelo : l.pelo.darker(115));
        p.drawPath(baffi);
    }
    p.restore();
}

void Bordura(QPainter &p, const QPainterPath &linea, const QColor &fondo, const QColor &motivo, qreal largo)
{
    Segna(p, linea, fondo, largo);
    if (!OrnatoMinuto())
        return;
    const qreal lungo = linea.length(), passo = largo * 1.5;
    QPainterPath rombi;
    for (qreal d = passo / 2; d < lungo; d += passo) {
        const qreal t = linea.percentAtLength(d);
        const QPointF c = linea.pointAtPercent(t);
        const qreal a = qDegreesToRadians(-linea.angleAtPercent(t));
        const QPointF u(std::cos(a), std::sin(a)), n(-u.y(), u.x());
        rombi.addPolygon(QPolygonF(
            {c - u * (largo * 0.45), c + n * (largo * 0.28), c + u * (largo * 0.45), c - n * (largo * 0.28)}));
        rombi.closeSubpath();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(motivo);
    p.drawPath(rombi);
}

void Barba(QPainter &p, QPointF c, qreal verso, qreal inclina, const Tinta &pelo, qreal largo)
{
    p.save();
    p.translate(c);
    p.rotate(inclina);
    const qreal v = verso * 0.6;
    if (largo >= 0.8) {
        // A full beard grown into the moustache, from the cheeks round the
        // jaw and over the upper lip: a beard and a moustache drawn apart
        // read as a muzzle strapped on.
        // At the natural size it starts lower on the cheeks and leaves the
        // lip bare (a moustache there is finer than a pixel): the face keeps
        // its skin.
        const qreal g = InchiostroDelPixelInUso() ? 1.0 : 0;
        const Profilo barba{{-3.0, 1.0 + g},    {-2.9, 3.2},  {-1.3 + v, 4.5},     {v, 4.8},
                            {1.3 + v, 4.5},     {2.9, 3.2},   {3.0, 1.0 + g},      {2.2, 1.8 + g},
                            {1.2 + v, 1.9 + g}, {v, 1.7 + g}, {-1.2 + v, 1.9 + g}, {-2.2, 1.8 + g}};
        Forma(p, barba, pelo, 0.6, 0.3, pelo.ombra);
        if (!InchiostroDelPixelInUso()) {
            // The lips showing in it, and a few strands.
            QPainterPath labbra;
            labbra.moveTo(v - 0.75, 2.55);
            labbra.quadTo(v, 2.3, v + 0.75, 2.55);
            labbra.quadTo(v, 2.85, v - 0.75, 2.55);
            labbra.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xB4, 0x5A, 0x48));
            p.drawPath(labbra);
            Segna(p, Tratti({{{v - 0.5, 3.4}, {v - 0.4, 4.1}}, {{v + 0.5, 3.4}, {v + 0.4, 4.1}}}), pelo.ombra,
                  kTrattoFine);
        }
    } else {
        // A pointed beard on the chin, under the moustache the face draws.
        const qreal punta = 4.4 + (1 - largo) * 1.2;
        const qreal x = largo;
        const Profilo barba{{-3.0 * x + v * (1 - x), 1.6},
                            {-2.8 * x + v * (1 - x), 3.2},
                            {-1.2 * x + v, 4.2},
                            {v, punta},
                            {1.2 * x + v, 4.2},
                            {2.8 * x + v * (1 - x), 3.2},
                            {3.0 * x + v * (1 - x), 1.6},
                            {2.1 * x + v * (1 - x), 2.5},
                            {1.1 + v, 3.0},
                            {0.0 + v, 2.8},
                            {-1.1 + v, 3.0},
                            {-2.1 * x + v * (1 - x), 2.5}};
        Forma(p, barba, pelo, 0.6, 0.3, pelo.ombra);
        Segna(p, Tratti({{{v, 3.4}, {v, punta - 0.6}}}), pelo.ombra, kTrattoFine);
    }
    p.restore();
}

void Pugno(QPainter &p, QPointF c, qreal r, qreal angolo, bool specchio, const Tinta &pelle, const QColor &bordo)
{
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(angolo);
    if (specchio)
        t.scale(-1, 1);
    // The back of the hand, and the fingers' second joints in a row along
    // the grip on its far side: one shape.
    // Each part a polygon of a few sides: a hand is a few pixels even on
    // the largest card, and every vertex is filled again at each size.
    QPainterPath forma = Poligonale(QPointF(-0.25 * r, 0), 0.75 * r, 0.95 * r, 14);
    for (qreal y : {-0.62, -0.2, 0.22, 0.62})
        forma = Unione(forma, Poligonale(QPointF(0.38 * r, y * r), 0.42 * r, 0.26 * r, 8));
    forma = t.map(forma);
    p.setPen(Qt::NoPen);
    p.setBrush(pelle.corpo);
    p.drawPath(forma);
    // At the natural size a hand is three or four pixels: its shade and the
    // lines of its fingers turned them brown, a glove, so there it is skin
    // in its outline.
    const bool pixel = InchiostroDelPixelInUso();
    if (!pixel) {
        p.setBrush(pelle.ombra);
        p.drawPath(Differenza(forma, forma.translated(-0.35 * r, -0.35 * r)));
    }
    p.setPen(Penna(bordo, kTrattoFine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(forma);
    if (pixel)
        return;
    // Between the fingers, and the thumb laid over them.
    QPainterPath segni;
    for (qreal y : {-0.41, 0.01, 0.42}) {
        segni.moveTo(t.map(QPointF(0.1 * r, y * r)));
        segni.lineTo(t.map(QPointF(0.62 * r, y * r)));
    }
    segni.moveTo(t.map(QPointF(-0.7 * r, -0.55 * r)));
    segni.quadTo(t.map(QPointF(-0.2 * r, -0.2 * r)), t.map(QPointF(0.3 * r, -0.45 * r)));
    Segna(p, segni, bordo, kTrattoInterno);
}

void Mano(QPainter &p, QPointF c, qreal r, qreal angolo, const Tinta &pelle)
{
    // The thumb's side up: the grip runs across the turn.
    Pugno(p, c, r * 1.1, angolo - 90, false, pelle, kBordoPelle);
}

void Scarpa(QPainter &p, QPointF tallone, QPointF punta)
{
    Riempi(p, Arto({{tallone, 2.0}, {punta, 1.3}}), kCuoio, kContorno);
}

QPainterPath Taglio(qreal x, qreal y0, qreal y1, qreal largo)
{
    return Sagoma(Ovale({x, (y0 + y1) / 2}, largo, (y1 - y0) / 2));
}

} // namespace belvane::cardart::fanti
