#include "randello.h"

#include "emblemi_forme.h"
#include "pennelli.h"
#include "pixel_a_mano.h"
#include "tavolozza.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace belvane::cardart {
namespace {

// The wood at the natural size: an olive green darker than a stem's (the
// lighter green of the pips' club read there, on the ace, as a cucumber).
const Tinta kTintaRandello{QColor(0x74, 0xA0, 0x46), QColor(0x48, 0x76, 0x2E), QColor(0x2C, 0x50, 0x1C)};

// The cudgel at the natural size, pixel by pixel: the drawing reduced, then
// set right where the reduction left it ragged. The grip's bands and its
// knob stand under the shaft (reduced, they stepped aside and the handle
// looked broken) and the outline runs unbroken round the wood; the stubs'
// faces, pale heartwood ringed in red bark, are left as large as the
// reduction made them, standing clear of the wood (outlined, and cut back
// to wood behind them, they sank into the outline and read as a cactus's
// flowers; all red, as berries). Its shaded side is the wood's shade for
// two fifths of its width, crossed by the bark's broken rings, with a knot
// on the head, as the drawn cudgel is engraved: in one flat green it read
// as a cactus, a pickle or a broccoli stalk. One letter a
// pixel: K the outline, L, G, D the wood lit, in body and shaded, n the
// bark's rings and knots, Y a leaf and o its edge, P a cut face, R, r the
// binding or the bark round a cut face, and its shade, . the card.
// clang-format off
constexpr std::string_view kRandelloDiPixel[] = {
    ".............KKKKKKKK......",
    "..........KKKKLLLLLLLK.....",
    ".........KLLLLLLGDDDDDKK...",
    ".........KLLGGGGGGDDDDDK...",
    ".........KLGGGGGGGDDDDDDK..",
    ".........KLGGnnnGGGDDnnnDK.",
    "........KKLGGGGGGnnnnDDDDDK",
    "........KLLGGGGGGGGDDDDDDDK",
    "........KLGGGGGGGGGnDDDDDK.",
    "........KLGGGGGGGGGnDDDDDK.",
    "........KLGGnnnGGGGDDnnnDK.",
    ".........KGGGGGnnnDnnDDDK..",
    ".........KGGGGGGGGDDDDDDK..",
    ".....rr.KLLGGGGGGDDDDDDK...",
    "....rPPrKLGGGGGGGDDDDDDK...",
    "...rPPPrKLGGGGGGGDDDDDDK...",
    "...rPPrLGLnnnGGGDDnnnDK....",
    "....rrLGGGGGGnGnnnDDDDK....",
    "ooo..KGGGGGGGGGGDDDDDDK....",
    ".YYYo.KGGGGGGGGDDDDDDK.....",
    ".YYYYY.KGGGGGGGGDDDDDK.....",
    ".YYYYYY.KGGGGGGGDDDDKK.....",
    ".oYYYYYoKGGnnGGGDnnDKrr....",
    "..oYYYYYKLGGGGnnnDDDKrPr...",
    "...oYYYKLLGGGGGGDDDDDrPPr..",
    "......oKLGGGGGGGDDDDDrPPr..",
    ".......KLGGGGGGGDDDDDDrrr..",
    ".....r.KLGnnnGGGDnnnDKK....",
    "...rrPrKLGGGGnnDnDDKKYYYYYY",
    "...rPPrKKGGGGGDDDKKYYYYYYYY",
    "..rPPPrGLnGGGDDDDKYYYYYYYYo",
    "...rrrGGGnGnGDDDDoYYYYYYYo.",
    "o..oKLGGGGGnDDDDKoYYYYYYo..",
    "YYYYYKGGGGGGDDDDK..ooo.....",
    "YYYYYYKGGGGGDDDDK..........",
    "oYYYYYYKGGGGGDDDK..........",
    ".oYYYYYYKGGGGDDDK..........",
    "..YYYYYYYKGnGGnDK...rr.....",
    "...oYYYYYKGGGnDDKKKrPPr....",
    ".....oYYoKKGGGGGDDLrPPr....",
    "..........KGGGGGDDLrPPr....",
    ".........KKLGGGGDDDDrrr....",
    ".........KKLGGGDDDDDK......",
    "..........KGnGDnnDKK.......",
    ".........KLGGGnDKK.........",
    ".........KLGGDDK...........",
    ".........KLGGDDK...........",
    ".........KKGGDDK...........",
    ".........KKKKKK............",
    ".........KRRRrK............",
    ".........KrRRrK............",
    ".........KKKKKK............",
    ".........KRRRrK............",
    ".........KrRRrK............",
    ".........KKKKKK............",
    ".........KLGGDK............",
    "........KLLGGDDK...........",
    "........KLLGGDDK...........",
    "........KLDDDDDK...........",
    ".........KKKKKK............",
};
// clang-format on
// Its top left pixel on the card.
constexpr int kColonnaRandello = 9, kRigaRandello = 6;

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
    case 'Y':
        return kTintaOro.corpo;
    case 'o':
        return kOroScuro;
    case 'P':
        return kTintaTaglio.corpo;
    case 'R':
        return kTintaRosso.corpo;
    case 'r':
        return kTintaRosso.ombra;
    default:
        return kContornoEmblema;
    }
}

// Half the wood's width `s` along it (0 the grip's end, 1 the head's crown),
// in units of a twentieth of its length: a grip of even width for its lower
// fifth, then swelling steadily, faster towards the head.
qreal Mezza(qreal s)
{
    const qreal t = std::clamp((s - 0.2) / 0.65, 0.0, 1.0);
    return 0.8 + 1.5 * t * (0.6 + 0.4 * t);
}

} // namespace

void RandelloDiPixel(QPainter &p)
{
    StendiPixel(p, kRandelloDiPixel, QPointF(kColonnaRandello, kRigaRandello), 1, ColoreDelRandello);
}

void Randello(QPainter &p, qreal h)
{
    const qreal u = h / 20;
    const auto y = [u](qreal s) { return (8.6 - 15.6 * s) * u; };
    // Crooked as a branch grows, straight at both ends where the hand and
    // the card's edge expect it.
    const auto storto = [u](qreal s) { return 0.5 * u * std::sin(s * M_PI) * std::sin(s * 2 * M_PI + 0.6); };
    // Its edges lumpy where the bark has grown over old knots.
    const auto bordo = [&](qreal s, int lato) {
        return (Mezza(s) + 0.12 * std::sin(s * 17 + lato * 2.1) * std::min(1.0, s * 3)) * u;
    };
    QPainterPath legno = Ramo(20, storto, bordo, y);
    const auto tondo = [](QPointF c, qreal rx, qreal ry) { return Poligonale(c, rx, ry, 28); };
    // The head: a heavy round end, knobbed on either side of its crown
    // (a knob low on its side, and a knot's eye on it, made it a beast's
    // head); the grip's end a small knob.
    legno = Unione(legno, tondo({0, -7.2 * u}, 2.75 * u, 2.7 * u));
    legno = Unione(legno, tondo({-1.7 * u, -8.3 * u}, 1.05 * u, 1.0 * u));
    legno = Unione(legno, tondo({1.9 * u, -7.9 * u}, 0.9 * u, 0.9 * u));
    legno = Unione(legno, tondo({0, 9.0 * u}, 1.2 * u, 0.8 * u));
    // Lopped branches: stubs on alternate sides, raised and cut square, the
    // cut face pale heartwood in a ring of red bark (all red, a berry).
    struct Moncone {
        qreal s, lato, sporge;
    };
    constexpr std::array<Moncone, 4> kMonconi{{{0.3, 1, 1.8}, {0.44, -1, 2.0}, {0.6, 1, 1.7}, {0.74, -1, 1.3}}};
    const qreal largo = 1.35 * u;
    QPainterPath tagli, anelli;
    for (const Moncone &m : kMonconi) {
        const qreal w = Mezza(m.s) * u;
        QTransform t;
        t.translate(storto(m.s) + m.lato * w * 0.4, y(m.s));
        t.rotate(m.lato * 58);
        const qreal fuori = w * 0.7 + m.sporge * u;
        legno = Unione(legno, t.map(Troncone(largo, fuori, 0.65)));
        tagli.addPath(t.map(tondo({0, -fuori}, largo * 0.55, largo * 0.36)));
        anelli.addPath(t.map(tondo({0, -fuori}, largo * 0.22, largo * 0.13)));
    }
    // Golden leaves sprouting from the bark between the stubs, turned out
    // sideways clear of the wood: laid along it they read as pasted on.
    struct Gemma {
        qreal s, lato, angolo, lungo;
    };
    constexpr std::array<Gemma, 3> kGemme{{{0.36, -1, -66, 3.9}, {0.52, 1, 62, 3.6}, {0.64, -1, -56, 3.3}}};
    QPainterPath foglie, vene;
    for (const Gemma &g : kGemme) {
        const QPointF base(storto(g.s) + g.lato * Mezza(g.s) * u, y(g.s));
        const qreal a = qDegreesToRadians(g.angolo);
        const QPointF verso(std::sin(a), -std::cos(a));
        const qreal lungo = g.lungo * u;
        foglie = Unione(foglie, Foglia(base, lungo, lungo * 0.42, g.angolo, 0.4, 0.78, 1.0, 0.45));
        vene.moveTo(base + verso * 0.4 * u);
        vene.lineTo(base + verso * lungo * 0.8);
    }
    // The leaves under the wood, so that they spring from it.
    Riempi(p, foglie, kTintaOro.corpo, kOroScuro, kTrattoFine);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaOro.ombra, 0.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(vene);

    // The wood: matte, its light edge narrow, its shaded half engraved.
    const Tinta &tinta = kTintaLegnoDisegno;
    Modella(p, legno, tinta, QColor(Qt::transparent), 1.5 * u, 0.45 * u);
    Tratteggia(p, Differenza(legno, legno.translated(-1.8 * u, 0.3 * u)), tinta.ombra, 0.55 * u, 92, 0.12 * u);
    // The bark: broken rings round the shaft (lines along a green shape read
    // as a cactus's ribs, lines round it as a branch) and two knots on the
    // shaft, each a ring round a dark eye.
    QPainterPath corteccia, occhi;
    const std::array<QPointF, 2> nodi{QPointF(storto(0.52) - 0.35 * Mezza(0.52) * u, y(0.52)),
                                      QPointF(storto(0.34) + 0.3 * Mezza(0.34) * u, y(0.34))};
    for (size_t i = 0; i < nodi.size(); ++i) {
        const qreal r = 0.75 * u;
        corteccia.addEllipse(nodi[i], 0.75 * r, r);
        occhi.addEllipse(nodi[i], 0.32 * r, 0.45 * r);
    }
    {
        constexpr int kAnelli = 11;
        for (int i = 0; i < kAnelli; ++i) {
            const qreal s = 0.26 + 0.6 * (i + 0.3 * std::sin(i * 2.3)) / kAnelli;
            if (std::abs(y(s) - nodi[0].y()) < 1.3 * u)
                continue;
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
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCorteccia, 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(corteccia);
    p.setPen(Qt::NoPen);
    p.setBrush(kCorteccia);
    p.drawPath(occhi);
    // The grip bound in red, where the hand holds it.
    QPainterPath legatura;
    for (const qreal s : {0.08, 0.15})
        legatura.addRect(QRectF(-3 * u, y(s) - 0.55 * u, 6 * u, 1.1 * u));
    Modella(p, Intersezione(legno, legatura), kTintaRosso, kContornoEmblema, 0.4 * u, 0.25 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContornoEmblema, kTratto));
    p.drawPath(legno);
    Riempi(p, tagli, kTintaTaglio.corpo, kTintaRosso.corpo, kTratto);
    p.setPen(Qt::NoPen);
    p.setBrush(kTintaTaglio.ombra);
    p.drawPath(anelli);
}

} // namespace belvane::cardart
