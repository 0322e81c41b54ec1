#include "midi_file.h"

#include <algorithm>
#include <stdexcept>

namespace belvane::sound {

void AppendVlq(Bytes &out, std::uint32_t value)
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

void CheckChannelData(std::uint8_t channel, std::uint8_t a, std::uint8_t b)
{
    if (channel > 15 || a > 127 || b > 127) {
        throw std::out_of_range("MIDI channel or data byte out of range");
    }
}

} // namespace

void MidiTrack::Add(std::uint32_t tick, Order order, Bytes data)
{
    events_.push_back(Event{tick, order, std::move(data)});
}

void MidiTrack::AddMeta(std::uint32_t tick, std::uint8_t type, const Bytes &payload)
{
    Bytes data{0xFF, type};
    AppendVlq(data, static_cast<std::uint32_t>(payload.size()));
    data.insert(data.end(), payload.begin(), payload.end());
    Add(tick, Order::Setup, std::move(data));
}

void MidiTrack::Name(std::uint32_t tick, std::string_view text)
{
    Bytes payload;
    AppendText(payload, text);
    AddMeta(tick, 0x03, payload);
}

void MidiTrack::Marker(std::uint32_t tick, std::string_view text)
{
    Bytes payload;
    AppendText(payload, text);
    AddMeta(tick, 0x06, payload);
}

void MidiTrack::Tempo(std::uint32_t tick, std::uint32_t microsPerQuarter)
{
    if (microsPerQuarter == 0 || microsPerQuarter > 0xFFFFFF) {
        throw std::out_of_range("tempo does not fit 24 bits");
    }
    AddMeta(tick, 0x51,
            Bytes{static_cast<std::uint8_t>(microsPerQuarter >> 16), static_cast<std::uint8_t>(microsPerQuarter >> 8),
                  static_cast<std::uint8_t>(microsPerQuarter)});
}

void MidiTrack::TimeSignature(std::uint32_t tick, std::uint8_t numerator, std::uint8_t denominatorPower)
{
    // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter.
    AddMeta(tick, 0x58, Bytes{numerator, denominatorPower, 24, 8});
}

void MidiTrack::KeySignature(std::uint32_t tick, std::int8_t sharps, KeyMode mode)
{
    AddMeta(tick, 0x59, Bytes{static_cast<std::uint8_t>(sharps), static_cast<std::uint8_t>(mode)});
}

void MidiTrack::Program(std::uint32_t tick, std::uint8_t channel, std::uint8_t program)
{
    CheckChannelData(channel, program, 0);
    Add(tick, Order::Setup, Bytes{static_cast<std::uint8_t>(0xC0 | channel), program});
}

void MidiTrack::Controller(std::uint32_t tick, std::uint8_t channel, std::uint8_t number, std::uint8_t value)
{
    CheckChannelData(channel, number, value);
    Add(tick, Order::Setup, Bytes{static_cast<std::uint8_t>(0xB0 | channel), number, value});
}

void MidiTrack::Note(std::uint32_t tick, std::uint8_t channel, std::uint8_t key, std::uint8_t velocity,
                     std::uint32_t length, int shift)
{
    CheckChannelData(channel, key, velocity);
    if (velocity == 0 || length == 0) {
        throw std::invalid_argument("a note needs a velocity and a length");
    }
    if (std::int64_t{tick} + shift < 0 || shift >= static_cast<std::int64_t>(length)) {
        throw std::invalid_argument("a note's shift must leave it inside the track and sounding");
    }
    notes_.push_back(WrittenNote{tick, length, channel, key, velocity});
    Add(static_cast<std::uint32_t>(std::int64_t{tick} + shift), Order::NoteOn,
        Bytes{static_cast<std::uint8_t>(0x90 | channel), key, velocity});
    Add(tick + length, Order::NoteOff, Bytes{static_cast<std::uint8_t>(0x80 | channel), key, 64});
}

void MidiTrack::EndAt(std::uint32_t tick) { endTick_ = std::max(endTick_, tick); }

std::uint32_t MidiTrack::End() const
{
    std::uint32_t end = endTick_;
    for (const Event &event : events_) {
        end = std::max(end, event.tick);
    }
    return end;
}

Bytes MidiTrack::Chunk() const
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
        AppendVlq(body, event->tick - now);
        body.insert(body.end(), event->data.begin(), event->data.end());
        now = event->tick;
    }
    AppendVlq(body, std::max(now, endTick_) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});

    Bytes out;
    AppendText(out, "MTrk");
    AppendBe32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes EncodeMidiFile(std::uint16_t ticksPerQuarter, std::span<const MidiTrack> tracks)
{
    if (tracks.empty() || tracks.size() > 0xFFFF || ticksPerQuarter == 0 || ticksPerQuarter > 0x7FFF) {
        throw std::invalid_argument("bad MIDI file layout");
    }
    Bytes out;
    AppendText(out, "MThd");
    AppendBe32(out, 6);
    AppendBe16(out, 1);
    AppendBe16(out, static_cast<std::uint16_t>(tracks.size()));
    AppendBe16(out, ticksPerQuarter);
    for (const MidiTrack &track : tracks) {
        const Bytes chunk = track.Chunk();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace belvane::sound
