// The end-of-game tune: a bright flourish in A major, the game tune's key
// turned to major, under ten seconds with its final chord ringing out. The
// trumpet quotes the game tune's opening in major over a struck, held chord,
// a clarinet sings in thirds and sixths under it, and the band grows into
// the last bar through a timpani roll: one full chord with the cymbals and
// the timpani, the loudest moment, the trumpet on the tonic at its highest
// and held with the chord, the crash ringing under it.
// No part climbs above C7 or plays harder than velocity 100, so it rings
// rather than shrieks.
#include "band.h"
#include "tunes.h"

#include <array>
#include <span>
#include <string_view>
#include <utility>

namespace belvane::sound {

namespace {

// Dotted quarter = 96: quicker than the game tune, a festive dance.
constexpr std::uint32_t kMicrosPerQuarter = 60'000'000u * 2 / (96 * 3);
constexpr std::uint32_t kSeed = 2020;

constexpr std::uint8_t kTrumpet = kEndTuneLead;
constexpr std::uint8_t kClarinet = kEndTuneSecond;
constexpr std::uint8_t kAccordion = 4;
constexpr std::uint8_t kBass = kEndTuneBass;
constexpr std::uint8_t kHarp = 6;
constexpr std::uint8_t kTimpani = 7; // with the band, not the leads

constexpr Part kParts[] = {
    {kTrumpet, program::kTrumpet, 122, 60, 50, "Trumpet"},
    {kClarinet, program::kClarinet, 127, 70, 56, "Clarinet"},
    {kAccordion, program::kAccordion, 108, 48, 48, "Accordion"},
    {kBass, program::kAcousticBass, 120, 64, 24, "Bass"},
    {kHarp, program::kHarp, 84, 84, 56, "Harp"},
    {kTimpani, program::kTimpani, 120, 64, 40, "Timpani"},
    {kDrums, 0, 127, 64, 40, "Cymbal"}, // full: the crash is the chord's splash
};
constexpr Accompanists kAccompanists{kBass, kAccordion, kAccordion, kHarp, kAccordion};

// Steps are sixteenths. The trumpet opens on the downbeat with a quick
// rising arpeggio that lands on the game tune's first notes in major, an
// octave up where the trumpet rings, and climbs bar by bar, over the held
// dominant, to its highest note, the tonic, on the final chord, held as long
// as the chord: the summit comes once, at the end.
constexpr std::array<std::string_view, 6> kMelody = {
    "E4/1 A4/1 C#5/1 E5/3 F#5/1 E5/2 C#5/2 B4/1",
    "C#5/4 D5/2 E5/6",
    "A4/3 B4/1 C#5/2 F#4/4 A4/2",
    "B4/2 D5/2 E5/2 C#5/4 A4/2",
    "B4/6 D5/2 F#5/2 G#5/2",
    "A5/18",
};
// A third or a sixth under the tune where it strikes, holding through its
// passing notes; it enters once the tune has climbed clear of the chords.
constexpr std::array<std::string_view, 6> kSecond = {
    "r/12", "A4/4 B4/2 C#5/6", "F#4/4 A4/2 D4/4 F#4/2", "D4/2 F#4/2 C#5/2 A4/4 F#4/2", "G#4/6 B4/2 D5/2 E5/2", "C#5/18",
};
constexpr std::array<std::string_view, 6> kChords = {"A", "A/C# F#m", "D", "Bm/D A/E", "E7", "A"};
// The band strikes the first chord, drops back and grows bar by bar into the final one.
constexpr std::array<int, 6> kLevels = {-3, -10, -8, -5, -1, 12};
constexpr Grid kLastBarGrid{kSixEightFine.ticksPerStep, 18}; // the final bar and a half

constexpr Voice kTrumpetLead{kTrumpet, 0, 92, 20, Articulation::Plain, 6};
constexpr Voice kClarinetSecond{kClarinet, 0, 76, 16, Articulation::Plain, 6};
// The trumpet's last note is already its loudest (the summit); the clarinet
// under it plays out.
constexpr int kFinalAccent = 0, kSecondFinalAccent = 6;

constexpr std::uint8_t kCrashKey = 49;
// The timpani: the tonic struck at the start and on the last chord, a roll
// on the dominant between.
constexpr std::uint8_t kTimpaniTonic = 45, kTimpaniDominant = 40; // A2, E2
constexpr std::uint8_t kHitVelocity = 100;
constexpr std::uint8_t kFirstHitVelocity = 86;                        // the opening stroke, under the last
constexpr std::array<std::uint8_t, 4> kFirstChord = {45, 52, 57, 61}; // A2 E3 A3 C#4, under the trumpet's E4
// The accordion spreads the final chord up to E5, filling the top between
// the clarinet's C#5 and the trumpet's A5.
constexpr std::array<std::uint8_t, 3> kFinalTop = {69, 73, 76}; // A4 C#5 E5
constexpr std::uint8_t kFinalTopVelocity = 64;
// A timpani roll grows through the dominant's second half into the last chord.
constexpr std::array<std::uint8_t, 6> kRoll = {44, 50, 56, 62, 68, 74};
constexpr std::uint32_t kFirstRollTicks = 15;
constexpr std::uint8_t kFirstChordVelocity = 72; // under the trumpet's first notes

} // namespace

std::vector<MidiTrack> ComposeEndTune()
{
    MidiTrack conductor;
    conductor.Name(0, "bump");
    conductor.TimeSignature(0, 6, 3);
    conductor.KeySignature(0, 3, KeyMode::Major);
    conductor.Tempo(0, kMicrosPerQuarter);

    Band band(kParts, kAccompanists, kSeed);
    band.SetScale(MajorScale(9));
    // The lines up to the last bar, then the last chord played out, harder.
    const std::uint32_t lastBar = (kChords.size() - 1) * kSixEight.barTicks();
    const int lastPlace = static_cast<int>(kChords.size() - 1);
    for (const auto &[line, voice] : {std::pair{&kMelody, kTrumpetLead}, std::pair{&kSecond, kClarinetSecond}}) {
        const std::span<const std::string_view> bars(*line);
        PlayLine(band.Track(voice.channel), voice, kSixEightFine, 0, bars.first(bars.size() - 1), band.Players());
        Voice out = voice;
        out.velocity =
            static_cast<std::uint8_t>(voice.velocity + (voice.channel == kTrumpet ? kFinalAccent : kSecondFinalAccent));
        PlayLine(band.Track(voice.channel), out, kLastBarGrid, lastBar, bars.last(1), band.Players(), lastPlace);
    }
    // The run into the last chord broadens a little, and the chord with it.
    conductor.Tempo(lastBar - kSixEight.barTicks() / 2, kMicrosPerQuarter * 106 / 100);
    band.SetClosingTicks(kLastBarGrid.barTicks());
    std::uint32_t now = 0;
    for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
        const bool last = bar + 1 == kChords.size();
        band.SetLevel(kLevels[bar]);
        // The dominant's bass holds its E, low, and falls a fifth to the
        // lowest A of the tune.
        band.SetWalk(bar + 2 < kChords.size());
        band.SetBassShift(bar + 2 >= kChords.size() ? -12 : 0);
        // The first bar holds its chord under the tune: a chord and a call.
        const Accompaniment style = last ? Accompaniment::Closing
            : bar == 0                   ? Accompaniment::Pad
                                         : Accompaniment::Tarantella;
        band.AccompanyBar(now, kChords[bar], style, kChords[last ? bar : bar + 1]);
        if (bar == 0) {
            // The first downbeat is struck at once by the whole band: the
            // harp spreads the tonic chord quickly under the timpani.
            band.Track(kTimpani).Note(now, kTimpani, kTimpaniTonic, kFirstHitVelocity, kSixEight.barTicks() / 2);
            for (std::uint32_t i = 0; i < kFirstChord.size(); ++i) {
                band.Track(kHarp).Note(now + i * kFirstRollTicks, kHarp, kFirstChord[i], kFirstChordVelocity,
                                       kSixEight.barTicks() / 2);
            }
        }
        if (bar + 2 == kChords.size()) {
            for (std::uint32_t i = 0; i < kRoll.size(); ++i) {
                band.Track(kTimpani).Note(now + kSixEight.barTicks() / 2 + i * kSixEightFine.ticksPerStep, kTimpani,
                                          kTimpaniDominant, kRoll[i], kSixEightFine.ticksPerStep - 10);
            }
        }
        if (last) {
            // The crash rings under the whole chord: struck short, the
            // synthesiser cuts it before it is heard.
            band.Percussion(now, kCrashKey, kHitVelocity, kLastBarGrid.barTicks());
            band.Track(kTimpani).Note(now, kTimpani, kTimpaniTonic, kHitVelocity, kLastBarGrid.barTicks());
            for (const std::uint8_t key : kFinalTop) {
                band.Track(kAccordion).Note(now, kAccordion, key, kFinalTopVelocity, kLastBarGrid.barTicks());
            }
        }
        now += last ? kLastBarGrid.barTicks() : kSixEight.barTicks();
    }
    // A bar more lets the last chord, the roll and the cymbal ring out.
    return band.Tracks(conductor, now + kSixEight.barTicks());
}

} // namespace belvane::sound
