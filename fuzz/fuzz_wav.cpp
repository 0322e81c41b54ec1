// Any bytes as the card sound, decoded and converted as the player does it:
// refused, or whole stereo frames.
#include "lettore_wav.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    const auto campioni = belvane::media::DecodificaWav({dati, n});
    if (campioni.size() % 2)
        std::abort();
    return 0;
}
