// The SDL audio output: one stereo float stream at the mix's rate, fed by a
// Sorgente from SDL's audio thread.
//
// The sound layer's threads:
// - the window's thread sends the players' commands (lettore.h) and wakes the
//   device (Sveglia);
// - SDL's audio thread, SDL's own, opened and closed here: Richiamo fills
//   the buffer from the Sorgente with SDL's device lock held by SDL; it never
//   blocks, allocates or reads a file, and tells the guard of silence only
//   through the atomic `silenzio_`;
// - the guard (`guardia_`, owned here, joined first by the destructor) waits
//   on `silenzio_`, then `kGrazia`, and closes a device that stayed silent;
// - the SoundFont's loader (sintetizzatore.h), owned by the synthesiser.
// Lock order: AccessoAudio::Vita(), then SDL's device lock, then
// `chiusuraMutex_`; nothing takes them the other way round, the audio thread
// takes none of its own, and the loader's mutex is taken alone.
#pragma once

#include "brano_midi.h"
#include "lettore.h"

#include <SDL.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace belvane::media {

class Sorgente {
public:
    virtual ~Sorgente() = default;
    // Audio thread, device lock held: fill `frames` stereo frames.
    virtual void Riempi(float *stereo, int frames) noexcept = 0;
    // Audio thread, device lock held: nothing will sound until a command
    // from the window's thread starts something.
    virtual bool Silenziosa() const noexcept = 0;
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

    // Whether a driver could be opened at all.
    bool Aperta() const { return !driver_.empty(); }
    // The driver in use, empty without a device.
    const std::string &Driver() const { return driver_; }
    // Whether the device runs now: it is closed while the source is silent,
    // since even a paused SDL device wakes its thread every buffer.
    bool Attiva() const;
    // Window's thread: opens the device again if it was closed for silence.
    // Called after every command that may start a sound.
    void Sveglia();

private:
    static void Richiamo(void *utente, Uint8 *flusso, int byte);
    bool ApriDispositivo(bool primo);
    void Guardia();

    Sorgente &sorgente_;
    AccessoAudio &accesso_;
    SDL_AudioDeviceID dispositivo_ = 0; // under accesso_.Vita()
    std::string driver_;
    bool segnalato_ = false;       // audio thread, or under the device lock: silence already told
    std::atomic<int> silenzio_{0}; // the callback's word to the guard
    std::atomic<bool> fine_{false};
    std::mutex chiusuraMutex_;
    std::condition_variable chiusa_;
    bool chiudendo_ = false; // the guard is closing a device, outside the lock
    std::jthread guardia_;   // closes the device once silent; joined first
};

} // namespace belvane::media
