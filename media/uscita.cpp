#include "uscita.h"

#include "diagnostica.h"

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

namespace belvane::media {

namespace {

constexpr std::chrono::milliseconds kGrazia{400}; // silence this long closes the device

bool Esiste(const std::filesystem::path &p)
{
    std::error_code e;
    return std::filesystem::exists(p, e);
}

bool SchedaAlsa()
{
    std::error_code e;
    for (const auto &voce : std::filesystem::directory_iterator("/dev/snd", e))
        if (voce.path().filename().string().starts_with("pcm"))
            return true;
    return false;
}

std::filesystem::path CartellaUtente()
{
    const char *d = std::getenv("XDG_RUNTIME_DIR");
    return d ? d : "";
}

// A back end is tried only where its server or card is there: without one,
// SDL's ALSA back end prints to stderr while it fails.
bool Disponibile(std::string_view driver)
{
    if (driver == "dummy" || driver == "disk")
        return true;
    if (driver == "pipewire")
        return !CartellaUtente().empty() && Esiste(CartellaUtente() / "pipewire-0");
    if (driver == "pulseaudio")
        return std::getenv("PULSE_SERVER") || (!CartellaUtente().empty() && Esiste(CartellaUtente() / "pulse/native"));
    if (driver == "alsa")
        return SchedaAlsa();
    return false;
}

std::vector<std::string> Candidati()
{
    std::vector<std::string> driver;
    if (const char *scelto = std::getenv("SDL_AUDIODRIVER"); scelto && *scelto)
        driver.emplace_back(scelto);
    for (const char *d : {"pipewire", "pulseaudio", "alsa"})
        driver.emplace_back(d);
    driver.emplace_back("dummy");
    return driver;
}

} // namespace

Uscita::Uscita(Sorgente &sorgente, AccessoAudio &accesso) : sorgente_(sorgente), accesso_(accesso)
{
    // SDL would otherwise take SIGINT and SIGTERM from the window's toolkit.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_APP_NAME, "Belvane");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Belvane");
    std::lock_guard vita(accesso_.Vita());
    for (const auto &driver : Candidati()) {
        if (!Disponibile(driver))
            continue;
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver.c_str(), SDL_HINT_OVERRIDE);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            continue;
        if (ApriDispositivo(true)) {
            driver_ = driver;
            break;
        }
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (dispositivo_)
        guardia_ = std::jthread([this] { Guardia(); });
}

Uscita::~Uscita()
{
    if (guardia_.joinable()) {
        {
            std::lock_guard attesa(chiusuraMutex_);
            fine_ = true;
        }
        chiusa_.notify_all();
        silenzio_ = 1;
        silenzio_.notify_one();
        guardia_.join();
    }
    if (driver_.empty())
        return;
    std::lock_guard vita(accesso_.Vita());
    if (dispositivo_)
        SDL_CloseAudioDevice(dispositivo_);
    dispositivo_ = 0;
    accesso_.Collega(0);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Vita held, device closed.
bool Uscita::ApriDispositivo(bool primo)
{
    SDL_AudioSpec voluto{};
    voluto.freq = kFrequenza;
    voluto.format = AUDIO_F32SYS;
    voluto.channels = 2;
    voluto.samples = kFramePerBuffer;
    voluto.callback = &Uscita::Richiamo;
    voluto.userdata = this;
    // SDL converts to whatever the device wants; the mix stays fixed.
    SDL_AudioSpec avuto{};
    dispositivo_ = SDL_OpenAudioDevice(nullptr, 0, &voluto, &avuto, 0);
    if (!dispositivo_)
        return false;
    // The device found at start-up stays open until a first sound has played
    // and ended, so the start does not close it only to open it again.
    segnalato_ = primo;
    accesso_.Collega(dispositivo_);
    // Unpaused at once, or the first sounds start late.
    SDL_PauseAudioDevice(dispositivo_, 0);
    return true;
}

bool Uscita::Attiva() const
{
    std::lock_guard vita(accesso_.Vita());
    return dispositivo_ != 0;
}

void Uscita::Sveglia()
{
    std::lock_guard vita(accesso_.Vita());
    if (driver_.empty())
        return;
    if (dispositivo_) {
        // Open since start-up: from now on it may close once silent.
        SDL_LockAudioDevice(dispositivo_);
        segnalato_ = false;
        SDL_UnlockAudioDevice(dispositivo_);
        return;
    }
    if (ApriDispositivo(false))
        return;
    // Drivers with a single device (SDL's dummy one) open it again only
    // once the old one has closed.
    {
        std::unique_lock chiusura(chiusuraMutex_);
        chiusa_.wait(chiusura, [this] { return !chiudendo_; });
    }
    if (!ApriDispositivo(false))
        Diagnostica("the audio device (" + driver_ + ") cannot be opened again; sounds stay silent");
}

void Uscita::Guardia()
{
    for (;;) {
        silenzio_.wait(0);
        silenzio_ = 0;
        {
            // A moment's grace: clicks in a row keep the device open.
            std::unique_lock attesa(chiusuraMutex_);
            chiusa_.wait_for(attesa, kGrazia, [this] { return fine_.load(); });
        }
        if (fine_)
            return;
        SDL_AudioDeviceID chiuso = 0;
        {
            std::lock_guard vita(accesso_.Vita());
            if (!dispositivo_)
                continue;
            // Checked again under the device lock: a command may have started
            // a sound since the callback spoke. Paused there, the callback
            // never runs again, so a new device may open at once.
            SDL_LockAudioDevice(dispositivo_);
            const bool muta = sorgente_.Silenziosa();
            if (muta)
                SDL_PauseAudioDevice(dispositivo_, 1);
            else
                segnalato_ = false;
            SDL_UnlockAudioDevice(dispositivo_);
            if (!muta)
                continue;
            chiuso = std::exchange(dispositivo_, 0);
            accesso_.Collega(0);
            std::lock_guard chiusura(chiusuraMutex_);
            chiudendo_ = true;
        }
        // SDL lets a closing device drain two buffers (about 25 ms): done
        // outside the lock, so that no command and no rustle waits for it.
        SDL_CloseAudioDevice(chiuso);
        std::lock_guard chiusura(chiusuraMutex_);
        chiudendo_ = false;
        chiusa_.notify_all();
    }
}

void Uscita::Richiamo(void *utente, Uint8 *flusso, int byte)
{
    auto *uscita = static_cast<Uscita *>(utente);
    uscita->sorgente_.Riempi(reinterpret_cast<float *>(flusso), byte / static_cast<int>(2 * sizeof(float)));
    if (!uscita->segnalato_ && uscita->sorgente_.Silenziosa()) {
        uscita->segnalato_ = true;
        uscita->silenzio_ = 1;
        uscita->silenzio_.notify_one();
    }
}

} // namespace belvane::media
