// The move rule, in one place: which card a free space takes, whether a free
// space is still live, and where a clicked card goes. The click, the check,
// the tests and the benchmarks all ask these functions.
#pragma once

#include "carte.h"

#include <array>
#include <optional>
#include <vector>

namespace belvane {

// Rows 0..kRighe by columns 0..kColonne; row 0 and column 0 stay empty.
using Griglia = std::array<std::array<Int, kColonne + 1>, kRighe + 1>;

struct Slot {
    int riga = 0;
    int colonna = 0;
    friend bool operator==(const Slot &, const Slot &) = default;
};

// The card that may follow `sinistra` in the slot right of it: its successor,
// or 0 when nothing can (a king, or a free space).
constexpr Int Successore(Int sinistra) { return IsRe(sinistra) ? Int{0} : static_cast<Int>(sinistra + 1); }

// Whether slot (riga, colonna) is a free space that can still take a card: a
// free first slot takes any ace, any other free space the successor of the
// card on its left.
constexpr bool SpazioVivo(const Griglia &tavolo, int riga, int colonna)
{
    return tavolo[riga][colonna] == 0 && (colonna == 1 || Successore(tavolo[riga][colonna - 1]) != 0);
}

// Whether any free space can still take a card.
bool MossaPossibile(const Griglia &tavolo);

// Where `carta` goes when clicked: an ace to the topmost free first slot,
// any other card to the free space right of the card one lower of its suit.
// Nothing when it cannot move.
std::optional<Slot> Destinazione(const Griglia &tavolo, Int carta);

// Every card that can move now, in code order. An ace already first in its
// row would only change rows: `Progresso` leaves such aces out, for players
// that must not go round in circles.
enum class Mosse { Tutte, Progresso };
std::vector<Int> CarteMobili(const Griglia &tavolo, Mosse quali = Mosse::Tutte);

} // namespace belvane
