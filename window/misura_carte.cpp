#include "misura_carte.h"

#include "controlli.h"
#include "piattaforma.h"

#include <chrono>
#include <utility>

namespace belvane {
namespace {

// Resizes closer together than this are a drag.
constexpr qint64 kIntervalloTrascinamento = 100; // ms
// How long the first frame after a resize on its own waits for the cards at
// the new size, drawing too: about what the forty take at a full-screen
// size (138 x 220) on two cores. Up to that size the first frame is then the
// final one; a preview frame first would only take time from the drawing
// it waits for, and a second frame after it.
constexpr std::chrono::milliseconds kAttesaCarte{20};

} // namespace

void MisuraCarte::NuovaMisura(QSize carta, qreal rapporto)
{
    if (carta != mostrata_ || rapporto != rapporto_) {
        // Before the window makes its pixels at the new size.
        if (!mostrata_.isEmpty() && !std::exchange(memoriaTenuta_, true))
            TieniLaMemoria();
        const bool pronte = mostrata_.isEmpty() || cache_.Richiedi(carta, rapporto);
        mostrata_ = carta;
        rapporto_ = rapporto;
        Anteprima(!pronte);
        attendi_ = !pronte && !(ultima_.isValid() && ultima_.elapsed() < kIntervalloTrascinamento);
    }
    ultima_.start();
}

void MisuraCarte::PrimaDelleCarte()
{
    // Filling the ground of a grown window takes a while, and the pictures
    // are drawn meanwhile; this frame then waits what is left of kAttesaCarte.
    if (!std::exchange(attendi_, false) || !cache_.Completa(std::chrono::steady_clock::now() + kAttesaCarte))
        return;
    // The cards are about to be painted in this very frame: no repaint of their own.
    for (Int k = 1; k <= kCarte; ++k)
        carte_[k]->FineAnteprima();
}

void MisuraCarte::Disegnate()
{
    // A drawing for a size the window has left is kept for going back.
    if (!cache_.Raccogli() || !cache_.Richiedi(mostrata_, rapporto_))
        return;
    attendi_ = false;
    Anteprima(false);
}

void MisuraCarte::Anteprima(bool accesa)
{
    for (Int k = 1; k <= kCarte; ++k)
        carte_[k]->SetAnteprima(accesa);
}

} // namespace belvane
