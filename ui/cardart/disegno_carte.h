#pragma once

#include "carte.h"
#include "geometria.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSizeF>

namespace belvane::cardart {

// The drawing is laid out in the card's natural size (kLarghezzaCarta x
// kAltezzaCarta) and scaled to whatever rectangle it is given.

// Paints card `code` (suit * 10 + rank, 1..40) scaled to fill `dove`.
// A code outside 1..40 paints nothing. The painter's state is restored.
// Away from the natural size the card's scene is recorded once and then
// only filled at each size (see registrazione.h).
void DisegnaCarta(QPainter &painter, const QRectF &dove, int code);

// Whether a card shown `pixel` device pixels large is the pixel picture of
// its natural size scaled by whole pixels, rather than a smoothed drawing.
bool InPixel(QSizeF pixel);
// Shows the card's pixel picture `naturale` on `dove` as DisegnaCarta does
// where InPixel holds. The embedded bitmaps are that picture: with one at
// hand it need not be drawn again.
void MostraInPixel(QPainter &painter, const QRectF &dove, const QImage &naturale);

// The same smoothed drawing, stroke by stroke, without the recording: what
// the recording has to reproduce, and what it saves.
void DisegnaCartaPennellata(QPainter &painter, const QRectF &dove, int code);

} // namespace belvane::cardart
