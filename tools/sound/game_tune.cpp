// The game tune: a calm siciliano in A minor, 6/8, about two and a half
// minutes, so that a session hears it only a few times. A rondo-like form
// whose theme comes back twice, varied, between episodes in other keys:
//
//   intro    4 bars  A minor   harp over the lament bass A G F E; the oboe,
//                              softly, sighs down the scale over it
//   A       16 bars  A minor   the theme, clarinet: a half close, a turn to
//                              C major, and a climb through the Neapolitan
//                              chord to the first full close
//   B       20 bars  A major   a tune of its own, flute, closing on the
//                              tonic; four bars of the band alone, the
//                              intro's lament from the major, turning it
//                              back to the minor; the oboe answers with a
//                              sequence falling through the circle of
//                              fifths to the dominant of A minor, its last
//                              unit in a rhythm of its own, and a bar of
//                              harp under the flute's upbeat
//   A'      10 bars  A minor   the theme on the flute over strings, turning
//                              through C and F major to D minor
//   C        8 bars  D minor   the interlude: oboe over held strings, through
//                              the Neapolitan chord to the dominant of A minor
//   D        8 bars  A minor   a song of its own, the violin in long notes
//                              over the harp's running sixteenths, as the
//                              bass climbs by semitones to the dominant
//   A''      8 bars  A minor   the song's dominant turned aside to F: the
//                              theme's head on the flute over a bass rising
//                              F F# G, through the secondary dominants D7
//                              and C7, climbing on to the summit and down
//                              to the one full cadence, in its eighth bar
//   coda     7 bars  A minor   entered on a pick-up in the cadence's own bar:
//                              over A and F, then a bass climbing C E to
//                              D, the clarinet recalls the theme's head in
//                              fragments, the strings answering it; an
//                              augmented sixth over F opens onto the
//                              tonic's six-four, then a bar on the
//                              dominant, back to the start
//
// The phrases overlap at the joins: a lead enters on a pick-up in the bar
// where the last one closes, a line carries across a section's first bar,
// and one figure of the accompaniment fades in under the end of the other.
// Melodies are written in sixteenths (kSixEightFine). Each section starts
// with a marker naming it.
#include "band.h"
#include "game_tune_band.h"
#include "game_tune_score.h"
#include "tunes.h"
#include "voice_leading.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace belvane::sound {

namespace {

using namespace game_tune_arrangement;

int LevelAt(std::size_t bar)
{
    const Level *before = &kLevels[0];
    for (const Level &point : kLevels) {
        if (point.bar > bar) {
            return before->level +
                (point.level - before->level) * static_cast<int>(bar - before->bar) /
                static_cast<int>(point.bar - before->bar);
        }
        before = &point;
    }
    return before->level;
}

} // namespace

std::vector<MidiTrack> ComposeGameTune()
{
    MidiTrack conductor;
    conductor.Name(0, "10carte");
    conductor.TimeSignature(0, 6, 3);
    conductor.KeySignature(0, 0, KeyMode::Minor);
    conductor.Tempo(0, kMicrosPerQuarter);

    std::vector<std::string_view> chords;
    for (const Bars &section : kChordBars) {
        chords.insert(chords.end(), section.begin(), section.end());
    }
    const auto barTick = [](std::size_t bar) { return static_cast<std::uint32_t>(bar) * kSixEight.barTicks(); };
    for (const Mark &mark : kMarks) {
        conductor.Marker(barTick(mark.bar), mark.name);
    }
    for (const Broadening &broadening : kBroadened) {
        const std::uint32_t step = 2 * kSixEight.barTicks() / broadening.steps.size();
        for (std::size_t i = 1; i < broadening.steps.size(); ++i) {
            conductor.Tempo(barTick(broadening.bar) + static_cast<std::uint32_t>(i) * step,
                            kMicrosPerQuarter * broadening.steps[i] / 100);
        }
        conductor.Tempo(barTick(broadening.bar + 2), kMicrosPerQuarter);
    }

    Band band(kParts, kAccompanists, kSeed);
    band.SetLighterSecondBeat(true);
    band.SetAudibleFloor(kAudibleFloor);
    band.SetUnderTheMelody(kUnderTheLead);
    for (const Line &line : kLines) {
        if (line.bar + line.bars->size() > chords.size()) {
            throw std::logic_error("a line runs past the tune's end");
        }
        PlayLine(band.Track(line.voice->channel), *line.voice, kSixEightFine, barTick(line.bar), *line.bars,
                 band.Players(), line.phraseBar);
    }
    // Held chords are voiced against the lead notes just written.
    const std::array<std::uint8_t, kGameTuneLeads.size()> leads = kGameTuneLeads;
    band.SetMelody(NotesOf(band.Tracks(conductor, barTick(chords.size())), leads));
    const Key keys[] = {{0, MinorScale(9)},
                        {kB, MajorScale(9)},
                        {kSequenceBar, MajorScale(0)},
                        {kSequenceBar + 5, MinorScale(9)},
                        {kASecond + 1, MajorScale(0)},
                        {kASecond + 6, MinorScale(2)},
                        {kC + 5, MinorScale(9)}};
    for (std::size_t bar = 0; bar < chords.size(); ++bar) {
        for (const Key &key : keys) {
            if (key.bar == bar) {
                band.SetScale(key.scale);
            }
        }
        // The accompaniment swells and ebbs with the phrase, as the lead does;
        // the bars the band plays alone after the flute's close, its lines
        // written out, stand outside the eight-bar phrases; the coda, entered
        // on the return's closing bar, starts its arc a bar on, where the
        // closing bar's own ebb leaves it.
        const std::size_t phraseBar = bar < kSequenceBar ? bar
            : bar < kCodaBar                             ? bar - (kSequenceBar - kLink)
                                                         : bar - (kSequenceBar - kLink) + 1;
        const int level = LevelAt(bar) + kPhraseArc[phraseBar % 8];
        // The intro's bass falls a step a bar, A G F E, without walking; the
        // interlude's holds its notes, the sparsest texture.
        band.SetWalk(bar >= kA && !(kC <= bar && bar < kSongBar - 2));
        band.SetBassLevel(kCelloBack +
                          (kAAgain + 4 <= bar && bar < kCodaBar                ? kBassUnderTheFall
                               : kAAgain <= bar && bar < kCodaBar              ? kBassUnderTheReturn
                               : bar < kA                                      ? kBassUnderTheIntro
                               : kA <= bar && bar < kA + 8                     ? kBassUnderTheThemesOpening
                               : kA <= bar && bar < kB                         ? kBassUnderTheTheme
                               : kSequenceBar + 5 <= bar && bar < kASecond - 1 ? kSequenceHemiolaBass
                               : kSequenceBar <= bar && bar < kASecond - 1     ? kSequenceBass
                               : kASecond <= bar && bar < kC                   ? kBassUnderTheSecondTheme
                               : kB <= bar && bar < kLink                      ? kBassUnderTheFlute
                               : kSongBar + 6 <= bar && bar < kSongBar + 8     ? kBassUnderTheSongsClimax
                               : kSongBar <= bar && bar < kSongBar + 6         ? kBassUnderTheSong
                               : kCodaBar + 5 <= bar                           ? kBassUnderTheSeam
                               : kCodaBar <= bar                               ? kBassUnderTheCoda
                               : bar < kC || kSongBar <= bar                   ? kBassUnderTheLead
                               : bar < kC + 4                                  ? kBassUnderTheInterludesOpening
                                                                               : kBassUnderTheInterlude));
        band.SetHeldLevel(kASecond <= bar && bar < kC       ? kThinPad
                              : bar == kSongBar - 1         ? kUnderTheFlourish
                              : kC <= bar && bar < kSongBar ? kInterludePad
                                                            : 0);
        band.SetChordLevel(kA <= bar && bar < kA + 4              ? kGuitarUnderTheEntry
                               : kA <= bar && bar < kB            ? kGuitarLiftUnderTheTheme
                               : kAAgain <= bar && bar < kCodaBar ? kGuitarUnderTheReturn
                                                                  : kGuitarLift);
        // In the middle tune and the theme's return the bass walks into
        // every bar by step.
        band.SetWalkingLine((kB <= bar && bar < kLink) || (kSongBar <= bar && bar < kCodaBar));
        // Where the guitar holds its chords the bass rocks with the lilt.
        band.SetRocking(kA + 4 <= bar && bar < kA + 12);
        // Where the clarinet enters low, the guitar keeps under it.
        band.SetChordCeiling(bar == kA ? kUnderTheEntry : kA < bar && bar < kA + 4 ? kUnderTheClarinet : 0);
        if (bar == kASecond) {
            band.ResumeHeldChords({kSecondThemePadFrom.begin(), kSecondThemePadFrom.end()});
        }
        if (bar == kA + 10) {
            band.ResumeHeldChords({kThemePadFrom.begin(), kThemePadFrom.end()});
        }
        for (const BassBar &written : kBassBars) {
            if (written.bar == bar) {
                band.WriteBass(written.notes);
            }
        }
        for (const Layer &layer : kLayers) {
            if (layer.from <= bar && bar < layer.to) {
                band.SetLevel(level + layer.level);
                band.AccompanyBar(barTick(bar), chords[bar], layer.accompaniment, chords[(bar + 1) % chords.size()],
                                  layer.bass);
            }
        }
    }
    if (chords.size() != kEndBar) {
        throw std::logic_error("the chords and the form differ in length");
    }
    // The file ends on the bar line: a restart keeps the pulse.
    return band.Tracks(conductor, barTick(chords.size()));
}

} // namespace belvane::sound
