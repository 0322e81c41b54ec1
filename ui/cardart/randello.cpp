#include "randello.h"

#include "emblemi_forme.h"
#include "pennelli.h"
#include "tavolozza.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <array>
#include <cmath>

namespace belvane::cardart {
namespace {

// The suit's wood: a deep green, darker and duller than a stem's (a bright,
// evenly lumpy green reads as a cucumber or a cactus), red where a branch
// was lopped, a golden leaf sprouting from the bark.
const Tinta kTintaRandello{QColor(0x6C, 0xA2, 0x4C), QColor(0x34, 0x70, 0x2C), QColor(0x1E, 0x4A, 0x1C)};

// Half the wood's width at `s` along it, 0 at the grip's end, 1 at the
// head's crown: a grip as thin as a finger for its lower third, then
// thickening steadily; at the natural size a little fuller, so that the
// wood is more than its outline.
qreal Mezza(qreal s, qreal u, bool pixel)
{
    const qreal t = std::clamp((s - 0.3) / 0.55, 0.0, 1.0);
    return 0.6 * u + (pixel ? 1.7 : 1.4) * u * t + (pixel ? 0.35 : 0.0);
}

} // namespace

void Randello(QPainter &p, qreal h, bool asso)
{
    const bool pixel = InchiostroDelPixelInUso();
    const qreal u = h / 20; // from y = -10u (the head's crown) to 10u (the grip's end)
    const auto y = [u](qreal s) { return (8.8 - 16.2 * s) * u; };
    const int lati = pixel ? 10 : 18;
    // The shaft, a little crooked in the larger drawing, as a branch grows.
    const auto storto = [&](qreal s) { return pixel ? 0.0 : 0.35 * u * std::sin(s * 2 * M_PI + 0.4); };
    constexpr int kPassi = 10;
    QPolygonF contorno;
    for (int lato : {-1, 1})
        for (int k = 0; k <= kPassi; ++k) {
            const qreal s = lato < 0 ? qreal(k) / kPassi : 1.0 - qreal(k) / kPassi;
            contorno << QPointF(storto(s) + lato * Mezza(s, u, pixel), y(s));
        }
    QPainterPath legno;
    legno.addPolygon(contorno);
    legno.closeSubpath();
    // The head: a heavy lump, knobbed where the branch forked; the grip's
    // end a small knob of its own.
    // The ace's head heavier still, as it has the card's width to fill.
    const qreal k = asso ? 1.15 : 1.0;
    legno = Unione(legno, Poligonale({0, -7.2 * u}, 2.7 * k * u, 2.8 * u, lati));
    legno = Unione(legno, Poligonale({-1.3 * k * u, -8.9 * u}, 1.35 * k * u, 1.1 * u, lati));
    legno = Unione(legno, Poligonale({1.5 * k * u, -8.7 * u}, 1.25 * k * u, 1.15 * u, lati));
    legno = Unione(legno, Poligonale({2.2 * k * u, -6.0 * u}, 0.95 * k * u, 1.0 * u, lati));
    legno = Unione(legno, Poligonale({0, 9.0 * u}, 1.15 * u, 0.9 * u, lati));
    // Lopped branches: short stubs on alternate sides, raised and cut
    // square, the cut face red; none beside the head, where red and gold
    // at the natural size read as a torch's flame or a posy.
    struct Moncone {
        qreal s, lato, sporge;
    };
    constexpr std::array<Moncone, 3> kMonconi{{{0.3, 1, 1.7}, {0.52, -1, 1.9}, {0.7, 1, 1.4}}};
    const qreal largo = (pixel ? 1.45 : 1.15) * u;
    QPainterPath tagli, anelli;
    for (const Moncone &m : kMonconi) {
        const qreal w = Mezza(m.s, u, pixel);
        QTransform t;
        t.translate(storto(m.s) + m.lato * w * 0.5, y(m.s));
        t.rotate(m.lato * 58);
        const qreal fuori = w * 0.6 + m.sporge * u;
        QPainterPath ramo;
        ramo.moveTo(-largo * 0.65, largo * 0.8);
        ramo.lineTo(-largo * 0.5, -fuori);
        ramo.lineTo(largo * 0.5, -fuori);
        ramo.lineTo(largo * 0.65, largo * 0.8);
        ramo.closeSubpath();
        legno = Unione(legno, t.map(ramo));
        tagli.addPath(t.map(Poligonale({0, -fuori}, largo * 0.55, largo * 0.36, lati)));
        anelli.addPath(t.map(Poligonale({0, -fuori}, largo * 0.2, largo * 0.12, 8)));
    }
    // Golden leaves sprouting from the bark on their own, turned up and
    // out: one on a figure's club, low on the shaft, three on the ace.
    struct Gemma {
        qreal s, lato, angolo, lungo;
    };
    constexpr std::array<Gemma, 3> kGemme{{{0.42, -1, -55, 4.6}, {0.4, 1, 55, 3.8}, {0.64, -1, -50, 3.4}}};
    QPainterPath fronda, vene;
    for (size_t i = 0; i < (asso ? kGemme.size() : 1u); ++i) {
        const Gemma &g = kGemme[i];
        const QPointF base(storto(g.s) + g.lato * Mezza(g.s, u, pixel) * 0.9, y(g.s));
        const qreal lungo = g.lungo * u;
        fronda = Unione(fronda, Foglia(base, lungo, lungo * 0.44, g.angolo, 0.4, 0.78, 1.0, 0.45));
        QTransform v;
        v.translate(base.x(), base.y());
        v.rotate(g.angolo);
        vene.moveTo(v.map(QPointF(0, -0.5 * u)));
        vene.lineTo(v.map(QPointF(0, -lungo * 0.8)));
    }
    // On the ace a red binding round the wood above the grip, as a
    // cudgel's hold is wrapped.
    QPainterPath fascia;
    if (asso)
        for (const qreal s : {0.17, 0.23})
            fascia.addRect(QRectF(-3 * u, y(s) - 0.45 * u, 6 * u, 0.9 * u));
    // The leaves first, sprouting from behind the wood, their gold outlined
    // finely enough at the natural size to win its pixels.
    Riempi(p, fronda, kTintaOro.corpo, kOroScuro, pixel ? 0.25 : kTrattoFine);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaOro.ombra, pixel ? 0.2 : 0.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(vene);
    // The wood modelled from the upper left, its shaded side deep.
    Modella(p, legno, kTintaRandello, QColor(Qt::transparent), pixel ? 0.9 : 1.1 * u, pixel ? 0.6 : 0.45 * u);
    // The bark: rings round the shaft, broken, and a knot or two (a ring
    // round a dark eye); lines along a green shape read as a cactus's ribs,
    // lines round it as a branch. At the natural size one knot.
    QPainterPath corteccia, nodi;
    const auto nodo = [&](QPointF c, qreal r) {
        corteccia.addEllipse(c, 0.75 * r, r);
        nodi.addEllipse(c, 0.32 * r, 0.45 * r);
    };
    if (pixel) {
        nodo({-0.2 * u, y(0.7)}, 0.9 * u);
    } else {
        nodo({storto(0.5) - 0.4 * Mezza(0.5, u, false), y(0.5)}, 0.9 * u);
        nodo({storto(0.74) + 0.4 * Mezza(0.74, u, false), y(0.74)}, 0.7 * u);
        if (asso)
            nodo({storto(0.2), y(0.2)}, 0.6 * u);
        constexpr int kAnelli = 9;
        for (int i = 0; i < kAnelli; ++i) {
            const qreal s = 0.08 + 0.74 * (i + 0.3 * std::sin(i * 2.3)) / kAnelli;
            if (std::abs(s - 0.5) < 0.07)
                continue;
            const qreal w = Mezza(s, u, false) * 0.9, c = storto(s);
            const qreal rottura = 0.3 + 0.4 * (0.5 + 0.5 * std::sin(i * 4.1));
            const auto arco = [&](qreal v) {
                const qreal m = 2 * v - 1;
                return QPointF(c - w + 2 * w * v, y(s) + (1 - m * m) * 0.3 * u);
            };
            for (const auto &[da, a] : {std::pair{0.0, rottura - 0.08}, std::pair{rottura + 0.08, 1.0}}) {
                corteccia.moveTo(arco(da));
                for (int k = 1; k <= 4; ++k)
                    corteccia.lineTo(arco(da + (a - da) * k / 4));
            }
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaRandello.ombra, pixel ? 0.3 : 0.1 * u + 0.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(corteccia);
    p.setPen(Qt::NoPen);
    p.setBrush(kTintaRandello.ombra);
    p.drawPath(nodi);
    // A firm dark outline all round, so that the club stands clear of a
    // sleeve, a plume or the ground at the natural size.
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContornoEmblema, kTratto));
    p.drawPath(legno);
    if (!fascia.isEmpty())
        Modella(p, Intersezione(legno, fascia), kTintaRosso, kContornoEmblema, 0.4 * u, 0.25 * u);
    Riempi(p, tagli, kTintaRosso.corpo, kTintaRosso.ombra, pixel ? 0.3 : kTrattoFine);
    if (!pixel) {
        p.setPen(Qt::NoPen);
        p.setBrush(kTintaRosso.ombra);
        p.drawPath(anelli);
    }
}

} // namespace belvane::cardart
