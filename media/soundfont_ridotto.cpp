#include "soundfont_ridotto.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

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

constexpr uint16_t kGenStrumento = 41; // a preset zone's instrument
constexpr uint16_t kGenTasti = 43;     // a zone's key range: low byte, high byte
constexpr uint16_t kGenCampione = 53;  // an instrument zone's sample

// The keys of a zone's key range; every key without one.
Tasti TastiDellaZona(const char *gen, std::size_t quanti)
{
    Tasti t;
    for (std::size_t g = 0; g < quanti; ++g)
        if (Le(gen + 4 * g, 2) == kGenTasti) {
            const int basso = static_cast<unsigned char>(gen[4 * g + 2]),
                      alto = static_cast<unsigned char>(gen[4 * g + 3]);
            for (int k = basso; k <= std::min(alto, 127); ++k)
                t.set(static_cast<std::size_t>(k));
            return t;
        }
    return t.set();
}

// A generator's amount in a zone, or -1.
int Generatore(const char *gen, std::size_t quanti, uint16_t quale)
{
    for (std::size_t g = 0; g < quanti; ++g)
        if (Le(gen + 4 * g, 2) == quale)
            return static_cast<int>(Le(gen + 4 * g + 2, 2));
    return -1;
}

// One level of the preset data: headers (`testa`, `lunghezza` bytes each,
// their bag index at `dove`), bags, modulators and generators.
struct Livello {
    std::vector<char> &testa, &bag, &mod, &gen;
    std::size_t lunghezza, dove;
    std::size_t Teste() const { return testa.size() / lunghezza; }
    uint32_t Bag(std::size_t i) const { return Le(testa.data() + lunghezza * i + dove, 2); }
    uint32_t Gen(std::size_t j) const { return Le(bag.data() + 4 * j, 2); }
    uint32_t Mod(std::size_t j) const { return Le(bag.data() + 4 * j + 2, 2); }
};

// Rewrites a level keeping, for the headers `tenere` says yes to, the zones
// `zona` says yes to (given the header and the zone's generators), and
// dropping the other headers (`tenere` false) or keeping them whole (no
// value). False on any inconsistency.
template <typename Tenere, typename Zona> bool Riscrivi(Livello l, Tenere tenere, Zona zona)
{
    const std::size_t nTeste = l.Teste(), nBag = l.bag.size() / 4, nMod = l.mod.size() / 10, nGen = l.gen.size() / 4;
    if (nTeste < 2 || nBag < 1)
        return false;
    std::vector<char> teste, bag, mod, gen;
    for (std::size_t i = 0; i + 1 < nTeste; ++i) {
        const std::optional<bool> tiene = tenere(i);
        if (tiene == false)
            continue;
        const uint32_t b0 = l.Bag(i), b1 = l.Bag(i + 1);
        if (b0 > b1 || b1 >= nBag)
            return false;
        const std::size_t record = teste.size();
        teste.insert(teste.end(), l.testa.begin() + static_cast<std::ptrdiff_t>(l.lunghezza * i),
                     l.testa.begin() + static_cast<std::ptrdiff_t>(l.lunghezza * (i + 1)));
        MettiLe(teste.data() + record + l.dove, static_cast<uint32_t>(bag.size() / 4), 2);
        for (uint32_t j = b0; j < b1; ++j) {
            const uint32_t g0 = l.Gen(j), g1 = l.Gen(j + 1), m0 = l.Mod(j), m1 = l.Mod(j + 1);
            if (g0 > g1 || g1 > nGen || m0 > m1 || m1 > nMod)
                return false;
            if (tiene == true && !zona(i, l.gen.data() + 4 * g0, g1 - g0))
                continue;
            MettiLe(bag, static_cast<uint32_t>(gen.size() / 4), 2);
            MettiLe(bag, static_cast<uint32_t>(mod.size() / 10), 2);
            gen.insert(gen.end(), l.gen.begin() + 4 * g0, l.gen.begin() + 4 * g1);
            mod.insert(mod.end(), l.mod.begin() + 10 * m0, l.mod.begin() + 10 * m1);
        }
    }
    if (bag.size() / 4 > 0xFFFF || gen.size() / 4 > 0xFFFF || mod.size() / 10 > 0xFFFF)
        return false;
    // The terminal records.
    const std::size_t fine = teste.size();
    teste.insert(teste.end(), l.testa.end() - static_cast<std::ptrdiff_t>(l.lunghezza), l.testa.end());
    MettiLe(teste.data() + fine + l.dove, static_cast<uint32_t>(bag.size() / 4), 2);
    MettiLe(bag, static_cast<uint32_t>(gen.size() / 4), 2);
    MettiLe(bag, static_cast<uint32_t>(mod.size() / 10), 2);
    gen.insert(gen.end(), 4, '\0');
    mod.insert(mod.end(), 10, '\0');
    l.testa = std::move(teste);
    l.bag = std::move(bag);
    l.mod = std::move(mod);
    l.gen = std::move(gen);
    return true;
}

// Rewrites the preset-data list keeping the presets in `voluti`, and of the
// instruments they use only the zones one of their keys reaches (and the
// zones without a sample, which set defaults); the samples' headers stay
// as they are. Empty on any inconsistency.
std::vector<char> PdtaFiltrato(const std::vector<char> &pdta, const std::map<std::pair<int, int>, Tasti> &voluti,
                               int &tenuti)
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
    const std::size_t nStrumenti = parti[4].size() / 22;
    // The keys each instrument is reached by, from the kept presets' zones.
    std::map<std::size_t, Tasti> raggiunti;
    const Livello preset{parti[0], parti[1], parti[2], parti[3], 38, 24};
    const auto tastiDel = [&](std::size_t i) -> const Tasti * {
        const int programma = static_cast<int>(Le(parti[0].data() + 38 * i + 20, 2));
        const int banco = static_cast<int>(Le(parti[0].data() + 38 * i + 22, 2));
        const auto it = voluti.find({banco, programma});
        return it == voluti.end() ? nullptr : &it->second;
    };
    tenuti = 0;
    bool coerente = true;
    if (!Riscrivi(
            preset,
            [&](std::size_t i) -> std::optional<bool> {
                const bool tiene = tastiDel(i) != nullptr;
                tenuti += tiene;
                return tiene;
            },
            [&](std::size_t i, const char *gen, std::size_t quanti) {
                const int strumento = Generatore(gen, quanti, kGenStrumento);
                if (strumento >= 0 && static_cast<std::size_t>(strumento) + 1 >= nStrumenti)
                    coerente = false;
                else if (strumento >= 0)
                    raggiunti[static_cast<std::size_t>(strumento)] |= *tastiDel(i) & TastiDellaZona(gen, quanti);
                return true;
            }) ||
        !coerente || tenuti == 0)
        return {};
    // Instruments no kept preset uses are never built: left whole.
    const Livello strumenti{parti[4], parti[5], parti[6], parti[7], 22, 20};
    if (!Riscrivi(
            strumenti,
            [&](std::size_t i) -> std::optional<bool> {
                if (raggiunti.count(i))
                    return true;
                return std::nullopt;
            },
            [&](std::size_t i, const char *gen, std::size_t quanti) {
                return Generatore(gen, quanti, kGenCampione) < 0 || (raggiunti[i] & TastiDellaZona(gen, quanti)).any();
            }))
        return {};

    std::vector<char> uscita{'L', 'I', 'S', 'T', 0, 0, 0, 0, 'p', 'd', 't', 'a'};
    for (int k = 0; k < 9; ++k) {
        uscita.insert(uscita.end(), kNomi[k], kNomi[k] + 4);
        MettiLe(uscita, static_cast<uint32_t>(parti[k].size()), 4);
        uscita.insert(uscita.end(), parti[k].begin(), parti[k].end());
    }
    MettiLe(uscita.data() + 4, static_cast<uint32_t>(uscita.size() - 8), 4);
    return uscita;
}

std::shared_ptr<const FileFiltrato> Filtra(const std::string &percorso,
                                           const std::map<std::pair<int, int>, Tasti> &voluti, int &tenuti)
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
    : SoundFontRidotto(percorso, [&] {
          std::map<std::pair<int, int>, Tasti> tutti;
          for (const auto &p : preset)
              tutti[p].set();
          return tutti;
      }())
{
}

SoundFontRidotto::SoundFontRidotto(const std::string &percorso, const std::map<std::pair<int, int>, Tasti> &preset)
{
    static std::atomic<int> contatore{0};
    auto file = Filtra(percorso, preset, preset_);
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
