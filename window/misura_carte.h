// The cards' pictures at the window's size, and the one place that decides
// what a resize waits for them.
#pragma once

#include "cache_carte.h"
#include "carte.h"

#include <QElapsedTimer>
#include <QSize>

#include <array>

namespace belvane {

class CartaWidget;

// A new size is drawn for all forty cards at once on the cache's workers.
// Until the pictures are there, each card shows its last picture scaled (its
// preview). A resize on its own (not a step of a drag) lets its first frame
// wait for them up to a limit, drawing too, so that the first frame is
// the final one; a drag never waits, since a frame late at every step is
// worse than a preview that sharpens. Everything here runs on the window's
// thread.
class MisuraCarte {
public:
    MisuraCarte(cardart::CacheCarte &cache, const std::array<CartaWidget *, kCarte + 1> &carte)
        : cache_(cache), carte_(carte)
    {
    }

    // A resize maps the cards to `carta` logical pixels at `rapporto` device
    // pixels each. The first size shown is drawn as the cards are painted.
    void NuovaMisura(QSize carta, qreal rapporto);
    // Between the table's ground and its cards, in the frame that follows a
    // resize: the one place that waits.
    void PrimaDelleCarte();
    // The cache's drawing has finished (its callback, queued to this thread).
    void Disegnate();
    // Once the first deal is on the table: the player cannot feel the
    // scenes being recorded then, and no resize has to record them after.
    void DopoLaPrimaDistribuzione() { cache_.Preregistra(); }

private:
    void Anteprima(bool accesa);

    cardart::CacheCarte &cache_;
    const std::array<CartaWidget *, kCarte + 1> &carte_; // [0] unused
    QSize mostrata_;             // the card size the last resize mapped to; empty before the first
    bool memoriaTenuta_ = false; // TieniLaMemoria was called (piattaforma.h)
    qreal rapporto_ = 1;
    bool attendi_ = false; // the next frame waits a little for the pictures
    QElapsedTimer ultima_; // since the last resize
};

} // namespace belvane
