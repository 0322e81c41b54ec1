// The king of cups: chestnut-bearded, turned to the left, holding the cup
// high at arm's length; an open crown with fleurons, his other hand
// gathering the mantle, red lined with purple, at his hip.
#include "re_parti.h"

#include "stampa.h"

#include "emblemi.h"

#include <utility>

namespace belvane::cardart::re {
namespace {

constexpr QPointF kViso{24.5, 17.5};
// A red mantle lined with a red-purple over the red robe: in blue he was
// read as the king of swords, in dark wine or pale rose on red he was one
// red mass, and lined with ermine he was a hollow on the white card.
const Tinta kFoderaT{QColor(0xC8, 0x50, 0x7E), QColor(0xA0, 0x28, 0x64), QColor(0x6A, 0x14, 0x42)};
// Fair hair and beard: the other bearded king's are auburn, and two brown
// beards under two golden crowns made one face of them.
// A golden blond, yellower than the skin: a paler one, or an orange honey,
// ran into the face and it lost its features in one tan patch.
const Tinta kBiondo{QColor(0xE6, 0xC0, 0x6A), QColor(0xC2, 0x8C, 0x2E), QColor(0x8E, 0x60, 0x1A)};
// At the natural size a middle gold, its strands and outline too: in the
// dark shade tone the beard took the brow and the face was a small window in
// a brown mass; a pale one ran into the skin, and the face was a blank patch.
const Tinta kBiondoPixel{QColor(0xDA, 0xAA, 0x52), QColor(0xB4, 0x7C, 0x2A), QColor(0x9C, 0x68, 0x20)};

// An open crown: a band set with stones, three fleurons and two points.
void CoronaGigliata(QPainter &p)
{
    QPainterPath corona = Morbido({{20.2, 14.4},
                                   {20.2, 14.4},
                                   {20.0, 11.6},
                                   {20.0, 11.6},
                                   {29.0, 11.6},
                                   {29.0, 11.6},
                                   {28.8, 14.4},
                                   {28.8, 14.4},
                                   {24.5, 13.9}});
    // Close-set, so that the crown stays narrow beside the raised cup.
    for (const auto &[x, alto] : {std::pair{21.9, 1.0}, std::pair{24.5, 0.0}, std::pair{27.1, 1.0}}) {
        // A great lily: a broad middle petal between two curling out and
        // down, bound at its foot.
        const qreal y = 7.0 + alto;
        corona = Unione(corona,
                        Morbido({{x - 0.9, 12}, {x - 1.0, y + 2.4}, {x, y - 0.8}, {x + 1.0, y + 2.4}, {x + 0.9, 12}}));
        corona = Unione(corona, Morbido({{x - 0.4, 11.2}, {x - 2.0, y + 3.4}, {x - 2.4, y + 1.8}, {x - 1.0, y + 2.6}}));
        corona = Unione(corona, Morbido({{x + 0.4, 11.2}, {x + 2.0, y + 3.4}, {x + 2.4, y + 1.8}, {x + 1.0, y + 2.6}}));
    }
    Piano(p, corona, kOroT, kOroScuro, 0.6, 0.4);
    QPainterPath linea;
    Curva(linea, {{20.4, 12.3}, {24.5, 12.1}, {28.6, 12.3}});
    Segna(p, linea, kOroT.ombra);
    Ellisse(p, {24.5, 13.2}, 0.8, 0.6, kRosso, kRossoScuro, kTrattoInterno);
    Ellisse(p, {21.9, 13.2}, 0.5, 0.5, kBlu, kBluScuro, kTrattoInterno);
    Ellisse(p, {27.1, 13.2}, 0.5, 0.5, kBlu, kBluScuro, kTrattoInterno);
}

} // namespace

void ReDiCoppe(QPainter &p)
{
    // The mantle behind him, falling to the floor on either side.
    const QPainterPath manto = Morbido({{20.0, 23.0},
                                        {17.0, 26.0},
                                        {15.6, 40.0},
                                        {14.2, 52.0},
                                        {13.0, 64.0},
                                        {13.0, 64.0},
                                        {24.0, 64.4},
                                        {38.8, 63.8},
                                        {38.8, 63.8},
                                        {37.2, 54.0},
                                        {35.4, 44.0},
                                        {34.0, 34.0},
                                        {32.6, 26.0},
                                        {29.4, 23.0}});
    Piano(p, manto, kRossoT, kContorno);

    // Shoes, the front one pointing left.
    Ellisse(p, {19.2, 64.2}, 2.6, 1.0, kCuoioT.corpo, kContorno);
    Ellisse(p, {28.4, 64.3}, 2.2, 1.0, kCuoioT.corpo, kContorno);

    // The long red robe with a golden border at the hem.
    const QPainterPath veste = Morbido({{22.0, 22.4},
                                        {18.8, 24.4},
                                        {17.8, 32.0},
                                        {16.8, 46.0},
                                        {16.0, 62.8},
                                        {16.0, 62.8},
                                        {21.0, 63.2},
                                        {27.0, 63.3},
                                        {33.0, 62.8},
                                        {33.0, 62.8},
                                        {32.2, 46.0},
                                        {31.4, 32.0},
                                        {30.4, 24.4},
                                        {27.0, 22.4}});
    Piano(p, veste, kRossoT, kContorno, 1.4, 0.8);
    const QPainterPath orlo = Intersezione(veste, Spezzata({{10, 59.4}, {40, 59.4}, {40, 70}, {10, 70}}));
    Piano(p, orlo, kOroT, kOroT.ombra, 0.5, 0);
    QPainterPath ricamo;
    for (qreal x = 18; x < 33; x += 2.4)
        Curva(ricamo, {{x, 62.2}, {x + 0.6, 60.4}, {x + 1.2, 62.2}});
    Segna(p, ricamo, kOroT.ombra);
    QPainterPath pieghe;
    Curva(pieghe, {{20.0, 41}, {19.4, 50}, {18.8, 59.0}});
    Curva(pieghe, {{23.0, 43}, {22.8, 52}, {22.6, 59.2}});
    Curva(pieghe, {{26.4, 43}, {26.8, 52}, {27.2, 59.2}});
    Curva(pieghe, {{29.4, 42}, {30.0, 51}, {30.6, 59.0}});
    Segna(p, pieghe, kRossoT.ombra, kPiega);
    Ombra(p, Intersezione(veste, Spezzata({{28.6, 40}, {36, 40}, {36, 59.2}, {29.6, 59.2}})), kRossoT.ombra);

    // The mantle's front, wrapped from the left shoulder across his body and
    // gathered in his right hand at the hip, showing its lining, then
    // falling from it in folds, red side out.
    const QPainterPath drappo =
        Morbido({{19.0, 25.0}, {23.4, 29.4}, {28.6, 34.6}, {33.4, 38.4}, {33.4, 38.4}, {35.6, 44.0}, {37.4, 52.0},
                 {38.4, 63.4}, {38.4, 63.4}, {34.4, 63.8}, {34.4, 63.8}, {33.6, 54.0}, {32.2, 47.0}, {27.4, 53.0},
                 {21.6, 56.6}, {16.2, 57.6}, {16.2, 57.6}, {16.9, 46.0}, {17.6, 34.0}, {18.2, 28.0}});
    Piano(p, drappo, kFoderaT, kContorno, 1.2, 0.7);
    pieghe = QPainterPath();
    Curva(pieghe, {{19.4, 30.0}, {25.0, 35.6}, {31.4, 40.0}});
    Curva(pieghe, {{18.6, 37.0}, {24.6, 40.6}, {31.2, 42.0}});
    Curva(pieghe, {{18.2, 45.0}, {24.4, 45.4}, {31.0, 43.6}});
    Curva(pieghe, {{17.8, 52.0}, {23.6, 51.0}, {30.2, 46.6}});
    Segna(p, pieghe, kFoderaT.ombra, kPiega);
    Ombra(p, Intersezione(drappo, Spezzata({{31, 40}, {32.6, 40}, {32.6, 66}, {31, 66}})), kFoderaT.ombra);
    const QPainterPath caduta = Intersezione(drappo, Spezzata({{32.6, 38}, {42, 38}, {42, 66}, {32.6, 66}}));
    Piano(p, caduta, kRossoT, kContorno, 1.2, 0.7);
    pieghe = QPainterPath();
    Curva(pieghe, {{34.4, 42.0}, {35.2, 52.0}, {36.2, 62.8}});
    Segna(p, pieghe, kRossoT.ombra, kPiega);
    // A golden border along its edge.
    QPainterPath bordo;
    Curva(bordo, {{16.8, 56.8}, {21.6, 55.8}, {27.2, 52.2}, {31.8, 47.0}});
    Segna(p, bordo, kOro, kTrattoFine);

    // The right arm, bent, the hand at the hip on the gathered mantle.
    const QPainterPath destro =
        Morbido({{29.4, 23.8}, {32.4, 25.4}, {34.4, 31.6}, {34.6, 37.6}, {32.6, 38.6}, {31.2, 33.0}, {29.6, 28.6}});
    Piano(p, destro, kRossoT, kContorno, 1.0, 0.6);
    Ellisse(p, {33.6, 38.0}, 1.5, 1.1, kErmellino, kContorno, kTrattoFine);
    Mano(p, {33.4, 39.6}, 1.5);

    // The left arm raised towards the upper left, the elbow a little bent.
    const QPainterPath sinistro = Morbido({{20.2, 23.4},
                                           {16.8, 22.8},
                                           {14.2, 22.6},
                                           {12.6, 21.2},
                                           {11.4, 20.4},
                                           {11.4, 20.4},
                                           {10.4, 22.6},
                                           {10.4, 22.6},
                                           {12.2, 24.0},
                                           {13.8, 25.2},
                                           {16.6, 26.6},
                                           {18.8, 27.8}});
    Piano(p, sinistro, kRossoT, kContorno, 1.0, 0.6);
    pieghe = QPainterPath();
    Curva(pieghe, {{17.2, 24.8}, {14.6, 24.0}, {12.4, 21.6}});
    Segna(p, pieghe, kRossoT.ombra, kPiega);

    // Golden flowers sown on the red cloth.
    QPainterPath fiori;
    for (QPointF c : {QPointF(27.0, 29.0), QPointF(29.4, 32.6), QPointF(25.0, 26.6), QPointF(29.6, 27.6),
                      QPointF(32.4, 29.8), QPointF(33.2, 35.0), QPointF(15.8, 24.6), QPointF(12.6, 21.6),
                      QPointF(31.0, 56.0), QPointF(28.2, 58.6), QPointF(31.6, 51.2)})
        fiori.addPath(
            Spezzata({c + QPointF(0, -0.8), c + QPointF(0.25, -0.25), c + QPointF(0.8, 0), c + QPointF(0.25, 0.25),
                      c + QPointF(0, 0.8), c + QPointF(-0.25, 0.25), c + QPointF(-0.8, 0), c + QPointF(-0.25, -0.25)}));
    if (OrnatoMinuto()) {
        p.setPen(Qt::NoPen);
        p.setBrush(kOroT.luce);
        p.drawPath(fiori);
    }

    // The ermine collar.
    Ermellino(p, Morbido({{19.4, 23.4}, {24.5, 21.8}, {29.6, 23.4}, {30.0, 25.6}, {24.5, 26.8}, {19.0, 25.6}}),
              {{21.0, 24.4}, {24.0, 25.2}, {27.4, 24.4}});

    Testa(p,
          {kViso, -1, InchiostroDelPixelInUso() ? kBiondoPixel : kBiondo,
           InchiostroDelPixelInUso() ? kBiondoPixel : kBiondo, 4.0, InchiostroDelPixelInUso() ? 2.4 : 3.1, 2.6, false,
           -0.2, 0, 0.2, volti::Taglio::Aperto, Capo::Bocca::Sorride, Capo::Taglio::Forcuto, QColor(0x46, 0x66, 0x98),
           volti::Naso::Dritto});
    // The crown lifted clear of the brow: at the natural size its band must
    // not sit on the eyes.
    p.save();
    p.translate(0, -1.2);
    {
        // Not as much taller: the lilies would reach the card's top.
        const PiuGrandeAlPixel grande(p, {24.5, 14.4}, kCoronaAlPixel, 1.1);
        CoronaGigliata(p);
    }
    p.restore();

    // The cup held up high, the hand under its foot, not across it (their
    // outlines crossed into a dark cross at the natural size).
    // At the natural size taller than his crown, so that the cup, not the
    // gold of the crown, names the suit; in the larger drawing in proportion
    // to his hand. The foot on his fist either way.
    const qreal coppa = InchiostroDelPixelInUso() ? 17 : 15.5;
    EmblemaTenuto(p, Seme::Coppe, {9.8, 22.0 - coppa / 2}, coppa, 0);
    Ellisse(p, {11.2, 23.6}, 1.2, 1.5, kErmellino, kContorno, kTrattoFine);
    Mano(p, {10.1, 22.6}, 1.5);
}

} // namespace belvane::cardart::re
