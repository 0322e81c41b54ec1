#include "suoni.h"

#include "cartella.h"
#include "suoni_programma.h"

#include <algorithm>
#include <mutex>

namespace belvane::media {

namespace {
constexpr const char *kGameTune = "/Music/10carte.mid";
constexpr const char *kFinaleTune = "/Music/bump.mid";
constexpr const char *kRustle = "/carta.wav";
} // namespace

Suoni::Suoni(std::string cartella, std::function<bool()> cardRustleChecked, ModoUscita modo, std::string soundFont,
             Caso casoFruscio)
    : cartella_(std::move(cartella)), rustle_(std::move(cardRustleChecked)),
      sintetizzatore_(std::move(soundFont), {cartella_ + kGameTune, cartella_ + kFinaleTune}),
      mmc1_(accesso_, sintetizzatore_), mmcw_(accesso_, std::move(casoFruscio))
{
    if (modo == ModoUscita::Dispositivo)
        uscita_ = std::make_unique<Uscita>(static_cast<Sorgente &>(*this), accesso_);
}

Suoni::~Suoni() { uscita_.reset(); }

void Suoni::OpenSoundDevices()
{
    const auto apri = [this](Lettore &lettore, const char *file) {
        lettore.SetOpeningSettings(true, 0);
        lettore.Chiudi();
        lettore.SetFileName(cartella_ + file);
        lettore.Apri();
    };
    apri(mmc1_, kGameTune);
    apri(mmcw_, kRustle);
}

void Suoni::Sveglia()
{
    if (uscita_)
        uscita_->Sveglia();
}

void Suoni::StartMusic()
{
    mmc1_.Avvia();
    Sveglia();
}

void Suoni::RestartMusicAtEnd()
{
    const int32_t posizione = mmc1_.Position();
    const int32_t lunghezza = mmc1_.Length();
    if (posizione == lunghezza) {
        mmc1_.SetStartPoint(0);
        mmc1_.Avvia();
        Sveglia();
    }
}

void Suoni::PlayFinaleTune()
{
    mmc1_.Ferma();
    mmc1_.Chiudi();
    mmc1_.SetFileName(cartella_ + kFinaleTune);
    mmc1_.Apri();
    mmc1_.SetStartPoint(0);
    mmc1_.Avvia();
    Sveglia();
}

void Suoni::ReloadGameTune()
{
    mmc1_.Chiudi();
    mmc1_.SetFileName(cartella_ + kGameTune);
    mmc1_.SetStartPoint(0);
    mmc1_.Apri();
    // The control is never shown, so hiding it again changes nothing.
}

void Suoni::PlayCardRustle()
{
    if (!rustle_ || !rustle_())
        return;
    mmcw_.Avvia();
    Sveglia();
    mmcw_.SetStartPoint(0); // pending, so the next rustle starts from the beginning
}

void Suoni::PauseMusic() { mmc1_.Pausa(); }

void Suoni::ResumeMusic()
{
    mmc1_.Avvia();
    Sveglia();
}

void Suoni::CloseMusic() { mmc1_.Chiudi(); }

void Suoni::Render(float *stereo, int frames)
{
    std::lock_guard guardia(accesso_);
    while (frames > 0) {
        const int n = std::min(frames, kFramePerBuffer);
        Riempi(stereo, n);
        stereo += 2 * n;
        frames -= n;
    }
}

void Suoni::SetMonitor(std::function<void(const float *, int)> monitor)
{
    std::lock_guard guardia(accesso_);
    monitor_ = std::move(monitor);
}

void Suoni::Riempi(float *stereo, int frames) noexcept
{
    std::fill(stereo, stereo + 2 * frames, 0.0f);
    mmc1_.SommaAlMix(stereo, frames);
    mmcw_.SommaAlMix(stereo, frames);
    for (int i = 0; i < 2 * frames; ++i)
        stereo[i] = std::clamp(stereo[i], -1.0f, 1.0f);
    if (monitor_)
        monitor_(stereo, frames);
}

std::unique_ptr<Suono> SuoniDelProgramma(std::function<bool()> cardRustleChecked)
{
    return std::make_unique<Suoni>(CartellaProgramma(), std::move(cardRustleChecked), ModoUscita::Dispositivo);
}

} // namespace belvane::media
