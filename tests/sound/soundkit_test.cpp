#include "midi_file.hpp"
#include "score.hpp"
#include "wave_file.hpp"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace belvane::sound {
namespace {

Bytes vlq(std::uint32_t value) {
  Bytes out;
  append_vlq(out, value);
  return out;
}

TEST(MidiEncoding, VariableLengthQuantitiesAtEveryByteBoundary) {
  EXPECT_EQ(vlq(0), (Bytes{0x00}));
  EXPECT_EQ(vlq(0x7F), (Bytes{0x7F}));
  EXPECT_EQ(vlq(0x80), (Bytes{0x81, 0x00}));
  EXPECT_EQ(vlq(0x2000), (Bytes{0xC0, 0x00}));
  EXPECT_EQ(vlq(0x3FFF), (Bytes{0xFF, 0x7F}));
  EXPECT_EQ(vlq(0x4000), (Bytes{0x81, 0x80, 0x00}));
  EXPECT_EQ(vlq(0x0FFFFFFF), (Bytes{0xFF, 0xFF, 0xFF, 0x7F}));
  EXPECT_THROW(vlq(0x10000000), std::out_of_range);
}

TEST(MidiEncoding, TrackSortsEventsAndEndsAfterTheLastOne) {
  MidiTrack track;
  // Added out of order: a repeated key must end before it sounds again, and
  // the program change at the same tick must come before the notes.
  track.note(100, 0, 60, 90, 100);
  track.note(0, 0, 60, 80, 100);
  track.program(0, 0, 24);
  track.end_at(150);  // earlier than the last note-off: ignored

  const Bytes expected_body = {
      0x00, 0xC0, 24,                // program
      0x00, 0x90, 60, 80,            // first note on
      0x64, 0x80, 60, 64,            // its end at 100 ...
      0x00, 0x90, 60, 90,            // ... before the second note at 100
      0x64, 0x80, 60, 64,            // second note off at 200
      0x00, 0xFF, 0x2F, 0x00,        // end of track
  };
  Bytes expected = {'M', 'T', 'r', 'k', 0, 0, 0, static_cast<std::uint8_t>(expected_body.size())};
  expected.insert(expected.end(), expected_body.begin(), expected_body.end());
  EXPECT_EQ(track.chunk(), expected);

  MidiTrack silent;
  silent.end_at(0x80);
  EXPECT_EQ(silent.chunk(), (Bytes{'M', 'T', 'r', 'k', 0, 0, 0, 5, 0x81, 0x00, 0xFF, 0x2F, 0x00}));
}

TEST(MidiEncoding, RejectsValuesThatDoNotFitTheirBytes) {
  MidiTrack track;
  EXPECT_THROW(track.note(0, 16, 60, 90, 10), std::out_of_range);
  EXPECT_THROW(track.note(0, 0, 128, 90, 10), std::out_of_range);
  EXPECT_THROW(track.note(0, 0, 60, 0, 10), std::invalid_argument);
  EXPECT_THROW(track.tempo(0, 0x1000000), std::out_of_range);
  EXPECT_THROW(encode_midi_file(480, {}), std::invalid_argument);
}

TEST(MidiEncoding, FileHeaderAndMetaEvents) {
  std::array<MidiTrack, 2> tracks;
  tracks[0].tempo(0, 500000);
  tracks[0].time_signature(0, 6, 3);
  const Bytes file = encode_midi_file(480, tracks);
  const Bytes header = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0};
  ASSERT_GT(file.size(), header.size());
  EXPECT_TRUE(std::equal(header.begin(), header.end(), file.begin()));
  const Bytes first_events = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
                              0x00, 0xFF, 0x58, 0x04, 6, 3, 24, 8};
  EXPECT_TRUE(std::equal(first_events.begin(), first_events.end(), file.begin() + 22));
  EXPECT_EQ(file.size(), 14u + (8 + 19) + (8 + 4));
}

TEST(WaveEncoding, HeaderDescribesTheSamples) {
  const std::array<std::int16_t, 4> samples = {0, -1, 0x1234, -32768};
  const Bytes file = encode_wave_pcm16(samples, 44100, 2);
  const Bytes expected = {
      'R', 'I', 'F', 'F', 44, 0, 0, 0, 'W', 'A', 'V', 'E',
      'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 2, 0,
      0x44, 0xAC, 0, 0,             // 44100 frames per second
      0x10, 0xB1, 0x02, 0,          // 176400 bytes per second
      4, 0, 16, 0,                  // block align, bits
      'd', 'a', 't', 'a', 8, 0, 0, 0,
      0, 0, 0xFF, 0xFF, 0x34, 0x12, 0x00, 0x80,
  };
  EXPECT_EQ(file, expected);
  EXPECT_THROW(encode_wave_pcm16(std::span(samples).first(3), 44100, 2), std::invalid_argument);
}

TEST(ScoreNotation, KeysFollowScientificPitch) {
  EXPECT_EQ(parse_key("C4"), 60);
  EXPECT_EQ(parse_key("A4"), 69);
  EXPECT_EQ(parse_key("G#5"), 80);
  EXPECT_EQ(parse_key("Bb3"), 58);
  EXPECT_EQ(parse_key("Cb4"), 59);  // the octave belongs to the letter
  EXPECT_EQ(parse_key("B#3"), 60);
  for (const char* bad : {"H4", "C", "c4", "C#", "C4x", "Cb-1", "G10"}) {
    EXPECT_THROW(parse_key(bad), std::invalid_argument) << bad;
  }
}

TEST(ScoreNotation, BarsMustFillTheirSteps) {
  const std::vector<Step> bar = parse_bar("  E5/2 r/1  G#4/3 ", 6);
  ASSERT_EQ(bar.size(), 3u);
  EXPECT_EQ(bar[0].key, 76);
  EXPECT_EQ(bar[0].steps, 2);
  EXPECT_EQ(bar[1].key, kRestKey);
  EXPECT_EQ(bar[2].key, 68);
  EXPECT_THROW(parse_bar("E5/2 A5/1", 6), std::invalid_argument);
  EXPECT_THROW(parse_bar("E5/4 A5/3", 6), std::invalid_argument);
  EXPECT_THROW(parse_bar("E5/0 A5/6", 6), std::invalid_argument);
  EXPECT_THROW(parse_bar("E5 A5/6", 6), std::invalid_argument);
  EXPECT_THROW(parse_bar("", 6), std::invalid_argument);
}

TEST(ScoreNotation, ChordsAndTheirVoicing) {
  const Chord e7 = parse_chord("E7");
  EXPECT_EQ(e7.root, 4);
  EXPECT_EQ(e7.intervals, (std::vector<int>{0, 4, 7, 10}));
  EXPECT_EQ(parse_chord("Bbm").root, 10);
  EXPECT_EQ(parse_chord("Bbm").intervals, (std::vector<int>{0, 3, 7}));
  EXPECT_THROW(parse_chord("Esus4"), std::invalid_argument);

  // Each tone at its lowest key from G3 upwards: E7 over G3 is G#3 B3 D4 E4.
  EXPECT_EQ(chord_keys(e7, 55), (std::vector<int>{56, 59, 62, 64}));
  EXPECT_EQ(key_at_or_above(7, 55), 55);
  EXPECT_EQ(key_at_or_above(6, 55), 66);

  EXPECT_EQ(parse_chord_bar("Dm G7").size(), 2u);
  EXPECT_THROW(parse_chord_bar(""), std::invalid_argument);
  EXPECT_THROW(parse_chord_bar("C F G"), std::invalid_argument);
}

struct NoteOn {
  std::uint32_t tick;
  int key;
  int velocity;
  bool operator==(const NoteOn&) const = default;
};

// Reads back the note-ons of a chunk written by MidiTrack (no running status).
std::vector<NoteOn> note_ons(const Bytes& chunk) {
  std::vector<NoteOn> found;
  std::uint32_t tick = 0;
  std::size_t at = 8;
  while (at < chunk.size()) {
    std::uint32_t delta = 0;
    do {
      delta = (delta << 7) | (chunk[at] & 0x7F);
    } while (chunk[at++] & 0x80);
    tick += delta;
    const std::uint8_t status = chunk[at];
    if (status == 0xFF) {
      at += 3 + chunk[at + 2];
    } else if ((status & 0xF0) == 0xC0) {
      at += 2;
    } else {
      if ((status & 0xF0) == 0x90) {
        found.push_back({tick, chunk[at + 1], chunk[at + 2]});
      }
      at += 3;
    }
  }
  return found;
}

TEST(ScoreNotation, PlayLineTransposesAccentsAndSustainsInTremolo) {
  const Grid grid{240, 6};
  const std::array<std::string_view, 2> bars = {"A4/1 r/2 C5/3", "E5/6"};

  MidiTrack plain;
  const std::uint32_t end = play_line(plain, Voice{0, 12, 80, 0}, grid, 1440, bars);
  EXPECT_EQ(end, 1440u + 2 * 1440u);
  EXPECT_EQ(note_ons(plain.chunk()),
            (std::vector<NoteOn>{{1440, 81, 88}, {2160, 84, 84}, {2880, 88, 88}}));

  MidiTrack tremolo;
  play_line(tremolo, Voice{0, 0, 100, 40, Articulation::Tremolo}, grid, 0, bars);
  const std::vector<NoteOn> strokes = note_ons(tremolo.chunk());
  // The short A4 is struck once; C5 fills 720 - 40 ticks with strokes every
  // 80 ticks (8), E5 fills 1440 - 40 (17), each starting with the accent.
  ASSERT_EQ(strokes.size(), 1u + 8u + 17u);
  EXPECT_EQ(strokes[1], (NoteOn{720, 72, 104}));
  EXPECT_EQ(strokes[2], (NoteOn{800, 72, 72}));  // 7 and 8 tenths of the accented 104
  EXPECT_EQ(strokes[3], (NoteOn{880, 72, 83}));
  EXPECT_EQ(strokes[9], (NoteOn{1440, 76, 108}));
  EXPECT_EQ(strokes.back().tick, 1440u + 16 * 80u);
}

}  // namespace
}  // namespace belvane::sound
