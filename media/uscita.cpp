#include "uscita.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

namespace belvane::media {

namespace {

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
    SDL_AudioSpec voluto{};
    voluto.freq = kFrequenza;
    voluto.format = AUDIO_F32SYS;
    voluto.channels = 2;
    voluto.samples = kFramePerBuffer;
    voluto.callback = &Uscita::Richiamo;
    voluto.userdata = this;
    for (const auto &driver : Candidati()) {
        if (!Disponibile(driver))
            continue;
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver.c_str(), SDL_HINT_OVERRIDE);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            continue;
        // SDL converts to whatever the device wants; the mix stays fixed.
        SDL_AudioSpec avuto{};
        dispositivo_ = SDL_OpenAudioDevice(nullptr, 0, &voluto, &avuto, 0);
        if (dispositivo_) {
            driver_ = driver;
            break;
        }
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!dispositivo_)
        return;
    accesso_.Collega(dispositivo_);
    // Unpaused at once, or the first sounds start late.
    SDL_PauseAudioDevice(dispositivo_, 0);
}

Uscita::~Uscita()
{
    if (!dispositivo_)
        return;
    SDL_CloseAudioDevice(dispositivo_);
    accesso_.Collega(0);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Uscita::Richiamo(void *utente, Uint8 *flusso, int byte)
{
    auto *uscita = static_cast<Uscita *>(utente);
    uscita->sorgente_.Riempi(reinterpret_cast<float *>(flusso), byte / static_cast<int>(2 * sizeof(float)));
}

} // namespace belvane::media
