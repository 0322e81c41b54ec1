// The game tune's arrangement: who plays it, the leads' entries and
// levels, the bass written out, the band's figures bar by bar and how loud
// each plays against the lead. The notes themselves are in
// game_tune_score.h; game_tune.cpp composes the two into tracks.
#pragma once

#include "band.h"
#include "game_tune_score.h"
#include "tunes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace belvane::sound::game_tune_arrangement {

using namespace game_tune_score;

// Dotted quarter = 60: a rocking two beats a bar, unhurried.
constexpr std::uint32_t kMicrosPerQuarter = 60'000'000u * 2 / (60 * 3);
constexpr std::uint32_t kSeed = 1010;
// The band's softest notes, the harp's inner strings and the held strings
// in the intro, the interlude and the coda, were struck in the twenties
// and lost under the leads in this SoundFont; they are lifted toward this.
// The intro's band starts a little lower, so the lifted intro stays as far
// under the theme.
constexpr int kAudibleFloor = 39;

// Channels: the leads first, then the accompaniment.
constexpr std::uint8_t kViolin = kGameTuneViolin;
constexpr std::uint8_t kFlute = 1;
constexpr std::uint8_t kClarinet = 2;
constexpr std::uint8_t kOboe = 3;
constexpr std::uint8_t kBass = kGameTuneBass;
constexpr std::uint8_t kHarp = kGameTuneHarp;
constexpr std::uint8_t kChords = kGameTuneGuitar;
constexpr std::uint8_t kStrings = kGameTuneStrings;

constexpr Part kParts[] = {
    {kViolin, program::kViolin, 120, 52, 56, "Violin"},
    {kFlute, program::kFlute, 124, 76, 56, "Flute"},
    {kClarinet, program::kClarinet, 127, 52, 50, "Clarinet"},
    {kOboe, program::kOboe, 120, 74, 56, "Oboe"},
    // A bowed bass: a line that sings under the tune, where a plucked one
    // only marks the beats.
    {kBass, program::kCello, 96, 64, 24, "Cello"},
    {kHarp, program::kHarp, 108, 90, 56, "Harp"},
    {kChords, program::kNylonGuitar, 127, 38, 40, "Guitar chords"},
    {kStrings, program::kStrings, 122, 64, 64, "Strings"},
};
constexpr Accompanists kAccompanists{kBass, kChords, kNoPart, kHarp, kStrings};

// ---- Arrangement ----

// {channel, transpose, velocity, gap, articulation, onset spread}
// The tune is heard for long stretches behind a game: its leads mostly sing
// in the fifties and sixties and the winds peak in the low seventies, where
// a GM wind pressed harder turns harsh and sticks out of the background;
// the violin, thinner and edgier up high, stays in the sixties even in its
// song, the tune's climax, which is its height, not its loudness. The band
// keeps under them.
// The theme steals in after the intro; from its second phrase, as it
// climbs, it is played no harder, so the loop's first minute is not its
// loudest melody and the entry no jump out of the intro.
constexpr Voice kClarinetEntry{kClarinet, -12, 64, 14, Articulation::Plain, 8};
constexpr Voice kClarinetLow{kClarinet, -12, 62, 14, Articulation::Plain, 8};
// The oboe answers the flute a little under its level: its reed carries.
// Its sequence's second unit, a step lower, is softer, and the third
// stays there: the oboe's top is its most nasal. The sequence's runs and
// turns are played near the beat, so they are heard as meant, not as a
// stumble.
constexpr int kCloseToTheBeat = 3;
constexpr Voice kOboeAnswer{kOboe, 0, 56, 14, Articulation::Plain, kCloseToTheBeat};
constexpr Voice kOboeStepDown{kOboe, 0, 53, 14, Articulation::Plain, kCloseToTheBeat};
constexpr Voice kOboeHemiola{kOboe, 0, 53, 14, Articulation::Plain, 8};
// The coda's clarinet fades with the band after the return's cadence.
constexpr Voice kClarinetCoda{kClarinet, -12, 59, 14, Articulation::Plain, 8};
// The clarinet, which first sang the theme, recalls it in the coda.
constexpr Voice kClarinetRecall{kClarinet, 0, 56, 14, Articulation::Plain, 8};
constexpr Voice kOboeRound{kOboe, 0, 50, 14, Articulation::Plain, 8};   // falling away into the intro
constexpr Voice kOboeLanding{kOboe, 0, 48, 14, Articulation::Plain, 8}; // as soft as the intro it starts
constexpr Voice kFluteLead{kFlute, 0, 64, 14, Articulation::Plain, 8};
// The flute's return, well under the song's level and lighter than its
// first tune: a GM flute up high is shrill, bright enough unpressed. Its
// G, the loop's highest note, held over the bar line, is the loudest
// of the return, only about 63; from it the line falls away evenly to the
// cadence, over an answer in the oboe kept under it.
// Its first bars lie in the flute's soft low octave: played out, over a
// lighter line in the strings and cello.
constexpr Voice kFluteReturn{kFlute, 0, 62, 14, Articulation::Plain, 8};
// The summit's arc peaks on the bar it resolves in, so its fall to F is a
// step down, not a drop: counted from the summit's own bar, the G's F
// came twenty softer, as if the player gave up at the top.
constexpr Voice kFluteSummit{kFlute, 0, 54, 14, Articulation::Plain, 8};
// The flute's second telling of the theme, as soft as the violin's song
// is, its high notes kept under the seventies, over held strings stepped
// back further (kThinPad).
constexpr Voice kFluteTheme{kFlute, 0, 60, 14, Articulation::Plain, 8};
// Its run up to the theme lies in its weak low octave, under a tempo
// still held back: played as loud as the theme's first note, or it is the
// faintest upbeat in the tune; louder, the phrase sagged as it began.
constexpr Voice kFluteUpbeat{kFlute, 0, 61, 14, Articulation::Plain, 8};
// The song's long high notes lie over the harp, where a GM violin
// pressed hard turns shrill and thin: it sings them gently, with the
// clarinet under it through its first phrase, and the band's swell under
// its climax, the harp's waves most, is held back so it stays on top and
// the loop's fullest bars do not jump out of the background.
constexpr Voice kViolinSong{kViolin, 0, 62, 10, Articulation::Plain, 8};
// The clarinet sings the song with it, under it, in its clear upper
// register, a step back, so the song stays the violin's, not a duet of
// equals.
constexpr Voice kClarinetDuet{kClarinet, 0, 52, 14, Articulation::Plain, 8};
// The oboe's echo of the flute's fall is heard over the harp's roll and the
// strings' held A, but kept under the flute it answers: fading into the
// thirties it was lost; entering over the flute, it was a new lead.
constexpr Voice kOboeEcho{kOboe, 0, 43, 14, Articulation::Plain, 8};
// The interlude's oboe sings out over the held strings, which would
// cover a reed played softly in its low octave.
constexpr Voice kOboeLead{kOboe, 0, 49, 14, Articulation::Plain, 8};
constexpr Voice kOboeCall{kOboe, 0, 46, 14, Articulation::Plain, 8};
// Under the flute the strings enter softly, after its first phrase.
constexpr Voice kStringsCounter{kStrings, 0, 37, 30, Articulation::Plain, 5};
// Under the recap the strings' two lines are the flute's partners, not a
// pad, and full enough for bowed strings to be heard under it.
constexpr Voice kStringsRecap{kStrings, 0, 41, 30, Articulation::Plain, 5};
// Under the flute's fall from the summit they fade with it, where held at
// its level, growing with the phrase, they covered its closing line.
constexpr Voice kStringsFading{kStrings, 0, 37, 30, Articulation::Plain, 5};
// Where the clarinet breathes in the coda, the strings' line answers it as
// a voice, not a floor: it carries the music over the gap.
constexpr Voice kStringsSinging{kStrings, 0, 45, 30, Articulation::Plain, 5};
constexpr Voice kStringsSequence{kStrings, 0, 44, 30, Articulation::Plain, 5};
// Under the song's climb the strings' two lines, low and sustained, carry
// the climax's middle, where the harp's quick waves step back from the
// violin.
constexpr Voice kStringsSong{kStrings, 0, 50, 30, Articulation::Plain, 5};
// In the interlude's breath the strings sing, not hold, under the oboe's
// level, in its octave: entering a third under its held C# and louder than
// it, they covered the phrase's last note.
constexpr Voice kStringsAnswer{kStrings, 0, 37, 30, Articulation::Plain, 5};
// The band alone after the flute's close plays softly, but grows with its
// phrase into the oboe's entry, so the breath is heard as meant, not as a
// part missing.
// Its harp lets its figure ring, as the harp does everywhere else.
constexpr Voice kHarpLink{kHarp, 0, 41, 12, Articulation::Ringing, 5};
constexpr Voice kCelloLink{kBass, 0, 47, 10, Articulation::Plain, 5};

// The first bar of each part of the form, counted from 0.
constexpr std::size_t kA = 4, kB = 20, kLink = 28, kSequenceBar = 32, kASecond = 40, kC = 50, kSongBar = 58,
                      kAAgain = 66, kCodaBar = 74, kEndBar = 81;

// A line entering on a bar of the tune; `phraseBar` is that bar's place in
// its eight-bar phrase (7 for a pick-up bar).
struct Line {
    const Voice *voice;
    std::size_t bar;
    const Bars *bars;
    int phraseBar;
};

const Line kLines[] = {
    {&kClarinetEntry, kA, &kThemeOpening, 0},
    {&kClarinetLow, kA + 4, &kTheme, 4},
    {&kFluteLead, kB - 1, &kMiddle, 7},
    {&kStringsCounter, kB + 4, &kMiddleCounter, 4},
    {&kStringsCounter, kB + 4, &kMiddleCounterInner, 4},
    {&kStringsCounter, kLink, &kLinkInner, 0},
    {&kHarpLink, kLink, &kLinkHarp, 0},
    {&kCelloLink, kLink, &kLinkBass, 4},
    {&kOboeAnswer, kSequenceBar - 1, &kSequence, 7},
    {&kOboeStepDown, kSequenceBar + 2, &kSequenceCopy, 2},
    {&kOboeHemiola, kSequenceBar + 4, &kSequenceClose, 4},
    {&kStringsSequence, kSequenceBar, &kSequenceCounter, 0},
    {&kStringsSequence, kSequenceBar, &kSequenceCounterLow, 0},
    {&kFluteUpbeat, kASecond - 1, &kThemeSecondPickup, 7},
    {&kFluteTheme, kASecond, &kThemeSecond, 0},
    {&kOboeLead, kC, &kInterlude, 0},
    {&kStringsAnswer, kC + 3, &kInterludeAnswer, 3},
    {&kViolinSong, kSongBar - 1, &kSongPickup, 7},
    {&kViolinSong, kSongBar, &kSong, 0},
    {&kClarinetDuet, kSongBar, &kSongDuet, 0},
    {&kStringsSong, kSongBar + 4, &kSongStrings, 4},
    {&kStringsSong, kSongBar + 4, &kSongStringsUpper, 4},
    // The climb to the summit swells bar by bar, as the second half of a
    // phrase.
    {&kFluteReturn, kAAgain, &kThemeReturnFlute, 2},
    // The summit, and the fall from it as one phrase closing.
    {&kFluteSummit, kAAgain + 3, &kThemeReturnSummit, 5},
    {&kStringsRecap, kAAgain, &kThemeCounter, 0},
    {&kStringsRecap, kAAgain, &kThemeCounterInner, 0},
    {&kStringsFading, kAAgain + 4, &kThemeCounterFall, 4},
    {&kStringsFading, kAAgain + 4, &kThemeCounterInnerFall, 4},
    {&kOboeEcho, kAAgain + 4, &kEcho, 4},
    // The clarinet's pick-up to the coda enters where the flute's cadence
    // breathes: the one phrase ends as the next begins.
    {&kClarinetCoda, kCodaBar - 1, &kCodaClarinet, 7},
    // Its fragments grow to the augmented sixth and fall away into the oboe.
    {&kClarinetRecall, kCodaBar, &kCoda, 2},
    {&kStringsSinging, kCodaBar, &kCodaCounter, 2},
    {&kStringsSinging, kCodaBar + 4, &kCodaCounterUnder, 6},
    {&kOboeCall, 2, &kCall, 2},
    {&kOboeRound, kEndBar - 1, &kRound, 7},
    {&kOboeLanding, 0, &kLanding, 0},
};

// The bass written out, in eighths, where the chords' roots and fifths would
// stall: it falls by step to the dominant at the theme's close, moves each
// unit of the sequence its own way, walks through the flute's episode and
// rocks on the tonic, then on F, under the coda.
struct BassBar {
    std::size_t bar;
    std::string_view notes;
};
const BassBar kBassBars[] = {
    // Under the theme's first phrase the bass drops out of the clarinet's
    // low octave as it halts on the dominant.
    {kA + 2, "D3/3 F2/3"},
    {kA + 3, "E2/3 B2/3"},
    {kA + 5, "F2/4 E2/1 D2/1"},
    {kA + 8, "C3/2 A2/1 E2/2 F#2/1"},
    {kA + 9, "G2/4 B2/2"},
    {kA + 10, "C3/1 D3/1 E3/3 C3/1"},
    {kA + 11, "F2/3 E2/3"},
    // Under D minor's seventh the bass holds its D into the Neapolitan
    // sixth, where a C would want to fall, not climb back.
    {kA + 12, "D2/6"},
    {kA + 13, "D2/6"},
    {kA + 15, "A2/6"},
    // Under the harp's rocking, whose bass rings through each beat, the
    // cello leaves out the passing notes that would rub a second on it.
    {kB, "C#3/3 A2/3"},
    {kB + 1, "B2/3 E2/2 D3/1"},
    {kB + 4, "B2/3 D3/3"},
    {kB + 5, "F#2/3 A#2/3"},
    {kB + 6, "B2/3 E2/3"},
    // The middle tune closes on the tonic's root, held; then the lament
    // falls a step a bar, as in the intro.
    {kB + 7, "A2/6"},
    {kSequenceBar, "A2/2 G2/1 E2/2 G2/1"},
    {kSequenceBar + 1, "D3/2 C3/1 A2/2 F2/1"},
    {kSequenceBar + 2, "G2/2 A2/1 B2/2 D3/1"},
    {kSequenceBar + 3, "C3/3 B2/1 A2/1 G2/1"},
    {kSequenceBar + 4, "F2/3 C3/2 A2/1"},
    {kSequenceBar + 5, "B2/4 D3/2"},
    {kSequenceBar + 6, "E3/4 G#2/2"},
    {kSequenceBar + 7, "B2/3 D3/3"},
    {kASecond, "C3/2 A2/4"},
    {kASecond + 1, "E2/4 G2/2"},
    {kASecond + 2, "F2/3 A2/3"},
    // The close in C on its root, G to C, under the flute's D falling to C:
    // its leading note over a B in the bass, the two rose in octaves.
    {kASecond + 3, "D3/3 G2/3"},
    {kASecond + 4, "C3/3 G2/2 E2/1"},
    {kASecond + 5, "F2/3 A2/3"},
    {kASecond + 6, "Bb2/3 A2/3"},
    {kASecond + 7, "Bb2/3 C3/3"},
    {kASecond + 8, "A2/3 G2/2 F2/1"},
    {kASecond + 9, "E2/3 A2/3"},
    {kC + 6, "E2/6"},
    // The song's bass climbs a semitone or a tone each bar to the dominant,
    // falling to the chord's fifth, root or third on the second beat, then
    // holding from D minor on, so the semitones D D# E are heard as a line.
    {kSongBar, "A2/3 E2/3"},
    {kSongBar + 1, "B2/3 G2/3"},
    {kSongBar + 2, "C3/3 G2/3"},
    {kSongBar + 3, "C#3/3 A2/3"},
    {kSongBar + 4, "D3/6"},
    {kSongBar + 5, "D#3/6"},
    {kSongBar + 6, "E3/6"},
    // The song's dominant held, its leading note left to the harp, so the
    // bass rises a semitone to F as the return turns the cadence aside, and
    // on by semitones to G.
    {kSongBar + 7, "E2/6"},
    {kAAgain, "F2/3 A2/3"},
    {kAAgain + 1, "F#2/3 A2/3"},
    {kAAgain + 2, "G2/3 B2/3"},
    {kAAgain + 3, "C3/2 D3/1 E3/3"},
    // C7's E rises to F in its own octave, and falls to F's fifth under the
    // oboe's echo, so the echo's A is not an octave over the bass before the
    // flute's D over D.
    {kAAgain + 4, "F3/3 C3/3"},
    {kAAgain + 5, "D3/4 E3/2"},
    {kCodaBar, "A2/3 E2/3"},
    {kCodaBar + 1, "F2/3 C3/3"},
    {kCodaBar + 2, "C2/3 E2/3"},
    {kCodaBar + 3, "D2/6"},
    {kCodaBar + 4, "F2/6"},
    {kCodaBar + 5, "E2/6"},
};

// Where each part of the form begins, and where a new lead takes over.
struct Mark {
    std::size_t bar;
    std::string_view name;
};
const Mark kMarks[] = {
    {0, "intro"},
    {kA, "A theme"},
    {kB, "B A major, Flute"},
    {kLink, "B link, the band alone"},
    {kSequenceBar, "B sequence, Oboe"},
    {kASecond, "A' Flute, to D minor"},
    {kC, "C interlude, D minor"},
    {kSongBar, "D song, Violin over the harp"},
    {kAAgain, "A theme again, Flute"},
    {kCodaBar, "coda"},
};

// The harp's waves at the song's height stay well under the violin's long
// notes, which their quick, overlapping strokes would otherwise cover as
// they swell.
constexpr int kCascadeUnderTheSong = -11;

// A figure of the accompaniment over bars [from, to); a layer without the
// bass sounds over another figure's.
struct Layer {
    std::size_t from, to;
    Accompaniment accompaniment;
    bool bass;
    int level = 0; // added to the bar's
};
const Layer kLayers[] = {
    {0, kA, Accompaniment::Arpeggio, true},
    // A soft pad under the oboe, so the loop lands on more than the harp:
    // held strings speak late and thin, so it sits at the band's level; it
    // holds the dominant too, so the lament does not thin out as it falls.
    {0, kA, Accompaniment::Pad, false},
    // The guitar's figure changes with the theme's phrases: one chord held
    // after each beat under the clarinet's low first phrase, so it stands
    // clear, two as it rises, and picked note by note once the strings hold
    // the chords, where strummed on the beat it would double them.
    {kA, kA + 4, Accompaniment::Lilt, true},
    {kA + 4, kA + 8, Accompaniment::Barcarolle, true},
    {kA + 8, kA + 12, Accompaniment::Broken, true, -8}, // over the strings' first chords, lightly
    // It keeps under the clarinet's cadence: with the phrase's swell it
    // grew over the clarinet's last notes, an octave above it.
    {kA + 12, kB, Accompaniment::Broken, true, -5},
    // The theme's first two phrases are the clarinet's with the guitar and
    // the cello alone; from its turn to C the strings hold soft chords, an
    // inner voice between the bass and the lead, so each harmony is there
    // on its downbeat, where the guitar only answers after the beat; they
    // come up to the cadence.
    {kA + 8, kA + 9, Accompaniment::Pad, false, -12}, // stealing in after eight bars' rest
    {kA + 9, kB - 2, Accompaniment::Pad, false, -6},
    {kB - 2, kB, Accompaniment::Pad, false},
    // The harp rocks under the flute's first phrase and climbs in eighths
    // under its second, where the chords change on each beat; under the
    // first, low in the flute's weak octave, it rocks more softly.
    {kB, kB + 4, Accompaniment::Ripple, true, -4},
    {kB + 4, kLink, Accompaniment::Rising, true, -2},
    // The band alone after the flute's close plays its lines as written,
    // no figure of the band's.
    {kSequenceBar, kSequenceBar + 5, Accompaniment::Block, true},
    // Under the oboe's hemiola the harp takes over from the guitar and
    // rolls the chords in its quarters.
    {kSequenceBar + 5, kASecond - 1, Accompaniment::Hemiola, true, -8},
    // The harp's bar on the dominant is a link, not a rest: it rocks on the
    // chord below the flute's upbeat to its theme, and softly, with the
    // cello, so the upbeat is heard over them.
    {kASecond - 1, kASecond, Accompaniment::Arpeggio, true, -6},
    {kASecond, kC + 3, Accompaniment::Pad, true},
    {kC + 5, kSongBar, Accompaniment::Pad, true},
    // Over the held strings the guitar picks the chords, then the harp
    // spells out the turn to D minor.
    {kASecond, kASecond + 4, Accompaniment::Broken, false, -11},
    {kASecond + 4, kASecond + 5, Accompaniment::Rolled, false, -12}, // the close in C, the flute's breath
    {kASecond + 5, kASecond + 8, Accompaniment::Arpeggio, false, -12},
    {kASecond + 8, kC, Accompaniment::Rolled, false, -12}, // the cadence to D minor
    // Under the interlude's held strings the harp keeps the pulse, softly,
    // over the cello's lament; where the oboe breathes the strings answer
    // it, and the harp, a little fuller, carries the bass with the cello.
    {kC, kC + 3, Accompaniment::Arpeggio, false, -3},
    {kC + 3, kC + 4, Accompaniment::Arpeggio, true, -3},
    {kC + 4, kC + 5, Accompaniment::Rising, true, -5},
    {kC + 5, kSongBar - 1, Accompaniment::Rising, false, -5},
    // The bar on the dominant before the song: the harp, not a guitar
    // heard nowhere near it, runs up and down the chord, a flourish where
    // the bar before the flute's theme only rocks.
    {kSongBar - 1, kSongBar, Accompaniment::Cascade, false, -6},
    // The song: the harp runs under the violin's long notes and the
    // clarinet's line; it grows with the bass's climb, from eighths to
    // rocking sixteenths to waves over two octaves, and the strings' lines
    // come in as the clarinet leaves the middle to them.
    {kSongBar, kSongBar + 2, Accompaniment::Rising, true, 0},
    {kSongBar + 2, kSongBar + 4, Accompaniment::Ripple, true, 2},
    {kSongBar + 4, kAAgain, Accompaniment::Cascade, true, kCascadeUnderTheSong},
    // The theme's last return: the guitar's barcarolle, the theme's own
    // figure, comes back under the flute, softly, then the harp rolls the
    // cadence's chords, the strings' line between.
    {kAAgain, kAAgain + 4, Accompaniment::Barcarolle, true, -12},
    {kAAgain + 4, kAAgain + 5, Accompaniment::Rolled, true, -17}, // taking over from the guitar softly
    // Under the flute's hemiola the harp rolls in its quarters, and the
    // cello holds its D till the last of them.
    {kAAgain + 5, kAAgain + 6, Accompaniment::Hemiola, true, -14},
    {kAAgain + 6, kCodaBar, Accompaniment::Rolled, true, -14},
    // In the coda the harp carries the chords under the strings' line.
    {kCodaBar, kCodaBar + 4, Accompaniment::Arpeggio, true, -10},
    // It rolls the augmented sixth's whole chord on each beat, so the
    // chord is heard whole, not only its notes shared out.
    {kCodaBar + 4, kCodaBar + 5, Accompaniment::Rolled, true, -6},
    // The harp comes up a little for the six-four, not a step above the bars around it.
    {kCodaBar + 5, kCodaBar + 6, Accompaniment::Arpeggio, true, -5},
    // The bar on the dominant eases into the intro's level, no step down
    // at the seam.
    {kCodaBar + 6, kEndBar, Accompaniment::Arpeggio, true, -6},
};

// The accompaniment's dynamic, velocity added, at a bar; in between it
// moves bar by bar, so the music swells and ebbs rather than steps. The
// coda leans on its augmented sixth without a climax and falls away on
// the dominant to meet the intro's band, soft but present, so the join is
// no cliff, and the theme's entry no jump out of it. Where the song's
// dominant turns aside to F the band drops back at once, so the flute's
// low head steals in over the new chord: at the song's height, the cello's
// F struck the flute's E a sour major seventh and covered its low notes.
// The interlude's band grows from its hush over the oboe's first phrase into
// its breath, where it jumped a step as the strings answered.
struct Level {
    std::size_t bar;
    int level;
};
const Level kLevels[] = {{0, -32},
                         {kA - 1, -27},
                         {kA, -20},
                         {kA + 4, -14},
                         {kA + 8, -12},
                         {kB - 1, -11},
                         {kB, -18},
                         {kB + 7, -14},
                         {kSequenceBar + 6, -11},
                         {kASecond - 1, -15},
                         {kASecond, -10},
                         {kC - 1, -14},
                         {kC, -27},
                         {kC + 3, -20},
                         {kC + 5, -20},
                         {kSongBar - 2, -18},
                         {kSongBar - 1, -17},
                         {kSongBar, -16},
                         {kSongBar + 7, 2},
                         {kAAgain, -2},
                         {kAAgain + 2, 1},
                         {kCodaBar - 1, -13},
                         {kCodaBar, -19},
                         {kCodaBar + 5, -20},
                         {kCodaBar + 6, -26}};
// Under the flute's theme the held strings step back: as loud, they
// would cover its soft middle octave; under the interlude's oboe they step back less, so the
// sparse texture keeps a middle.
constexpr int kThinPad = -12, kInterludePad = -6;
// Where the harp runs over the dominant before the song, the held chord
// is only a floor under it.
constexpr int kUnderTheFlourish = -10;
// The guitar's chords after the beat carry the lilt: a nylon string
// speaks softly, so they are struck harder than the rest of the band, most
// under the theme's low clarinet; under the flute's return the harp
// carries the figure and the guitar keeps its place.
constexpr int kGuitarLift = 3, kGuitarLiftUnderTheTheme = 2;
// Under the theme's first phrase, the clarinet's E4 to B4 just over the
// chords, the guitar plays lightly, so the low notes are not masked.
constexpr int kGuitarUnderTheEntry = -3;
// Under the flute's return, in its weak low octave, the guitar keeps lighter
// still.
constexpr int kGuitarUnderTheReturn = -5;
// A bowed cello sounding through the whole loop wears on the ear: it keeps
// back everywhere, and where the band plays under a lead, and under the
// intro's oboe, well under it: as loud as the lead, it would cover the
// tune in the low register; but much further back, the harmony it alone
// carries, its roots under the guitar's and the harp's upper notes, was
// lost on small speakers.
constexpr int kCelloBack = -1;
constexpr int kBassUnderTheLead = -5;
// Under the intro's soft oboe it keeps where it was before the cello came
// forward elsewhere, so the loop's start stays as far under the theme.
constexpr int kBassUnderTheIntro = kBassUnderTheLead - 3;
// Under the interlude's oboe, low and soft in its reedy octave, and the
// violin's run up to its song, the cello's lament keeps only a little
// back: it is the interlude's bass line, and softer it was lost; louder,
// it covered the oboe's low entry.
constexpr int kBassUnderTheInterlude = -5;
// Under the coda's soft clarinet and the strings' line the cello keeps its
// floor, or the band turns top-heavy.
constexpr int kBassUnderTheCoda = 0;
// Under the theme's clarinet, low in its range, the cello keeps further
// under it, so the tune clears the bass's downbeats, though not so far
// that the theme's first bars, cello and guitar alone, lose their floor;
// under the flute's
// theme, whose low notes a bowed bass as loud would meet, so does it, and
// under the flute's middle tune, which starts in its weak low octave.
// Under the theme's first two phrases, the clarinet lowest and the cello
// nearly as loud on its downbeats, it keeps further back still.
constexpr int kBassUnderTheTheme = -8, kBassUnderTheThemesOpening = -11, kBassUnderTheSecondTheme = -12,
              kBassUnderTheFlute = -8;
// Under the flute's return up to its summit the bass
// walks in eighths and would be a second tune: it keeps well under; under
// the flute's soft fall from the summit it keeps under it, but not so far
// that the cadence's bass, in the thirties, was lost under the harp.
constexpr int kBassUnderTheReturn = -20, kBassUnderTheFall = -16;
// Under the song's long violin notes the cello keeps well under them, or
// it is as loud as the violin's low E where the song begins; the song's
// crescendo carries the band, but its last two bars leave the violin's
// falling close above the bass.
constexpr int kBassUnderTheSong = -17, kBassUnderTheSongsClimax = -18;
// Under the sequence's winds the walking bass steps lightly, its
// downbeats well under the winds' notes; under the hemiola, in long notes
// and with the harp's rolls alone above it, it keeps the floor.
constexpr int kSequenceBass = -17, kSequenceHemiolaBass = -6;
// The top of the guitar's chords under the theme's first phrase, the
// clarinet's E4 to D5: A3, so the tune sings a fifth or more clear of them
// in the chalumeau, where notes a third apart blur into one another; but in
// its first bar C4, so the tonic chord the theme enters on has its third,
// struck lightly after the beat.
constexpr int kUnderTheClarinet = 57, kUnderTheEntry = 60;

// The strings' held chords under the flute's theme enter open, from A3
// C4 E4 up, clear of the guitar's E3 and A3, not where they last stopped,
// sixteen bars before.
constexpr std::array<int, 3> kSecondThemePadFrom = {57, 60, 64};
// As the theme turns to C the held chords start round C4 E4 G4, over the
// guitar's strum, and move from there: from where the intro's left off
// they sink into the tenor, where close thirds blur.
constexpr std::array<int, 3> kThemePadFrom = {60, 64, 67};
// The intro's held chord opens over the harp's rolling A2 to C4, not inside
// it, where the lowest notes would blur.
constexpr std::array<int, 3> kIntroPadFrom = {60, 64, 69};

// The scale the bass passes through, from a bar on.
struct Key {
    std::size_t bar;
    Scale scale;
};

// The players slow down through the sequence's cadence, in % of the beat's
// length, most as it comes to rest on the dominant, and take the tempo up
// again little by little through the harp's bar on the dominant, so the
// flute's theme comes in at a tempo it is already near: held broad to the
// bar line, the tempo snapped back under the theme. The last cadence keeps
// the tempo, so the loop does not seem to end there.
struct Broadening {
    std::size_t bar;
    std::array<std::uint32_t, 8> steps; // at each dotted eighth of the two bars
};
constexpr Broadening kBroadened[] = {{kASecond - 2, {100, 102, 104, 106, 107, 105, 103, 101}}};

} // namespace belvane::sound::game_tune_arrangement
