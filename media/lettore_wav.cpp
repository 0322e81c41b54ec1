#include "lettore_wav.h"

#include "brano_midi.h"
#include "diagnostica.h"

#include <cstring>

namespace belvane::media {

namespace {
std::vector<float> Rifiuta(const std::string &percorso, std::string_view perche)
{
    Diagnostica(percorso + ": " + std::string(perche) + "; the card sound stays silent");
    return {};
}
} // namespace

std::vector<float> CaricaWav(const std::string &percorso)
{
    SDL_RWops *rw = SDL_RWFromFile(percorso.c_str(), "rb");
    if (!rw)
        return Rifiuta(percorso, SDL_GetError());
    SDL_AudioSpec formato{};
    Uint8 *dati = nullptr;
    Uint32 byte = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &formato, &dati, &byte))
        return Rifiuta(percorso, std::string("not a wave file SDL can read: ") + SDL_GetError());
    std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> wav(dati, &SDL_FreeWAV);

    // SDL_AudioCVT converts exactly; the stream converter loses the tail.
    SDL_AudioCVT cvt{};
    if (SDL_BuildAudioCVT(&cvt, formato.format, formato.channels, formato.freq, AUDIO_F32SYS, 2, kFrequenza) < 0)
        return Rifiuta(percorso, std::string("its format cannot be converted: ") + SDL_GetError());
    const int dimensione = static_cast<int>(byte);
    if (dimensione <= 0 || cvt.len_mult <= 0 || dimensione > (1 << 28) / cvt.len_mult)
        return Rifiuta(percorso, "no sound in it, or too long");
    std::vector<Uint8> buffer(static_cast<std::size_t>(dimensione) * static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(buffer.data(), wav.get(), byte);
    cvt.buf = buffer.data();
    cvt.len = dimensione;
    int convertiti = dimensione;
    if (cvt.needed) {
        if (SDL_ConvertAudio(&cvt) < 0)
            return Rifiuta(percorso, std::string("conversion failed: ") + SDL_GetError());
        convertiti = cvt.len_cvt;
    }
    std::vector<float> campioni(static_cast<std::size_t>(convertiti) / (2 * sizeof(float)) * 2);
    std::memcpy(campioni.data(), buffer.data(), campioni.size() * sizeof(float));
    return campioni;
}

LettoreWav::LettoreWav(AccessoAudio &accesso) : Lettore("WaveAudio", accesso) {}

int64_t LettoreWav::Prepara(const std::string &file)
{
    auto campioni = CaricaWav(file);
    if (campioni.empty())
        return 0;
    attesa_ = std::make_unique<const Campioni>(std::move(campioni));
    return static_cast<int64_t>(attesa_->size() / 2);
}

void LettoreWav::Scambia() noexcept { std::swap(suono_, attesa_); }

void LettoreWav::Scarta() noexcept { attesa_.reset(); }

void LettoreWav::Suona(float *stereo, int64_t da, int frames) noexcept
{
    const float *sorgente = suono_->data() + 2 * da;
    for (int i = 0; i < 2 * frames; ++i)
        stereo[i] += sorgente[i];
}

} // namespace belvane::media
