#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

// The features of a face as the larger drawing shows them, shared by the
// knaves, the riders and the kings: eyes, brows and mouth drawn with a few
// fine lines, as the block of a printed card cuts them, calm and frontal.
namespace belvane::cardart::volti {

// How a pair of eyes is cut.
enum class Taglio {
    Mandorla,  // long and level
    Aperto,    // rounder, a youth's
    Cadente,   // the outer corners falling, a mild look
    Allungato, // long and narrow, the outer corners lifted
};

struct Occhi {
    Taglio taglio = Taglio::Mandorla;
    QColor iride{0x5A, 0x3A, 0x22};
    bool piega = false; // the fold of the lid drawn above it (a grown man)
    bool borse = false; // a line under each eye (an old man)
    QColor ciglia{0x6A, 0x3C, 0x26};
    qreal folte = 0.24; // the brows' weight
    qreal alte = 0;     // the brows raised (positive) or lowered, in units
};

// The eyes centred on `sinistro` and `destro`, the irises turned `guarda`
// units towards where he looks, each eye `grande` times its usual size;
// the brows over them.
void DisegnaOcchi(QPainter &p, QPointF sinistro, QPointF destro, qreal guarda, const Occhi &occhi, qreal grande = 1.0);

// How a mouth is set.
struct Bocca {
    qreal largo = 0.8; // from the middle to a corner
    qreal pieno = 0.3; // the lower lip's depth
    qreal giu = 0;     // corners lowered (positive) or lifted, in units: a hint only
};

// The mouth with its middle at `c`: the line between the lips, a lower lip
// in a soft red and the small shade under it.
void DisegnaBocca(QPainter &p, QPointF c, const Bocca &bocca);

// How a nose is drawn: its bridge's line and the underside of its tip.
enum class Naso {
    Dritto,   // a straight bridge
    Corto,    // short, only the tip and the nostrils drawn
    Aquilino, // a bridge with a hump, the tip hooked
    Largo,    // broad, both nostrils' wings drawn
};

// The nose on the axis `x`, its bridge from the eyes' row `y` down `lungo`
// units to the tip, its lit side away from `lato` (+1: the bridge's line on
// the right).
void DisegnaNaso(QPainter &p, qreal x, qreal y, qreal lungo, int lato, Naso naso);

} // namespace belvane::cardart::volti
