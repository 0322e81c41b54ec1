#include "cavallo.h"
#include "emblemi.h"
#include "fanti_comune.h"
#include "figure.h"
#include "geometria.h"
#include "pedana.h"
#include "pennelli.h"
#include "stampa.h"
#include "vesti.h"

#include <QPainterPath>

#include <cmath>

namespace belvane::cardart {

namespace {

// The seat, in the horse's frame; the rider turns about it.
constexpr QPointF kSella(20.5, 41);
// Where a rearing horse turns, in its own frame: about its hocks.
constexpr QPointF kPerno(13, 52);
// Bridles and reins of brown leather: red straps on a pale head read as
// wounds at the natural size.
const QColor kBriglia(0x6A, 0x44, 0x26);
// On the white horse a lighter tan: dark straps there broke its face into
// patches.
const QColor kBrigliaChiara(0xB0, 0x84, 0x50);
// The clubs' horseman's beard, a light chestnut: a dark one made his small
// face one brown patch at the natural size.
const Tinta kBarbaCavaliere{QColor(0xCC, 0x98, 0x62), QColor(0xB0, 0x7C, 0x48), QColor(0x86, 0x58, 0x30)};
// How much narrower the horse is laid than it is drawn (see DisegnaCavallo).
constexpr qreal kStrettoCavallo = 0.92;
// How far the horse's body stands higher than it was drawn, on longer legs:
// on legs as short as its barrel was deep it was read as a pony or a donkey.
constexpr qreal kGambeLunghe = 3.0;
// The rider to the frame he was drawn in: a man in proportion to his horse
// (larger, he made it a pony), and his emblem clear of the card's top.
constexpr qreal kCavaliere = 0.90;
// A rider's head to a standing knave's.
constexpr qreal kTesta = 0.93;

Tinta Tono(QColor luce, QColor corpo, QColor ombra) { return {luce, corpo, ombra}; }
Tinta Tono(const QColor &c) { return {c.lighter(125), c, c.darker(145)}; }
// A cloth's colour a little muted, as printed inks are.
QColor Smorza(const QColor &c)
{
    float h, s, v, a;
    c.getHsvF(&h, &s, &v, &a);
    return QColor::fromHsvF(h, s * 0.82f, v * 0.96f, a);
}

const QColor kBordoViso(0xA0, 0x5C, 0x32); // a warm brown: a face outlined in ink turns black when small
const Tinta kStivale = Tono(QColor(0x8A, 0x58, 0x30), QColor(0x6A, 0x3E, 0x1C), QColor(0x48, 0x28, 0x10));

// The four horsemen: which way each rides, how the horse goes, how the rider
// holds the suit, and what they wear.
struct Cavaliere {
    bool sinistra;        // rides towards the left of the card
    Andatura andatura;    // legs in the horse's frame (hind legs of a rearing horse stand on the card's ground)
    qreal impennata;      // degrees the forehand is raised
    bool lontano;         // the emblem is held up by the far arm, the reins in the near hand over the coat
    QPointF gomito, mano; // the arm that holds the emblem, in the rider's frame
    qreal angolo;         // a club's or sword's lean from upright, towards where he rides
    qreal misura;         // the emblem's size
    Finimenti finimenti;
    // How he sits: the lean of his body forward (degrees), his knee and foot,
    // the hand with the reins (all in the rider's frame).
    qreal chino;
    QPointF ginocchio, piede, manoRedini;
    qreal falda;                  // how far below the belt the skirt of his coat falls
    qreal petto;                  // where the front of his coat runs: the turn of his body towards us
    fanti::Lineamenti lineamenti; // what makes his face his own
    qreal avanti = 0;             // how far forward of the common seat he sits (over the withers of a rearing horse)
    qreal braccio = 1;            // how much wider than the common sleeve the emblem's arm is (see Manica)
};

Cavaliere Di(Seme seme)
{
    // One horse for the four, each in its own light coat, set so that no
    // two read alike at the natural size: a golden dun with a dark brown
    // mane, a cream with a flaxen one, a rose roan with a chestnut one
    // (see below), a white with a dark slate one, and its shade
    // deeper: with a light mane it stood off the white card by its outline
    // alone.
    // The dun deeper and the cream paler than they were: side by side, both
    // tan and both facing left, the two were taken for each other.
    const Tinta dun = Tono(QColor(0xE0, 0xAE, 0x6A), QColor(0xC4, 0x8A, 0x46), QColor(0x8C, 0x5C, 0x28));
    const Tinta criniScuri = Tono(QColor(0x6A, 0x40, 0x20), QColor(0x44, 0x28, 0x12), QColor(0x2C, 0x18, 0x0A));
    // The cream and the white a shade deeper than paper: as light as the
    // card, they left the rider on an empty outline at the natural size
    // (the cream, a shade paler still, was read as the faintest figure).
    // At the natural size both a shade deeper again, the white a pale grey,
    // and more widely shaded (Finimenti::pallido): there, outlined on the
    // white card, the two still faded and left the rider floating. There
    // the cream a warm isabelline, its shade and flaxen mane a golden brown:
    // paler, it was still the faintest court, held by its outline alone.
    // Both a shade deeper again there: on the white card the cream horse
    // still dissolved and the grey hung on its outline.
    const bool pixel = InchiostroDelPixelInUso();
    const Tinta crema = pixel ? Tono(QColor(0xEC, 0xD6, 0xA2), QColor(0xDA, 0xBA, 0x7A), QColor(0x92, 0x6E, 0x38))
                              : Tono(QColor(0xFA, 0xF0, 0xD4), QColor(0xEE, 0xDE, 0xB2), QColor(0xC2, 0xA8, 0x74));
    const Tinta criniBiondi = pixel
        ? Tono(QColor(0xE6, 0xC8, 0x80), QColor(0xC8, 0x9C, 0x4C), QColor(0x8E, 0x68, 0x2C))
        : Tono(QColor(0xFA, 0xF0, 0xCC), QColor(0xE8, 0xD4, 0x98), QColor(0xB8, 0x9E, 0x60));
    // The cups' horse a pale rose roan with dark chestnut mane, tail and
    // points: in a rose grey, and then a steel grey, it was read as the same
    // grey horse as the swords' white one, and as a peach sorrel-cream it
    // took the rider's skin tone and sat with the cream and the dun as a
    // third tan horse.
    const Tinta roano = Tono(QColor(0xEE, 0xD4, 0xCC), QColor(0xD4, 0xA8, 0x9C), QColor(0x94, 0x68, 0x5C));
    const Tinta criniRoano = Tono(QColor(0x8A, 0x4A, 0x30), QColor(0x6A, 0x2E, 0x1A), QColor(0x44, 0x18, 0x0C));
    const Tinta bianco = pixel ? Tono(QColor(0xE6, 0xE4, 0xDE), QColor(0xC0, 0xBC, 0xB2), QColor(0x80, 0x7A, 0x6E))
                               : Tono(QColor(0xFA, 0xFA, 0xF6), QColor(0xE8, 0xE6, 0xE0), QColor(0xAC, 0xA6, 0x9A));
    const Tinta criniArdesia = Tono(QColor(0x8A, 0x8A, 0x98), QColor(0x62, 0x62, 0x74), QColor(0x42, 0x42, 0x54));
    switch (seme) {
    case Seme::Bastoni: // walking to the left, the near foreleg raised; the club held up behind him at arm's length,
                        // clear of his plumed hat, his fist raised and the club leaning out so that white shows
                        // between them (by his head it was read as part of it, a plume or a sprig), no taller than he
                        // is seated (taller, it dwarfed him and touched the card's top); a green saddle cloth
                        // under his red hose (a red one made his leg and the cloth one red block)
        return {true,
                {{{29, 50}, {33.6, 54.2}, {32.4, 58.8}, {30.8, 60.0}},
                 {{27.6, 50}, {27.4, 57.8}, {27.6, 62.8}, {28.5, 64.6}},
                 {{12.5, 50}, {9.6, 57.8}, {10, 62.8}, {11, 64.6}},
                 {{15.5, 50}, {15.6, 57.6}, {16.4, 62.8}, {17.4, 64.6}},
                 -4,
                 0,
                 1.0},
                0,
                false,
                {16.0, 32.4},
                {12.0, 27.8},
                -14,
                23,
                {dun, criniScuri, Tono(Smorza(kVerde)), kOro, kBriglia, false, true},
                0,
                {25.8, 47.8},
                {24.8, 55},
                {26.2, 37.4},
                6.2,
                23.3,
                {0.4, -0.3, -0.2, 0.2, 0.3, 0, Qt::transparent, 0, 0.5, -0.3, -0.5, 0.3, 0.6, volti::Taglio::Mandorla,
                 fanti::Lineamenti::Bocca::Quieta, QColor(0x6A, 0x44, 0x22), volti::Naso::Corto}};
    case Seme::Coppe: // cantering, the near foreleg reaching out, the head forward and low enough to show white
                      // under the cup (under it, it was lost behind his arm); the cup raised before him by the far
                      // arm over the
                      // horse's neck (held out behind him, he seemed to ride backwards), as large as the card's top
                      // allows with white between its foot and the horse's ears: smaller, at the natural size it was
                      // a speck taken for a coin, and larger and lower it seemed perched on the horse's head; far
                      // enough forward that its foot clears his face
        return {false,
                {{{29, 50}, {33.6, 54.8}, {36.8, 59.2}, {38.0, 61.0}},
                 {{27.6, 50}, {31.8, 54.2}, {29.8, 57.8}, {29.0, 59.6}},
                 {{12.5, 50}, {10.4, 57.8}, {13.4, 62.8}, {14.6, 64.6}},
                 {{15, 50}, {9.8, 56.6}, {7.0, 61.4}, {6.2, 63.2}},
                 -13,
                 4,
                 1.0},
                4,
                true,
                {29.0, 24.8},
                {32.0, 20.4},
                0,
                19.5,
                {roano, criniRoano, Tono(Smorza(kBlu)), kOro, kBriglia, false, true},
                4,
                {27, 46.4},
                {27.6, 53.4},
                {27.2, 35.4},
                4.8,
                21.6,
                // His long face only in the larger drawing: at the natural size it
                // set his lids on the eyes' row and his face went brown there.
                {-0.3, 0.4, 0.5, 0.3, 0.1, 0, Qt::transparent, 0, 0, InchiostroDelPixelInUso() ? 0 : 0.9, 0.6, -0.1,
                 0.2, volti::Taglio::Allungato, fanti::Lineamenti::Bocca::Serrata, QColor(0x3A, 0x26, 0x18),
                 volti::Naso::Aquilino, fanti::kPelleBrunaT},
                1.4};
    case Seme::Denari: // rearing, the neck arched and full, the head no higher than his chin (high on a thin neck
                       // it was read as a goat's or a llama's); the coin held up before him by the far arm, high
                       // over the horse's head with white between (held lower it hid the head; held up behind him,
                       // on the side the cups' horseman raises his cup, the two gold shapes were taken for each
                       // other); the tail swung out clear of the hind legs (hanging down beside them it was read
                       // as a third)
        return {true,
                {{{29, 50}, {35.6, 48.8}, {38.2, 52.6}, {38.8, 54.6}},
                 {{27.6, 50}, {32.2, 53.6}, {30.6, 58.2}, {29.8, 59.8}},
                 {{10.4, 50}, {6.6, 57.0}, {9.4, 62.8}, {10.6, 64.6}},
                 {{12.8, 50.4}, {10.6, 57.6}, {15.6, 62.8}, {17.4, 64.6}},
                 -34,
                 16,
                 1.12},
                19,
                true,
                {27.4, 25.8},
                {32.4, 20.0},
                0,
                15.5,
                {crema, criniBiondi, Tono(Smorza(kRosso)), kOro, kBriglia, false, false, true},
                8,
                {25, 48.4},
                {22.4, 54.6},
                {25.2, 38.6},
                7.4,
                23.6,
                {0.3, -0.1, 0.1, 0.9, 0.1, 0, Qt::transparent, 0, 0, 0.1, -0.5, 0.7, 0.0, volti::Taglio::Aperto,
                 fanti::Lineamenti::Bocca::Sorride, QColor(0x4C, 0x60, 0x74), volti::Naso::Largo, fanti::kPelleChiaraT},
                0,
                1.4};
    case Seme::Spade: // a high-stepping trot, the neck arched, the near foreleg lifted with its knee level and the
                      // hoof tucked under it, the far hind raised and bent at the hock (straighter, the legs were
                      // read as sticks); the sword raised before him by the far arm held
                      // out and up, his fist above the horse's ears (lower, the guard and blade crossed the
                      // horse's head and the two read as one shape) with white between the blade and his
                      // helmet (with the arm raised steeply beside his head, arm and blade made one blue cone read
                      // as a tall pointed hat; on the helmet's crest, the blade seemed to grow out of it), the
                      // blade no longer than the horse's head (longer, a pennant at the card's top) and leaning
                      // well forward, clear of the helmet (upright beside it, it was read as a plume or a quill), the
                      // near arm over his coat to the reins (with both arms on the far side the rein hand
                      // had no arm leading to it); the raised arm in one line from the shoulder, full enough at the
                      // natural size to read as an arm (bent at the elbow it broke into a stub and a bar); his
                      // coat's skirt short enough to show his saddle cloth (longer, it left a sliver of it)
        return {true,
                {{{29, 50}, {36.0, 50.4}, {34.6, 55.4}, {35.4, 57.0}},
                 {{27.6, 50}, {28.4, 57.4}, {27.2, 62.6}, {28.4, 64.6}},
                 {{13, 50}, {9.2, 57.0}, {11.4, 62.8}, {12.6, 64.6}},
                 {{15, 50}, {18.6, 54.2}, {15.8, 58.0}, {16.8, 59.6}},
                 3,
                 -6,
                 1.0},
                0,
                true,
                {28.4, 25.2},
                {33.0, 20.2},
                32,
                19,
                {bianco, criniArdesia, Tono(Smorza(kViola)), kOro, kBrigliaChiara, false, false, true},
                -5,
                {24.4, 48.4},
                {22.6, 55.4},
                {27, 38},
                6.6,
                20.8,
                {0.3, 0.3, 0.4, -0.3, -0.1, 0, QColor(0x9C, 0x6C, 0x44), 1.0, 0.9, 0.4, 0.8, -0.3, 0.8,
                 volti::Taglio::Allungato, fanti::Lineamenti::Bocca::Quieta, QColor(0x70, 0x5C, 0x30),
                 volti::Naso::Dritto},
                0,
                1.5};
    }
    return {};
}

// The horse's frame to the card, and the rider's frame (upright on a
// rearing horse) to the card.
QTransform Cornice(const Cavaliere &c)
{
    QTransform t;
    if (c.sinistra) {
        t.translate(kLarghezzaCarta, 0);
        t.scale(-1, 1);
    }
    t.translate(0, -kGambeLunghe);
    t.translate(kPerno.x(), kPerno.y());
    t.rotate(-c.impennata);
    t.translate(-kPerno.x(), -kPerno.y());
    return t;
}

// Where he sits in the horse's frame: the seat slides along the back, which
// rises a little towards the withers.
QPointF Seggio(const Cavaliere &c) { return kSella + QPointF(c.avanti, -0.15 * c.avanti); }

QTransform CorniceCavaliere(const Cavaliere &c)
{
    const QPointF s = Seggio(c);
    QTransform r;
    r.translate(s.x(), s.y());
    r.rotate(c.impennata + c.chino);
    r.scale(kCavaliere, kCavaliere);
    r.translate(-kSella.x(), -kSella.y());
    return r * Cornice(c);
}

// The middle of the face on the card: on a pixel column's centre and between
// two rows, so that the eyes each fall in one pixel.
QPointF CentroViso(const Cavaliere &c)
{
    const QPointF v = CorniceCavaliere(c).map(QPointF(21.8, 24.6));
    return {std::floor(v.x()) + 0.5, std::round(v.y())};
}

// A face turned three-quarters towards `verso` (+1 right, -1 left), on the
// card's own axes: the knaves' young face (skin in three tones outlined in
// warm brown, almond eyes, brows, nose, mouth, an ear) with `l` making it his
// own, and behind it the hair, its locks combed back.
void Volto(QPainter &p, QPointF c, int verso, const Tinta &capelli, qreal lunghi, const fanti::Lineamenti &l)
{
    const qreal s = verso;
    QPainterPath nuca;
    nuca.addEllipse(c + QPointF(-s * 1.9, -0.7 + lunghi / 2), 3.2, 3.4 + lunghi / 2);
    Riempi(p, Piatto(nuca), capelli.corpo, capelli.ombra);
    QPainterPath ciocche; // locks combed back behind the ear
    for (qreal d : {0.0, 0.8, 1.6}) {
        ciocche.moveTo(c + QPointF(s * (0.6 - d), -4.0 + d * 0.2));
        ciocche.quadTo(c + QPointF(-s * (3.0 + d * 0.3), -3.4 + d * 0.5),
                       c + QPointF(-s * (4.2 + d * 0.2), 0.2 + d * 0.5));
    }
    p.setPen(Penna(capelli.ombra, kTrattoInterno));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ciocche);
    // Eyes on the row above the middle: each falls in one pixel.
    fanti::Volto(p, c + QPointF(0, -0.5), s * 0.7, 0, 0.1, l);
}

// A closed hand on the card's axes round a grip running at `angolo` degrees
// from upright, the fingers on the side he rides to.
void Pugno(QPainter &p, QPointF c, qreal angolo, int verso, const Tinta &pelle)
{
    fanti::Pugno(p, c, 1.5, angolo, verso < 0, pelle, kBordoViso);
}

} // namespace

namespace {

void DisegnaCavallo(QPainter &p, Seme seme)
{
    const Cavaliere c = Di(seme);
    const Veste v = VesteDi(seme, 9);
    const int verso = c.sinistra ? -1 : 1;
    const Tinta &pelle = c.lineamenti.pelle;
    // The horse a little narrower about the saddle than it was drawn, so
    // that muzzle and tail keep white between them and the card's edge.
    QTransform stretto;
    stretto.translate(kSella.x(), 0);
    stretto.scale(kStrettoCavallo, 1);
    stretto.translate(-kSella.x(), 0);
    const QTransform cornice = stretto * Cornice(c);
    const Tela cavallo{p, cornice};
    const Tela cavaliere{p, CorniceCavaliere(c)};

    // The ground: the knaves' and kings' own, wide enough for the horse.
    Pedana(p, seme);

    // The horse stands on the ground, its body raised by kGambeLunghe: the
    // legs below the body are carried down again, so that they grow long
    // from the shoulder and the stifle. A rearing horse's hind legs are
    // given on the card's axes and brought into its turned frame; its
    // forelegs, in the air, go up with the body.
    Andatura a = c.andatura;
    const QPointF giu(0, kGambeLunghe);
    QTransform indietro;
    if (c.impennata != 0) {
        indietro.translate(kPerno.x(), kPerno.y());
        indietro.rotate(-c.impennata);
        indietro.translate(-kPerno.x(), -kPerno.y());
        indietro = indietro.inverted();
    }
    for (Gamba *g : {&a.anteriore, &a.anterioreLontana, &a.posteriore, &a.posterioreLontana}) {
        const bool aTerra = c.impennata == 0 || g == &a.posteriore || g == &a.posterioreLontana;
        if (!aTerra)
            continue;
        g->ginocchio = indietro.map(g->ginocchio + giu);
        g->nodello = indietro.map(g->nodello + giu);
        g->corona = indietro.map(g->corona + giu);
    }

    // The arm with the reins, or the one raising the emblem, behind the body.
    const QPointF manoRedini = c.manoRedini;
    const Tinta maniche = Tono(Smorza(v.maniche));
    // The shoulder the emblem's arm leaves from: at the front of the
    // torso's top, clear of the chin, when the arm is raised.
    // A sword raised before him from the top of the shoulder: from the front
    // of the chest it seemed to grow out of his breastbone.
    const QPointF spalla = seme == Seme::Spade ? QPointF(21.6, 29.8)
        : c.mano.y() < 24                      ? QPointF(23.2, 31.4)
                                               : QPointF(21.8, 30.2);
    const QPainterPath redini = Arto({{20.6, 30.4}, {22.6, 35}, manoRedini}, {2.8, 2.4, 2.0});
    if (c.lontano)
        Manica(cavaliere, spalla, c.gomito, c.mano, maniche, 0.5, 0.3, c.braccio);
    else {
        cavaliere.Modella(redini, maniche, kContorno, 0.5, 0.3);
        Pugno(p, cavaliere.Su(manoRedini), verso * 60, verso, pelle);
    }

    const QPointF bocca = DisegnaCavallo(cavallo, a, c.finimenti);
    DisegnaFinimenti(cavallo, c.finimenti);
    DisegnaSella(cavallo, Seggio(c), c.finimenti);

    // The rider: body, the near leg over the flank with its foot in the
    // stirrup, the skirt of his coat over the saddle.
    const Tinta abito = Tono(Smorza(v.abito));
    QPainterPath busto;
    busto.moveTo(17.8, 41.6);
    busto.lineTo(17.8, 31.6);
    busto.quadTo(18.2, 28.8, 21, 28.6);
    busto.quadTo(23.8, 28.8, 24.2, 31.8);
    busto.lineTo(23.6, 37.6);
    busto.quadTo(23.6, 40, 24.6, 41.8);
    busto.closeSubpath();
    cavaliere.Modella(busto, abito, kContorno, 0.9, 0.5);
    {
        // Engraved shade down the side away from the light.
        const QPainterPath b = cavaliere.Su(busto);
        const QRectF r = b.boundingRect();
        QPainterPath lato;
        lato.addRect(QRectF(r.center().x() + 0.6, r.top(), r.width(), r.height()));
        Ombra(p, Intersezione(b, lato), abito.ombra);
        // and the lit tone laid flat down the side towards it.
        QPainterPath lume;
        lume.addRect(QRectF(r.left() - 1, r.top(), r.width() * 0.3 + 1, r.height()));
        Ombra(p, Intersezione(b, lume), abito.luce, false);
    }
    const QPointF f = c.piede;
    // Each his own boots: brown riding boots, black ones, tan ones, and the
    // swordsman's oxblood leather, dark against his white horse's legs.
    const Tinta stivale = seme == Seme::Coppe
        ? Tono(QColor(0x6A, 0x5E, 0x5A), QColor(0x44, 0x3A, 0x38), QColor(0x2C, 0x24, 0x22))
        : seme == Seme::Denari ? Tono(QColor(0xC0, 0x8A, 0x50), QColor(0x9C, 0x68, 0x34), QColor(0x70, 0x46, 0x1C))
        : seme == Seme::Spade  ? Tono(QColor(0xA4, 0x54, 0x3C), QColor(0x7A, 0x34, 0x24), QColor(0x52, 0x20, 0x16))
                               : kStivale;
    QPainterPath gamba = Arto({{21, 40.8}, c.ginocchio, f}, {4.0, 3.0, 2.4});
    const Tinta calza = Tono(Smorza(v.calzaSinistra));
    cavaliere.Modella(gamba, calza, kContorno, 0.8, 0.5);
    {
        // Engraved shade under the thigh and down the back of the shin, and
        // the crease behind the knee.
        QPainterPath sotto;
        sotto.moveTo(16, 42.4);
        sotto.lineTo(c.ginocchio + QPointF(-0.2, 0.6));
        sotto.lineTo(f + QPointF(-0.6, 0));
        sotto.lineTo(f + QPointF(-4, 0));
        sotto.lineTo(16, 48);
        sotto.closeSubpath();
        cavaliere.Ombra(Intersezione(gamba, sotto), calza.ombra);
        QPainterPath piega;
        piega.moveTo(c.ginocchio + QPointF(-1.6, -0.6));
        piega.quadTo(c.ginocchio + QPointF(-0.6, 0.6), c.ginocchio + QPointF(-0.8, 1.8));
        cavaliere.Tratto(piega, calza.ombra, kTrattoInterno);
    }
    cavaliere.Modella(Arto({f + QPointF(-0.1, -2), f + QPointF(0.1, 1), f + QPointF(2.8, 1.8)}, {2.7, 2.5, 1.6}),
                      stivale, kContorno, 0.4, 0.3);
    QPainterPath staffa;
    staffa.moveTo(f + QPointF(-0.6, 0.2));
    staffa.lineTo(f + QPointF(-0.6, 2.4));
    staffa.lineTo(f + QPointF(1.8, 2.4));
    staffa.lineTo(f + QPointF(1.6, 0.8));
    cavaliere.Tratto(staffa, kOroScuro, 0.7);
    QPainterPath gonna;
    gonna.moveTo(18.2, 37.4);
    gonna.lineTo(23.5, 37.4);
    const qreal falda = 37.4 + c.falda;
    gonna.quadTo(25, 40, 26.2 + (c.falda - 6.2) * 0.3, falda - 0.4);
    gonna.quadTo(22, falda + 0.8, 17.2 - (c.falda - 6.2) * 0.2, falda);
    gonna.quadTo(17.4, 40, 18.2, 37.4);
    cavaliere.Modella(gonna, abito, kContorno, 0.9, 0.5);
    QPainterPath pieghe;
    pieghe.moveTo(20.6, 38.4);
    pieghe.lineTo(20.2, falda - 0.2);
    pieghe.moveTo(22.6, 38.4);
    pieghe.lineTo(23.4 + (c.falda - 6.2) * 0.2, falda - 0.2);
    pieghe.moveTo(c.petto - 1.6, 30.6); // the edge of the coat's front
    pieghe.quadTo(c.petto - 0.8, 34.8, c.petto - 1.0, 37);
    cavaliere.Tratto(pieghe, abito.ombra, kTrattoInterno);
    cavaliere.Linea({18.1, 37.4}, {23.6, 37.4}, kOro, 0.8);
    cavaliere.Macchie({{c.petto, 30.8}, {c.petto, 32.8}, {c.petto, 34.8}}, 0.35, kOro); // buttons down the front

    // Neck, head and headgear, upright on the card whatever the horse does.
    const QPointF viso = CentroViso(c);
    Linea(p, cavaliere.Su({21, 29.4}), viso + QPointF(0, 2.5), pelle.ombra, 1.8);
    // The head a little smaller than a standing knave's, in proportion to a
    // seated body; the eyes stay in their pixels.
    p.save();
    p.translate(viso);
    p.scale(kTesta, kTesta);
    p.translate(-viso);
    // Each his own hair: auburn, black (fair hair and the golden cup over it
    // made one blob), chestnut, black under the helmet.
    const Tinta capelli = seme == Seme::Bastoni ? fanti::kRameT
        : seme == Seme::Coppe                   ? fanti::kNeroT
        : seme == Seme::Denari                  ? fanti::kCastanoT
                                                : fanti::kNeroT;
    Volto(p, viso, verso, capelli, seme == Seme::Coppe ? 0.8 : 0, c.lineamenti);
    // The clubs' horseman a grown man, bearded: the other riders are youths.
    if (seme == Seme::Bastoni)
        fanti::Barba(p, viso + QPointF(0, -0.5), verso * 0.7, 0, kBarbaCavaliere);
    Cappello(p, seme, viso, verso, v.copricapo);
    p.restore();

    // The near arm: the reins, or the emblem shown clear of the body.
    if (c.lontano) {
        cavaliere.Modella(redini, maniche, kContorno, 0.6, 0.4);
        Pugno(p, cavaliere.Su(manoRedini), verso * 60, verso, pelle);
    } else
        Manica(cavaliere, spalla, c.gomito, c.mano, maniche, 0.6, 0.4, c.braccio);
    Linea(p, cavallo.Su(bocca), cavaliere.Su(manoRedini), c.finimenti.briglia, Cinghia(0.32));
    // The far hand, holding the reins before his waist, over the coat.
    if (!c.lontano)
        Pugno(p, cavaliere.Su(manoRedini), verso * 60, verso, pelle);
    const QPointF mano = cavaliere.Su(c.mano);
    const qreal angolo = verso * c.angolo;
    // A cup or a club in the larger drawing in proportion to the rider: as
    // large as the natural size needs, it outgrows his body there.
    const qreal misura =
        InchiostroDelPixelInUso() || seme == Seme::Denari || seme == Seme::Spade ? c.misura : c.misura * 0.86;
    const qreal r = qDegreesToRadians(angolo);
    switch (seme) {
    case Seme::Bastoni: // the fist a little above the butt, the rest beyond it
        EmblemaTenuto(p, seme, mano + QPointF(std::sin(r), -std::cos(r)) * (misura / 2 - 3.6), misura, angolo);
        break;
    case Seme::Spade: // the fist on the grip's middle, the guard above it
        SpadaTenuta(p, mano, c.misura, angolo, verso);
        break;
    case Seme::Coppe: { // gripped by the stem, the fist under the bowl: borne on the fist by its foot, it seemed
                        // balanced on a flat palm
        // At the natural size on whole pixels, so that its band stays inside
        // its outline.
        QPointF coppa = mano - QPointF(0, misura * 0.31);
        if (InchiostroDelPixelInUso())
            coppa = {std::round(coppa.x()), std::round(coppa.y()) + 0.5};
        EmblemaTenuto(p, seme, coppa, misura, 0);
        break;
    }
    case Seme::Denari: { // held up by its rim, the fist below it
        // The figures' rose coin, as the knave and the king hold it: held
        // before the pale horse it read at the natural size as an orange
        // dot, but above the horse's ears it has the white card behind it.
        // Its middle on a pixel's corner there, so that the rose's heart is
        // a square of four (on a pixel's centre it was a stroke).
        QPointF moneta = mano - QPointF(0, c.misura / 2 + 0.4);
        if (InchiostroDelPixelInUso())
            moneta = {std::round(moneta.x()), std::round(moneta.y())};
        EmblemaTenuto(p, seme, moneta, c.misura, 0);
        break;
    }
    }
    Pugno(p, mano,
          seme == Seme::Bastoni || seme == Seme::Spade ? angolo
              : seme == Seme::Coppe                    ? 0
                                                       : verso * 20,
          verso, pelle);
}

} // namespace

void Cavallo(QPainter &p, Seme seme)
{
    Figura(p, [seme](QPainter &q) { DisegnaCavallo(q, seme); });
}

QRectF VisoDelCavaliere(Seme seme)
{
    const QPointF v = CentroViso(Di(seme));
    return QRectF(v.x() - 1.95, v.y() - 2.4, 3.9, 5.0); // four columns, five rows of pixel centres
}

} // namespace belvane::cardart
