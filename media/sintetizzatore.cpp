#include "sintetizzatore.h"

#include "brano_midi.h"

namespace belvane::media {

namespace {
void Muto(int, const char *, void *) {}
} // namespace

void SilenziaFluidSynth()
{
    static std::once_flag una;
    std::call_once(una, [] {
        for (int livello = FLUID_PANIC; livello < LAST_LOG_LEVEL; ++livello)
            fluid_set_log_function(livello, Muto, nullptr);
    });
}

Sintetizzatore::Sintetizzatore(std::string soundFont)
{
    SilenziaFluidSynth();
    caricatore_ = std::jthread([this, sf = std::move(soundFont)] { Carica(sf); });
}

Sintetizzatore::~Sintetizzatore()
{
    if (caricatore_.joinable())
        caricatore_.join();
}

void Sintetizzatore::Carica(const std::string &soundFont)
{
    impostazioni_.reset(new_fluid_settings());
    if (impostazioni_) {
        fluid_settings_t *s = impostazioni_.get();
        fluid_settings_setnum(s, "synth.sample-rate", kFrequenza);
        // Played from the audio thread only; samples stay resident so that
        // no note ever reads the SoundFont file while rendering.
        fluid_settings_setint(s, "synth.threadsafe-api", 0);
        fluid_settings_setint(s, "synth.dynamic-sample-loading", 0);
        fluid_settings_setint(s, "synth.lock-memory", 0);
        fluid_settings_setint(s, "synth.chorus.active", 0);
        fluid_settings_setnum(s, "synth.gain", 0.4);
        synth_.reset(new_fluid_synth(s));
        if (synth_ && fluid_synth_sfload(synth_.get(), soundFont.c_str(), 1) != FLUID_FAILED)
            pronto_.store(synth_.get(), std::memory_order_release);
    }
    std::lock_guard guardia(mutex_);
    concluso_ = true;
    finito_.notify_all();
}

bool Sintetizzatore::Attendi(std::chrono::milliseconds limite) const
{
    std::unique_lock guardia(mutex_);
    finito_.wait_for(guardia, limite, [this] { return concluso_; });
    return Pronto() != nullptr;
}

} // namespace belvane::media
