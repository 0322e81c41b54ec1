// The king of clubs: a king in his prime with a forked black beard, turned
// to the right, his cudgel held upright at arm's length and his other hand
// on his belt; a tall closed crown, the violet cloak swept back behind him.
#include "re_parti.h"

#include "stampa.h"

#include "emblemi.h"

#include <QtMath>

#include <cmath>

namespace belvane::cardart::re {
namespace {

constexpr QPointF kViso{21.5, 17.5};
// He is drawn this far to the left of where his shapes are given, his
// cudgel and the fist round it where they are: the gap between them and his
// robe is what keeps the green cudgel off the green robe at the natural
// size. Whole pixels, so that his eyes keep theirs.
constexpr qreal kScosta = 2;
// His fist round the cudgel, where it is drawn.
constexpr QPointF kPugno{35.0, 31.0};
// A king in his prime, black-haired, his black beard forked: old and
// white-bearded, he was told from the Re di Denari only by his robe, and his
// beard ran into the ermine. The beard's strands and outline in a tone light
// enough not to blacken his small face at the natural size.
const Tinta kBarbaNera{QColor(0x6A, 0x58, 0x4C), QColor(0x3E, 0x32, 0x2C), QColor(0x8A, 0x6E, 0x5A)};
// At the natural size the beard one dark tone throughout: in the tones
// above, its light strands and outline ringed a darker middle that read as
// an open mouth.
const Tinta kBarbaNeraPixel{QColor(0x6A, 0x58, 0x4C), QColor(0x5A, 0x48, 0x3C), QColor(0x5A, 0x48, 0x3C)};
const Tinta kCapelliNeri{QColor(0x5E, 0x4E, 0x44), QColor(0x3A, 0x30, 0x2A), QColor(0x7E, 0x66, 0x54)};
// At the natural size his hair in dark tones only: there the light tone of
// its strands took the narrow locks beside his face, and he was read as a
// second grey-haired old king.
const Tinta kCapelliNeriPixel{QColor(0x4A, 0x3E, 0x36), QColor(0x34, 0x2A, 0x24), QColor(0x24, 0x1C, 0x18)};
// A violet cloak of a middle tone: a dark one is a heavy triangle at the
// natural size, a fawn one a beige blob, a green one swallows the cudgel, a
// gold one with its folds reads as a sheaf.
const Tinta kMantoT{QColor(0xB4, 0x84, 0xC8), QColor(0x8A, 0x56, 0xA4), QColor(0x5C, 0x32, 0x74)};
// A robe of bottle green, darker than the cudgel's: in red he was taken for
// the king of cups.
const Tinta kVesteT{QColor(0x4C, 0x8A, 0x5C), QColor(0x28, 0x60, 0x38), QColor(0x14, 0x3A, 0x22)};

// A closed crown: a jewelled band with fleurons, a red cap under two low
// golden arches, a small orb where they meet; low and round, not a mitre.
void CoronaChiusa(QPainter &p)
{
    const QPainterPath cupola = Morbido({{17.4, 13.2}, {17.8, 10.6}, {21.5, 9.0}, {25.2, 10.6}, {25.6, 13.2}});
    // The red velvet cap, and the golden arches over it (a red one under a
    // white beard read as a bishop's; over his black one it does not, and a
    // green one was one more green above his green robe and cudgel).
    Piano(p, cupola, kRossoT, kOroScuro, 0.6, 0.4);
    QPainterPath archi = Arto({21.5, 9.3}, {21.5, 12.2}, 0.5, 0.5);
    for (int lato : {-1, 1}) {
        const QPointF spalla(21.5 + lato * 2.6, 10.3);
        archi = Unione(archi, Arto({21.5 + lato * 3.4, 12.4}, spalla, 0.5, 0.5));
        archi = Unione(archi, Arto(spalla, {21.5, 9.3}, 0.5, 0.5));
    }
    Piano(p, archi, kOroT, Qt::transparent, 0.4, 0);
    Piano(p, Ovale(QPointF(21.5, 8.5), 1.1, 1.0), kOroT, kOroScuro, 0.4, 0.3);
    const QPainterPath fascia = Morbido({{17.3, 12.0},
                                         {17.3, 12.0},
                                         {21.5, 11.4},
                                         {25.7, 12.0},
                                         {25.7, 12.0},
                                         {25.9, 14.6},
                                         {25.9, 14.6},
                                         {21.5, 14.1},
                                         {17.1, 14.6},
                                         {17.1, 14.6}});
    Piano(p, fascia, kOroT, kOroScuro, 0.6, 0.4);
    // Fleurons on the band, in front of the cap: a tall leaf between two
    // curled ones.
    QPainterPath gigli;
    for (qreal x : {18.3, 21.5, 24.7}) {
        gigli = Unione(gigli, Ovale(QPointF(x, 10.6), 0.55, 1.1));
        gigli = Unione(gigli, Ovale(QPointF(x - 0.85, 11.4), 0.55, 0.45));
        gigli = Unione(gigli, Ovale(QPointF(x + 0.85, 11.4), 0.55, 0.45));
    }
    Piano(p, gigli, kOroT, Qt::transparent, 0.3, 0.3);
    // Jewels on the band, pearls along the arches.
    Ellisse(p, {21.5, 12.9}, 0.75, 0.65, kRosso, kRossoScuro, kTrattoInterno);
    Ellisse(p, {18.9, 13.1}, 0.55, 0.5, kRosso, kRossoScuro, kTrattoInterno);
    Ellisse(p, {24.1, 13.1}, 0.55, 0.5, kRosso, kRossoScuro, kTrattoInterno);
    QPainterPath perle;
    for (QPointF c : {QPointF(19.0, 10.4), QPointF(24.0, 10.4), QPointF(21.5, 10.8)})
        perle.addPath(Ovale(c, 0.3, 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(kOroT.luce);
    p.drawPath(perle);
}

} // namespace

void ReDiBastoni(QPainter &p)
{
    p.save();
    p.translate(-kScosta, 0);
    // The cloak, hung from both shoulders and swept back to the left, away
    // from the cudgel.
    const QPainterPath manto = Morbido({{22.5, 21.8},
                                        {18.0, 22.6},
                                        {13.2, 24.4},
                                        {9.8, 30.4},
                                        {7.6, 40.0},
                                        {6.2, 50.0},
                                        {5.8, 58.0},
                                        {6.2, 63.6},
                                        {6.2, 63.6},
                                        {8.0, 64.6},
                                        {8.4, 63.8},
                                        {10.4, 64.8},
                                        {12.2, 64.0},
                                        {22.0, 64.6},
                                        {31.4, 64.4},
                                        {31.4, 64.4},
                                        {30.4, 44.0},
                                        {29.6, 30.0},
                                        {27.4, 22.8}});
    Piano(p, manto, kMantoT, kContorno);
    // Engraved shade where the cloak falls behind him, along its folds.
    Ombra(p, Intersezione(manto, Spezzata({{11, 34}, {17, 30}, {17, 64}, {12, 64}})), kMantoT.ombra);
    // It hangs in deep folds from the shoulder to the hem.
    Pieghe(p, manto, kMantoT, {{{13.2, 28.0}, {6.4, 63.0}, 2.6}, {{28.8, 34.0}, {30.4, 64.0}, 1.6}});
    QPainterPath pieghe;

    // The long green robe, a golden orphrey down its front.
    const QPainterPath veste = Morbido({{19.0, 22.4},
                                        {15.6, 24.4},
                                        {14.9, 30.0},
                                        {14.3, 40.0},
                                        {12.9, 52.0},
                                        {12.0, 64.3},
                                        {12.0, 64.3},
                                        {17.0, 64.8},
                                        {23.0, 65.0},
                                        {31.4, 64.3},
                                        {31.4, 64.3},
                                        {30.0, 52.0},
                                        {28.9, 40.0},
                                        {28.5, 30.0},
                                        {27.8, 24.6},
                                        {24.0, 22.4}});
    Piano(p, veste, kVesteT, kContorno, 1.4, 0.8);
    Ombra(p, Intersezione(veste, Spezzata({{26.2, 38}, {34, 38}, {34, 66}, {25.0, 66}})), kVesteT.ombra);
    const QPainterPath stola = Morbido(
        {{22.4, 38}, {22.4, 38}, {24.6, 38}, {24.6, 38}, {25.6, 64.6}, {25.6, 64.6}, {23.0, 64.8}, {23.0, 64.8}});
    Piano(p, stola, kOroT, kOroT.ombra, 0.5, 0.3);
    QPainterPath ricamo;
    for (qreal y = 41; y < 63; y += 3.2) {
        const qreal x = 23.5 + (y - 38) * 0.04;
        Curva(ricamo, {{x - 0.7, y}, {x, y - 0.9}, {x + 0.7, y}, {x, y + 0.9}, {x - 0.7, y}});
    }
    Segna(p, ricamo, kOroT.ombra);
    // A golden hem between the robe and the green ground.
    Piano(p, Intersezione(veste, Spezzata({{8, 61.8}, {36, 61.4}, {36, 70}, {8, 70}})), kOroT, kOroT.ombra, 0.5, 0);
    // Shoes peeping out from under the hem, toes turned out: drawn under
    // the robe they were lost, and he seemed to have no feet.
    Ellisse(p, {15.4, 64.4}, 2.6, 1.2, kCuoioT.corpo, kContorno);
    Ellisse(p, {29.4, 64.4}, 2.8, 1.2, kCuoioT.corpo, kContorno);
    pieghe = QPainterPath();
    Curva(pieghe, {{17.0, 39.5}, {16.0, 50}, {15.0, 63.8}});
    Curva(pieghe, {{19.8, 39.5}, {19.6, 52}, {19.2, 64.2}});
    Curva(pieghe, {{27.2, 39.5}, {28.0, 52}, {28.6, 63.4}});
    Curva(pieghe, {{17.2, 26}, {17.6, 31}, {18.6, 35.6}});
    Segna(p, pieghe, kVesteT.ombra, kPiega);
    // The belt, its buckle.
    const QPainterPath cintura = Morbido({{14.4, 36.4},
                                          {14.4, 36.4},
                                          {28.8, 36.6},
                                          {28.8, 36.6},
                                          {28.8, 38.2},
                                          {28.8, 38.2},
                                          {14.3, 38.0},
                                          {14.3, 38.0}});
    Piano(p, cintura, kOroT, kOroT.ombra, 0.5, 0.3);
    Ellisse(p, {23.5, 37.3}, 1.3, 1.1, kOroT.luce, kOroScuro, kTrattoFine);

    // The left arm hanging at his side, the hand gathering the cloak.
    const QPainterPath braccio = Morbido({{16.4, 24.4},
                                          {13.0, 26.0},
                                          {10.6, 31.0},
                                          {9.4, 36.4},
                                          {9.2, 39.2},
                                          {9.2, 39.2},
                                          {12.2, 39.8},
                                          {12.2, 39.8},
                                          {12.8, 36.4},
                                          {14.2, 31.4},
                                          {16.6, 28.4}});
    Piano(p, braccio, kVesteT, kContorno, 1.0, 0.6);
    pieghe = QPainterPath();
    Curva(pieghe, {{13.0, 28.4}, {11.6, 31.6}, {11.0, 35.0}});
    Segna(p, pieghe, kVesteT.ombra, kPiega);
    // A cuff in the sleeve's own shade: a white one over the violet mantle
    // read as a stray white object in his hand, a golden one as a coin.
    Ellisse(p, {10.7, 39.7}, 1.3, 1.0, kVesteT.ombra, kContorno, kTrattoFine);
    Mano(p, {10.7, 41.2}, 1.4);

    // The right arm stretched out from the shoulder, so that the cudgel
    // stands clear of him against the white and the arm that holds it shows
    // whole: held at his side, the cudgel lay on his green robe and seemed
    // to come out from under his cloak.
    const QPointF pugno = kPugno + QPointF(kScosta, 0);
    const QPainterPath destro = Morbido({{26.0, 23.4},
                                         {29.6, 23.4},
                                         {pugno.x() - 3.0, pugno.y() - 2.6},
                                         {pugno.x() + 0.4, pugno.y() - 1.6},
                                         {pugno.x() + 0.2, pugno.y() + 1.4},
                                         {pugno.x() - 3.4, pugno.y() + 1.4},
                                         {28.8, 30.2},
                                         {27.4, 27.4}});
    // In the cloak's violet: in the robe's green the cudgel's foot and his
    // fist were lost against it.
    Piano(p, destro, kMantoT, kContorno, 1.0, 0.6);
    pieghe = QPainterPath();
    Curva(pieghe, {{29.6, 26.4}, {pugno.x() - 6.0, pugno.y() - 0.8}, {pugno.x() - 3.0, pugno.y() - 0.2}});
    Segna(p, pieghe, kMantoT.ombra, kPiega);
    Ellisse(p, pugno + QPointF(-1.4, 0), 1.0, 1.6, kErmellino, kContorno, kTrattoFine);

    // The ermine cape on the shoulders.
    Ermellino(p,
              Morbido({{14.8, 24.2},
                       {18.4, 22.0},
                       {24.6, 22.0},
                       {28.6, 24.0},
                       {29.2, 26.6},
                       {25.0, 27.8},
                       {21.5, 28.0},
                       {18.0, 27.8},
                       {14.2, 26.8}}),
              {{16.6, 25.0}, {19.2, 26.2}, {24.0, 26.4}, {27.0, 25.2}, {21.6, 23.6}});

    // At the natural size his beard shorter and narrower: there, as long as
    // in the larger drawing, it was a dark block over his mouth, and his face
    // a smudge between black hair and beard.
    Testa(p,
          {kViso, 1, InchiostroDelPixelInUso() ? kCapelliNeriPixel : kCapelliNeri,
           InchiostroDelPixelInUso() ? kBarbaNeraPixel : kBarbaNera, InchiostroDelPixelInUso() ? 2.6 : 4.6,
           InchiostroDelPixelInUso() ? 2.2 : 3.3, 3.0, false, 0.3, 0.5, -0.4, volti::Taglio::Mandorla,
           Capo::Bocca::Serrata, Capo::Taglio::Forcuto, QColor(0x4A, 0x36, 0x26), volti::Naso::Aquilino,
           kBarbaNera.ombra});
    {
        const PiuGrandeAlPixel grande(p, {21.5, 14.6}, kCoronaAlPixel, kCoronaAlPixel);
        CoronaChiusa(p);
    }
    p.restore();

    // The cudgel held upright at arm's length, its head beside his crown,
    // in proportion to him as the horseman's is: longer, it crowded the
    // card's edge and top. His fist closes well above the butt, a hand's
    // breadth of it below: near the very end the cudgel looked balanced on
    // his knuckles, a torch or a sceptre.
    const qreal bastone = InchiostroDelPixelInUso() ? 25 : 24;
    // Leaning out a little less than it might: further out from him, its
    // head would reach the card's edge.
    constexpr qreal kPendenza = 4;
    const QPointF impugnatura = kPugno + QPointF(-1.5, 1.25),
                  lungo(std::sin(qDegreesToRadians(kPendenza)), -std::cos(qDegreesToRadians(kPendenza)));
    EmblemaTenuto(p, Seme::Bastoni, impugnatura + lungo * (bastone / 2 - 4.6), bastone, kPendenza);
    Mano(p, kPugno, 1.6, kPendenza);
}

} // namespace belvane::cardart::re
