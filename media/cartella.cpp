#include "cartella.h"

#include <filesystem>
#include <system_error>

namespace belvane::media {

std::string CartellaProgramma()
{
    std::error_code errore;
    const auto eseguibile = std::filesystem::canonical("/proc/self/exe", errore);
    if (errore)
        return {};
    return eseguibile.parent_path().string();
}

} // namespace belvane::media
