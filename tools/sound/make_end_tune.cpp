// Writes the end-of-game tune: a bright five-bar flourish in A major, the
// game tune's key turned to major, about seven seconds with its final chord.
// A trumpet leads with a glockenspiel an octave above it over a quick
// tarantella, and the last bar is one loud hit: the whole band, a crash
// cymbal and the timpani.
//
// Usage: belvane_make_end_tune <output.mid>
#include "band.h"

#include <array>
#include <exception>
#include <string_view>

namespace {

using namespace belvane::sound;

// Dotted quarter = 96: quicker than the game tune, a festive dance.
constexpr std::uint32_t kMicrosPerQuarter = 60'000'000u * 2 / (96 * 3);

constexpr std::uint8_t kTrumpet = 0;
constexpr std::uint8_t kGlockenspiel = 1;
constexpr std::uint8_t kFlute = 2;
constexpr std::uint8_t kAccordion = 4;
constexpr std::uint8_t kBass = 5;
constexpr std::uint8_t kHarp = 6;

constexpr Part kParts[] = {
    {kTrumpet, program::kTrumpet, 104, 60, 50, "Trumpet"},
    {kGlockenspiel, program::kGlockenspiel, 127, 80, 60, "Glockenspiel"},
    {kFlute, program::kFlute, 96, 72, 56, "Flute"},
    {kAccordion, program::kAccordion, 104, 40, 48, "Accordion"},
    {kBass, program::kAcousticBass, 112, 64, 24, "Bass"},
    {kHarp, program::kHarp, 108, 88, 56, "Harp"},
    {kDrums, 0, 96, 70, 40, "Percussion"},
};
constexpr Accompanists kAccompanists{kBass, kAccordion, kAccordion, kHarp, kAccordion};

constexpr std::array<std::string_view, 5> kMelody = {
    "E4/1 A4/1 C#5/1 E5/1 A5/1 C#6/1",
    "D6/2 A5/1 B5/2 G#5/1",
    "C#6/1 E6/1 C#6/1 B5/1 D6/1 B5/1",
    "F#6/2 E6/1 D6/2 B5/1",
    "A5/6",
};
constexpr std::array<std::string_view, 5> kChords = {"A", "D E7", "A E7", "D E7", "A"};

constexpr Voice kTrumpetLead{kTrumpet, 0, 100, 20};
constexpr Voice kGlockenspielTop{kGlockenspiel, 12, 112, 0};
constexpr Voice kFluteDouble{kFlute, 12, 70, 10};

constexpr std::uint8_t kCrashKey = 49;
constexpr std::uint8_t kTimpaniKey = 41; // low floor tom: the nearest to a timpani stroke in the kit
constexpr std::uint8_t kHitVelocity = 110;

std::vector<MidiTrack> Compose()
{
    MidiTrack conductor;
    conductor.Name(0, "bump");
    conductor.TimeSignature(0, 6, 3);
    conductor.KeySignature(0, 3, KeyMode::Major);
    conductor.Tempo(0, kMicrosPerQuarter);

    Band band(kParts, kAccompanists);
    for (const Voice &lead : {kTrumpetLead, kGlockenspielTop, kFluteDouble}) {
        PlayLine(band.Track(lead.channel), lead, kSixEight, 0, kMelody);
    }
    std::uint32_t now = 0;
    for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
        const bool last = bar + 1 == kChords.size();
        band.AccompanyBar(now, kChords[bar], last ? Accompaniment::Closing : Accompaniment::Tarantella);
        if (last) {
            band.Percussion(now, kCrashKey, kHitVelocity);
            band.Percussion(now, kTimpaniKey, kHitVelocity);
        } else {
            band.TambourineBar(now, Tambourine::Full);
        }
        now += kSixEight.barTicks();
    }
    // Three eighths more let the last chord ring out.
    return band.Tracks(conductor, now + 3 * kSixEight.ticksPerStep);
}

} // namespace

int main(int argc, char **argv)
{
    return GenerateFile(argc, argv, "<output.mid>", [] { return EncodeMidiFile(kTicksPerQuarter, Compose()); });
}
