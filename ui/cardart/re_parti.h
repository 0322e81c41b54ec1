#pragma once

// What the four kings are made of: their tones, the smooth shapes of cloth,
// the head with its beard, hands, fur and the platform. Each king is drawn
// in his own file from these.

#include "carte.h"
#include "lineamenti.h"
#include "pennelli.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>
#include <vector>

namespace belvane::cardart::re {

// ---- Tones, lit from the upper left ----
inline const Tinta kPelleT{QColor(0xFC, 0xDC, 0xB8), kPelle, QColor(0xE4, 0xA8, 0x7C)};
// A face is outlined in a warm brown, not the ink, so that at the natural
// size its edge does not close over the skin.
inline const QColor kBordoViso(0xA8, 0x66, 0x3E);
inline const QColor kLabbro(0xD4, 0x86, 0x6E);
inline const Tinta kOroT{QColor(0xFA, 0xDC, 0x70), kOro, QColor(0xBE, 0x84, 0x10)};
// Cloth in the slightly muted tones of a printed deck, not flat primaries.
inline const Tinta kRossoT{QColor(0xDE, 0x5E, 0x4A), QColor(0xC0, 0x30, 0x24), QColor(0x8E, 0x1C, 0x16)};
inline const Tinta kBluT{QColor(0x68, 0x90, 0xDC), QColor(0x30, 0x5A, 0xB4), QColor(0x1E, 0x3A, 0x8A)};
inline const Tinta kVerdeT{QColor(0x58, 0xB0, 0x58), kVerde, QColor(0x16, 0x60, 0x22)};
inline const Tinta kViolaT{QColor(0x9A, 0x5C, 0xB8), kViola, QColor(0x48, 0x16, 0x62)};
inline const Tinta kAcciaioT{QColor(0xE0, 0xE4, 0xEC), QColor(0xB0, 0xB6, 0xC2), QColor(0x76, 0x7E, 0x8E)};
inline const Tinta kErmellinoT{kBianco, kErmellino, QColor(0xD2, 0xCC, 0xC0)};
inline const Tinta kCuoioT{QColor(0xB0, 0x78, 0x44), kMarrone, QColor(0x5A, 0x34, 0x14)};
inline const Tinta kCelesteT{QColor(0x9C, 0xD4, 0xF4), kCeleste, QColor(0x2E, 0x7C, 0xB4)};
inline const Tinta kOcraT{QColor(0xF4, 0xC8, 0x6C), QColor(0xE0, 0x9C, 0x34), QColor(0xA8, 0x66, 0x14)};
// Beards: white, grey, chestnut and auburn, each with the tone its strands
// and outline are drawn in (light enough, qGray >= 110, not to blacken a
// small face).
inline const Tinta kBarbaBianca{kBianco, QColor(0xEE, 0xEC, 0xE6), QColor(0xBE, 0xBA, 0xB2)};
inline const Tinta kBarbaGrigia{QColor(0xDA, 0xDA, 0xDE), QColor(0xB4, 0xB4, 0xBA), QColor(0x86, 0x86, 0x90)};
inline const Tinta kBarbaCastana{QColor(0xC8, 0x8E, 0x54), QColor(0xA8, 0x6C, 0x34), QColor(0xA0, 0x68, 0x3A)};
inline const Tinta kBarbaFulva{QColor(0xE4, 0x8A, 0x4C), QColor(0xC8, 0x62, 0x28), QColor(0xB8, 0x64, 0x34)};

// Folds and seams, clearly finer than an outline (kTratto) on the large card.
inline constexpr Spessore kPiega{&Inchiostro::piega};

// ---- Shapes ----
// A closed curve through `punti` (Catmull-Rom) as a polygon of short chords;
// a point given twice makes a corner there.
QPainterPath Morbido(std::initializer_list<QPointF> punti);
QPainterPath Morbido(const std::vector<QPointF> &punti);
// An open curve through `punti`, added to `path` (for folds and strands).
void Curva(QPainterPath &path, std::initializer_list<QPointF> punti);
QPainterPath Spezzata(std::initializer_list<QPointF> punti);
// An ellipse as a polygon of short sides (see Morbido).
QPainterPath Ovale(QPointF c, qreal rx, qreal ry);
// A limb from `a` to `b`, rounded at both ends, `ra` and `rb` half as thick.
QPainterPath Arto(QPointF a, QPointF b, qreal ra, qreal rb);
// A king's cloth, crown and skin modelled as every shape of the deck is
// (pennelli.h), laid flat in the larger drawing (stampa.h).
void Piano(QPainter &p, const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra = 1.2,
           qreal luce = 0.7);

// Folds of a hanging cloth cut to `forma`: each runs from where it starts
// (`da`) to the hem (`a`), `largo` wide there; a trough in the shade tone
// with a ridge of light beside it on the side the light comes from, and its
// crease drawn down the middle. Wide enough to read as stripes of tone at the
// natural size.
struct Piega {
    QPointF da, a;
    qreal largo;
};
void Pieghe(QPainter &p, const QPainterPath &forma, const Tinta &tinta, std::initializer_list<Piega> pieghe);

// ---- Parts ----
// How much larger a crown is drawn at the natural size than in proportion
// (PiuGrandeAlPixel): there, in proportion, it was a few golden pixels, and a
// king was told from a knave only by his robe.
inline constexpr qreal kCoronaAlPixel = 1.25;
struct Capo {
    QPointF centro; // of the face, on a pixel centre
    int sguardo;    // -1 looks left, 0 ahead, 1 right
    Tinta capelli;
    Tinta barba;
    qreal barbaLunga;    // how far the beard falls below the chin
    qreal barbaLarga;    // half its width at the jaw
    qreal capelliLunghi; // how far the hair falls below the ears
    bool vecchio;        // lined cheeks and eyes
    // What makes the face his own: a broader (positive) or narrower jaw, a
    // longer nose, brows raised (positive) or knitted (negative).
    qreal mascella = 0;
    qreal naso = 0;
    qreal ciglio = 0;
    // Drawn only on the larger cards, where a face has room for them: how
    // the lids sit on the eyes, how the mouth is set, how the beard is cut.
    volti::Taglio occhio = volti::Taglio::Mandorla;
    enum class Bocca { Quieta, Sorride, Serrata, Amara } bocca = Bocca::Quieta;
    enum class Taglio { Tondo, Forcuto, Appuntito, Quadro } taglio = Taglio::Tondo;
    QColor iride{0x5A, 0x3A, 0x22}; // the iris's colour on the larger cards
    volti::Naso formaNaso = volti::Naso::Dritto;
    // The brows at the natural size, when not in the beard's shade tone: a
    // dark beard's tone there makes one bar over the eyes.
    QColor ciglia{};
};
// The head as it sits under a crown: hair, face, eyes, beard.
void Testa(QPainter &p, const Capo &capo);
// A closed hand round a grip running `angolo` degrees from upright (see
// fanti::Pugno), mirrored when `specchio`.
void Mano(QPainter &p, QPointF centro, qreal r = 1.5, qreal angolo = 0, bool specchio = false);
// A band of ermine along `forma`: white fur with black tails.
void Ermellino(QPainter &p, const QPainterPath &forma, std::initializer_list<QPointF> code);

// ---- The kings ----
void ReDiBastoni(QPainter &p);
void ReDiCoppe(QPainter &p);
void ReDiDenari(QPainter &p);
void ReDiSpade(QPainter &p);

} // namespace belvane::cardart::re
