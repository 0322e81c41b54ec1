// The window's two sound players and the nine operations through which the
// game makes every sound.
#pragma once

#include "lettore_midi.h"
#include "lettore_wav.h"
#include "sintetizzatore.h"
#include "suono.h"
#include "uscita.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace belvane::media {

enum class ModoUscita {
    Dispositivo, // the system's audio output (SDL's dummy driver when there is none)
    FuoriLinea,  // no device: the mix is produced only by Render
};

class Suoni final : public Suono, private Sorgente {
public:
    // Returns at once: the SoundFont loads in the background and the music
    // becomes audible as soon as it is ready. `casoFruscio` varies the rustle.
    Suoni(std::string cartella, std::function<bool()> cardRustleChecked, ModoUscita modo,
          std::string soundFont = SoundFontPredefinito(), Caso casoFruscio = CasoDiSistema());
    ~Suoni() override;
    Suoni(const Suoni &) = delete;
    Suoni &operator=(const Suoni &) = delete;

    void OpenSoundDevices() override;
    void StartMusic() override;
    void RestartMusicAtEnd() override;
    void PlayFinaleTune() override;
    void ReloadGameTune() override;
    void PlayCardRustle() override;
    void PauseMusic() override;
    void ResumeMusic() override;
    void CloseMusic() override;

    LettoreMidi &MMC1() { return mmc1_; }
    LettoreWav &MMCW() { return mmcw_; }

    // Renders the next `frames` stereo frames of the mix (interleaved float,
    // 44.1 kHz) on the caller's thread, as the device would.
    void Render(float *stereo, int frames);
    // Called on the audio thread with every finished buffer; never blocks there.
    void SetMonitor(std::function<void(const float *stereo, int frames)> monitor);
    bool WaitForSoundFont(std::chrono::milliseconds limit) const { return sintetizzatore_.Attendi(limit); }
    // The audio driver in use; empty offline or without any device.
    std::string Driver() const { return uscita_ ? uscita_->Driver() : std::string{}; }
    // Whether the output device runs now; it is closed while nothing sounds.
    bool DeviceRunning() const { return uscita_ && uscita_->Attiva(); }

private:
    void Riempi(float *stereo, int frames) noexcept override;
    bool Silenziosa() const noexcept override { return mmc1_.Muto() && mmcw_.Muto(); }
    void Sveglia();

    std::string cartella_;
    std::function<bool()> rustle_;
    AccessoAudio accesso_;
    Sintetizzatore sintetizzatore_;
    LettoreMidi mmc1_;
    LettoreWav mmcw_;
    std::function<void(const float *, int)> monitor_;
    std::unique_ptr<Uscita> uscita_; // last: closed first, while the players still exist
};

} // namespace belvane::media
