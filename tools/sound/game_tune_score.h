#pragma once
// The game tune's notes as written: its chords bar by bar and its lines,
// bar by bar in the notation of score.h. Who plays them, how loud and with
// what around them is the arrangement, in game_tune.cpp.
#include <string_view>
#include <vector>

namespace belvane::sound::game_tune_score {

using Bars = std::vector<std::string_view>;

// ---- The chords, bar by bar, section by section ----

inline const Bars kChordBars[] = {
    // intro: the lament bass A G F E under plain chords
    {"Am", "G", "F", "E"},
    // A: halting on the dominant, closing in C, then through the Neapolitan
    // to the tonic: the first full close in A minor, the clarinet turning
    // down to the tonic's root before the chord turns to the major on its
    // second beat, as the flute enters
    {"Am", "Am/C", "Dm Dm/F", "E", "Am", "Dm/F", "F G7", "C", "Am/C", "G", "C C/E", "F C/E", "Dm7 Dm7", "Bb/D",
     "E7 E7/G#", "Am A"},
    // B: the tonic major, its first colour away from the minor, a half
    // close on its dominant's seventh resolving to A with the third on top,
    // B minor's dominant turning the cadence aside, and a full close, ii,
    // V, I, the tonic's root under the flute's A, held through the bar
    {"A/C#", "E7/B", "A/C#", "D F#m", "Bm7 Bm7/D", "F# F#/A#", "Bm7 E7", "A"},
    // the band alone: the intro's lament A G F E from the major, the tonic
    // turned dominant of D minor by its seventh in the bass, its third
    // rising to D minor's root, and E minor's seventh, the minor come back
    // as a shading, brightened to the dominant as the oboe's pick-up climbs
    // its chord
    {"A7/G", "Dm/F", "Em7", "E7"},
    // then the minor again, Am7 Dm7 G7 Cmaj7 F Bm7b5 E7, the circle of
    // fifths a chord a bar over a bass walking in eighths, and a bar on the
    // dominant alone (the first chord's seventh is the strings' alone: in
    // the guitar's low strum, G A C is a cluster; F's is left out, or its
    // second beat, strummed without the F, reads as A minor over the bass's C)
    {"Am", "Dm7", "G7", "Cmaj7", "F", "Dm/B", "E7", "E7/B E7/D"},
    // A': on to C and F, through F's dominant to F over its third, and to
    // D minor through its ii-V: the dominant comes once, at the close (C's
    // own, in its fourth bar, a plain triad: its seventh, low in the held
    // chord, crowds the guitar's D and F)
    {"Am/C", "C/E", "F Am", "Dm7 G", "C", "F Am", "Bb F/A", "Gm/Bb C7", "F/A Gm", "Gm/E A7"},
    // C: D minor over the lament bass D C Bb A, the Neapolitan of A minor,
    // and its dominant turning to the leading note in the bass
    {"Dm", "C7", "Gm/Bb", "A7", "Dm/F", "Bb/D", "E7", "E7 E7/G#"},
    // D: the bass climbs by semitones from the tonic to the dominant, through
    // the dominants of D minor (its leading note the bass's for a beat only,
    // the clarinet's as it rises to D) and of E, C turning to G under the violin's
    // suspended C as the bass falls to it; the song's dominant does not
    // close: it turns aside to F as the theme comes back, its head over a
    // bass rising by semitones, F F# G, through the dominants of G, C and F,
    // eight bars to the one full cadence, at the flute's end
    {"Am", "G/B", "C G", "A7/C# A7", "Dm", "B7/D#", "Am/E", "E7", "F", "D7/F#", "G7", "C C7/E", "F", "Dm7 E7",
     "E7 E7/G#", "Am"},
    // coda: i, then VI, so the loop does not idle on the tonic round its
    // seam; the tonic again over its third, iv in root position, and, where
    // the theme's answer and the interlude went through the Neapolitan, the
    // augmented sixth over F (F A C D#, spelt as F7), its outer voices
    // opening to the octave on the tonic's six-four, the dominant, and a bar
    // on the dominant back to the start
    {"Am", "F", "Am/C", "Dm", "F7", "Am/E E7", "E7 E7/G#"},
};

// ---- The lines: each enters on its bar of the tune (counted from 0) ----

// The theme (written an octave above the clarinet's sounding pitch): the
// first phrase halts on the dominant, the second moves to C major, the
// answer climbs to its peak (a held G) and falls, through the Neapolitan,
// to a full close, turning down from the third to the root, so the major
// chord that follows does not contradict the note it ends on.
inline const Bars kThemeOpening = {"E5/3 F5/1 E5/2 A5/4 B5/2", "C6/4 D6/2 E6/4 A5/2", "F5/2 G5/2 A5/2 D6/4 B5/2",
                                   "C6/4 B5/2 G#5/4 r/2"};
inline const Bars kTheme = {"r/2 A5/2 C6/2 E6/6", "~E6/4 D6/2 A5/4 F5/2", "A5/2 C6/6 B5/2 D6/2",
                            "E6/6 r/4 E5/2",      "A5/4 B5/2 C6/4 E6/2",  "D6/2 C6/2 B5/2 G5/3 C6/1 D6/2",
                            "E6/2 F6/2 G6/8",     "F6/4 E6/2 C6/4 r/2",   "r/2 A5/2 F6/2 E6/3 D6/3",
                            "F6/2 D6/4 Bb5/6",    "G#5/6 B5/4 D6/2",      "C6/3 B5/1 A5/2 r/6"};

// Under the theme's first two phrases, the clarinet low with the guitar
// and the cello alone, the strings hold one slow line in the tenor, a
// floor under the clarinet where the two phrases sounded thin: the tonic's
// A held through its first three bars, dipping to the leading note under
// the half close (a B there ground a ninth under the clarinet's C) and
// rising to the dominant's root as the clarinet takes the leading note
// itself, then falling to the tonic's third and turning with the theme's
// climb round D to C, let go as
// the bass passes through B. Held an octave lower, on E and D, it only
// doubled the guitar's low notes and the cello. It steals in a bar after
// the clarinet: held from its first note, a fifth under its E among the
// guitar's A and C, it made the entry a muddy cluster in the tenor.
inline const Bars kThemeUnder = {"r/12", "A3/12", "~A3/12", "G#3/6 E4/6", "C4/12", "D4/12", "C4/6 D4/6", "C4/10 r/2"};

// The middle tune, flute, in A major: entering after the clarinet's last
// note, as the chord turns to the major, on its A and F sharp, the
// major's sixth, its first phrase climbs from the D over the dominant, turning
// round its G sharp, to a B leaning on the tonic's A; its second rises to
// B minor over the bass's leading note, holds its C sharp over the bar
// line as the bass resolves, a suspension falling to B minor's root, and
// closes on A over the root. Over B minor's dominant it takes the sharp A
// the bass rises to, not the plain one. Over the dominant's seventh it
// turns round its G sharp to the B, where a passing A, struck after the
// harp's G sharp, was heard as a bare fourth. It breathes before the
// run that starts its second phrase: the two ran together as one line of
// eight bars.
inline const Bars kMiddle = {
    "r/8 A5/2 F#5/2",          "E5/4 D5/2 C#5/4 E5/2",      "D5/4 E5/2 G#5/3 F#5/1 G#5/2",
    "B5/4 A5/2 r/4 E5/2",      "F#5/3 E5/1 D5/2 C#5/4 r/2", "D5/1 E5/1 F#5/1 G#5/1 A5/2 B5/4 A5/2",
    "A#5/4 G#5/2 F#5/4 C#6/2", "~C#6/4 B5/2 G#5/4 B5/2",    "A5/6 r/6",
};
// Under the flute's second phrase, where its first has sung over the harp
// alone, the strings come in, moving slowly in the middle register, in
// tenths and sixths or against it, never in octaves with it, and on the
// chords' own notes where the flute leans on a seventh of its own; as the
// flute closes they rise to the tonic's fifth and go on into the band's
// bars alone: held over the bass's seventh, rising with D minor's third and
// E minor's, and to the dominant's fifth as the oboe's pick-up begins.
inline const Bars kMiddleCounter = {"A4/6 F#4/6", "C#4/12", "D4/6 E4/6", "C#4/6 E4/6",
                                    "~E4/12",     "F4/12",  "G4/12",     "B4/12"};
// With it a second line fills each chord to three parts, mostly a third
// or a sixth from the first, and never moving with the flute or the bass
// into an octave: an F sharp held through B minor and F sharp minor into
// its seventh chord, clear of the A the bass sharpens to lead to B minor,
// held on as E's ninth, where the flute has the G sharp, and rising to the
// tonic, held through
// the band's bars alone, rising to E minor's fifth, held through the
// dominant.
inline const Bars kMiddleCounterInner = {"F#3/12", "~F#3/12", "~F#3/12", "A3/12",
                                         "~A3/12", "~A3/12",  "B3/12",   "~B3/12"};

// Where the band plays alone after the flute's close, a third part fills
// the strings' chords: the major's third, rising to D minor's root and
// held as E minor's seventh and the dominant's, to fall to C as the circle
// begins.
inline const Bars kLinkInner = {"C#4/12", "D4/12", "~D4/12", "~D4/12"};
// Over them the harp climbs in eighths, a figure of its own, and leans on
// its top in the lilt, long-short, the tops rising a step a bar, C sharp,
// D, E, and back down through the dominant under the oboe's pick-up,
// leaving it its G sharp and B.
// Its tops are the link's tune, a thread over the figure where no lead
// sings: played as one line of their own, a little over the figure.
inline const Bars kLinkHarp = {"G3/2 E4/2 A4/2 r/4 A4/2", "F3/2 D4/2 A4/2 r/4 A4/2", "E3/2 B3/2 G4/2 r/4 D5/2",
                               "E3/2 B3/2 E4/2 r/4 E4/2"};
// They sing out over the figure till the top, E, and step back for the
// last, D, under the oboe's pick-up.
inline const Bars kLinkHarpTops = {"r/6 C#5/4 r/2", "r/6 D5/4 r/2", "r/6 E5/4 r/2"};
inline const Bars kLinkHarpTopsLast = {"r/6 D5/4 r/2"};
// The cello walks the intro's lament on down from the flute's A, a bar a
// note, growing into the sequence, and rocks on the dominant, to its fifth,
// leaving the leading note to the oboe's pick-up.
inline const Bars kLinkBass = {"G2/12", "F2/12", "E2/12", "E2/6 B2/6"};

// The answer to the middle tune, a sequence over the falling fifths in
// two-bar units, each a step lower: each unit leans on the chord's fourth
// and runs down the scale by step, then turns in the lilt, long-short on
// each beat, round the chord that follows. The oboe, the siciliano's own
// voice, sings the whole sequence, one colour for one thought: its second
// unit takes the first's run a step lower and turns up to B, then leans
// an A on C's fifth, where the major seventh would grind on the bass, and
// falls by step to E, breathing before the third.
inline const Bars kSequence = {"r/8 G#5/2 B5/2", "D6/4 C6/2 B5/2 A5/2 B5/2", "C6/4 A5/2 F5/4 A5/2"};
inline const Bars kSequenceCopy = {"C6/4 B5/2 A5/2 G5/2 B5/2", "A5/4 G5/2 E5/4 r/2"};
// Between the strummed chords and the winds the strings hold the chords'
// thirds and sevenths, a step at a time, so the circle of fifths has a
// middle: the seventh of each chord the third of the next; the last
// falls to the dominant's third, rings under the harp's bar and is let go
// as the flute's upbeat to its theme begins on that G sharp. Rising to
// the tonic's A4 as the theme began, it topped the held chord a fifth
// under the flute's low E and left its entry pale.
inline const Bars kSequenceCounter = {"G4/12", "F4/12", "~F4/12", "E4/12", "A4/12", "~A4/12", "G#4/12", "~G#4/6 r/6"};
// Under it a second line takes the other of each chord's third and
// seventh, or another of its tones, so the sequence sounds in full
// chords, not over one held note: C held from the tonic into D minor's
// seventh, G's root while the clarinet leans its C on the chord's third,
// rising to that third once it resolves, and on to C's fifth, and a line climbing through F's
// fifth to the half-diminished chord's F, which falls to the dominant's
// root, held into the flute's chord.
inline const Bars kSequenceCounterLow = {"C4/12", "~C4/12", "G3/6 B3/6", "G3/12",
                                         "C4/12", "F4/12",  "E4/12",     "~E4/6 r/6"};
// After a breath the third unit breaks the pattern: a run up in even
// eighths, then the chords spelt in quarters across the beats, the
// cadence's hemiola, falling over the half-diminished chord, and a C
// leaning on the dominant's fifth, let go before the harp's bar on the
// dominant.
inline const Bars kSequenceClose = {"r/2 F5/2 G5/2 A5/2 B5/2 C6/2", "D6/4 A5/4 F5/4", "C6/4 B5/5 r/3"};

// The theme on the flute, after a bar of harp on the dominant: a GM solo
// violin, exposed for ten bars in the theme's quick turns, was thin and
// edgy. Its first phrase closes on C, over a bass falling from G, where
// the flute takes a breath before the turn to F; then its head's turn
// and leap over F, rising to its E, and down to D minor in plainer notes,
// a held F and quarters: the turn in every bar, heard in every section,
// wore thin. The player breathes an eighth at the end of the held F,
// before the line's last climb: five bars at a stretch, the flute never
// breathed; taken inside the quick notes, the breath clipped one to a
// hiccup, and a sixteenth there was read as no breath at all. It
// breathes too after its first climb, an eighth before its fall, turning
// down from its D in quicker notes to make room: four bars ran on without
// a seam, and a sixteenth's lift was only a catch. Its last note is held
// into the interlude's first bar.
inline const Bars kThemeSecond = {
    "E5/3 F5/1 E5/2 A5/2 G#5/1 A5/1 B5/2",
    "C6/6 D6/2 C6/1 B5/1 r/2",
    "A5/2 G5/2 F5/2 E5/3 A5/3",
    "C6/4 A5/2 B5/4 D6/2",
    "C6/6 r/4 D6/2",
    "A5/3 Bb5/1 A5/2 C6/4 E6/2",
    "D6/4 Bb5/2 C6/4 A5/2",
    "G5/4 Bb5/2 G5/4 E5/2",
    "F5/4 r/2 Bb5/4 C6/2",
    "Bb5/4 A5/2 G5/2 E5/2 C#5/2",
    "D5/6 r/6",
};

// The interlude: few notes, long ones, entering over the flute's close;
// after a bar's breath its second phrase enters on the second beat, as the
// first did; its last leans on the dominant's C and falls to its fifth, and
// the band alone holds the dominant a bar before the violin's song.
inline const Bars kInterlude = {"r/6 A4/4 D5/2", "Bb4/4 A4/2 Bb4/3 C5/1 D5/2", "G5/4 F5/2 D5/6", "C#5/6 r/6"};
inline const Bars kInterludeSecond = {"r/6 F5/4 G5/2", "Bb5/4 G5/2 F5/6", "E5/4 D5/1 C5/1 B4/3 r/3"};

// As the oboe's first phrase breathes, the strings answer it in the
// lilt, from the dominant's root falling to its fifth and to the tonic
// chord, each note long enough for bowed strings to speak, and hold as the
// oboe comes in again.
inline const Bars kInterludeAnswer = {"A4/6 E4/6", "F4/6 D4/6"};
// Under the oboe's low entry the harp keeps its eighths in open fifths
// and octaves over the bass, touching D4 only before the reed comes in
// and staying an octave under it after: turning at D4 and C4, a fifth
// under the oboe's A4 and B flat 4, it crowded them, and in close thirds
// over the cello it was thick; its usual waves reached F4 and E4; rocking
// in the lilt on four notes, it left a seam where its waves came back.
// Over C the seventh is struck after the oboe's, not with it.
inline const Bars kInterludeHarp = {"D3/2 A3/2 D4/2 A3/2 D3/2 A3/2", "C3/2 G3/2 E3/2 G3/2 C3/2 Bb3/2"};

// After the interlude, a song of its own on the violin, in long notes over
// the harp's running sixteenths, apart from the theme's lilt: it falls by
// step as the bass climbs to the dominant, growing; over the
// tonic's six-four it climbs to E, the dominant's root on the downbeat, and
// falls to its fifth, handing over to the flute and the theme's return.
// After the band's bar alone on the dominant, the violin runs up to the
// song by step, B C D. Its two phrases are parted by a breath, a dotted
// eighth, at the half close on A7, so the second's climb starts afresh: a
// sixteenth's lift of the bow there ran the two together.
inline const Bars kSongPickup = {"r/9 B4/1 C5/1 D5/1"};
// Over the harp's bar on the dominant the flute falls through its chord to
// the theme, B, G sharp, D, stepping up to its E: a single B was too bare,
// and the violin's run up to its song by step is its own; climbing the
// chord from G sharp, low in the flute's breathy octave, among the strings'
// and the harp's notes, it was buried. It moves in eighths from the bar's
// second beat: in sixteenths, under a tempo still held back, the notes
// barely spoke.
inline const Bars kThemeSecondPickup = {"r/6 B5/2 G#5/2 D5/2"};
inline const Bars kSong = {"E5/6 A5/6",           "D6/6 B5/3 D6/3",           "C6/9 B5/3",
                           "A5/4 E5/2 G5/3 r/3",  "F5/3 E5/1 F5/2 A5/4 G5/2", "F#5/4 A5/2 B5/6",
                           "A5/4 B5/2 C6/4 D6/2", "E6/3 D6/1 C6/2 B5/6"};
// Through the song's first phrase the clarinet sings with the violin, a
// sixth or a tenth under it in its own middle register, over the harp's
// low figures: one line of its own, moving where the violin holds its long
// notes, falling as it climbs (under the violin's held C it turns below its
// E, not above, where an F rubbed a ninth on the harp's E), and closing
// its phrase as the violin's
// goes on: A7's C sharp rises to D minor's root on the downbeat where the
// strings come in, and the clarinet leaves the middle to them as the bass
// begins to climb. It lifts once, at the end of its long D, so its
// line breathes halfway, as a singer would.
inline const Bars kSongDuet = {"C5/4 B4/2 A4/4 C5/2", "G4/3 A4/1 B4/2 D5/5 r/1", "E5/4 D5/2 E5/3 D5/3",
                               "G4/4 A4/2 C#5/6", "D5/6 r/6"};
// Under the song's climb the strings come in as two lines, not held
// chords: the lower climbs by step, A B C, under the violin's A, B and C,
// and falls to the dominant's leading note, which rises as the return
// turns to F; the upper takes D minor's root, B7's
// fifth, the six-four's E and the dominant's seventh, so B7's leading note
// is the bass's alone, its seventh the harp's and the violin's, and the
// chords stay full to the top of the climb.
inline const Bars kSongStrings = {"A3/12", "B3/12", "C4/12", "G#3/12"};
inline const Bars kSongStringsUpper = {"D4/12", "F#4/12", "E4/12", "~E4/6 D4/6"};
// The flute brings back the theme's head where the song's cadence turns
// aside, a fourth higher, on F's third: its turn round the B flat and its
// leap to D, which leans on the next bar's C, are the head's E F E A in its
// own rhythm (on its E, held, it was a major seventh on the bass's F, and
// snapped short, out of the siciliano's lilt); its third bar,
// where the theme halted on the dominant, turns on D and climbs on into
// the summit. One instrument sings the whole rising line: handed over from
// the oboe inside it, the change of colour was heard as a splice. The
// player breathes after the head's two bars, before the climb: the line
// ran nine seconds up to the held G without one.
inline const Bars kThemeReturnFlute = {"A5/3 Bb5/1 A5/2 D6/6", "C6/4 D6/2 C6/4 r/2", "F5/2 G5/2 A5/2 D6/3 C6/1 D6/2"};
// The summit is reached in the lilt, on the second beat, not held from the
// first: a GM flute held so high for two beats whistles. It is held over
// F's root and falls to it, and from there the line falls by step in one
// phrase to the cadence, the eighth bar of the return, the
// oboe's echo taking it on from F's third.
inline const Bars kThemeReturnSummit = {"E6/4 F6/2 G6/6", "~G6/2 F6/4 r/6", "D6/4 C6/4 B5/4",
                                        "G#5/3 A5/1 B5/2 D6/3 C6/1 B5/2", "A5/6 r/6"};
// Under the return the strings sing a slow line of
// their own, low, clear of the lead's low notes, in notes long
// enough for bowed strings to speak, in two parts, so each chord is whole
// under the flute: the upper resolves the dominant's seventh to F's fifth
// and climbs to D7's root, which the guitar leaves out; then each chord's
// seventh falls a step to the next chord's third, G7's F to C's E, C7's B
// flat to F's A, which they hold under the flute's fall from the summit
// and the oboe's echo, so the middle is not left empty under the loop's
// highest notes, until it falls to the dominant's root, held as the tonic's
// fifth. The fall, from F's A on, is a line of its own, so it can fade
// with the flute.
inline const Bars kThemeCounter = {"C4/12", "D4/12", "~D4/6 F4/6", "E4/6 Bb4/6"};
inline const Bars kThemeCounterFall = {"A4/12", "~A4/8 E4/4", "D4/6 E4/6", "~E4/6 r/6"};
// The lower part takes the thirds and fifths the upper leaves: F's third,
// held as D7's fifth, G7's third falling to its root, held as C's fifth,
// F's fifth, so F is not bare octaves, D minor's fifth falling to the
// dominant's root, held while the flute turns round the leading note, then
// its fifth, and the tonic's third.
inline const Bars kThemeCounterInner = {"A3/12", "~A3/12", "B3/6 G3/6", "G3/12"};
inline const Bars kThemeCounterInnerFall = {"C4/12", "A3/8 E3/4", "~E3/6 B3/6", "C4/6 r/6"};

// The coda: as the flute's cadence breathes the clarinet, which first sang
// the theme, climbs once more in its rhythm, G A B, to land on the coda's
// first downbeat, and recalls the theme's head over the A in two fragments,
// each answered by a breath; then one unbroken line: from iv it leaps to
// the top of the augmented sixth and falls through it in the lilt to its
// D sharp, held, which rises to E over the six-four as the bass falls F to E,
// and turns down to the dominant's third, where the oboe takes the line
// back to the start: the tune never stops.
// Under the coda the strings sing a line of their own, not a pad: where
// the clarinet breathes after its first fragment they rise from A to C
// over F major and on to E over A minor, in dotted quarters, long enough
// for bowed strings to speak, and fall back to A as the clarinet turns
// round C and D; then they hold A under its fall and
// fall to D as it leans on E, leaving it the ninth over the bass, not a
// seventh's rub; over the augmented sixth they fall to its C,
// held into the six-four, and step down to the dominant's fifth as the
// clarinet turns up to its seventh.
inline const Bars kCodaCounter = {"E4/6 A4/6", "~A4/6 C5/6", "E5/6 A4/6", "A4/6 D4/6", "C4/12", "C4/6 B3/6"};
// Under them a second line holds the augmented sixth's A, the note it
// keeps into the six-four, and falls to the dominant's root, leaving its
// leading note to the clarinet; neither doubles the bass's F nor the
// clarinet's D sharp, the two notes that must resolve.
inline const Bars kCodaCounterUnder = {"A3/12", "A3/6 E3/6"};
inline const Bars kCodaClarinet = {"r/6 G5/3 A5/1 B5/2"}; // written an octave up
inline const Bars kCoda = {
    "C5/6 E5/3 F5/1 E5/2", "A5/6 r/6",        "r/6 C5/3 D5/1 C5/2",
    "F5/6 E5/4 D5/2",      "A5/4 F5/2 D#5/6", "E5/3 D5/1 C5/2 D5/3 B4/1 G#4/2",
};

// The last bar rises to the first: the tune runs round without a stop,
// the pick-up, leaping past the leading note the bass rises through,
// landing on the tonic chord's third as the tune begins again, where the
// oboe goes on sighing down the scale over the lament.
inline const Bars kRound = {"B4/4 D5/2 E5/4 B5/2"};
inline const Bars kLanding = {"C6/6 D6/2 C6/2 B5/2", "A5/4 G5/2 B5/3 D6/1 B5/2"};

// Under the oboe, over the intro's lament, the strings hold two voices,
// so the loop lands on more than the harp: the upper rises from the
// tonic's fifth to G and to F's third, A over C, and falls back to E,
// the note it starts on, so each time round the seam holds still; the
// lower turns round C and falls to the dominant's root, rising to the
// leading note once the oboe has left it, so the dominant is clean (its seventh, a second under the E,
// was a muddy cluster), and
// rises to the tonic's A as the strings' floor under the theme begins.
// Voiced as held chords, they left out the notes that would move with the
// bass or the oboe, and thinned to a bare fifth over F; an A falling to G
// sharp would move in octaves with the oboe.
inline const Bars kIntroStrings = {"E4/12", "G4/12", "A4/12", "E4/12"};
inline const Bars kIntroStringsLow = {"C4/12", "B3/12", "C4/12", "E3/4 G#3/8"};

// Over the intro's lament the oboe sings on in one line, turning round the
// B in the siciliano's rhythm: it sighs down over the bass's F, turns back
// up and comes to rest on the dominant, leaving the theme to the clarinet.
inline const Bars kCall = {"A5/4 G5/2 C6/4 A5/2", "G#5/4 B5/2 E5/4 r/2"};

// Where the flute breathes before its cadence, the oboe echoes its fall
// from F's third, coming to rest on its root.
inline const Bars kEcho = {"r/6 A5/2 G5/2 F5/2"};

} // namespace belvane::sound::game_tune_score
