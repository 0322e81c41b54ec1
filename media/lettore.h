// One invisible multimedia player: a file name, command words, a one-shot
// start point, position and length. The window's thread sends commands; the
// audio thread renders through SommaAlMix. Both meet under AccessoAudio.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace belvane::media {

// Serialises the window's thread against the audio callback: SDL holds the
// device lock while it runs the callback. Without a device (offline render)
// everything runs on one thread and the lock does nothing.
// The device may also be closed and opened again while silent; the lock
// holds it open or closed meanwhile.
class AccessoAudio {
public:
    // Called with the lock held.
    void Collega(SDL_AudioDeviceID id) { id_ = id; }
    SDL_AudioDeviceID Dispositivo() const { return id_; }
    // Held while the device is opened or closed; taken by lock() as well.
    std::recursive_mutex &Vita() const { return vita_; }
    void lock() const
    {
        vita_.lock();
        if (id_)
            SDL_LockAudioDevice(id_);
    }
    void unlock() const
    {
        if (id_)
            SDL_UnlockAudioDevice(id_);
        vita_.unlock();
    }

private:
    mutable std::recursive_mutex vita_; // the device's opening and closing
    SDL_AudioDeviceID id_ = 0;
};

enum class Condizione { Chiuso, Fermo, Suona, Pausa };

class Lettore {
public:
    Lettore(std::string tipoDispositivo, AccessoAudio &accesso);
    virtual ~Lettore() = default;
    Lettore(const Lettore &) = delete;
    Lettore &operator=(const Lettore &) = delete;

    // The command words of the control: "Open", "Close", "Play", "Stop",
    // "Pause", in any case. Anything else does nothing.
    void Comando(std::string_view parola);
    // The same commands, typed. One that does not fit the player's condition
    // does nothing.
    void Apri();
    void Chiudi();
    void Avvia(); // plays from the start point, if one is set, or from where it stands
    void Ferma();
    void Pausa();

    void SetFileName(std::string nome) { file_ = std::move(nome); }
    const std::string &FileName() const { return file_; }
    // The position the next "Play" starts from, used once.
    void SetStartPoint(int32_t millisecondi);
    // The two start-up settings of the control; nothing here depends on them.
    void SetOpeningSettings(bool, int32_t) {}

    // Milliseconds. Position equals Length only once playback reached the end.
    int32_t Position() const;
    int32_t Length() const;
    Condizione State() const;
    const std::string &DeviceType() const { return tipo_; }

    // Audio thread, lock held: adds this player's sound to the stereo mix.
    // Never blocks, allocates or touches a file.
    void SommaAlMix(float *stereo, int frames) noexcept;
    // Audio thread, lock held: true when the next SommaAlMix would add nothing
    // until a command changes the condition.
    bool Muto() const noexcept;

protected:
    // Window thread, no lock: reads and checks the file into a staging slot;
    // returns its length in frames, or 0 for a file that cannot be played.
    virtual int64_t Carica(const std::string &file) = 0;
    // Lock held: swaps the staging slot with the data in play.
    virtual void Scambia() noexcept = 0;
    // Window thread, no lock: frees whatever the staging slot now holds.
    virtual void Scarta() noexcept = 0;
    // Lock held: playback jumped to `frame` or stopped; drop sounding notes.
    virtual void Spostato(int64_t frame) noexcept = 0;
    // Audio thread: render frames [da, da + frames) of the file into the mix.
    virtual void Suona(float *stereo, int64_t da, int frames) noexcept = 0;
    // Audio thread: false while what the file needs to sound is still loading
    // (the SoundFont): a playing file is held where it stands, silent.
    virtual bool Caricato() const noexcept { return true; }
    // Audio thread, not playing and not paused: let what still sounds die away.
    virtual void Coda(float *stereo, int frames) noexcept = 0;
    // Audio thread: whether Coda has nothing left to let die away.
    virtual bool CodaFinita() const noexcept { return true; }

private:
    std::string tipo_;
    AccessoAudio &accesso_;
    std::string file_;
    std::optional<int32_t> partenza_;
    // Shared with the audio thread: touched only under the lock.
    Condizione condizione_ = Condizione::Chiuso;
    int64_t posizione_ = 0;
    int64_t lunghezza_ = 0;
};

} // namespace belvane::media
