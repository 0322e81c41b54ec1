#include "figure.h"

#include "emblemi.h"
#include "fanti_comune.h"
#include "pedana.h"
#include "pennelli.h"
#include "sagome.h"
#include "stampa.h"

#include <QtMath>

#include <cmath>
#include <utility>

namespace belvane::cardart {
namespace {

// The knaves are drawn standing on y = 63.5; the platform's top is this much lower.
constexpr qreal kAbbassa = 1;

} // namespace

namespace fanti {

namespace {

// The linen collar turned down at the neck of a doublet, one cut for the
// knaves who wear it.
void Colletto(QPainter &p)
{
    Forma(p, {{21.8, 22.2}, {25.5, 20.6}, {29.2, 22.2}, {27.4, 23.6}, {25.5, 22.8}, {23.6, 23.6}}, kLinoT, 0.4, 0);
}

} // namespace

// A curly-headed youth in a soft violet bonnet and a bottle-green doublet
// braided in gold; his cudgel held upright at his side.
void FanteDiBastoni(QPainter &p)
{
    // Drawn to the left of where his shapes are given, his cudgel and the
    // fist round it where they are: the white and the violet sleeve between
    // them keep the green cudgel off his green doublet at the natural size.
    constexpr qreal kScosta = kScostaBastoni;
    p.save();
    p.translate(-kScosta, 0);
    // The doublet a green well darker than the cudgel's and the ground's: in
    // their own green the cudgel ran into it over the green ground and was
    // lost at the natural size; in violet, as the knave of swords' cape and
    // breeches, the two knaves were one purple figure.
    const Tinta bottiglia{QColor(0x3A, 0x6E, 0x4A), QColor(0x1E, 0x4C, 0x30), QColor(0x10, 0x30, 0x1C)};
    // The leg he stands on, and the other set out to the side at ease, its
    // knee turned out; red hose under the green.
    const Profilo ferma = ProfiloArto({{{19.8, 40}, 4.4}, {{19.2, 50.6}, 3.0}, {{18.8, 54}, 3.4}, {{18.2, 61.6}, 2.2}});
    Forma(p, ferma, kRossoT, 0.9, 0.5);
    OmbraOltre(p, ferma, {20.0, 40}, {18.6, 62}, kRossoT.ombra);
    Segna(p, Tratti({{{17.4, 56.2}, {20.2, 56.6}}}), kOcraT.corpo, kPiega);
    Scarpa(p, {18.6, 62.9}, {15.6, 63.2});
    const Profilo libera =
        ProfiloArto({{{24.0, 40}, 4.6}, {{26.2, 50.2}, 3.1}, {{27.0, 53.4}, 3.4}, {{28.8, 60.6}, 2.2}});
    Forma(p, libera, kRossoT, 0.9, 0.5);
    OmbraOltre(p, libera, {24.8, 40}, {29.4, 60}, kRossoT.ombra);
    Segna(p, Tratti({{{25.0, 51.0}, {26.4, 51.8}, {27.8, 51.4}}}), kOcraT.corpo, kPiega);
    Scarpa(p, {28.8, 62.2}, {30.6, 63.2});
    // A bushy mop of dark curls under the cap, down to his collar: the
    // knaves' faces are one young face, and their hair tells them apart.
    const Profilo riccioli{{15.2, 11.2}, {14.0, 13.2}, {14.6, 15.0}, {13.8, 16.8}, {14.4, 18.8},
                           {15.8, 20.2}, {17.4, 19.2}, {21.6, 19.2}, {23.2, 20.2}, {24.6, 18.8},
                           {25.2, 16.8}, {24.4, 15.0}, {25.0, 13.2}, {23.8, 11.2}, {19.5, 10.0}};
    Forma(p, riccioli, kCastanoT, 0.9, 0.5);
    Segna(p,
          Tratti({{{15.0, 12.8}, {15.9, 13.8}, {15.0, 15.0}},
                  {{14.8, 15.6}, {15.6, 16.6}, {14.8, 17.6}},
                  {{15.2, 18.2}, {16.2, 19.0}, {16.4, 19.8}},
                  {{24.0, 12.8}, {23.1, 13.8}, {24.0, 15.0}},
                  {{24.2, 15.6}, {23.4, 16.6}, {24.2, 17.6}},
                  {{23.8, 18.2}, {22.8, 19.0}, {22.6, 19.8}}}),
          kCastanoT.luce);
    Forma(p, ProfiloArto({{{19.6, 18.2}, 3.9}, {{19.6, 21.6}, 4.2}}), kPelleBrunaT, 0.8, 0, kBordoPelle);
    // The doublet with its skirt, braided across the chest, edged in gold.
    const Profilo farsetto{{14.2, 22.2}, {19.5, 21.2}, {25, 21.8}, {26, 26.5},   {24.6, 33.2},
                           {27.4, 40.6}, {21, 42.2},   {14, 40.6}, {15.6, 33.2}, {13.6, 26.5}};
    Forma(p, farsetto, bottiglia);
    OmbraOltre(p, farsetto, {22.5, 21}, {24.5, 42}, bottiglia.ombra);
    OmbraOltre(p, farsetto, {15.8, 42}, {16.4, 21}, bottiglia.luce, false);
    Segna(p, Tratti({{{17.0, 26.0}, {22.2, 26.0}}, {{17.0, 28.4}, {22.2, 28.4}}, {{17.2, 30.8}, {22.0, 30.8}}}),
          kOcraT.corpo, 0.7);
    QPainterPath alamari;
    for (qreal y : {26.0, 28.4, 30.8})
        for (qreal x : {16.9, 22.3})
            alamari.addEllipse(QPointF(x, y), 0.5, 0.5);
    Riempi(p, alamari, kOcraT.luce, kOcraT.ombra, kTrattoFine);
    Bordura(p, Tratti({{{14.6, 40.4}, {21, 41.6}, {26.8, 40.4}}}), kOcraT.corpo, bottiglia.ombra, 1.0);
    Segna(p, Tratti({{{17.4, 35}, {16.2, 40.2}}, {{21, 35}, {21, 41.2}}, {{24, 35}, {25.6, 40.2}}}), bottiglia.ombra,
          kTrattoFine);
    if (OrnatoMinuto()) {
        QPainterPath stelle;
        for (QPointF c : {QPointF(16.8, 37.6), QPointF(19.2, 38.8), QPointF(22.8, 38.6), QPointF(25.0, 38.0)})
            stelle.addEllipse(c, 0.35, 0.35);
        p.setPen(Qt::NoPen);
        p.setBrush(kOcraT.corpo);
        p.drawPath(stelle);
    }
    Forma(p, ProfiloArto({{{15.4, 33.8}, 1.5}, {{24.8, 33.4}, 1.5}}), kMarroneT, 0.4, 0);
    Ellisse(p, {19.8, 33.6}, 0.9, 0.8, kOcraT.luce, kOcraT.ombra, kTrattoFine);
    // A purse at the belt, its flap closed by a gilt button: a plain one
    // read as a stain on the cloth.
    Forma(p, {{21.6, 34.6}, {24.2, 34.4}, {24.6, 37.6}, {23, 38.4}, {21.2, 37.4}}, kMarroneT, 0.6, 0);
    Forma(p, {{21.5, 34.5}, {24.3, 34.3}, {24.1, 35.8}, {22.9, 36.5}, {21.6, 35.8}},
          {kMarroneT.corpo, kMarroneT.ombra, kMarroneT.ombra}, 0.3, 0);
    Ellisse(p, {22.9, 36.1}, 0.45, 0.45, kOcraT.luce, kOcraT.ombra, kTrattoFine);
    // One fist on the hip; violet sleeves, as his bonnet, so that the
    // cudgel's golden leaves stand clear of the arm (white ones did too, but
    // vanished into the card at the natural size).
    const Profilo sinistro = ProfiloArto({{{14.8, 23}, 3.8}, {{10.2, 29.2}, 3.2}, {{14.2, 35.2}, 2.6}});
    Forma(p, sinistro, kViolaT, 0.8, 0.5);
    OmbraOltre(p, sinistro, {14, 23}, {11, 35}, kViolaT.ombra);
    Mano(p, {14.8, 35.6}, 1.4, -30, kPelleBrunaT);
    // The other arm down and out, the fist round the cudgel's grip, its
    // head standing up clear of his shoulder.
    const Profilo destro =
        ProfiloArto({{{24.8, 22.8}, 3.8}, {{29.4 + kScosta, 29.0}, 3.2}, {{32.6 + kScosta, 32.6}, 2.6}});
    Forma(p, destro, kViolaT, 0.8, 0.5);
    OmbraOltre(p, destro, {24, 23.8}, {32.0 + kScosta, 33.0}, kViolaT.ombra);
    // His fist a little above the butt, which shows below it; at his waist,
    // the cudgel's head by his cap: lower, it dangled from his hand. As long
    // as the card's top allows: shorter, it was a green stub beside him.
    EmblemaTenuto(p, Seme::Bastoni, {34.8 + kScosta, 23.6}, 29, 8);
    Mano(p, {33.8 + kScosta, 34.2}, 1.5, 10, kPelleBrunaT);
    // Puffed sleeve heads, slashed.
    for (const auto &[x, a] : {std::pair{14.8, -35.0}, std::pair{24.6, 40.0}}) {
        const Profilo spalla = Ovale({x, 23}, 2.5, 1.7, a);
        Forma(p, spalla, kRossoT, 0.6, 0);
        Segna(p, Tratti({{{x - 0.8, 22}, {x - 0.6, 24}}, {{x + 0.6, 22}, {x + 0.8, 24}}}), kOcraT.corpo, 0.45);
    }
    Forma(p, {{16, 21.6}, {19.5, 20.2}, {23, 21.6}, {21.4, 23.2}, {19.5, 22.4}, {17.6, 23.2}}, kLinoT, 0.4, 0);
    Volto(p, CentroViso(Seme::Bastoni) + QPointF(kScosta, 0), 0.5, 4, 0,
          {0.1, 0, -0.2, 0.2, 0, 0, Qt::transparent, 0, 0, -0.2, 0, 0.2, 0, volti::Taglio::Aperto,
           Lineamenti::Bocca::Quieta, QColor(0x6A, 0x58, 0x2C), volti::Naso::Largo, kPelleBrunaT});
    // A soft bonnet of violet cloth puffed over to one side above a red band
    // turned up round his brow, as his hose: a gold one was read as a crown,
    // a green one was lost against his doublet.
    const Profilo cuffia{{15.8, 11.0}, {15.4, 8.6}, {17.0, 6.6}, {20.4, 5.8},
                         {23.8, 6.4},  {25.8, 7.8}, {25.0, 9.4}, {23.4, 11.0}};
    Forma(p, cuffia, kViolaT, 0.9, 0.5);
    OmbraOltre(p, cuffia, {21.6, 4}, {23.6, 12}, kViolaT.ombra);
    Segna(p, Tratti({{{17.8, 7.0}, {18.4, 9.8}}, {{20.6, 6.4}, {21.0, 9.8}}, {{23.4, 7.0}, {23.0, 9.8}}}),
          kViolaT.ombra, kPiega);
    const Profilo risvolto{{15.0, 12.8}, {15.2, 10.4}, {19.5, 9.6}, {23.8, 10.4}, {24.0, 12.8}, {19.5, 12.0}};
    Forma(p, risvolto, kRossoT, 0.6, 0.4);
    p.restore();
}

// Stepping forward, the cup carried at his waist, his other fist on the hip,
// long hair under a plumed beret.
void FanteDiCoppe(QPainter &p)
{
    // The leg behind, bent at the knee as it pushes off, the heel raised,
    // its hose crimson (white, it vanished into the card at the natural
    // size); the one in front, stepping out, red.
    const Profilo dietro =
        ProfiloArto({{{27.8, 40}, 4.4}, {{28.8, 50.2}, 3.0}, {{30.0, 53.2}, 3.3}, {{33.4, 59.4}, 2.2}});
    Forma(p, dietro, kCremisiT, 0.9, 0.5);
    OmbraOltre(p, dietro, {28.6, 40}, {33.8, 60}, kCremisiT.ombra);
    Segna(p, Tratti({{{27.4, 52.2}, {30.4, 51.4}}}), kOcraT.corpo, kPiega);
    Scarpa(p, {34.4, 59.6}, {31.0, 63.2});
    const Profilo avanti = ProfiloArto({{{23, 40}, 4.6}, {{20.4, 50}, 3.1}, {{19.4, 53.4}, 3.4}, {{17.2, 61}, 2.2}});
    Forma(p, avanti, kRossoT, 0.9, 0.5);
    OmbraOltre(p, avanti, {23.4, 40}, {18, 61}, kRossoT.ombra);
    Segna(p, Tratti({{{18.2, 52.6}, {21.4, 53.4}}}), kOcraT.corpo, kPiega);
    Scarpa(p, {18.4, 63.0}, {13.2, 63.2});
    // Dark chestnut hair in long waves to his shoulders, a page's: auburn,
    // near his fair skin, it made his face one tan blur at the natural size.
    const Profilo chioma{{21.8, 13.0}, {22.5, 10.5}, {25.5, 9.6},  {29.0, 10.8}, {30.2, 14.0}, {31.2, 17.0},
                         {31.4, 20.2}, {30.4, 21.8}, {29.0, 21.4}, {28.2, 19.6}, {27.6, 18.2}, {23.5, 18.4},
                         {21.6, 19.6}, {20.6, 18.6}, {20.8, 16.4}, {21.2, 14.8}};
    Forma(p, chioma, kCastanoT, 0.9, 0.5);
    Segna(p,
          Tratti({{{28.2, 12}, {29.4, 16}, {30.0, 19.6}},
                  {{27, 12.4}, {28.2, 16.4}, {28.8, 19.0}},
                  {{29.4, 13}, {30.6, 16.8}, {30.8, 20.6}},
                  {{21.8, 15.2}, {21.4, 17.2}, {21.6, 19.0}}}),
          kCastanoT.ombra);
    // The far arm down at his side, its fist on the hip.
    const Profilo lontano = ProfiloArto({{{29.6, 23.4}, 3.4}, {{33.6, 29.4}, 2.9}, {{32.2, 34.6}, 2.4}});
    Forma(p, lontano, kRossoT, 0.7, 0.4);
    OmbraOltre(p, lontano, {30, 23.4}, {33.4, 34.6}, kRossoT.ombra);
    Forma(p, ProfiloArto({{{25.5, 18}, 3.9}, {{25.3, 21.5}, 4.2}}), kPelleChiaraT, 0.8, 0, kBordoPelle);
    // An orange doublet over red sleeves: in blue he was read as a knave of
    // swords, the cup alone naming his suit.
    const Profilo farsetto{{20.8, 22.4}, {25.6, 21.4}, {30.4, 22.4}, {30.6, 27},   {29.4, 33.6},
                           {31.6, 40.8}, {25, 42},     {18.6, 40.8}, {21.4, 33.6}, {20.4, 27}};
    Forma(p, farsetto, kArancioT);
    QPainterPath tagli;
    for (qreal x : {23.6, 25.6, 27.6})
        tagli.addPath(Taglio(x, 24, 31.2));
    Riempi(p, tagli, kLinoT.corpo, kArancioT.ombra, kTrattoInterno);
    OmbraOltre(p, farsetto, {27.5, 21}, {29, 42}, kArancioT.ombra);
    OmbraOltre(p, farsetto, {20.8, 42}, {22.4, 21}, kArancioT.luce, false);
    Bordura(p, Tratti({{{19.4, 40.4}, {25, 41.6}, {30.8, 40.4}}}), kOcraT.corpo, kArancioT.ombra, 1.0);
    Segna(p, Tratti({{{22, 35.2}, {20, 40.2}}, {{25, 35.2}, {24.6, 41.2}}, {{28.2, 35.2}, {30, 40.2}}}),
          kArancioT.ombra, kTrattoFine);
    Forma(p, ProfiloArto({{{21.4, 34}, 1.5}, {{29.6, 33.8}, 1.5}}), kOcraT, 0.4, 0);
    Mano(p, {31.4, 35.0}, 1.4, 30, kPelleChiaraT);
    // The cup raised before him to his chest, his fist round its stem, as a
    // page offers it: the king of cups lifts his high at arm's length. (At
    // his waist it seemed to float beside him.) As large as the white beside
    // him allows: a size smaller it was read at the natural size as a few
    // yellow pixels. The fist high on the stem, the forearm rising to it: at
    // the foot's height the two made one dark bar, a funnel on a tray.
    EmblemaTenuto(p, Seme::Coppe, {11.2, 22.4}, 18, 0);
    const Profilo vicino = ProfiloArto({{{21.4, 23.2}, 3.6}, {{19.8, 32.0}, 2.9}, {{13.4, 28.4}, 2.5}});
    Forma(p, vicino, kRossoT, 0.7, 0.4);
    OmbraOltre(p, vicino, {22.4, 23}, {13.0, 30.2}, kRossoT.ombra);
    Segna(p, Tratti({{{13.2, 27.0}, {14.0, 29.4}}}), kLinoT.corpo, 1.0);
    Mano(p, {11.6, 27.9}, 1.4, 90, kPelleChiaraT);
    const Profilo spalla = Ovale({21.6, 23.4}, 2.4, 1.7, -60);
    Forma(p, spalla, kArancioT, 0.6, 0);
    Segna(p, Tratti({{{20.8, 22.2}, {21.4, 24.4}}, {{22.2, 22}, {22.6, 24}}}), kLinoT.corpo, 0.45);
    Colletto(p);
    // A round, cheerful boy's face, rosy, a snub nose.
    Volto(p, CentroViso(Seme::Coppe), -0.6, -4, 0.05,
          {-0.2, -0.2, -0.2, 0.5, -0.1, 0.9, Qt::transparent, 0, 0, -0.5, -0.8, 0.2, -0.6, volti::Taglio::Aperto,
           Lineamenti::Bocca::Sorride, QColor(0x5A, 0x52, 0x44), volti::Naso::Corto, kPelleChiaraT});
    // The beret tilted back, a red plume sweeping down behind: a white one was
    // read as a wisp of smoke over the card's white.
    const Profilo piuma{{27.5, 10}, {30, 6.2},   {34, 4.6},   {37, 5.8}, {37.4, 9.6},
                        {36, 8.2},  {35.2, 7.2}, {31.5, 8.4}, {29, 10.8}};
    Forma(p, piuma, kRossoT, 0.7, 0, kRossoT.ombra);
    Segna(p,
          Tratti({{{28.6, 9.6}, {31.5, 6.8}, {34.5, 5.8}, {36.4, 7.2}},
                  {{30.4, 7.6}, {30.6, 6.2}},
                  {{32.2, 6.8}, {32.4, 5.4}},
                  {{34, 6.2}, {34.4, 5}},
                  {{35.6, 6.6}, {36.6, 5.8}}}),
          kRossoT.ombra);
    const Profilo berretto{{20.2, 12.4}, {21, 10}, {25, 8.6}, {29.8, 9.2}, {30.6, 11.2}, {26, 12.6}, {22.5, 12.9}};
    Forma(p, berretto, kRossoT, 0.8, 0.5);
    Segna(p, Tratti({{{21.6, 11.6}, {26, 11.2}, {29.6, 10.6}}}), kRossoT.ombra);
    Ellisse(p, {23.2, 11.2}, 0.8, 0.8, kOcraT.corpo, kOcraT.ombra, kTrattoFine);
}

// The coin-bearer's tunic his suit's gold, full and warm, with plum velvet
// sleeves and hose: in crimson he was first taken for a knave of cups, in a
// pale gold he was the faintest figure of the deck, in amber to the wrist
// he, his coin and his ground were one drab gold block, and with black
// sleeves and hose under the gold he was read as a bumblebee.
const Tinta kAmbraT{QColor(0xF2, 0xC4, 0x50), QColor(0xD8, 0x9C, 0x1E), QColor(0x96, 0x62, 0x10)};
// His velvet sleeves a step lighter than his hose, lit along their upper
// edge: in the hose's own tone they ran into their outlines, and his arms
// read as one dark silhouette.
const Tinta kVellutoT{QColor(0xA8, 0x74, 0xA8), QColor(0x76, 0x42, 0x7A), QColor(0x4A, 0x22, 0x4E)};
const Tinta kCalzeT{QColor(0x86, 0x4C, 0x84), QColor(0x58, 0x28, 0x58), QColor(0x36, 0x14, 0x36)};

// A fair-haired page: the coin borne up beside his head and his eyes on it,
// a fist on the hip, a tunic to the knee over plum hose.
void FanteDiDenari(QPainter &p)
{
    // Drawn a pixel to the left, to leave his coin room by the card's edge.
    p.save();
    p.translate(-kScostaDenari, 0);
    // He stands on one leg, the other at ease and turned out, in plum hose
    // gartered in gold below the knee (yellow ones ran into his yellow
    // ground at the natural size).
    const Profilo ferma =
        ProfiloArto({{{17.0, 40}, 4.2}, {{16.6, 50.6}, 3.0}, {{16.5, 54.0}, 3.2}, {{16.2, 61.8}, 2.1}});
    const Profilo libera =
        ProfiloArto({{{22.2, 40}, 4.4}, {{23.8, 50.4}, 3.0}, {{24.6, 53.6}, 3.2}, {{26.4, 61.4}, 2.1}});
    Forma(p, ferma, kCalzeT, 0.7, 0.5);
    OmbraOltre(p, ferma, {17.0, 40}, {16.2, 62}, kCalzeT.ombra);
    Forma(p, libera, kCalzeT, 0.7, 0.5);
    OmbraOltre(p, libera, {22.2, 40}, {26.4, 62}, kCalzeT.ombra);
    Segna(p, Tratti({{{15.0, 52.6}, {18.1, 52.8}}, {{22.2, 52.4}, {25.4, 53.0}}}), kOcraT.corpo, 0.8);
    Scarpa(p, {16.8, 62.8}, {12.8, 63.2});
    Scarpa(p, {25.8, 62.4}, {29.4, 63.3});
    // Fair hair to the jaw, as pages wore it, its ends turned under: cut
    // straight, it framed his face in a box, a nutcracker's.
    const Profilo zazzera{{15.8, 15},   {16.2, 11.6}, {19.5, 10.6}, {22.8, 11.6}, {23.2, 15},  {23.9, 18.0},
                          {23.0, 19.4}, {21.8, 19.0}, {17.2, 19.0}, {16.0, 19.4}, {15.1, 18.0}};
    Forma(p, zazzera, kBiondoT, 0.8, 0.5);
    Segna(p, Tratti({{{16.2, 14}, {16.0, 18.6}}, {{22.8, 14}, {23.0, 18.6}}}), kBiondoT.ombra);
    // The tunic, gathered at the waist and falling to the knee, edged in gold.
    const Profilo cappotto{{13.6, 22.6}, {19.5, 21.6}, {25.4, 22.4}, {26.2, 27.5}, {24.6, 33.6}, {27.0, 39.6},
                           {28.4, 46.4}, {19.8, 47.4}, {11.0, 46.4}, {12.4, 39.6}, {15, 33.6},   {13.4, 27.5}};
    Forma(p, cappotto, kAmbraT, 1.2, 0.6);
    OmbraOltre(p, cappotto, {21, 21}, {24.6, 48}, kAmbraT.ombra);
    OmbraOltre(p, cappotto, {12.8, 48}, {15.8, 21}, kAmbraT.luce, false);
    Segna(p,
          Tratti({{{17.2, 35.6}, {15.4, 40.6}, {14.4, 46.2}},
                  {{22.6, 35.6}, {24.4, 40.6}, {25.4, 46.4}},
                  {{18.4, 35.6}, {17.8, 41.0}, {17.6, 46.8}}}),
          kAmbraT.ombra, kPiega);
    Bordura(p, Tratti({{{19.5, 22.4}, {19.5, 33}, {19.8, 47.0}}}), kCalzeT.corpo, kOcraT.corpo, 1.2);
    Bordura(p, Tratti({{{11.6, 45.8}, {19.8, 46.8}, {27.8, 45.8}}}), kCalzeT.corpo, kOcraT.corpo, 1.1);
    QPainterPath bottoni;
    for (qreal y : {25.0, 28.0, 31.0})
        bottoni.addEllipse(QPointF(19.5, y), 0.6, 0.6);
    Riempi(p, bottoni, kOcraT.luce, kOcraT.ombra, kTrattoInterno);
    Forma(p, ProfiloArto({{{15, 33.8}, 1.7}, {{24.6, 33.6}, 1.7}}), kMarroneT, 0.4, 0);
    // The fist on the hip.
    const Profilo sinistro = ProfiloArto({{{14.2, 23.2}, 3.9}, {{9.2, 29.6}, 3.3}, {{13.8, 34.8}, 2.7}});
    Forma(p, sinistro, kVellutoT, 0.8, 0.6);
    OmbraOltre(p, sinistro, {13.4, 23.2}, {10, 35}, kVellutoT.ombra);
    Mano(p, {14.4, 35.4}, 1.4, -30, kPelleOlivastraT);
    // The other arm bent at the elbow out from his side and the forearm
    // raised, the coin borne up on his fist beside his head and clear of his
    // cap: the king bears his at his side and the horseman lifts his over
    // his head behind him.
    const Profilo alzato = ProfiloArto({{{24.8, 23.2}, 3.9}, {{30.2, 26.4}, 3.3}, {{32.8, 20.4}, 2.7}});
    Forma(p, alzato, kVellutoT, 0.8, 0.6);
    OmbraOltre(p, alzato, {25.4, 22.4}, {33.8, 20.6}, kVellutoT.ombra);
    Segna(p, Tratti({{{31.4, 20.6}, {34.0, 21.0}}}), kOcraT.corpo, 1.1);
    // Its middle on a pixel's corner, so that at the natural size the
    // rose's heart is a square of four pixels, not a stroke.
    EmblemaTenuto(p, Seme::Denari, {34.0, 11.0}, 15, 0);
    Mano(p, {33.2, 19.2}, 1.5, 90, kPelleOlivastraT);
    for (const auto &[x, a] : {std::pair{14.4, -35.0}, std::pair{24.6, 50.0}}) {
        const Profilo spalla = Ovale({x, 23.4}, 2.5, 1.7, a);
        Forma(p, spalla, kVellutoT, 0.6, 0);
        Segna(p, Tratti({{{x - 0.7, 22.4}, {x - 0.5, 24.4}}, {{x + 0.6, 22.4}, {x + 0.8, 24.4}}}), kOcraT.corpo, 0.45);
    }
    Forma(p, {{15.8, 22.8}, {19.5, 21.2}, {23.2, 22.8}, {21.4, 24.4}, {19.5, 23.6}, {17.6, 24.4}}, kOcraT, 0.4, 0);
    // Heavy brows, a calm mouth, a warm skin; turned up towards the coin,
    // not staring out of the card. (A square jaw and a set mouth in an olive
    // skin made him the sullen one of the four.)
    Volto(p, CentroViso(Seme::Denari) + QPointF(kScostaDenari, 0), 0.9, 5, 0.12,
          {0, 0, 0.3, 0.2, 0.2, 0.6, Qt::transparent, 0, 0, -0.1, 0.3, 0.3, 0.6, volti::Taglio::Mandorla,
           Lineamenti::Bocca::Quieta, QColor(0x56, 0x66, 0x38), volti::Naso::Largo, kPelleT});
    // A rolled hood worn as a hat: a padded roll wound with a gold band, the
    // cloth gathered above it: black velvet and crimson beside the coin, so
    // that the coin's gold stands out, and no other suit's colour.
    const Profilo foggia{{16.2, 10.6}, {16.0, 8.4}, {17.6, 7.0},  {20.8, 6.6},
                         {23.6, 7.4},  {25.2, 9.4}, {24.4, 11.0}, {23.0, 10.6}};
    Forma(p, foggia, kCremisiT, 0.8, 0.5);
    Segna(p, Tratti({{{18.6, 7.4}, {19.0, 9.6}}, {{21.2, 7.0}, {21.6, 9.6}}, {{23.4, 7.8}, {23.6, 9.8}}}),
          kCremisiT.ombra, kPiega);
    const Profilo rotolo{{14.4, 12.0}, {15.0, 10.0}, {19.5, 9.0},  {24.0, 10.0},
                         {24.6, 12.0}, {24.0, 13.8}, {19.5, 13.2}, {15.0, 13.8}};
    Forma(p, rotolo, kNeroT, 0.8, 0.5);
    // A gold band round it, level: wound slantwise, its turns ran down to
    // his cheeks and were read as a helmet's strap.
    Segna(p, Tratti({{{14.9, 11.8}, {19.5, 11.1}, {24.1, 11.8}}}), kOcraT.corpo, 0.8);
    p.restore();
}

// Where the knave of swords holds his sword, how long it is and how far
// from upright it leans out from his side.
constexpr QPointF kPugnoFanteSpade(11.4, 38.4);
constexpr qreal kSpadaFante = 32;
constexpr qreal kPendenzaSpadaFante = -12;

// A page in the swords' blue under a broad black hat, his sword held
// upright at his side, the other fist on his hip.
// (In a steel doublet and morion, the sword raised, he was read at the
// natural size as the king of swords: both grey men with a blue sword, the
// helmet's top a crown. The hat's wide dark brim is nothing like a crown.)
void FanteDiSpade(QPainter &p)
{
    // A sky blue, lighter than the blade, the ground and the king's and the
    // horseman's blue: in their deep blue he stood as one blue column with
    // his sword and his ground, and as a third of the same blue figure.
    const Tinta azzurro{QColor(0xB4, 0xD2, 0xF8), QColor(0x6C, 0xA6, 0xEA), QColor(0x34, 0x68, 0xBC)};
    // Feet apart, his weight on both: a page at ease, not stepping.
    for (const auto &[d, x] : {std::pair{-1.0, 23.2}, std::pair{1.0, 27.8}}) {
        const Profilo gamba = ProfiloArto(
            {{{x, 42}, 3.8}, {{x + d * 1.6, 51.6}, 2.8}, {{x + d * 2.0, 55.0}, 3.1}, {{x + d * 2.8, 61.6}, 2.2}});
        Forma(p, gamba, kRossoT, 0.7, 0.5);
        OmbraOltre(p, gamba, {x, 42}, {x + d * 2.8, 62}, kRossoT.ombra);
        Segna(p, Tratti({{{x + d * 2.0 - 1.6, 54.2}, {x + d * 2.0 + 1.6, 54.4}}}), kOcraT.corpo, kPiega);
    }
    Scarpa(p, {20.4, 62.8}, {16.6, 63.2});
    Scarpa(p, {30.8, 62.8}, {34.6, 63.2});
    // The sword held upright at his side, point up, clear of him against
    // the white, his fist round the grip below the guard: point down by his
    // leg, its blade widening towards the ground, it read as a hockey stick,
    // a scythe or a blue banana; its point in the blue ground, as a walking
    // stick. The slender one at every size: the pip's broad blade hung from
    // his hand like a blue pennant.
    // At the natural size a quarter as wide again and straight: there the
    // slender blade was a faint streak by his leg, and its curve a ragged
    // edge.
    {
        const qreal a = qDegreesToRadians(kPendenzaSpadaFante);
        const Impugnatura presa = ImpugnaturaDellaSpada(kSpadaFante);
        const QPointF centro = kPugnoFanteSpade + QPointF(std::sin(a), -std::cos(a)) * presa.centro;
        const PiuGrandeAlPixel largo(p, centro, 1.25, 1);
        EmblemaTenuto(p, Seme::Spade, centro, kSpadaFante, kPendenzaSpadaFante, Ornato::No,
                      InchiostroDelPixelInUso() ? 0 : kCurvaSpadaTenuta);
    }
    // Hair to the jaw under the hat's brim.
    const Profilo capelli{{21.4, 14},   {21.6, 11.6}, {25.5, 11},   {29.4, 11.6}, {29.6, 14}, {29.2, 16},
                          {29.8, 18.4}, {28.6, 19.6}, {22.4, 19.6}, {21.2, 18.4}, {21.8, 16}};
    Forma(p, capelli, kCastanoT, 0.8, 0.5);
    Segna(p, Tratti({{{28.4, 13.6}, {29, 15.6}, {28.6, 18.2}}, {{22.6, 13.6}, {22.2, 15.6}, {22.6, 18.2}}}),
          kCastanoT.luce);
    Forma(p, ProfiloArto({{{25.5, 18}, 3.9}, {{25.5, 21.5}, 4.2}}), kPelleT, 0.8, 0, kBordoPelle);
    // Puffed breeches red as his hose, paned in gold: in the doublet's blue,
    // he was one blue mass with his sword and his ground.
    const Profilo calzoni{{20.2, 37.4}, {25.4, 36.8}, {30.8, 37.4}, {31.6, 43.4},
                          {28.2, 45.8}, {25.4, 44.0}, {22.6, 45.8}, {19.4, 43.4}};
    Forma(p, calzoni, kRossoT, 0.8, 0.5);
    QPainterPath liste;
    for (qreal x : {22.2, 24.4, 26.6, 28.8})
        liste.addPath(Taglio(x, 38.0, 44.4, 0.5));
    Riempi(p, liste, kOcraT.corpo, kRossoT.ombra, kTrattoInterno);
    // The doublet, slashed to show the white shirt: white slashes on the
    // blue are what the eye catches at the natural size.
    const Profilo farsetto{{20.0, 22.4}, {25.4, 21.4}, {30.8, 22.4}, {31.2, 27},   {29.4, 33.4},
                           {30.6, 39.4}, {25.4, 40.6}, {20.2, 39.4}, {21.4, 33.4}, {19.8, 27}};
    Forma(p, farsetto, azzurro);
    QPainterPath tagli;
    for (qreal x : {23.0, 25.4, 27.8})
        tagli.addPath(Taglio(x, 24, 31.6, 0.6));
    Riempi(p, tagli, kLinoT.corpo, azzurro.ombra, kTrattoInterno);
    OmbraOltre(p, farsetto, {26, 21}, {28, 41}, azzurro.ombra);
    OmbraOltre(p, farsetto, {21.2, 41}, {21.6, 21}, azzurro.luce, false);
    Bordura(p, Tratti({{{20.4, 39.2}, {25.4, 40.4}, {30.4, 39.2}}}), kOcraT.corpo, azzurro.ombra, 0.9);
    Forma(p, ProfiloArto({{{21.4, 33.8}, 1.5}, {{29.6, 33.6}, 1.5}}), kMarroneT, 0.4, 0);
    Ellisse(p, {25.4, 33.7}, 0.9, 0.8, kOcraT.luce, kOcraT.ombra, kTrattoFine);
    // The sword arm down and out from his side, the hand over the pommel.
    const Profilo braccio = ProfiloArto(
        {{{21.2, 23.4}, 3.6}, {{17.2, 30.6}, 3.0}, {{kPugnoFanteSpade.x() + 0.8, kPugnoFanteSpade.y() - 0.8}, 2.6}});
    Forma(p, braccio, azzurro, 0.7, 0.5);
    OmbraOltre(p, braccio, {21.6, 23.4}, {13.6, 37}, azzurro.ombra);
    Mano(p, kPugnoFanteSpade, 1.5, kPendenzaSpadaFante);
    // The other fist on his hip, the elbow out: the knave's stance, where
    // the king stands straight in his robe.
    const Profilo fianco = ProfiloArto({{{29.8, 23.2}, 3.6}, {{35.0, 28.8}, 3.0}, {{31.2, 34.0}, 2.5}});
    Forma(p, fianco, azzurro, 0.7, 0.5);
    OmbraOltre(p, fianco, {30.2, 23.2}, {34.6, 34.4}, azzurro.ombra);
    Mano(p, {30.6, 34.6}, 1.4, 30);
    for (const auto &[x, a] : {std::pair{21.0, -40.0}, std::pair{29.8, 45.0}}) {
        const Profilo spalla = Ovale({x, 23.6}, 2.5, 1.7, a);
        Forma(p, spalla, azzurro, 0.6, 0);
        Segna(p, Tratti({{{x - 0.7, 22.6}, {x - 0.5, 24.6}}, {{x + 0.6, 22.6}, {x + 0.8, 24.6}}}), kLinoT.corpo, 0.45);
    }
    Colletto(p);
    Volto(p, CentroViso(Seme::Spade), -0.5, -3, 0.1,
          {-0.1, 0.2, 0.2, -0.3, -0.2, 0, Qt::transparent, 0, 0, 0.3, 0.2, 0.3, 0.8, volti::Taglio::Allungato,
           Lineamenti::Bocca::Quieta, QColor(0x3A, 0x26, 0x18), volti::Naso::Dritto});
    // A broad-brimmed black hat tipped over one brow, a red plume curling
    // back off its crown.
    const Profilo piuma{{27.6, 8.4}, {30.4, 5.0}, {34.6, 4.2}, {37.8, 6.2}, {38.2, 10.0},
                        {36.8, 8.6}, {34.8, 7.2}, {31.6, 8.0}, {29.4, 10.0}};
    Forma(p, piuma, kRossoT, 0.7, 0, kRossoT.ombra);
    Segna(p,
          Tratti({{{28.8, 9.2}, {31.6, 6.4}, {34.6, 5.6}, {37.0, 7.4}},
                  {{31.0, 7.0}, {31.2, 5.6}},
                  {{33.0, 6.2}, {33.2, 4.8}},
                  {{35.0, 6.0}, {35.8, 4.8}}}),
          kRossoT.ombra);
    const Profilo cupola{{21.8, 11.2}, {22.0, 8.4}, {24.0, 6.6}, {27.4, 6.6}, {29.2, 8.4}, {29.4, 11.0}};
    Forma(p, cupola, kNeroT, 0.8, 0.5);
    const Profilo tesa{{17.0, 11.6}, {19.4, 10.2}, {25.5, 9.8},  {31.8, 10.4},
                       {34.4, 11.8}, {32.4, 13.0}, {25.5, 12.8}, {18.8, 13.0}};
    Forma(p, tesa, kNeroT, 0.6, 0.4);
    Segna(p, Tratti({{{22.0, 10.6}, {25.5, 10.2}, {29.2, 10.6}}}), kRossoT.corpo, 0.7);
}

} // namespace fanti

namespace {

void DisegnaFante(QPainter &p, Seme seme)
{
    Pedana(p, seme);
    p.save();
    p.translate(0, kAbbassa);
    switch (seme) {
    case Seme::Bastoni:
        fanti::FanteDiBastoni(p);
        break;
    case Seme::Coppe:
        fanti::FanteDiCoppe(p);
        break;
    case Seme::Denari:
        fanti::FanteDiDenari(p);
        break;
    case Seme::Spade:
        fanti::FanteDiSpade(p);
        break;
    }
    p.restore();
}

} // namespace

void Fante(QPainter &p, Seme seme)
{
    Figura(p, [seme](QPainter &q) { DisegnaFante(q, seme); });
}

QRectF VisoDelFante(Seme seme)
{
    const QPointF c = fanti::CentroViso(seme) + QPointF(0, kAbbassa);
    return QRectF(c.x() - 2, c.y() - 2.5, 4, 5);
}

} // namespace belvane::cardart
