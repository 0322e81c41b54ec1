// The king of swords: a warrior king with a full auburn beard, a breastplate
// over a blue robe to the ground, a terracotta mantle hanging behind, turned
// to the left; his sword raised, leaning out from him; a radiate crown over a
// red cap.
#include "re_parti.h"

#include "stampa.h"

#include "emblemi.h"

#include <QPolygonF>
#include <QtMath>

#include <cmath>

namespace belvane::cardart::re {
namespace {

constexpr QPointF kViso{22.5, 17.5};
// The sword's lean out from upright, in degrees, as far as the card's edge allows.
constexpr qreal kPendenzaSpada = 10;
// A deep auburn beard, darker than the skin: a ginger one reads as one orange
// blob with the face at the natural size.
const Tinta kBarbaRamata{QColor(0xC0, 0x6A, 0x38), QColor(0xA0, 0x50, 0x28), QColor(0x8A, 0x48, 0x26)};
// A terracotta mantle: the blue blade before it stands out against the
// opposite colour (a blue one ran into the blade at the natural size).
const Tinta kMantoT{QColor(0xE4, 0x94, 0x60), QColor(0xC8, 0x6A, 0x30), QColor(0x96, 0x48, 0x1C)};

// A blue robe under the steel: in red, under his auburn beard and golden
// crown, he was read as the king of cups' twin, and in teal as the king of
// clubs.
const Tinta kVesteT{QColor(0x68, 0x90, 0xDC), QColor(0x30, 0x5A, 0xB4), QColor(0x1E, 0x3A, 0x8A)};

// A radiate crown: five sharp rays flaring from a jewelled band, over a red
// cap; at the natural size outlined in the gold's own shade, so that each
// ray, a pixel or two across, stays gold rather than its dark outline.
void CoronaAPunte(QPainter &p)
{
    Piano(p, Morbido({{18.6, 13.0}, {19.0, 9.0}, {22.5, 7.6}, {26.0, 9.0}, {26.4, 13.0}}), kRossoT, kContorno, 0.6,
          0.4);
    constexpr int kRaggi = 5;
    constexpr qreal kDa = 18.0, kA = 27.0;
    const qreal passo = (kA - kDa) / kRaggi;
    QPolygonF corona;
    corona << QPointF(kDa + 0.2, 14.4) << QPointF(kDa, 11.8);
    for (int i = 0; i < kRaggi; ++i) {
        const qreal d = i - (kRaggi - 1) / 2.0;
        corona << QPointF(kDa + (i + 0.5) * passo + d * 0.55, 5.2 + std::abs(d) * 1.0);
        corona << QPointF(kDa + (i + 1) * passo, i + 1 < kRaggi ? 11.0 : 11.8);
    }
    corona << QPointF(kA - 0.2, 14.4);
    QPainterPath c;
    c.addPolygon(corona);
    c.closeSubpath();
    Piano(p, c, kOroT, InchiostroDelPixelInUso() ? kOroT.ombra : kOroScuro, 0.6, 0.4);
    QPainterPath fascia;
    Curva(fascia, {{18.4, 12.2}, {22.5, 11.8}, {26.6, 12.2}});
    Segna(p, fascia, kOroT.ombra);
    Ellisse(p, {22.5, 13.3}, 0.7, 0.6, kBlu, kBluScuro, kTrattoInterno);
    Ellisse(p, {20.0, 13.4}, 0.45, 0.45, kRosso, kRossoScuro, kTrattoInterno);
    Ellisse(p, {25.0, 13.4}, 0.45, 0.45, kRosso, kRossoScuro, kTrattoInterno);
}

} // namespace

void ReDiSpade(QPainter &p)
{
    // The mantle, hung from both shoulders and falling
    // behind him to the calf, swept out behind him under the sword.
    const QPainterPath manto = Morbido({{20.0, 23.0},
                                        {17.0, 25.0},
                                        {15.4, 32.0},
                                        {14.4, 42.0},
                                        {13.6, 51.6},
                                        {16.0, 53.4},
                                        {22.5, 53.8},
                                        {31.0, 53.6},
                                        {36.0, 52.8},
                                        {38.0, 51.0},
                                        {34.8, 42.0},
                                        {30.6, 32.0},
                                        {28.2, 25.0},
                                        {25.2, 23.0}});
    Piano(p, manto, kMantoT, kContorno);
    Ombra(p, Intersezione(manto, Spezzata({{31, 34}, {40, 34}, {40, 55}, {33, 55}})), kMantoT.ombra);
    Pieghe(p, manto, kMantoT, {{{17.4, 30.0}, {15.0, 51.6}, 1.6}, {{28.6, 30.0}, {33.6, 52.0}, 2.2}});

    // Shoes peeping out from under the hem, toes turned out.
    Ellisse(p, {15.6, 64.4}, 2.6, 1.2, kCuoioT.corpo, kContorno);
    Ellisse(p, {29.2, 64.4}, 2.8, 1.2, kCuoioT.corpo, kContorno);
    QPainterPath pieghe;

    // The robe, blue to the ground as every king's: to the calf, over tall
    // boots, he was taken for the knave of swords in his armour.
    const QPainterPath veste = Morbido({{18.8, 37.0},
                                        {26.4, 37.0},
                                        {28.6, 46.0},
                                        {31.0, 55.0},
                                        {32.2, 63.8},
                                        {32.2, 63.8},
                                        {22.5, 64.4},
                                        {12.8, 63.8},
                                        {12.8, 63.8},
                                        {14.0, 55.0},
                                        {16.4, 46.0}});
    Piano(p, veste, kVesteT, kContorno, 1.2, 0.7);
    Ombra(p, Intersezione(veste, Spezzata({{24.6, 38}, {34, 38}, {34, 66}, {26.6, 66}})), kVesteT.ombra);
    // The golden hem and the band down the front.
    Modella(p,
            Intersezione(veste,
                         Unione(Spezzata({{8, 61.6}, {36, 61.2}, {36, 68}, {8, 68}}),
                                Spezzata({{21.4, 38.6}, {23.0, 38.6}, {23.4, 64}, {21.4, 64}}))),
            kOroT, kOroT.ombra, 0.4, 0);
    // Lozenges embroidered down the band, small golden flowers strewn on the blue.
    QPainterPath ricamo;
    for (qreal y = 41; y < 60; y += 3.0)
        Curva(ricamo, {{21.5, y}, {22.2, y - 0.9}, {22.9, y}, {22.2, y + 0.9}, {21.5, y}});
    Segna(p, ricamo, kOroT.ombra);
    // Each flower four petals as one small polygon: a cross of lozenges.
    QPainterPath fiori;
    for (QPointF c : {QPointF(18.6, 44.0), QPointF(25.6, 43.0), QPointF(17.0, 50.0), QPointF(26.4, 49.6),
                      QPointF(19.4, 52.6), QPointF(28.4, 53.0), QPointF(15.2, 53.4), QPointF(17.6, 57.6),
                      QPointF(26.8, 57.2), QPointF(30.2, 59.4), QPointF(14.8, 59.6)}) {
        QPolygonF petali;
        for (int k = 0; k < 8; ++k) {
            const qreal a = qDegreesToRadians(45.0 * k), r = k % 2 ? 0.3 : 0.85;
            petali << c + QPointF(std::cos(a), std::sin(a)) * r;
        }
        fiori.addPolygon(petali);
        fiori.closeSubpath();
    }
    if (OrnatoMinuto()) {
        p.setPen(Qt::NoPen);
        p.setBrush(kOroT.corpo);
        p.drawPath(fiori);
    }
    pieghe = QPainterPath();
    Curva(pieghe, {{24.6, 40.0}, {26.8, 50.0}, {28.6, 61.0}});
    Curva(pieghe, {{19.6, 40.0}, {17.8, 50.0}, {16.2, 61.0}});
    Segna(p, pieghe, kVesteT.ombra, kPiega);

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
    Piano(p, corazza, kAcciaioT, kContorno, 1.2, 0.8);
    Ombra(p, Intersezione(corazza, Spezzata({{23.4, 22}, {30, 22}, {30, 40}, {24.2, 40}})), kAcciaioT.ombra);
    QPainterPath orli;
    Curva(orli, {{22.4, 24.2}, {22.2, 31.0}, {22.4, 37.8}});
    Curva(orli, {{18.8, 26.6}, {20.6, 29.0}, {22.4, 29.6}, {24.4, 29.0}, {26.6, 26.6}});
    Segna(p, orli, kOroT.ombra, kTrattoFine);
    const QPainterPath cintura = Spezzata({{18.6, 37.6}, {26.6, 37.6}, {26.8, 39.4}, {18.4, 39.4}});
    Piano(p, cintura, kCuoioT, kCuoioT.ombra, 0.5, 0.3);
    Ellisse(p, {22.5, 38.5}, 1.0, 0.9, kOroT.luce, kOroScuro, kTrattoFine);

    // The left arm in armour, its hand laid on his breast.
    const QPainterPath sinistro =
        Unione(Arto({17.6, 27.0}, {15.2, 33.4}, 1.9, 1.7), Arto({15.2, 33.4}, {18.8, 36.8}, 1.7, 1.5));
    Piano(p, sinistro, kAcciaioT, kContorno, 0.8, 0.5);
    QPainterPath lame;
    Curva(lame, {{15.2, 30.0}, {16.4, 30.6}, {17.6, 30.2}});
    Curva(lame, {{14.2, 33.0}, {15.2, 34.0}, {16.2, 33.6}});
    // The sword arm: the elbow down at his side, the fist raised.
    Curva(lame, {{28.2, 30.8}, {29.6, 30.0}, {30.6, 28.8}});
    Curva(lame, {{31.6, 30.6}, {32.8, 31.2}, {33.8, 30.6}});
    const QPainterPath destro =
        Unione(Arto({27.4, 27.0}, {31.2, 33.8}, 2.0, 1.7), Arto({31.2, 33.8}, {35.0, 28.4}, 1.7, 1.5));
    Piano(p, destro, kAcciaioT, kContorno, 0.8, 0.5);
    Segna(p, lame, kAcciaioT.ombra, kTrattoFine);
    // The mantle's golden cord across his breast; his free hand on his belt.
    QPainterPath cordone;
    Curva(cordone, {{17.6, 24.6}, {19.4, 29.0}, {20.6, 30.6}, {23.6, 28.6}, {27.2, 24.6}});
    Segna(p, cordone, kOroT.ombra, 0.6);
    Segna(p, cordone, kOroT.corpo, 0.35);
    Mano(p, {19.4, 37.4}, 1.5, -80);

    // Round pauldrons over the shoulders.
    QPainterPath spallacci;
    spallacci.addPath(Ovale(QPointF(18.0, 25.8), 2.6, 2.2));
    spallacci.addPath(Ovale(QPointF(27.2, 25.8), 2.6, 2.2));
    Piano(p, spallacci, kAcciaioT, kContorno, 0.8, 0.5);
    QPainterPath borchie;
    Curva(borchie, {{16.0, 26.6}, {18.0, 27.4}, {20.0, 26.6}});
    Curva(borchie, {{25.2, 26.6}, {27.2, 27.4}, {29.2, 26.6}});
    Segna(p, borchie, kOroT.corpo, kTrattoFine);

    // The mantle's golden chain across the chest, from clasp to clasp.
    QPainterPath catena;
    Curva(catena, {{18.6, 24.4}, {22.5, 28.4}, {26.6, 24.4}});
    Segna(p, catena, kOroT.corpo, kTrattoFine);
    Macchia(p, {26.6, 24.4}, 0.8, 0.8, kOroT.corpo);

    // A soldier's face turned towards his sword over a short square beard:
    // the king of cups, fair, looks the other way over a long forked one.
    Testa(p,
          {kViso, 1, kBarbaRamata, kBarbaRamata, 2.4, 3.4, 1.0, false, 0.7, 0.3, -0.7, volti::Taglio::Allungato,
           Capo::Bocca::Serrata, Capo::Taglio::Quadro, QColor(0x5E, 0x6A, 0x40), volti::Naso::Aquilino});
    // The crown lifted clear of the brow: at the natural size its band must
    // not sit on the eyes.
    p.save();
    p.translate(0, -1.2);
    {
        // Wider only: as tall, it would reach the card's top.
        const PiuGrandeAlPixel grande(p, {22.5, 14.4}, kCoronaAlPixel, 1);
        CoronaAPunte(p);
    }
    p.restore();

    // The sword raised in his fist above the mantle, leaning out from him
    // into the white, its blade bending away: upright by the mantle's edge
    // it was lost at the natural size. The slender one at every size, and
    // long (the pips' broad one, as short as the card's top edge allows, was
    // read at the natural size as a candle or a dagger).
    SpadaTenuta(p, {35.0, 28.2}, 27, kPendenzaSpada);
    Mano(p, {35.0, 28.2}, 1.6);
}

} // namespace belvane::cardart::re
