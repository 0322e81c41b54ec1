#pragma once

#include "carte.h"
#include "geometria.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace belvane::cardart {

struct Registrazione;

// The drawing is laid out in the card's natural size (kLarghezzaCarta x
// kAltezzaCarta) and scaled to whatever rectangle it is given.

// How a card's picture is made at a size. ViaPer is the one place that
// chooses; everything that shows a card asks it.
enum class Via {
    // Near the natural size: the pixel picture of the natural size (the
    // embedded bitmap where one is at hand, else the reduction of
    // riduzione.h), its pixels scaled by whole pixels. A smoothed drawing
    // that small blurs; at exactly 45 x 72 it is the bitmap as it is.
    Naturale,
    // Further off, up to kScalaRegistrata: the smoothed drawing, filled from
    // the card's recording (registrazione.h), which costs a quarter of
    // drawing it stroke by stroke; into a card picture of the cache it is
    // filled straight (riempimento.h), elsewhere through QPainter. A
    // recording that could not keep the scene falls back to Pennellata.
    Registrata,
    // Beyond: the smoothed drawing stroke by stroke, not recorded for nothing.
    Pennellata,
};
// Within this fraction of the natural size, either way, a card is Naturale.
inline constexpr qreal kScartoNaturale = 0.2;
// Up to this many times the natural size (a card on a full 2560 x 1440
// screen is about 4) a card is Registrata.
inline constexpr qreal kScalaRegistrata = 8;
// The path for a card shown `pixel` device pixels large.
Via ViaPer(QSizeF pixel);

// Paints card `code` (suit * 10 + rank, 1..40) scaled to fill `dove`, by the
// path ViaPer chooses for its size in device pixels. A code outside 1..40
// paints nothing. The painter's state is restored.
void DisegnaCarta(QPainter &painter, const QRectF &dove, int code);

// Shows the card's pixel picture `naturale` on `dove` as the Naturale path
// does. The embedded bitmaps are that picture: with one at hand it need not
// be made again.
void MostraNaturale(QPainter &painter, const QRectF &dove, const QImage &naturale);

// The same smoothed drawing, stroke by stroke, without the recording: what
// the recording has to reproduce, and what it saves.
void DisegnaCartaPennellata(QPainter &painter, const QRectF &dove, int code);

// Makes the forty cards' recordings ready on the calling thread: reads the
// built-in ones, or records those not recorded yet. A size that needs them
// later only fills them. Safe on any thread; a card another thread is
// recording is waited for.
void RegistraTutte();
// Whether all forty are ready, so that drawing any card at any size up to
// kScalaRegistrata waits for no recording. Never waits itself.
bool TutteRegistrate();
// The forty recordings made now from the drawing, never the built-in ones:
// what the build writes, and what the built-in ones must equal.
std::vector<Registrazione> RegistraDalVivo();

} // namespace belvane::cardart
