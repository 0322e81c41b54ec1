// The game tune: a calm siciliano in A minor, 6/8, about two and three
// quarter minutes, so that a session hears it only a few times. Its form:
//
//   intro   4 bars  A minor   harp and bass alone, a lament bass A G F E
//   A      16 bars  A minor   the theme, clarinet: a phrase halting on the
//                             dominant, one turning to C major, and one that
//                             cadences deceptively onto F
//   A'     16 bars  A minor   a second, slower tune over the harp, flute; then
//                             guitar in tremolo over strings, turning to C
//   B      16 bars  C major   the middle tune, flute then clarinet, back
//                             through A minor to the dominant of D minor
//   C       8 bars  D minor   a sparse interlude: oboe over strings, through
//                             the Neapolitan chord to the dominant of A minor
//   A      16 bars  A minor   the theme again, reharmonised, clarinet then flute
//   coda    6 bars  A minor   a cadence, the final chord, and a bar on the
//                             dominant that leads back into the intro
//
// Melodies are written in sixteenths (kSixEightFine), so the siciliano's
// dotted rhythm can be spelled. The lead passes from instrument to
// instrument, each above the accompaniment's register and a few decibels
// over it, and rests between phrases; the intro and the interlude are the
// quiet places. Each section starts with a marker naming it.
#include "band.h"
#include "tunes.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace belvane::sound {

namespace {

// Dotted quarter = 60: a rocking two beats a bar, unhurried.
constexpr std::uint32_t kMicrosPerQuarter = 60'000'000u * 2 / (60 * 3);
constexpr std::uint32_t kSeed = 1010;
// The players broaden the second beat of a section's last bar, as singers
// take breath at a phrase's end (the coda's final chord, not its bar on the
// dominant, which must run on into the intro in time).
constexpr std::uint32_t kBroadenedMicros = kMicrosPerQuarter * 108 / 100;

// Channels: the leads first, then the accompaniment.
constexpr std::uint8_t kGuitar = 0;
constexpr std::uint8_t kFlute = 1;
constexpr std::uint8_t kClarinet = 2;
constexpr std::uint8_t kOboe = 3;
constexpr std::uint8_t kAccordion = 4;
constexpr std::uint8_t kBass = kGameTuneBass;
constexpr std::uint8_t kHarp = 6;
constexpr std::uint8_t kChords = 7;
constexpr std::uint8_t kStrings = 8;

constexpr Part kParts[] = {
    {kGuitar, program::kNylonGuitar, 127, 58, 40, "Guitar"},
    {kFlute, program::kFlute, 124, 72, 56, "Flute"},
    {kClarinet, program::kClarinet, 127, 56, 50, "Clarinet"},
    {kOboe, program::kOboe, 112, 68, 56, "Oboe"},
    {kAccordion, program::kAccordion, 120, 46, 48, "Accordion"},
    {kBass, program::kAcousticBass, 120, 64, 24, "Bass"},
    {kHarp, program::kHarp, 108, 82, 56, "Harp"},
    {kChords, program::kNylonGuitar, 118, 44, 40, "Guitar chords"},
    {kStrings, program::kStrings, 120, 64, 64, "Strings"},
    {kDrums, 0, 110, 70, 30, "Tambourine"},
};
constexpr Accompanists kAccompanists{kBass, kChords, kAccordion, kHarp, kStrings};

using Bars = std::vector<std::string_view>;

// ---- Melodies (steps are sixteenths) and their chords, bar by bar ----

const Bars kIntroChords = {"Am", "Am7/G", "F", "E7"};

// The theme: the first phrase halts on the dominant, the second moves to C
// major, the answer climbs to its peak (a held G) and falls, over leaning
// notes, to a deceptive cadence; the reprise closes it on the tonic.
const Bars kTheme = {
    "E5/3 F5/1 E5/2 A5/4 B5/2", "C6/4 D6/2 E6/6",      "F5/2 G5/2 A5/2 D6/4 B5/2", "C6/4 B5/2 G#5/4 r/2",
    "r/2 A5/2 C6/2 E6/6",       "E6/4 D6/2 A5/3 F5/3", "A5/2 C6/6 B5/2 D6/2",      "E6/6 r/4 E5/2",
    "A5/4 B5/2 C6/3 E6/3",      "D6/4 B5/2 G5/4 r/2",  "E6/2 F6/2 G6/8",           "F6/4 E6/2 D6/4 C6/2",
    "G6/4 F6/2 C6/3 D6/3",      "A5/2 D6/4 C6/4 B5/2", "G#5/6 B5/3 D6/3",          "C6/6 r/6"};
const Bars kThemeChords = {"Am", "Am/C", "Dm/F Dm/A", "E", "Am",   "Dm/F",  "F G7",    "C",
                           "Am", "G",    "C C/E",     "F", "Dm/F", "Dm7/F", "E7/B E7", "F"};
// The theme's return, ornamented: turns, and a run up to the leading note
// handing the tune from the clarinet to the flute, which takes it on in the
// same octave; with other basses and chords.
const Bars kThemeReturn = {"E5/3 F5/1 E5/2 A5/4 B5/2",
                           "C6/4 D6/1 C6/1 E6/4 C6/2",
                           "F5/2 G5/2 A5/2 D6/4 C6/2",
                           "B5/3 C6/1 B5/2 G#5/2 A5/1 B5/1 r/2",
                           "A5/2 C6/2 E6/8",
                           "F6/3 E6/3 D6/4 A5/2",
                           "C6/4 A5/2 B5/2 C6/2 D6/2",
                           "E6/4 B5/2 C6/1 D6/1 E6/1 F#6/1 G#6/2",
                           "A5/6 B5/2 E6/2 C6/2",
                           "D6/4 B5/2 G5/4 r/2",
                           "E6/2 F6/2 G6/8",
                           "F6/4 E6/2 D6/4 C6/2",
                           "F6/2 E6/2 D6/2 C6/6",
                           "D6/2 C6/4 B5/2 G#5/2 A5/2",
                           "G#5/3 A5/1 B5/2 D6/3 C6/1 B5/2",
                           "A5/6 r/6"};
const Bars kThemeAgainChords = {"Am",   "C/E", "Dm",    "E7", "Am/C", "Dm Dm/F", "Am/E E",   "E7",
                                "Am/C", "G",   "C C/E", "F",  "Dm",   "Dm7 E7",  "E7 E7/G#", "Am"};

// Under the flute's half of the reprise, the strings again.
const Bars kThemeCounter = {"E4/6 A4/6", "B4/6 D5/6", "C5/6 G4/6", "A4/6 C5/6",
                            "A4/6 F4/6", "F4/6 E4/6", "D4/6 E4/6", "C4/6 r/6"};

// A second, slower tune: long notes and sighs, entering after a bar of harp;
// its second half, on the guitar, turns to the dominant of C major.
const Bars kCounter = {
    "r/8 A5/2 C6/2",
    "F6/8 E6/2 D6/2",
    "D6/3 C6/1 B5/2 G#5/6",
    "A5/6 r/4 C6/2",
    "A6/8 F6/2 G6/2",
    "E6/6 G6/6",
    "F6/4 E6/2 D6/3 C6/1 B5/2",
    "C6/6 r/6",
    "r/6 A5/4 B5/2",
    "D6/4 C6/2 B5/4 G#5/2",
    "A5/6 C6/4 E6/2",
    "E6/6 G6/6",
    "F6/4 E6/2 D6/3 A5/3",
    "B5/2 D6/2 F6/2 E6/2 D6/2 B5/2",
    "E6/4 C6/2 G5/2 A5/2 B5/2",
    "D6/2 E6/2 F6/2 D6/3 B5/3",
};
const Bars kCounterChords = {"Am", "Dm/F", "E7/B", "Am",    "F/A", "C/E", "Dm7 G7", "C",
                             "Am", "E7/B", "Am/C", "A7/C#", "Dm",  "G7",  "C",      "G7/B"};

// The middle tune sings in C major; its answer turns through A minor to the
// dominant of D minor, where the interlude begins.
const Bars kMiddle = {
    "G5/2 C6/4 E6/4 D6/2", "B5/3 C6/1 D6/2 F6/4 E6/2", "E6/6 r/4 G5/2",        "A5/3 C6/3 E6/3 F6/3",
    "E6/3 D6/3 C6/4 A5/2", "C6/4 E6/2 G6/3 F6/1 E6/2", "F6/4 D6/2 B5/3 G#5/3", "A5/6 r/6",
    "r/6 E5/4 A5/2",       "B5/4 A5/2 G5/6",           "A5/2 B5/2 C6/8",       "D6/6 B5/2 C6/2 D6/2",
    "E6/8 D6/2 C6/2",      "D6/2 F6/4 E6/2 D6/2 A5/2", "C6/4 B5/2 G#5/3 B5/3", "C#6/6 r/6",
};
// Under the flute's first half, the strings move slowly in the middle
// register, against the tune and while it rests; the high flute is not left
// alone over the harp.
const Bars kMiddleCounter = {"E4/12",     "F4/6 D4/6", "E4/6 G4/6", "C5/6 A4/6",
                             "A4/6 F4/6", "E4/6 G4/6", "A4/6 B4/6", "C5/12"};
const Bars kMiddleChords = {"C",    "G7/D", "C/E", "F/A",   "Dm7", "C/G",  "Dm7/F E7", "Am",
                            "Am/C", "Em/G", "F",   "E7/G#", "Am",  "Dm/F", "E7",       "A7"};

// The interlude: few notes, long ones; the Neapolitan chord (B flat over D)
// turns to the dominant of A minor, and a bar of strings alone.
const Bars kInterlude = {
    "r/6 A4/4 D5/2",  "D5/4 G5/2 F5/3 E5/1 D5/2", "E5/6 G5/6",      "F5/6 r/4 A4/2",
    "D5/2 F5/2 A5/8", "Bb5/4 A5/2 F5/6",          "E5/4 D5/2 B4/6", "r/12",
};
const Bars kInterludeChords = {"Dm", "Gm/Bb", "A7/C#", "Dm", "Dm/F", "Bb/D", "E7", "E7"};

// The last bar is the dominant again, so that the intro follows on.
const Bars kCoda = {
    "F5/4 E5/2 D5/3 F5/3",      "E5/6 B4/4 D5/2", "C5/2 D5/2 E5/2 A4/6",
    "D5/2 E5/2 F5/2 B4/4 D5/2", "C5/4 B4/2 A4/6", "r/12",
};
const Bars kCodaChords = {"Dm", "Am/E E7", "F", "Dm E7", "Am", "E7 E7/G#"};

// ---- Arrangement ----

// {channel, transpose, velocity, gap, articulation, onset spread}
constexpr Voice kClarinetLow{kClarinet, -12, 78, 14, Articulation::Plain, 8};
constexpr Voice kClarinetLowLoud{kClarinet, -12, 89, 14, Articulation::Plain, 8};
constexpr Voice kClarinetHigh{kClarinet, 0, 76, 14, Articulation::Plain, 8};
constexpr Voice kClarinetSinging{kClarinet, 0, 80, 14, Articulation::Plain, 8};
// The second tune lies an octave low on the flute, close over the harp.
constexpr Voice kFluteSoft{kFlute, -12, 90, 14, Articulation::Plain, 8};
constexpr Voice kFluteLead{kFlute, 0, 82, 14, Articulation::Plain, 8};
constexpr Voice kGuitarLead{kGuitar, -12, 90, 20, Articulation::Tremolo, 8};
constexpr Voice kOboeLead{kOboe, 0, 58, 14, Articulation::Plain, 8};
constexpr Voice kStringsCounter{kStrings, 0, 46, 30, Articulation::Plain, 5};

// One instrument playing bars [first, first + count) of a section's melody.
struct Lead {
    Voice voice;
    std::size_t first;
    std::size_t count;
};

// The accompaniment's own figure from a bar of the section on.
struct Texture {
    std::size_t from;
    Accompaniment accompaniment;
};

struct Section {
    std::string_view name;
    const Bars *melody; // null: no lead
    const Bars &chords;
    std::vector<Lead> leads;
    std::vector<Texture> textures;
    Tambourine tambourine;
    int level; // the accompaniment's velocity offset: the section's dynamic
    Scale scale;
    const Bars *counter = nullptr; // a middle line under a high lead
    std::size_t counterFrom = 0;   // the bar of the section it enters on
};

std::vector<Section> Arrangement()
{
    const Scale aMinor = MinorScale(9), cMajor = MajorScale(0), dMinor = MinorScale(2);
    return {
        {"intro", nullptr, kIntroChords, {}, {{0, Accompaniment::Arpeggio}}, Tambourine::Off, -12, aMinor},
        {"A theme",
         &kTheme,
         kThemeChords,
         {{kClarinetLow, 0, 16}},
         {{0, Accompaniment::Barcarolle}},
         Tambourine::Light,
         -4,
         aMinor},
        {"A' second tune",
         &kCounter,
         kCounterChords,
         {{kFluteSoft, 0, 8}, {kGuitarLead, 8, 8}},
         {{0, Accompaniment::Arpeggio}, {8, Accompaniment::Pad}},
         Tambourine::Off,
         -6,
         aMinor},
        {"B C major",
         &kMiddle,
         kMiddleChords,
         {{kFluteLead, 0, 8}, {kClarinetSinging, 8, 8}},
         {{0, Accompaniment::Arpeggio}, {8, Accompaniment::Barcarolle}},
         Tambourine::Off,
         -2,
         cMajor,
         &kMiddleCounter},
        {"C interlude",
         &kInterlude,
         kInterludeChords,
         {{kOboeLead, 0, 8}},
         {{0, Accompaniment::Pad}},
         Tambourine::Off,
         -13,
         dMinor},
        {"A theme again",
         &kThemeReturn,
         kThemeAgainChords,
         {{kClarinetLowLoud, 0, 8}, {kFluteLead, 8, 8}},
         {{0, Accompaniment::Barcarolle}},
         Tambourine::Full,
         6,
         aMinor,
         &kThemeCounter,
         8},
        {"coda",
         &kCoda,
         kCodaChords,
         {{kClarinetHigh, 0, 6}},
         {{0, Accompaniment::Barcarolle}, {4, Accompaniment::Closing}, {5, Accompaniment::Arpeggio}},
         Tambourine::Off,
         -6,
         aMinor},
    };
}

std::string_view PartName(std::uint8_t channel)
{
    for (const Part &part : kParts) {
        if (part.channel == channel) {
            return part.name;
        }
    }
    return {};
}

Accompaniment TextureAt(const Section &section, std::size_t bar)
{
    Accompaniment style = section.textures.front().accompaniment;
    for (const Texture &texture : section.textures) {
        if (texture.from <= bar) {
            style = texture.accompaniment;
        }
    }
    return style;
}

} // namespace

std::vector<MidiTrack> ComposeGameTune()
{
    MidiTrack conductor;
    conductor.Name(0, "10carte");
    conductor.TimeSignature(0, 6, 3);
    conductor.KeySignature(0, 0, KeyMode::Minor);
    conductor.Tempo(0, kMicrosPerQuarter);

    Band band(kParts, kAccompanists, kSeed);
    const std::vector<Section> sections = Arrangement();
    // Every chord bar of the tune in order, so each bar knows the next; the
    // last leads back to the first.
    std::vector<std::string_view> chordBars;
    for (const Section &section : sections) {
        if (section.melody && section.melody->size() != section.chords.size()) {
            throw std::logic_error("a section's melody and chords differ in length");
        }
        chordBars.insert(chordBars.end(), section.chords.begin(), section.chords.end());
    }

    std::uint32_t now = 0;
    std::size_t tuneBar = 0;
    for (const Section &section : sections) {
        conductor.Marker(now, section.name);
        const bool lastSection = &section == &sections.back();
        const std::uint32_t broadened =
            now + static_cast<std::uint32_t>(section.chords.size() - (lastSection ? 2 : 1)) * kSixEight.barTicks();
        conductor.Tempo(broadened + kSixEight.barTicks() / 2, kBroadenedMicros);
        conductor.Tempo(broadened + kSixEight.barTicks(), kMicrosPerQuarter);
        for (const Lead &lead : section.leads) {
            // A lead taking over within a section gets a marker of its own.
            if (lead.first > 0) {
                conductor.Marker(now + static_cast<std::uint32_t>(lead.first) * kSixEight.barTicks(),
                                 std::string(section.name) + ", " + std::string(PartName(lead.voice.channel)));
            }
            if (lead.first + lead.count > section.chords.size()) {
                throw std::logic_error("a lead runs past its section");
            }
            const std::span<const std::string_view> bars(section.melody->data() + lead.first, lead.count);
            PlayLine(band.Track(lead.voice.channel), lead.voice, kSixEightFine,
                     now + static_cast<std::uint32_t>(lead.first) * kSixEight.barTicks(), bars, band.Players(),
                     static_cast<int>(lead.first % 8));
        }
        if (section.counter) {
            PlayLine(band.Track(kStringsCounter.channel), kStringsCounter, kSixEightFine,
                     now + static_cast<std::uint32_t>(section.counterFrom) * kSixEight.barTicks(), *section.counter,
                     band.Players());
        }
        band.SetScale(section.scale);
        for (std::size_t bar = 0; bar < section.chords.size(); ++bar, ++tuneBar) {
            // The accompaniment swells and ebbs with the phrase, more gently than the lead.
            band.SetLevel(section.level + kPhraseArc[bar % 8] / 2);
            band.AccompanyBar(now, section.chords[bar], TextureAt(section, bar),
                              chordBars[(tuneBar + 1) % chordBars.size()]);
            band.TambourineBar(now, section.tambourine);
            now += kSixEight.barTicks();
        }
    }
    // The file ends on the bar line: a restart keeps the pulse.
    return band.Tracks(conductor, now);
}

} // namespace belvane::sound
