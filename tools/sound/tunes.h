#pragma once
// The two tunes of the game, composed as MIDI tracks: the generators write
// them to files and the tests read their notes.
#include "midi_file.h"

#include <array>
#include <cstdint>
#include <vector>

namespace belvane::sound {

// The game tune: the conductor's track first, then one track per part.
std::vector<MidiTrack> ComposeGameTune();
// Its channels: the leads (one plays at a time) and the bass.
inline constexpr std::array<std::uint8_t, 4> kGameTuneLeads = {0, 1, 2, 3};
inline constexpr std::array<std::uint8_t, 5> kGameTuneAccompaniment = {4, 5, 6, 7, 8};
inline constexpr std::uint8_t kGameTuneViolin = 0;
inline constexpr std::uint8_t kGameTuneBass = 5;
inline constexpr std::uint8_t kGameTuneHarp = 6;
inline constexpr std::uint8_t kGameTuneGuitar = 7;
inline constexpr std::uint8_t kGameTuneStrings = 8;

// The end-of-game tune: a lead, a second line in thirds and sixths with it,
// and the band.
std::vector<MidiTrack> ComposeEndTune();
inline constexpr std::uint8_t kEndTuneLead = 0;
inline constexpr std::uint8_t kEndTuneSecond = 2;
inline constexpr std::uint8_t kEndTuneBass = 5;
// The trumpets' call before the first bar, in ticks (two eighths): the file
// opens with a bar of this length, then its bars of 6/8.
inline constexpr std::uint32_t kEndTuneUpbeat = 480;

} // namespace belvane::sound
