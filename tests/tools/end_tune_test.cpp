// The winning tune, read from its notes: within its limits of length, range
// and force, a last stroke that is its loudest, and a second line of its own.
#include "band.h"
#include "end_tune_playing.h"
#include "tune_reading.h"
#include "tunes.h"
#include "voice_leading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <span>
#include <string>

namespace belvane::sound {
namespace {

TEST(EndTune, RingsWithinItsLimitsAndInThirdsAndSixths)
{
    const std::vector<MidiTrack> tracks = ComposeEndTune();
    std::vector<std::uint8_t> all(16);
    for (std::uint8_t c = 0; c < 16; ++c)
        all[c] = c;
    const auto notes = NotesOf(tracks, all);
    const std::uint32_t end = EndOf(notes);
    // Its length in seconds, through the tempo changes of the broadening:
    // a fixed tempo for the whole tune misjudged the ring's length by a second.
    const Conducted conducted = ReadConductor(tracks.front());
    EXPECT_GE(SecondsAt(conducted, end, kTicksPerQuarter), 4.0);
    EXPECT_LE(SecondsAt(conducted, end, kTicksPerQuarter), 10.0);
    // Everything lets go by the time the file ends: the player renders the
    // ring's release and the hall's echo after it.
    EXPECT_LE(end, tracks.front().End());
    // The final chord is struck with the lead's last note and may ring, or
    // the drums roll under it, into the bar after.
    std::uint32_t lastOnset = 0;
    for (const WrittenNote &note : notes)
        if (note.channel == kEndTuneLead)
            lastOnset = std::max(lastOnset, note.tick);
    const std::uint32_t lastBar = (lastOnset - kEndTuneUpbeat) / kBar * kBar + kEndTuneUpbeat;
    int finalLoudest = 0, beforeLoudest = 0;
    for (const WrittenNote &note : notes) {
        EXPECT_LE(note.key, 96) << "above C7 at tick " << note.tick;
        EXPECT_LE(note.velocity, 100) << "harder than 100 at tick " << note.tick;
        (note.tick >= lastBar ? finalLoudest : beforeLoudest) =
            std::max<int>(note.tick >= lastBar ? finalLoudest : beforeLoudest, note.velocity);
    }
    EXPECT_GE(finalLoudest, beforeLoudest);
    // The last stroke is a button: the lead's hardest note, struck out of a
    // silence of the whole band but a drum's roll, so it is heard as a fresh
    // chord and not a swell of the one held before it.
    int leadBefore = 0;
    for (const WrittenNote &note : notes) {
        if (note.channel == kEndTuneLead && note.tick < lastOnset)
            leadBefore = std::max<int>(leadBefore, note.velocity);
        if (note.tick < lastOnset && note.length > kEighth / 4) { // a roll's thirty-seconds may run on
            EXPECT_LE(note.tick + note.length + kEighth, lastOnset)
                << "channel " << int(note.channel) << " rings into the last stroke";
        }
    }
    for (const WrittenNote &note : notes) {
        if (note.channel == kEndTuneLead && note.tick == lastOnset) {
            EXPECT_GE(note.velocity, leadBefore + 8);
        }
    }
    // One crash, with the last stroke: a GM cymbal struck again while it
    // rings restarts its attack, and an earlier crash still rings under the
    // last one, blurring it and taking its surprise.
    for (const WrittenNote &note : notes)
        EXPECT_TRUE(note.channel != kDrums || note.tick == lastOnset) << "cymbal struck at tick " << note.tick;

    // No part doubles the tune in unison: an oboe on the trumpet's notes was
    // masked but for a nasal edge.
    int unisons = 0;
    for (const WrittenNote &note : notes) {
        unisons += note.channel != kEndTuneLead && std::any_of(notes.begin(), notes.end(), [&](const WrittenNote &l) {
                       return l.channel == kEndTuneLead && l.tick == note.tick && l.key == note.key;
                   });
    }
    EXPECT_EQ(unisons, 0);

    // The second line sounds a third or a sixth from the lead at each of its onsets.
    // The bars are counted from the first downbeat, after the trumpet's call.
    const auto barred = [&](std::span<const std::uint8_t> channels) {
        std::vector<WrittenNote> notes;
        for (WrittenNote note : NotesOf(tracks, channels)) {
            if (note.tick >= kEndTuneUpbeat) {
                note.tick -= kEndTuneUpbeat;
                notes.push_back(note);
            }
        }
        return notes;
    };
    const std::array<std::uint8_t, 1> leadChannel = {kEndTuneLead}, secondChannel = {kEndTuneSecond};
    const auto lead = barred(leadChannel);
    const auto second = barred(secondChannel);
    ASSERT_FALSE(second.empty());
    const std::array<std::uint8_t, 1> bassChannel = {kEndTuneBass};
    const auto bass = barred(bassChannel);
    EXPECT_TRUE(ParallelFifthsAndOctaves(lead, bass).empty()) << Listed(ParallelFifthsAndOctaves(lead, bass));
    EXPECT_TRUE(AccentedConsecutives(lead, bass, kBeat, kBar).empty())
        << Listed(AccentedConsecutives(lead, bass, kBeat, kBar));
    // Where the two strike together, which is most of the second line's
    // notes, they are a third or a sixth apart, or the second doubles the
    // lead at the octave; between, it may answer.
    std::size_t together = 0, doubled = 0;
    for (const WrittenNote &note : second) {
        const auto above =
            std::find_if(lead.begin(), lead.end(), [&](const WrittenNote &l) { return l.tick == note.tick; });
        if (above == lead.end())
            continue;
        const int interval = PitchClassInterval(above->key, note.key);
        if (interval == 0) {
            ++doubled;
            continue;
        }
        ++together;
        EXPECT_TRUE(interval == 3 || interval == 4 || interval == 8 || interval == 9) << note.tick << " " << interval;
    }
    EXPECT_GE(together * 4, (second.size() - doubled) * 3);
    EXPECT_GE(together, 2 * doubled);

    // Yet it is a line of its own, not the lead's shadow: at most half of
    // the lead's steps are taken by the second line the same way at once;
    // at the others it holds or moves against it.
    const auto sounding = [](const std::vector<WrittenNote> &line, std::uint32_t tick) {
        const WrittenNote *found = &line.front();
        for (const WrittenNote &note : line)
            if (note.tick <= tick)
                found = &note;
        return found->key;
    };
    int moves = 0, shadowed = 0;
    for (std::size_t i = 0; i + 1 < lead.size(); ++i) {
        const int step = lead[i + 1].key - lead[i].key;
        const int below = sounding(second, lead[i + 1].tick) - sounding(second, lead[i].tick);
        moves += step != 0;
        shadowed += step * below > 0;
    }
    EXPECT_LE(shadowed * 2, moves) << shadowed << " of " << moves << " steps in parallel";
}

// The bells are struck no harder than the trumpet they ring over: at 84
// over a trumpet at 69 their first stroke, alone on B minor, rang out like a
// bell at a door and pulled the ear off the tune. And the second trumpet, a
// line of its own between the tune and the tuba, never moves in octaves or
// fifths with the tuba, nor a horn in octaves with it: its E rising to F#
// with the tuba's was heard as the bass doubled.
TEST(EndTune, TheBellsAndInnerVoicesKeepOffTheTuneAndTheBass)
{
    using namespace end_tune_score;
    const std::vector<MidiTrack> tracks = ComposeEndTune();
    const std::array<std::uint8_t, 2> tune = {kTrumpet, kBells};
    const auto notes = NotesOf(tracks, tune);
    for (const WrittenNote &bell : notes) {
        if (bell.channel != kBells)
            continue;
        const auto under = std::find_if(notes.begin(), notes.end(), [&](const WrittenNote &lead) {
            return lead.channel == kTrumpet && lead.tick <= bell.tick && bell.tick < lead.tick + lead.length;
        });
        ASSERT_NE(under, notes.end()) << "a bell struck with no trumpet under it at tick " << bell.tick;
        EXPECT_LE(bell.velocity, under->velocity) << "the bells over the trumpet at tick " << bell.tick;
    }
    const std::array<std::uint8_t, 1> second = {kSecondTrumpet}, bass = {kBass};
    const auto inner = NotesOf(tracks, second);
    const auto low = NotesOf(tracks, bass);
    EXPECT_TRUE(ParallelFifthsAndOctaves(inner, low).empty()) << Listed(ParallelFifthsAndOctaves(inner, low));
    // Nor does a horn double the tuba's step: a horn's F# falling to E with
    // the tuba's under the arrival went in octaves with the bass.
    const std::array<std::uint8_t, 1> horns = {kHorns};
    std::vector<Fault> octaves;
    for (const Fault &fault : BassUnderChords(low, NotesOf(tracks, horns)))
        if (fault.what.find("octaves") != std::string::npos)
            octaves.push_back(fault);
    EXPECT_TRUE(octaves.empty()) << Listed(octaves);
}

// A trumpet breathes: between two rests of an eighth the lead plays no
// longer than a brass player's phrase. Played on from the upbeat to the
// arrival, over five seconds with only tonguing between the notes, the
// pair never breathed and the tune was not phrased.
TEST(EndTune, TheTrumpetBreathesBetweenPhrases)
{
    const std::vector<MidiTrack> tracks = ComposeEndTune();
    const std::array<std::uint8_t, 1> lead = {kEndTuneLead};
    const auto notes = NotesOf(tracks, lead);
    const Conducted conducted = ReadConductor(tracks.front());
    const auto seconds = [&](std::uint32_t tick) { return SecondsAt(conducted, tick, kTicksPerQuarter); };
    std::uint32_t phrase = notes.front().tick;
    for (std::size_t i = 0; i + 1 < notes.size(); ++i) {
        const std::uint32_t off = notes[i].tick + notes[i].length;
        if (notes[i + 1].tick >= off + kEighth * 3 / 4) {
            EXPECT_LE(seconds(off) - seconds(phrase), 5.0) << "a phrase from tick " << phrase << " to " << off;
            phrase = notes[i + 1].tick;
        }
    }
}

// The brass and the bells never hold two notes a semitone, a major seventh
// or a minor ninth apart for an eighth: a passing note may brush a held one
// for a sixteenth, and two octaves apart the rub is a colour, but the
// second trumpet's G# an eighth long a seventh over the horn's held A, or
// the bells' A held a ninth over the trumpets' G#, was heard as a wrong
// note.
TEST(EndTune, HeldBrassAndBellsDoNotRub)
{
    using namespace end_tune_score;
    const std::array<std::uint8_t, 4> upper = {kTrumpet, kSecondTrumpet, kBells, kHorns};
    const auto notes = NotesOf(ComposeEndTune(), upper);
    for (const WrittenNote &low : notes) {
        for (const WrittenNote &high : notes) {
            const std::uint32_t from = std::max(low.tick, high.tick);
            const std::uint32_t to = std::min(low.tick + low.length, high.tick + high.length);
            const int apart = high.key - low.key;
            if (to > from && to - from >= kEighth * 3 / 4 && (apart == 1 || apart == 11 || apart == 13)) {
                ADD_FAILURE() << "bar " << (from - kEndTuneUpbeat) / kBar + 1 << " step "
                              << (from - kEndTuneUpbeat) % kBar / 120 << ": channel " << int(low.channel) << " key "
                              << int(low.key) << " under channel " << int(high.channel) << " key " << int(high.key);
            }
        }
    }
}

// The held last chord fades on the expression controller; a synthesizer keeps
// a channel's controllers from one file to the next, so every fade is lifted
// again by the file's end, or the game tune would come back faded on those
// channels.
TEST(EndTune, TheClosingFadeIsLiftedByTheFilesEnd)
{
    int faded = 0;
    for (const MidiTrack &track : ComposeEndTune()) {
        const Bytes chunk = track.Chunk();
        std::map<int, int> expression; // channel -> last value
        std::size_t at = 8;
        const auto vlq = [&] { return ReadVarLength(chunk, at); };
        while (at < chunk.size()) {
            vlq();
            const std::uint8_t status = chunk[at++];
            if (status == 0xFF) {
                ++at; // the meta event's type
                at += vlq();
            } else if ((status & 0xF0) == 0xC0) {
                ++at;
            } else {
                if ((status & 0xF0) == 0xB0 && chunk[at] == 11) {
                    faded += chunk[at + 1] < 127;
                    expression[status & 0x0F] = chunk[at + 1];
                }
                at += 2;
            }
        }
        for (const auto &[channel, value] : expression)
            EXPECT_EQ(value, 127) << "channel " << channel << " left faded";
    }
    EXPECT_GT(faded, 0) << "the last chord is held fading";
}

} // namespace
} // namespace belvane::sound
