#include "disegno_carte.h"

#include "registrazione.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <span>

namespace belvane::cardart {
namespace {

// Palette of the Neapolitan pattern. The drawing uses only flat colours so
// that the small rendering below can pick one per pixel.
const QColor kOro(0xE8, 0xB0, 0x20);
const QColor kOroScuro(0x7A, 0x48, 0x00);
const QColor kOroCavo(0xB8, 0x7A, 0x10);
const QColor kRosso(0xCC, 0x22, 0x1C);
const QColor kRossoScuro(0x6A, 0x0C, 0x0A);
const QColor kVerde(0x2A, 0x8A, 0x34);
const QColor kVerdeScuro(0x0A, 0x38, 0x10);
const QColor kBlu(0x22, 0x5A, 0xD0);
const QColor kBluScuro(0x0A, 0x1C, 0x5E);
const QColor kBluChiaro(0x9C, 0xC4, 0xF8);
const QColor kContorno(0x1A, 0x14, 0x10);
const QColor kPelle(0xF6, 0xC8, 0x98);
const QColor kMarrone(0x84, 0x52, 0x24);
const QColor kBianco(0xFF, 0xFF, 0xFF);
const QColor kErmellino(0xF4, 0xF2, 0xEC);
const QColor kViola(0x6C, 0x2A, 0x8C);
const QColor kArancio(0xEE, 0x84, 0x1C);
const QColor kCeleste(0x5C, 0xB4, 0xE8);
const QColor kNero(0x24, 0x20, 0x24);
const QColor kGrigio(0x9A, 0x9A, 0xA4);

// Line widths in card units: at the natural size a card unit is a pixel.
constexpr qreal kTratto = 1.0;
constexpr qreal kTrattoFine = 0.6;

// The small rendering: the scene is drawn without smoothing at this many
// times the natural size and every block of samples becomes one pixel.
constexpr int kCampioni = 4;
// Within this much of the natural size a card is drawn as a pixel picture;
// further off, the smoothed drawing scales better.
constexpr qreal kScartoPiccola = 0.2;
// Up to this many times the natural size (a card on a full 2560 x 1440
// screen is about 4) the smoothed drawing is played from a recording.
constexpr qreal kScalaRegistrata = 8;

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

void Macchia(QPainter &p, QPointF c, qreal rx, qreal ry, const QColor &colore)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawEllipse(c, rx, ry);
}

void Poligono(QPainter &p, std::initializer_list<QPointF> punti, const QColor &fondo, const QColor &bordo,
              qreal w = kTratto)
{
    p.setPen(Penna(bordo, w));
    p.setBrush(fondo);
    p.drawPolygon(QPolygonF(punti));
}

void Linea(QPainter &p, QPointF a, QPointF b, const QColor &c, qreal w)
{
    p.setPen(Penna(c, w));
    p.drawLine(a, b);
}

// ---- Emblems, each drawn upright around the origin, `h` long ----

// A golden coin with a flower in the middle: red petals round a golden heart.
void Denaro(QPainter &p, qreal h, Ornato ornato)
{
    const qreal r = h / 2;
    const bool grande = ornato == Ornato::Si;
    Ellisse(p, {0, 0}, r, r, kOro, kOroScuro, grande ? 1.4 : kTratto);
    const int petali = grande ? 8 : 6;
    const qreal giro = grande ? r * 0.3 : r * 0.42;
    if (grande) {
        // A wreath of alternating red and green leaves, a ring of pearls.
        for (int i = 0; i < 20; ++i) {
            p.save();
            p.rotate(i * 18.0);
            Ellisse(p, {0, -r * 0.76}, r * 0.09, r * 0.15, i % 2 ? kVerde : kRosso, kOroScuro, kTrattoFine);
            p.restore();
        }
        p.setPen(Penna(kOroScuro, 1.0));
        p.setBrush(kOroCavo);
        p.drawEllipse(QPointF(0, 0), r * 0.6, r * 0.6);
        Ellisse(p, {0, 0}, r * 0.54, r * 0.54, kOro, kOroScuro, kTrattoFine);
    }
    for (int i = 0; i < petali; ++i) {
        p.save();
        p.rotate(i * 360.0 / petali);
        Ellisse(p, {0, -giro}, r * (grande ? 0.12 : 0.2), r * (grande ? 0.22 : 0.3), kRosso, kRossoScuro,
                grande ? kTrattoFine : 0.01);
        p.restore();
    }
    Ellisse(p, {0, 0}, r * (grande ? 0.13 : 0.2), r * (grande ? 0.13 : 0.2), kOro, kOroScuro,
            grande ? kTrattoFine : 0.01);
}

void Coppa(QPainter &p, qreal h, Ornato ornato)
{
    const qreal w = h * 0.74;
    const qreal t = ornato == Ornato::Si ? 1.3 : kTratto;
    QPainterPath coppa;
    coppa.moveTo(-w / 2, -h / 2);
    coppa.lineTo(w / 2, -h / 2);
    coppa.cubicTo(w / 2, -h * 0.12, w * 0.16, -h * 0.02, w * 0.1, h * 0.02);
    coppa.lineTo(w * 0.1, h * 0.28);
    coppa.cubicTo(w * 0.14, h * 0.38, w * 0.4, h * 0.38, w * 0.42, h * 0.5);
    coppa.lineTo(-w * 0.42, h * 0.5);
    coppa.cubicTo(-w * 0.4, h * 0.38, -w * 0.14, h * 0.38, -w * 0.1, h * 0.28);
    coppa.lineTo(-w * 0.1, h * 0.02);
    coppa.cubicTo(-w * 0.16, -h * 0.02, -w / 2, -h * 0.12, -w / 2, -h / 2);
    coppa.closeSubpath();
    Riempi(p, coppa, kOro, kOroScuro, t);
    // A red band round the bowl and a knop on the stem.
    p.setPen(Penna(kRosso, std::max(1.6, h * 0.08)));
    p.drawLine(QPointF(-w * 0.36, -h * 0.3), QPointF(w * 0.36, -h * 0.3));
    Ellisse(p, {0, h * 0.15}, w * 0.2, h * 0.055, kOro, kOroScuro, t);
    Ellisse(p, {0, -h / 2}, w / 2, std::max(1.2, h * 0.05), kOroCavo, kOroScuro, t);
    if (ornato == Ornato::Si) {
        // Gems along the band and on the knop, a crown of petals at the mouth.
        for (int i = -2; i <= 2; ++i)
            Ellisse(p, {i * w * 0.15, -h * 0.3}, h * 0.025, h * 0.025, i % 2 ? kVerde : kBlu, kOroScuro, kTrattoFine);
        for (int i = -3; i <= 3; ++i)
            Ellisse(p, {i * w * 0.13, -h / 2 - h * 0.05}, h * 0.03, h * 0.06, kOro, kOroScuro, kTrattoFine);
        Ellisse(p, {0, h * 0.15}, h * 0.025, h * 0.025, kRosso, kOroScuro, kTrattoFine);
        p.setPen(Penna(kOroScuro, kTrattoFine));
        p.drawLine(QPointF(-w * 0.3, h * 0.45), QPointF(w * 0.3, h * 0.45));
    }
}

// A blue sword with a golden hilt. `curva` bends the blade sideways towards
// the tip (card units at the tip), as the old swords of the pattern do.
void Spada(QPainter &p, qreal h, Ornato ornato, qreal curva)
{
    const qreal d = ornato == Ornato::Si ? 1.6 : 1.0; // size of the details
    const qreal mezza = 1.5 * d;                      // half the blade
    const qreal pomo = 1.6 * d;
    const qreal impugnatura = 3.0 * d;
    const qreal guardia = h / 2 - 2 * pomo - impugnatura; // y of the cross-guard
    const qreal punta = -h / 2;
    // The blade: two edges that taper to the point, bending as they rise.
    constexpr int kPassi = 12;
    QPolygonF lama;
    const auto asse = [&](qreal s) { return curva * s * s; };
    for (int i = 0; i <= kPassi; ++i) {
        const qreal s = qreal(i) / kPassi;
        const qreal y = guardia + (punta + mezza * 2 - guardia) * s;
        lama << QPointF(asse(s) - mezza, y);
    }
    lama << QPointF(asse(1.0) + curva * 0.1, punta);
    for (int i = kPassi; i >= 0; --i) {
        const qreal s = qreal(i) / kPassi;
        const qreal y = guardia + (punta + mezza * 2 - guardia) * s;
        lama << QPointF(asse(s) + mezza, y);
    }
    p.setPen(Penna(kBluScuro, kTratto * d));
    p.setBrush(kBlu);
    p.drawPolygon(lama);
    if (curva == 0) {
        // The lit edge of the blade.
        p.setPen(QPen(kBluChiaro, 1.0 * d, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(-0.5 * d, guardia - 0.5), QPointF(-0.5 * d, punta + 3 * mezza));
    }
    // Hilt: a cross-guard with curled ends, a red grip and a round pommel.
    const qreal gw = (ornato == Ornato::Si ? 0.16 * h : 3.2);
    QPainterPath croce;
    croce.moveTo(-gw, guardia - 1.4 * d);
    croce.quadTo(-gw * 0.5, guardia + 0.4 * d, 0, guardia);
    croce.quadTo(gw * 0.5, guardia + 0.4 * d, gw, guardia - 1.4 * d);
    croce.lineTo(gw, guardia + 0.4 * d);
    croce.quadTo(gw * 0.5, guardia + 2.0 * d, 0, guardia + 1.6 * d);
    croce.quadTo(-gw * 0.5, guardia + 2.0 * d, -gw, guardia + 0.4 * d);
    croce.closeSubpath();
    Riempi(p, croce, kOro, kOroScuro, kTratto * d);
    p.setPen(QPen(kRossoScuro, 2.6 * d, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, guardia + 1.8 * d), QPointF(0, h / 2 - 2 * pomo + 0.2));
    p.setPen(QPen(kRosso, 1.0 * d, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, guardia + 1.8 * d), QPointF(0, h / 2 - 2 * pomo + 0.2));
    Ellisse(p, {0, h / 2 - pomo}, pomo, pomo, kOro, kOroScuro, kTratto * d);
    if (ornato == Ornato::Si) {
        // Two laurel sprays rising from the hilt, and a red gem on the guard.
        for (int lato : {-1, 1}) {
            for (int i = 0; i < 5; ++i) {
                const qreal y = guardia - d * (4 + i * 5.5);
                const qreal x = lato * (d * (4.8 + 0.5 * i - 0.25 * i * i));
                p.save();
                p.translate(x, y);
                p.rotate(lato * (28 + i * 4));
                Ellisse(p, {0, 0}, d * 1.1, d * 2.6, i % 2 ? kVerde : kOro, i % 2 ? kVerdeScuro : kOroScuro,
                        kTrattoFine * d);
                p.restore();
            }
        }
        Ellisse(p, {0, guardia + 0.2 * d}, 1.0 * d, 1.0 * d, kRosso, kRossoScuro, kTrattoFine * d);
    }
}

// A knotty cudgel: green wood, thicker at the head, red knots where the
// branches were lopped and golden leaves sprouting from two of them.
void Bastone(QPainter &p, qreal h, Ornato ornato)
{
    const qreal d = ornato == Ornato::Si ? 1.8 : 1.0;
    const qreal testa = (ornato == Ornato::Si ? 5.4 : std::clamp(h * 0.1, 3.0, 3.6)) * d / d;
    const qreal piede = testa * 0.55;
    const qreal t = kTratto * (ornato == Ornato::Si ? 1.3 : 1.0);
    struct Nodo {
        qreal s, lato; // along the club from the butt (0) to the head (1), side
    };
    constexpr std::array<Nodo, 3> kNodi{{{0.3, -1}, {0.52, 1}, {0.74, -1}}};
    const auto mezza = [&](qreal s) { return piede + (testa - piede) * std::pow(s, 0.8); };
    const auto y = [&](qreal s) { return h / 2 - s * (h - testa); };
    // Golden leaves first, so the wood covers their stems.
    for (int i : {0, 1}) {
        const Nodo &n = kNodi[size_t(i + 1)];
        p.save();
        p.translate(n.lato * mezza(n.s) * 0.8, y(n.s));
        p.rotate(n.lato * 32);
        Ellisse(p, {0, -testa * 0.75}, testa * 0.36, testa * 0.8, kOro, kOroScuro, t * 0.8);
        p.restore();
    }
    if (ornato == Ornato::Si) {
        for (int lato : {-1, 1}) {
            p.save();
            p.translate(lato * testa * 0.7, -h * 0.4);
            p.rotate(lato * 40);
            Ellisse(p, {0, -testa * 0.8}, testa * 0.34, testa * 0.85, kVerde, kVerdeScuro, t * 0.8);
            p.restore();
        }
    }
    // The wood, its edges bulging at the knots.
    constexpr int kPassi = 24;
    QPolygonF legno;
    for (int lato : {-1, 1}) {
        for (int k = 0; k <= kPassi; ++k) {
            const qreal s = lato < 0 ? qreal(k) / kPassi : 1.0 - qreal(k) / kPassi;
            qreal w = mezza(s);
            for (const Nodo &n : kNodi)
                if (n.lato == lato)
                    w += testa * 0.3 * std::max(0.0, 1.0 - std::abs(s - n.s) * 14);
            legno << QPointF(lato * w, y(s));
        }
        if (lato < 0) {
            // Round the head.
            for (int k = 1; k < 8; ++k) {
                const qreal a = M_PI * k / 8;
                legno << QPointF(-testa * std::cos(a), y(1.0) - testa * 0.9 * std::sin(a));
            }
        }
    }
    p.setPen(Penna(kVerdeScuro, t));
    p.setBrush(kVerde);
    p.drawPolygon(legno);
    for (const Nodo &n : kNodi)
        Ellisse(p, {n.lato * mezza(n.s) * 0.95, y(n.s)}, testa * 0.34, testa * 0.3, kRosso, kRossoScuro, t * 0.6);
    // A red band near the butt.
    p.setPen(QPen(kRosso, std::max(1.2, h * 0.035), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-mezza(0.1) + 0.4, y(0.1)), QPointF(mezza(0.1) - 0.4, y(0.1)));
}

// ---- Emblem layouts: one table per kind of suit and rank ----

struct Posa {
    qreal x = 0, y = 0, altezza = 0, angolo = 0, curva = 0;
};

// Round emblems (Coppe, Denari) stand in rows and columns, centred on pixels.
constexpr std::array<Posa, 2> kDenari2{{{22.5, 19.5, 19}, {22.5, 52.5, 19}}};
constexpr std::array<Posa, 3> kDenari3{{{22.5, 13.5, 17}, {22.5, 36.5, 17}, {22.5, 58.5, 17}}};
constexpr std::array<Posa, 4> kDenari4{{{12.5, 19.5, 17}, {32.5, 19.5, 17}, {12.5, 52.5, 17}, {32.5, 52.5, 17}}};
constexpr std::array<Posa, 5> kDenari5{
    {{11.5, 11.5, 15}, {33.5, 11.5, 15}, {22.5, 36, 17}, {11.5, 60.5, 15}, {33.5, 60.5, 15}}};
constexpr std::array<Posa, 6> kDenari6{
    {{12.5, 12.5, 15}, {32.5, 12.5, 15}, {12.5, 36, 15}, {32.5, 36, 15}, {12.5, 59.5, 15}, {32.5, 59.5, 15}}};
constexpr std::array<Posa, 7> kDenari7{{{13.5, 11.5, 13},
                                        {31.5, 11.5, 13},
                                        {7.5, 36, 12.5},
                                        {22.5, 36, 12.5},
                                        {37.5, 36, 12.5},
                                        {13.5, 60.5, 13},
                                        {31.5, 60.5, 13}}};

constexpr std::array<Posa, 2> kCoppe2{{{22.5, 19, 25}, {22.5, 53, 25}}};
constexpr std::array<Posa, 3> kCoppe3{{{22.5, 12.5, 17}, {22.5, 36, 17}, {22.5, 59.5, 17}}};
constexpr std::array<Posa, 4> kCoppe4{{{12.5, 18, 20}, {32.5, 18, 20}, {12.5, 54, 20}, {32.5, 54, 20}}};
// From five up the cups are smaller than the rows are tall, so the rows
// stay apart and the cups are counted, not read as columns.
constexpr std::array<Posa, 5> kCoppe5{{{11.5, 12, 16}, {33.5, 12, 16}, {22.5, 36, 17}, {11.5, 60, 16}, {33.5, 60, 16}}};
constexpr std::array<Posa, 6> kCoppe6{
    {{12.5, 12, 16}, {32.5, 12, 16}, {12.5, 36, 16}, {32.5, 36, 16}, {12.5, 60, 16}, {32.5, 60, 16}}};
constexpr std::array<Posa, 7> kCoppe7{
    {{13.5, 12, 15}, {31.5, 12, 15}, {8, 36, 14}, {22.5, 36, 14}, {37, 36, 14}, {13.5, 60, 15}, {31.5, 60, 15}}};

// Long emblems (Bastoni, Spade). Uprights stand on whole x, so the edges of
// a blade fall on pixel centres. A crossed pair is one figure of the layout;
// nothing else touches it: two is one long cross, three stands upright side
// by side, four is two crosses, five lays one across between them, six adds
// an upright on each side, seven puts three short uprights between them, so
// that every count has an outline of its own.
constexpr qreal kCurva = 2.5;
constexpr std::array<Posa, 2> kLunghi2{{{22.5, 36, 62, 22, kCurva}, {22.5, 36, 62, -22, -kCurva}}};
constexpr std::array<Posa, 3> kLunghi3{{{10, 36, 58, 0}, {22, 36, 62, 0}, {35, 36, 58, 0}}};
constexpr std::array<Posa, 4> kLunghi4{{{22.5, 18, 30, 26, kCurva},
                                        {22.5, 18, 30, -26, -kCurva},
                                        {22.5, 54, 30, 26, kCurva},
                                        {22.5, 54, 30, -26, -kCurva}}};
constexpr std::array<Posa, 5> kLunghi5{{{22.5, 15, 24, 28, kCurva},
                                        {22.5, 15, 24, -28, -kCurva},
                                        {22.5, 36, 38, 90},
                                        {22.5, 57, 24, 28, kCurva},
                                        {22.5, 57, 24, -28, -kCurva}}};
constexpr std::array<Posa, 6> kLunghi6{{{22.5, 19, 28, 22, kCurva},
                                        {22.5, 19, 28, -22, -kCurva},
                                        {22.5, 53, 28, 22, kCurva},
                                        {22.5, 53, 28, -22, -kCurva},
                                        {7, 36, 60, 0},
                                        {38, 36, 60, 0}}};
constexpr std::array<Posa, 7> kLunghi7{{{22.5, 13, 22, 28, kCurva},
                                        {22.5, 13, 22, -28, -kCurva},
                                        {11, 36, 18, 0},
                                        {22, 36, 18, 0},
                                        {34, 36, 18, 0},
                                        {22.5, 59, 22, 28, kCurva},
                                        {22.5, 59, 22, -28, -kCurva}}};

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

void Emblema(QPainter &p, Seme seme, QPointF centro, qreal altezza, qreal angolo, Ornato ornato, qreal curva)
{
    p.save();
    p.translate(centro);
    p.rotate(angolo);
    switch (seme) {
    case Seme::Bastoni:
        Bastone(p, altezza, ornato);
        break;
    case Seme::Coppe:
        Coppa(p, altezza, ornato);
        break;
    case Seme::Denari:
        Denaro(p, altezza, ornato);
        break;
    case Seme::Spade:
        Spada(p, altezza, ornato, curva);
        break;
    }
    p.restore();
}

// The ace: one large emblem in the middle.
void Asso(QPainter &p, Seme seme)
{
    switch (seme) {
    case Seme::Denari:
        Emblema(p, seme, {22.5, 36}, 39, 0, Ornato::Si, 0);
        break;
    case Seme::Coppe:
        Emblema(p, seme, {22.5, 37}, 50, 0, Ornato::Si, 0);
        break;
    case Seme::Spade:
        Emblema(p, seme, {22.5, 36}, 64, 0, Ornato::Si, 0);
        break;
    case Seme::Bastoni:
        Emblema(p, seme, {22.5, 37}, 62, 0, Ornato::Si, 0);
        break;
    }
}

// ---- The figures ----

// How a figure holds its emblem.
enum class Presa {
    Alzata,   // raised high above the head (a cup, a sword)
    Spalla,   // over the shoulder (a club)
    Mostrata, // shown in the hand in front of the chest (a coin)
    Riposo,   // upright at the side, point or butt down
};

enum class Copricapo { Berretto, Cappello, Piumato, Cuffia };
enum class Corona { Aperta, Chiusa, Gigli, Alta };

// Everything that sets one suit's figure apart from another's.
struct Veste {
    QColor abito, maniche, calzaSinistra, calzaDestra, mantello, fodera, copricapo, capelli;
    Presa presa;
    bool specchio; // faces and holds to the other side
};

Veste VesteDi(Seme seme, int valore)
{
    const bool re = valore == 10;
    switch (seme) {
    case Seme::Bastoni:
        return {kVerde, kRosso, kRosso, kOro, re ? kVerde : kRosso, kOro, kMarrone, kMarrone, Presa::Spalla, false};
    case Seme::Coppe:
        return {kRosso,        kOro, kBlu, kBlu, re ? kRosso : kBlu, kErmellino, kBlu, QColor(0xD8, 0x9A, 0x30),
                Presa::Alzata, true};
    case Seme::Denari:
        return {
            kBlu, kArancio, kVerde, kVerde, re ? kBlu : kVerde, kOro, kRosso, QColor(0x40, 0x28, 0x18), Presa::Mostrata,
            false};
    case Seme::Spade:
        return {kOro, kViola, kRosso, kNero, re ? kViola : kNero, kCeleste, kNero, kContorno, Presa::Riposo, true};
    }
    return {};
}

void Pixel(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &c) { p.fillRect(QRectF(x, y, w, h), c); }

// A face centred on pixel column 22 at `cy`: seven pixels wide, two dark
// eyes, a red mouth. `sguardo` turns it: the features move that many pixels
// sideways, towards where the figure looks.
void Viso(QPainter &p, qreal cy, const QColor &capelli, bool barba, const QColor &coloreBarba, qreal sguardo = 0)
{
    Ellisse(p, {22.5, cy}, 3.0, 3.5, kPelle, kContorno);
    if (barba) {
        QPainterPath b;
        b.moveTo(19.5, cy);
        b.quadTo(19.5, cy + 6, 22.5, cy + 6.5);
        b.quadTo(25.5, cy + 6, 25.5, cy);
        b.quadTo(22.5, cy + 2.5, 19.5, cy);
        Riempi(p, b, coloreBarba, kContorno, kTrattoFine);
    }
    // Hair framing the forehead.
    QPainterPath c;
    c.moveTo(19.2, cy + 0.5);
    c.quadTo(19, cy - 4.2, 22.5, cy - 4.2);
    c.quadTo(26, cy - 4.2, 25.8, cy + 0.5);
    c.quadTo(25, cy - 2, 22.5, cy - 2.2);
    c.quadTo(20, cy - 2, 19.2, cy + 0.5);
    Riempi(p, c, capelli, kContorno, kTrattoFine);
    Macchia(p, {21.5 + sguardo, cy - 0.5}, 0.62, 0.62, kContorno);
    Macchia(p, {23.5 + sguardo, cy - 0.5}, 0.62, 0.62, kContorno);
    Macchia(p, {22.5 + sguardo, cy + 1.9}, 0.9, 0.55, barba ? kRossoScuro : kRosso);
}

void Base(QPainter &p, Seme seme)
{
    const QColor colore = seme == Seme::Bastoni ? kMarrone
        : seme == Seme::Coppe                   ? QColor(0x2E, 0x5A, 0x3A)
        : seme == Seme::Denari                  ? QColor(0x7A, 0x2A, 0x2A)
                                                : QColor(0x50, 0x58, 0x70);
    QPainterPath base;
    base.addRoundedRect(QRectF(10.5, 64.5, 24, 4), 1, 1);
    Riempi(p, base, colore, kContorno);
    Linea(p, {12, 65.7}, {33, 65.7}, colore.lighter(150), kTrattoFine);
}

// A hand at `mano` holding the suit's emblem the way `presa` says.
void EmblemaInMano(QPainter &p, Seme seme, QPointF mano, Presa presa)
{
    const qreal lungo = seme == Seme::Spade ? 30 : 27;
    switch (presa) {
    case Presa::Alzata:
        if (seme == Seme::Spade)
            Emblema(p, seme, {mano.x() + 4, mano.y() - lungo / 2 + 5}, lungo, 15, Ornato::No, 0);
        else
            Emblema(p, seme, {mano.x(), mano.y() - 7.5}, 14, 0, Ornato::No, 0);
        break;
    case Presa::Spalla:
        Emblema(p, seme, {mano.x() + 4.5, mano.y() - 7.5}, lungo, 30, Ornato::No, 0);
        break;
    case Presa::Mostrata:
        Emblema(p, seme, {mano.x() + 0.5, mano.y() - 5}, 13, 0, Ornato::No, 0);
        break;
    case Presa::Riposo:
        Emblema(p, seme, {mano.x(), mano.y() + lungo / 2 - 5}, lungo, 180, Ornato::No, 0);
        break;
    }
    Ellisse(p, mano, 1.5, 1.5, kPelle, kContorno, kTrattoFine);
}

void Copricapo(QPainter &p, Seme seme, qreal cy, const QColor &c)
{
    switch (seme) {
    case Seme::Bastoni: // a wide-brimmed hat
        Ellisse(p, {22.5, cy - 3.2}, 6.5, 1.4, c, kContorno);
        Poligono(p, {{19.5, cy - 3.5}, {20, cy - 7}, {25, cy - 7}, {25.5, cy - 3.5}}, c, kContorno);
        Linea(p, {20, cy - 4.3}, {25, cy - 4.3}, kOro, 1.0);
        break;
    case Seme::Coppe: { // a beret with a white plume
        Ellisse(p, {22, cy - 4}, 5.2, 2.0, c, kContorno);
        QPainterPath piuma;
        piuma.moveTo(24.5, cy - 5);
        piuma.cubicTo(26, cy - 10, 29, cy - 11, 30, cy - 9.5);
        piuma.cubicTo(28.5, cy - 9, 27, cy - 7, 26, cy - 4.8);
        piuma.closeSubpath();
        Riempi(p, piuma, kBianco, kContorno, kTrattoFine);
        break;
    }
    case Seme::Denari: // a tall red cap with a golden band
        Poligono(p, {{19.3, cy - 2.8}, {21, cy - 9}, {25.5, cy - 8}, {25.7, cy - 2.8}}, c, kContorno);
        Linea(p, {19.5, cy - 3.2}, {25.5, cy - 3.2}, kOro, 1.4);
        break;
    case Seme::Spade: // a morion with a crest
        Poligono(p, {{18.5, cy - 2.5}, {20, cy - 6}, {25, cy - 6}, {26.5, cy - 2.5}}, kGrigio, kContorno);
        Poligono(p, {{20.5, cy - 6}, {22.5, cy - 10}, {24.5, cy - 6}}, kRosso, kContorno);
        break;
    }
}

void Corona(QPainter &p, Seme seme, qreal cy)
{
    const qreal b = cy - 3; // where the crown sits on the head
    switch (seme) {
    case Seme::Bastoni:
        Poligono(p, {{19, b}, {18.5, b - 5}, {20.5, b - 3}, {22.5, b - 6}, {24.5, b - 3}, {26.5, b - 5}, {26, b}}, kOro,
                 kOroScuro);
        break;
    case Seme::Coppe:
        Ellisse(p, {22.5, b - 3}, 3.0, 2.5, kRosso, kRossoScuro);
        Poligono(p, {{19, b}, {18.5, b - 4}, {20.5, b - 2.5}, {22.5, b - 4.5}, {24.5, b - 2.5}, {26.5, b - 4}, {26, b}},
                 kOro, kOroScuro);
        Ellisse(p, {22.5, b - 6}, 1.0, 1.0, kOro, kOroScuro, kTrattoFine);
        break;
    case Seme::Denari:
        Poligono(p, {{19, b}, {19.5, b - 4}, {26, b - 4}, {26, b}}, kOro, kOroScuro);
        for (qreal x : {19.5, 22.5, 25.5})
            Ellisse(p, {x, b - 5}, 1.1, 1.1, kOro, kOroScuro, kTrattoFine);
        break;
    case Seme::Spade:
        Poligono(p, {{19.5, b}, {19, b - 7}, {22.5, b - 5}, {26, b - 7}, {25.5, b}}, kOro, kOroScuro);
        Ellisse(p, {22.5, b - 2}, 0.9, 0.9, kBlu, kBluScuro, kTrattoFine);
        break;
    }
}

// The figure is drawn facing right; a mirrored suit flips the whole of it.
void Specchia(QPainter &p, bool specchio)
{
    if (specchio) {
        p.translate(kLarghezzaCarta, 0);
        p.scale(-1, 1);
    }
}

// The knave: a young man standing in doublet and hose on a small base.
void Fante(QPainter &p, Seme seme)
{
    const Veste v = VesteDi(seme, 8);
    p.save();
    Specchia(p, v.specchio);
    Base(p, seme);
    // A short cape behind the shoulders (the swordsman's).
    if (seme == Seme::Spade)
        Poligono(p, {{15.5, 25.5}, {29.5, 25.5}, {33, 45}, {12, 45}}, kRosso, kContorno);
    // Legs in parti-coloured hose, shoes; the clubman stands astride.
    const qreal largo = seme == Seme::Bastoni ? 2.5 : 0;
    Poligono(p, {{17.5, 47}, {22, 47}, {21.5 - largo, 63}, {18 - largo, 63}}, v.calzaSinistra, kContorno);
    Poligono(p, {{23, 47}, {27.5, 47}, {27 + largo, 63}, {23.5 + largo, 63}}, v.calzaDestra, kContorno);
    Ellisse(p, {19 - largo, 63.5}, 2.5, 1.2, kContorno, kContorno);
    Ellisse(p, {26 + largo, 63.5}, 2.5, 1.2, kContorno, kContorno);
    if (seme == Seme::Spade) // puffed breeches
        for (qreal x : {19.5, 25.5})
            Ellisse(p, {x, 50}, 3.2, 3.5, kViola, kContorno);
    // Doublet with a skirt and a belt; the coin-bearer's coat falls to the knee.
    const qreal orlo = seme == Seme::Denari ? 55 : 49;
    Poligono(p, {{16.5, 26}, {28.5, 26}, {29.5, 40}, {32, orlo}, {13, orlo}, {15.5, 40}}, v.abito, kContorno);
    Linea(p, {15.5, 40.5}, {29.5, 40.5}, kContorno, 1.2);
    Linea(p, {22.5, 27}, {22.5, seme == Seme::Denari ? 54.0 : 39.0}, v.maniche, 1.0);
    // The free arm hangs at the side, or rests on the hip.
    if (seme == Seme::Bastoni || seme == Seme::Spade) {
        Poligono(p, {{16.5, 26.5}, {12.5, 29}, {10.5, 35}, {14.5, 40}, {16.5, 38.5}, {14, 34.5}, {16.5, 31}}, v.maniche,
                 kContorno);
        Ellisse(p, {15.5, 39.5}, 1.5, 1.5, kPelle, kContorno, kTrattoFine);
    } else {
        Poligono(p, {{16.5, 26.5}, {13.5, 28}, {12, 40}, {15, 40.5}, {16.5, 32}}, v.maniche, kContorno);
        Ellisse(p, {13.5, 41.5}, 1.5, 1.5, kPelle, kContorno, kTrattoFine);
    }
    // The arm that holds the emblem.
    QPointF mano;
    switch (v.presa) {
    case Presa::Alzata:
        Poligono(p, {{28, 26.5}, {31, 27}, {34.5, 20}, {32, 19}}, v.maniche, kContorno);
        mano = {33.5, 19};
        break;
    case Presa::Spalla:
        Poligono(p, {{28, 26.5}, {31, 27.5}, {30, 35}, {26, 34}}, v.maniche, kContorno);
        mano = {27.5, 33};
        break;
    case Presa::Mostrata:
        Poligono(p, {{28, 26.5}, {31, 27.5}, {33, 35}, {30, 36}}, v.maniche, kContorno);
        mano = {32.5, 35.5};
        break;
    case Presa::Riposo:
        Poligono(p, {{28, 26.5}, {31, 27.5}, {34, 38}, {31, 39}}, v.maniche, kContorno);
        mano = {33, 39};
        break;
    }
    // Collar, head, headgear.
    Ellisse(p, {22.5, 25.8}, 4.0, 1.3, kBianco, kContorno, kTrattoFine);
    Viso(p, 20.5, v.capelli, false, v.capelli);
    Copricapo(p, seme, 20.5, v.copricapo);
    EmblemaInMano(p, seme, mano, v.presa);
    p.restore();
}

// The king: crowned and bearded, in a cloak lined with ermine that falls to
// the base over a plain robe.
void Re(QPainter &p, Seme seme)
{
    const Veste v = VesteDi(seme, 10);
    p.save();
    Specchia(p, v.specchio);
    Base(p, seme);
    // Cloak, robe, ermine edges.
    Poligono(p, {{15.5, 26}, {29.5, 26}, {36, 64.5}, {9, 64.5}}, v.mantello, kContorno);
    const QColor veste = seme == Seme::Coppe ? kBlu : v.abito == v.mantello ? v.maniche : v.abito;
    Poligono(p, {{19, 28}, {26, 28}, {28, 64.5}, {17, 64.5}}, veste, kContorno);
    Linea(p, {18.5, 29}, {16.5, 63.5}, kErmellino, 1.6);
    Linea(p, {26.5, 29}, {28.5, 63.5}, kErmellino, 1.6);
    Linea(p, {17.8, 46}, {27.2, 46}, kOro, 1.2);
    // Ermine cape on the shoulders, dotted.
    Ellisse(p, {22.5, 27}, 7.5, 2.6, kErmellino, kContorno);
    for (qreal x : {18.5, 22.5, 26.5})
        Pixel(p, x - 0.5, 26.5, 1, 1, kContorno);
    // The free arm across the body.
    Poligono(p, {{15.5, 27}, {12.5, 30}, {15, 39}, {18, 37}, {17, 31}}, v.mantello, kContorno);
    Ellisse(p, {18.5, 38}, 1.5, 1.5, kPelle, kContorno, kTrattoFine);
    QPointF mano;
    switch (v.presa) {
    case Presa::Alzata:
        Poligono(p, {{29, 26.5}, {32, 27.5}, {35.5, 21}, {33, 20}}, v.mantello, kContorno);
        mano = {34.5, 20};
        break;
    case Presa::Spalla:
        Poligono(p, {{29, 26.5}, {32, 27.5}, {33, 36}, {30, 36.5}}, v.mantello, kContorno);
        mano = {32, 36.5};
        break;
    case Presa::Mostrata:
        Poligono(p, {{29, 26.5}, {32, 27.5}, {33.5, 36}, {30.5, 37}}, v.mantello, kContorno);
        mano = {33, 37};
        break;
    case Presa::Riposo:
        Poligono(p, {{29, 26.5}, {32, 27.5}, {36, 39}, {33, 40}}, v.mantello, kContorno);
        mano = {35, 40};
        break;
    }
    const QColor barba = seme == Seme::Bastoni ? kErmellino
        : seme == Seme::Coppe                  ? QColor(0xC8, 0x84, 0x30)
        : seme == Seme::Denari                 ? kGrigio
                                               : kContorno;
    Viso(p, 19.5, barba, true, barba);
    Corona(p, seme, 19.5);
    if (v.presa == Presa::Spalla) // a king holds the club upright, as a sceptre
        Emblema(p, seme, {mano.x(), mano.y() - 10}, 28, 0, Ornato::No, 0);
    else
        EmblemaInMano(p, seme, mano, v.presa);
    Ellisse(p, mano, 1.5, 1.5, kPelle, kContorno, kTrattoFine);
    p.restore();
}

// The horseman: a rider on a light horse, both facing the way the suit's
// figure faces; the horse's body is well larger than the rider's.
void Cavallo(QPainter &p, Seme seme)
{
    const Veste v = VesteDi(seme, 9);
    const QColor manto = seme == Seme::Bastoni ? QColor(0xFA, 0xF6, 0xEC)
        : seme == Seme::Coppe                  ? QColor(0xE6, 0xCC, 0x98)
        : seme == Seme::Denari                 ? QColor(0xC4, 0xC8, 0xD2)
                                               : QColor(0xF4, 0xE0, 0xD0);
    const QColor ombra = manto.darker(125);
    const QColor crini = seme == Seme::Denari ? QColor(0x70, 0x70, 0x78) : QColor(0x8A, 0x6A, 0x40);
    p.save();
    // Drawn facing left; mirrored suits face right.
    Specchia(p, !v.specchio);
    // Far legs, tail, near legs, body, neck and head.
    Poligono(p, {{14, 50}, {17, 50}, {16.5, 66}, {14.5, 66}}, ombra, kContorno);
    Poligono(p, {{33, 50}, {36, 50}, {37, 66}, {35, 66}}, ombra, kContorno);
    QPainterPath coda;
    coda.moveTo(39, 43);
    coda.cubicTo(43, 45, 43.5, 54, 41, 60);
    coda.cubicTo(40, 55, 39.5, 50, 37.5, 47);
    Riempi(p, coda, crini, kContorno);
    Poligono(p, {{9.5, 49}, {13, 49}, {12, 66}, {9.5, 66}}, manto, kContorno);
    Poligono(p, {{28.5, 50}, {32, 50}, {31.5, 66}, {29, 66}}, manto, kContorno);
    for (qreal x : {10.8, 15.5, 30.2, 36.0})
        Ellisse(p, {x, 66.5}, 1.6, 1.0, kContorno, kContorno);
    Ellisse(p, {24.5, 45.5}, 15, 7.5, manto, kContorno);
    Poligono(p, {{7.5, 30}, {13, 27}, {18, 41}, {11, 47}}, manto, kContorno);
    QPainterPath testa;
    testa.moveTo(7, 29.5);
    testa.lineTo(12.5, 28);
    testa.lineTo(6.5, 39.5);
    testa.quadTo(3.5, 41, 2.5, 38.5);
    testa.closeSubpath();
    Riempi(p, testa, manto, kContorno);
    Poligono(p, {{8.5, 29.5}, {9.5, 25.5}, {11, 28.8}}, manto, kContorno);
    Linea(p, {12.5, 28.5}, {16.5, 41}, crini, 1.6);
    Macchia(p, {7.5, 32.5}, 0.7, 0.7, kContorno);
    Linea(p, {4.5, 38}, {19, 35}, kRossoScuro, 0.9);
    // Saddle cloth, the rider's leg, body, arms and head.
    Poligono(p, {{19, 39}, {32, 39}, {31, 51}, {20, 51}}, v.mantello, kContorno);
    Linea(p, {20.5, 49.5}, {30.5, 49.5}, kOro, 1.0);
    Poligono(p, {{22, 39}, {26, 39}, {25, 52}, {21.5, 52}}, v.calzaSinistra, kContorno);
    Poligono(p, {{19.5, 51.5}, {25.5, 51.5}, {25.5, 54}, {19, 54}}, kContorno, kContorno);
    Poligono(p, {{20, 26}, {27, 26}, {28, 40.5}, {19.5, 40.5}}, v.abito, kContorno);
    Linea(p, {20, 36.5}, {27.8, 36.5}, kContorno, 1.2);
    // The arm with the reins reaches forward.
    Poligono(p, {{20.5, 26.5}, {17, 30}, {14.5, 35}, {16.5, 36.5}, {20.5, 32}}, v.maniche, kContorno);
    Ellisse(p, {15, 36.5}, 1.4, 1.4, kPelle, kContorno, kTrattoFine);
    // The rider's head, turned the way he rides: the face lies to the front.
    p.save();
    p.translate(1.5, 0);
    Viso(p, 20.5, v.capelli, false, v.capelli, -1);
    Copricapo(p, seme, 20.5, v.copricapo);
    p.restore();
    // The arm that holds the emblem, on the far side of the body.
    QPointF mano;
    switch (v.presa) {
    case Presa::Alzata:
        Poligono(p, {{27, 27}, {29.5, 27.5}, {32.5, 20.5}, {30, 19.5}}, v.maniche, kContorno);
        mano = {31.5, 19.5};
        break;
    case Presa::Spalla:
        Poligono(p, {{26.5, 27}, {29.5, 27.5}, {29, 35}, {25.5, 34.5}}, v.maniche, kContorno);
        mano = {27, 33.5};
        break;
    case Presa::Mostrata:
        Poligono(p, {{26.5, 27}, {29.5, 27.5}, {33, 33}, {30.5, 35}}, v.maniche, kContorno);
        mano = {32.5, 33.5};
        break;
    case Presa::Riposo:
        Poligono(p, {{26.5, 27}, {29.5, 27.5}, {34, 33}, {32, 35}}, v.maniche, kContorno);
        mano = {33.5, 33.5};
        break;
    }
    if (v.presa == Presa::Riposo) // a rider carries the sword upright
        Emblema(p, seme, {mano.x(), mano.y() - 11}, 28, 0, Ornato::No, 0);
    else
        EmblemaInMano(p, seme, mano, v.presa);
    Ellisse(p, mano, 1.5, 1.5, kPelle, kContorno, kTrattoFine);
    p.restore();
}

void Scena(QPainter &p, Seme seme, int valore)
{
    if (valore == 1) {
        Asso(p, seme);
    } else if (valore <= 7) {
        for (const Posa &posa : Disposizione(seme, valore))
            Emblema(p, seme, {posa.x, posa.y}, posa.altezza, posa.angolo, Ornato::No, posa.curva);
    } else if (valore == 8) {
        Fante(p, seme);
    } else if (valore == 9) {
        Cavallo(p, seme);
    } else {
        Re(p, seme);
    }
}

// How strongly a colour claims a pixel it shares with others: dark outlines
// most, so they stay unbroken; white least, so shapes keep their size.
double Peso(QRgb c)
{
    if ((c & 0xFFFFFF) == 0xFFFFFF)
        return 1.0;
    return qGray(c) < 110 ? 2.0 : 1.15;
}

// The card as a picture of its natural size: drawn sharp at kCampioni times,
// then each block of samples gives its pixel to the colour that claims it
// most. No blended colours, so no pale fringes.
QImage Piccola(Seme seme, int valore)
{
    QImage grande(kLarghezzaCarta * kCampioni, kAltezzaCarta * kCampioni, QImage::Format_RGB32);
    grande.fill(Qt::white);
    {
        QPainter p(&grande);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.scale(kCampioni, kCampioni);
        Scena(p, seme, valore);
    }
    QImage piccola(kLarghezzaCarta, kAltezzaCarta, QImage::Format_RGB32);
    std::array<QRgb, kCampioni * kCampioni> colori{};
    std::array<double, kCampioni * kCampioni> punti{};
    for (int y = 0; y < kAltezzaCarta; ++y) {
        for (int x = 0; x < kLarghezzaCarta; ++x) {
            int n = 0;
            for (int sy = 0; sy < kCampioni; ++sy) {
                const auto *riga = reinterpret_cast<const QRgb *>(grande.constScanLine(y * kCampioni + sy));
                for (int sx = 0; sx < kCampioni; ++sx) {
                    const QRgb c = riga[x * kCampioni + sx] | 0xFF000000;
                    int i = 0;
                    while (i < n && colori[size_t(i)] != c)
                        ++i;
                    if (i == n) {
                        colori[size_t(n)] = c;
                        punti[size_t(n++)] = 0;
                    }
                    punti[size_t(i)] += Peso(c);
                }
            }
            int migliore = 0;
            for (int i = 1; i < n; ++i)
                if (punti[size_t(i)] > punti[size_t(migliore)])
                    migliore = i;
            piccola.setPixel(x, y, colori[size_t(migliore)]);
        }
    }
    return piccola;
}

// The card's scene recorded once, on whichever thread first asks.
const Registrazione &RegistrazioneDi(int code)
{
    static std::array<Registrazione, kCarte> registrazioni;
    static std::array<std::once_flag, kCarte> fatte;
    const auto i = static_cast<size_t>(code - 1);
    std::call_once(fatte[i], [&] {
        registrazioni[i] = Registra([code](QPainter &p) { Scena(p, SemeDi(code), Rango(code)); }, kScalaRegistrata);
    });
    return registrazioni[i];
}

// Places the scene's card units on `dove`; the painter's state is restored.
template <typename Disegna> void SullaCarta(QPainter &painter, const QRectF &dove, Disegna disegna)
{
    painter.save();
    painter.fillRect(dove, Qt::white);
    painter.setClipRect(dove, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(dove.topLeft());
    painter.scale(dove.width() / kLarghezzaCarta, dove.height() / kAltezzaCarta);
    disegna();
    painter.restore();
}

} // namespace

bool InPixel(QSizeF pixel)
{
    // Near the natural size the pixel picture reads better than a smoothed drawing.
    return std::abs(pixel.width() / kLarghezzaCarta - 1) < kScartoPiccola &&
        std::abs(pixel.height() / kAltezzaCarta - 1) < kScartoPiccola;
}

void MostraInPixel(QPainter &painter, const QRectF &dove, const QImage &naturale)
{
    painter.save();
    painter.fillRect(dove, Qt::white);
    painter.setClipRect(dove, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(dove, naturale);
    painter.restore();
}

void DisegnaCartaPennellata(QPainter &painter, const QRectF &dove, int code)
{
    if (!IsCarta(code) || dove.isEmpty())
        return;
    SullaCarta(painter, dove, [&] { Scena(painter, SemeDi(code), Rango(code)); });
}

void DisegnaEmblema(QPainter &painter, Seme seme, QPointF centro, qreal altezza, qreal angolo, Ornato ornato)
{
    Emblema(painter, seme, centro, altezza, angolo, ornato, 0);
}

void DisegnaCarta(QPainter &painter, const QRectF &dove, int code)
{
    if (!IsCarta(code) || dove.isEmpty())
        return;
    const auto seme = SemeDi(code);
    const int valore = Rango(code);

    const QTransform t = painter.deviceTransform();
    const QSizeF pixel(std::hypot(t.m11(), t.m12()) * dove.width(), std::hypot(t.m21(), t.m22()) * dove.height());
    if (InPixel(pixel)) {
        MostraInPixel(painter, dove, Piccola(seme, valore));
        return;
    }
    // Beyond the recording's range the card is drawn stroke by stroke, and is not recorded for nothing.
    const bool registrabile =
        std::max(pixel.width() / kLarghezzaCarta, pixel.height() / kAltezzaCarta) <= kScalaRegistrata;
    if (const Registrazione *registrazione = registrabile ? &RegistrazioneDi(code) : nullptr;
        registrazione && registrazione->completa)
        SullaCarta(painter, dove, [&] { Riproduci(painter, *registrazione); });
    else
        SullaCarta(painter, dove, [&] { Scena(painter, seme, valore); });
}

} // namespace belvane::cardart
