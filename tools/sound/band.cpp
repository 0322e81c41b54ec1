#include "band.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace belvane::sound {

namespace {

constexpr std::uint8_t kTambourineKey = 54;
constexpr int kBeatSteps = 3; // a dotted quarter
constexpr std::uint32_t kBeatTicks = kBeatSteps * kSixEight.ticks_per_step;
constexpr std::uint32_t kStep = kSixEight.ticks_per_step;

// How hard each figure is played: {strong beat, other beat} for the bass,
// {first, second} for the two chords after a beat.
struct Touch {
    std::uint8_t bass_strong, bass_weak, chord_first, chord_second;
    std::uint32_t bass_gap, chord_gap; // ticks cut from each note's end
};
constexpr Touch kBarcarolle{88, 80, 62, 54, 20, 70};
constexpr Touch kTarantella{92, 84, 66, 58, 120, 50};
constexpr std::uint8_t kArpeggioBass = 86, kArpeggioHeld = 50, kHarpFirst = 72, kHarpOther = 62;
constexpr std::uint8_t kPadBass = 80, kPadChord = 64;
constexpr std::uint8_t kClosingBass = 84, kClosingHeld = 48, kClosingHarp = 70;

std::uint8_t key(int value) { return static_cast<std::uint8_t>(value); }

// The bass stays between E2 and D#3, chords are voiced close above G3, and
// the harp spreads from the octave of C3.
int bass_root(const Chord &chord) { return key_at_or_above(chord.root, 40); }
int bass_fifth(const Chord &chord)
{
    const int fifth = bass_root(chord) + 7;
    return fifth > 52 ? fifth - 12 : fifth;
}
std::vector<int> close_chord(const Chord &chord) { return chord_keys(chord, 55); }
std::array<int, 4> harp_spread(const Chord &chord)
{
    const int root = key_at_or_above(chord.root, 48);
    return {root, root + 7, root + 12, root + 12 + chord.intervals[1]};
}

} // namespace

Band::Band(std::span<const Part> parts, const Accompanists &accompanists) : who_(accompanists)
{
    for (const Part &part : parts) {
        channels_.push_back(part.channel);
        MidiTrack &track = tracks_.emplace_back();
        track.name(0, part.name);
        if (part.channel != kDrums) {
            track.program(0, part.channel, part.program);
        }
        track.controller(0, part.channel, 7, part.volume);
        track.controller(0, part.channel, 10, part.pan);
        track.controller(0, part.channel, 91, part.reverb);
        track.controller(0, part.channel, 93, 0);
    }
}

MidiTrack &Band::track(std::uint8_t channel)
{
    const auto found = std::find(channels_.begin(), channels_.end(), channel);
    if (found == channels_.end()) {
        throw std::invalid_argument("no part of the band plays on channel " + std::to_string(channel));
    }
    return tracks_[static_cast<std::size_t>(found - channels_.begin())];
}

void Band::beat(std::uint32_t beat_start, const Chord &chord, bool new_chord, bool strong, Accompaniment style)
{
    const Touch &touch = style == Accompaniment::Tarantella ? kTarantella : kBarcarolle;
    // Within one chord the second beat takes the fifth, as a folk bass walks.
    track(who_.bass).note(beat_start, who_.bass, key(new_chord ? bass_root(chord) : bass_fifth(chord)),
                          strong ? touch.bass_strong : touch.bass_weak, kBeatTicks - touch.bass_gap);
    MidiTrack &chords = track(who_.offbeat);
    for (int offset = 1; offset < kBeatSteps; ++offset) {
        for (const int tone : close_chord(chord)) {
            chords.note(beat_start + offset * kStep, who_.offbeat, key(tone),
                        offset == 1 ? touch.chord_first : touch.chord_second, kStep - touch.chord_gap);
        }
    }
}

void Band::arpeggio_beat(std::uint32_t beat_start, const Chord &chord, bool new_chord, std::uint32_t chord_length)
{
    if (new_chord) {
        track(who_.bass).note(beat_start, who_.bass, key(bass_root(chord)), kArpeggioBass, chord_length - 30);
        for (const int tone : close_chord(chord)) {
            track(who_.held).note(beat_start, who_.held, key(tone), kArpeggioHeld, chord_length - 20);
        }
    }
    // Up on a new chord, back down when it is held: one wave per bar.
    static constexpr std::array<std::array<int, 3>, 2> kPattern = {{{0, 1, 2}, {3, 2, 1}}};
    const std::array<int, 4> spread = harp_spread(chord);
    const auto &pattern = kPattern[new_chord ? 0 : 1];
    // Each note rings to the end of its beat, so a key struck again on the
    // next beat is never cut short by an earlier note's end.
    for (int offset = 0; offset < kBeatSteps; ++offset) {
        track(who_.harp).note(beat_start + offset * kStep, who_.harp, key(spread[pattern[offset]]),
                              offset == 0 ? kHarpFirst : kHarpOther, (kBeatSteps - offset) * kStep);
    }
}

void Band::pad_chord(std::uint32_t start, const Chord &chord, std::uint32_t length)
{
    track(who_.bass).note(start, who_.bass, key(bass_root(chord)), kPadBass, length - 30);
    for (const int tone : chord_keys(chord, 53)) {
        track(who_.pad).note(start, who_.pad, key(tone), kPadChord, length - 10);
    }
}

void Band::closing_bar(std::uint32_t bar_start, const Chord &chord)
{
    const std::uint32_t length = kSixEight.bar_ticks();
    track(who_.bass).note(bar_start, who_.bass, key(bass_root(chord)), kClosingBass, length);
    for (const int tone : close_chord(chord)) {
        track(who_.held).note(bar_start, who_.held, key(tone), kClosingHeld, length);
    }
    const std::array<int, 4> spread = harp_spread(chord);
    const std::array<int, 6> roll = {spread[0], spread[1], spread[2], spread[3], spread[1] + 12, spread[2] + 12};
    constexpr std::uint32_t kRollGap = 40;
    for (std::uint32_t i = 0; i < roll.size(); ++i) {
        track(who_.harp).note(bar_start + i * kRollGap, who_.harp, key(roll[i]), kClosingHarp, length - i * kRollGap);
    }
}

void Band::accompany_bar(std::uint32_t bar_start, std::string_view chord_bar, Accompaniment style)
{
    const std::vector<Chord> chords = parse_chord_bar(chord_bar);
    if (style == Accompaniment::Closing) {
        closing_bar(bar_start, chords.front());
        return;
    }
    if (style == Accompaniment::Pad) {
        const std::uint32_t length = kSixEight.bar_ticks() / static_cast<std::uint32_t>(chords.size());
        for (std::uint32_t i = 0; i < chords.size(); ++i) {
            pad_chord(bar_start + i * length, chords[i], length);
        }
        return;
    }
    for (std::uint32_t beat_index = 0; beat_index < 2; ++beat_index) {
        const Chord &chord = chords[beat_index * chords.size() / 2];
        const bool new_chord = beat_index == 0 || chords.size() == 2;
        const std::uint32_t beat_start = bar_start + beat_index * kBeatTicks;
        if (style == Accompaniment::Arpeggio) {
            arpeggio_beat(beat_start, chord, new_chord, chords.size() == 2 ? kBeatTicks : 2 * kBeatTicks);
        } else {
            beat(beat_start, chord, new_chord, beat_index == 0, style);
        }
    }
}

void Band::tambourine_bar(std::uint32_t bar_start, Tambourine pattern)
{
    static constexpr std::array<std::uint8_t, 6> kFull = {58, 0, 30, 46, 0, 30};
    static constexpr std::array<std::uint8_t, 6> kLight = {72, 0, 0, 56, 0, 0};
    if (pattern == Tambourine::Off) {
        return;
    }
    const auto &velocities = pattern == Tambourine::Full ? kFull : kLight;
    for (std::uint32_t i = 0; i < velocities.size(); ++i) {
        if (velocities[i] != 0) {
            percussion(bar_start + i * kStep, kTambourineKey, velocities[i]);
        }
    }
}

void Band::percussion(std::uint32_t tick, std::uint8_t key, std::uint8_t velocity)
{
    track(kDrums).note(tick, kDrums, key, velocity, kStep / 4);
}

std::vector<MidiTrack> Band::tracks(const MidiTrack &conductor, std::uint32_t end) const
{
    std::vector<MidiTrack> all{conductor};
    all.insert(all.end(), tracks_.begin(), tracks_.end());
    for (MidiTrack &track : all) {
        track.end_at(end);
    }
    return all;
}

} // namespace belvane::sound
