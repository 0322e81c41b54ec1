#include "disegno_carte.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace belvane::cardart {
namespace {

// Palette of the Neapolitan pattern.
const QColor kOro(0xE3, 0xAA, 0x1E);
const QColor kOroScuro(0x8A, 0x55, 0x00);
const QColor kOroCavo(0xB5, 0x78, 0x0C);
const QColor kRosso(0xC4, 0x1E, 0x1A);
const QColor kVerde(0x1E, 0x6A, 0x2A);
const QColor kVerdeScuro(0x0C, 0x36, 0x12);
const QColor kBlu(0x24, 0x58, 0xC8);
const QColor kBluScuro(0x0E, 0x24, 0x66);
const QColor kBluChiaro(0xA8, 0xC8, 0xF4);
const QColor kContorno(0x1C, 0x1C, 0x1C);
const QColor kPelle(0xF4, 0xC8, 0x9C);
const QColor kMarrone(0x8A, 0x58, 0x2A);
const QColor kCrema(0xF2, 0xEA, 0xD6);

constexpr qreal kTratto = 0.55; // outline width in card units

QPen Penna(const QColor &c, qreal w = kTratto)
{
    QPen p(c, w);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void Riempi(QPainter &p, const QPainterPath &path, const QColor &fondo, const QColor &bordo, qreal w = kTratto)
{
    p.setPen(Penna(bordo, w));
    p.setBrush(fondo);
    p.drawPath(path);
}

void Ellisse(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &fondo, const QColor &bordo, qreal w = kTratto)
{
    p.setPen(Penna(bordo, w));
    p.setBrush(fondo);
    p.drawEllipse(c, rx, ry);
}

void Poligono(QPainter &p, std::initializer_list<QPointF> punti, const QColor &fondo, const QColor &bordo,
              qreal w = kTratto)
{
    p.setPen(Penna(bordo, w));
    p.setBrush(fondo);
    const QPolygonF poly(punti);
    p.drawPolygon(poly);
}

// ---- Emblems, each drawn upright around the origin, `h` long ----

void Denaro(QPainter &p, qreal h, Ornato ornato)
{
    const qreal r = h / 2;
    const qreal w = std::max(0.5, r * 0.09);
    Ellisse(p, {0, 0}, r, r, kOro, kOroScuro, w);
    if (ornato == Ornato::Si) {
        // A wreath of alternating red and green petals round a rosette.
        for (int i = 0; i < 16; ++i) {
            p.save();
            p.rotate(i * 22.5);
            Ellisse(p, {0, -r * 0.78}, r * 0.1, r * 0.16, i % 2 ? kVerde : kRosso, kOroScuro, w * 0.5);
            p.restore();
        }
        p.setPen(Penna(kOroScuro, w * 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), r * 0.6, r * 0.6);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.rotate(i * 45.0);
            Ellisse(p, {0, -r * 0.3}, r * 0.12, r * 0.22, kOroCavo, kOroScuro, w * 0.5);
            p.restore();
        }
        Ellisse(p, {0, 0}, r * 0.16, r * 0.16, kRosso, kOroScuro, w * 0.5);
        return;
    }
    p.setPen(Penna(kOroScuro, w * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r * 0.64, r * 0.64);
    Ellisse(p, {0, 0}, r * 0.3, r * 0.3, kRosso, kOroScuro, w * 0.6);
}

void Coppa(QPainter &p, qreal h, Ornato ornato)
{
    const qreal w = h * 0.74;
    const qreal t = std::max(0.45, h * 0.03);
    QPainterPath coppa;
    coppa.moveTo(-w / 2, -h / 2);
    coppa.lineTo(w / 2, -h / 2);
    coppa.cubicTo(w / 2, -h * 0.12, w * 0.16, -h * 0.02, w * 0.08, h * 0.02);
    coppa.lineTo(w * 0.08, h * 0.28);
    coppa.cubicTo(w * 0.12, h * 0.38, w * 0.36, h * 0.4, w * 0.38, h * 0.5);
    coppa.lineTo(-w * 0.38, h * 0.5);
    coppa.cubicTo(-w * 0.36, h * 0.4, -w * 0.12, h * 0.38, -w * 0.08, h * 0.28);
    coppa.lineTo(-w * 0.08, h * 0.02);
    coppa.cubicTo(-w * 0.16, -h * 0.02, -w / 2, -h * 0.12, -w / 2, -h / 2);
    coppa.closeSubpath();
    Riempi(p, coppa, kOro, kOroScuro, t);
    // The mouth of the cup and a red band round the bowl.
    Ellisse(p, {0, -h / 2}, w / 2, h * 0.06, kOroCavo, kOroScuro, t);
    p.setPen(Penna(kRosso, h * 0.07));
    p.drawLine(QPointF(-w * 0.4, -h * 0.3), QPointF(w * 0.4, -h * 0.3));
    Ellisse(p, {0, h * 0.15}, w * 0.17, h * 0.06, kOro, kOroScuro, t);
    if (ornato == Ornato::Si) {
        // Gems along the band and on the knop, a lid-like crown of petals.
        for (int i = -2; i <= 2; ++i)
            Ellisse(p, {i * w * 0.16, -h * 0.3}, h * 0.025, h * 0.025, i % 2 ? kVerde : kBlu, kOroScuro, t * 0.5);
        for (int i = -3; i <= 3; ++i)
            Ellisse(p, {i * w * 0.13, -h / 2 - h * 0.05}, h * 0.03, h * 0.06, kOro, kOroScuro, t * 0.6);
        Ellisse(p, {0, h * 0.15}, h * 0.025, h * 0.025, kRosso, kOroScuro, t * 0.5);
        p.setPen(Penna(kOroScuro, t * 0.8));
        p.drawLine(QPointF(-w * 0.3, h * 0.46), QPointF(w * 0.3, h * 0.46));
    }
}

void Spada(QPainter &p, qreal h, Ornato ornato)
{
    const qreal bw = ornato == Ornato::Si ? h * 0.065 : std::clamp(h * 0.065, 1.7, 3.0);
    const qreal guardia = h / 2 - h * 0.2;
    const qreal t = std::max(0.4, bw * 0.22);
    QPainterPath lama;
    lama.moveTo(0, -h / 2);
    lama.lineTo(bw / 2, -h / 2 + bw * 1.4);
    lama.lineTo(bw / 2, guardia);
    lama.lineTo(-bw / 2, guardia);
    lama.lineTo(-bw / 2, -h / 2 + bw * 1.4);
    lama.closeSubpath();
    Riempi(p, lama, kBlu, kBluScuro, t);
    p.setPen(Penna(kBluChiaro, bw * 0.22));
    p.drawLine(QPointF(0, -h / 2 + bw * 1.6), QPointF(0, guardia - bw * 0.4));
    // Hilt: gold cross-guard with curled ends, red grip, gold pommel.
    const qreal gw = h * 0.05 + bw * 0.9;
    QPainterPath croce;
    croce.addRoundedRect(QRectF(-gw, guardia - bw * 0.1, 2 * gw, bw * 0.95), bw * 0.4, bw * 0.4);
    Riempi(p, croce, kOro, kOroScuro, t);
    Ellisse(p, {-gw, guardia - bw * 0.25}, bw * 0.45, bw * 0.45, kOro, kOroScuro, t);
    Ellisse(p, {gw, guardia - bw * 0.25}, bw * 0.45, bw * 0.45, kOro, kOroScuro, t);
    const qreal fineImpugnatura = h / 2 - bw * 0.9;
    Riempi(
        p,
        [&] {
            QPainterPath g;
            g.addRect(QRectF(-bw * 0.38, guardia + bw * 0.85, bw * 0.76, fineImpugnatura - guardia - bw * 0.85));
            return g;
        }(),
        kRosso, kContorno, t * 0.7);
    Ellisse(p, {0, h / 2 - bw * 0.6}, bw * 0.6, bw * 0.6, kOro, kOroScuro, t);
    if (ornato == Ornato::Si) {
        // A laurel of two leafy sprays rising from the hilt.
        for (int lato : {-1, 1}) {
            for (int i = 0; i < 5; ++i) {
                const qreal y = guardia - bw * (1.5 + i * 1.9);
                const qreal x = lato * (bw * 1.9 + bw * 0.25 * i - bw * 0.12 * i * i);
                p.save();
                p.translate(x, y);
                p.rotate(lato * (25 + i * 4));
                Ellisse(p, {0, 0}, bw * 0.42, bw * 1.0, i % 2 ? kVerde : kOro, kOroScuro, t * 0.7);
                p.restore();
            }
        }
        // Golden leaves at the cross-guard.
        for (int lato : {-1, 1}) {
            p.save();
            p.translate(lato * gw * 0.9, guardia - bw * 1.6);
            p.rotate(lato * 35);
            Ellisse(p, {0, 0}, bw * 0.5, bw * 1.3, kOro, kOroScuro, t * 0.7);
            p.restore();
        }
    }
}

void Bastone(QPainter &p, qreal h, Ornato ornato)
{
    const qreal tw = ornato == Ornato::Si ? h * 0.16 : std::min(h * 0.13, 5.6);
    const qreal bw = tw * (ornato == Ornato::Si ? 0.5 : 0.56);
    const qreal t = std::max(0.45, tw * 0.09);
    // Golden leaves sprouting from the sides, drawn first so the wood covers
    // their stems.
    struct Foglia {
        qreal y, lato, angolo;
    };
    constexpr std::array<Foglia, 2> kFoglie{{{-0.18, 1, 40}, {0.14, -1, -40}}};
    for (const Foglia &f : kFoglie) {
        const qreal larg = tw + (bw - tw) * (f.y + 0.5);
        p.save();
        p.translate(f.lato * larg * 0.45, f.y * h);
        p.rotate(f.angolo);
        Ellisse(p, {0, -tw * 0.5}, tw * 0.24, tw * 0.52, kOro, kOroScuro, t * 0.8);
        p.restore();
    }
    QPainterPath legno;
    legno.moveTo(-bw / 2, h / 2);
    legno.lineTo(-tw / 2, -h / 2 + tw / 2);
    legno.arcTo(QRectF(-tw / 2, -h / 2, tw, tw), 180, -180);
    legno.lineTo(bw / 2, h / 2);
    legno.closeSubpath();
    Riempi(p, legno, kVerde, kVerdeScuro, t);
    // Red knots where branches were cut off, and a red butt.
    for (qreal y : {-0.32, -0.08, 0.16}) {
        const qreal larg = tw + (bw - tw) * (y + 0.5);
        p.setPen(Penna(kRosso, std::max(0.8, h * 0.035)));
        p.drawLine(QPointF(-larg * 0.42, y * h), QPointF(larg * 0.42, y * h + h * 0.02));
    }
    Ellisse(p, {0, h / 2 - bw * 0.2}, bw * 0.55, bw * 0.3, kRosso, kVerdeScuro, t);
    p.setPen(Penna(QColor(0x6C, 0xB0, 0x60), std::max(0.4, tw * 0.12)));
    p.drawLine(QPointF(-tw * 0.18, -h / 2 + tw * 0.7), QPointF(-bw * 0.15, h / 2 - bw));
    if (ornato == Ornato::Si) {
        for (int lato : {-1, 1}) {
            p.save();
            p.translate(lato * tw * 0.4, -h * 0.42);
            p.rotate(lato * 50);
            Ellisse(p, {0, -tw * 0.5}, tw * 0.28, tw * 0.65, kOro, kOroScuro, t * 0.8);
            p.restore();
        }
    }
}

// ---- Emblem layouts: one table per kind of suit and rank ----

struct Posa {
    qreal x, y, altezza, angolo;
};

// Round emblems (Coppe, Denari) stand in rows and columns.
constexpr std::array<Posa, 2> kDenari2{{{22.5, 20, 20, 0}, {22.5, 52, 20, 0}}};
constexpr std::array<Posa, 3> kDenari3{{{22.5, 14, 17, 0}, {22.5, 36, 17, 0}, {22.5, 58, 17, 0}}};
constexpr std::array<Posa, 4> kDenari4{{{12.5, 19, 16, 0}, {32.5, 19, 16, 0}, {12.5, 53, 16, 0}, {32.5, 53, 16, 0}}};
constexpr std::array<Posa, 5> kDenari5{
    {{12, 14, 15, 0}, {33, 14, 15, 0}, {22.5, 36, 15, 0}, {12, 58, 15, 0}, {33, 58, 15, 0}}};
constexpr std::array<Posa, 6> kDenari6{
    {{12.5, 13, 15, 0}, {32.5, 13, 15, 0}, {12.5, 36, 15, 0}, {32.5, 36, 15, 0}, {12.5, 59, 15, 0}, {32.5, 59, 15, 0}}};
constexpr std::array<Posa, 7> kDenari7{{{13.5, 12, 13, 0},
                                        {31.5, 12, 13, 0},
                                        {8.8, 36, 12.6, 0},
                                        {22.5, 36, 12.6, 0},
                                        {36.2, 36, 12.6, 0},
                                        {13.5, 60, 13, 0},
                                        {31.5, 60, 13, 0}}};

constexpr std::array<Posa, 2> kCoppe2{{{22.5, 19, 25, 0}, {22.5, 53, 25, 0}}};
constexpr std::array<Posa, 3> kCoppe3{{{22.5, 14, 19, 0}, {22.5, 36, 19, 0}, {22.5, 58, 19, 0}}};
constexpr std::array<Posa, 4> kCoppe4{{{12.5, 19, 21, 0}, {32.5, 19, 21, 0}, {12.5, 53, 21, 0}, {32.5, 53, 21, 0}}};
constexpr std::array<Posa, 5> kCoppe5{
    {{12, 15, 19, 0}, {33, 15, 19, 0}, {22.5, 36, 19, 0}, {12, 57, 19, 0}, {33, 57, 19, 0}}};
constexpr std::array<Posa, 6> kCoppe6{{{12.5, 13.5, 18, 0},
                                       {32.5, 13.5, 18, 0},
                                       {12.5, 36, 18, 0},
                                       {32.5, 36, 18, 0},
                                       {12.5, 58.5, 18, 0},
                                       {32.5, 58.5, 18, 0}}};
constexpr std::array<Posa, 7> kCoppe7{{{13.5, 13, 17, 0},
                                       {31.5, 13, 17, 0},
                                       {8.8, 36, 15.5, 0},
                                       {22.5, 36, 15.5, 0},
                                       {36.2, 36, 15.5, 0},
                                       {13.5, 59, 17, 0},
                                       {31.5, 59, 17, 0}}};

// Long emblems (Bastoni, Spade): two or three as one long cross, from four
// up as a short cross above another, flanked by uprights at six and seven;
// odd counts add one upright through the middle.
constexpr std::array<Posa, 2> kLunghi2{{{22.5, 36, 60, 20}, {22.5, 36, 60, -20}}};
constexpr std::array<Posa, 3> kLunghi3{{{22.5, 36, 60, 22}, {22.5, 36, 60, -22}, {22.5, 36, 62, 0}}};
constexpr std::array<Posa, 4> kLunghi4{
    {{22.5, 20, 31, 26}, {22.5, 20, 31, -26}, {22.5, 52, 31, 26}, {22.5, 52, 31, -26}}};
constexpr std::array<Posa, 5> kLunghi5{
    {{22.5, 20, 31, 28}, {22.5, 20, 31, -28}, {22.5, 52, 31, 28}, {22.5, 52, 31, -28}, {22.5, 36, 62, 0}}};
constexpr std::array<Posa, 6> kLunghi6{{{22.5, 20, 30, 22},
                                        {22.5, 20, 30, -22},
                                        {22.5, 52, 30, 22},
                                        {22.5, 52, 30, -22},
                                        {8.5, 36, 58, 0},
                                        {36.5, 36, 58, 0}}};
constexpr std::array<Posa, 7> kLunghi7{{{22.5, 20, 30, 24},
                                        {22.5, 20, 30, -24},
                                        {22.5, 52, 30, 24},
                                        {22.5, 52, 30, -24},
                                        {8, 36, 58, 0},
                                        {37, 36, 58, 0},
                                        {22.5, 36, 62, 0}}};

// Swords turn the odd upright hilt-up, so the hilts do not pile up at the foot.
constexpr std::array<Posa, 5> kSpade5{
    {{22.5, 20, 31, 28}, {22.5, 20, 31, -28}, {22.5, 52, 31, 28}, {22.5, 52, 31, -28}, {22.5, 36, 62, 180}}};
constexpr std::array<Posa, 7> kSpade7{{{22.5, 20, 30, 24},
                                       {22.5, 20, 30, -24},
                                       {22.5, 52, 30, 24},
                                       {22.5, 52, 30, -24},
                                       {8.5, 36, 58, 0},
                                       {36.5, 36, 58, 0},
                                       {22.5, 36, 62, 180}}};

std::span<const Posa> Disposizione(Seme seme, int valore)
{
    switch (seme) {
    case Seme::Denari:
        switch (valore) {
        case 2:
            return kDenari2;
        case 3:
            return kDenari3;
        case 4:
            return kDenari4;
        case 5:
            return kDenari5;
        case 6:
            return kDenari6;
        case 7:
            return kDenari7;
        }
        break;
    case Seme::Coppe:
        switch (valore) {
        case 2:
            return kCoppe2;
        case 3:
            return kCoppe3;
        case 4:
            return kCoppe4;
        case 5:
            return kCoppe5;
        case 6:
            return kCoppe6;
        case 7:
            return kCoppe7;
        }
        break;
    case Seme::Bastoni:
    case Seme::Spade:
        if (seme == Seme::Spade && valore == 5)
            return kSpade5;
        if (seme == Seme::Spade && valore == 7)
            return kSpade7;
        switch (valore) {
        case 2:
            return kLunghi2;
        case 3:
            return kLunghi3;
        case 4:
            return kLunghi4;
        case 5:
            return kLunghi5;
        case 6:
            return kLunghi6;
        case 7:
            return kLunghi7;
        }
        break;
    }
    return {};
}

// The ace: one large emblem in the middle.
void Asso(QPainter &p, Seme seme)
{
    switch (seme) {
    case Seme::Denari:
        DisegnaEmblema(p, seme, {22.5, 36}, 36, 0, Ornato::Si);
        break;
    case Seme::Coppe:
        DisegnaEmblema(p, seme, {22.5, 37}, 50, 0, Ornato::Si);
        break;
    case Seme::Spade:
        DisegnaEmblema(p, seme, {22.5, 36}, 64, 0, Ornato::Si);
        break;
    case Seme::Bastoni:
        DisegnaEmblema(p, seme, {22.5, 36}, 62, 0, Ornato::Si);
        break;
    }
}

bool Lungo(Seme seme) { return seme == Seme::Bastoni || seme == Seme::Spade; }

// The emblem a figure holds: round ones raised above the hand, long ones
// gripped upright so the hilt or butt sits in the hand.
void EmblemaInMano(QPainter &p, Seme seme, QPointF mano)
{
    if (Lungo(seme)) {
        const qreal h = 34;
        const qreal presa = seme == Seme::Spade ? h / 2 - 3.2 : h / 2 - 4.5;
        DisegnaEmblema(p, seme, {mano.x(), mano.y() - presa}, h, 0);
    } else if (seme == Seme::Denari) {
        DisegnaEmblema(p, seme, {mano.x(), mano.y() - 7.5}, 14, 0);
    } else {
        DisegnaEmblema(p, seme, {mano.x(), mano.y() - 8.5}, 16, 0);
    }
    Ellisse(p, mano, 1.7, 1.7, kPelle, kContorno);
}

void Base(QPainter &p)
{
    QPainterPath base;
    base.addRoundedRect(QRectF(9, 63.5, 27, 4.5), 1, 1);
    Riempi(p, base, kMarrone, kContorno);
    p.setPen(Penna(QColor(0xC8, 0x96, 0x5A), 0.5));
    p.drawLine(QPointF(10.5, 64.6), QPointF(34.5, 64.6));
}

void Viso(QPainter &p, QPointF c, qreal r)
{
    Ellisse(p, c, r, r * 1.08, kPelle, kContorno);
    p.setPen(Qt::NoPen);
    p.setBrush(kContorno);
    p.drawEllipse(QPointF(c.x() - r * 0.38, c.y() - r * 0.05), r * 0.13, r * 0.13);
    p.drawEllipse(QPointF(c.x() + r * 0.38, c.y() - r * 0.05), r * 0.13, r * 0.13);
    p.setPen(Penna(QColor(0xA0, 0x30, 0x30), r * 0.14));
    p.drawLine(QPointF(c.x() - r * 0.25, c.y() + r * 0.5), QPointF(c.x() + r * 0.25, c.y() + r * 0.5));
}

// The knave: a young man in doublet and parti-coloured hose, bare-legged
// below a short tunic, with a feathered beret.
void Fante(QPainter &p, Seme seme)
{
    Base(p);
    // Legs and shoes.
    Poligono(p, {{17, 48}, {22, 48}, {21.5, 63}, {17.5, 63}}, kRosso, kContorno);
    Poligono(p, {{23, 48}, {28, 48}, {27.5, 63}, {23.5, 63}}, QColor(0xF0, 0xC8, 0x30), kContorno);
    Ellisse(p, {18.8, 63.2}, 2.6, 1.1, kContorno, kContorno);
    Ellisse(p, {26.2, 63.2}, 2.6, 1.1, kContorno, kContorno);
    // Tunic with a belt and a skirt.
    Poligono(p, {{14.5, 27}, {30.5, 27}, {32, 40}, {34, 50}, {11, 50}, {13, 40}}, kBlu, kContorno);
    p.setPen(Penna(kOro, 1.3));
    p.drawLine(QPointF(13.2, 40.5), QPointF(31.8, 40.5));
    p.setPen(Penna(kOro, 0.6));
    p.drawLine(QPointF(22.5, 28), QPointF(22.5, 40));
    // Left arm hanging, right arm raised to the emblem.
    Poligono(p, {{14.5, 27.5}, {11.5, 29}, {9.5, 42}, {12.5, 42.5}, {14.5, 33}}, kRosso, kContorno);
    Ellisse(p, {11, 43.5}, 1.6, 1.6, kPelle, kContorno);
    Poligono(p, {{30, 27.5}, {33, 28.5}, {37, 35.5}, {34.5, 37}, {30.5, 32}}, kRosso, kContorno);
    // Collar, head, hair and beret with a feather.
    Ellisse(p, {22.5, 26.8}, 4.2, 1.4, Qt::white, kContorno);
    Ellisse(p, {22.5, 20.5}, 4.6, 4.4, kMarrone, kContorno);
    Viso(p, {22.5, 21.2}, 3.6);
    Poligono(p, {{16.5, 17.5}, {18.5, 13.8}, {26.5, 13.2}, {29, 16.8}, {22.5, 18.3}}, kRosso, kContorno);
    p.setPen(Penna(Qt::white, 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath piuma;
    piuma.moveTo(26, 14.2);
    piuma.quadTo(30, 9, 33.5, 10.5);
    p.drawPath(piuma);
    p.setPen(Penna(kContorno, 0.3));
    p.drawPath(piuma);
    EmblemaInMano(p, seme, {35.8, 36.2});
}

// The king: crowned and bearded, in a long red cloak trimmed with ermine
// that falls to the base.
void Re(QPainter &p, Seme seme)
{
    Base(p);
    // Cloak behind, robe in front.
    Poligono(p, {{14, 25.5}, {31, 25.5}, {37, 63.5}, {8, 63.5}}, kRosso, kContorno);
    Poligono(p, {{18.5, 27}, {26.5, 27}, {29, 63.5}, {16, 63.5}}, kOro, kContorno);
    p.setPen(Penna(kOroScuro, 0.45));
    for (qreal y = 33; y < 62; y += 5)
        p.drawLine(QPointF(17.5 + (y - 27) * 0.04, y), QPointF(27.5 + (y - 27) * 0.04, y));
    // Ermine edges of the cloak.
    Poligono(p, {{16.5, 27}, {18.5, 27}, {16, 63.5}, {13.5, 63.5}}, Qt::white, kContorno, 0.4);
    Poligono(p, {{26.5, 27}, {28.5, 27}, {31.5, 63.5}, {29, 63.5}}, Qt::white, kContorno, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(kContorno);
    for (qreal y = 31; y < 62; y += 6) {
        p.drawEllipse(QPointF(16.6 - (y - 27) * 0.05, y), 0.45, 0.6);
        p.drawEllipse(QPointF(28.6 + (y - 27) * 0.06, y + 3), 0.45, 0.6);
    }
    Ellisse(p, {22.5, 26.5}, 6.5, 2.2, Qt::white, kContorno);
    // Arms: the left one across the body, the right raised to the emblem.
    Poligono(p, {{14.5, 27}, {11, 30}, {12, 41}, {15, 40.5}, {15.5, 32}}, kRosso, kContorno);
    Ellisse(p, {13.6, 42}, 1.6, 1.6, kPelle, kContorno);
    Poligono(p, {{30, 26.5}, {33.5, 28}, {37, 35.5}, {34.5, 37}, {30.5, 31.5}}, kRosso, kContorno);
    // Head with a white beard and a golden crown.
    Viso(p, {22.5, 19.5}, 3.8);
    QPainterPath barba;
    barba.moveTo(18.8, 20.5);
    barba.quadTo(19.5, 27.5, 22.5, 27.8);
    barba.quadTo(25.5, 27.5, 26.2, 20.5);
    barba.quadTo(22.5, 23.5, 18.8, 20.5);
    Riempi(p, barba, QColor(0xE6, 0xE2, 0xDA), kContorno, 0.4);
    Poligono(p,
             {{18, 16.5},
              {17.5, 10.5},
              {19.5, 13},
              {21, 9.5},
              {22.5, 12.5},
              {24, 9.5},
              {25.5, 13},
              {27.5, 10.5},
              {27, 16.5}},
             kOro, kOroScuro, 0.5);
    Ellisse(p, {22.5, 14.8}, 0.8, 0.8, kRosso, kOroScuro, 0.3);
    EmblemaInMano(p, seme, {35.8, 36.2});
}

// The horseman: a rider on a cream horse walking to the left.
void Cavallo(QPainter &p, Seme seme)
{
    const QColor crin(0x9A, 0x8A, 0x70);
    // Far legs first, then tail, body, neck and head.
    Poligono(p, {{16.5, 50}, {19, 50}, {18.5, 66}, {16.5, 66}}, QColor(0xDA, 0xD0, 0xB8), kContorno);
    Poligono(p, {{32, 50}, {34.5, 50}, {35.5, 66}, {33.5, 66}}, QColor(0xDA, 0xD0, 0xB8), kContorno);
    QPainterPath coda;
    coda.moveTo(36.5, 44);
    coda.cubicTo(41, 45, 41.5, 53, 39.5, 60);
    coda.cubicTo(38.5, 55, 37.5, 50, 35.5, 47);
    Riempi(p, coda, crin, kContorno);
    Poligono(p, {{12.5, 49}, {15, 49}, {14, 66}, {11.8, 66}}, kCrema, kContorno);
    Poligono(p, {{28, 50}, {30.5, 50}, {30, 66}, {27.8, 66}}, kCrema, kContorno);
    for (qreal x : {12.9, 17.5, 28.9, 34.5})
        Ellisse(p, {x, 66.2}, 1.5, 0.9, kContorno, kContorno);
    Ellisse(p, {25, 46}, 12.5, 6.8, kCrema, kContorno);
    Poligono(p, {{10.5, 31}, {15, 29}, {19.5, 43}, {13, 47}}, kCrema, kContorno);
    QPainterPath testa;
    testa.moveTo(10, 30.5);
    testa.lineTo(14.5, 29.5);
    testa.lineTo(9, 40);
    testa.quadTo(6.5, 41.5, 5, 39.5);
    testa.closeSubpath();
    Riempi(p, testa, kCrema, kContorno);
    Poligono(p, {{11, 30.8}, {12, 27.5}, {13.2, 30.2}}, kCrema, kContorno);
    p.setPen(Penna(crin, 1.4));
    p.drawLine(QPointF(14.5, 30.5), QPointF(18.2, 41));
    p.setPen(Qt::NoPen);
    p.setBrush(kContorno);
    p.drawEllipse(QPointF(10.3, 33.2), 0.6, 0.6);
    p.setPen(Penna(kRosso, 0.7));
    p.drawLine(QPointF(7.5, 38.5), QPointF(20, 37.5));
    // Saddle cloth, rider's leg, body, arms and head.
    Poligono(p, {{19, 40}, {31, 40}, {30, 51}, {20, 51}}, kRosso, kContorno);
    p.setPen(Penna(kOro, 0.8));
    p.drawLine(QPointF(20.3, 49.8), QPointF(29.7, 49.8));
    Poligono(p, {{22, 40}, {26, 40}, {26.5, 52}, {23, 52}}, kBlu, kContorno);
    Poligono(p, {{22.5, 51.5}, {27.5, 51.5}, {28, 54}, {22.5, 54}}, kContorno, kContorno);
    Poligono(p, {{20, 26.5}, {29, 26.5}, {30, 41.5}, {19.5, 41.5}}, kBlu, kContorno);
    p.setPen(Penna(kOro, 1.1));
    p.drawLine(QPointF(19.7, 37), QPointF(29.8, 37));
    Poligono(p, {{20.5, 27}, {17.5, 30}, {15.5, 37}, {18, 38}, {20.5, 32}}, kRosso, kContorno);
    Ellisse(p, {16.5, 38.2}, 1.5, 1.5, kPelle, kContorno);
    p.setPen(Penna(kMarrone, 0.5));
    p.drawLine(QPointF(16.5, 38.5), QPointF(11.5, 33));
    Poligono(p, {{28.5, 26.5}, {31.5, 27.5}, {36, 33.5}, {34, 35}, {29.5, 31}}, kRosso, kContorno);
    Viso(p, {24.5, 21.5}, 3.6);
    Poligono(p, {{19.5, 18.5}, {21.5, 14.5}, {28, 14.5}, {29.5, 18.5}}, kVerde, kContorno);
    Ellisse(p, {24.5, 18.8}, 5.5, 1.0, kVerde, kContorno);
    EmblemaInMano(p, seme, {35.2, 34.2});
}

} // namespace

void DisegnaEmblema(QPainter &painter, Seme seme, QPointF centro, qreal altezza, qreal angolo, Ornato ornato)
{
    painter.save();
    painter.translate(centro);
    painter.rotate(angolo);
    switch (seme) {
    case Seme::Bastoni:
        Bastone(painter, altezza, ornato);
        break;
    case Seme::Coppe:
        Coppa(painter, altezza, ornato);
        break;
    case Seme::Denari:
        Denaro(painter, altezza, ornato);
        break;
    case Seme::Spade:
        Spada(painter, altezza, ornato);
        break;
    }
    painter.restore();
}

void DisegnaCarta(QPainter &painter, const QRectF &dove, int code)
{
    if (!IsCarta(code) || dove.isEmpty())
        return;
    const auto seme = belvane::SemeDi(code);
    const int valore = (code - 1) % 10 + 1;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(dove, Qt::white);
    painter.setClipRect(dove, Qt::IntersectClip);
    painter.translate(dove.topLeft());
    painter.scale(dove.width() / kLarghezzaCarta, dove.height() / kAltezzaCarta);

    if (valore == 1) {
        Asso(painter, seme);
    } else if (valore <= 7) {
        for (const Posa &posa : Disposizione(seme, valore))
            DisegnaEmblema(painter, seme, {posa.x, posa.y}, posa.altezza, posa.angolo);
    } else if (valore == 8) {
        Fante(painter, seme);
    } else if (valore == 9) {
        Cavallo(painter, seme);
    } else {
        Re(painter, seme);
    }
    painter.restore();
}

} // namespace belvane::cardart
