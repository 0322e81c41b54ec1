#include "carte.h"

namespace belvane {

NomiCarte CostruisciNomiCarte()
{
    static constexpr std::array<const char *, 4> kSuffissi{" di Bastoni", " di Coppe", " di Denari", " di Spade"};
    static constexpr std::array<const char *, 4> kAssi{"Asso di Bastoni", "Asso di Coppe", "Asso di Denari",
                                                       "Asso di Spade"};
    NomiCarte nomi;
    for (int v = 2; v <= 10; ++v) {
        const std::string numero = " " + std::to_string(v);
        for (int s = 0; s < 4; ++s)
            nomi[v + 10 * s] = numero + kSuffissi[s];
    }
    for (int s = 0; s < 4; ++s)
        nomi[1 + 10 * s] = kAssi[s];
    return nomi;
}

} // namespace belvane
