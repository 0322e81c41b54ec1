// A Standard MIDI File read into one flat list of channel events, timed in
// output frames, so the audio thread only walks an array.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace belvane::media {

inline constexpr int kFrequenza = 44100; // the mix's fixed rate, frames per second

struct EventoMidi {
    int64_t frame = 0; // from the start of the tune
    uint8_t stato = 0; // status byte 0x80..0xEF, channel in the low nibble
    uint8_t dato1 = 0;
    uint8_t dato2 = 0;
};

struct Brano {
    std::vector<EventoMidi> eventi; // ordered by frame
    int64_t lunghezza = 0;          // frames up to the last event of any track
};

// Corrupt files may claim absurd lengths; nothing past this is played.
inline constexpr int64_t kDurataMassima = int64_t{kFrequenza} * 60 * 60;

// Nothing when the bytes are not a complete MIDI file with a length.
std::optional<Brano> LeggiBrano(std::span<const uint8_t> dati);
std::optional<Brano> CaricaBrano(const std::string &percorso);

} // namespace belvane::media
