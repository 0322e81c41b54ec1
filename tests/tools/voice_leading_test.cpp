// The voice-leading rules and bass lines the tunes are written with, on
// small hand-made lines whose faults are known.
#include "band.h"
#include "tune_reading.h"
#include "voice_leading.h"

#include <gtest/gtest.h>

#include <vector>

namespace belvane::sound {
namespace {

TEST(VoiceLeadingRules, FindConsecutivesAndUnresolvedClashes)
{
    // Lead C5 D5 E5 over bass C3 D3 A2: octaves C/C to D/D, then a sixth.
    const std::vector<WrittenNote> lead = {{0, 700, 0, 72, 80}, {720, 700, 0, 74, 80}, {1440, 700, 0, 76, 80}};
    const std::vector<WrittenNote> bass = {{0, 700, 5, 48, 80}, {720, 700, 5, 50, 80}, {1440, 700, 5, 45, 80}};
    const auto octaves = ParallelFifthsAndOctaves(lead, bass);
    ASSERT_EQ(octaves.size(), 1u);
    EXPECT_EQ(octaves[0].tick, 720u);
    // A held bass under a moving lead, or a rest between, is no consecutive.
    const std::vector<WrittenNote> held = {{0, 2100, 5, 48, 80}};
    EXPECT_TRUE(ParallelFifthsAndOctaves(lead, held).empty());
    const std::vector<WrittenNote> apart = {{0, 300, 5, 48, 80}, {720, 700, 5, 50, 80}};
    EXPECT_TRUE(ParallelFifthsAndOctaves(std::vector<WrittenNote>{lead[0], {720, 700, 0, 74, 80}}, apart).empty());
    EXPECT_TRUE(ParallelFifthsAndOctaves(std::vector<WrittenNote>{{0, 300, 0, 72, 80}, {720, 700, 0, 74, 80}},
                                         std::vector<WrittenNote>{{0, 300, 5, 48, 80}, {720, 700, 5, 50, 80}})
                    .empty());

    // D6 to E6 over a chord's bottom D3 whose E3 is struck an eighth after
    // the lead's E6, the chords' rest between joined by the lowest line:
    // octaves all the same; moving the other way (E3 to D4) they pass
    // where only the same way counts.
    const std::vector<WrittenNote> flute = {{1200, 240, 1, 86, 80}, {1440, 480, 1, 88, 80}};
    const std::vector<WrittenNote> lowChords = {
        {1200, 200, 7, 50, 40}, {1200, 200, 7, 53, 40}, {1680, 200, 7, 52, 40}, {1680, 200, 7, 55, 40}};
    const auto bottom = LowestLine(lowChords, kBeat);
    ASSERT_EQ(bottom.size(), 2u);
    EXPECT_EQ(bottom[0].key, 50);
    EXPECT_EQ(ParallelFifthsAndOctaves(flute, bottom).size(), 1u);
    const std::vector<WrittenNote> down = {{1200, 240, 1, 88, 80}, {1440, 480, 1, 86, 80}};
    const std::vector<WrittenNote> opening = {{1200, 200, 7, 52, 40}, {1680, 200, 7, 62, 40}};
    EXPECT_EQ(ParallelFifthsAndOctaves(down, LowestLine(opening, kBeat)).size(), 1u);
    EXPECT_TRUE(ParallelFifthsAndOctaves(down, LowestLine(opening, kBeat), true).empty());

    // C5 over C3, then E5 over E3 on the next beat with a note between:
    // octaves on the accents; a held bass under the moving lead is none.
    const std::vector<WrittenNote> accentedLead = {{0, 340, 0, 72, 80}, {360, 340, 0, 74, 80}, {720, 700, 0, 76, 80}};
    const std::vector<WrittenNote> accentedBass = {{0, 700, 5, 48, 80}, {720, 700, 5, 52, 80}};
    ASSERT_EQ(AccentedConsecutives(accentedLead, accentedBass, kBeat, kBar).size(), 1u);
    EXPECT_EQ(AccentedConsecutives(accentedLead, accentedBass, kBeat, kBar)[0].tick, 720u);
    EXPECT_TRUE(
        AccentedConsecutives(accentedLead, std::vector<WrittenNote>{{0, 1400, 5, 48, 80}}, kBeat, kBar).empty());
    // Octaves on the second beat of two bars in a row (A/A, then E/E a bar
    // later, a fifth between on the downbeat) are heard too.
    const std::vector<WrittenNote> beatTwoLead = {
        {720, 700, 0, 69, 80}, {1440, 700, 0, 72, 80}, {2160, 700, 0, 76, 80}};
    const std::vector<WrittenNote> beatTwoBass = {
        {720, 700, 5, 45, 80}, {1440, 700, 5, 41, 80}, {2160, 700, 5, 52, 80}};
    ASSERT_EQ(AccentedConsecutives(beatTwoLead, beatTwoBass, kBeat, kBar).size(), 1u);
    EXPECT_EQ(AccentedConsecutives(beatTwoLead, beatTwoBass, kBeat, kBar)[0].tick, 2160u);
    EXPECT_TRUE(AccentedConsecutives(beatTwoLead, beatTwoBass, kBeat, kBeat).empty());

    // F5 on the beat over a held E4 rubs; resolved to E5 by step it is an
    // appoggiatura, leaping away it is a fault; off the beat it passes.
    const std::vector<WrittenNote> held4 = {{0, 2880, 4, 64, 60}};
    EXPECT_TRUE(
        UnresolvedClashes(std::vector<WrittenNote>{{0, 700, 0, 77, 80}, {720, 700, 0, 76, 80}}, held4, kBeat).empty());
    EXPECT_EQ(
        UnresolvedClashes(std::vector<WrittenNote>{{0, 700, 0, 77, 80}, {720, 700, 0, 72, 80}}, held4, kBeat).size(),
        1u);
    EXPECT_TRUE(UnresolvedClashes(std::vector<WrittenNote>{{240, 400, 0, 77, 80}, {720, 700, 0, 72, 80}}, held4, kBeat)
                    .empty());

    // E6 over a held F major chord falling to D6 only rubs again (D against
    // C); rising to F6, a tone of the chord, it resolves.
    const std::vector<WrittenNote> fMajor = {{0, 1440, 4, 60, 60}, {0, 1440, 4, 65, 60}, {0, 1440, 4, 69, 60}};
    EXPECT_EQ(
        UnresolvedClashes(std::vector<WrittenNote>{{0, 340, 0, 88, 80}, {360, 340, 0, 86, 80}}, fMajor, kBeat).size(),
        1u);
    EXPECT_TRUE(
        UnresolvedClashes(std::vector<WrittenNote>{{0, 340, 0, 88, 80}, {360, 340, 0, 89, 80}}, fMajor, kBeat).empty());

    // A7 to B flat over the bass A2 to B flat 2: a chord sliding up with it
    // (A3 E4 to Bb3 F4) moves in octaves and fifths; its third and seventh
    // closing onto D4 F4 do not.
    const std::vector<WrittenNote> rising = {{0, 1400, 5, 45, 80}, {1440, 1400, 5, 46, 80}};
    const std::vector<WrittenNote> sliding = {
        {0, 1400, 8, 57, 60}, {0, 1400, 8, 64, 60}, {1440, 1400, 8, 58, 60}, {1440, 1400, 8, 65, 60}};
    EXPECT_EQ(BassUnderChords(rising, sliding).size(), 2u);
    const std::vector<WrittenNote> closing = {
        {0, 1400, 8, 61, 60}, {0, 1400, 8, 67, 60}, {1440, 1400, 8, 62, 60}, {1440, 1400, 8, 65, 60}};
    EXPECT_TRUE(BassUnderChords(rising, closing).empty());

    // Within one part's chords: A3 E4 sliding to Bb3 F4 moves in fifths; G3
    // D4 to G3 A3 E4 keeps its G, so the E is a new voice, not the D's.
    const std::vector<WrittenNote> slide = {
        {0, 1400, 8, 57, 60}, {0, 1400, 8, 64, 60}, {1440, 1400, 8, 58, 60}, {1440, 1400, 8, 65, 60}};
    ASSERT_EQ(ParallelsWithinChords(slide).size(), 1u);
    EXPECT_EQ(ParallelsWithinChords(slide)[0].tick, 1440u);
    const std::vector<WrittenNote> kept = {{0, 1400, 8, 55, 60},
                                           {0, 1400, 8, 62, 60},
                                           {1440, 1400, 8, 55, 60},
                                           {1440, 1400, 8, 57, 60},
                                           {1440, 1400, 8, 64, 60}};
    EXPECT_TRUE(ParallelsWithinChords(kept).empty());

    // D5 to C5 over held chords D4 F4 A4 then C4 F4 A4: the D moves with the
    // lead in octaves; over C4 E4 G4 kept from the start it holds.
    const std::vector<WrittenNote> falling = {{0, 1400, 0, 74, 80}, {1440, 1400, 0, 72, 80}};
    const std::vector<WrittenNote> chords = {
        {0, 1400, 8, 62, 60}, {0, 1400, 8, 65, 60}, {1440, 1400, 8, 60, 60}, {1440, 1400, 8, 65, 60}};
    ASSERT_EQ(OctavesWithChords(falling, chords).size(), 1u);
    EXPECT_EQ(OctavesWithChords(falling, chords)[0].tick, 1440u);
    EXPECT_TRUE(OctavesWithChords(falling, std::vector<WrittenNote>{{0, 2880, 8, 60, 60}}).empty());
}

TEST(BassLines, KeepInversionsWalkAndFillThirds)
{
    const Scale aMinor = MinorScale(9);
    // Am walking down to its fifth, then passing F (not F sharp) on the way
    // up to G.
    const auto walk = BassLine({ParseChord("Am")}, 7, true, aMinor);
    ASSERT_EQ(walk.size(), 3u);
    EXPECT_EQ((std::array{walk[0].key, walk[1].key, walk[2].key}), (std::array{45, 40, 41}));
    EXPECT_EQ((std::array{walk[0].steps, walk[1].steps, walk[2].steps}), (std::array{3, 2, 1}));
    // An inversion keeps its bass and walks to the root; G to E passes F, the
    // note of A minor, not F sharp.
    const auto inverted = BassLine({ParseChord("C/G")}, 4, false, aMinor);
    ASSERT_EQ(inverted.size(), 2u);
    EXPECT_EQ(inverted[0].key, 43);
    EXPECT_EQ(inverted[1].key, 41);
    const auto twoChords = BassLine(ParseChordBar("E7 E7/G#"), 9, true, aMinor);
    EXPECT_EQ((std::array{twoChords[0].key, twoChords[1].key}), (std::array{40, 44}));
    EXPECT_EQ(twoChords.size(), 2u);
}

} // namespace
} // namespace belvane::sound
