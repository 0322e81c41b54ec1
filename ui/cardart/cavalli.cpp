#include "figure.h"

#include "emblemi.h"
#include "pennelli.h"
#include "vesti.h"

#include <QPainterPath>

namespace belvane::cardart {

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

QRectF VisoDelCavaliere(Seme seme)
{
    // The head sits 1.5 units towards where the horse goes.
    return QRectF(VesteDi(seme, 9).specchio ? 22 : 19, 18, 4, 5);
}

} // namespace belvane::cardart
