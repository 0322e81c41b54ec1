#pragma once
// The small folk band both tunes are played by, and its accompaniment
// patterns in 6/8: one track per General MIDI channel.
#include "midi_file.h"
#include "score.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace belvane::sound {

inline constexpr std::uint16_t kTicksPerQuarter = 480;
inline constexpr Grid kSixEight{240, 6}; // one step is an eighth note

// Channels; the programs (0-based) are set by the Band's constructor.
inline constexpr std::uint8_t kGuitar = 0;    // 24 nylon guitar: the plucked lead
inline constexpr std::uint8_t kFlute = 1;     // 73 flute
inline constexpr std::uint8_t kAccordion = 2; // 21 accordion
inline constexpr std::uint8_t kBass = 3;      // 32 acoustic bass
inline constexpr std::uint8_t kHarp = 4;      // 46 orchestral harp
inline constexpr std::uint8_t kDrums = 9;     // percussion: tambourine only

enum class Accompaniment {
    Tarantella, // bass on each beat, two short accordion chords after it
    Arpeggio,   // rolling harp over held accordion and bass
    Closing,    // one rolled, held final chord
};
enum class Tambourine { Off, Light, Full };

class Band {
public:
    Band();

    MidiTrack &track(std::uint8_t channel);
    // `chord_bar` holds one or two chords; two split the bar at its middle.
    void accompany_bar(std::uint32_t bar_start, std::string_view chord_bar, Accompaniment style);
    void tambourine_bar(std::uint32_t bar_start, Tambourine pattern);
    // A tambourine shake: soft strokes on every tick step for `length` ticks.
    void tambourine_roll(std::uint32_t start, std::uint32_t length, std::uint32_t every);

    // All tracks, the conductor's first, each ending at `end`.
    [[nodiscard]] std::vector<MidiTrack> tracks(const MidiTrack &conductor, std::uint32_t end) const;

private:
    void tarantella_beat(std::uint32_t beat_start, const Chord &chord, bool new_chord, bool strong);
    void arpeggio_beat(std::uint32_t beat_start, const Chord &chord, bool new_chord, std::uint32_t chord_length);
    void closing_bar(std::uint32_t bar_start, const Chord &chord);

    MidiTrack guitar_, flute_, accordion_, bass_, harp_, drums_;
};

} // namespace belvane::sound
