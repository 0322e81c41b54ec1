// The long emblems: the sword and the club.
#include "emblemi_forme.h"

#include "pennelli.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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

// The sword's hilt, from its length, with floors that keep a small sword in
// the hand still a sword: for the drawing and for the hand that holds one.
struct Elsa {
    qreal pomo, presa, fondoPresa;
};
Elsa ElsaDiSpada(qreal h)
{
    const qreal pomo = std::max(1.05, 0.038 * h);
    return {pomo, std::max(2.2, 0.09 * h), h / 2 - 2 * pomo + 0.3};
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
    const Elsa elsa = ElsaDiSpada(h);
    const qreal pomo = elsa.pomo, presa = elsa.presa, fondoPresa = elsa.fondoPresa;
    const qreal mezzaPresa = std::max(0.7, 0.032 * h);
    // The guard; at the natural size two pixels deep at least, or on a short
    // sword its outline leaves no gold.
    const bool pixel = InchiostroDelPixelInUso();
    const qreal spessore = grande ? std::max(1.0, 0.04 * h) : std::max(pixel ? 2.0 : 1.0, std::round(h / 15));
    // A crossguard wide across the narrow blade, so that the two read as a
    // sword's cross and not as one shape.
    const qreal braccio = grande ? std::max(2.4, 0.2 * h) : std::max(2.4, 0.17 * h);
    const qreal guardia = fondoPresa - presa; // the guard's lower edge
    // Where the blade leaves the guard: on a pip, on a pixel's centre, so
    // that the guard's outline falls in one row of pixels.
    const qreal base = grande ? guardia - spessore : std::floor(guardia - spessore) + 0.5;
    const qreal punta = -h / 2;
    // A figure's blade is a narrow strip of steel, two or three pixels of
    // blue between its outlines at the natural size: as wide as the guard's
    // half it was read as a paddle or a feather.
    const qreal mezza = grande ? std::max(1.0, 0.046 * h) : std::clamp(h * 0.045, pixel ? 1.4 : 1.0, 1.5);

    // The blade: two edges, then to the point, bending along its whole
    // length as a scimitar does. A sword held by a figure, given no bend of
    // its own, bends as the pips' do.
    constexpr int kPassi = 20;
    const qreal piega = curva != 0 ? curva : 0.09 * h;
    const auto asse = [&](qreal t) { return piega * t * t; };
    const qreal stringe = grande ? 0.15 : 0;
    // The ace's an ogival point, full to the last sixth; a figure's tapers
    // straight to a sharp point over its last quarter (rounded, it ended
    // like an oar).
    const auto larghezza = [&](qreal t) {
        const qreal punta = std::min(1.0, (1 - t) / (grande ? 0.16 : 0.25));
        return mezza * (1 - stringe * t) * punta;
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
            // Few leaves, large and apart, each with white round it: at the
            // natural size each still reads as a leaf, where many small
            // ones run together into a golden blot. Three turned out from
            // the stem, one ending it.
            for (int i = 0; i < 4; ++i) {
                const qreal t = i < 3 ? 0.2 + i * 0.3 : 1.0;
                const QPointF su = ramo.pointAtPercent(t);
                const qreal giro = -ramo.angleAtPercent(t) + 90; // along the stem
                const qreal angolo = giro + (i < 3 ? lato * 55 : 0);
                const qreal lungo = h * (i < 3 ? 0.15 : 0.13);
                alloro = Unione(alloro, Foglia(su, lungo, h * 0.065, angolo, 0.3, 0.7, 0.95, 0.6));
                Nervatura(vene, su, lungo, angolo);
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

Impugnatura ImpugnaturaDiSpada(qreal h)
{
    const Elsa e = ElsaDiSpada(h);
    return {e.fondoPresa - e.presa / 2, e.fondoPresa};
}

// The one club of the deck, on the pips, in the figures' hands and, drawn
// large, on the ace: a cudgel cut from a branch, a long thin grip ending in
// a small knob, widening steadily over its upper half (a cone, never a pod)
// to a heavy head lumpy with knots. Lopped branches leave short stubs that
// break its outline on both sides, their cut faces pale in red bark; a
// golden leaf sprouts from the bark. The wood is dark green with a light
// side, its grain running along it and parting round a knot: wood, not a
// green stem.
void Bastone(QPainter &p, qreal h, Ornato ornato)
{
    const bool grande = ornato == Ornato::Si;
    const qreal u = h / 20; // drawn on a cudgel twenty units long, from y = -10u to 10u
    // The shaft, from the grip's end (s = 0) to the head (s = 1): as thin as
    // a grip for its lower third, then widening straight to the head.
    const qreal yPresa = 8.8 * u, yTesta = -7.4 * u;
    const auto y = [&](qreal s) { return yPresa + (yTesta - yPresa) * s; };
    // The ace's club, the pips' in the larger drawing and the figures' are
    // one shape (at the natural size the pips are laid pixel by pixel, see
    // semi_a_pixel.cpp). A figure's is held within 3.3u of its axis, as its
    // hand and the card's edge expect.
    // In the larger drawing, where its shape is seen whole, it is slimmer and
    // widens from the grip all the way up, as a cudgel does: full and short
    // it reads as a stump or a gherkin.
    const bool disegno = !InchiostroDelPixelInUso();
    const qreal tozzo = disegno ? (grande ? 0.74 : ornato == Ornato::Carta ? 1.05 : 0.88) : (grande ? 0.85 : 1.0);
    // A pip in the larger drawing keeps the same thin grip for its lower
    // fifth and the one stub: with red buds all along a body swelling from
    // its foot it read as a pickle or a cactus.
    const bool pipDisegnato = ornato == Ornato::Carta && disegno;
    const auto mezza = [&](qreal s, int lato) {
        const qreal t = pipDisegnato ? std::clamp((s - 0.2) / 0.75, 0.0, 1.0)
            : disegno                ? std::clamp((s - 0.04) / 0.9, 0.0, 1.0)
                                     : std::clamp((s - 0.12) / 0.8, 0.0, 1.0);
        const qreal liscio = t * t * (3 - 2 * t);
        const qreal sale = disegno ? 0.55 * t + 0.45 * liscio : liscio;
        const qreal ruvido = 0.1 * u * std::sin(s * 15 + lato * 1.9) * std::min(1.0, s * 4);
        // A pip's grip a third of its head's width, as at the natural size:
        // half as thick again, its shaft read as a gherkin's body.
        const qreal fondo = pipDisegnato ? 0.45 : 0.7;
        return (fondo + (2.5 - fondo) * sale) * tozzo * u + (grande ? 0 : 0.3) + ruvido;
    };
    // In the larger drawing the shaft is crooked, as a branch grows: bent
    // one way low and the other way high, straight at both ends, so that
    // the grip and the head stay where a hand and the card expect them. (At
    // the natural size a bend of half a pixel would only ragged its edge.)
    const auto storto = [&](qreal s) {
        return disegno ? 0.55 * u * std::sin(s * M_PI) * std::sin(s * 2 * M_PI + 0.6) : 0.0;
    };
    QPainterPath legno = Ramo(24, storto, mezza, y);
    // The head: a blunt round end with a burr on top and a knot low on its
    // side (knots all round it read as a cactus's lumps), and no
    // wider than 3.3u either side (the figures' hands and the card's edges
    // are placed for that);
    // the grip ends in a knob of its own.
    const qreal k = tozzo;
    legno = Unione(legno, Cerchio({0, -7.4 * u}, (disegno ? 2.55 * k : 2.75 * k) * u, 2.6 * u));
    legno = Unione(legno, Cerchio({-1.2 * k * u, -9.0 * u}, 1.2 * k * u, 1.0 * u));
    legno = Unione(legno, Cerchio({2.1 * k * u, -6.2 * u}, 0.9 * k * u, 0.9 * u));
    legno = Unione(legno, Cerchio({0, 9.1 * u}, 1.55 * k * u, 0.9 * u));
    // In the larger drawing the head is knotted all over its top: a cudgel
    // cut where a branch forked, not a smooth bulb.
    if (disegno) {
        legno = Unione(legno, Cerchio({1.3 * k * u, -9.1 * u}, 0.95 * k * u, 0.8 * u));
        legno = Unione(legno, Cerchio({-2.4 * k * u, -7.6 * u}, 0.75 * k * u, 0.9 * u));
        legno = Unione(legno, Cerchio({2.5 * k * u, -8.1 * u}, 0.6 * k * u, 0.7 * u));
    }
    // Lopped branches: stubs on alternate sides up the shaft, raised a
    // little and cut square, each with a pale face in red bark; the ace has a fourth, a
    // pip only the one by its head, short, and the red face of its butt.
    struct Moncone {
        qreal s, lato, sporge; // where along the shaft, which side, how far beyond it
        bool grande;           // only on the ace
        bool pip;              // on a pip too
    };
    constexpr std::array<Moncone, 4> kMonconi{{{0.16, 1, 3.0, false, false},
                                               {0.42, -1, 3.0, false, false},
                                               {0.64, 1, 2.4, false, true},
                                               {0.84, -1, 1.2, true, false}}};
    const qreal piega = 62; // the stubs' lean from upright
    // A stub's width: on a small club broad enough that its red face
    // survives the natural size, on a pip broader still.
    const qreal largo = (grande ? 1.3 : ornato == Ornato::Carta ? 1.9 : 1.5) * u;
    QPainterPath tagli, anelli, foglie, vene;
    for (const Moncone &m : kMonconi) {
        if ((m.grande && !grande) || (pipDisegnato && !m.pip))
            continue;
        const qreal w = mezza(m.s, int(m.lato));
        const qreal fuori = (w * 0.7 +
                             m.sporge * u *
                                 (grande             ? 0.6
                                      : pipDisegnato ? 0.45
                                                     : 0.8)) /
            std::sin(qDegreesToRadians(piega));
        QTransform t;
        t.translate(storto(m.s) + m.lato * w * 0.3, y(m.s));
        t.rotate(m.lato * piega);
        legno = Unione(legno, t.map(Troncone(largo, fuori, 0.7)));
        tagli.addPath(t.map(Cerchio({0, -fuori}, largo * 0.58, largo * 0.4)));
        anelli.addPath(t.map(Cerchio({0, -fuori}, largo * 0.22, largo * 0.12)));
    }
    if (pipDisegnato) // the butt, sawn
        tagli.addPath(Cerchio({0, 9.4 * u}, 1.25 * k * u, 0.6 * u));
    // Golden leaves sprouting from the bark between the stubs, each on its
    // own with white round it, turned up and out: on a small club one, on
    // the ace two, on either side.
    struct Gemma {
        qreal s, lato, angolo;
    };
    constexpr std::array<Gemma, 3> kGemme{{{0.4, 1, 38}, {0.58, 1, 34}, {0.3, -1, -34}}};
    for (size_t i = grande ? 1 : 0; i < (grande ? 3u : 1u); ++i) {
        const Gemma &g = kGemme[i];
        const QPointF base(storto(g.s) + g.lato * mezza(g.s, int(g.lato)) * 0.8, y(g.s));
        const qreal lungo = (grande ? 5.0 : 5.2) * u;
        foglie = Unione(foglie, Foglia(base, lungo, lungo * (grande ? 0.42 : 0.46), g.angolo, 0.4, 0.78, 1.0, 0.45));
        QTransform v;
        v.translate(base.x(), base.y());
        v.rotate(g.angolo);
        vene.moveTo(v.map(QPointF(0, -0.6 * u)));
        vene.lineTo(v.map(QPointF(0, -lungo * 0.8)));
    }
    // Matte wood: a narrow light edge (a broad shine down a green club reads
    // as a gherkin's skin), and the bark engraved across its shaded half,
    // too fine to show at the natural size.
    const qreal luce = grande ? 0.5 * u : 0.9;
    const Tinta &tinta = pipDisegnato ? kTintaLegnoDiCarta : disegno ? kTintaLegnoDisegno : kTintaLegno;
    Modella(p, legno, tinta, QColor(Qt::transparent), grande || disegno ? 1.5 * u : 0.9, luce);
    if (grande || disegno) // a small club's pixels keep their tones
        Tratteggia(p, Differenza(legno, legno.translated(-1.6 * u, 0.3 * u)), tinta.ombra, 0.55 * u, 92, 0.12 * u);
    // The bark: in the larger drawing rings of it wrapping round the wood,
    // broken and uneven, and knots (a ring round a dark eye): lines along a
    // green shape read as a cactus's ribs, lines round it as a branch. At
    // the natural size a few marks across, which only the shade's pixels
    // show.
    QPainterPath venatura, occhi;
    if (disegno || grande) {
        std::vector<QPointF> nodi{QPointF(storto(0.47) - 0.3 * mezza(0.47, -1), y(0.47))};
        if (grande)
            nodi.emplace_back(storto(0.78) + 0.35 * mezza(0.78, 1), y(0.78));
        const int anelliCorteccia = grande ? 13 : 9;
        for (int i = 0; i < anelliCorteccia; ++i) {
            const qreal s = 0.1 + 0.86 * (i + 0.3 * std::sin(i * 2.3)) / anelliCorteccia;
            const qreal sx = mezza(s, -1), dx = mezza(s, 1), c = storto(s);
            bool vicino = false;
            for (const QPointF &nodo : nodi)
                vicino |= std::abs(y(s) - nodo.y()) < 1.2 * u;
            if (vicino)
                continue;
            // An arc sagging a little, as a ring round a log seen from
            // above, broken once where the bark has split.
            const qreal rottura = 0.25 + 0.5 * (0.5 + 0.5 * std::sin(i * 4.1));
            const auto arco = [&](qreal v) {
                const qreal x = -sx * 0.92 + (sx + dx) * 0.92 * v;
                const qreal m = 2 * v - 1;
                return QPointF(c + x, y(s) + (1 - m * m) * 0.35 * u + 0.12 * u * std::sin(v * 9 + i));
            };
            for (const auto &[da, a] : {std::pair{0.0, rottura - 0.07}, std::pair{rottura + 0.07, 1.0}}) {
                venatura.moveTo(arco(da));
                for (int k = 1; k <= 6; ++k)
                    venatura.lineTo(arco(da + (a - da) * k / 6));
            }
        }
        for (const QPointF &nodo : nodi) {
            venatura.addEllipse(nodo, 0.75 * u, 1.05 * u);
            occhi.addEllipse(nodo, 0.3 * u, 0.45 * u);
        }
    } else {
        const QPointF nodo(-0.25 * mezza(0.45, -1), y(0.45));
        venatura.addEllipse(nodo, 0.55 * u, 0.85 * u);
        venatura.addEllipse(nodo, 0.2 * u, 0.32 * u);
        for (int i = 0; i < 6; ++i) {
            const qreal s = 0.12 + 0.8 * i / 5;
            const int lato = i % 2 ? 1 : -1;
            const qreal w = std::min(mezza(s, -1), mezza(s, 1));
            venatura.moveTo(lato * w * 0.85, y(s) + w * 0.2);
            venatura.quadTo(lato * w * 0.3, y(s) - w * 0.15, -lato * w * 0.1, y(s));
        }
    }
    p.setBrush(Qt::NoBrush);
    // A pip's rings in the bark's dark too, broad enough to show on its
    // brighter wood as a branch's, not a gherkin's ridges.
    p.setPen(QPen(grande || pipDisegnato ? kCorteccia : tinta.ombra,
                  grande             ? 0.55
                      : pipDisegnato ? 0.16 * u + 0.12
                      : disegno      ? 0.1 * u + 0.12
                                     : 0.22,
                  Qt::SolidLine, Qt::RoundCap));
    p.drawPath(venatura);
    Riempi(p, occhi, tinta.ombra, QColor(Qt::transparent), 0);
    // A pip's grip bound twice in red, as at the natural size.
    if (pipDisegnato) {
        QPainterPath legatura;
        for (const qreal s : {0.06, 0.15})
            legatura.addRect(QRectF(-3 * u, y(s) - 0.5 * u, 6 * u, 1.0 * u));
        Riempi(p, Intersezione(legno, legatura), kTintaRosso.corpo, kTintaRosso.ombra, 0);
    }
    p.setBrush(Qt::NoBrush);
    // The wood is only a few pixels thick at the natural size: its outline
    // finer than the deck's weight there, so that its green shows.
    p.setPen(Penna(kContornoEmblema, grande ? kTratto : kTrattoFine));
    p.drawPath(legno);
    // Pale heartwood in a ring of red bark: all red, a face read as a
    // berry or a cactus's flower.
    Riempi(p, tagli, kTintaTaglio.corpo, kTintaRosso.corpo, grande ? kTratto : 0.3);
    // The rings of the sawn faces, too fine for the natural size.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaTaglio.ombra, grande ? kTrattoInterno : 0.15));
    p.drawPath(anelli);
    // On a pip the leaves' outline is fine enough that their gold wins the
    // pixels: yellow leaves, not a brown smear.
    Riempi(p, foglie, kTintaOro.corpo, kOroScuro, grande ? kTrattoFine : 0.25);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaOro.ombra, grande ? 0.4 : 0.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(vene);
}

} // namespace belvane::cardart
