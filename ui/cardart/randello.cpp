#include "randello.h"

#include "emblemi_forme.h"
#include "pennelli.h"
#include "tavolozza.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace belvane::cardart {
namespace {

// The wood at the natural size: an olive green darker than a stem's (the
// lighter green of the pips' club read there, on the ace, as a cucumber).
const Tinta kTintaRandello{QColor(0x74, 0xA0, 0x46), QColor(0x48, 0x76, 0x2E), QColor(0x2C, 0x50, 0x1C)};
// The bark's knots and rings, darker than the wood's shade so that they show
// across it.
const QColor kCorteccia(0x26, 0x40, 0x16);

// The cudgel at the natural size, pixel by pixel: reduced from the drawing,
// its stubs ran into the wood as a cactus's arms and its leaves into blots
// beside them. Leaning a little as the drawn one does: a round head knotted
// at the crown and on both sides, a shaft tapering steadily to a grip bound
// in red three times and ending in a knob, three stubs standing out at an
// angle, red at the cut as every club's, a golden leaf under each springing
// from the wood, outlined so that it keeps the wood's outline whole where
// it meets it. One letter a pixel: K
// the outline, L, G, D the wood lit, in body and shaded, n a knot, l, Y, y
// a leaf's gold lit, in body and at its edge, R, r the cut faces and the
// binding, . the card.
// clang-format off
constexpr const char *kRandelloDiPixel[] = {
    "...................KKKKKKK......",
    ".................KKLGGGGGDKKKK..",
    "................KLGGGGGGGGDnnK..",
    "...............KLGGGGGGGGGGDDK..",
    "..............KLGGGGGGGGGGGDDK..",
    ".............KLGGGGGGGGGGGGDDK..",
    "............KKLGGGGGGGGGGGGDDK..",
    "...........KnnLGGGGGGGGGGGGDDK..",
    "...........KnnLGGGGGGGGGGGGDDK..",
    "............KKLGGGGGGGGGGGGDDKK.",
    ".............KLGGGGGGGGGGGDDnnK.",
    ".............KLGGGGGGGGGGGDDnK..",
    ".............KLGGGGGGGGGGDDKK...",
    ".........KKK.KLGGGGGGGGGDDK.....",
    "........KRRrKKLGGGGGGGGGDDK.....",
    "........KrRRLKKLGGGGGGGGDDK.....",
    ".....yyy.KKGLGLGGGGGGGGDDK......",
    "...yyYYYyy.KKLGGGGGGGGGDDK......",
    "..yYllYYYYyyKLGGGGGGGGGDDK......",
    "...yyYYYYYYyKLGGGGGGGGDDK.......",
    ".....yyyyyy.KLGGGGGGGGDDK.......",
    ".............KLGGGGGGGDDK.......",
    "............KLGGGGGGGDDnK.......",
    "............KLGGGGGGGDnnK...KKK.",
    ".............KLGGGGGGDDKK..KRRrK",
    ".............KLGGGGGGDDK..KrRRK.",
    "............KLGGGGGGDDK..KLGDK..",
    "............KLGGGGGGGDDKKLGDK...",
    "............KLGGGGGGGGGGGDDK....",
    "............KLGGGGGGGDDDDDKyyy..",
    "............KLGGGGGDDKyyyYYYYyy.",
    "............KLGGGGGDDKYYYYllYYYy",
    "............KLGGGGGDDKyyYYYYYyy.",
    "...........KnLGGGGDDK..yyyyy....",
    "...........KnLGGGGDDK...........",
    "............KLGGGGDDK...........",
    "............KLGGGGDDK...........",
    ".......KKK..KLGGGGDDK...........",
    "......KRRrK.KLGGGGDDK...........",
    "......KrRRLKKLGGGDDK............",
    ".......KKGLGLGGGGDDK............",
    ".........KKLGGGGDDK.............",
    "...yyyy....KLGGGDDK.............",
    ".yyYYYYyyy.KLGGGDDK.............",
    "yYYllYYYYYyKLGGGDDK.............",
    ".yyyYYYYYyyKLGGDDK..............",
    "....yyyyy..KLGGDDK..............",
    "...........KLGGDDK..............",
    "...........KKKKKKK..............",
    "...........KRRRRrK..............",
    "..........KrrrrrrK..............",
    "..........KLGGGDDK..............",
    "..........KRRRRRrK..............",
    "..........KrrrrrrK..............",
    "..........KLGGGDDK..............",
    "..........KRRRRRrK..............",
    ".........KrrrrrrK...............",
    ".........KKKKKKKK...............",
    "........KLLGGGGDDK..............",
    "........KLGGGGGDDK..............",
    ".........KKDDDDDKK..............",
    "..........KKKKKKK...............",
};
// clang-format on
// Its top left pixel on the card.
constexpr int kColonnaRandello = 6, kRigaRandello = 5;

QColor ColoreDelRandello(char c)
{
    switch (c) {
    case 'L':
        return kTintaRandello.luce;
    case 'G':
        return kTintaRandello.corpo;
    case 'D':
        return kTintaRandello.ombra;
    case 'n':
        return kCorteccia;
    case 'l':
        return kTintaOro.luce;
    case 'Y':
        return kTintaOro.corpo;
    case 'y':
        return kTintaOro.ombra;
    case 'R':
        return kTintaRosso.corpo;
    case 'r':
        return kTintaRosso.ombra;
    default:
        return kContornoEmblema;
    }
}

// Half the wood's width along it (0 the grip's end, 1 where the head
// begins), in twentieths of its length: a grip of even width for its lower
// quarter, then swelling steadily all the way to the head, so that the
// taper, not the knobs, says cudgel.
qreal Mezza(qreal s)
{
    const qreal t = std::clamp((s - 0.26) / 0.74, 0.0, 1.0);
    return 0.95 + 0.75 * t + 0.45 * t * t;
}

} // namespace

void RandelloDiPixel(QPainter &p)
{
    std::array<QPainterPath, 128> aree;
    int y = kRigaRandello;
    for (const std::string_view riga : kRandelloDiPixel) {
        for (size_t x = 0; x < riga.size(); ++x)
            if (riga[x] != '.')
                aree[size_t(riga[x])].addRect(QRectF(kColonnaRandello + qreal(x), y, 1, 1));
        ++y;
    }
    p.setPen(Qt::NoPen);
    for (size_t c = 0; c < aree.size(); ++c)
        if (!aree[c].isEmpty()) {
            p.setBrush(ColoreDelRandello(char(c)));
            p.drawPath(aree[c]);
        }
}

void Randello(QPainter &p, qreal h)
{
    const qreal u = h / 20;
    // The shaft from the grip's end, 9.3u below the middle, to the head.
    const auto y = [u](qreal s) { return (9.3 - 15.6 * s) * u; };
    // Crooked as a branch grows, straight at the grip where the hand holds it.
    const auto storto = [u](qreal s) { return 0.35 * u * std::sin(s * M_PI) * std::sin(s * 2 * M_PI + 0.9); };
    // The bark's knots: bumps on the outline, on alternate sides.
    struct Nodo {
        qreal s, lato;
    };
    constexpr std::array<Nodo, 3> kNodi{{{0.42, 1}, {0.58, -1}, {0.84, 1}}};
    const auto bordo = [&](qreal s, int lato) {
        qreal w = Mezza(s);
        for (const Nodo &n : kNodi)
            if (n.lato == lato)
                w += 0.32 * std::exp(-std::pow((s - n.s) / 0.035, 2));
        return w * u;
    };
    QPainterPath legno = Ramo(32, storto, bordo, y);
    const auto tondo = [](QPointF c, qreal rx, qreal ry) { return Poligonale(c, rx, ry, 32); };
    // The head: a heavy rounded end wider than the shaft's top, grown lumpy
    // rather than turned, a swelling out on each side and a nub at the crown,
    // a dark burr on either side (round burrs standing off its sides made it
    // a beast's head with ears); the grip's end a knob.
    const QPointF testa(storto(1), y(1) - 1.2 * u);
    legno = Unione(legno, tondo(testa, 2.85 * u, 3.1 * u));
    legno = Unione(legno, tondo(testa + QPointF(0.6 * u, -1.0 * u), 2.6 * u, 2.3 * u));
    legno = Unione(legno, tondo(testa + QPointF(-0.7 * u, 0.9 * u), 2.5 * u, 2.1 * u));
    legno = Unione(legno, tondo(testa + QPointF(-0.9 * u, -2.7 * u), 1.0 * u, 0.9 * u));
    const std::array<QPointF, 2> borchie{testa + QPointF(-3.05 * u, 1.0 * u), testa + QPointF(3.1 * u, -1.2 * u)};
    legno = Unione(legno, tondo({0, y(0)}, 1.05 * u, 0.55 * u));

    // Lopped branches standing out from the shaft towards the head, as
    // branches grow, each cut square, the cut face red: one low on the left,
    // one halfway up on the right, a short one under the head.
    struct Moncone {
        qreal s, lato, sporge, largo, piega;
    };
    constexpr std::array<Moncone, 3> kMonconi{
        {{0.36, -1, 2.4, 1.25, 62}, {0.6, 1, 2.3, 1.25, 58}, {0.82, -1, 1.7, 1.1, 64}}};
    QPainterPath tagli, anelli;
    for (size_t i = 0; i < kMonconi.size(); ++i) {
        const Moncone &m = kMonconi[i];
        const qreal w = Mezza(m.s) * u;
        const qreal largo = m.largo * u;
        QTransform t;
        t.translate(storto(m.s) + m.lato * w * 0.5, y(m.s));
        t.rotate(m.lato * m.piega);
        const qreal fuori = w * 0.5 + m.sporge * u;
        legno = Unione(legno, t.map(Troncone(largo, fuori, 0.8)));
        tagli.addPath(t.map(tondo({0, -fuori}, largo * 0.5, largo * 0.38)));
        anelli.addPath(t.map(tondo({0, -fuori}, largo * 0.16, largo * 0.12)));
    }
    // A golden leaf under each stub, springing from behind the wood and
    // lying out across the white beside it: off the stubs on stalks they
    // stood out like fins, laid along the wood they read as feathers.
    struct Gemma {
        qreal s, lato, lungo, angolo;
    };
    constexpr std::array<Gemma, 3> kGemme{{{0.76, -1, 3.6, -98}, {0.52, 1, 3.6, 102}, {0.29, -1, 3.6, -104}}};
    QPainterPath foglie, vene;
    for (const Gemma &g : kGemme) {
        const qreal a = qDegreesToRadians(g.angolo);
        const QPointF verso(std::sin(a), -std::cos(a));
        const QPointF base(storto(g.s) + g.lato * (Mezza(g.s) - 0.5) * u, y(g.s));
        const qreal lungo = (g.lungo + 0.5) * u;
        foglie = Unione(foglie, Foglia(base, lungo, lungo * 0.42, g.angolo, 0.55, 0.8, 1.0, 0.5));
        vene.moveTo(base + verso * 0.6 * u);
        vene.lineTo(base + verso * lungo * 0.85);
    }
    Riempi(p, foglie, kTintaOro.corpo, kTintaOro.ombra, kTrattoFine);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaOro.ombra, 0.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(vene);

    // The wood: matte, its light edge narrow, its shaded half engraved.
    const Tinta &tinta = kTintaLegnoDisegno;
    Modella(p, legno, tinta, QColor(Qt::transparent), 1.5 * u, 0.45 * u);
    Tratteggia(p, Differenza(legno, legno.translated(-1.8 * u, 0.3 * u)), tinta.ombra, 0.55 * u, 92, 0.12 * u);
    // The knots: a dark burr on each bump of the outline, and broken rings
    // round the shaft (lines along a green shape read as a cactus's ribs,
    // lines round it as a branch).
    QPainterPath nodi;
    for (const Nodo &n : kNodi) {
        const QPointF c(storto(n.s) + n.lato * (Mezza(n.s) + 0.05) * u, y(n.s));
        nodi.addPath(tondo(c, 0.38 * u, 0.45 * u));
    }
    for (const QPointF &c : borchie)
        nodi.addPath(tondo(c, 0.42 * u, 0.42 * u));
    p.setPen(Qt::NoPen);
    p.setBrush(kCorteccia);
    p.drawPath(Intersezione(nodi, legno));
    {
        QPainterPath corteccia;
        constexpr int kAnelli = 9;
        for (int i = 0; i < kAnelli; ++i) {
            const qreal s = 0.3 + 0.66 * (i + 0.3 * std::sin(i * 2.3)) / kAnelli;
            const qreal w = Mezza(s) * u * 0.9, c = storto(s);
            const qreal rottura = 0.3 + 0.4 * (0.5 + 0.5 * std::sin(i * 4.1));
            const auto arco = [&](qreal v) {
                const qreal m = 2 * v - 1;
                return QPointF(c - w + 2 * w * v, y(s) + (1 - m * m) * 0.35 * u + 0.1 * u * std::sin(v * 9 + i));
            };
            for (const auto &[da, a] : {std::pair{0.0, rottura - 0.07}, std::pair{rottura + 0.07, 1.0}}) {
                corteccia.moveTo(arco(da));
                for (int k = 1; k <= 5; ++k)
                    corteccia.lineTo(arco(da + (a - da) * k / 5));
            }
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kCorteccia, 0.55, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(Intersezione(corteccia, legno));
    }
    // The grip bound in red, three turns where the hand holds it.
    QPainterPath legatura;
    for (const qreal s : {0.07, 0.14, 0.21})
        legatura.addRect(QRectF(-3 * u, y(s) - 0.5 * u, 6 * u, 1.0 * u));
    Modella(p, Intersezione(legno, legatura), kTintaRosso, kContornoEmblema, 0.4 * u, 0.25 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContornoEmblema, kTratto));
    p.drawPath(legno);
    Riempi(p, tagli, kTintaRosso.corpo, kTintaRosso.ombra, kTrattoFine);
    p.setPen(Qt::NoPen);
    p.setBrush(kTintaRosso.ombra);
    p.drawPath(anelli);
}

} // namespace belvane::cardart
