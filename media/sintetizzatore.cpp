#include "sintetizzatore.h"

#include "brano_midi.h"
#include "diagnostica.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <vector>

#include <malloc.h>

namespace belvane::media {

std::string SoundFontPredefinito()
{
    const std::string piccolo = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    std::error_code errore;
    return std::filesystem::exists(piccolo, errore) ? piccolo : "/usr/share/sounds/sf2/default-GM.sf2";
}

namespace {

// The tunes sound at most 38 voices at once; FluidSynth's 256 cost 2 MiB.
constexpr int kPolifonia = 64;

void Muto(int, const char *, void *) {}

uint32_t Le32(const uint8_t *u)
{
    return uint32_t{u[0]} | uint32_t{u[1]} << 8 | uint32_t{u[2]} << 16 | uint32_t{u[3]} << 24;
}
uint32_t Le16(const uint8_t *u) { return uint32_t{u[0]} | uint32_t{u[1]} << 8; }

using Byte = std::span<const uint8_t>;

// Generator kinds that name another table's entry.
constexpr uint32_t kGenStrumento = 41; // a preset zone's instrument
constexpr uint32_t kGenCampione = 53;  // an instrument zone's sample

bool Tag(Byte b, const char *id) { return b.size() >= 4 && !std::memcmp(b.data(), id, 4); }

// A list's info and preset data are small; a larger one is no SoundFont we play.
constexpr uint64_t kListaMassima = 64u << 20;

std::vector<uint8_t> Leggi(std::istream &f, uint64_t pos, uint64_t n)
{
    std::vector<uint8_t> b(static_cast<std::size_t>(n));
    f.seekg(static_cast<std::streamoff>(pos));
    if (!f.read(reinterpret_cast<char *>(b.data()), static_cast<std::streamsize>(n)))
        b.clear();
    return b;
}

struct Blocco {
    Byte id, dati;
};

// The chunks of a list's body, in order; nothing when one overruns it.
std::optional<std::vector<Blocco>> Blocchi(Byte corpo)
{
    std::vector<Blocco> blocchi;
    while (!corpo.empty()) {
        if (corpo.size() < 8 || Le32(corpo.data() + 4) > corpo.size() - 8)
            return std::nullopt;
        const uint32_t lung = Le32(corpo.data() + 4);
        blocchi.push_back({corpo.first(4), corpo.subspan(8, lung)});
        corpo = corpo.subspan(std::min<std::size_t>(corpo.size(), 8 + lung + (lung & 1)));
    }
    return blocchi;
}

// The version 2 or 3 tag, and texts of even length that FluidSynth accepts.
bool InfoValida(Byte corpo)
{
    const auto blocchi = Blocchi(corpo);
    if (!blocchi)
        return false;
    bool versione = false;
    for (const auto &b : *blocchi) {
        const Byte id = b.id, dati = b.dati;
        if (Tag(id, "ifil") || Tag(id, "iver")) {
            if (dati.size() != 4)
                return false;
            if (Tag(id, "ifil")) {
                const uint32_t maggiore = Le16(dati.data());
                versione = maggiore == 2 || maggiore == 3;
                if (!versione)
                    return false;
            }
            continue;
        }
        static constexpr const char *kTesti[] = {"isng", "INAM", "irom", "ICRD", "IENG",
                                                 "IPRD", "ICOP", "ICMT", "ISFT"};
        if (std::none_of(std::begin(kTesti), std::end(kTesti), [&](const char *t) { return Tag(id, t); }))
            return false;
        if (dati.size() % 2 || dati.size() > (Tag(id, "ICMT") ? 65536u : 256u))
            return false;
    }
    return versione;
}

// Records of `passo` bytes whose 16-bit field at `campo` indexes the next
// table: the indices never fall, and the span they cover, last minus first.
std::optional<uint32_t> Indici(Byte dati, std::size_t passo, std::size_t campo)
{
    uint32_t primo = 0, prima = 0;
    for (std::size_t i = 0; i < dati.size(); i += passo) {
        const uint32_t v = Le16(dati.data() + i + campo);
        if (i == 0)
            primo = prima = v;
        if (v < prima)
            return std::nullopt;
        prima = v;
    }
    return prima - primo;
}

// Every generator of kind `tipo` refers to an entry below `quanti`.
bool Riferimenti(Byte generatori, uint32_t tipo, uint32_t quanti)
{
    for (std::size_t i = 0; i < generatori.size(); i += 4)
        if (Le16(generatori.data() + i) == tipo && Le16(generatori.data() + i + 2) >= quanti)
            return false;
    return true;
}

// Every sample but the closing one has data, inside the sample chunk of
// `campioni` bytes: FluidSynth loads them all (even one marked as in a ROM)
// and refuses the font for one that has none.
bool CampioniValidi(Byte shdr, uint64_t campioni)
{
    for (std::size_t i = 0; i + 46 < shdr.size(); i += 46) {
        const uint8_t *h = shdr.data() + i;
        const uint32_t inizio = Le32(h + 20), fine = Le32(h + 24), tipo = Le16(h + 44);
        const uint64_t unita = tipo & 0x10 ? 1 : 2; // compressed samples count bytes, others 16-bit words
        if (inizio >= fine || fine * unita > campioni)
            return false;
    }
    return true;
}

// The nine preset-data tables in their order, their record sizes, indices
// that never fall and match the next table's length, and references to
// instruments and samples that exist.
bool PdtaValida(Byte corpo, uint64_t campioni)
{
    const auto blocchi = Blocchi(corpo);
    constexpr std::array<std::pair<const char *, uint32_t>, 9> kTabelle{{{"phdr", 38},
                                                                         {"pbag", 4},
                                                                         {"pmod", 10},
                                                                         {"pgen", 4},
                                                                         {"inst", 22},
                                                                         {"ibag", 4},
                                                                         {"imod", 10},
                                                                         {"igen", 4},
                                                                         {"shdr", 46}}};
    if (!blocchi || blocchi->size() < kTabelle.size())
        return false;
    std::array<Byte, 9> t;
    for (std::size_t i = 0; i < kTabelle.size(); ++i) {
        const Blocco &b = (*blocchi)[i];
        if (!Tag(b.id, kTabelle[i].first) || b.dati.empty() || b.dati.size() % kTabelle[i].second)
            return false;
        t[i] = b.dati;
    }
    const auto [phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr] = t;
    const auto record = [](Byte b, uint32_t passo) { return static_cast<uint32_t>(b.size() / passo); };
    // Each header (the last one closes the table) and each bag (likewise)
    // indexes the next table; a closing modulator or generator is optional.
    const auto lato = [&](Byte testate, uint32_t passoTestata, Byte borse, Byte modulatori, Byte generatori) {
        const auto zone = Indici(testate, passoTestata, passoTestata == 38 ? 24 : 20);
        const auto gen = Indici(borse, 4, 0);
        const auto mod = Indici(borse, 4, 2);
        return zone && gen && mod && record(borse, 4) == *zone + 1 &&
            (record(generatori, 4) == *gen || record(generatori, 4) == *gen + 1) &&
            (record(modulatori, 10) == *mod || record(modulatori, 10) == *mod + 1);
    };
    return record(phdr, 38) >= 2 && lato(phdr, 38, pbag, pmod, pgen) && lato(inst, 22, ibag, imod, igen) &&
        Riferimenti(pgen, kGenStrumento, record(inst, 22) - 1) &&
        Riferimenti(igen, kGenCampione, record(shdr, 46) - 1) && CampioniValidi(shdr, campioni);
}

} // namespace

bool SoundFontIntegro(std::istream &f)
{
    char testa[12];
    if (!f.read(testa, 12) || std::memcmp(testa, "RIFF", 4) || std::memcmp(testa + 8, "sfbk", 4))
        return false;
    f.seekg(0, std::ios::end);
    const auto dimensione = static_cast<uint64_t>(f.tellg());
    const uint64_t fine = uint64_t{Le32(reinterpret_cast<const uint8_t *>(testa + 4))} + 8;
    if (fine != dimensione)
        return false; // FluidSynth wants the RIFF length to be the file's
    // Three lists in this order, as FluidSynth reads them: a refusal there
    // would hand the file to its fallback loader, which prints.
    uint64_t pos = 12;
    uint64_t campioni = 0; // bytes of sample data
    for (const char *tipo : {"INFO", "sdta", "pdta"}) {
        const auto lista = Leggi(f, pos, 12);
        if (lista.size() != 12 || !Tag(lista, "LIST") || !Tag(Byte(lista).subspan(8), tipo))
            return false;
        const uint64_t lung = Le32(lista.data() + 4);
        if (lung < 4 || pos + 8 + lung > fine)
            return false;
        if (!std::strcmp(tipo, "sdta")) {
            // Empty, or the samples first.
            if (lung > 4) {
                const auto smpl = Leggi(f, pos + 12, 8);
                if (smpl.size() != 8 || !Tag(smpl, "smpl") || Le32(smpl.data() + 4) > lung - 12)
                    return false;
                campioni = Le32(smpl.data() + 4);
            }
        } else {
            if (lung - 4 > kListaMassima)
                return false;
            const auto corpo = Leggi(f, pos + 12, lung - 4);
            if (corpo.size() != lung - 4 ||
                !(std::strcmp(tipo, "INFO") ? PdtaValida(corpo, campioni) : InfoValida(corpo)))
                return false;
        }
        pos += 8 + lung + (lung & 1);
    }
    return true;
}

bool SoundFontIntegro(const std::string &percorso)
{
    std::ifstream f(percorso, std::ios::binary);
    return SoundFontIntegro(f);
}

void SilenziaFluidSynth()
{
    static std::once_flag una;
    std::call_once(una, [] {
        for (int livello = FLUID_PANIC; livello < LAST_LOG_LEVEL; ++livello)
            fluid_set_log_function(livello, Muto, nullptr);
    });
}

std::map<std::pair<int, int>, Tasti> PresetDelBrano(const Brano &brano)
{
    constexpr int kCanaleBatteria = 9;
    constexpr int kBancoBatteria = 128;
    // Every channel starts on program 0; the player sets them back there.
    std::map<std::pair<int, int>, Tasti> preset{{{0, 0}, {}}, {{kBancoBatteria, 0}, {}}};
    // Per channel, the presets its notes may sound on: the one selected and
    // the fall-backs.
    std::array<std::vector<std::pair<int, int>>, 16> suona;
    for (int canale = 0; canale < 16; ++canale)
        suona[canale] = {canale == kCanaleBatteria ? std::pair{kBancoBatteria, 0} : std::pair{0, 0}};
    std::array<int, 16> banco{};
    for (const EventoMidi &e : brano.eventi) {
        const int canale = e.stato & 0x0F;
        const int tipo = e.stato & 0xF0;
        if (tipo == 0xB0 && e.dato1 == 0)
            banco[canale] = e.dato2;
        if (tipo == 0x90 && e.dato2 > 0)
            for (const auto &p : suona[canale])
                preset[p].set(e.dato1 & 0x7F);
        if (tipo != 0xC0)
            continue;
        const int programma = e.dato1;
        suona[canale] = {{banco[canale], programma}, {0, programma}};
        if (canale == kCanaleBatteria)
            suona[canale].emplace_back(kBancoBatteria, programma);
        for (const auto &p : suona[canale])
            preset.try_emplace(p);
    }
    return preset;
}

Sintetizzatore::Sintetizzatore(std::string soundFont, std::vector<std::string> brani)
{
    SilenziaFluidSynth();
    // On this thread: making the settings asks SDL for its audio devices,
    // which must not run alongside the output's own SDL start.
    impostazioni_.reset(new_fluid_settings());
    caricatore_ = std::jthread([this, sf = std::move(soundFont), brani = std::move(brani)] { Carica(sf, brani); });
}

Sintetizzatore::~Sintetizzatore()
{
    if (caricatore_.joinable())
        caricatore_.join();
}

void Sintetizzatore::Carica(const std::string &soundFont, const std::vector<std::string> &brani)
{
    if (impostazioni_) {
        fluid_settings_t *s = impostazioni_.get();
        fluid_settings_setnum(s, "synth.sample-rate", kFrequenza);
        // Played from the audio thread only. With tunes named, only their
        // presets' samples are loaded, pinned below on this thread, so that
        // no note ever reads the SoundFont file while rendering.
        fluid_settings_setint(s, "synth.threadsafe-api", 0);
        fluid_settings_setint(s, "synth.dynamic-sample-loading", brani.empty() ? 0 : 1);
        fluid_settings_setint(s, "synth.lock-memory", 0);
        fluid_settings_setint(s, "synth.chorus.active", 0);
        fluid_settings_setint(s, "synth.polyphony", kPolifonia);
        fluid_settings_setnum(s, "synth.gain", 0.4);
        synth_.reset(new_fluid_synth(s));
        if (!synth_)
            Diagnostica("FluidSynth could not make a synthesiser; the music stays silent");
        else if (!SoundFontIntegro(soundFont))
            Diagnostica(soundFont + ": missing, or not a whole SoundFont; the music stays silent");
        else {
            std::map<std::pair<int, int>, Tasti> preset;
            for (const std::string &brano : brani)
                if (const auto letto = CaricaBrano(brano))
                    for (const auto &[quale, tasti] : PresetDelBrano(*letto))
                        preset[quale] |= tasti;
            // Only the tunes' presets are built at all, and of their samples
            // only those the tunes' keys reach; the whole file when it cannot
            // be filtered (or no tune could be read).
            if (!preset.empty()) {
                ridotto_ = std::make_unique<SoundFontRidotto>(soundFont, preset);
                if (!ridotto_->Nome().empty())
                    SoundFontRidotto::Installa(synth_.get(), s);
            }
            int id = FLUID_FAILED;
            if (ridotto_ && !ridotto_->Nome().empty())
                id = fluid_synth_sfload(synth_.get(), ridotto_->Nome().c_str(), 1);
            if (id == FLUID_FAILED)
                id = fluid_synth_sfload(synth_.get(), soundFont.c_str(), 1);
            if (id == FLUID_FAILED)
                Diagnostica(soundFont + ": FluidSynth could not load it; the music stays silent");
            else {
                for (const auto &[quale, tasti] : preset)
                    fluid_synth_pin_preset(synth_.get(), id, quale.first,
                                           quale.second); // missing ones fail, harmlessly
                // Reading the SoundFont left its parse in this thread's heap.
                malloc_trim(0);
                pronto_.store(synth_.get(), std::memory_order_release);
            }
        }
    }
    std::lock_guard guardia(mutex_);
    concluso_.store(true, std::memory_order_release);
    finito_.notify_all();
}

bool Sintetizzatore::Attendi(std::chrono::milliseconds limite) const
{
    std::unique_lock guardia(mutex_);
    finito_.wait_for(guardia, limite, [this] { return concluso_.load(); });
    return Strumento() != nullptr;
}

} // namespace belvane::media
