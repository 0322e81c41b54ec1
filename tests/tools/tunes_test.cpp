// The game tune, read from the notes its composer writes: the rules of
// voice leading, the seamless loop, its breath and its summit; and the
// lead's voice leading over each part in both tunes.
#include "band.h"
#include "tune_reading.h"
#include "tunes.h"
#include "voice_leading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <span>
#include <tuple>

namespace belvane::sound {
namespace {

constexpr double kSecondsPerGameBar = 2.0;

TEST(GameTune, LeadAndBassMoveWithoutConsecutivesOrUnresolvedClashes)
{
    const std::vector<MidiTrack> tracks = ComposeGameTune();
    const auto lead = NotesOf(tracks, kGameTuneLeads);
    const std::array<std::uint8_t, 1> bassChannel = {kGameTuneBass};
    const auto bass = NotesOf(tracks, bassChannel);
    const auto accompaniment = NotesOf(tracks, kGameTuneAccompaniment);
    ASSERT_FALSE(lead.empty());
    EXPECT_TRUE(ParallelFifthsAndOctaves(lead, bass).empty()) << Listed(ParallelFifthsAndOctaves(lead, bass));
    EXPECT_TRUE(AccentedConsecutives(lead, bass, kBeat, kBar).empty())
        << Listed(AccentedConsecutives(lead, bass, kBeat, kBar));
    EXPECT_TRUE(UnresolvedClashes(lead, accompaniment, kBeat).empty())
        << Listed(UnresolvedClashes(lead, accompaniment, kBeat));
    // Where one lead hands over to the next, or takes a short breath, the
    // ear still joins its notes: from one lead note to the next, less than a
    // beat apart, the bass under them, moving once, makes no octaves or fifths.
    std::string handed;
    const auto bassAt = [&](std::uint32_t tick) {
        const WrittenNote *found = nullptr;
        for (const WrittenNote &note : bass)
            if (note.tick <= tick && tick < note.tick + note.length + kBeat / 3)
                found = &note;
        return found;
    };
    for (std::size_t i = 0; i + 1 < lead.size(); ++i) {
        const WrittenNote &from = lead[i], &to = lead[i + 1];
        const WrittenNote *under = bassAt(from.tick), *next = bassAt(to.tick);
        if (to.tick == from.tick || to.tick >= from.tick + from.length + kBeat || !under || next != under + 1 ||
            from.key == to.key)
            continue;
        const int was = PitchClassInterval(from.key, under->key), now = PitchClassInterval(to.key, next->key);
        if (was == now && (now == 0 || now == 7) && under->key != next->key)
            handed += "bar " + std::to_string(to.tick / kBar + 1) + ": " + std::to_string(to.key) + "/" +
                std::to_string(next->key) + "\n";
    }
    EXPECT_TRUE(handed.empty()) << handed;
    // The strings, a counter-line or held chords, never double the lead in moving octaves.
    const std::array<std::uint8_t, 1> stringsChannel = {kGameTuneStrings};
    const auto strings = NotesOf(tracks, stringsChannel);
    EXPECT_TRUE(OctavesWithChords(lead, strings).empty()) << Listed(OctavesWithChords(lead, strings));
    // Nor do the held chords slide in octaves or fifths with the bass, the
    // lead or within themselves: any two sustained voices are heard.
    const std::array<std::uint8_t, 2> heldChannels = {kGameTuneGuitar, kGameTuneStrings};
    const auto held = NotesOf(tracks, heldChannels);
    EXPECT_TRUE(BassUnderChords(bass, strings).empty()) << Listed(BassUnderChords(bass, strings));
    EXPECT_TRUE(FifthsWithChords(lead, strings).empty()) << Listed(FifthsWithChords(lead, strings));
    EXPECT_TRUE(ParallelsWithinChords(held).empty()) << Listed(ParallelsWithinChords(held));
    // A counter-line in the strings moves freely, but never grinds a
    // semitone or a major seventh against a chord the harp or the guitar
    // holds under it (an A over the Neapolitan's B flat).
    const std::array<std::uint8_t, 2> pluckedChannels = {kGameTuneHarp, kGameTuneGuitar};
    const auto plucked = NotesOf(tracks, pluckedChannels);
    std::string grinds;
    for (const WrittenNote &line : strings) {
        for (const WrittenNote &chord : plucked) {
            const int apart = PitchClassInterval(line.key, chord.key);
            if (SoundTogether(line, chord) && (apart == 1 || apart == 11))
                grinds += "bar " + std::to_string(std::max(line.tick, chord.tick) / kBar + 1) + ": " +
                    std::to_string(line.key) + " / " + std::to_string(chord.key) + "\n";
        }
    }
    EXPECT_TRUE(grinds.empty()) << grinds;
}

TEST(BothTunes, TheLeadMovesFreeOfEachPartsLowestNotesAndSoundsItsLeadingNoteAlone)
{
    // Under a lead, the lowest notes of the band, and of each part that
    // strikes chords, the bottom of the guitar's or the horns', are heard
    // as a voice: the lead moves the same way with it in no consecutive
    // octaves or fifths (a B rising to C over the guitar's E rising to F).
    // The game tune's harp runs through its chords too quickly for its
    // lowest note to be a line. And the leading note, G sharp in both
    // tunes' A, is the lead's alone while it sounds it: doubled, one of the
    // two cannot rise to the tonic.
    struct Tune {
        std::vector<MidiTrack> tracks;
        std::vector<std::uint8_t> leads, band, running;
    };
    const Tune tunes[] = {
        {ComposeGameTune(),
         {kGameTuneLeads.begin(), kGameTuneLeads.end()},
         {kGameTuneAccompaniment.begin(), kGameTuneAccompaniment.end()},
         {kGameTuneHarp}},
        {ComposeEndTune(), {kEndTuneLead}, {1, 2, 3, 4, kEndTuneBass, 6, 7}, {}},
    };
    constexpr int kLeadingNote = 8; // G sharp
    for (const Tune &tune : tunes) {
        const auto lead = NotesOf(tune.tracks, tune.leads);
        ASSERT_FALSE(lead.empty());
        const auto bottom = LowestLine(NotesOf(tune.tracks, tune.band), kBeat);
        EXPECT_TRUE(ParallelFifthsAndOctaves(lead, bottom, true).empty())
            << Listed(ParallelFifthsAndOctaves(lead, bottom, true));
        for (const std::uint8_t channel : tune.band) {
            const std::array<std::uint8_t, 1> one = {channel};
            const auto part = NotesOf(tune.tracks, one);
            const auto lowest = LowestLine(part, kBeat);
            const bool running = std::find(tune.running.begin(), tune.running.end(), channel) != tune.running.end();
            EXPECT_TRUE(running || ParallelFifthsAndOctaves(lead, lowest, true).empty())
                << "channel " << int(channel) << "\n"
                << Listed(ParallelFifthsAndOctaves(lead, lowest, true));
            for (const WrittenNote &high : lead) {
                for (const WrittenNote &low : part) {
                    EXPECT_FALSE(high.key % 12 == kLeadingNote && low.key % 12 == kLeadingNote &&
                                 SoundTogether(high, low))
                        << "channel " << int(channel) << " doubles the leading note at bar "
                        << std::max(high.tick, low.tick) / kBar + 1;
                }
            }
        }
    }
}

TEST(GameTune, NoMelodicLineMovesInOctavesWithTheHarpsBass)
{
    // The harp's bass, struck on the beats, is heard as a bass line as
    // much as the cello's: no line over it, a lead or one singing with it,
    // moves with it in octaves or fifths (a clarinet's leading note
    // doubling it and rising with it to the tonic).
    const std::vector<MidiTrack> tracks = ComposeGameTune();
    const std::array<std::uint8_t, 1> harpChannel = {kGameTuneHarp};
    std::map<std::uint32_t, WrittenNote> lowestOnBeat;
    for (const WrittenNote &note : NotesOf(tracks, harpChannel)) {
        const std::uint32_t beat = (note.tick + kBeat / 8) / kBeat * kBeat;
        // Struck off the beat, or over the bass's register (a wave turning
        // down from its top on the second beat), it is a figure's inner note.
        if (note.tick + kBeat / 8 - beat > kBeat / 4 || note.key > 56)
            continue;
        const auto [at, added] = lowestOnBeat.emplace(beat, note);
        if (!added && note.key < at->second.key)
            at->second = note;
    }
    std::vector<WrittenNote> harpBass;
    for (const auto &[beat, note] : lowestOnBeat)
        harpBass.push_back(note);
    ASSERT_GT(harpBass.size(), 50u);
    for (const std::uint8_t channel : kGameTuneLeads) {
        const std::array<std::uint8_t, 1> line = {channel};
        const auto notes = NotesOf(tracks, line);
        EXPECT_TRUE(ParallelFifthsAndOctaves(notes, harpBass).empty())
            << "channel " << int(channel) << "\n"
            << Listed(ParallelFifthsAndOctaves(notes, harpBass));
    }
}

TEST(GameTune, BassIsTheLowestNoteAndClearOfTheChords)
{
    // A chord tone struck under the bass (D3 under an E3) turns the harmony
    // upside down and muddies it; so does one a semitone or a major seventh
    // from a bass note in the low register (C3 over a passing B2), heard as
    // a growl rather than a chord.
    const std::vector<MidiTrack> tracks = ComposeGameTune();
    const std::array<std::uint8_t, 1> bassChannel = {kGameTuneBass};
    const auto bass = NotesOf(tracks, bassChannel);
    std::string under, rubs;
    for (const WrittenNote &note : NotesOf(tracks, kGameTuneAccompaniment)) {
        if (note.channel == kGameTuneBass)
            continue;
        for (const WrittenNote &low : bass) {
            const bool together = SoundTogether(note, low);
            const std::string where = "bar " + std::to_string(std::max(note.tick, low.tick) / kBar + 1) + ": " +
                std::to_string(note.key) + " / " + std::to_string(low.key) + "\n";
            if (low.tick <= note.tick && note.tick < low.tick + low.length && note.key < low.key)
                under += where;
            const int apart = PitchClassInterval(note.key, low.key);
            if (together && note.key < kLowRegister && (apart == 1 || apart == 11))
                rubs += where;
        }
    }
    EXPECT_TRUE(under.empty()) << under;
    EXPECT_TRUE(rubs.empty()) << rubs;

    // Nor does a held chord's note low in the band sound a semitone or a
    // minor ninth under a lead note close above it that is accented or held
    // (longer than an eighth), even one entering while the chord rings: it
    // grinds there. A quicker note off the beat only passes.
    const auto lead = NotesOf(tracks, kGameTuneLeads);
    const std::array<std::uint8_t, 2> heldChannels = {kGameTuneGuitar, kGameTuneStrings};
    std::string grinds;
    for (const WrittenNote &note : NotesOf(tracks, heldChannels)) {
        if (note.key >= kLowRegister)
            continue;
        for (const WrittenNote &high : lead) {
            const int apart = high.key - note.key;
            const bool heard = high.tick % kBeat == 0 || high.length > kEighth;
            if (heard && SoundTogether(note, high) && (apart == 1 || apart == 13))
                grinds += "bar " + std::to_string(high.tick / kBar + 1) + ": " + std::to_string(high.key) + " / " +
                    std::to_string(note.key) + " (channel " + std::to_string(note.channel) + ")\n";
        }
    }
    EXPECT_TRUE(grinds.empty()) << grinds;
}

TEST(GameTune, BreathesAndLoopsOnTheBarLine)
{
    const std::vector<MidiTrack> tracks = ComposeGameTune();
    const auto lead = NotesOf(tracks, kGameTuneLeads);
    const std::array<std::uint8_t, 1> bassChannel = {kGameTuneBass};
    const auto bass = NotesOf(tracks, bassChannel);
    std::vector<std::uint8_t> all(16);
    for (std::uint8_t c = 0; c < 16; ++c)
        all[c] = c;
    const std::uint32_t end = tracks.front().End();

    // Every track ends on the same bar line, and nothing sounds past it.
    ASSERT_EQ(end % kBar, 0u);
    for (const MidiTrack &track : tracks) {
        EXPECT_EQ(track.End(), end);
    }
    EXPECT_GE(end / kBar * kSecondsPerGameBar, 150.0);
    EXPECT_LE(end / kBar * kSecondsPerGameBar, 240.0);
    // The last bass note leads by step into the first, on another harmony.
    EXPECT_LE(std::abs(bass.back().key - bass.front().key), 2);
    EXPECT_NE(bass.back().key % 12, bass.front().key % 12);

    // At least four stretches of a bar or more without a lead, heard as the
    // tune loops: the silence at its end and the one at its start are one.
    // One solo handing over to another is heard as one line, so a breath
    // counts only where no lead sounds at all; and one of them is long
    // enough, four bars, for the band alone to be heard carrying the music.
    int breaths = 0;
    std::uint32_t silentSince = 0, longest = 0;
    for (std::size_t i = 0; i < lead.size(); ++i) {
        if (i > 0 && lead[i].tick >= silentSince) {
            breaths += lead[i].tick - silentSince >= kBar;
            longest = std::max(longest, lead[i].tick - silentSince);
        }
        silentSince = std::max(silentSince, lead[i].tick + lead[i].length);
    }
    const std::uint32_t roundTheSeam = end - silentSince + lead.front().tick;
    breaths += roundTheSeam >= kBar;
    EXPECT_GE(breaths, 4);
    EXPECT_GE(std::max(longest, roundTheSeam), 4 * kBar) << "the leads never leave the band a phrase of its own";

    // Nor does a wind player go on for long without a breath of a quarter
    // note: the ear tires of a line that never stops. A lead that hands
    // over to another breathes where it stops.
    for (const std::uint8_t channel : kGameTuneLeads) {
        if (channel == kGameTuneViolin)
            continue; // a bow needs no breath
        const std::array<std::uint8_t, 1> one = {channel};
        const auto notes = NotesOf(tracks, one);
        std::uint32_t since = notes.empty() ? 0 : notes.front().tick, until = since;
        for (const WrittenNote &note : notes) {
            if (note.tick >= until + 2 * kEighth - kEighth / 4)
                since = note.tick;
            until = std::max(until, note.tick + note.length);
            EXPECT_LE(until - since, 6 * kBar) << "channel " << int(channel) << " plays without a breath from bar "
                                               << since / kBar + 1 << " to bar " << until / kBar + 1;
            if (until - since > 6 * kBar)
                since = until; // one report a stretch
        }
    }
}

TEST(GameTune, HemiolasAreBackedByTheBand)
{
    // Where the lead moves across a bar in three quarters, the cadence's
    // broadening, the plucked chords move with it, on the quarters and not
    // on the bar's second beat, or the cross-rhythm sounds like a slip.
    const std::vector<MidiTrack> tracks = ComposeGameTune();
    constexpr std::uint32_t kSixteenth = kBar / 12;
    const auto onsets = [&](std::span<const std::uint8_t> channels) {
        std::map<std::uint32_t, std::set<std::uint32_t>> bars; // bar: sixteenths struck
        for (const WrittenNote &note : NotesOf(tracks, channels)) {
            const std::uint32_t sixteenth = (note.tick + kSixteenth / 2) / kSixteenth;
            bars[sixteenth / 12].insert(sixteenth % 12);
        }
        return bars;
    };
    const std::array<std::uint8_t, 2> plucked = {kGameTuneHarp, kGameTuneGuitar};
    auto band = onsets(plucked);
    int hemiolas = 0;
    for (const auto &[bar, struck] : onsets(kGameTuneLeads)) {
        if (struck != std::set<std::uint32_t>{0, 4, 8})
            continue;
        ++hemiolas;
        EXPECT_TRUE(band[bar].contains(4) && band[bar].contains(8) && !band[bar].contains(6))
            << "the band keeps to the beats under the hemiola in bar " << bar + 1;
    }
    EXPECT_GE(hemiolas, 2);
}

TEST(GameTune, BroadeningsGiveWayOnlyAsASectionStarts)
{
    // A slowing that snaps back to the tempo on the chord it leads to makes
    // the arrival come early; the players keep the broadened tempo through
    // it and take the tempo up again with the next section.
    const std::vector<MidiTrack> tracks = ComposeGameTune();
    const Conducted conducted = ReadConductor(tracks.front());
    ASSERT_FALSE(conducted.tempos.empty());
    const std::uint32_t tempo = conducted.tempos.front().second;
    int broadenings = 0;
    for (std::size_t i = 1; i < conducted.tempos.size(); ++i) {
        const auto [tick, micros] = conducted.tempos[i];
        EXPECT_GE(micros, tempo) << "faster than the tempo at bar " << tick / kBar + 1;
        if (micros == tempo && conducted.tempos[i - 1].second != tempo) {
            ++broadenings;
            EXPECT_TRUE(conducted.marks.count(tick)) << "back to the tempo within a section, bar " << tick / kBar + 1;
        }
    }
    EXPECT_GE(broadenings, 1);
}

TEST(GameTune, AccompanimentFiguresChangeAndTheSummitComesOnce)
{
    const std::vector<MidiTrack> tracks = ComposeGameTune();
    const std::uint32_t bars = tracks.front().End() / kBar;
    constexpr std::uint32_t kSixteenth = kBar / 12;
    // A bar's figure: the sixteenths a part strikes on, each as a chord or
    // a single note, and whether it goes up or down from the stroke before.
    // The same figure bar after bar, or with one stroke left out for a
    // breath, is a grid the ear tires of over many loops. The strings are
    // left aside: they hold chords or a slow line.
    using Figure = std::set<std::tuple<std::uint32_t, bool, int>>;
    for (const std::uint8_t channel : kGameTuneAccompaniment) {
        if (channel == kGameTuneStrings)
            continue;
        const std::array<std::uint8_t, 1> one = {channel};
        // {notes struck, highest key} at each sixteenth of each bar
        std::vector<std::map<std::uint32_t, std::pair<int, int>>> strokes(bars);
        for (const WrittenNote &note : NotesOf(tracks, one)) {
            const std::uint32_t sixteenth = (note.tick + kSixteenth / 2) / kSixteenth;
            if (sixteenth / 12 < bars) {
                auto &[count, top] = strokes[sixteenth / 12][sixteenth % 12];
                ++count;
                top = std::max<int>(top, note.key);
            }
        }
        // A harp bar that runs straight up in sixteenths comes back in
        // them, so the stream keeps its pace across the beat and the bar line.
        for (std::uint32_t bar = 0; channel == kGameTuneHarp && bar < bars; ++bar) {
            const auto &struck = strokes[bar];
            const auto run = [&struck](std::uint32_t from, bool rising) {
                for (std::uint32_t at = from; at < from + 6; ++at)
                    if (!struck.contains(at) ||
                        (rising && at > from && struck.at(at).second <= struck.at(at - 1).second))
                        return false;
                return true;
            };
            if (run(0, true)) {
                EXPECT_TRUE(run(6, false)) << "the harp's run in bar " << bar + 1 << " breaks off on its second beat";
            }
        }
        std::vector<Figure> figures(bars);
        for (std::uint32_t bar = 0; bar < bars; ++bar) {
            int before = 0;
            for (const auto &[at, stroke] : strokes[bar]) {
                figures[bar].insert(
                    {at, stroke.first > 1, before == 0 ? 0 : (stroke.second > before) - (stroke.second < before)});
                before = stroke.second;
            }
        }
        const auto same = [](const Figure &bar, const Figure &first) {
            return bar == first ||
                (first.size() >= 3 && bar.size() + 1 == first.size() &&
                 std::includes(first.begin(), first.end(), bar.begin(), bar.end()));
        };
        for (std::uint32_t from = 0; from < bars; ++from) {
            std::uint32_t to = from;
            while (!figures[from].empty() && to < bars && same(figures[to], figures[from]))
                ++to;
            // The harp's figures run in the foreground of the band: they
            // change within four bars, the others within eight.
            EXPECT_LE(to - from, channel == kGameTuneHarp ? 4u : 8u)
                << "channel " << int(channel) << " keeps one figure from bar " << from + 1 << " for " << to - from;
            from = to > from ? to - 1 : from; // one report a run
        }
    }

    // The top of the lead's range is kept for the summit: outside the
    // eight bars around the highest note, E6 and above are reached in only
    // a few bars, and the highest note is struck in one bar.
    const auto lead = NotesOf(tracks, kGameTuneLeads);
    const auto top = std::max_element(lead.begin(), lead.end(), [](auto &a, auto &b) { return a.key < b.key; });
    const std::uint32_t summitBar = top->tick / kBar;
    std::set<std::uint32_t> high, highest;
    for (const WrittenNote &note : lead) {
        const std::uint32_t bar = note.tick / kBar;
        if (note.key == top->key)
            highest.insert(bar);
        if (note.key >= 88 && (bar + 4 < summitBar || bar > summitBar + 4))
            high.insert(bar);
    }
    EXPECT_EQ(highest.size(), 1u);
    EXPECT_LE(high.size(), 4u) << high.size() << " bars reach E6 away from the summit";
}

TEST(GameTune, TheViolinsSongGrowsToItsHighestNote)
{
    // The song climbs with the bass to the loop's climax: a line that dips
    // while the bass still rises, or whose top note comes softer than the
    // notes leading to it, backs off where it should arrive.
    const std::array<std::uint8_t, 1> violinChannel = {kGameTuneViolin};
    const auto violin = NotesOf(ComposeGameTune(), violinChannel);
    ASSERT_FALSE(violin.empty());
    const auto top = std::max_element(violin.begin(), violin.end(), [](auto &a, auto &b) { return a.key < b.key; });
    std::map<std::uint32_t, int> loudestInBar;
    for (const WrittenNote &note : violin) {
        if (&note != &*top)
            EXPECT_LT(note.velocity, top->velocity) << "bar " << note.tick / kBar + 1 << " is as loud as the top";
        if (note.tick <= top->tick)
            loudestInBar[note.tick / kBar] = std::max<int>(loudestInBar[note.tick / kBar], note.velocity);
    }
    int before = 0;
    for (const auto &[bar, loudest] : loudestInBar) {
        EXPECT_GE(loudest, before - 1) << "the song falls back in bar " << bar + 1;
        before = loudest;
    }
}

TEST(GameTune, TheBandIsHeardUnderTheLeads)
{
    // A General MIDI harp or string pad struck in the twenties is lost under
    // a lead in the SoundFont the game plays with: a quiet figure whose inner
    // notes are not heard is a bare bass.
    const auto band = NotesOf(ComposeGameTune(), kGameTuneAccompaniment);
    ASSERT_FALSE(band.empty());
    const auto softest =
        std::min_element(band.begin(), band.end(), [](auto &a, auto &b) { return a.velocity < b.velocity; });
    EXPECT_GE(int(softest->velocity), 30)
        << "channel " << int(softest->channel) << " in bar " << softest->tick / kBar + 1;
}

} // namespace
} // namespace belvane::sound
