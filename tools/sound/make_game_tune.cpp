// Writes the game tune: a relaxed tarantella in A minor, 6/8, form
// intro - A - A' - B - B' - A - coda, about 70 seconds, ending on the tonic
// so that a restart from the beginning follows on naturally.
//
// Usage: belvane_make_game_tune <output.mid>
#include "band.h"

#include <array>
#include <exception>
#include <stdexcept>
#include <vector>

namespace {

using namespace belvane::sound;

// Dotted quarter = 76: lilting but unhurried, for a quiet game.
constexpr std::uint32_t kMicrosPerQuarter = 60'000'000u * 2 / (76 * 3);

using Bars = std::vector<std::string_view>;

// ---- Melodies (steps are eighths) and their chords, bar by bar ----

const Bars kIntro = {"r/6", "r/6"};
const Bars kIntroChords = {"Am", "E7"};

const Bars kThemeA = {
    "E5/2 A5/1 A5/2 B5/1", "C6/2 B5/1 A5/2 E5/1", "F5/2 E5/1 D5/2 F5/1",  "E5/3 B4/1 C5/1 D5/1",
    "E5/2 A5/1 A5/2 B5/1", "C6/2 B5/1 A5/2 C6/1", "B5/2 A5/1 G#5/2 B5/1", "A5/4 r/2",
};
const Bars kThemeAChords = {"Am", "Am", "Dm", "E", "Am", "F", "E7", "Am"};

// The repeat runs in eighths, and its last bar turns towards C major.
const Bars kThemeA2 = {
    "E5/1 A5/1 B5/1 C6/2 A5/1", "B5/1 C6/1 B5/1 A5/2 E5/1", "F5/1 A5/1 D6/1 C6/2 A5/1", "B5/2 G#5/1 E5/3",
    "E5/1 A5/1 B5/1 C6/2 A5/1", "C6/1 D6/1 C6/1 A5/2 C6/1", "B5/2 D6/1 G#5/2 B5/1",     "A5/3 G5/1 F5/1 D5/1",
};
const Bars kThemeA2Chords = {"Am", "Am", "Dm", "E", "Am", "F", "E7", "Am G7"};

// The middle part sings in C major; its repeat turns back to A minor and
// rests on the dominant so that the theme returns as expected.
const Bars kThemeB = {
    "E5/2 F5/1 G5/3", "F5/2 E5/1 D5/3", "E5/2 G5/1 C6/3",      "B5/2 A5/1 G5/3",
    "A5/3 C6/2 A5/1", "G5/2 E5/1 C5/3", "D5/2 F5/1 B4/2 D5/1", "C5/4 D5/2",
};
const Bars kThemeBChords = {"C", "G7", "C", "G", "F", "C", "Dm G7", "C"};

const Bars kThemeB2 = {
    "E5/2 F5/1 G5/3", "F5/2 E5/1 D5/3", "E5/2 G5/1 C6/3",       "B5/2 A5/1 G#5/3",
    "A5/3 C6/2 A5/1", "D6/2 C6/1 A5/3", "B5/2 A5/1 G#5/2 B5/1", "G#5/1 B5/1 D6/1 C6/1 B5/1 G#5/1",
};
const Bars kThemeB2Chords = {"C", "G7", "C", "E", "Am", "Dm", "E7", "E7"};

const Bars kReprise = {
    "E5/2 A5/1 A5/2 B5/1", "C6/2 B5/1 A5/2 E5/1", "F5/2 E5/1 D5/2 F5/1",  "E5/3 B4/1 C5/1 D5/1",
    "E5/2 A5/1 A5/2 B5/1", "C6/2 B5/1 A5/2 C6/1", "B5/2 A5/1 G#5/2 B5/1", "A5/3 r/3",
};

const Bars kCoda = {"D5/2 F5/1 E5/2 G#4/1"};
const Bars kCodaChords = {"Dm E7"};
const Bars kFinal = {"A4/6"};
const Bars kFinalChords = {"Am"};

// ---- Arrangement ----

struct Section {
    const Bars &melody;
    const Bars &chords;
    std::vector<Voice> leads;
    Accompaniment accompaniment;
    Tambourine tambourine;
};

constexpr Voice kGuitarLead{kGuitar, 0, 110, 30, Articulation::Tremolo};
constexpr Voice kGuitarSecond{kGuitar, -12, 76, 30};
constexpr Voice kFluteLead{kFlute, 0, 92, 12};
constexpr Voice kFluteDouble{kFlute, 0, 66, 12};
constexpr Voice kFluteHigh{kFlute, 12, 60, 12};

std::vector<Section> arrangement()
{
    return {
        {kIntro, kIntroChords, {}, Accompaniment::Tarantella, Tambourine::Light},
        {kThemeA, kThemeAChords, {kGuitarLead}, Accompaniment::Tarantella, Tambourine::Full},
        {kThemeA2, kThemeA2Chords, {kGuitarLead, kFluteDouble}, Accompaniment::Tarantella, Tambourine::Full},
        {kThemeB, kThemeBChords, {kFluteLead}, Accompaniment::Arpeggio, Tambourine::Off},
        {kThemeB2, kThemeB2Chords, {kFluteLead, kGuitarSecond}, Accompaniment::Arpeggio, Tambourine::Light},
        {kReprise, kThemeAChords, {kGuitarLead}, Accompaniment::Tarantella, Tambourine::Full},
        {kCoda, kCodaChords, {kGuitarLead, kFluteHigh}, Accompaniment::Tarantella, Tambourine::Light},
        {kFinal, kFinalChords, {kGuitarLead, kFluteHigh}, Accompaniment::Closing, Tambourine::Off},
    };
}

std::vector<MidiTrack> compose()
{
    MidiTrack conductor;
    conductor.name(0, "10carte");
    conductor.time_signature(0, 6, 3);
    conductor.key_signature(0, 0, KeyMode::Minor);
    conductor.tempo(0, kMicrosPerQuarter);

    Band band;
    std::uint32_t now = 0;
    for (const Section &section : arrangement()) {
        if (section.melody.size() != section.chords.size()) {
            throw std::logic_error("a section's melody and chords differ in length");
        }
        for (const Voice &lead : section.leads) {
            play_line(band.track(lead.channel), lead, kSixEight, now, section.melody);
        }
        for (const std::string_view chord_bar : section.chords) {
            band.accompany_bar(now, chord_bar, section.accompaniment);
            band.tambourine_bar(now, section.tambourine);
            now += kSixEight.bar_ticks();
        }
    }

    // A short breath after the last chord lets it fade before a restart.
    return band.tracks(conductor, now + kSixEight.ticks_per_step);
}

} // namespace

int main(int argc, char **argv)
{
    return generate_file(argc, argv, "<output.mid>", [] { return encode_midi_file(kTicksPerQuarter, compose()); });
}
