// The game tune's arrangement: who plays it, the leads' entries and
// levels, the bass written out and the form's marks. The band's figures
// and how loud it plays against the lead are in game_tune_band.h; the
// notes themselves are in game_tune_score.h; game_tune.cpp composes them.
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
// The winds sing slurred, each note lifted only a few ticks before the
// next: lifted by a fiftieth of a second, every note of the siciliano's
// lines was tongued afresh. Played so close, they keep within a couple of
// ticks of the beat, or a late note would run into the next.
constexpr std::uint32_t kSlurred = 5;
constexpr int kSlurredSpread = 2;
// The theme comes in over the intro's level, low in the clarinet's
// chalumeau among the guitar's chords and the strings' line, so it is
// played out there: struck at the sixties, the loop's main theme was its
// murkiest lead. From its second phrase, as it climbs, it is played no
// harder, so the loop's first minute is not its loudest melody.
// Over the whole loop the leads grow to the violin's song, the climax:
// each earlier tune peaks a little under its E, its band keeping back.
constexpr Voice kClarinetEntry{kClarinet, -12, 66, kSlurred, Articulation::Plain, kSlurredSpread};
constexpr Voice kClarinetLow{kClarinet, -12, 62, kSlurred, Articulation::Plain, kSlurredSpread};
// The oboe answers the flute a little under its level: its reed carries.
// Its sequence's second unit, a step lower, is softer, and the third
// stays there: the oboe's top is its most nasal. The sequence's runs and
// turns are played near the beat, as all the winds' notes are, so they are
// heard as meant, not as a stumble.
constexpr Voice kOboeAnswer{kOboe, 0, 56, kSlurred, Articulation::Plain, kSlurredSpread};
constexpr Voice kOboeStepDown{kOboe, 0, 53, kSlurred, Articulation::Plain, kSlurredSpread};
constexpr Voice kOboeHemiola{kOboe, 0, 53, kSlurred, Articulation::Plain, kSlurredSpread};
// The coda's clarinet fades with the band after the return's cadence.
constexpr Voice kClarinetCoda{kClarinet, -12, 59, kSlurred, Articulation::Plain, kSlurredSpread};
// The clarinet, which first sang the theme, recalls it in the coda.
constexpr Voice kClarinetRecall{kClarinet, 0, 55, kSlurred, Articulation::Plain, kSlurredSpread};
// The oboe of the loop's last bars, falling away into the intro, and landing
// on its first bar as soft as the intro it starts.
constexpr Voice kOboeRound{kOboe, 0, 50, kSlurred, Articulation::Plain, kSlurredSpread};
constexpr Voice kOboeLanding{kOboe, 0, 48, kSlurred, Articulation::Plain, kSlurredSpread};
constexpr Voice kFluteLead{kFlute, 0, 62, kSlurred, Articulation::Plain, kSlurredSpread};
// The flute's return, well under the song's level and lighter than its
// first tune: a GM flute up high is shrill, bright enough unpressed. Its
// G, the loop's highest note, held over the bar line, is the loudest
// of the return, only about 63; from it the line falls away evenly to the
// cadence, over an answer in the oboe kept under it.
// Its first bars lie in the flute's soft low octave: played out, over a
// lighter line in the strings and cello.
constexpr Voice kFluteReturn{kFlute, 0, 62, kSlurred, Articulation::Plain, kSlurredSpread};
// The summit's arc peaks on the bar it resolves in, so its fall to F is a
// step down, not a drop: counted from the summit's own bar, the G's F
// came twenty softer, as if the player gave up at the top.
constexpr Voice kFluteSummit{kFlute, 0, 54, kSlurred, Articulation::Plain, kSlurredSpread};
// The flute's second telling of the theme, under the violin's song, its
// high notes kept under the seventies, over held strings stepped
// back further (kThinPad).
constexpr Voice kFluteTheme{kFlute, 0, 60, kSlurred, Articulation::Plain, kSlurredSpread};
// Its run up to the theme lies in its weak low octave, under a tempo
// still held back: played as loud as the theme's first note, or it is the
// faintest upbeat in the tune; louder, the phrase sagged as it began.
constexpr Voice kFluteUpbeat{kFlute, 0, 61, kSlurred, Articulation::Plain, kSlurredSpread};
// The song's long high notes lie over the harp, where a GM violin
// pressed hard turns shrill and thin: it sings them gently, with the
// clarinet under it through its first phrase, and the band's swell under
// its climax, the harp's waves most, is held back so it stays on top and
// the loop's fullest bars do not jump out of the background. It grows a
// little every bar with the bass's climb, never falling back, so its E,
// the top of the climb, is its loudest note: shaped as an eight-bar
// phrase, it dipped as the bass went on rising and its E came softer than
// the notes leading to it. Its climax, the loudest lead note of the loop,
// is a step over the notes leading to it and no more: in the mid seventies,
// a GM violin's E6 jumped out of the background every loop. It starts
// near sixty, clear of the harp and the clarinet: lower, its entry was
// timid, and the ear followed the clarinet's moving line.
constexpr Voice kViolinSong{kViolin, 0, 60, 10, Articulation::Plain, 8, 6};
// Its run up to the song, B C D, as loud as the song's first notes.
constexpr Voice kViolinUpbeat{kViolin, 0, 59, 10, Articulation::Plain, 8};
// The clarinet sings the song with it, under it, in its clear upper
// register, well back, so the song stays the violin's, not a duet of
// equals: its line moves in eighths where the violin holds, and within a
// few steps of it, the ear followed it; in the low forties it sank into
// the harp. It keeps back a little as the violin sings out over it.
constexpr Voice kClarinetDuet{kClarinet, 0, 45, kSlurred, Articulation::Plain, kSlurredSpread};
// The oboe's echo of the flute's fall is heard over the harp's roll and the
// strings' held A, but kept under the flute it answers: fading into the
// thirties it was lost; entering over the flute, it was a new lead. Its
// last note, falling to 37 under the harp's 48 and the strings' 45, was
// still lost: it starts a little under the flute's F and ends about level
// with the band, not under it.
constexpr Voice kOboeEcho{kOboe, 0, 50, kSlurred, Articulation::Plain, kSlurredSpread};
// The interlude's oboe sings out over the held strings and the harp,
// which would cover a reed played softly in its low octave: its entry,
// A and D over the harp's D, not under the harp's bass. Its second
// phrase, higher, needs no pressing: the interlude is the loop's hush
// between the theme and the song.
constexpr Voice kOboeLead{kOboe, 0, 50, kSlurred, Articulation::Plain, kSlurredSpread};
// Its first phrase lies lowest, A4 to D5 over the cello's lament: played
// out there, where its line's height alone made it the softest, the reed
// barely cleared the bass.
constexpr Voice kOboeLow{kOboe, 0, 54, kSlurred, Articulation::Plain, kSlurredSpread};
constexpr Voice kOboeCall{kOboe, 0, 46, kSlurred, Articulation::Plain, kSlurredSpread};
// Under the intro's oboe the strings' two voices are soft, held strings
// speaking late and thin at the band's level, and held evenly: with the
// line's accent on its top, the A over F swelled into the oboe's octave.
constexpr Voice kStringsIntro{kStrings, 0, 34, 30, Articulation::Plain, 5, 1};
// Under the theme's low clarinet the strings' line is a floor, not a voice.
constexpr Voice kStringsUnderTheTheme{kStrings, 0, 35, 30, Articulation::Plain, 5};
// Under the flute the strings enter softly, after its first phrase.
constexpr Voice kStringsCounter{kStrings, 0, 37, 30, Articulation::Plain, 5};
// Under the recap the strings' two lines are the flute's partners, not a
// pad, and full enough for bowed strings to be heard under it.
constexpr Voice kStringsRecap{kStrings, 0, 41, 30, Articulation::Plain, 5};
// Under the flute's fall from the summit they fade with it, where held at
// its level, growing with the phrase, they covered its closing line.
constexpr Voice kStringsFading{kStrings, 0, 37, 30, Articulation::Plain, 5};
// Where the clarinet breathes in the coda, the strings' line answers it as
// a voice, not a floor: it carries the music over the gap. It keeps well
// under the clarinet, whose octave it shares: in the mid forties, the coda
// was the one place the lead barely cleared the band.
constexpr Voice kStringsSinging{kStrings, 0, 40, 30, Articulation::Plain, 5};
// Under the oboe's sequence the strings' thirds and sevenths are its
// middle, not its partner: at the oboe's level in its hemiola, they
// stood level with it.
constexpr Voice kStringsSequence{kStrings, 0, 40, 30, Articulation::Plain, 5};
// Under the song's climb the strings' two lines, low and sustained, carry
// the climax's middle, where the harp's quick waves step back from the
// violin; they grow with it, and do not fall away under its E, but keep
// well under it: a bowed pad of the violin's own family, as loud, washed
// the song out.
constexpr Voice kStringsSong{kStrings, 0, 46, 30, Articulation::Plain, 5, 6};
// In the interlude's breath the strings sing, not hold, under the oboe's
// level, in its octave: entering a third under its held C# and louder than
// it, they covered the phrase's last note.
constexpr Voice kStringsAnswer{kStrings, 0, 37, 30, Articulation::Plain, 5};
// The band alone after the flute's close plays softly, but grows with its
// phrase into the oboe's entry, so the breath is heard as meant, not as a
// part missing.
// Its harp lets its figure ring, as the harp does everywhere else, softly,
// so the tops stand out of it.
constexpr Voice kHarpLink{kHarp, 0, 37, 12, Articulation::Ringing, 5};
// Its tops, the link's thread of a tune, sing over the figure: at the
// figure's level, and a few steps over it, the link was heard as the music
// dropping out. The last keeps under the oboe's entry.
constexpr Voice kHarpLinkTops{kHarp, 0, 64, 12, Articulation::Ringing, 5};
constexpr Voice kHarpLinkTopsLast{kHarp, 0, 50, 12, Articulation::Ringing, 5};
constexpr Voice kCelloLink{kBass, 0, 47, 10, Articulation::Plain, 5};
// Under the interlude's low oboe the harp keeps the pulse at the level its
// waves had there, ringing.
constexpr Voice kHarpUnderTheOboe{kHarp, 0, 42, 12, Articulation::Ringing, 5};

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
    {&kStringsUnderTheTheme, kA, &kThemeUnder, 0},
    {&kFluteLead, kB - 1, &kMiddle, 7},
    {&kStringsCounter, kB + 4, &kMiddleCounter, 4},
    {&kStringsCounter, kB + 4, &kMiddleCounterInner, 4},
    {&kStringsCounter, kLink, &kLinkInner, 0},
    {&kHarpLink, kLink, &kLinkHarp, 0},
    {&kHarpLinkTops, kLink, &kLinkHarpTops, 0},
    {&kHarpLinkTopsLast, kLink + 3, &kLinkHarpTopsLast, 3},
    {&kCelloLink, kLink, &kLinkBass, 4},
    {&kOboeAnswer, kSequenceBar - 1, &kSequence, 7},
    {&kOboeStepDown, kSequenceBar + 2, &kSequenceCopy, 2},
    {&kOboeHemiola, kSequenceBar + 4, &kSequenceClose, 4},
    {&kStringsSequence, kSequenceBar, &kSequenceCounter, 0},
    {&kStringsSequence, kSequenceBar, &kSequenceCounterLow, 0},
    {&kFluteUpbeat, kASecond - 1, &kThemeSecondPickup, 7},
    {&kFluteTheme, kASecond, &kThemeSecond, 0},
    {&kOboeLow, kC, &kInterlude, 0},
    {&kOboeLead, kC + 4, &kInterludeSecond, 4},
    {&kStringsAnswer, kC + 3, &kInterludeAnswer, 3},
    {&kHarpUnderTheOboe, kC, &kInterludeHarp, 0},
    {&kViolinUpbeat, kSongBar - 1, &kSongPickup, 7},
    {&kViolinSong, kSongBar, &kSong, 0},
    // The clarinet's line swells from its entry, not from the phrase's low
    // point: there its first bars sank under the harp's basses.
    {&kClarinetDuet, kSongBar, &kSongDuet, 2},
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
    {&kStringsIntro, 0, &kIntroStrings, 0},
    {&kStringsIntro, 0, &kIntroStringsLow, 0},
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
    // Under the clarinet's entry the bass rocks on the tonic's root and
    // fifth: walking down through D2 to the next bar's C, it passed a
    // muddy cluster under the clarinet and the guitar's A3 and C4.
    {kA, "A2/3 E2/3"},
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
    {kASecond, "C3/3 A2/3"},
    {kASecond + 1, "E2/3 G2/3"},
    // A minor on its third, so the flute's E over it is not a fifth over
    // the bass, as its D over the G was a bar before.
    {kASecond + 2, "F2/3 C3/3"},
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
    // Under the violin's run up to its song the bass holds the dominant's
    // root: rising to G sharp, it made fifths, diminished then perfect,
    // with the run's D going to the song's E.
    {kC + 7, "E2/6"},
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
    // on by semitones to G. It holds the F through the return's first bar:
    // rising to A under the flute's leap to A, it met it in octaves.
    {kSongBar + 7, "E2/6"},
    {kAAgain, "F2/6"},
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

} // namespace belvane::sound::game_tune_arrangement
