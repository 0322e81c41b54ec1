#include "diagnostica.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace belvane {

bool DiagnosticaAccesa()
{
    // Read at every refusal, which is rare, so a test can switch it.
    const char *v = std::getenv("BELVANE_DEBUG");
    return v != nullptr && std::strcmp(v, "1") == 0;
}

void Diagnostica(std::string_view messaggio)
{
    if (!DiagnosticaAccesa())
        return;
    // One write per line, so lines from the SoundFont's loading thread do not interleave.
    const std::string riga = "belvane: " + std::string(messaggio) + "\n";
    std::fwrite(riga.data(), 1, riga.size(), stderr);
}

} // namespace belvane
