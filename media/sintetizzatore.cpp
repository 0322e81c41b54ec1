#include "sintetizzatore.h"

#include "brano_midi.h"
#include "diagnostica.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>

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

uint32_t Le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return uint32_t{u[0]} | uint32_t{u[1]} << 8 | uint32_t{u[2]} << 16 | uint32_t{u[3]} << 24;
}

// The SoundFont's RIFF layout, checked before FluidSynth sees the file: on a
// broken one its fallback loader (libinstpatch) prints to stderr.
bool SoundFontIntegro(const std::string &percorso)
{
    std::ifstream f(percorso, std::ios::binary);
    char testa[12];
    if (!f.read(testa, 12) || std::memcmp(testa, "RIFF", 4) || std::memcmp(testa + 8, "sfbk", 4))
        return false;
    f.seekg(0, std::ios::end);
    const auto dimensione = static_cast<uint64_t>(f.tellg());
    if (uint64_t{Le32(testa + 4)} + 8 > dimensione)
        return false;
    // Record sizes of the nine preset-data chunks, in their required order.
    constexpr std::array<std::pair<const char *, uint32_t>, 9> kPdta{{{"phdr", 38},
                                                                      {"pbag", 4},
                                                                      {"pmod", 10},
                                                                      {"pgen", 4},
                                                                      {"inst", 22},
                                                                      {"ibag", 4},
                                                                      {"imod", 10},
                                                                      {"igen", 4},
                                                                      {"shdr", 46}}};
    bool sdta = false, pdta = false;
    uint64_t pos = 12;
    const uint64_t fine = uint64_t{Le32(testa + 4)} + 8;
    while (pos + 12 <= fine) {
        char lista[12];
        f.seekg(static_cast<std::streamoff>(pos));
        if (!f.read(lista, 12) || std::memcmp(lista, "LIST", 4))
            return false;
        const uint64_t lung = Le32(lista + 4);
        if (pos + 8 + lung > fine || lung < 4)
            return false;
        if (!std::memcmp(lista + 8, "sdta", 4))
            sdta = true;
        if (!std::memcmp(lista + 8, "pdta", 4)) {
            uint64_t p = pos + 12;
            for (const auto &[nome, record] : kPdta) {
                char sotto[8];
                f.seekg(static_cast<std::streamoff>(p));
                if (!f.read(sotto, 8) || std::memcmp(sotto, nome, 4))
                    return false;
                const uint32_t l = Le32(sotto + 4);
                if (l == 0 || l % record || p + 8 + l > pos + 8 + lung)
                    return false;
                p += 8 + l;
            }
            pdta = true;
        }
        pos += 8 + lung + (lung & 1);
    }
    return sdta && pdta;
}

} // namespace

void SilenziaFluidSynth()
{
    static std::once_flag una;
    std::call_once(una, [] {
        for (int livello = FLUID_PANIC; livello < LAST_LOG_LEVEL; ++livello)
            fluid_set_log_function(livello, Muto, nullptr);
    });
}

std::vector<std::pair<int, int>> PresetDelBrano(const Brano &brano)
{
    constexpr int kCanaleBatteria = 9;
    constexpr int kBancoBatteria = 128;
    // Every channel starts on program 0; the player sets them back there.
    std::vector<std::pair<int, int>> preset{{0, 0}, {kBancoBatteria, 0}};
    std::array<int, 16> banco{};
    for (const EventoMidi &e : brano.eventi) {
        const int canale = e.stato & 0x0F;
        if ((e.stato & 0xF0) == 0xB0 && e.dato1 == 0)
            banco[canale] = e.dato2;
        if ((e.stato & 0xF0) != 0xC0)
            continue;
        const int programma = e.dato1;
        preset.emplace_back(banco[canale], programma);
        preset.emplace_back(0, programma);
        if (canale == kCanaleBatteria)
            preset.emplace_back(kBancoBatteria, programma);
    }
    std::sort(preset.begin(), preset.end());
    preset.erase(std::unique(preset.begin(), preset.end()), preset.end());
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
            std::vector<std::pair<int, int>> preset;
            for (const std::string &brano : brani)
                if (const auto letto = CaricaBrano(brano)) {
                    const auto suoi = PresetDelBrano(*letto);
                    preset.insert(preset.end(), suoi.begin(), suoi.end());
                }
            // Only the tunes' presets are built at all; the whole file when
            // it cannot be filtered (or no tune could be read).
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
                for (const auto &[banco, programma] : preset)
                    fluid_synth_pin_preset(synth_.get(), id, banco, programma); // missing ones fail, harmlessly
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
    return Pronto() != nullptr;
}

} // namespace belvane::media
