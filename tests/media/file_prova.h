// Small MIDI and wave files made in the tests, and a throw-away program folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace prova {

using Byte = std::vector<uint8_t>;

struct Nota {
    uint32_t inizio;  // ticks
    uint32_t durata;
    uint8_t tasto;
};

// One MTrk chunk from raw event bytes (delta times included); adds the end marker.
Byte Traccia(const Byte &eventi, bool fine = true);
// Header plus tracks; division in ticks per quarter note unless given raw.
Byte Smf(uint16_t formato, uint16_t divisione, const std::vector<Byte> &tracce);
// A format-0 tune at 120 bpm, 480 ticks a quarter, piano on channel 0.
Byte Melodia(const std::vector<Nota> &note);
// A tune of `millisecondi`, a note every 250 ms.
Byte MelodiaLunga(uint32_t millisecondi);

// 16-bit PCM; `campioni` interleaved per channel.
Byte Wav(uint16_t canali, uint32_t frequenza, const std::vector<int16_t> &campioni, uint16_t formato = 1,
         uint16_t bit = 16);

void Scrivi(const std::filesystem::path &p, const Byte &dati);

// A fresh folder laid out like the program's, removed at the end.
class Cartella {
public:
    explicit Cartella(const std::string &nome = "prog dir è");
    ~Cartella();
    Cartella(const Cartella &) = delete;
    Cartella &operator=(const Cartella &) = delete;
    const std::filesystem::path &Percorso() const { return p_; }
    std::string Testo() const { return p_.string(); }
    // Writes the three sound files; empty data leaves a file out.
    void Metti(const Byte &gioco, const Byte &finale, const Byte &fruscio);

private:
    std::filesystem::path p_;
};

} // namespace prova
