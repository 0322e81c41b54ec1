#include "midi_file.h"

#include <algorithm>
#include <stdexcept>

namespace belvane::sound {

void append_vlq(Bytes &out, std::uint32_t value)
{
    if (value > 0x0FFFFFFF) {
        throw std::out_of_range("MIDI variable-length value exceeds 28 bits");
    }
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    }
    out.push_back(groups[0]);
}

namespace {

void check_channel_data(std::uint8_t channel, std::uint8_t a, std::uint8_t b)
{
    if (channel > 15 || a > 127 || b > 127) {
        throw std::out_of_range("MIDI channel or data byte out of range");
    }
}

} // namespace

void MidiTrack::add(std::uint32_t tick, Order order, Bytes data)
{
    events_.push_back(Event{tick, order, std::move(data)});
}

void MidiTrack::add_meta(std::uint32_t tick, std::uint8_t type, const Bytes &payload)
{
    Bytes data{0xFF, type};
    append_vlq(data, static_cast<std::uint32_t>(payload.size()));
    data.insert(data.end(), payload.begin(), payload.end());
    add(tick, Order::Setup, std::move(data));
}

void MidiTrack::name(std::uint32_t tick, std::string_view text)
{
    Bytes payload;
    append_text(payload, text);
    add_meta(tick, 0x03, payload);
}

void MidiTrack::marker(std::uint32_t tick, std::string_view text)
{
    Bytes payload;
    append_text(payload, text);
    add_meta(tick, 0x06, payload);
}

void MidiTrack::tempo(std::uint32_t tick, std::uint32_t micros_per_quarter)
{
    if (micros_per_quarter == 0 || micros_per_quarter > 0xFFFFFF) {
        throw std::out_of_range("tempo does not fit 24 bits");
    }
    add_meta(tick, 0x51,
             Bytes{static_cast<std::uint8_t>(micros_per_quarter >> 16),
                   static_cast<std::uint8_t>(micros_per_quarter >> 8), static_cast<std::uint8_t>(micros_per_quarter)});
}

void MidiTrack::time_signature(std::uint32_t tick, std::uint8_t numerator, std::uint8_t denominator_power)
{
    // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter.
    add_meta(tick, 0x58, Bytes{numerator, denominator_power, 24, 8});
}

void MidiTrack::key_signature(std::uint32_t tick, std::int8_t sharps, KeyMode mode)
{
    add_meta(tick, 0x59, Bytes{static_cast<std::uint8_t>(sharps), static_cast<std::uint8_t>(mode)});
}

void MidiTrack::program(std::uint32_t tick, std::uint8_t channel, std::uint8_t program)
{
    check_channel_data(channel, program, 0);
    add(tick, Order::Setup, Bytes{static_cast<std::uint8_t>(0xC0 | channel), program});
}

void MidiTrack::controller(std::uint32_t tick, std::uint8_t channel, std::uint8_t number, std::uint8_t value)
{
    check_channel_data(channel, number, value);
    add(tick, Order::Setup, Bytes{static_cast<std::uint8_t>(0xB0 | channel), number, value});
}

void MidiTrack::note(std::uint32_t tick, std::uint8_t channel, std::uint8_t key, std::uint8_t velocity,
                     std::uint32_t length)
{
    check_channel_data(channel, key, velocity);
    if (velocity == 0 || length == 0) {
        throw std::invalid_argument("a note needs a velocity and a length");
    }
    add(tick, Order::NoteOn, Bytes{static_cast<std::uint8_t>(0x90 | channel), key, velocity});
    add(tick + length, Order::NoteOff, Bytes{static_cast<std::uint8_t>(0x80 | channel), key, 64});
}

void MidiTrack::end_at(std::uint32_t tick) { end_tick_ = std::max(end_tick_, tick); }

Bytes MidiTrack::chunk() const
{
    std::vector<const Event *> sorted;
    sorted.reserve(events_.size());
    for (const Event &event : events_) {
        sorted.push_back(&event);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event *a, const Event *b) {
        return a->tick != b->tick ? a->tick < b->tick : a->order < b->order;
    });

    Bytes body;
    std::uint32_t now = 0;
    for (const Event *event : sorted) {
        append_vlq(body, event->tick - now);
        body.insert(body.end(), event->data.begin(), event->data.end());
        now = event->tick;
    }
    append_vlq(body, std::max(now, end_tick_) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    Bytes out;
    append_text(out, "MTrk");
    append_be32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes encode_midi_file(std::uint16_t ticks_per_quarter, std::span<const MidiTrack> tracks)
{
    if (tracks.empty() || tracks.size() > 0xFFFF || ticks_per_quarter == 0 || ticks_per_quarter > 0x7FFF) {
        throw std::invalid_argument("bad MIDI file layout");
    }
    Bytes out;
    append_text(out, "MThd");
    append_be32(out, 6);
    append_be16(out, 1);
    append_be16(out, static_cast<std::uint16_t>(tracks.size()));
    append_be16(out, ticks_per_quarter);
    for (const MidiTrack &track : tracks) {
        const Bytes chunk = track.chunk();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace belvane::sound
