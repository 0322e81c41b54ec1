#include "band.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace belvane::sound {

namespace {

constexpr std::uint8_t kTambourineKey = 54;
constexpr int kBeatSteps = 3; // a dotted quarter
constexpr std::uint32_t kBeatTicks = kBeatSteps * kSixEight.ticksPerStep;
constexpr std::uint32_t kStep = kSixEight.ticksPerStep;

// How hard each figure is played: {strong beat, other beat} for the bass,
// {first, second} for the two chords after a beat.
struct Touch {
    std::uint8_t bassStrong, bassWeak, chordFirst, chordSecond;
    std::uint32_t bassGap, chordGap; // ticks cut from each note's end
};
constexpr Touch kBarcarolle{88, 80, 62, 54, 20, 70};
constexpr Touch kTarantella{92, 84, 66, 58, 120, 50};
constexpr std::uint8_t kArpeggioBass = 86, kArpeggioHeld = 50, kHarpFirst = 72, kHarpOther = 62;
constexpr std::uint8_t kPadBass = 80, kPadChord = 64;
constexpr std::uint8_t kClosingBass = 84, kClosingHeld = 48, kClosingHarp = 70;

std::uint8_t Key(int value) { return static_cast<std::uint8_t>(value); }

// The bass stays between E2 and D#3, chords are voiced close above G3, and
// the harp spreads from the octave of C3.
int BassRoot(const Chord &chord) { return KeyAtOrAbove(chord.root, 40); }
int BassFifth(const Chord &chord)
{
    const int fifth = BassRoot(chord) + 7;
    return fifth > 52 ? fifth - 12 : fifth;
}
std::vector<int> CloseChord(const Chord &chord) { return ChordKeys(chord, 55); }
std::array<int, 4> HarpSpread(const Chord &chord)
{
    const int root = KeyAtOrAbove(chord.root, 48);
    return {root, root + 7, root + 12, root + 12 + chord.intervals[1]};
}

} // namespace

Band::Band(std::span<const Part> parts, const Accompanists &accompanists) : who_(accompanists)
{
    for (const Part &part : parts) {
        channels_.push_back(part.channel);
        MidiTrack &track = tracks_.emplace_back();
        track.Name(0, part.name);
        if (part.channel != kDrums) {
            track.Program(0, part.channel, part.program);
        }
        track.Controller(0, part.channel, 7, part.volume);
        track.Controller(0, part.channel, 10, part.pan);
        track.Controller(0, part.channel, 91, part.reverb);
        track.Controller(0, part.channel, 93, 0);
    }
}

MidiTrack &Band::Track(std::uint8_t channel)
{
    const auto found = std::find(channels_.begin(), channels_.end(), channel);
    if (found == channels_.end()) {
        throw std::invalid_argument("no part of the band plays on channel " + std::to_string(channel));
    }
    return tracks_[static_cast<std::size_t>(found - channels_.begin())];
}

void Band::Beat(std::uint32_t beatStart, const Chord &chord, bool newChord, bool strong, Accompaniment style)
{
    const Touch &touch = style == Accompaniment::Tarantella ? kTarantella : kBarcarolle;
    // Within one chord the second beat takes the fifth, as a folk bass walks.
    Track(who_.bass).Note(beatStart, who_.bass, Key(newChord ? BassRoot(chord) : BassFifth(chord)),
                          strong ? touch.bassStrong : touch.bassWeak, kBeatTicks - touch.bassGap);
    MidiTrack &chords = Track(who_.offbeat);
    for (int offset = 1; offset < kBeatSteps; ++offset) {
        for (const int tone : CloseChord(chord)) {
            chords.Note(beatStart + offset * kStep, who_.offbeat, Key(tone),
                        offset == 1 ? touch.chordFirst : touch.chordSecond, kStep - touch.chordGap);
        }
    }
}

void Band::ArpeggioBeat(std::uint32_t beatStart, const Chord &chord, bool newChord, std::uint32_t chordLength)
{
    if (newChord) {
        Track(who_.bass).Note(beatStart, who_.bass, Key(BassRoot(chord)), kArpeggioBass, chordLength - 30);
        for (const int tone : CloseChord(chord)) {
            Track(who_.held).Note(beatStart, who_.held, Key(tone), kArpeggioHeld, chordLength - 20);
        }
    }
    // Up on a new chord, back down when it is held: one wave per bar.
    static constexpr std::array<std::array<int, 3>, 2> kPattern = {{{0, 1, 2}, {3, 2, 1}}};
    const std::array<int, 4> spread = HarpSpread(chord);
    const auto &pattern = kPattern[newChord ? 0 : 1];
    // Each note rings to the end of its beat, so a key struck again on the
    // next beat is never cut short by an earlier note's end.
    for (int offset = 0; offset < kBeatSteps; ++offset) {
        Track(who_.harp).Note(beatStart + offset * kStep, who_.harp, Key(spread[pattern[offset]]),
                              offset == 0 ? kHarpFirst : kHarpOther, (kBeatSteps - offset) * kStep);
    }
}

void Band::PadChord(std::uint32_t start, const Chord &chord, std::uint32_t length)
{
    Track(who_.bass).Note(start, who_.bass, Key(BassRoot(chord)), kPadBass, length - 30);
    for (const int tone : ChordKeys(chord, 53)) {
        Track(who_.pad).Note(start, who_.pad, Key(tone), kPadChord, length - 10);
    }
}

void Band::ClosingBar(std::uint32_t barStart, const Chord &chord)
{
    const std::uint32_t length = kSixEight.barTicks();
    Track(who_.bass).Note(barStart, who_.bass, Key(BassRoot(chord)), kClosingBass, length);
    for (const int tone : CloseChord(chord)) {
        Track(who_.held).Note(barStart, who_.held, Key(tone), kClosingHeld, length);
    }
    const std::array<int, 4> spread = HarpSpread(chord);
    const std::array<int, 6> roll = {spread[0], spread[1], spread[2], spread[3], spread[1] + 12, spread[2] + 12};
    constexpr std::uint32_t kRollGap = 40;
    for (std::uint32_t i = 0; i < roll.size(); ++i) {
        Track(who_.harp).Note(barStart + i * kRollGap, who_.harp, Key(roll[i]), kClosingHarp, length - i * kRollGap);
    }
}

void Band::AccompanyBar(std::uint32_t barStart, std::string_view chordBar, Accompaniment style)
{
    const std::vector<Chord> chords = ParseChordBar(chordBar);
    if (style == Accompaniment::Closing) {
        ClosingBar(barStart, chords.front());
        return;
    }
    if (style == Accompaniment::Pad) {
        const std::uint32_t length = kSixEight.barTicks() / static_cast<std::uint32_t>(chords.size());
        for (std::uint32_t i = 0; i < chords.size(); ++i) {
            PadChord(barStart + i * length, chords[i], length);
        }
        return;
    }
    for (std::uint32_t beatIndex = 0; beatIndex < 2; ++beatIndex) {
        const Chord &chord = chords[beatIndex * chords.size() / 2];
        const bool newChord = beatIndex == 0 || chords.size() == 2;
        const std::uint32_t beatStart = barStart + beatIndex * kBeatTicks;
        if (style == Accompaniment::Arpeggio) {
            ArpeggioBeat(beatStart, chord, newChord, chords.size() == 2 ? kBeatTicks : 2 * kBeatTicks);
        } else {
            Beat(beatStart, chord, newChord, beatIndex == 0, style);
        }
    }
}

void Band::TambourineBar(std::uint32_t barStart, Tambourine pattern)
{
    static constexpr std::array<std::uint8_t, 6> kFull = {58, 0, 30, 46, 0, 30};
    static constexpr std::array<std::uint8_t, 6> kLight = {72, 0, 0, 56, 0, 0};
    if (pattern == Tambourine::Off) {
        return;
    }
    const auto &velocities = pattern == Tambourine::Full ? kFull : kLight;
    for (std::uint32_t i = 0; i < velocities.size(); ++i) {
        if (velocities[i] != 0) {
            Percussion(barStart + i * kStep, kTambourineKey, velocities[i]);
        }
    }
}

void Band::Percussion(std::uint32_t tick, std::uint8_t key, std::uint8_t velocity)
{
    Track(kDrums).Note(tick, kDrums, key, velocity, kStep / 4);
}

std::vector<MidiTrack> Band::Tracks(const MidiTrack &conductor, std::uint32_t end) const
{
    std::vector<MidiTrack> all{conductor};
    all.insert(all.end(), tracks_.begin(), tracks_.end());
    for (MidiTrack &track : all) {
        track.EndAt(end);
    }
    return all;
}

} // namespace belvane::sound
