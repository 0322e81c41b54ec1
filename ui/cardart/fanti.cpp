#include "figure.h"

#include "emblemi.h"
#include "pennelli.h"
#include "vesti.h"

#include <QPainterPath>

namespace belvane::cardart {

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

QRectF VisoDelFante(Seme)
{
    return QRectF(20.5, 18, 4, 5); // the face is drawn on the card's middle column
}

} // namespace belvane::cardart
