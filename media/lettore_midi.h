// The music player ("sequencer"): walks a parsed tune and plays its events
// on the shared synthesiser, which may become ready only after playback began.
#pragma once

#include "brano_midi.h"
#include "lettore.h"
#include "sintetizzatore.h"

#include <array>
#include <memory>

namespace belvane::media {

class LettoreMidi : public Lettore {
public:
    LettoreMidi(AccessoAudio &accesso, const Sintetizzatore &sintetizzatore);

protected:
    int64_t Carica(const std::string &file) override;
    void Scambia() noexcept override;
    void Scarta() noexcept override;
    void Spostato(int64_t frame) noexcept override;
    void Suona(float *stereo, int64_t da, int frames) noexcept override;
    void Coda(float *stereo, int frames) noexcept override;
    // A tune started while the SoundFont still loads begins once it is there;
    // without a SoundFont it runs silently, so its end is still reached.
    bool Caricato() const noexcept override { return !sintetizzatore_.InCaricamento(); }
    bool CodaFinita() const noexcept override { return codaRestante_ <= 0 || !sintetizzatore_.Strumento(); }

private:
    // Makes the synthesiser match the tune at the cursor: sounds off,
    // controllers and programs as the tune set them before that point.
    void Allinea(fluid_synth_t *synth) noexcept;
    fluid_synth_t *Synth() noexcept;
    void Rendi(fluid_synth_t *synth, float *stereo, int frames) noexcept;

    const Sintetizzatore &sintetizzatore_;
    std::unique_ptr<const Brano> brano_;  // in play
    std::unique_ptr<const Brano> attesa_; // staging
    std::size_t cursore_ = 0;             // next event to send
    bool daAllineare_ = true;
    static constexpr int64_t kCoda = 2 * kFrequenza; // the reverb's tail after the last voice
    int64_t codaRestante_ = 0;
    fluid_synth_t *visto_ = nullptr;        // the synthesiser the audio side last used
    std::array<float, 2 * 512> appoggio_{}; // FluidSynth writes, the mix adds
};

} // namespace belvane::media
