// A moved card's picture glides from where it was drawn to its new slot, so
// the eye can follow it. The game's state and the card's logical position
// have changed already; only the picture lags behind, for a moment.
#pragma once

#include "controlli.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <map>

class QVariantAnimation;

namespace belvane {

class Scivolata final : public QObject {
public:
    // `piazza` draws a card's picture with its top-left corner at a logical
    // position, at the window's current size. A zero duration switches the
    // glide off.
    using Piazza = std::function<void(CartaWidget &, Posizione)>;
    Scivolata(std::chrono::milliseconds durata, Piazza piazza, QObject *parent = nullptr);
    ~Scivolata() override;

    bool Accesa() const { return durata_.count() > 0; }
    // The picture leaves `da` for the card's own position; a card already
    // in flight turns from where it is drawn.
    void Avvia(CartaWidget &carta, Posizione da);
    // Where the card's picture is drawn now, in logical units.
    Posizione Disegnata(const CartaWidget &carta) const;
    bool InVolo() const { return !voli_.empty(); }
    // The card lands in its slot at once; nothing if it is not in flight.
    void Atterra(CartaWidget &carta);
    // Every card in flight lands at once.
    void Termina();

private:
    struct Volo {
        Posizione da;
        Posizione ora;
        QVariantAnimation *animazione;
    };
    void Scarta(CartaWidget &carta);

    std::chrono::milliseconds durata_;
    Piazza piazza_;
    std::map<CartaWidget *, Volo, std::less<>> voli_;
};

} // namespace belvane
