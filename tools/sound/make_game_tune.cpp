// Writes the game tune: a calm barcarolle in A minor, 6/8, about two and three
// quarter minutes, so that a session hears it only a few times. Its form:
//
//   intro   4 bars  A minor   the accompaniment alone
//   A      16 bars  A minor   the theme, clarinet
//   A'     16 bars  A minor   a second tune on the theme's chords, flute then guitar
//   B      16 bars  C major   the middle tune over the harp, flute then clarinet
//   C       8 bars  D minor   a sparse interlude: oboe over held strings
//   A      16 bars  A minor   the theme again, clarinet then flute
//   coda    6 bars  A minor   a cadence onto the tonic, so a restart follows on
//
// The lead passes from instrument to instrument and is never much louder
// than its accompaniment, which carries the harmony on long or off-beat
// notes. Each part starts with a marker naming it.
//
// Usage: belvane_make_game_tune <output.mid>
#include "band.h"

#include <exception>
#include <stdexcept>
#include <vector>

namespace {

using namespace belvane::sound;

// Dotted quarter = 60: a rocking two beats a bar, unhurried.
constexpr std::uint32_t kMicrosPerQuarter = 60'000'000u * 2 / (60 * 3);

// Channels: the leads first, then the accompaniment.
constexpr std::uint8_t kGuitar = 0;
constexpr std::uint8_t kFlute = 1;
constexpr std::uint8_t kClarinet = 2;
constexpr std::uint8_t kOboe = 3;
constexpr std::uint8_t kAccordion = 4;
constexpr std::uint8_t kBass = 5;
constexpr std::uint8_t kHarp = 6;
constexpr std::uint8_t kChords = 7;
constexpr std::uint8_t kStrings = 8;

constexpr Part kParts[] = {
    {kGuitar, program::kNylonGuitar, 127, 58, 40, "Guitar"},
    {kFlute, program::kFlute, 120, 76, 56, "Flute"},
    {kClarinet, program::kClarinet, 124, 52, 50, "Clarinet"},
    {kOboe, program::kOboe, 100, 70, 56, "Oboe"},
    {kAccordion, program::kAccordion, 120, 40, 48, "Accordion"},
    {kBass, program::kAcousticBass, 127, 64, 24, "Bass"},
    {kHarp, program::kHarp, 127, 88, 56, "Harp"},
    {kChords, program::kNylonGuitar, 127, 34, 40, "Guitar chords"},
    {kStrings, program::kStrings, 110, 64, 64, "Strings"},
    {kDrums, 0, 127, 70, 30, "Tambourine"},
};
constexpr Accompanists kAccompanists{kBass, kChords, kAccordion, kHarp, kStrings};

using Bars = std::vector<std::string_view>;

// ---- Melodies (steps are eighths) and their chords, bar by bar ----

const Bars kIntroChords = {"Am", "Am", "Dm", "E7"};

// The theme: two eight-bar phrases, the second answering the first.
const Bars kTheme = {
    "E5/3 A5/2 B5/1",      "C6/2 B5/1 A5/2 E5/1", "F5/3 D6/2 C6/1",       "B5/3 G#5/3",
    "A5/2 C6/1 E6/2 C6/1", "D6/2 C6/1 A5/3",      "B5/2 A5/1 G#5/2 B5/1", "A5/6",
    "C6/3 B5/2 A5/1",      "B5/2 D6/1 G5/3",      "E6/3 D6/2 C6/1",       "B5/2 E5/1 G#5/3",
    "A5/2 F5/1 D6/3",      "C6/2 A5/1 E5/3",      "G#5/2 B5/1 D6/2 B5/1", "A5/6",
};
const Bars kThemeChords = {"Am", "Am", "Dm", "E", "Am", "F", "E7", "Am", "Am", "G", "C", "E", "Dm", "Am", "E7", "Am"};

// A second, slower tune on the same chords: longer notes, sighs.
const Bars kCounter = {
    "A5/3 G#5/2 A5/1",     "E6/3 C6/3",      "D6/2 F6/1 E6/2 D6/1",  "B5/6",
    "C6/2 B5/1 C6/2 E6/1", "F6/3 C6/3",      "B5/3 D6/2 B5/1",       "C6/3 A5/3",
    "E5/2 A5/1 C6/3",      "B5/2 A5/1 G5/3", "G5/2 C6/1 E6/3",       "D6/2 C6/1 B5/3",
    "A5/2 D6/1 F6/2 D6/1", "E6/3 C6/3",      "B5/2 D6/1 G#5/2 B5/1", "A5/6",
};

// The middle tune sings in C major; its answer turns through A minor to the
// dominant of D minor, where the interlude begins.
const Bars kMiddle = {
    "E5/2 F5/1 G5/3", "F5/2 E5/1 D5/3", "E5/2 G5/1 C6/3",       "B5/2 A5/1 G5/3",
    "A5/3 C6/2 A5/1", "G5/2 E5/1 C5/3", "D5/2 F5/1 B4/2 D5/1",  "C5/4 D5/2",
    "E5/2 F5/1 G5/3", "F5/2 E5/1 D5/3", "E5/2 G5/1 C6/3",       "B5/2 A5/1 G#5/3",
    "A5/3 C6/2 A5/1", "D6/2 C6/1 A5/3", "B5/2 A5/1 G#5/2 B5/1", "A5/3 G5/2 E5/1",
};
const Bars kMiddleChords = {"C", "G7", "C", "G", "F", "C", "Dm G7", "C", "C", "G7", "C", "E7", "Am", "Dm", "E7", "A7"};

// The interlude: few notes, long ones, ending on the dominant of A minor.
const Bars kInterlude = {
    "A4/3 D5/2 E5/1", "G5/3 F5/2 D5/1",  "E5/3 C5/3",       "F5/2 G5/1 A5/3",
    "A5/2 F5/1 D5/3", "D5/2 F5/1 Bb5/3", "G#4/3 B4/2 D5/1", "E5/6",
};
const Bars kInterludeChords = {"Dm", "Gm", "C", "F", "Dm", "Bb", "E7", "E7"};

const Bars kCoda = {
    "F5/2 E5/1 D5/3", "B4/2 D5/1 G#4/3", "A4/2 C5/1 E5/3", "F5/2 E5/1 C5/3", "D5/2 F5/1 E5/2 G#4/1", "A4/6",
};
const Bars kCodaChords = {"Dm", "E7", "Am", "F", "Dm E7", "Am"};

// ---- Arrangement ----

constexpr Voice kGuitarLead{kGuitar, -12, 80, 20, Articulation::Tremolo};
constexpr Voice kFluteLead{kFlute, 0, 74, 12};
constexpr Voice kClarinetLead{kClarinet, -12, 80, 12};
constexpr Voice kClarinetHigh{kClarinet, 0, 72, 12};
constexpr Voice kOboeLead{kOboe, 0, 76, 12};

// One instrument playing bars [first, first + count) of a section's melody.
struct Lead {
    Voice voice;
    std::size_t first;
    std::size_t count;
};

struct Section {
    std::string_view name;
    const Bars *melody; // null: no lead
    const Bars &chords;
    std::vector<Lead> leads;
    Accompaniment accompaniment;
    Tambourine tambourine;
};

std::vector<Section> Arrangement()
{
    return {
        {"intro", nullptr, kIntroChords, {}, Accompaniment::Arpeggio, Tambourine::Off},
        {"A theme", &kTheme, kThemeChords, {{kClarinetLead, 0, 16}}, Accompaniment::Barcarolle, Tambourine::Light},
        {"A' second tune",
         &kCounter,
         kThemeChords,
         {{kFluteLead, 0, 8}, {kGuitarLead, 8, 8}},
         Accompaniment::Arpeggio,
         Tambourine::Off},
        {"B C major",
         &kMiddle,
         kMiddleChords,
         {{kFluteLead, 0, 8}, {kClarinetHigh, 8, 8}},
         Accompaniment::Arpeggio,
         Tambourine::Off},
        {"C interlude", &kInterlude, kInterludeChords, {{kOboeLead, 0, 8}}, Accompaniment::Pad, Tambourine::Off},
        {"A theme again",
         &kTheme,
         kThemeChords,
         {{kClarinetLead, 0, 8}, {kFluteLead, 8, 8}},
         Accompaniment::Barcarolle,
         Tambourine::Light},
        {"coda", &kCoda, kCodaChords, {{kClarinetHigh, 0, 6}}, Accompaniment::Barcarolle, Tambourine::Off},
    };
}

std::vector<MidiTrack> Compose()
{
    MidiTrack conductor;
    conductor.Name(0, "10carte");
    conductor.TimeSignature(0, 6, 3);
    conductor.KeySignature(0, 0, KeyMode::Minor);
    conductor.Tempo(0, kMicrosPerQuarter);

    Band band(kParts, kAccompanists);
    std::uint32_t now = 0;
    const std::vector<Section> sections = Arrangement();
    for (const Section &section : sections) {
        if (section.melody && section.melody->size() != section.chords.size()) {
            throw std::logic_error("a section's melody and chords differ in length");
        }
        conductor.Marker(now, section.name);
        for (const Lead &lead : section.leads) {
            if (lead.first + lead.count > section.chords.size()) {
                throw std::logic_error("a lead runs past its section");
            }
            const std::span<const std::string_view> bars(section.melody->data() + lead.first, lead.count);
            PlayLine(band.Track(lead.voice.channel), lead.voice, kSixEight,
                     now + static_cast<std::uint32_t>(lead.first) * kSixEight.barTicks(), bars);
        }
        for (std::size_t bar = 0; bar < section.chords.size(); ++bar) {
            // The tune's very last bar is its held final chord.
            const bool last = &section == &sections.back() && bar + 1 == section.chords.size();
            band.AccompanyBar(now, section.chords[bar], last ? Accompaniment::Closing : section.accompaniment);
            band.TambourineBar(now, section.tambourine);
            now += kSixEight.barTicks();
        }
    }

    // A short breath after the last chord lets it fade before a restart.
    return band.Tracks(conductor, now + kSixEight.ticksPerStep);
}

} // namespace

int main(int argc, char **argv)
{
    return GenerateFile(argc, argv, "<output.mid>", [] { return EncodeMidiFile(kTicksPerQuarter, Compose()); });
}
