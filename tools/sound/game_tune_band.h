// The game tune's band: its figures bar by bar, how loud each plays
// against the lead, the strings' held chords, the scale the bass passes
// through and where the players broaden. Its places in the form come from
// game_tune_arrangement.h.
#pragma once

#include "game_tune_arrangement.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace belvane::sound::game_tune_arrangement {

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
    // The guitar's figure changes with the theme's phrases: one chord held
    // after each beat under the clarinet's low first phrase, so it stands
    // clear, two as it rises, and picked note by note once the strings hold
    // the chords, where strummed on the beat it would double them.
    {kA, kA + 4, Accompaniment::Lilt, true},
    {kA + 4, kA + 8, Accompaniment::Barcarolle, true},
    {kA + 8, kA + 12, Accompaniment::Broken, true, -8}, // lightly, under the answer and the strings' first chords
    // It keeps under the clarinet's cadence: with the phrase's swell it
    // grew over the clarinet's last notes, an octave above it.
    {kA + 12, kB, Accompaniment::Broken, true, -5},
    // The theme's first two phrases are the clarinet's with the guitar, the
    // cello and the strings' slow line alone, and so are the answer's first
    // two bars, low in the clarinet, where held chords an octave under it
    // masked it; as the answer climbs to its peak the strings hold soft
    // chords, an inner voice between the bass and the lead, so each harmony
    // is there on its downbeat, where the guitar only answers after the
    // beat; they come up to the cadence.
    {kA + 10, kA + 11, Accompaniment::Pad, false, -12}, // stealing in under the climb
    {kA + 11, kB - 2, Accompaniment::Pad, false, -6},
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
    // cello, so the upbeat, low in the flute's range and among the harp's
    // own notes, is heard over them.
    {kASecond - 1, kASecond, Accompaniment::Arpeggio, true, -10},
    {kASecond, kC + 3, Accompaniment::Pad, true},
    {kC + 5, kSongBar, Accompaniment::Pad, true},
    // Over the held strings the guitar picks the chords, lightly, under the
    // flute's low head, then the harp spells out the turn to D minor.
    {kASecond, kASecond + 4, Accompaniment::Broken, false, -14},
    {kASecond + 4, kASecond + 5, Accompaniment::Rolled, false, -12}, // the close in C, the flute's breath
    {kASecond + 5, kASecond + 8, Accompaniment::Arpeggio, false, -12},
    {kASecond + 8, kC, Accompaniment::Rolled, false, -12}, // the cadence to D minor
    // Under the interlude's held strings the harp keeps the pulse, softly,
    // over the cello's lament; where the oboe breathes the strings answer
    // it, and the harp, a little fuller, carries the bass with the cello.
    // Under the oboe's low entry the harp's figure is written out, below
    // it; it keeps back as the oboe climbs.
    {kC + 2, kC + 3, Accompaniment::Arpeggio, false, -6},
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
    // come in as the clarinet leaves the middle to them. Its rocking keeps
    // under the violin's half close, where its struck basses came level
    // with the violin's G.
    // Its bass, the cello's note in unison, keeps under the violin's
    // entry: struck at the cello's level, the two came near the song's.
    {kSongBar, kSongBar + 2, Accompaniment::Rising, true, -2},
    {kSongBar + 2, kSongBar + 4, Accompaniment::Ripple, true, -4},
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
                         {kC, -29},
                         {kC + 3, -23},
                         {kC + 5, -22},
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
// chords, the guitar plays lightly, so the low notes are not masked:
// struck a step under the band, its C4 still crowded the entry's E4.
constexpr int kGuitarUnderTheEntry = -7;
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
// Whatever its level, the band strikes no note within this of the lead
// note sounding over it: the cello's downbeats, the guitar's chords and the
// harp's basses came within a few steps of the clarinet's, the flute's and
// the violin's softer notes, and covered them.
constexpr int kUnderTheLead = 10;
constexpr int kBassUnderTheLead = -5;
// Under the intro's soft oboe it keeps further back still, so the loop's
// start stays as far under the theme: a few steps under the oboe, its
// lament came louder than the oboe's notes as they fell to the dominant.
constexpr int kBassUnderTheIntro = kBassUnderTheLead - 7;
// Under the interlude's oboe, low and soft in its reedy octave, and the
// violin's run up to its song, the cello's lament keeps only a little
// back: it is the interlude's bass line, and softer it was lost; louder,
// it covered the oboe's low entry and its second phrase's close.
// At -7 its held E under the oboe's close and the violin's run up to the
// song stood level with them.
constexpr int kBassUnderTheInterlude = -10;
// Under the oboe's first phrase, low in its range and an octave and a half
// over the lament's D C B flat, the cello keeps further back: as loud as
// it is after, the reed had only a couple of decibels over the bass; in
// the thirties, with the harp's soft bass, the lament had no floor.
constexpr int kBassUnderTheInterludesOpening = -9;
// Under the coda's soft clarinet and the strings' line the cello keeps its
// floor, or the band turns top-heavy; but under the clarinet's last notes
// and the oboe's pick-up round the seam, both soft and falling away, it
// keeps back: held as loud, its dominant came louder than the leads.
// Level with the band, its downbeats met the clarinet's soft fragments.
constexpr int kBassUnderTheCoda = -7, kBassUnderTheSeam = -11;
// Under the theme's clarinet, low in its range, the cello keeps further
// under it, so the tune clears the bass's downbeats, though not so far
// that the theme's first bars, cello and guitar alone, lose their floor;
// under the flute's
// theme, whose low notes a bowed bass as loud would meet, so does it, and
// under the flute's middle tune, which starts in its weak low octave.
// Under the theme's first two phrases, the clarinet lowest and the cello
// nearly as loud on its downbeats, it keeps further back still; so it does
// under the flute's tunes, whose first notes, low and at the start of
// their phrases' swell, came no louder than the cello's. A few steps
// nearer, its downbeats in the high fifties and sixties matched the
// clarinet's notes through the theme and its cadence, and the flute's
// low head.
constexpr int kBassUnderTheTheme = -13, kBassUnderTheThemesOpening = -18, kBassUnderTheSecondTheme = -20,
              kBassUnderTheFlute = -13;
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
// and with the harp's rolls alone above it, it keeps the floor, but under
// the oboe: a step louder, its downbeats came level with the oboe's notes
// in the sixties.
constexpr int kSequenceBass = -27, kSequenceHemiolaBass = -12;
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
// As the theme climbs to its peak the held chords start round C4 E4 G4,
// over the guitar's strum, and move from there: from where the intro's left off
// they sink into the tenor, where close thirds blur.
constexpr std::array<int, 3> kThemePadFrom = {60, 64, 67};

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
