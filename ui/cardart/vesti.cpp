#include "vesti.h"

#include "emblemi.h"
#include "geometria.h"
#include "pennelli.h"

#include <QPainterPath>

namespace belvane::cardart {

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

// A face centred on pixel column 22 at `cy`: seven pixels wide, two dark
// eyes, a red mouth. `sguardo` turns it: the features move that many pixels
// sideways, towards where the figure looks.
void Viso(QPainter &p, qreal cy, const QColor &capelli, bool barba, const QColor &coloreBarba, qreal sguardo)
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

} // namespace belvane::cardart
