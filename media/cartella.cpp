#include "cartella.h"

#include <filesystem>
#include <fstream>
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

std::optional<std::vector<uint8_t>> LeggiFile(const std::string &percorso, std::size_t massimo)
{
    std::ifstream f(percorso, std::ios::binary);
    if (!f)
        return std::nullopt;
    std::vector<uint8_t> dati;
    char blocco[4096];
    while (f.read(blocco, sizeof blocco) || f.gcount() > 0) {
        dati.insert(dati.end(), blocco, blocco + f.gcount());
        if (dati.size() > massimo)
            return std::nullopt;
    }
    return dati;
}

} // namespace belvane::media
