#pragma once

#include "carte.h"
#include "lineamenti.h"
#include "sagome.h"
#include "tavolozza.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// What the four knaves share: their cloth in three tones, the face of a young
// man, hands, shoes, the slashes of a doublet and the platform they stand on.
namespace belvane::cardart::fanti {

// Cloth in the slightly muted tones of a printed deck, not flat primaries.
inline const Tinta kRossoT{QColor(0xE0, 0x66, 0x52), QColor(0xC2, 0x34, 0x26), QColor(0x8A, 0x1E, 0x16)};
inline const Tinta kOcraT{QColor(0xF8, 0xDC, 0x8E), QColor(0xE2, 0xAC, 0x3C), QColor(0xAC, 0x76, 0x1A)};
inline const Tinta kVerdeT{QColor(0x7C, 0xC4, 0x76), QColor(0x2E, 0x8C, 0x38), QColor(0x1B, 0x5E, 0x26)};
inline const Tinta kArancioT{QColor(0xF6, 0xB0, 0x6A), QColor(0xE0, 0x7C, 0x2A), QColor(0xA4, 0x50, 0x16)};
// A deep crimson, darker and bluer than the red of the cups, for a coat.
inline const Tinta kCremisiT{QColor(0xC0, 0x4E, 0x5A), QColor(0x8E, 0x1E, 0x32), QColor(0x5A, 0x10, 0x20)};
inline const Tinta kViolaT{QColor(0xAA, 0x76, 0xC4), QColor(0x70, 0x3A, 0x88), QColor(0x4A, 0x20, 0x60)};
inline const Tinta kMarroneT{QColor(0xB2, 0x7A, 0x44), QColor(0x84, 0x52, 0x24), QColor(0x57, 0x32, 0x14)};
inline const Tinta kLinoT{QColor(0xFD, 0xFB, 0xF4), QColor(0xEF, 0xE8, 0xD6), QColor(0xCF, 0xC2, 0xA4)};
inline const Tinta kAcciaioT{QColor(0xE2, 0xE4, 0xEA), QColor(0xAE, 0xB2, 0xBE), QColor(0x76, 0x7C, 0x8C)};
inline const Tinta kPelleT{QColor(0xFC, 0xE2, 0xC4), QColor(0xF6, 0xC8, 0x98), QColor(0xE2, 0xAA, 0x7A)};
// Complexions of their own: a fair rosy one, one browned by the sun, an olive one.
inline const Tinta kPelleChiaraT{QColor(0xFE, 0xE4, 0xCE), QColor(0xF8, 0xD4, 0xBA), QColor(0xE6, 0xB4, 0x94)};
inline const Tinta kPelleBrunaT{QColor(0xF0, 0xC4, 0x9A), QColor(0xE0, 0xA8, 0x78), QColor(0xC0, 0x84, 0x58)};
inline const Tinta kPelleOlivastraT{QColor(0xF2, 0xD2, 0xA8), QColor(0xE2, 0xBC, 0x8A), QColor(0xBE, 0x96, 0x64)};
// Hair: chestnut, auburn, fair, near-black.
inline const Tinta kCastanoT{QColor(0xA0, 0x6C, 0x3A), QColor(0x6E, 0x42, 0x20), QColor(0x4A, 0x2A, 0x10)};
inline const Tinta kRameT{QColor(0xD0, 0x8A, 0x48), QColor(0xA8, 0x5A, 0x2A), QColor(0x74, 0x38, 0x1A)};
inline const Tinta kBiondoT{QColor(0xF4, 0xD8, 0x8C), QColor(0xDC, 0xB0, 0x5A), QColor(0xB0, 0x84, 0x36)};
inline const Tinta kNeroT{QColor(0x5E, 0x50, 0x48), QColor(0x2E, 0x26, 0x22), QColor(0x1C, 0x16, 0x14)};
// Skin is outlined in a warm brown, light enough not to darken a small face.
inline const QColor kBordoPelle(0xA8, 0x68, 0x3E);
inline const QColor kCuoio(0x4A, 0x2E, 0x1C);
// Folds and seams, clearly finer than an outline (kTratto) on the large card.
inline constexpr Spessore kPiega{&Inchiostro::piega};

// How far the knave of coins is drawn to the left of where his shapes are
// given, in whole pixels so that his eyes keep theirs.
inline constexpr qreal kScostaDenari = 1;
// And the knave of clubs, to leave his cudgel room from his doublet.
inline constexpr qreal kScostaBastoni = 2;
// Where each knave's face is centred, in card units (on pixel centres, so
// that the eyes fall in one pixel each at the natural size).
QPointF CentroViso(Seme seme);

// A shape in three tones: a crescent of shade about `ombra` units wide along
// its lower right, one of light about `luce` wide along its upper left, the
// outline of one weight; in the larger drawing one flat colour, outlined a
// little finer (stampa.h). Flat fills only, and no boolean operation on paths.
void Forma(QPainter &p, const Profilo &forma, const Tinta &tinta, qreal ombra = 1.0, qreal luce = 0.6,
           const QColor &bordo = kContorno);
// The shade side of `forma` beyond the line from `da` to `a` (on its right
// when it is drawn downwards), laid as stampa.h's Ombra lays it.
// A lit tone (`incisa` false) is laid flat, a shade engraved as well.
void OmbraOltre(QPainter &p, const Profilo &forma, QPointF da, QPointF a, const QColor &colore, bool incisa = true);
// The same side engraved: parallel lines at `angolo`, `passo` apart, that the
// reduction mixes into a tone (a face's far cheek at the natural size).
void Ombreggia(QPainter &p, const Profilo &forma, QPointF da, QPointF a, const QColor &colore, qreal angolo,
               qreal passo = 0.9);

// What makes one knave's face his own, in card units from the common young
// face: a broader (positive) or narrower jaw, a longer or shorter chin, a
// longer nose, brows higher and more arched, a wider mouth, and a faint
// colour on the cheeks (0: none).
struct Lineamenti {
    qreal mascella = 0;
    qreal mento = 0;
    qreal naso = 0;
    qreal ciglia = 0;
    qreal bocca = 0;
    qreal rossore = 0;
    // Facial hair in `pelo` (none while transparent): a moustache, and a tuft
    // on the chin `pizzo` units long; lines of age about the eyes and mouth
    // (0: a youth, 1: a grown man). Finer and lighter than a pixel, so that at
    // the natural size the face stays skin with two eyes.
    QColor pelo = Qt::transparent;
    qreal pizzo = 0;
    qreal eta = 0;
    // A longer and narrower (positive) or rounder face; a hooked (positive)
    // or snub nose.
    qreal lungo = 0;
    qreal gobba = 0;
    // Eyes opened wider (positive) or narrowed; brows heavier or lighter.
    qreal occhi = 0;
    qreal folte = 0;
    // Drawn only on the larger cards: how the lids sit on the eyes (an
    // almond eye, wide round eyes, heavy lids, a keen narrowed look) and how
    // the mouth is set.
    volti::Taglio sguardo = volti::Taglio::Mandorla;
    enum class Bocca { Quieta, Sorride, Serrata, Amara } labbra = Bocca::Quieta;
    QColor iride{0x5A, 0x3A, 0x22}; // the iris's colour on the larger cards
    volti::Naso formaNaso = volti::Naso::Dritto;
    Tinta pelle = kPelleT; // his complexion
};
// A young man's face centred on `c`, turned by `verso` units towards where
// he looks (negative: to the left), the head leaning `inclina` degrees; the
// mouth smiling by `sorriso` units, set hard and the brows drawn when negative.
void Volto(QPainter &p, QPointF c, qreal verso, qreal inclina = 0, qreal sorriso = 0, const Lineamenti &l = {});
// An embroidered band `largo` wide along `linea` in `fondo`; in the larger
// drawing a row of small lozenges in `motivo` down its middle (at the
// natural size each would be a stray pixel).
void Bordura(QPainter &p, const QPainterPath &linea, const QColor &fondo, const QColor &motivo, qreal largo);
// A short beard along the jaw of the face Volto drew at `c` (the same turn
// and lean), the mouth left clear; below the eyes' rows, so the face keeps
// its skin at the natural size. `largo` narrows it (1: jaw to jaw; about
// 0.5: a pointed beard on the chin).
void Barba(QPainter &p, QPointF c, qreal verso, qreal inclina, const Tinta &pelo, qreal largo = 1);
// A closed hand about `r` units across at `c`, in the skin's tones, for
// every figure of the deck: the back of the hand, four fingers curled round
// a grip that runs upright when `angolo` is 0 (turned `angolo` degrees
// clockwise), the thumb over them; mirrored when `specchio`. Outlined finer
// than a shape (kTrattoFine): a full outline on a hand this small turns it
// into a brown ball.
void Pugno(QPainter &p, QPointF c, qreal r, qreal angolo, bool specchio, const Tinta &pelle, const QColor &bordo);
// A knave's fist `r` units across at `c`, the thumb on the side `angolo` turns up.
void Mano(QPainter &p, QPointF c, qreal r = 1.4, qreal angolo = 0, const Tinta &pelle = kPelleT);
void Scarpa(QPainter &p, QPointF tallone, QPointF punta);
// The vertical slits of a slashed sleeve or doublet, showing the lining.
QPainterPath Taglio(qreal x, qreal y0, qreal y1, qreal largo = 0.55);

void FanteDiBastoni(QPainter &p);
void FanteDiCoppe(QPainter &p);
void FanteDiDenari(QPainter &p);
void FanteDiSpade(QPainter &p);

} // namespace belvane::cardart::fanti
