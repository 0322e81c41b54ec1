// The swords, clubs and cups of the pip cards, and the ace's club: bold
// shapes that are counted at a glance at the natural size, where a sword or
// club is some twenty pixels long and ten wide.
#include "emblemi_forme.h"

#include "pennelli.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace belvane::cardart {
namespace {

// The light edge of a blade: paler than the blade's own light tone, so that
// at the natural size it shows as a line of steel along the cutting edge.
const QColor kFilo(0xC4, 0xDC, 0xFA);

// The pip cups' gold: a deeper amber than the other emblems', the lowest in
// contrast on white of the four suits otherwise.
const Tinta kTintaAmbra{QColor(0xE8, 0xB4, 0x4A), QColor(0xC8, 0x8A, 0x22), QColor(0xA0, 0x6A, 0x18)};

// The cudgels' wood: a green bright enough that the knobbed outline shows
// against it at the natural size.
const Tinta kTintaBastone{QColor(0x74, 0xAE, 0x58), QColor(0x3A, 0x82, 0x3A), QColor(0x26, 0x5C, 0x2A)};

} // namespace

// A scimitar standing point up: a long blue blade curving over its whole
// length towards `curva` (units sideways at the point), broad to the last
// fifth and then cut to a point, its convex side the cutting edge with a
// light line of steel; a golden guard whose ends turn up to the blade, a red
// grip and a round golden pommel.
void SpadaDiCarta(QPainter &p, qreal h, qreal curva)
{
    // A short hilt, so that two thirds of the length is blade, and a
    // straight crossguard bar, the widest part of the sword: the silhouette
    // of a sword, a thin crescent crossed near its foot, is never a club's.
    const qreal pomo = 0.065 * h;
    const qreal presa = 0.09 * h;
    const qreal spessore = 0.09 * h; // the guard
    const qreal braccio = 0.23 * h;
    const qreal fondoPresa = h / 2 - 2 * pomo + 0.2;
    const qreal guardia = fondoPresa - presa; // the guard's lower edge
    const qreal base = guardia - spessore;    // where the blade leaves the guard
    const qreal punta = -h / 2;
    const qreal mezza = 0.1 * h; // half the blade's width at the guard

    constexpr int kPassi = 24;
    const auto asse = [&](qreal t) { return curva * (0.2 * t + 0.8 * t * t); };
    // Broadening a little towards the point, as a scimitar does, then cut
    // to it along the back.
    const auto larghezza = [&](qreal t) {
        const qreal chiude = std::min(1.0, (1 - t) / 0.24);
        return mezza * (1 + 0.25 * t) * std::sqrt(chiude);
    };
    const auto y = [&](qreal t) { return base + 0.3 + (punta - base - 0.3) * t; };
    const qreal verso = curva < 0 ? -1 : 1; // the convex side is against the bend
    const QPainterPath lama = Lama(kPassi, asse, larghezza, y);
    Modella(p, lama, kTintaBlu, QColor(Qt::transparent), 0, 0);
    // The cutting edge: a band along the convex side, its inner edge
    // following the blade.
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
    p.setPen(Penna(kContornoEmblema, kTratto));
    p.drawPath(lama);

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

// A knotty cudgel, a wedge from a heavy head to a thin grip ending in a
// knob; branches lopped off on alternate sides leave stubs standing out of
// the outline, their cut faces red; a golden leaf sprouts from a stub; a red
// cord binds the grip. The ace's (`grande`) is the same cudgel with knots in
// its wood, three stubs and two leaves.
void BastoneDiCarta(QPainter &p, qreal h, bool grande)
{
    const qreal u = h / 20; // drawn on a cudgel twenty units long
    // A wedge: widest at the head, narrowing steadily to a thin grip, so
    // that the eye reads a club before any detail, and never a sword.
    const qreal piede = 1.0 * u, testa = (grande ? 3.4 : 3.8) * u;
    const qreal fondo = 8.9 * u;                                            // the grip's end, above its knob
    const QPointF capo(0, -10 * u + 3.0 * u);                               // the head's middle
    const auto y = [&](qreal s) { return fondo - s * (fondo - capo.y()); }; // from the grip (0) to the head
    const auto mezza = [&](qreal s, int lato) {
        const qreal ruvido = 0.15 * u * std::sin(s * 15 + lato * 1.4) * std::min(1.0, s * 3);
        return piede + (testa - piede) * std::clamp(s, 0.0, 1.0) + ruvido;
    };
    constexpr int kPassi = 24;
    QPolygonF contorno;
    for (int lato : {-1, 1})
        for (int k = 0; k <= kPassi; ++k) {
            const qreal s = lato < 0 ? qreal(k) / kPassi : 1.0 - qreal(k) / kPassi;
            contorno << QPointF(lato * mezza(s, lato), y(s));
        }
    QPainterPath legno;
    legno.addPolygon(contorno);
    legno.closeSubpath();
    // The head's rounded top, lumpy; a knob ends the grip.
    legno = Unione(legno, Cerchio(capo, testa, 3.0 * u));
    legno = Unione(legno, Cerchio(capo + QPointF(-1.4 * u, -1.4 * u), 1.7 * u, 1.6 * u));
    legno = Unione(legno, Cerchio({0, 10 * u - 1.1 * u}, 1.7 * u, 1.1 * u));
    // Branches lopped off short: stubs leaving the wood upwards on
    // alternate sides, each ending in a red cut face; a golden leaf sprouts
    // from one.
    struct Moncone {
        qreal s, lato, sporge; // where along the wood, which side, how far out
        bool foglia;
    };
    constexpr std::array<Moncone, 2> kPip{{{0.3, -1, 3.2, false}, {0.58, 1, 2.4, true}}};
    constexpr std::array<Moncone, 3> kAsso{{{0.22, -1, 2.6, true}, {0.48, 1, 2.6, true}, {0.74, -1, 2.6, false}}};
    const std::span<const Moncone> monconi = grande ? std::span<const Moncone>(kAsso) : std::span<const Moncone>(kPip);
    constexpr qreal kPiega = 48; // the stubs' lean from upright
    const qreal largo = 2.0 * u;
    QPainterPath tagli, anelli, foglie;
    for (const Moncone &m : monconi) {
        const qreal w = mezza(m.s, int(m.lato));
        const qreal fuori = (w * 0.6 + m.sporge * u) / std::sin(qDegreesToRadians(kPiega));
        QTransform t;
        t.translate(m.lato * w * 0.4, y(m.s));
        t.rotate(m.lato * kPiega);
        QPainterPath ramo;
        ramo.moveTo(-largo * 0.6, largo);
        ramo.lineTo(-largo * 0.5, -fuori);
        ramo.lineTo(largo * 0.5, -fuori);
        ramo.lineTo(largo * 0.6, largo);
        ramo.closeSubpath();
        legno = Unione(legno, t.map(ramo));
        tagli.addPath(t.map(Cerchio({0, -fuori}, largo * (grande ? 0.42 : 0.55), largo * (grande ? 0.22 : 0.34))));
        anelli.addPath(t.map(Cerchio({0, -fuori}, largo * 0.2, largo * 0.1)));
        if (m.foglia) // from the stub's side, just below its cut, upwards
            foglie = Unione(foglie,
                            Foglia(t.map(QPointF(-m.lato * largo * 0.4, -fuori * 0.75)), 3.6 * u, 1.7 * u,
                                   m.lato * (grande ? 14 : 8), 0.3, 0.8, 0.9, 0.5));
    }
    Modella(p, legno, kTintaBastone, QColor(Qt::transparent), grande ? 1.6 * u : 0.9, grande ? 0.8 * u : 0.8);
    // Engraved shade along the dark side, too fine to show at the natural
    // size.
    Tratteggia(p, Differenza(legno, legno.translated(-2.4 * u, -1.2 * u)), kTintaBastone.ombra, grande ? 0.9 : 0.6, -35,
               grande ? 0.3 : 0.18);
    // Bark: short marks across the grain.
    QPainterPath corteccia;
    const int segni = grande ? 8 : 4;
    for (int i = 0; i < segni; ++i) {
        const qreal s = 0.18 + 0.7 * i / (segni - 1);
        const int lato = i % 2 ? 1 : -1;
        const qreal w = std::min(mezza(s, -1), mezza(s, 1));
        corteccia.moveTo(lato * w * 0.8, y(s) + w * 0.2);
        corteccia.quadTo(lato * w * 0.2, y(s) - w * 0.2, -lato * w * 0.2, y(s));
    }
    // On the ace, knots in the wood: rings round a dark eye, as timber
    // shows where a twig grew (on a pip they would speckle it).
    if (grande) {
        for (const qreal s : {0.38, 0.72}) {
            const qreal x = (s < 0.5 ? 0.25 : -0.3) * mezza(s, 1);
            corteccia.addEllipse(QPointF(x, y(s)), 0.7 * u, 1.0 * u);
            corteccia.addEllipse(QPointF(x, y(s)), 0.3 * u, 0.5 * u);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaBastone.ombra, grande ? 0.35 : 0.22, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(corteccia);
    // The wood is only a few pixels wide at the natural size: its outline
    // finer than the blade's.
    p.setPen(Penna(kContornoEmblema, grande ? kTratto : kTrattoFine));
    p.drawPath(legno);
    Riempi(p, tagli, kTintaRosso.corpo, kTintaRosso.ombra, grande ? kTrattoFine : 0.3);
    // The rings of the sawn faces, too fine for the natural size.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaRosso.ombra, grande ? kTrattoInterno : 0.15));
    p.drawPath(anelli);
    // The cord at the grip.
    QPainterPath corda;
    corda.addRect(QRectF(-testa, y(0.1) - 0.8 * u, 2 * testa, 0.9 * u));
    p.setPen(Qt::NoPen);
    p.setBrush(kTintaRosso.corpo);
    p.drawPath(Intersezione(corda, legno));
    Riempi(p, foglie, kTintaOro.luce, kOroScuro, grande ? kTrattoFine : 0.4);
}

// A golden goblet drawn for the natural size, where it is some seventeen
// pixels tall: a deep bowl with a red band, a stem and a foot stout enough
// to show their gold between their outlines, so that bowl, stem and foot
// read as one cup and never as two marks.
void CoppaDiCarta(QPainter &p, qreal h)
{
    const qreal w = 0.6 * h; // the bowl's width: three cups side by side with white between
    const qreal bocca = 0.07 * h;
    const qreal top = -h / 2 + bocca;
    const qreal fondoCoppa = 0.06 * h, piede = 0.3 * h; // the bowl's bottom, the foot's top
    const qreal gambo = 0.075 * h;                      // half the stem's width
    QPainterPath coppa;
    coppa.moveTo(-w / 2, top);
    coppa.cubicTo(-w / 2, 0.0 * h, -w * 0.2, fondoCoppa, -gambo, fondoCoppa);
    coppa.lineTo(-gambo, piede);
    const qreal base = w * 0.5; // half the foot's width
    coppa.cubicTo(-0.14 * h, 0.4 * h, -base, 0.42 * h, -base, h / 2);
    coppa.lineTo(base, h / 2);
    coppa.cubicTo(base, 0.42 * h, 0.14 * h, 0.4 * h, gambo, piede);
    coppa.lineTo(gambo, fondoCoppa);
    coppa.cubicTo(w * 0.2, fondoCoppa, w / 2, 0.0 * h, w / 2, top);
    coppa.closeSubpath();
    coppa = Unione(coppa, Cerchio({0, top}, w / 2, bocca));
    // the knop on the stem
    coppa = Unione(coppa, Cerchio({0, 0.18 * h}, 0.14 * h, 0.055 * h));
    Modella(p, coppa, kTintaAmbra, QColor(Qt::transparent), 0.9, 0.6);
    // Engraved shade down the bowl's right side, too fine for the natural size.
    QPainterPath incise;
    for (int i = 0; i < 3; ++i) {
        const qreal d = w * (0.36 - 0.07 * i);
        incise.moveTo(d, -h * 0.2);
        incise.quadTo(d, -h * 0.04, d * 0.4, h * 0.03);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOroCavo, 0.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(incise);
    QPainterPath fascia;
    fascia.addRect(QRectF(-w / 2, -0.29 * h, w, 0.13 * h));
    Riempi(p, Intersezione(coppa, fascia), kTintaRosso.corpo, QColor(Qt::transparent), 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContornoEmblema));
    p.drawPath(coppa);
    // The mouth, darker inside.
    Ellisse(p, {0, top}, w / 2 - 0.3, bocca - 0.1, kOroCavo, kContornoEmblema, kTrattoFine);
}

} // namespace belvane::cardart
