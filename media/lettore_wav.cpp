#include "lettore_wav.h"

#include "brano_midi.h"
#include "cartella.h"
#include "diagnostica.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

namespace belvane::media {

namespace {

// The converted sound may take this much memory; the file a quarter of it.
constexpr int kConvertitoMassimo = 1 << 28;

uint32_t Le32(const uint8_t *p)
{
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// SDL allocates what a chunk header claims before it reads the chunk, so a
// few bytes claiming 4 GiB would take 4 GiB. Each chunk is cut to what the
// file holds, which is all SDL would read of it anyway.
void AccorciaBlocchi(std::vector<uint8_t> &wav)
{
    // SDL also takes a file that starts at the WAVE tag, without its RIFF header.
    std::size_t pos = 0;
    if (wav.size() >= 12 && !std::memcmp(wav.data(), "RIFF", 4) && !std::memcmp(wav.data() + 8, "WAVE", 4))
        pos = 12;
    else if (wav.size() >= 4 && !std::memcmp(wav.data(), "WAVE", 4))
        pos = 4;
    else
        return;
    while (pos + 8 <= wav.size()) {
        uint8_t *lunghezza = wav.data() + pos + 4;
        uint64_t lung = Le32(lunghezza);
        if (lung > wav.size() - pos - 8) {
            lung = wav.size() - pos - 8;
            for (int i = 0; i < 4; ++i)
                lunghezza[i] = static_cast<uint8_t>(lung >> 8 * i);
        }
        pos += 8 + lung + (lung & 1);
    }
}

std::vector<float> Rifiuta(const std::string &percorso, std::string_view perche)
{
    Diagnostica(percorso + ": " + std::string(perche) + "; the card sound stays silent");
    return {};
}

} // namespace

std::vector<float> CaricaWav(const std::string &percorso)
{
    const auto dati = LeggiFile(percorso, kConvertitoMassimo / 4);
    return dati ? DecodificaWav(*dati, percorso) : Rifiuta(percorso, "missing, unreadable or too large");
}

std::vector<float> DecodificaWav(std::span<const uint8_t> file, const std::string &percorso)
{
    std::vector<uint8_t> copia(file.begin(), file.end());
    AccorciaBlocchi(copia);
    SDL_RWops *rw = SDL_RWFromConstMem(copia.data(), static_cast<int>(copia.size()));
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
    if (dimensione <= 0 || cvt.len_mult <= 0 || dimensione > kConvertitoMassimo / cvt.len_mult)
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
    if (campioni.empty())
        return Rifiuta(percorso, "shorter than one frame");
    std::memcpy(campioni.data(), buffer.data(), campioni.size() * sizeof(float));
    return campioni;
}

Caso CasoDiSistema()
{
    auto motore = std::make_shared<std::mt19937>(std::random_device{}());
    return [motore] { return std::uniform_real_distribution<double>(0.0, 1.0)(*motore); };
}

std::vector<float> Variazione(const std::vector<float> &campioni, double altezza, double livelloDb)
{
    const std::size_t frame = campioni.size() / 2;
    const auto guadagno = static_cast<float>(std::pow(10.0, livelloDb / 20.0));
    std::vector<float> fuori(2 * frame, 0.0f);
    for (std::size_t i = 0; i < frame; ++i) {
        const double x = static_cast<double>(i) * altezza;
        const auto j = static_cast<std::size_t>(x);
        if (j + 1 >= frame)
            break;
        const auto f = static_cast<float>(x - static_cast<double>(j));
        for (std::size_t c = 0; c < 2; ++c)
            fuori[2 * i + c] = guadagno * ((1.0f - f) * campioni[2 * j + c] + f * campioni[2 * j + 2 + c]);
    }
    if (altezza < 1.0) {
        const std::size_t sfumatura = std::min<std::size_t>(frame, kFrequenza / 500); // 2 ms
        for (std::size_t i = 0; i < sfumatura; ++i)
            for (std::size_t c = 0; c < 2; ++c)
                fuori[2 * (frame - 1 - i) + c] *= static_cast<float>(i) / static_cast<float>(sfumatura);
    }
    return fuori;
}

LettoreWav::LettoreWav(AccessoAudio &accesso, Caso caso) : Lettore("WaveAudio", accesso), caso_(std::move(caso))
{
    if (!caso_)
        caso_ = [] { return 0.5; }; // no source, no variation
}

int LettoreWav::Estrai(int quante) noexcept { return std::clamp(static_cast<int>(caso_() * quante), 0, quante - 1); }

int64_t LettoreWav::Carica(const std::string &file)
{
    const auto campioni = CaricaWav(file);
    if (campioni.empty())
        return 0;
    auto variazioni = std::make_unique<Variazioni>();
    for (int i = 0; i < kVariazioni; ++i) {
        const double altezza = 1.0 + kVariazioneAltezza * (2.0 * caso_() - 1.0);
        const double livello = kVariazioneLivelloDb * (2.0 * caso_() - 1.0);
        variazioni->push_back(Variazione(campioni, altezza, livello));
    }
    attesa_ = std::move(variazioni);
    return static_cast<int64_t>(campioni.size() / 2);
}

void LettoreWav::Scambia() noexcept { std::swap(suono_, attesa_); }

void LettoreWav::Scarta() noexcept { attesa_.reset(); }

void LettoreWav::Spostato(int64_t) noexcept
{
    // Never the same one twice in a row.
    scelta_ = (scelta_ + 1 + Estrai(kVariazioni - 1)) % kVariazioni;
}

void LettoreWav::Suona(float *stereo, int64_t da, int frames) noexcept
{
    const float *sorgente = (*suono_)[static_cast<std::size_t>(scelta_)].data() + 2 * da;
    for (int i = 0; i < 2 * frames; ++i)
        stereo[i] += sorgente[i];
}

} // namespace belvane::media
