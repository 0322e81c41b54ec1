// What the tunes' tests read their note tables with: the grid, the
// conductor's tempos and marks, a list of faults as bars and steps, and
// where a tune's last note lets go.
#pragma once

#include "byte_buffer.h"
#include "midi_file.h"
#include "voice_leading.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace belvane::sound {

inline constexpr std::uint32_t kBar = 1440, kBeat = 720, kEighth = 240;

// A MIDI variable-length number in a track chunk, at `at`, which it moves past.
inline std::uint32_t ReadVarLength(const Bytes &chunk, std::size_t &at)
{
    std::uint32_t value = 0;
    while (chunk[at] & 0x80)
        value = (value << 7) | (chunk[at++] & 0x7F);
    return (value << 7) | chunk[at++];
}

// The conductor's tempo changes and markers, read back from its chunk:
// {tick, microseconds a quarter} and the ticks where sections start.
struct Conducted {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;
    std::set<std::uint32_t> marks;
};

inline Conducted ReadConductor(const MidiTrack &conductor)
{
    const Bytes chunk = conductor.Chunk();
    Conducted read;
    std::uint32_t tick = 0;
    std::size_t at = 8;
    const auto vlq = [&] { return ReadVarLength(chunk, at); };
    while (at < chunk.size()) {
        tick += vlq();
        if (chunk[at] != 0xFF)
            break; // the conductor holds meta events only
        const std::uint8_t type = chunk[at + 1];
        at += 2;
        const std::uint32_t size = vlq();
        if (type == 0x51)
            read.tempos.push_back({tick, (chunk[at] << 16) | (chunk[at + 1] << 8) | chunk[at + 2]});
        if (type == 0x06)
            read.marks.insert(tick);
        at += size;
    }
    return read;
}

// Seconds from the tune's start to `tick`, through the conductor's tempo
// changes (a fixed tempo misjudges a tune that broadens at its close).
inline double SecondsAt(const Conducted &conducted, std::uint32_t tick, std::uint32_t ticksPerQuarter)
{
    double seconds = 0;
    std::uint32_t since = 0, micros = 500000;
    for (const auto &[at, quarter] : conducted.tempos) {
        if (at >= tick)
            break;
        seconds += double(at - since) * micros / ticksPerQuarter / 1e6;
        since = at;
        micros = quarter;
    }
    return seconds + double(tick - since) * micros / ticksPerQuarter / 1e6;
}

inline std::string Listed(const std::vector<Fault> &faults)
{
    std::string text;
    for (const Fault &fault : faults)
        text += "bar " + std::to_string(fault.tick / kBar + 1) + " step " + std::to_string(fault.tick % kBar / 120) +
            ": " + fault.what + "\n";
    return text;
}

inline std::uint32_t EndOf(const std::vector<WrittenNote> &notes)
{
    std::uint32_t end = 0;
    for (const WrittenNote &note : notes)
        end = std::max(end, note.tick + note.length);
    return end;
}

} // namespace belvane::sound
