#include "band.h"

#include <array>

namespace belvane::sound {

namespace {

constexpr std::uint8_t kTambourineKey = 54;
constexpr int kBeatSteps = 3; // a dotted quarter
constexpr std::uint32_t kBeatTicks = kBeatSteps * kSixEight.ticks_per_step;
constexpr std::uint32_t kStep = kSixEight.ticks_per_step;

struct ChannelSetup {
    std::uint8_t channel;
    std::uint8_t program;
    std::uint8_t volume;
    std::uint8_t pan;
    std::uint8_t reverb;
    std::string_view name;
};

constexpr std::array kChannels = {
    ChannelSetup{kGuitar, 24, 127, 58, 40, "Guitar"},       ChannelSetup{kFlute, 73, 86, 76, 56, "Flute"},
    ChannelSetup{kAccordion, 21, 100, 40, 48, "Accordion"}, ChannelSetup{kBass, 32, 106, 64, 24, "Bass"},
    ChannelSetup{kHarp, 46, 104, 88, 56, "Harp"},           ChannelSetup{kDrums, 0, 82, 70, 30, "Tambourine"},
};

std::uint8_t key(int value) { return static_cast<std::uint8_t>(value); }

// The bass stays between E2 and D#3, the accordion voices its chords close
// above G3, and the harp spreads from the octave of C3.
int bass_root(const Chord &chord) { return key_at_or_above(chord.root, 40); }
int bass_fifth(const Chord &chord)
{
    const int fifth = bass_root(chord) + 7;
    return fifth > 52 ? fifth - 12 : fifth;
}
std::vector<int> accordion_chord(const Chord &chord) { return chord_keys(chord, 55); }
std::array<int, 4> harp_spread(const Chord &chord)
{
    const int root = key_at_or_above(chord.root, 48);
    return {root, root + 7, root + 12, root + 12 + chord.intervals[1]};
}

} // namespace

Band::Band()
{
    for (const ChannelSetup &setup : kChannels) {
        MidiTrack &part = track(setup.channel);
        part.name(0, setup.name);
        if (setup.channel != kDrums) {
            part.program(0, setup.channel, setup.program);
        }
        part.controller(0, setup.channel, 7, setup.volume);
        part.controller(0, setup.channel, 10, setup.pan);
        part.controller(0, setup.channel, 91, setup.reverb);
        part.controller(0, setup.channel, 93, 0);
    }
}

MidiTrack &Band::track(std::uint8_t channel)
{
    switch (channel) {
    case kGuitar:
        return guitar_;
    case kFlute:
        return flute_;
    case kAccordion:
        return accordion_;
    case kBass:
        return bass_;
    case kHarp:
        return harp_;
    default:
        return drums_;
    }
}

void Band::tarantella_beat(std::uint32_t beat_start, const Chord &chord, bool new_chord, bool strong)
{
    // Within one chord the second beat takes the fifth, as a folk bass walks.
    bass_.note(beat_start, kBass, key(new_chord ? bass_root(chord) : bass_fifth(chord)), strong ? 90 : 82,
               kBeatTicks - 40);
    for (int offset = 1; offset < kBeatSteps; ++offset) {
        for (const int tone : accordion_chord(chord)) {
            accordion_.note(beat_start + offset * kStep, kAccordion, key(tone), offset == 1 ? 56 : 48, kStep - 50);
        }
    }
}

void Band::arpeggio_beat(std::uint32_t beat_start, const Chord &chord, bool new_chord, std::uint32_t chord_length)
{
    if (new_chord) {
        bass_.note(beat_start, kBass, key(bass_root(chord)), 80, chord_length - 30);
        for (const int tone : accordion_chord(chord)) {
            accordion_.note(beat_start, kAccordion, key(tone), 40, chord_length - 20);
        }
    }
    // Up on a new chord, back down when it is held: one wave per bar.
    static constexpr std::array<std::array<int, 3>, 2> kPattern = {{{0, 1, 2}, {3, 2, 1}}};
    const std::array<int, 4> spread = harp_spread(chord);
    const auto &pattern = kPattern[new_chord ? 0 : 1];
    // Each note rings to the end of its beat, so a key struck again on the
    // next beat is never cut short by an earlier note's end.
    for (int offset = 0; offset < kBeatSteps; ++offset) {
        harp_.note(beat_start + offset * kStep, kHarp, key(spread[pattern[offset]]), offset == 0 ? 66 : 56,
                   (kBeatSteps - offset) * kStep);
    }
}

void Band::closing_bar(std::uint32_t bar_start, const Chord &chord)
{
    const std::uint32_t length = kSixEight.bar_ticks();
    bass_.note(bar_start, kBass, key(bass_root(chord)), 86, length);
    for (const int tone : accordion_chord(chord)) {
        accordion_.note(bar_start, kAccordion, key(tone), 46, length);
    }
    const std::array<int, 4> spread = harp_spread(chord);
    const std::array<int, 6> roll = {spread[0], spread[1], spread[2], spread[3], spread[1] + 12, spread[2] + 12};
    constexpr std::uint32_t kRollGap = 40;
    for (std::uint32_t i = 0; i < roll.size(); ++i) {
        harp_.note(bar_start + i * kRollGap, kHarp, key(roll[i]), 68, length - i * kRollGap);
    }
}

void Band::accompany_bar(std::uint32_t bar_start, std::string_view chord_bar, Accompaniment style)
{
    const std::vector<Chord> chords = parse_chord_bar(chord_bar);
    if (style == Accompaniment::Closing) {
        closing_bar(bar_start, chords.front());
        return;
    }
    for (std::uint32_t beat = 0; beat < 2; ++beat) {
        const Chord &chord = chords[beat * chords.size() / 2];
        const bool new_chord = beat == 0 || chords.size() == 2;
        const std::uint32_t beat_start = bar_start + beat * kBeatTicks;
        if (style == Accompaniment::Tarantella) {
            tarantella_beat(beat_start, chord, new_chord, beat == 0);
        } else {
            arpeggio_beat(beat_start, chord, new_chord, chords.size() == 2 ? kBeatTicks : 2 * kBeatTicks);
        }
    }
}

void Band::tambourine_bar(std::uint32_t bar_start, Tambourine pattern)
{
    static constexpr std::array<std::uint8_t, 6> kFull = {58, 0, 30, 46, 0, 30};
    static constexpr std::array<std::uint8_t, 6> kLight = {40, 0, 0, 30, 0, 0};
    if (pattern == Tambourine::Off) {
        return;
    }
    const auto &velocities = pattern == Tambourine::Full ? kFull : kLight;
    for (std::uint32_t i = 0; i < velocities.size(); ++i) {
        if (velocities[i] != 0) {
            drums_.note(bar_start + i * kStep, kDrums, kTambourineKey, velocities[i], 60);
        }
    }
}

void Band::tambourine_roll(std::uint32_t start, std::uint32_t length, std::uint32_t every)
{
    for (std::uint32_t at = 0; at < length; at += every) {
        // Swells a little towards its end.
        const auto velocity = static_cast<std::uint8_t>(30 + 30 * at / length);
        drums_.note(start + at, kDrums, kTambourineKey, velocity, every / 2);
    }
}

std::vector<MidiTrack> Band::tracks(const MidiTrack &conductor, std::uint32_t end) const
{
    std::vector<MidiTrack> all{conductor, guitar_, flute_, accordion_, bass_, harp_, drums_};
    for (MidiTrack &track : all) {
        track.end_at(end);
    }
    return all;
}

} // namespace belvane::sound
