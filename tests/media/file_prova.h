// Small MIDI and wave files made in the tests, a throw-away program folder,
// and the sounds made from them.
#pragma once

#include "suoni.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace prova {

using Byte = std::vector<uint8_t>;

// Appends `v` as `n` bytes, most significant first when `grande`.
inline void Numero(Byte &b, uint32_t v, int n, bool grande = false)
{
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<uint8_t>(v >> 8 * (grande ? n - 1 - i : i)));
}

// One MTrk chunk from raw events (delta times included), with the end marker.
inline Byte Traccia(Byte e)
{
    e.insert(e.end(), {0x00, 0xFF, 0x2F, 0x00});
    Byte b{'M', 'T', 'r', 'k'};
    Numero(b, static_cast<uint32_t>(e.size()), 4, true);
    b.insert(b.end(), e.begin(), e.end());
    return b;
}

inline Byte Smf(uint16_t formato, uint16_t divisione, const std::vector<Byte> &tracce)
{
    Byte b{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    for (uint32_t v : {uint32_t{formato}, static_cast<uint32_t>(tracce.size()), uint32_t{divisione}})
        Numero(b, v, 2, true);
    for (const auto &t : tracce)
        b.insert(b.end(), t.begin(), t.end());
    return b;
}

// A piano tune of `millisecondi` at 120 bpm, 480 ticks a quarter: a note of
// 200 ticks every 250 ms (240 ticks), so it lasts (n - 1) * 250 + 208 ms.
inline Byte MelodiaLunga(uint32_t millisecondi)
{
    Byte e{0x00, 0xC0, 0x00};
    const uint8_t scala[] = {60, 62, 64, 65, 67, 69, 71, 72};
    for (uint32_t t = 0; t < millisecondi; t += 250) {
        const uint8_t tasto = scala[t / 250 % 8];
        e.insert(e.end(), {uint8_t(t ? 40 : 0), 0x90, tasto, 0x64, 0x81, 0x48, 0x80, tasto, 0x40});
    }
    return Smf(0, 480, {Traccia(e)});
}

// 16-bit PCM, samples interleaved; `formato` 1 is plain PCM.
inline Byte Wav(uint16_t canali, uint32_t hz, const std::vector<int16_t> &campioni, uint16_t formato = 1)
{
    const auto dati = static_cast<uint32_t>(campioni.size() * 2);
    Byte b{'R', 'I', 'F', 'F'};
    Numero(b, 36 + dati, 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0});
    Numero(b, formato, 2), Numero(b, canali, 2), Numero(b, hz, 4), Numero(b, hz * canali * 2, 4);
    Numero(b, canali * 2u, 2), Numero(b, 16, 2);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Numero(b, dati, 4);
    for (int16_t c : campioni)
        Numero(b, static_cast<uint16_t>(c), 2);
    return b;
}

inline void Scrivi(const std::filesystem::path &p, const Byte &dati)
{
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char *>(dati.data()), static_cast<std::streamsize>(dati.size()));
}

// A fresh folder laid out like the program's, with an accent in its name; removed at the end.
struct Cartella {
    const std::filesystem::path p = std::filesystem::temp_directory_path() /
        ("belvane-" + std::to_string(getpid()) + "-" + std::to_string([] {
                                        static std::atomic<int> n;
                                        return n++;
                                    }())) /
        "prog dir è";
    Cartella() { std::filesystem::create_directories(p / "Music"); }
    ~Cartella()
    {
        std::error_code e;
        std::filesystem::remove_all(p.parent_path(), e);
    }
    std::string Testo() const { return p.string(); }
    // Writes the three sound files; empty data leaves a file out unless `vuoti`.
    void Metti(const Byte &gioco, const Byte &finale, const Byte &fruscio, bool vuoti = false) const
    {
        for (const auto &[nome, dati] :
             {std::pair{"Music/10carte.mid", &gioco}, {"Music/bump.mid", &finale}, {"carta.wav", &fruscio}})
            if (vuoti || !dati->empty())
                Scrivi(p / nome, *dati);
    }
};

// 0.2 s of noise, no two neighbours alike.
inline std::vector<int16_t> Fruscio()
{
    std::vector<int16_t> c(8820);
    for (uint32_t x = 12345; auto &v : c)
        v = static_cast<int16_t>(static_cast<int>((x = x * 1103515245u + 12345u) >> 16) % 20000 - 10000);
    return c;
}

// A 1958 ms game tune, a 458 ms finale and the noise in a fresh folder, and
// the sounds made from them, mixed offline; the rustle box starts checked and
// the rustle plays unvaried.
class Banco : public ::testing::Test {
protected:
    explicit Banco(const std::string &soundFont = belvane::media::SoundFontPredefinito())
        : suoni{cartella.Testo(), [this] { return rustleOn; }, belvane::media::ModoUscita::FuoriLinea, soundFont,
                [] { return 0.5; }} // the middle of the range: the file as it is
    {
        cartella.Metti(MelodiaLunga(2000), MelodiaLunga(500), Wav(1, 44100, Fruscio()));
        suoni.WaitForSoundFont(std::chrono::seconds(10));
        suoni.OpenSoundDevices();
    }
    std::vector<float> Ascolta(int millisecondi)
    {
        std::vector<float> b(static_cast<std::size_t>(2 * 441 * millisecondi / 10));
        suoni.Render(b.data(), static_cast<int>(b.size() / 2));
        return b;
    }

    Cartella cartella;
    bool rustleOn = true;
    belvane::media::Suoni suoni;
    belvane::media::Lettore &musica = suoni.MMC1();
    belvane::media::Lettore &fruscio = suoni.MMCW();
};

} // namespace prova
