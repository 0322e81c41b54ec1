// What the tunes' tests read their note tables with: the grid, a list of
// faults as bars and steps, and where a tune's last note lets go.
#pragma once

#include "byte_buffer.h"
#include "voice_leading.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
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
