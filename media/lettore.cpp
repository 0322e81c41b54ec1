#include "lettore.h"

#include "brano_midi.h"

#include <algorithm>
#include <cctype>
#include <mutex>
#include <utility>

namespace belvane::media {

namespace {

bool Uguale(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

int32_t Millisecondi(int64_t frame) { return static_cast<int32_t>(frame * 1000 / kFrequenza); }

} // namespace

Lettore::Lettore(std::string tipoDispositivo, AccessoAudio &accesso)
    : tipo_(std::move(tipoDispositivo)), accesso_(accesso)
{
}

void Lettore::Comando(std::string_view parola)
{
    if (Uguale(parola, "open"))
        Apri();
    else if (Uguale(parola, "close"))
        Chiudi();
    else if (Uguale(parola, "play"))
        Avvia();
    else if (Uguale(parola, "stop"))
        Ferma();
    else if (Uguale(parola, "pause"))
        Pausa();
}

void Lettore::SetStartPoint(int32_t millisecondi) { partenza_ = millisecondi; }

int32_t Lettore::Position() const
{
    std::lock_guard guardia(accesso_);
    if (posizione_ >= lunghezza_)
        return Millisecondi(lunghezza_);
    // Rounding must not make a tune look ended while it still plays.
    return std::min(Millisecondi(posizione_), Millisecondi(lunghezza_) - 1);
}

int32_t Lettore::Length() const
{
    std::lock_guard guardia(accesso_);
    return Millisecondi(lunghezza_);
}

Condizione Lettore::State() const
{
    std::lock_guard guardia(accesso_);
    return condizione_;
}

void Lettore::Apri()
{
    {
        std::lock_guard guardia(accesso_);
        if (condizione_ != Condizione::Chiuso)
            return;
    }
    const int64_t lunghezza = Carica(file_);
    if (lunghezza <= 0 || Millisecondi(lunghezza) <= 0) {
        Scarta();
        return;
    }
    {
        std::lock_guard guardia(accesso_);
        Scambia();
        lunghezza_ = lunghezza;
        posizione_ = 0;
        condizione_ = Condizione::Fermo;
        Spostato(0);
    }
    Scarta();
}

void Lettore::Chiudi()
{
    {
        std::lock_guard guardia(accesso_);
        if (condizione_ == Condizione::Chiuso)
            return;
        Spostato(0);
        Scambia(); // the staging slot is empty, so this takes the data out of play
        condizione_ = Condizione::Chiuso;
        posizione_ = lunghezza_ = 0;
    }
    Scarta();
}

void Lettore::Avvia()
{
    const auto partenza = std::exchange(partenza_, std::nullopt);
    std::lock_guard guardia(accesso_);
    if (condizione_ == Condizione::Chiuso)
        return;
    if (partenza) {
        const int64_t frame = int64_t{*partenza} * kFrequenza / 1000;
        if (frame < 0 || frame > lunghezza_)
            return; // a start point outside the file is refused, as a seek past the end is
        posizione_ = frame;
        Spostato(frame);
    }
    condizione_ = posizione_ < lunghezza_ ? Condizione::Suona : Condizione::Fermo;
}

void Lettore::Ferma()
{
    std::lock_guard guardia(accesso_);
    if (condizione_ != Condizione::Suona && condizione_ != Condizione::Pausa)
        return;
    condizione_ = Condizione::Fermo;
    Spostato(posizione_);
}

void Lettore::Pausa()
{
    std::lock_guard guardia(accesso_);
    if (condizione_ == Condizione::Suona)
        condizione_ = Condizione::Pausa;
}

bool Lettore::Muto() const noexcept
{
    // A paused file is frozen, tail and all; a playing one waiting for its
    // synthesiser will sound.
    return condizione_ == Condizione::Pausa || (condizione_ != Condizione::Suona && CodaFinita());
}

void Lettore::SommaAlMix(float *stereo, int frames) noexcept
{
    if (condizione_ == Condizione::Pausa || (condizione_ == Condizione::Suona && !Caricato()))
        return; // frozen: nothing rendered, nothing advances
    int fatti = 0;
    if (condizione_ == Condizione::Suona) {
        fatti = static_cast<int>(std::min<int64_t>(frames, lunghezza_ - posizione_));
        Suona(stereo, posizione_, fatti);
        posizione_ += fatti;
        if (posizione_ >= lunghezza_)
            condizione_ = Condizione::Fermo; // the end: silent, position == length
    }
    if (fatti < frames)
        Coda(stereo + 2 * fatti, frames - fatti);
}

} // namespace belvane::media
