#pragma once
// Standard MIDI File (format 1) writer. Events are collected with absolute
// tick times and encoded, sorted, as delta times when the file is built.
#include "byte_buffer.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace belvane::sound {

// Appends a variable-length quantity (7 bits per byte, high bit = more follows).
void append_vlq(Bytes &out, std::uint32_t value);

enum class KeyMode : std::uint8_t { Major = 0, Minor = 1 };

class MidiTrack {
public:
    void name(std::uint32_t tick, std::string_view text);
    // A marker names the part of the tune that starts at `tick`.
    void marker(std::uint32_t tick, std::string_view text);
    void tempo(std::uint32_t tick, std::uint32_t micros_per_quarter);
    void time_signature(std::uint32_t tick, std::uint8_t numerator, std::uint8_t denominator_power);
    void key_signature(std::uint32_t tick, std::int8_t sharps, KeyMode mode);
    void program(std::uint32_t tick, std::uint8_t channel, std::uint8_t program);
    void controller(std::uint32_t tick, std::uint8_t channel, std::uint8_t number, std::uint8_t value);
    // Adds a note-on at `tick` and its note-off `length` ticks later.
    void note(std::uint32_t tick, std::uint8_t channel, std::uint8_t key, std::uint8_t velocity, std::uint32_t length);
    // The end-of-track mark is placed here, or after the last event if that is later.
    void end_at(std::uint32_t tick);

    // The complete "MTrk" chunk.
    [[nodiscard]] Bytes chunk() const;

private:
    // At equal ticks, set-up events go first and note-offs before note-ons, so
    // a note repeated on the same key is not cut off by its predecessor's end.
    enum class Order : std::uint8_t { Setup, NoteOff, NoteOn };
    struct Event {
        std::uint32_t tick;
        Order order;
        Bytes data;
    };
    void add(std::uint32_t tick, Order order, Bytes data);
    void add_meta(std::uint32_t tick, std::uint8_t type, const Bytes &payload);

    std::vector<Event> events_;
    std::uint32_t end_tick_ = 0;
};

// A format 1 file: the first track carries tempo and signatures by convention.
Bytes encode_midi_file(std::uint16_t ticks_per_quarter, std::span<const MidiTrack> tracks);

} // namespace belvane::sound
