#include "cavalieri.h"
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

using cavalieri::Cavaliere;
using cavalieri::Di;
using cavalieri::kSella;
using cavalieri::Smorza;
using cavalieri::Tono;

// Where a rearing horse turns, in its own frame: about its hocks.
constexpr QPointF kPerno(13, 52);
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

const QColor kBordoViso(0xA0, 0x5C, 0x32); // a warm brown: a face outlined in ink turns black when small
const Tinta kStivale = Tono(QColor(0x8A, 0x58, 0x30), QColor(0x6A, 0x3E, 0x1C), QColor(0x48, 0x28, 0x10));

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
