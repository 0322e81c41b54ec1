#include "regola.h"

namespace belvane {

bool MossaPossibile(const Griglia &tavolo)
{
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c)
            if (SpazioVivo(tavolo, r, c))
                return true;
    return false;
}

std::optional<Slot> Destinazione(const Griglia &tavolo, Int carta)
{
    if (!IsCarta(carta))
        return std::nullopt;
    for (int r = 1; r <= kRighe; ++r) {
        if (IsAsso(carta)) {
            if (tavolo[r][1] == 0)
                return Slot{r, 1};
            continue;
        }
        for (int c = 2; c <= kColonne; ++c)
            if (tavolo[r][c] == 0 && Successore(tavolo[r][c - 1]) == carta)
                return Slot{r, c};
    }
    return std::nullopt;
}

std::vector<Int> CarteMobili(const Griglia &tavolo, Mosse quali)
{
    const auto primaInRiga = [&](Int carta) {
        for (int r = 1; r <= kRighe; ++r)
            if (tavolo[r][1] == carta)
                return true;
        return false;
    };
    std::vector<Int> mobili;
    for (Int k = 1; k <= kCarte; ++k)
        if (Destinazione(tavolo, k) && !(quali == Mosse::Progresso && IsAsso(k) && primaInRiga(k)))
            mobili.push_back(k);
    return mobili;
}

} // namespace belvane
