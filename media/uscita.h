// The SDL audio output: one stereo float stream at the mix's rate, fed by a
// Sorgente from SDL's audio thread.
#pragma once

#include "brano_midi.h"
#include "lettore.h"

#include <SDL.h>

#include <string>

namespace belvane::media {

class Sorgente {
public:
    virtual ~Sorgente() = default;
    // Audio thread, device lock held: fill `frames` stereo frames.
    virtual void Riempi(float *stereo, int frames) noexcept = 0;
};

inline constexpr int kFramePerBuffer = 512; // 11.6 ms at 44.1 kHz

class Uscita {
public:
    // Opens the first audio driver that can work here, "dummy" as the last
    // resort so tunes still run in real time; connects `accesso` to it.
    Uscita(Sorgente &sorgente, AccessoAudio &accesso);
    ~Uscita();
    Uscita(const Uscita &) = delete;
    Uscita &operator=(const Uscita &) = delete;

    bool Aperta() const { return dispositivo_ != 0; }
    // The driver in use, empty without a device.
    const std::string &Driver() const { return driver_; }

private:
    static void Richiamo(void *utente, Uint8 *flusso, int byte);

    Sorgente &sorgente_;
    AccessoAudio &accesso_;
    SDL_AudioDeviceID dispositivo_ = 0;
    std::string driver_;
};

} // namespace belvane::media
