// The FluidSynth synthesiser with the General MIDI SoundFont, built on a
// thread of its own so that start-up does not wait for the SoundFont.
//
// The loader (`caricatore_`, owned here, joined before the synthesiser goes)
// makes the settings and the synthesiser, reads the SoundFont and publishes
// the synthesiser through the atomic `pronto_`; it takes `mutex_` only to
// say it has finished, and no other lock. Until then nothing else touches
// the synthesiser; after, only the audio side plays on it.
#pragma once

#include "soundfont_ridotto.h"

#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <istream>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace belvane::media {

// TimGM6mb, the small General MIDI SoundFont Debian installs with FluidSynth;
// the system's default-GM link may point to a 141 MiB one that would be read
// whole into memory. That link is the fallback.
std::string SoundFontPredefinito();

// The SoundFont's RIFF layout, checked before FluidSynth sees the file: on a
// broken one its fallback loader (libinstpatch) prints to stderr.
bool SoundFontIntegro(std::istream &f);
bool SoundFontIntegro(const std::string &percorso);

// FluidSynth writes to stderr unless every level has a handler.
void SilenziaFluidSynth();

struct Brano;
// The presets (bank, program) a tune selects, the channels' defaults
// included, with the fall-backs FluidSynth takes for a missing one, each
// with the keys the tune plays on it.
std::map<std::pair<int, int>, Tasti> PresetDelBrano(const Brano &brano);

class Sintetizzatore {
public:
    // Only the samples of the presets that `brani` (MIDI files) select are
    // loaded, on the loading thread; the audio thread never reads the file.
    explicit Sintetizzatore(std::string soundFont, std::vector<std::string> brani = {});
    ~Sintetizzatore();
    Sintetizzatore(const Sintetizzatore &) = delete;
    Sintetizzatore &operator=(const Sintetizzatore &) = delete;

    // The ready synthesiser, or null while loading or after a failure.
    // Only the audio side may play on it.
    fluid_synth_t *Strumento() const noexcept { return pronto_.load(std::memory_order_acquire); }
    // True until the SoundFont has loaded or failed to.
    bool InCaricamento() const noexcept { return !concluso_.load(std::memory_order_acquire); }
    // Waits until the SoundFont is loaded or has failed; true when it is ready.
    bool Attendi(std::chrono::milliseconds limite) const;

private:
    struct CancellaImpostazioni {
        void operator()(fluid_settings_t *p) const { delete_fluid_settings(p); }
    };
    struct CancellaSintetizzatore {
        void operator()(fluid_synth_t *p) const { delete_fluid_synth(p); }
    };
    void Carica(const std::string &soundFont, const std::vector<std::string> &brani);

    std::unique_ptr<fluid_settings_t, CancellaImpostazioni> impostazioni_;
    std::unique_ptr<SoundFontRidotto> ridotto_; // read by the synthesiser until it goes
    std::unique_ptr<fluid_synth_t, CancellaSintetizzatore> synth_;
    std::atomic<fluid_synth_t *> pronto_{nullptr};
    mutable std::mutex mutex_;
    mutable std::condition_variable finito_;
    std::atomic<bool> concluso_{false};
    std::jthread caricatore_; // last: joined before the synthesiser goes
};

} // namespace belvane::media
