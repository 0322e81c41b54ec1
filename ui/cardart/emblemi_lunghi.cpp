// The long emblems: the sword and the club.
#include "emblemi_forme.h"

#include "pennelli.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace belvane::cardart {
namespace {

// The middle vein of each leaf, `lungo` long, as one path to be stroked.
void Nervatura(QPainterPath &vene, QPointF base, qreal lungo, qreal angolo)
{
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angolo);
    vene.moveTo(t.map(QPointF(0, -lungo * 0.1)));
    vene.lineTo(t.map(QPointF(0, -lungo * 0.8)));
}

} // namespace

QPainterPath Foglia(QPointF base, qreal lungo, qreal largo, qreal angolo, qreal spalla, qreal gola, qreal fianco,
                    qreal vita)
{
    QPainterPath f;
    f.moveTo(0, 0);
    f.cubicTo(largo * fianco, -lungo * spalla, largo * vita, -lungo * gola, 0, -lungo);
    f.cubicTo(-largo * vita, -lungo * gola, -largo * fianco, -lungo * spalla, 0, 0);
    f.closeSubpath();
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angolo);
    return t.map(f);
}

// A blue blade, slightly curved (`curva`: units sideways at the tip), on a
// golden hilt: a guard whose ends turn up towards the blade, a red wire-bound
// grip and a round pommel. Proportions follow the length, with floors that
// keep a small sword in the hand still a sword.
void Spada(QPainter &p, qreal h, Ornato ornato, qreal curva)
{
    const bool grande = ornato == Ornato::Si;
    const qreal pomo = std::max(1.05, 0.038 * h);
    const qreal presa = std::max(2.2, 0.09 * h);
    const qreal mezzaPresa = std::max(0.7, 0.032 * h);
    const qreal spessore = grande ? std::max(1.0, 0.04 * h) : std::max(1.0, std::round(h / 15)); // the guard
    // A clear crossguard, yet narrow enough that three swords side by side
    // keep white between them at the natural size.
    const qreal braccio = grande ? std::max(2.4, 0.2 * h) : std::max(2.4, 0.146 * h);
    const qreal fondoPresa = h / 2 - 2 * pomo + 0.3;
    const qreal guardia = fondoPresa - presa; // the guard's lower edge
    // Where the blade leaves the guard: on a pip, on a pixel's centre, so
    // that the guard's outline falls in one row of pixels.
    const qreal base = grande ? guardia - spessore : std::floor(guardia - spessore) + 0.5;
    const qreal punta = -h / 2;
    // A pip's blade is three pixels of blue between its outlines, whose
    // edges fall on pixel centres: a blade, not a line.
    const qreal mezza = grande ? std::max(1.0, 0.046 * h) : std::clamp(h * 0.094, 1.0, 2.25);

    // The blade: two edges, then to the point, bending along its whole
    // length as a scimitar does. A sword held by a figure, given no bend of
    // its own, bends as the pips' do.
    constexpr int kPassi = 20;
    const qreal piega = curva != 0 ? curva : 0.09 * h;
    const auto asse = [&](qreal t) { return piega * t * t; };
    const qreal stringe = grande ? 0.15 : 0;
    // An ogival point, full to the last quarter.
    const auto larghezza = [&](qreal t) {
        const qreal punta = std::min(1.0, (1 - t) / (grande ? 0.16 : 0.3));
        return mezza * (1 - stringe * t) * (grande ? punta : std::pow(punta, 0.7));
    };
    const auto y = [&](qreal t) { return base + 0.5 + (punta - base - 0.5) * t; };
    const QPainterPath lama = Lama(kPassi, asse, larghezza, y);
    // On a pip the light edge is a pixel wide, so that the blade shows its
    // steel, and the outline is half the deck's weight: a curved edge
    // crosses the pixels, and a full one would take two of the five there.
    Modella(p, lama, kTintaBlu, QColor(Qt::transparent), grande ? 1.0 : 0, grande ? 1.0 : 1.3);
    p.setPen(Penna(kContornoEmblema, grande ? kTratto : 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lama);
    // On the ace a ridge down the middle and engraved lines along the
    // shaded side.
    if (grande) {
        QPainterPath costola;
        costola.moveTo(asse(0.04), y(0.04));
        for (int i = 1; i <= 8; ++i)
            costola.lineTo(asse(0.04 + 0.1 * i), y(0.04 + 0.1 * i));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kTintaBlu.ombra, 0.3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(costola);
        // Engraved lines along the blade's shaded side.
        QPainterPath incisa;
        for (int i = 0; i < 3; ++i) {
            const qreal dx = mezza * (0.3 + 0.2 * i), fine = 0.75 - 0.1 * i;
            incisa.moveTo(asse(0.06) + dx, y(0.06));
            for (int k = 1; k <= 6; ++k) {
                const qreal t = 0.06 + (fine - 0.06) * k / 6;
                incisa.lineTo(asse(t) + dx * (1 - 0.25 * t), y(t));
            }
        }
        p.setPen(QPen(kTintaBlu.ombra, 0.3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(incisa);
    } else {
        // Engraved shade across the blade's far half, too fine to darken it
        // at the natural size.
        Tratteggia(p, Differenza(lama, lama.translated(-mezza * 0.9, 0)), kTintaBlu.ombra, 0.7, -35, 0.22);
    }

    // The hilt in gold: the guard and the pommel are one shape.
    QPolygonF croce;
    constexpr int kArco = 10;
    const auto alzata = [&](qreal u) { return spessore * (grande ? 1.1 : 0.35) * u * u; }; // the ends turn up
    const qreal sotto = grande ? guardia : base + spessore;
    for (int i = 0; i <= kArco; ++i) {
        const qreal u = -1 + 2.0 * i / kArco;
        croce << QPointF(u * braccio, base - alzata(u));
    }
    for (int i = kArco; i >= 0; --i) {
        const qreal u = -1 + 2.0 * i / kArco;
        croce << QPointF(u * braccio, sotto - alzata(u) * 0.8);
    }
    QPainterPath oro;
    oro.addPolygon(croce);
    oro.closeSubpath();
    if (grande) {
        const qreal capo = spessore * 0.62;
        oro = Unione(oro, Cerchio({-braccio, base - alzata(1) + spessore * 0.45}, capo, capo));
        oro = Unione(oro, Cerchio({braccio, base - alzata(1) + spessore * 0.45}, capo, capo));
        // a collar where the grip meets the pommel
        oro = Unione(oro, Cerchio({0, fondoPresa}, mezzaPresa * 1.5, pomo * 0.45));
    }
    oro = Unione(oro, Cerchio({0, h / 2 - pomo}, pomo, pomo));

    QPainterPath impugnatura;
    impugnatura.addRect(QRectF(-mezzaPresa, sotto - 0.3, 2 * mezzaPresa, fondoPresa - sotto + 0.3));
    Riempi(p, impugnatura, kTintaRosso.corpo, kTintaRosso.ombra, grande ? kTratto : kTrattoFine);
    if (grande)
        Tratteggia(p, impugnatura, kTintaRosso.ombra, 1.0, 60, 0.35);
    Modella(p, oro, kTintaOro, kContornoEmblema, grande ? 1.4 : 0, grande ? 0.9 : 0.5);
    if (grande) {
        // Two golden laurel sprays rising from the guard beside the blade.
        QPainterPath alloro;
        QPainterPath vene;
        for (int lato : {-1, 1}) {
            QPainterPath ramo;
            const QPointF piede(lato * mezza * 1.9, base - 0.5);
            const QPointF cima(lato * mezza * 3.1 + curva * 0.3, base - h * 0.42);
            ramo.moveTo(piede);
            ramo.quadTo(QPointF(lato * mezza * 3.6, base - h * 0.2), cima);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kOroCavo, 0.8, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(ramo);
            for (int i = 0; i < 4; ++i) {
                const qreal t = 0.16 + i * 0.24;
                const QPointF su = ramo.pointAtPercent(t);
                const qreal giro = -ramo.angleAtPercent(t) + 90; // along the stem
                for (int verso : {-1, 1}) {
                    const qreal angolo = giro + verso * 38;
                    alloro = Unione(alloro, Foglia(su, h * 0.12 * (1 - t * 0.3), h * 0.045, angolo));
                    Nervatura(vene, su, h * 0.12 * (1 - t * 0.3), angolo);
                }
            }
        }
        Riempi(p, alloro, kTintaOro.corpo, kOroScuro, kTrattoFine);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kTintaOro.ombra, 0.35, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(vene);
        // A red stone set in the guard, engraving on the pommel.
        Ellisse(p, {0, (base + guardia) / 2}, spessore * 0.45, spessore * 0.4, kTintaRosso.corpo, kOroScuro,
                kTrattoFine);
        Tratteggia(p, Cerchio({0, h / 2 - pomo}, pomo * 0.7, pomo * 0.7), kTintaOro.ombra, 0.9, 45, 0.3);
    }
}

// The club a figure holds: rough green wood swelling unevenly from a thin
// grip to a lumpy, heavy head, knots bulging where branches were lopped off
// on alternate sides, the stubs showing their red cut faces, bark marks
// across the grain, a golden leaf sprouting by the upper stub, a red cord at
// the grip. The pips and the ace have their own (emblemi_carte.cpp).
void Bastone(QPainter &p, qreal h)
{
    const qreal testa = std::max(1.8, 0.145 * h); // half the width at the head
    const qreal piede = std::max(0.8, 0.042 * h); // half the width at the butt
    struct Nodo {
        qreal s, lato; // from the butt (0) to the head (1), side
    };
    constexpr std::array<Nodo, 6> kNodi{{{0.36, -1}, {0.56, 1}, {0.76, -1}, {0.22, 1}, {0.88, 1}, {0.47, -1}}};
    const int nodi = 4;
    const qreal fusto = h - testa * 1.05;
    const auto y = [&](qreal s) { return h / 2 - s * fusto; };
    // Thin and straight at the grip, then swelling unevenly, each side its own.
    const auto mezza = [&](qreal s, int lato) {
        const qreal cresce = std::pow(std::max(0.0, (s - 0.12) / 0.88), 1.5);
        const qreal ruvido = std::min(1.0, s * 4) * testa *
            (0.14 * std::sin(s * 17 + lato * 1.3) + 0.06 * std::sin(s * 37 + lato * 2.9));
        return piede + (testa - piede) * cresce + ruvido;
    };

    // The wood: the shaft with its uneven edges, and a head of three lumps.
    constexpr int kPassi = 30;
    QPolygonF contorno;
    for (int lato : {-1, 1})
        for (int k = 0; k <= kPassi; ++k) {
            const qreal s = lato < 0 ? qreal(k) / kPassi : 1.0 - qreal(k) / kPassi;
            contorno << QPointF(lato * mezza(s, lato), y(s));
        }
    QPainterPath legno;
    legno.addPolygon(contorno);
    legno.closeSubpath();
    // A heavy head of burrs, none of them round enough to make a dome.
    legno = Unione(legno, Cerchio({testa * 0.1, y(1) + testa * 0.25}, testa * 0.92, testa * 1.1));
    legno = Unione(legno, Cerchio({-testa * 0.42, y(1) - testa * 0.3}, testa * 0.6, testa * 0.62));
    legno = Unione(legno, Cerchio({testa * 0.55, y(1) - testa * 0.15}, testa * 0.48, testa * 0.55));
    legno = Unione(legno, Cerchio({testa * 0.5, y(1) + testa * 1.0}, testa * 0.55, testa * 0.5));
    // Knots swelling the wood, and lopped branches: short stubs leaning up
    // and out, cut square.
    const qreal moncone = std::max(1.2, 0.05 * h); // the stub's width
    const qreal sporge = std::max(1.0, 0.07 * h);  // how far it stands out
    QPainterPath tagli;
    for (int i = 0; i < nodi; ++i) {
        const Nodo &n = kNodi[size_t(i)];
        const qreal w = mezza(n.s, int(n.lato));
        legno = Unione(legno, Cerchio({n.lato * w * 0.5, y(n.s) + moncone * 0.3}, w * 0.55, moncone));
        QTransform t;
        t.translate(n.lato * w * 0.3, y(n.s));
        t.rotate(n.lato * 48);
        // Low on a small cudgel, where the wood is thin, the stubs stand out
        // further: they read at the natural size without widening the row.
        const qreal fuori = w * 0.7 * 1.35 + sporge * (1.6 - n.s);
        QPainterPath ramo;
        ramo.moveTo(-moncone * 0.6, 0);
        ramo.lineTo(-moncone * 0.5, -fuori);
        ramo.lineTo(moncone * 0.5, -fuori);
        ramo.lineTo(moncone * 0.65, 0);
        ramo.closeSubpath();
        legno = Unione(legno, t.map(ramo));
        tagli.addPath(t.map(Cerchio({0, -fuori}, moncone * 0.7, moncone * 0.45)));
    }
    tagli.addEllipse(QPointF(0, h / 2), piede * 0.85, std::max(0.4, piede * 0.3));

    // One small golden leaf by the upper stub, lying close to the wood: a
    // sprout, not a spur.
    const Nodo &alto = kNodi[2];
    const qreal lungoFoglia = std::max(3.0, h * 0.15) * 0.8;
    const QPainterPath foglie =
        Unione(QPainterPath(),
               Foglia({alto.lato * mezza(alto.s, int(alto.lato)) * 0.75, y(alto.s) - moncone * 0.9}, lungoFoglia,
                      lungoFoglia * 0.36, alto.lato * 28));

    // The outline is finer than the deck's one weight: the wood is only a
    // few pixels wide at the natural size, and a full outline would take
    // half of it.
    Modella(p, legno, kTintaLegno, QColor(Qt::transparent), 0.7, 1.5);
    p.setPen(Penna(kContornoEmblema, kTrattoFine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(legno);
    // The bark: short marks across the grain, alternately on either side.
    QPainterPath corteccia;
    const int segni = 4;
    for (int i = 0; i < segni; ++i) {
        const qreal s = 0.2 + 0.68 * i / (segni - 1);
        const int lato = i % 2 ? 1 : -1;
        const qreal w = std::min(mezza(s, -1), mezza(s, 1));
        corteccia.moveTo(lato * w * 0.85, y(s) + w * 0.2);
        corteccia.quadTo(lato * w * 0.3, y(s) - w * 0.25, -lato * w * 0.15, y(s) - w * 0.05);
    }
    // The grain runs along the wood, parting round the knots: wood, not a
    // green stem.
    for (int v = -1; v <= 1; ++v) {
        const qreal scarto = v * 0.45;
        corteccia.moveTo(scarto * mezza(0.06, v < 0 ? -1 : 1), y(0.06));
        for (int k = 1; k <= 14; ++k) {
            const qreal s = 0.06 + 0.88 * k / 14;
            const qreal onda = 0.15 * std::sin(s * 11 + v * 1.7);
            corteccia.lineTo((scarto + onda * 0.3) * mezza(s, v < 0 ? -1 : 1), y(s));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaLegno.ombra, 0.22, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(corteccia);
    Riempi(p, tagli, kTintaRosso.corpo, kTintaRosso.ombra, 0.35);
    QPainterPath fascia;
    const qreal alta = std::max(0.7, h * 0.028);
    fascia.addRect(QRectF(-testa, y(0.1) - alta, 2 * testa, alta));
    fascia.addRect(QRectF(-testa, y(0.1) + alta * 0.6, 2 * testa, alta));
    p.setPen(Qt::NoPen);
    p.setBrush(kTintaRosso.corpo);
    p.drawPath(Intersezione(fascia, legno));
    Riempi(p, foglie, kTintaOro.luce, kOroScuro, 0.4);
}

} // namespace belvane::cardart
