// Everything the game asks of the world outside its own state: card controls,
// panels, sound, the Yes/No question, a new game and closing the window.
// The window implements it; the tests record it.
#pragma once

#include "carte.h"
#include "suono.h"

#include <string>

namespace belvane {

// A card control's top-left corner in the table's logical units.
struct Posizione {
    float left = 0;
    float top = 0;
};

enum class Risposta { Si, No };

class Effetti {
public:
    virtual ~Effetti() = default;

    virtual void MuoviCarta(Int carta, Posizione dove) = 0;
    virtual Posizione PosizioneCarta(Int carta) const = 0;
    virtual void HideAllPanels() = 0;
    // Around a deal: the cards placed in between are dealt, not moved by the
    // player, so the window shows them at once.
    virtual void InizioDistribuzione() {}
    virtual void FineDistribuzione() {}

    virtual Suono &suono() = 0;

    // Modal; title and text are UTF-8.
    virtual Risposta Chiedi(const std::string &titolo, const std::string &testo) = 0;
    // The window's activation: fresh state, title pause, deal.
    virtual void Form_Activate() = 0;
    // Unloads the window; the program ends once control returns to it.
    virtual void ChiudiFinestra() = 0;
};

} // namespace belvane
