// Any bytes as a tune: the reader refuses them or returns a tune the player
// can walk (events in order, inside its length, channel messages only).
#include "brano_midi.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    using namespace belvane::media;
    const auto brano = LeggiBrano({dati, n});
    if (!brano)
        return 0;
    if (brano->lunghezza <= 0 || brano->lunghezza > kDurataMassima)
        std::abort();
    int64_t prima = 0;
    for (const auto &e : brano->eventi) {
        if (e.frame < prima || e.frame > brano->lunghezza || e.stato < 0x80 || e.stato >= 0xF0 || e.dato1 > 0x7F ||
            e.dato2 > 0x7F)
            std::abort();
        prima = e.frame;
    }
    return 0;
}
