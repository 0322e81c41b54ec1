// The cups and coins of the pip cards, and the bold sword (the pips' in the
// larger drawing, the figures' at the natural size): bold closed shapes that are
// counted at a glance at the natural size, where a sword is some twenty
// pixels long and eleven wide, a cup nineteen tall, a coin thirteen across.
#include "emblemi_forme.h"

#include "pennelli.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace belvane::cardart {
namespace {

// The light edge of a blade in the larger drawing: paler than the blade's
// own light tone, a line of steel along the cutting edge. At the natural
// size the blade's light tone instead: a line that pale sinks into the
// white card and leaves the blade a sliver.
const QColor kFilo(0xC4, 0xDC, 0xFA);
// The stretch of a blade's length, from the guard (0) to the point (1),
// that its light line runs along at the natural size.
constexpr qreal kFiloDa = 0.04, kFiloA = 0.68;
// The blade's outline at the natural size: a deep blue rather than the ink,
// so that its narrow point ends in steel, not in a black nib (a quill's).
const QColor kContornoLama(0x14, 0x26, 0x66);

// The pip cups' gold: warmer and more orange than the coins', so that at
// the natural size the two suits are two colours, not two blots of one.
const Tinta kTintaCoppa{QColor(0xF8, 0xC4, 0x58), QColor(0xE8, 0x96, 0x24), QColor(0xB8, 0x6C, 0x18)};

// The pip coin's face: a full gold, lighter than its rim, in a rim of deep
// brown gold. (A pale yellow face was read as faint, a coin lost on the
// white.)
const Tinta kFacciaMoneta{QColor(0xFC, 0xD8, 0x50), QColor(0xF0, 0xB8, 0x18), QColor(0xD0, 0x94, 0x10)};
const QColor kBordoMoneta(0x8C, 0x50, 0x08);
constexpr qreal kFacciaSuBordo = 0.64; // the face's radius over the coin's

// The pip sword's hilt, from its length: for the drawing and for the hand
// that holds one.
struct Elsa {
    qreal pomo, presa, fondoPresa;
};
Elsa ElsaDiCarta(qreal h)
{
    const qreal pomo = 0.055 * h;
    return {pomo, 0.075 * h, h / 2 - 2 * pomo + 0.2};
}

} // namespace

// A scimitar standing point up: a long blue blade curving over its whole
// length towards `curva` (units sideways at the point), broad to the last
// fifth and then cut to a point, its convex side the cutting edge with a
// light line of steel; a golden guard whose ends turn up to the blade, a red
// grip and a round golden pommel.
void SpadaDiCarta(QPainter &p, qreal h, qreal curva)
{
    // A short hilt, so that three quarters of the length is blade, and a
    // straight crossguard bar, the widest part of the sword: the silhouette
    // of a sword, a thin crescent crossed near its foot, is never a club's.
    const Elsa elsa = ElsaDiCarta(h);
    const qreal pomo = elsa.pomo, presa = elsa.presa, fondoPresa = elsa.fondoPresa;
    // In the larger drawing, where its whole shape is seen, a long slender
    // sabre bending along its length on a shorter guard: the natural size's
    // broad blade bent at its point reads there as a dagger or a fang.
    const bool disegno = !InchiostroDelPixelInUso();
    const qreal spessore = 0.085 * h; // the guard
    const qreal braccio = (disegno ? 0.18 : 0.21) * h;
    const qreal guardia = fondoPresa - presa; // the guard's lower edge
    const qreal base = guardia - spessore;    // where the blade leaves the guard
    const qreal punta = -h / 2;
    // Half the blade's width at the guard: a broad scimitar's, so that a
    // sword alone in the middle of a card keeps its mass at the natural
    // size (a slender one was lost there, and the five read as a four).
    const qreal mezza = (disegno ? 0.095 : 0.13) * h;

    constexpr int kPassi = 24;
    const auto asse = [&](qreal t) { return curva * (disegno ? 0.55 * t + 0.45 * t * t : 0.2 * t + 0.8 * t * t); };
    // Even to the last third, then narrowing to a sharp point: a blade that
    // broadens towards its point reads as a dagger or a feather at the
    // natural size, and a blunt one as a quill.
    const auto larghezza = [&](qreal t) {
        const qreal chiude = std::min(1.0, (1 - t) / 0.3);
        return mezza * std::pow(chiude, 0.8);
    };
    const auto y = [&](qreal t) { return base + 0.3 + (punta - base - 0.3) * t; };
    const qreal verso = curva < 0 ? -1 : 1; // the convex side is against the bend
    const QPainterPath lama = Lama(kPassi, asse, larghezza, y);
    Modella(p, lama, kTintaBlu, QColor(Qt::transparent), 0, 0);
    // The cutting edge: a band along the convex side, its inner edge
    // following the blade. Only in the larger drawing: at the natural size
    // its column of light pixels split a blade three pixels wide into a line
    // and a sliver, read as a quill's shaft and vane, and took the blade's
    // mass (the five's middle sword went unseen); there a line a pixel wide
    // against the outline instead (below).
    QPolygonF filo;
    for (int i = 0; i <= kPassi; ++i) {
        const qreal t = qreal(i) / kPassi;
        filo << QPointF(asse(t) - verso * larghezza(t), y(t));
    }
    for (int i = kPassi; i >= 0; --i) {
        const qreal t = qreal(i) / kPassi;
        filo << QPointF(asse(t) - verso * larghezza(t) * 0.25, y(t));
    }
    QPainterPath luce;
    luce.addPolygon(filo);
    luce.closeSubpath();
    if (disegno)
        Riempi(p, Intersezione(luce, lama), kFilo, QColor(Qt::transparent), 0);
    // Engraved shade along the back, too fine to show at the natural size.
    QPainterPath dorso;
    for (int k = 0; k < 2; ++k) {
        const qreal d = 0.55 + 0.2 * k;
        dorso.moveTo(asse(0.05) + verso * larghezza(0.05) * d, y(0.05));
        for (int i = 1; i <= 10; ++i) {
            const qreal t = 0.05 + 0.7 * i / 10;
            dorso.lineTo(asse(t) + verso * larghezza(t) * d, y(t));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaBlu.ombra, 0.25, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(dorso);
    p.setPen(Penna(InchiostroDelPixelInUso() ? kContornoLama : kContornoEmblema, kTratto));
    p.drawPath(lama);
    if (!disegno) {
        // At the natural size a line of the blade's light tone in the first
        // pixel inside the cutting edge's outline, from the guard to where
        // the point narrows: steel catching the light along one side, the
        // blue whole beside it, so that blades side by side stand apart.
        // Laid pixel by pixel, as a pip's centre is a pixel's, and over the
        // outline: a line as light as this loses its pixels to the blue and
        // the ink wherever it falls across two.
        QPainterPath linea;
        for (qreal riga = std::floor(base - 0.5); riga >= punta; --riga) {
            const qreal t = (riga - y(0)) / (y(1) - y(0));
            if (t < kFiloDa)
                continue;
            if (t > kFiloA)
                break;
            const qreal bordo = asse(t) - verso * larghezza(t);
            const qreal colonna = std::floor(bordo + 0.5) + verso; // the outline's pixel, then one in
            linea.addRect(QRectF(colonna - 0.5, riga - 0.5, 1, 1));
        }
        Riempi(p, linea, kTintaBlu.luce, QColor(Qt::transparent), 0);
    }

    // The red grip, then the hilt in gold: the guard with its knobbed ends
    // turned up, and the pommel, as one shape.
    QPainterPath impugnatura;
    impugnatura.addRect(QRectF(-0.05 * h, guardia - 0.3, 0.1 * h, fondoPresa - guardia + 0.6));
    Riempi(p, impugnatura, kTintaRosso.corpo, kTintaRosso.ombra, kTrattoFine);
    QPolygonF croce;
    constexpr int kArco = 10;
    const auto alzata = [&](qreal u) { return spessore * 0.25 * u * u; };
    for (int i = 0; i <= kArco; ++i) {
        const qreal u = -1 + 2.0 * i / kArco;
        croce << QPointF(u * braccio, base - alzata(u));
    }
    for (int i = kArco; i >= 0; --i) {
        const qreal u = -1 + 2.0 * i / kArco;
        croce << QPointF(u * braccio * 0.96, guardia - alzata(u));
    }
    QPainterPath oro;
    oro.addPolygon(croce);
    oro.closeSubpath();
    const qreal capo = spessore * 0.55;
    for (qreal lato : {-1.0, 1.0})
        oro = Unione(oro, Cerchio({lato * braccio, base - alzata(1) + capo * 0.3}, capo, capo));
    oro = Unione(oro, Cerchio({0, h / 2 - pomo}, pomo, pomo));
    // Outlined in the dark tone of the gold, finer: the guard is only three
    // pixels deep at the natural size, and an ink outline would blacken it.
    Modella(p, oro, kTintaOro, QColor(Qt::transparent), 0.5, 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kOroScuro, kTrattoFine));
    p.drawPath(oro);
}

// A golden goblet drawn for the natural size, where it is eleven pixels
// wide and nineteen tall: the ace's chalice made small, a broad bowl with a
// red band, a short stem with a knop and a spreading foot, squat enough
// that rows of cups keep broad white bands between them: one orange-gold
// and red shape, never a brown blot.
void CoppaDiCarta(QPainter &p, qreal h)
{
    const qreal w = std::min(0.73 * h, 10.2); // the bowl's width: three cups side by side with white between
    const qreal bocca = 0.06 * h;
    const qreal top = -h / 2 + bocca;
    const qreal fondoCoppa = 0.08 * h;              // where the bowl meets the stem
    const qreal nodo = 0.19 * h, piede = 0.33 * h;  // the knop's middle, the foot's top
    const qreal gambo = 0.095 * h, pomo = 0.17 * h; // half the stem's and the knop's width
    const qreal base = w * 0.44;                    // half the foot's width
    QPainterPath coppa;
    coppa.moveTo(-w / 2, top);
    coppa.cubicTo(-w / 2, -0.06 * h, -w * 0.36, fondoCoppa - 0.01 * h, -gambo, fondoCoppa);
    coppa.cubicTo(-pomo, nodo - 0.07 * h, -pomo, nodo + 0.05 * h, -gambo, nodo + 0.07 * h);
    coppa.lineTo(-gambo, piede);
    coppa.cubicTo(-gambo, 0.42 * h, -base, 0.43 * h, -base, h / 2);
    coppa.lineTo(base, h / 2);
    coppa.cubicTo(base, 0.43 * h, gambo, 0.42 * h, gambo, piede);
    coppa.lineTo(gambo, nodo + 0.07 * h);
    coppa.cubicTo(pomo, nodo + 0.05 * h, pomo, nodo - 0.07 * h, gambo, fondoCoppa);
    coppa.cubicTo(w * 0.36, fondoCoppa - 0.01 * h, w / 2, -0.06 * h, w / 2, top);
    coppa.closeSubpath();
    coppa = Unione(coppa, Cerchio({0, top}, w / 2, bocca));
    Modella(p, coppa, kTintaCoppa, QColor(Qt::transparent), 0.6, 0.6);
    // Engraved shade down the bowl's right side, too fine for the natural size.
    QPainterPath incise;
    for (int i = 0; i < 3; ++i) {
        const qreal d = w * (0.36 - 0.07 * i);
        incise.moveTo(d, -h * 0.12);
        incise.quadTo(d, -h * 0.02, d * 0.4, h * 0.05);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaCoppa.ombra, 0.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(incise);
    QPainterPath fascia;
    fascia.addRect(QRectF(-w / 2, -0.38 * h, w, 0.15 * h));
    Riempi(p, Intersezione(coppa, fascia), kTintaRosso.corpo, QColor(Qt::transparent), 0);
    // The mouth, darker inside, within the rim: the cup's outline closes
    // round it, so that at the natural size each cup is one outlined shape,
    // as a coin is, and not an open smear.
    Ellisse(p, {0, top}, w / 2 - 1.0, bocca * 0.6, kTintaCoppa.ombra, QColor(Qt::transparent), 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContornoEmblema));
    p.drawPath(coppa);
}

// The pip coin of the larger drawing (at the natural size it is laid pixel
// by pixel, semi_a_pixel.cpp): a gold face in a heavy deeper rim, milled,
// and a red rose of eight petals round a red boss with a golden heart.
void DenaroDiCarta(QPainter &p, qreal h)
{
    const qreal r = h / 2;
    const QPainterPath moneta = Cerchio({0, 0}, r, r);
    Riempi(p, moneta, kBordoMoneta, QColor(Qt::transparent), 0);
    const qreal faccia = r * kFacciaSuBordo;
    Modella(p, Cerchio({0, 0}, faccia, faccia), kFacciaMoneta, QColor(Qt::transparent), 0.4, 0);
    QPainterPath petali;
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.rotate(i * 45.0 + 22.5);
        petali.addPath(t.map(Cerchio({0, -r * 0.5}, r * 0.09, r * 0.13)));
    }
    Riempi(p, petali, kTintaRosso.corpo, QColor(Qt::transparent), 0);
    // The rim milled, as a struck coin's is.
    QPainterPath zigrino;
    for (int i = 0; i < 24; ++i) {
        QTransform t;
        t.rotate(i * 15.0);
        zigrino.addPath(t.map(Cerchio({0, -r * (1 + kFacciaSuBordo) / 2}, r * 0.045, r * 0.1)));
    }
    Riempi(p, zigrino, kTintaOro.corpo, QColor(Qt::transparent), 0);
    Ellisse(p, {0, 0}, r * 0.3, r * 0.3, kTintaRosso.corpo, kTintaRosso.ombra, kTrattoInterno);
    Macchia(p, {0, 0}, r * 0.12, r * 0.12, kTintaOro.luce);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContornoEmblema, kTratto));
    p.drawPath(moneta);
}

} // namespace belvane::cardart
