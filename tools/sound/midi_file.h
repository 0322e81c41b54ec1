#pragma once
// Standard MIDI File (format 1) writer. Events are collected with absolute
// tick times and encoded, sorted, as delta times when the file is built.
#include "byte_buffer.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace belvane::sound {

// Appends a variable-length quantity (7 bits per byte, high bit = more follows).
void AppendVlq(Bytes &out, std::uint32_t value);

enum class KeyMode : std::uint8_t { Major = 0, Minor = 1 };

// A note as written, before the player's timing: what the rules of voice
// leading are checked on.
struct WrittenNote {
    std::uint32_t tick;
    std::uint32_t length;
    std::uint8_t channel;
    std::uint8_t key;
    std::uint8_t velocity;
};

class MidiTrack {
public:
    void Name(std::uint32_t tick, std::string_view text);
    // A marker names the part of the tune that starts at `tick`.
    void Marker(std::uint32_t tick, std::string_view text);
    void Tempo(std::uint32_t tick, std::uint32_t microsPerQuarter);
    void TimeSignature(std::uint32_t tick, std::uint8_t numerator, std::uint8_t denominatorPower);
    void KeySignature(std::uint32_t tick, std::int8_t sharps, KeyMode mode);
    void Program(std::uint32_t tick, std::uint8_t channel, std::uint8_t program);
    void Controller(std::uint32_t tick, std::uint8_t channel, std::uint8_t number, std::uint8_t value);
    // Adds a note-on at `tick` and its note-off `length` ticks later. A
    // player's `shift` moves the onset only, so a note never runs into the
    // next one on its key; it must leave part of the note.
    void Note(std::uint32_t tick, std::uint8_t channel, std::uint8_t key, std::uint8_t velocity, std::uint32_t length,
              int shift = 0);
    // The end-of-track mark is placed here, or after the last event if that is later.
    void EndAt(std::uint32_t tick);

    // The complete "MTrk" chunk.
    [[nodiscard]] Bytes Chunk() const;
    // The tick of the end-of-track mark.
    [[nodiscard]] std::uint32_t End() const;
    // The notes as written, in the order they were added.
    [[nodiscard]] const std::vector<WrittenNote> &Notes() const { return notes_; }

private:
    // At equal ticks, set-up events go first and note-offs before note-ons, so
    // a note repeated on the same key is not cut off by its predecessor's end.
    enum class Order : std::uint8_t { Setup, NoteOff, NoteOn };
    struct Event {
        std::uint32_t tick;
        Order order;
        Bytes data;
    };
    void Add(std::uint32_t tick, Order order, Bytes data);
    void AddMeta(std::uint32_t tick, std::uint8_t type, const Bytes &payload);

    std::vector<Event> events_;
    std::vector<WrittenNote> notes_;
    std::uint32_t endTick_ = 0;
};

// A format 1 file: the first track carries tempo and signatures by convention.
Bytes EncodeMidiFile(std::uint16_t ticksPerQuarter, std::span<const MidiTrack> tracks);

} // namespace belvane::sound
