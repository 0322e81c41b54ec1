#include "midi_file.h"
#include "score.h"
#include "wave_file.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace belvane::sound {
namespace {

Bytes Chunk(std::uint8_t length, Bytes body)
{
    body.insert(body.begin(), {'M', 'T', 'r', 'k', 0, 0, 0, length});
    return body;
}

TEST(MidiEncoding, QuantitiesTracksAndFileHeader)
{
    const std::pair<std::uint32_t, Bytes> quantities[] = {{0, {0x00}},
                                                          {0x7F, {0x7F}},
                                                          {0x80, {0x81, 0x00}},
                                                          {0x3FFF, {0xFF, 0x7F}},
                                                          {0x4000, {0x81, 0x80, 0x00}},
                                                          {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}};
    for (const auto &[value, bytes] : quantities) {
        Bytes out;
        AppendVlq(out, value);
        EXPECT_EQ(out, bytes) << value;
    }

    // Added out of order: a repeated key ends before it sounds again, and the
    // program change at the same tick comes first; an early end is ignored.
    MidiTrack track;
    track.Note(100, 0, 60, 90, 100);
    track.Note(0, 0, 60, 80, 100);
    track.Program(0, 0, 24);
    track.EndAt(150);
    EXPECT_EQ(track.Chunk(), Chunk(23, {0x00, 0xC0, 24, 0x00, 0x90, 60, 80, 0x64, 0x80, 60,   64,  0x00,
                                        0x90, 60,   90, 0x64, 0x80, 60, 64, 0x00, 0xFF, 0x2F, 0x00}));
    MidiTrack silent;
    silent.EndAt(0x80);
    EXPECT_EQ(silent.Chunk(), Chunk(5, {0x81, 0x00, 0xFF, 0x2F, 0x00}));

    std::array<MidiTrack, 2> tracks;
    tracks[0].Tempo(0, 500000);
    tracks[0].TimeSignature(0, 6, 3);
    Bytes expected = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0};
    for (const Bytes &c : {Chunk(19,
                                 {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x58, 0x04, 6, 3, 24, 8, 0x00,
                                  0xFF, 0x2F, 0x00}),
                           Chunk(4, {0x00, 0xFF, 0x2F, 0x00})})
        expected.insert(expected.end(), c.begin(), c.end());
    EXPECT_EQ(EncodeMidiFile(480, tracks), expected);
}

TEST(MidiEncoding, RejectsValuesThatDoNotFitTheirBytes)
{
    Bytes out;
    EXPECT_THROW(AppendVlq(out, 0x10000000), std::out_of_range);
    MidiTrack track;
    EXPECT_THROW(track.Note(0, 16, 60, 90, 10), std::out_of_range);
    EXPECT_THROW(track.Note(0, 0, 128, 90, 10), std::out_of_range);
    EXPECT_THROW(track.Note(0, 0, 60, 0, 10), std::invalid_argument);
    EXPECT_THROW(track.Tempo(0, 0x1000000), std::out_of_range);
    EXPECT_THROW(EncodeMidiFile(480, {}), std::invalid_argument);
}

TEST(WaveEncoding, HeaderDescribesTheSamples)
{
    const std::array<std::int16_t, 4> samples = {0, -1, 0x1234, -32768};
    const Bytes expected = {
        'R', 'I', 'F', 'F', 44, 0, 0,    0,    'W', 'A', 'V',  'E',  'f',  'm',  't',  ' ', 16, 0,
        0,   0,   1,   0,   2,  0, 0x44, 0xAC, 0,   0,   0x10, 0xB1, 0x02, 0,    4,    0,   16, 0,
        'd', 'a', 't', 'a', 8,  0, 0,    0,    0,   0,   0xFF, 0xFF, 0x34, 0x12, 0x00, 0x80}; // 44100 Hz, 176400
                                                                                              // bytes/s, stereo, 16
                                                                                              // bits
    EXPECT_EQ(EncodeWavePcm16(samples, 44100, 2), expected);
    EXPECT_THROW(EncodeWavePcm16(std::span(samples).first(3), 44100, 2), std::invalid_argument);
}

TEST(ScoreNotation, KeysBarsAndChords)
{
    // Scientific pitch; the octave belongs to the letter, so Cb4 is B3.
    const std::pair<const char *, int> keys[] = {{"C4", 60},  {"A4", 69},  {"G#5", 80},
                                                 {"Bb3", 58}, {"Cb4", 59}, {"B#3", 60}};
    for (const auto &[name, key] : keys)
        EXPECT_EQ(ParseKey(name), key) << name;
    for (const char *bad : {"H4", "C", "c4", "C#", "C4x", "Cb-1", "G10"})
        EXPECT_THROW(ParseKey(bad), std::invalid_argument) << bad;

    const std::vector<Step> bar = ParseBar("  E5/2 r/1  G#4/3 ", 6);
    ASSERT_EQ(bar.size(), 3u);
    EXPECT_EQ(bar[0].key, 76);
    EXPECT_EQ(bar[0].steps, 2);
    EXPECT_EQ(bar[1].key, kRestKey);
    EXPECT_EQ(bar[2].key, 68);
    for (const char *bad : {"E5/2 A5/1", "E5/4 A5/3", "E5/0 A5/6", "E5 A5/6", ""})
        EXPECT_THROW(ParseBar(bad, 6), std::invalid_argument) << bad;

    const Chord e7 = ParseChord("E7");
    EXPECT_EQ(e7.root, 4);
    EXPECT_EQ(e7.intervals, (std::vector<int>{0, 4, 7, 10}));
    EXPECT_EQ(ParseChord("Bbm").root, 10);
    EXPECT_EQ(ParseChord("Bbm").intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_THROW(ParseChord("Esus4"), std::invalid_argument);
    // Half-diminished: a diminished fifth and a minor seventh, not a plain minor seventh.
    EXPECT_EQ(ParseChord("Bm7b5/D").intervals, (std::vector<int>{0, 3, 6, 10}));
    EXPECT_EQ(ParseChord("Bm7b5/D").bass, 2);
    // Each tone at its lowest key from G3 upwards: E7 over G3 is G#3 B3 D4 E4.
    EXPECT_EQ(ChordKeys(e7, 55), (std::vector<int>{56, 59, 62, 64}));
    EXPECT_EQ(KeyAtOrAbove(7, 55), 55);
    EXPECT_EQ(KeyAtOrAbove(6, 55), 66);
    EXPECT_EQ(ParseChordBar("Dm G7").size(), 2u);
    // A slash names the bass of an inversion; without one the root is the bass.
    EXPECT_EQ(ParseChord("E7/G#").bass, 8);
    EXPECT_EQ(ParseChord("E7/G#").root, 4);
    EXPECT_EQ(ParseChord("Bbm").bass, 10);
    EXPECT_THROW(ParseChord("C/"), std::invalid_argument);
    EXPECT_THROW(ParseChord("C/Gm"), std::invalid_argument);
    EXPECT_THROW(ParseChordBar(""), std::invalid_argument);
    EXPECT_THROW(ParseChordBar("C F G"), std::invalid_argument);
}

// The note-ons (tick, key, velocity) of a chunk written by MidiTrack: no running status.
std::vector<std::array<int, 3>> NoteOns(const Bytes &chunk)
{
    std::vector<std::array<int, 3>> found;
    int tick = 0;
    for (std::size_t at = 8; at < chunk.size();) {
        int delta = 0;
        do
            delta = (delta << 7) | (chunk[at] & 0x7F);
        while (chunk[at++] & 0x80);
        tick += delta;
        const int kind = chunk[at] & 0xF0;
        if (kind == 0x90)
            found.push_back({tick, chunk[at + 1], chunk[at + 2]});
        at += chunk[at] == 0xFF ? 3 + chunk[at + 2] : kind == 0xC0 ? 2 : 3;
    }
    return found;
}

TEST(ScoreNotation, PlayLineShapesTheLineAndSustainsWholeBarsInTremolo)
{
    const Grid grid{240, 6};
    const std::array<std::string_view, 2> bars = {"A4/1 r/2 C5/3", "E5/6"};
    // Without timing spread: the phrase's arc per bar (-5, -2), the leaning
    // beats (+3 and +1), the height in the line (centre C5: -1, 0, +2), +3
    // for the summit E5, and -5 for the A4 that a rest follows and the E5
    // that ends the line.
    MidiTrack plain;
    Feel steady(1);
    EXPECT_EQ(PlayLine(plain, Voice{0, 12, 80, 0, Articulation::Plain, 0}, grid, 1440, bars, steady), 3u * 1440u);
    EXPECT_EQ(NoteOns(plain.Chunk()),
              (std::vector<std::array<int, 3>>{{1440, 81, 72}, {2160, 84, 76}, {2880, 88, 81}}));

    // With a spread, onsets stray within it and the same seed plays the same.
    MidiTrack loose, again;
    Feel one(7), two(7);
    PlayLine(loose, Voice{0, 0, 80, 20, Articulation::Plain, 8}, grid, 1440, bars, one);
    PlayLine(again, Voice{0, 0, 80, 20, Articulation::Plain, 8}, grid, 1440, bars, two);
    EXPECT_EQ(loose.Chunk(), again.Chunk());
    const auto strayed = NoteOns(loose.Chunk());
    const int nominal[] = {1440, 2160, 2880};
    bool anyOff = false;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_LE(std::abs(strayed[i][0] - nominal[i]), 8);
        anyOff = anyOff || strayed[i][0] != nominal[i];
    }
    EXPECT_TRUE(anyOff);

    // Only the whole-bar E5 is sustained: 17 strokes every 80 ticks in the
    // 1440 - 40 it sounds; the shorter A4 and C5 are struck once.
    MidiTrack tremolo;
    Feel feel(3);
    PlayLine(tremolo, Voice{0, 0, 100, 40, Articulation::Tremolo, 0}, grid, 0, bars, feel);
    const auto strokes = NoteOns(tremolo.Chunk());
    ASSERT_EQ(strokes.size(), 1u + 1u + 17u);
    EXPECT_EQ(strokes[2][2], 101);
    EXPECT_LT(strokes[3][2], strokes[2][2]);
    EXPECT_LE(std::abs(strokes.back()[0] - (1440 + 16 * 80)), 4);

    // A tie holds the C5 across the bar line as one note; a tie after a
    // rest, or onto another key, is no tie.
    const std::array<std::string_view, 2> tiedBars = {"A4/3 C5/3", "~C5/2 E5/4"};
    MidiTrack tied;
    Feel still(1);
    PlayLine(tied, Voice{0, 0, 80, 0, Articulation::Plain, 0}, grid, 0, tiedBars, still);
    ASSERT_EQ(tied.Notes().size(), 3u);
    EXPECT_EQ(tied.Notes()[1].tick, 720u);
    EXPECT_EQ(tied.Notes()[1].length, 5u * 240u);
    MidiTrack struck;
    PlayLine(struck, Voice{0, 0, 80, 0, Articulation::Plain, 0}, grid, 0,
             std::array<std::string_view, 2>{"A4/6", "~C5/6"}, still);
    EXPECT_EQ(struck.Notes().size(), 2u);
    EXPECT_THROW(ParseBar("~r/6", 6), std::invalid_argument);
}

} // namespace
} // namespace belvane::sound
