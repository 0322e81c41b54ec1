#include "emblemi.h"

#include "pennelli.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace belvane::cardart {
namespace {

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

} // namespace

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

} // namespace belvane::cardart
