// The king of coins: bearded, greying, facing us square, legs apart under a
// robe to below the knee, the coin borne up at his side, a sceptre in his
// other hand; a puffed velvet cap in a golden circlet, trimmed with fur.
#include "re_parti.h"

#include "stampa.h"

#include "emblemi.h"

namespace belvane::cardart::re {
namespace {

constexpr QPointF kViso{22.5, 18.5};
const Tinta kCapelliGrigi{QColor(0xA4, 0xA4, 0xAC), QColor(0x7E, 0x7E, 0x88), QColor(0x6A, 0x6A, 0x74)};
const Tinta kPellicciaT{QColor(0xC8, 0x9C, 0x6C), QColor(0xA2, 0x72, 0x48), QColor(0x70, 0x4A, 0x2A)};

// A puffed violet velvet cap ribbed in gold, in a golden circlet studded with
// round bosses like coins, a golden button on top, over a band of fur.
void CoronaDucale(QPainter &p)
{
    const QPainterPath berretta =
        Morbido({{18.2, 12.6}, {17.6, 9.4}, {18.8, 6.4}, {22.5, 5.4}, {26.2, 6.4}, {27.4, 9.4}, {26.8, 12.6}});
    Piano(p, berretta, kViolaT, kContorno, 0.8, 0.5);
    QPainterPath costole;
    Curva(costole, {{19.6, 11.4}, {18.8, 8.6}, {21.2, 5.9}});
    Curva(costole, {{25.4, 11.4}, {26.2, 8.6}, {23.8, 5.9}});
    Curva(costole, {{22.5, 11.2}, {22.5, 8.0}, {22.5, 5.8}});
    Segna(p, costole, kOroT.corpo, 0.5);
    Piano(p, Ovale({22.5, 5.0}, 0.9, 0.8), kOroT, kOroScuro, 0.3, 0.3);
    // The circlet rises in three tall points before the cap, the violet
    // showing only between them: at the natural size a crown, not a hat.
    const QPainterPath cerchio =
        Spezzata({{17.2, 14.0}, {17.0, 6.4}, {20.0, 9.8}, {22.5, 5.6}, {25.0, 9.8}, {28.0, 6.4}, {27.8, 14.0}});
    Piano(p, cerchio, kOroT, kOroScuro, 0.6, 0.4);
    // Bosses like coins on the band, edged in the gold's own shade: a dark
    // ring round each would darken the band to brown at the natural size.
    QPainterPath borchie;
    for (qreal x : {18.9, 21.2, 23.8, 26.1})
        borchie.addPath(Ovale(QPointF(x, 12.5), 0.85, 0.85));
    Piano(p, borchie, kOroT, kOroT.ombra, 0.4, 0.3);
    Ellisse(p, {22.5, 12.5}, 0.45, 0.55, kRosso, kRossoScuro, kTrattoInterno);
    // A narrow band, under the points: the gold must lead.
    const QPainterPath pelliccia = Morbido({{17.0, 13.6},
                                            {17.0, 13.6},
                                            {22.5, 13.2},
                                            {28.0, 13.6},
                                            {28.0, 13.6},
                                            {28.3, 14.5},
                                            {27.8, 15.4},
                                            {27.8, 15.4},
                                            {22.5, 15.0},
                                            {17.2, 15.4},
                                            {17.2, 15.4},
                                            {16.7, 14.5}});
    Piano(p, pelliccia, kPellicciaT, kContorno, 0.6, 0.4);
}

} // namespace

void ReDiDenari(QPainter &p)
{
    // The mantle hanging behind him to the calf, wide enough to show
    // as a band either side of the robe (a sliver of it made a ragged edge
    // at the natural size); violet behind an ochre robe: a blue mantle made
    // him look a swordsman's king beside the blue platforms, a red one was
    // the king of clubs' colours, and a gold one ran into his coin, crown and
    // ground (the coin is borne before the violet).
    const QPainterPath manto = Morbido({{18.0, 23.6},
                                        {13.6, 27.0},
                                        {11.4, 40.0},
                                        {8.6, 60.0},
                                        {8.6, 60.0},
                                        {22.5, 60.8},
                                        {36.4, 60.0},
                                        {36.4, 60.0},
                                        {33.6, 40.0},
                                        {31.4, 27.0},
                                        {27.0, 23.6}});
    Piano(p, manto, kViolaT, kContorno);
    Ombra(p, Intersezione(manto, Spezzata({{30, 30}, {38, 30}, {38, 60}, {30, 60}})), kViolaT.ombra);
    QPainterPath pieghe;
    Curva(pieghe, {{13.6, 36.0}, {12.2, 47.0}, {11.2, 59.2}});
    Curva(pieghe, {{31.4, 36.0}, {32.8, 47.0}, {33.8, 59.2}});
    Segna(p, pieghe, kViolaT.ombra, kPiega);

    // Legs apart in red hose, low boots turned outwards.
    const QPainterPath gambe = Unione(Morbido({{17.0, 50.0},
                                               {20.4, 50.0},
                                               {18.6, 56.0},
                                               {17.0, 62.6},
                                               {17.0, 62.6},
                                               {14.2, 62.6},
                                               {14.2, 62.6},
                                               {15.0, 56.0}}),
                                      Morbido({{24.6, 50.0},
                                               {28.0, 50.0},
                                               {30.0, 56.0},
                                               {30.8, 62.6},
                                               {30.8, 62.6},
                                               {28.0, 62.6},
                                               {28.0, 62.6},
                                               {26.4, 56.0}}));
    Piano(p, gambe, kRossoT, kContorno, 0.8, 0.5);
    QPainterPath stivali = Morbido({{14.2, 61.0},
                                    {17.2, 61.0},
                                    {17.4, 63.4},
                                    {17.0, 64.6},
                                    {17.0, 64.6},
                                    {11.6, 64.6},
                                    {11.6, 64.6},
                                    {12.0, 63.4},
                                    {14.0, 62.8}});
    stivali = Unione(stivali,
                     Morbido({{27.8, 61.0},
                              {30.8, 61.0},
                              {31.0, 62.8},
                              {33.0, 63.4},
                              {33.4, 64.6},
                              {33.4, 64.6},
                              {28.0, 64.6},
                              {28.0, 64.6},
                              {27.6, 63.4}}));
    Piano(p, stivali, kCuoioT, kContorno, 0.6, 0.4);

    // The violet robe to below the knee, its hem and front trimmed with ermine.
    const QPainterPath veste = Morbido({{19.6, 22.6},
                                        {16.2, 24.8},
                                        {15.4, 32.0},
                                        {14.6, 42.0},
                                        {12.6, 54.0},
                                        {12.6, 54.0},
                                        {22.5, 54.8},
                                        {32.4, 54.0},
                                        {32.4, 54.0},
                                        {30.4, 42.0},
                                        {29.6, 32.0},
                                        {28.8, 24.8},
                                        {25.4, 22.6}});
    Piano(p, veste, kOcraT, kContorno, 1.4, 0.8);
    Ombra(p, Intersezione(veste, Spezzata({{26.6, 38}, {34, 38}, {34, 52.4}, {27.6, 52.4}})), kOcraT.ombra);
    pieghe = QPainterPath();
    Curva(pieghe, {{17.4, 40.0}, {16.4, 44.0}, {15.6, 49.0}});
    Curva(pieghe, {{20.0, 40.0}, {19.6, 45.0}, {19.2, 49.6}});
    Curva(pieghe, {{27.8, 40.0}, {28.6, 45.0}, {29.4, 49.6}});
    Curva(pieghe, {{18.0, 27.0}, {18.6, 31.0}, {19.6, 35.0}});
    Segna(p, pieghe, kOcraT.ombra, kPiega);
    Ermellino(p, Intersezione(veste, Spezzata({{10, 51.4}, {36, 51.4}, {36, 58}, {10, 58}})),
              {{15.2, 52.4}, {19.0, 52.8}, {22.6, 53.0}, {26.2, 52.8}, {30.0, 52.4}});
    Ermellino(p, Spezzata({{21.6, 26.0}, {23.4, 26.0}, {23.6, 51.6}, {21.4, 51.6}}),
              {{22.5, 30.0}, {22.5, 35.0}, {22.5, 44.0}});
    // Small golden roundels sown on the robe.
    QPainterPath tondi;
    for (QPointF c : {QPointF(17.6, 30.6), QPointF(26.8, 31.0), QPointF(17.0, 42.4), QPointF(27.8, 42.6),
                      QPointF(19.6, 46.0), QPointF(25.8, 46.2), QPointF(16.4, 46.8), QPointF(29.2, 47.0)})
        tondi.addPath(Ovale(c, 0.55, 0.55));
    if (OrnatoMinuto())
        Piano(p, tondi, kOroT, Qt::transparent, 0.3, 0);

    // A golden belt with a boss like a coin.
    const QPainterPath cintura = Spezzata({{15.0, 36.2}, {30.0, 36.2}, {30.2, 38.0}, {14.8, 38.0}});
    Piano(p, cintura, kOroT, kOroT.ombra, 0.5, 0.3);
    Ellisse(p, {22.5, 37.1}, 1.4, 1.4, kOroT.luce, kOroScuro, kTrattoFine);

    // The arm with the coin bent at the elbow, the fist out at his side, and
    // the other down at his side, its fist round a sceptre.
    const QPainterPath braccia =
        Unione(Unione(Arto({17.4, 25.4}, {13.8, 31.2}, 2.6, 2.4), Arto({13.8, 31.2}, {11.2, 34.4}, 2.4, 1.9)),
               Unione(Arto({27.6, 25.4}, {31.0, 37.4}, 2.6, 2.4), Arto({31.0, 37.4}, {34.4, 36.4}, 2.4, 1.9)));
    Piano(p, braccia, kViolaT, kContorno, 1.0, 0.6);
    pieghe = QPainterPath();
    Curva(pieghe, {{15.8, 28.0}, {14.6, 30.6}, {13.2, 33.0}});
    Curva(pieghe, {{29.4, 27.4}, {30.6, 31.0}, {31.2, 34.4}});
    Segna(p, pieghe, kViolaT.ombra, kPiega);

    // The ermine cape over his shoulders.
    Ermellino(
        p, Morbido({{16.0, 24.6}, {19.4, 22.4}, {25.6, 22.4}, {29.0, 24.6}, {29.4, 27.4}, {22.5, 28.8}, {15.6, 27.4}}),
        {{17.6, 25.6}, {20.4, 27.0}, {24.6, 27.0}, {27.4, 25.6}});

    // Dark grey hair, cut short, apart from the paler beard.
    Testa(p,
          {kViso, 0, kCapelliGrigi, kBarbaGrigia, 3.2, 3.3, 0.8, true, 0.5, -0.2, -0.1, volti::Taglio::Aperto,
           Capo::Bocca::Amara, Capo::Taglio::Appuntito, QColor(0x4A, 0x30, 0x1C), volti::Naso::Largo});
    // The crown sits on the brow, clear of the eyes.
    p.save();
    p.translate(0, -0.7);
    CoronaDucale(p);
    p.restore();

    // A golden sceptre carried upright in his fist, its foot at his knee:
    // to the ground it ran into the golden platform, and just clear of it
    // it seemed to stop in the air. A ball and a lily on its head.
    Piano(p, Arto({10.6, 12.0}, {10.6, 47.0}, 1.0, 1.0), kOroT, kOroScuro, 0.4, 0.3);
    Piano(p, Ovale({10.6, 11.6}, 1.9, 1.9), kOroT, kOroScuro, 0.4, 0.3);
    Piano(p, Morbido({{10.6, 5.0}, {11.8, 7.6}, {13.6, 7.0}, {12.0, 10.2}, {9.2, 10.2}, {7.6, 7.0}, {9.4, 7.6}}), kOroT,
          kOroScuro, 0.4, 0.3);
    Ellisse(p, {12.0, 33.4}, 1.5, 1.1, kErmellino, kContorno, kTrattoFine);
    Mano(p, {10.6, 34.8}, 1.5, 0);
    // The coin borne up on his fist at his side: the knave bears his up
    // beside his head and the horseman lifts his over his head, so that the
    // three coins of the suit are held three ways. At the natural size
    // larger than in proportion, reaching over his ermine: there, as small as
    // in the larger drawing, it was a few pixels against his robe, and he
    // was named by his golden ground alone.
    // Its middle on a pixel's corner, as the knave's and horseman's.
    if (InchiostroDelPixelInUso())
        EmblemaTenuto(p, Seme::Denari, {33.0, 28.0}, 17.0, 0);
    else
        EmblemaTenuto(p, Seme::Denari, {34.0, 29.0}, 14.0, 0);
    Ellisse(p, {32.8, 37.8}, 1.1, 1.5, kErmellino, kContorno, kTrattoFine);
    Mano(p, {34.4, 36.6}, 1.6, 90, true);
}

} // namespace belvane::cardart::re
