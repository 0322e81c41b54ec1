#include "soundfont_ridotto.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <set>

namespace belvane::media {

namespace {

// The filtered file: pieces in memory, and the sample data as a range of
// the original file.
struct Pezzo {
    uint64_t inizio = 0; // in the filtered file
    uint64_t lunghezza = 0;
    std::vector<char> dati; // empty: read from the original at `daOriginale`
    uint64_t daOriginale = 0;
};

struct FileFiltrato {
    std::string originale;
    std::vector<Pezzo> pezzi;
    uint64_t dimensione = 0;

    void Aggiungi(std::vector<char> dati)
    {
        const uint64_t n = dati.size();
        pezzi.push_back({dimensione, n, std::move(dati), 0});
        dimensione += n;
    }
    void AggiungiOriginale(uint64_t da, uint64_t n)
    {
        pezzi.push_back({dimensione, n, {}, da});
        dimensione += n;
    }
};

struct Aperto {
    std::shared_ptr<const FileFiltrato> file;
    std::FILE *originale = nullptr;
    uint64_t posizione = 0;
};

std::mutex registroMutex;
std::map<std::string, std::shared_ptr<const FileFiltrato>> &Registro()
{
    static std::map<std::string, std::shared_ptr<const FileFiltrato>> registro;
    return registro;
}

uint32_t Le(const char *p, int byte)
{
    uint32_t v = 0;
    for (int i = byte - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(p[i]);
    return v;
}

void MettiLe(std::vector<char> &b, uint32_t v, int byte)
{
    for (int i = 0; i < byte; ++i)
        b.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}

void MettiLe(char *p, uint32_t v, int byte)
{
    for (int i = 0; i < byte; ++i)
        p[i] = static_cast<char>(v >> (8 * i) & 0xFF);
}

bool Leggi(std::FILE *f, uint64_t da, char *dove, uint64_t n)
{
    return fseeko(f, static_cast<off_t>(da), SEEK_SET) == 0 && std::fread(dove, 1, n, f) == n;
}

// Rewrites the preset-data list keeping the presets in `voluti`; the
// instruments and samples stay as they are (FluidSynth builds an instrument
// only for a preset that uses it). Empty on any inconsistency.
std::vector<char> PdtaFiltrato(const std::vector<char> &pdta, const std::set<std::pair<int, int>> &voluti, int &tenuti)
{
    static constexpr const char *kNomi[9] = {"phdr", "pbag", "pmod", "pgen", "inst", "ibag", "imod", "igen", "shdr"};
    std::vector<std::vector<char>> parti(9);
    std::size_t p = 4; // after "pdta"
    for (int k = 0; k < 9; ++k) {
        if (p + 8 > pdta.size() || std::memcmp(pdta.data() + p, kNomi[k], 4))
            return {};
        const uint32_t l = Le(pdta.data() + p + 4, 4);
        if (p + 8 + l > pdta.size())
            return {};
        parti[k].assign(pdta.begin() + static_cast<std::ptrdiff_t>(p + 8),
                        pdta.begin() + static_cast<std::ptrdiff_t>(p + 8 + l));
        p += 8 + l;
    }
    const auto &phdr = parti[0], &pbag = parti[1], &pmod = parti[2], &pgen = parti[3];
    const std::size_t nPreset = phdr.size() / 38, nBag = pbag.size() / 4, nMod = pmod.size() / 10,
                      nGen = pgen.size() / 4;
    if (nPreset < 2 || nBag < 1)
        return {};
    const auto bag = [&](std::size_t i) { return Le(phdr.data() + 38 * i + 24, 2); };
    const auto gen = [&](std::size_t j) { return Le(pbag.data() + 4 * j, 2); };
    const auto mod = [&](std::size_t j) { return Le(pbag.data() + 4 * j + 2, 2); };

    std::vector<char> nPhdr, nPbag, nPmod, nPgen;
    tenuti = 0;
    for (std::size_t i = 0; i + 1 < nPreset; ++i) {
        const int programma = static_cast<int>(Le(phdr.data() + 38 * i + 20, 2));
        const int banco = static_cast<int>(Le(phdr.data() + 38 * i + 22, 2));
        if (!voluti.count({banco, programma}))
            continue;
        const uint32_t b0 = bag(i), b1 = bag(i + 1);
        if (b0 > b1 || b1 >= nBag)
            return {};
        const std::size_t record = nPhdr.size();
        nPhdr.insert(nPhdr.end(), phdr.begin() + static_cast<std::ptrdiff_t>(38 * i),
                     phdr.begin() + static_cast<std::ptrdiff_t>(38 * i + 38));
        MettiLe(nPhdr.data() + record + 24, static_cast<uint32_t>(nPbag.size() / 4), 2);
        for (uint32_t j = b0; j < b1; ++j) {
            const uint32_t g0 = gen(j), g1 = gen(j + 1), m0 = mod(j), m1 = mod(j + 1);
            if (g0 > g1 || g1 > nGen || m0 > m1 || m1 > nMod)
                return {};
            MettiLe(nPbag, static_cast<uint32_t>(nPgen.size() / 4), 2);
            MettiLe(nPbag, static_cast<uint32_t>(nPmod.size() / 10), 2);
            nPgen.insert(nPgen.end(), pgen.begin() + 4 * g0, pgen.begin() + 4 * g1);
            nPmod.insert(nPmod.end(), pmod.begin() + 10 * m0, pmod.begin() + 10 * m1);
        }
        ++tenuti;
    }
    if (tenuti == 0 || nPbag.size() / 4 > 0xFFFF || nPgen.size() / 4 > 0xFFFF || nPmod.size() / 10 > 0xFFFF)
        return {};
    // The terminal records.
    const std::size_t fine = nPhdr.size();
    nPhdr.insert(nPhdr.end(), phdr.end() - 38, phdr.end());
    MettiLe(nPhdr.data() + fine + 24, static_cast<uint32_t>(nPbag.size() / 4), 2);
    MettiLe(nPbag, static_cast<uint32_t>(nPgen.size() / 4), 2);
    MettiLe(nPbag, static_cast<uint32_t>(nPmod.size() / 10), 2);
    nPgen.insert(nPgen.end(), 4, '\0');
    nPmod.insert(nPmod.end(), 10, '\0');
    parti[0] = std::move(nPhdr);
    parti[1] = std::move(nPbag);
    parti[2] = std::move(nPmod);
    parti[3] = std::move(nPgen);

    std::vector<char> uscita{'L', 'I', 'S', 'T', 0, 0, 0, 0, 'p', 'd', 't', 'a'};
    for (int k = 0; k < 9; ++k) {
        uscita.insert(uscita.end(), kNomi[k], kNomi[k] + 4);
        MettiLe(uscita, static_cast<uint32_t>(parti[k].size()), 4);
        uscita.insert(uscita.end(), parti[k].begin(), parti[k].end());
    }
    MettiLe(uscita.data() + 4, static_cast<uint32_t>(uscita.size() - 8), 4);
    return uscita;
}

std::shared_ptr<const FileFiltrato> Filtra(const std::string &percorso, const std::set<std::pair<int, int>> &voluti,
                                           int &tenuti)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> f(std::fopen(percorso.c_str(), "rb"), &std::fclose);
    char testa[12];
    if (!f || !Leggi(f.get(), 0, testa, 12) || std::memcmp(testa, "RIFF", 4) || std::memcmp(testa + 8, "sfbk", 4))
        return nullptr;
    const uint64_t fine = uint64_t{Le(testa + 4, 4)} + 8;
    auto file = std::make_shared<FileFiltrato>();
    file->originale = percorso;
    file->Aggiungi(std::vector<char>(testa, testa + 12));
    bool sdta = false, pdta = false;
    for (uint64_t pos = 12; pos + 12 <= fine;) {
        char lista[12];
        if (!Leggi(f.get(), pos, lista, 12) || std::memcmp(lista, "LIST", 4))
            return nullptr;
        const uint64_t lung = Le(lista + 4, 4), tutta = 8 + lung + (lung & 1);
        if (pos + 8 + lung > fine)
            return nullptr;
        if (!std::memcmp(lista + 8, "sdta", 4)) {
            file->AggiungiOriginale(pos, tutta);
            sdta = true;
        } else {
            std::vector<char> dati(tutta);
            if (!Leggi(f.get(), pos, dati.data(), std::min<uint64_t>(tutta, fine - pos)))
                return nullptr;
            if (!std::memcmp(lista + 8, "pdta", 4)) {
                dati = PdtaFiltrato(std::vector<char>(dati.begin() + 8, dati.begin() + 8 + lung), voluti, tenuti);
                if (dati.empty())
                    return nullptr;
                pdta = true;
            }
            file->Aggiungi(std::move(dati));
        }
        pos += tutta;
    }
    if (!sdta || !pdta)
        return nullptr;
    MettiLe(file->pezzi.front().dati.data() + 4, static_cast<uint32_t>(file->dimensione - 8), 4);
    return file;
}

void *Apri(const char *nome)
{
    std::shared_ptr<const FileFiltrato> file;
    {
        std::lock_guard guardia(registroMutex);
        const auto it = Registro().find(nome);
        if (it == Registro().end())
            return nullptr;
        file = it->second;
    }
    std::FILE *f = std::fopen(file->originale.c_str(), "rb");
    if (!f)
        return nullptr;
    return new Aperto{std::move(file), f, 0};
}

int LeggiAperto(void *buf, fluid_long_long_t quanti, void *maniglia)
{
    auto *a = static_cast<Aperto *>(maniglia);
    auto *dove = static_cast<char *>(buf);
    if (quanti < 0 || a->posizione + static_cast<uint64_t>(quanti) > a->file->dimensione)
        return FLUID_FAILED;
    uint64_t resto = static_cast<uint64_t>(quanti);
    for (const Pezzo &p : a->file->pezzi) {
        if (resto == 0)
            break;
        if (a->posizione >= p.inizio + p.lunghezza || a->posizione < p.inizio)
            continue;
        const uint64_t da = a->posizione - p.inizio, n = std::min(resto, p.lunghezza - da);
        if (!p.dati.empty())
            std::memcpy(dove, p.dati.data() + da, n);
        else if (!Leggi(a->originale, p.daOriginale + da, dove, n))
            return FLUID_FAILED;
        dove += n;
        a->posizione += n;
        resto -= n;
    }
    return resto == 0 ? FLUID_OK : FLUID_FAILED;
}

int Cerca(void *maniglia, fluid_long_long_t scarto, int origine)
{
    auto *a = static_cast<Aperto *>(maniglia);
    const int64_t base = origine == SEEK_SET ? 0
        : origine == SEEK_CUR                ? static_cast<int64_t>(a->posizione)
                                             : static_cast<int64_t>(a->file->dimensione);
    const int64_t nuova = base + scarto;
    if (nuova < 0 || static_cast<uint64_t>(nuova) > a->file->dimensione)
        return FLUID_FAILED;
    a->posizione = static_cast<uint64_t>(nuova);
    return FLUID_OK;
}

int Chiudi(void *maniglia)
{
    auto *a = static_cast<Aperto *>(maniglia);
    std::fclose(a->originale);
    delete a;
    return FLUID_OK;
}

fluid_long_long_t Dove(void *maniglia)
{
    return static_cast<fluid_long_long_t>(static_cast<Aperto *>(maniglia)->posizione);
}

} // namespace

SoundFontRidotto::SoundFontRidotto(const std::string &percorso, const std::vector<std::pair<int, int>> &preset)
{
    static std::atomic<int> contatore{0};
    auto file = Filtra(percorso, {preset.begin(), preset.end()}, preset_);
    if (!file)
        return;
    nome_ = "belvane-soundfont-ridotto:" + std::to_string(contatore++) + ":" + percorso;
    std::lock_guard guardia(registroMutex);
    Registro()[nome_] = std::move(file);
}

SoundFontRidotto::~SoundFontRidotto()
{
    if (nome_.empty())
        return;
    std::lock_guard guardia(registroMutex);
    Registro().erase(nome_);
}

void SoundFontRidotto::Installa(fluid_synth_t *synth, fluid_settings_t *impostazioni)
{
    fluid_sfloader_t *loader = new_fluid_defsfloader(impostazioni);
    if (!loader)
        return;
    fluid_sfloader_set_callbacks(loader, Apri, LeggiAperto, Cerca, Dove, Chiudi);
    fluid_synth_add_sfloader(synth, loader); // owned by the synthesiser from here
}

} // namespace belvane::media
