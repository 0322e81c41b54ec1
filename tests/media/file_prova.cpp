#include "file_prova.h"

#include <atomic>
#include <fstream>
#include <map>
#include <unistd.h>

namespace prova {

namespace {

void Vlq(Byte &b, uint32_t v)
{
    uint8_t pezzi[5];
    int n = 0;
    do {
        pezzi[n++] = v & 0x7F;
        v >>= 7;
    } while (v);
    while (n--)
        b.push_back(static_cast<uint8_t>(pezzi[n] | (n ? 0x80 : 0)));
}

void Be(Byte &b, uint32_t v, int byte)
{
    for (int i = byte - 1; i >= 0; --i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void Le(Byte &b, uint32_t v, int byte)
{
    for (int i = 0; i < byte; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

} // namespace

Byte Traccia(const Byte &eventi, bool fine)
{
    Byte corpo = eventi;
    if (fine)
        corpo.insert(corpo.end(), {0x00, 0xFF, 0x2F, 0x00});
    Byte b{'M', 'T', 'r', 'k'};
    Be(b, static_cast<uint32_t>(corpo.size()), 4);
    b.insert(b.end(), corpo.begin(), corpo.end());
    return b;
}

Byte Smf(uint16_t formato, uint16_t divisione, const std::vector<Byte> &tracce)
{
    Byte b{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    Be(b, formato, 2);
    Be(b, static_cast<uint32_t>(tracce.size()), 2);
    Be(b, divisione, 2);
    for (const auto &t : tracce)
        b.insert(b.end(), t.begin(), t.end());
    return b;
}

Byte Melodia(const std::vector<Nota> &note)
{
    std::multimap<uint32_t, Byte> eventi;
    for (const auto &n : note) {
        eventi.emplace(n.inizio + n.durata, Byte{0x80, n.tasto, 0x40});
        eventi.emplace(n.inizio, Byte{0x90, n.tasto, 0x64});
    }
    Byte e{0x00, 0xC0, 0x00};
    uint32_t ora = 0;
    for (const auto &[tick, msg] : eventi) {
        Vlq(e, tick - ora);
        ora = tick;
        e.insert(e.end(), msg.begin(), msg.end());
    }
    return Smf(0, 480, {Traccia(e)});
}

Byte MelodiaLunga(uint32_t millisecondi)
{
    // 120 bpm at 480 ticks a quarter: 240 ticks are 250 ms.
    std::vector<Nota> note;
    const uint8_t scala[] = {60, 62, 64, 65, 67, 69, 71, 72};
    for (uint32_t t = 0, i = 0; t < millisecondi; t += 250, ++i)
        note.push_back({t * 240 / 250, 200, scala[i % 8]});
    return Melodia(note);
}

Byte Wav(uint16_t canali, uint32_t frequenza, const std::vector<int16_t> &campioni, uint16_t formato, uint16_t bit)
{
    const uint32_t dati = static_cast<uint32_t>(campioni.size() * 2);
    Byte b{'R', 'I', 'F', 'F'};
    Le(b, 36 + dati, 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Le(b, 16, 4);
    Le(b, formato, 2);
    Le(b, canali, 2);
    Le(b, frequenza, 4);
    Le(b, frequenza * canali * bit / 8, 4);
    Le(b, static_cast<uint32_t>(canali * bit / 8), 2);
    Le(b, bit, 2);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Le(b, dati, 4);
    for (int16_t c : campioni)
        Le(b, static_cast<uint16_t>(c), 2);
    return b;
}

void Scrivi(const std::filesystem::path &p, const Byte &dati)
{
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char *>(dati.data()), static_cast<std::streamsize>(dati.size()));
}

Cartella::Cartella(const std::string &nome)
{
    static std::atomic<int> contatore{0};
    p_ = std::filesystem::temp_directory_path() /
         ("belvane-" + std::to_string(getpid()) + "-" + std::to_string(contatore++)) / nome;
    std::filesystem::create_directories(p_ / "Music");
}

Cartella::~Cartella()
{
    std::error_code e;
    std::filesystem::remove_all(p_.parent_path(), e);
}

void Cartella::Metti(const Byte &gioco, const Byte &finale, const Byte &fruscio)
{
    if (!gioco.empty())
        Scrivi(p_ / "Music" / "10carte.mid", gioco);
    if (!finale.empty())
        Scrivi(p_ / "Music" / "bump.mid", finale);
    if (!fruscio.empty())
        Scrivi(p_ / "carta.wav", fruscio);
}

} // namespace prova
