// The king of swords: a warrior king with an auburn beard, in a breastplate
// and a short cape, turned to the left with one foot forward, his sword
// raised upright; a crown of tall points.
#include "re_parti.h"

#include "emblemi.h"

namespace belvane::cardart::re {
namespace {

constexpr QPointF kViso{22.5, 17.5};

// A crown of five tall points, each tipped with a pearl.
void CoronaAPunte(QPainter &p)
{
    const QPainterPath corona = Spezzata({{18.2, 14.4},
                                          {17.8, 8.6},
                                          {19.6, 11.4},
                                          {20.6, 7.2},
                                          {21.6, 11.2},
                                          {22.5, 6.0},
                                          {23.4, 11.2},
                                          {24.4, 7.2},
                                          {25.4, 11.4},
                                          {27.2, 8.6},
                                          {26.8, 14.4}});
    Modella(p, corona, kOroT, kOroScuro, 0.6, 0.4);
    QPainterPath perle;
    for (QPointF c :
         {QPointF(17.8, 8.4), QPointF(20.6, 7.0), QPointF(22.5, 5.8), QPointF(24.4, 7.0), QPointF(27.2, 8.4)})
        perle.addPath(Ovale(c, 0.5, 0.5));
    Modella(p, perle, kErmellinoT, kOroScuro, 0, 0);
    QPainterPath fascia;
    Curva(fascia, {{18.4, 12.4}, {22.5, 12.0}, {26.6, 12.4}});
    Segna(p, fascia, kOroT.ombra);
    Ellisse(p, {22.5, 13.3}, 0.7, 0.6, kBlu, kBluScuro, kTrattoInterno);
    Ellisse(p, {20.0, 13.4}, 0.45, 0.45, kRosso, kRossoScuro, kTrattoInterno);
    Ellisse(p, {25.0, 13.4}, 0.45, 0.45, kRosso, kRossoScuro, kTrattoInterno);
}

} // namespace

void ReDiSpade(QPainter &p)
{
    // The short cape, flying out behind him to the right.
    const QPainterPath cappa = Morbido({{20.0, 23.0},
                                        {17.0, 25.2},
                                        {16.0, 31.0},
                                        {16.4, 38.0},
                                        {20.0, 40.0},
                                        {28.0, 43.0},
                                        {33.4, 46.2},
                                        {38.0, 45.0},
                                        {38.0, 45.0},
                                        {36.4, 37.0},
                                        {33.0, 29.0},
                                        {28.4, 23.4}});
    Modella(p, cappa, kViolaT, kContorno);
    Tratteggia(p, Intersezione(cappa, Spezzata({{29, 34}, {40, 34}, {40, 48}, {29, 48}})), kViolaT.ombra, 0.8, 90);
    QPainterPath pieghe;
    Curva(pieghe, {{29.6, 27.0}, {32.4, 34.0}, {34.6, 41.4}});
    Curva(pieghe, {{28.4, 30.0}, {30.0, 37.0}, {31.2, 42.6}});
    Segna(p, pieghe, kViolaT.ombra, kPiega);

    // Legs in stride, the left foot forward, in pale blue hose and boots.
    // Each bent a little at the knee.
    QPainterPath gambe = Unione(Arto({20.2, 46.0}, {17.0, 52.6}, 2.5, 1.8), Arto({17.0, 52.6}, {14.8, 60.0}, 1.9, 1.5));
    gambe =
        Unione(gambe, Unione(Arto({25.4, 46.0}, {26.4, 52.8}, 2.5, 1.8), Arto({26.4, 52.8}, {26.2, 60.0}, 1.9, 1.5)));
    Modella(p, gambe, kCelesteT, kContorno, 0.8, 0.5);
    QPainterPath ginocchia;
    Curva(ginocchia, {{15.8, 52.0}, {17.0, 52.9}, {18.4, 52.4}});
    Curva(ginocchia, {{25.2, 52.4}, {26.4, 53.1}, {27.6, 52.6}});
    Segna(p, ginocchia, kCelesteT.ombra, kPiega);
    QPainterPath stivali = Morbido({{13.2, 56.0},
                                    {16.8, 56.6},
                                    {16.6, 62.0},
                                    {16.8, 64.6},
                                    {16.8, 64.6},
                                    {10.4, 64.6},
                                    {10.4, 64.6},
                                    {11.0, 63.2},
                                    {13.2, 62.2}});
    stivali = Unione(stivali,
                     Morbido({{24.4, 56.0},
                              {28.0, 56.0},
                              {27.8, 62.0},
                              {28.2, 64.6},
                              {28.2, 64.6},
                              {22.2, 64.6},
                              {22.2, 64.6},
                              {22.8, 63.2},
                              {24.6, 62.4}}));
    Modella(p, stivali, kCuoioT, kContorno, 0.6, 0.4);
    QPainterPath risvolti;
    Curva(risvolti, {{13.4, 57.4}, {15.0, 57.8}, {16.6, 58.0}});
    Curva(risvolti, {{24.4, 57.4}, {26.2, 57.6}, {27.9, 57.4}});
    Segna(p, risvolti, kCuoioT.ombra, kTrattoFine);

    // The red skirt below the breastplate, banded in gold at the hem.
    const QPainterPath gonna = Morbido({{19.0, 37.6},
                                        {26.2, 37.6},
                                        {28.2, 43.0},
                                        {29.6, 48.0},
                                        {29.6, 48.0},
                                        {22.5, 48.8},
                                        {15.4, 48.0},
                                        {15.4, 48.0},
                                        {17.0, 43.0}});
    Modella(p, gonna, kRossoT, kContorno, 1.0, 0.6);
    Modella(p, Intersezione(gonna, Spezzata({{10, 46.4}, {36, 46.4}, {36, 52}, {10, 52}})), kOroT, kOroT.ombra, 0.4, 0);
    pieghe = QPainterPath();
    for (qreal x : {18.4, 21.0, 24.0, 26.8})
        Curva(pieghe, {{x + (x - 22.5) * 0.05, 39.4}, {x + (x - 22.5) * 0.2, 46.2}});
    Segna(p, pieghe, kRossoT.ombra, kPiega);

    // The breastplate, its ridge and golden edges.
    const QPainterPath corazza = Morbido({{19.4, 23.2},
                                          {17.8, 26.0},
                                          {18.2, 32.0},
                                          {19.0, 38.6},
                                          {19.0, 38.6},
                                          {26.2, 38.6},
                                          {26.2, 38.6},
                                          {27.0, 32.0},
                                          {27.4, 26.0},
                                          {25.8, 23.2}});
    Modella(p, corazza, kAcciaioT, kContorno, 1.2, 0.8);
    Tratteggia(p, Intersezione(corazza, Spezzata({{23.4, 22}, {30, 22}, {30, 40}, {24.2, 40}})), kAcciaioT.ombra, 0.8,
               90);
    QPainterPath costola;
    Curva(costola, {{22.4, 24.2}, {22.2, 31.0}, {22.4, 37.8}});
    Segna(p, costola, kAcciaioT.ombra, kTrattoFine);
    QPainterPath orli;
    Curva(orli, {{19.2, 37.4}, {22.6, 37.8}, {26.0, 37.4}});
    Curva(orli, {{18.8, 26.6}, {20.6, 29.0}, {22.4, 29.6}, {24.4, 29.0}, {26.6, 26.6}});
    Segna(p, orli, kOroT.corpo, kTrattoFine);
    const QPainterPath cintura = Spezzata({{18.6, 37.6}, {26.6, 37.6}, {26.8, 39.4}, {18.4, 39.4}});
    Modella(p, cintura, kCuoioT, kCuoioT.ombra, 0.5, 0.3);
    Ellisse(p, {22.5, 38.5}, 1.0, 0.9, kOroT.luce, kOroScuro, kTrattoFine);

    // The left arm in armour, hanging at his side.
    const QPainterPath sinistro = Arto({17.6, 27.0}, {15.4, 39.6}, 1.9, 1.5);
    Modella(p, sinistro, kAcciaioT, kContorno, 0.8, 0.5);
    QPainterPath lame;
    Curva(lame, {{15.6, 32.0}, {16.8, 32.6}, {18.2, 32.4}});
    Curva(lame, {{14.8, 35.6}, {15.8, 36.2}, {17.2, 36.0}});
    Segna(p, lame, kAcciaioT.ombra, kTrattoFine);
    Mano(p, {15.2, 41.0}, 1.5);

    // The sword arm: the elbow down at his side, the fist raised.
    const QPainterPath destro =
        Unione(Arto({27.4, 27.0}, {31.2, 33.8}, 2.0, 1.7), Arto({31.2, 33.8}, {34.2, 29.0}, 1.7, 1.5));
    Modella(p, destro, kAcciaioT, kContorno, 0.8, 0.5);
    lame = QPainterPath();
    Curva(lame, {{28.2, 30.8}, {29.6, 30.0}, {30.6, 28.8}});
    Curva(lame, {{31.4, 31.4}, {32.6, 32.4}, {33.8, 32.0}});
    Segna(p, lame, kAcciaioT.ombra, kTrattoFine);

    // Round pauldrons over the shoulders.
    QPainterPath spallacci;
    spallacci.addPath(Ovale(QPointF(18.0, 25.8), 2.6, 2.2));
    spallacci.addPath(Ovale(QPointF(27.2, 25.8), 2.6, 2.2));
    Modella(p, spallacci, kAcciaioT, kContorno, 0.8, 0.5);
    QPainterPath borchie;
    Curva(borchie, {{16.0, 26.6}, {18.0, 27.4}, {20.0, 26.6}});
    Curva(borchie, {{25.2, 26.6}, {27.2, 27.4}, {29.2, 26.6}});
    Segna(p, borchie, kOroT.corpo, kTrattoFine);

    Testa(p, {kViso, -1, kBarbaFulva, kBarbaFulva, 2.6, 3.0, 1.4, false, 0.1, 0.3, -0.7});
    CoronaAPunte(p);

    // The sword raised upright in his fist.
    Emblema(p, Seme::Spade, {34.2, 20.0}, 27, 0);
    Mano(p, {34.2, 28.8}, 1.6);
}

} // namespace belvane::cardart::re
