#include "figure.h"

#include "emblemi.h"
#include "pennelli.h"
#include "vesti.h"

#include <QPainterPath>

namespace belvane::cardart {

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

QRectF VisoDelRe(Seme)
{
    return QRectF(20.5, 17, 4, 5); // the face is drawn on the card's middle column
}

} // namespace belvane::cardart
