#pragma once
// The fanfare as written: its parts, the trumpets' call, the tune, the
// second lines and the horns' in the notation of score.h, the chords, the
// band's level bar by bar and the bass's climb, and the close's timing,
// with why each stands as it does.
// How each part is voiced and how hard it strikes, the drums and the
// harp's strokes and the last chord, are in end_tune_playing.h; how they
// are played, bar by bar, in end_tune.cpp.
#include "band.h"
#include "tunes.h"
#include "voice_leading.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

namespace belvane::sound::end_tune_score {

// Dotted quarter = 116: quicker than the game tune, a brisk festive dance,
// so the flourish is short; at 108 it dwelt, long for a cue heard after
// every win.
inline constexpr std::uint32_t kMicrosPerQuarter = 60'000'000u * 2 / (116 * 3);
inline constexpr std::uint32_t kSeed = 2020;

inline constexpr std::uint8_t kTrumpet = kEndTuneLead;
inline constexpr std::uint8_t kSecondTrumpet = 1;      // joins for the close
inline constexpr std::uint8_t kHorns = 3;              // the chords held in the middle of the band
inline constexpr std::uint8_t kBells = kEndTuneSecond; // the glockenspiel
inline constexpr std::uint8_t kPizzicato = 4;
inline constexpr std::uint8_t kBass = kEndTuneBass;
inline constexpr std::uint8_t kHarp = 6;
inline constexpr std::uint8_t kTimpani = 7;      // with the band, not the leads
inline constexpr std::uint8_t kGlockenspiel = 9; // its General MIDI program

// The band plays with the volumes turned down: the game's tune is soft
// winds, strings and harp, and at full volume the win came as a jolt. Its
// brass starts at a mezzo-piano and reaches only a round forte at the
// close, so the fanfare grows out of the game's soft world; it stays over
// the game's tune, a few decibels, a festive close and not an alarm: at
// velocities up to 100 after minutes of the quiet siciliano it startled.
// Played soft throughout, the trumpets lost their edge and sounded tame. The
// trumpet carries the tune over the band, heard alone about 4 dB over the
// horns and 7 over the pizzicato and the harp: with the trumpet only 2 dB
// over them it was a voice among them.
inline constexpr Part kParts[] = {
    // The band spreads across the stage around the trumpet in the middle.
    // The trumpet two decibels under full volume: at full volume, half the
    // mix alone, it was a soloist with light backing, not the top of a band,
    // and a decibel under, 5 dB over the band, still a step apart from it.
    {kTrumpet, program::kTrumpet, 114, 64, 50, "Trumpet"},
    // The second trumpet a few decibels under the first, so the pair is
    // heard as two players: further back, 7 dB under, its thirds were
    // felt, not heard.
    {kSecondTrumpet, program::kTrumpet, 112, 76, 50, "Second trumpet"},
    // No oboe: on the trumpet's quote in unison, the game's reed was
    // masked but for a nasal edge and left after two bars; the game's
    // colours here are the harp, the plucked strings and the bells.
    // The horns, together about as loud as the second trumpet and 5 dB
    // under the first, so their falling inner line is heard under the pair:
    // 2 dB further back, the small font's soft horn left the brass a trumpet
    // and decoration.
    {kHorns, program::kFrenchHorn, 84, 44, 56, "Horns"},
    // Over the brass the glockenspiel's sixth octave, the middle of its
    // range, carries without forcing, where a flute up there whistled; it
    // sparkles over the tune without outshining it.
    {kBells, kGlockenspiel, 127, 36, 56, "Glockenspiel"},
    // Plucked strings keep the afterbeats, as the guitar does in the game
    // tune: a nylon string is lost under the brass and the drums and only
    // blurs them.
    {kPizzicato, program::kPizzicatoStrings, 88, 96, 48, "Pizzicato strings"},
    // The bass is the brass's own, a tuba under the horns and the
    // trumpets, where a plucked bass gave it a dance band's colour. It plays
    // at full volume: the small font's tuba is soft, and lower it was a
    // line on paper, its climb to the dominant unheard and the first
    // inversions heard on the pizzicato's fifth.
    {kBass, program::kTuba, 127, 64, 24, "Tuba"},
    // The harp under the brass: level with the trumpet, its rolls in the
    // trumpets' register made the fanfare a harp's.
    {kHarp, program::kHarp, 54, 28, 56, "Harp"},
    {kTimpani, program::kTimpani, 86, 64, 40, "Timpani"},
    {kDrums, 0, 127, 64, 40, "Cymbal"}, // the crash, for the last stroke alone
};
inline constexpr Accompanists kAccompanists{kBass, kPizzicato, kPizzicato, kHarp, kPizzicato};

// Before the first bar the two trumpets call up the tonic chord in two
// eighths, A C# over E A, tongued and each louder than the one before, so
// the band's first chord lands on the top of the call, its E; under them
// the timpani strike the dominant twice, a pickup into their tonic on the
// downbeat, which it leads to and stays under. Two sixteenths of one
// trumpet were over before they spoke; a call at a mezzo-piano, a trumpet
// low and soft, opened the win timidly, and one as loud as the downbeat
// left it no accent.
inline constexpr std::array<std::uint8_t, 2> kCall = {69, 73}, kCallUnder = {64, 69}; // A4 C#5 over E4 A4
inline constexpr std::array<std::uint8_t, 2> kCallVelocity = {60, 68};
inline constexpr int kCallUnderLevel = -8;
inline constexpr std::uint8_t kCallDrum = 40; // E2
inline constexpr std::array<std::uint8_t, 2> kCallDrumVelocity = {48, 62};
inline constexpr std::uint32_t kCallTicks = kEndTuneUpbeat / 2, kCallGap = 24;
// Steps are sixteenths. Over the band's first chord the trumpet plays the
// game tune's head, E F# E A B, in major and high, and turns round the C#
// of the head's next bar, C# D C#, in its long-short lilt, and breathes
// for an eighth with the second trumpet, so the pair phrase the tune as a
// player would, the head and then the climb: played on from the upbeat to
// the arrival, over five seconds, the two never breathed, and a breath
// taken after the head's A, in even eighths, lost the siciliano's lilt
// for a march's. It calls on four repeated Es and
// leaps a fifth to B, held over B minor on its third, D, the chord's root
// in the tune: over a borrowed D minor it rubbed; it falls and climbs by
// step over the dominant of the dominant (B7 over its D#), a scale where the bar before
// leapt, and over the tonic's six-four turns up from C# to its height, E,
// held through the beat, then walks down from the dominant's seventh, D,
// on the second beat, to the tonic with the last stroke: E D C# B A. An
// eighth's E off the beat was a short flick at the top of the trumpet's
// range; kept to a C# held over the six-four, the tune never climbed past
// its second bar's D; struck on the beat, the E went in octaves with the
// bass's E and then its A.
inline constexpr std::array<std::string_view, 5> kMelody = {
    "E5/3 F#5/1 E5/2 A5/4 B5/2",  "C#6/4 D6/2 C#6/4 r/2",
    "E5/2 E5/1 E5/1 E5/2 B5/6",   "A5/3 F#5/1 D#5/2 F#5/2 G#5/1 A5/1 B5/2",
    "C#6/2 E6/4 D6/3 C#6/1 B5/2",
};
// Two horns hold the chords in the middle of the band, under the trumpets; the upper holds the tonic's root, dips to
// G# with the second trumpet's G# under the first's passing B, where its held A rubbed a seventh against it, and turns
// A G# A against the trumpet's turn in the head's second bar, the G# the passing dominant's leading note rising to F#
// minor's third: falling to F#, it dropped the leading note in a dominant turning to the sixth degree. It falls to E
// with the tonic's first inversion, rises to F# with B minor and holds it into the dominant's dominant, and takes the
// dominant's seventh, held, which falls to the tonic's third: holding the six-four's E instead left the seventh to
// short notes, and the dominant thin. It comes to the seventh from the six-four's third, C#, not its E: falling E D
// under the trumpet's E D, it moved with it in octaves. The lower holds the first chord's third, C#, into F#
// minor, so neither horn goes from E to A with the tuba: on E, rising with it, they went in octaves; and on E under the
// upper's A, the horns had no third. Under the trumpets' passing B and G# on the first bar's last eighth it steps up to
// E, and under the trumpet's turn to D down to B, so each is a plain dominant: held, its C# blurred the D above it; on
// B under the trumpet's B too, it rose with it to C# in octaves. From that B it falls to F# minor's third, under the
// upper's A: rising to C# it went in fifths with the tuba's E to F#, and on F# it doubled the bass. It falls to A as
// the tuba takes the C# of the tonic's first inversion, whose third is the tuba's alone in the winds, and holds it on
// through B minor as its seventh, under the upper's F#, whose B the trumpet has. Under the last seventh it takes its
// root, E, the note the third horn holds in the last chord, and leaves the leading note to the first trumpet: on G#
// with it, the two rose to the A in octaves, and on its fifth, B, falling to the last chord's E, it went in fifths with
// the tuba's E to A.
inline constexpr std::array<std::string_view, 6> kHornUpper = {"A4/10 G#4/2", "A4/4 G#4/2 A4/6", "E4/6 F#4/6",
                                                               "~F#4/12",     "C#4/6 D4/6",      "C#4/6 D4/4 r/2"};
// On the arrival a third horn takes F sharp minor's root, so the brass holds
// the chord whole, and leaves the seventh to the other two, whose B and D
// over the tuba's E and the trumpets' E and G# complete it: falling to E
// with the tuba, it went in octaves with the bass.
inline constexpr std::array<std::string_view, 1> kThirdHorn = {"F#4/6 r/6"};
inline constexpr std::array<std::string_view, 6> kHornLower = {"C#4/10 E4/2", "C#4/4 B3/2 A3/6", "A3/12",
                                                               "B3/6 A3/6",   "A3/6 G#3/6",      "A3/6 E3/4 r/2"};
// Over the trumpets, a third or a sixth above the tune where they strike
// together, but a line of its own and a sparkle, not a second tune: it
// strikes only where the trumpet holds, so each stroke rings over a held
// note rather than above the tune's moving ones. It leaves the head's first
// bar to the trumpets (a third over them there, it took the tune's place on
// top) and its second bar too, where an A6 over the held C# was shrill, and
// a C# doubled the trumpet's in unison; it leaves the call to the two
// trumpets and enters on B minor's D, a third over the trumpet's held B. It
// leaves the trumpets' climb in thirds over the B7 to them: an F# and an A
// over the run struck above it at every turn and stood out of a line the
// trumpets carry together. It strikes the six-four's root, A, with the
// trumpet's C#, and leaves the beat to the trumpet's E, its height, where
// held over it, it took the top from the tune; over the dominant's seventh
// it rests, and takes the leading note, G#, a sixth over the trumpet's B, up
// to the tonic over the trumpet's A in the last chord: a B there, over the
// trumpet's E6, was the piercing top of the piece, and from B it went in
// octaves with the trumpet's B A; an F# over the trumpet's D, a ninth over
// the bass's E ringing on in a bell, blurred the dominant, and a G# struck
// off the beat after the D sounded a late note. Held on over the seventh,
// the A sounded against the G# it would resolve to, below it in the horns
// and the harp; left out, the bells were silent through the whole dominant
// and its glint into the cadence was lost. On the last stroke they ring the
// chord's third, C#, over the trumpets' A and E, and the A a sixth over it,
// the height they save for it: on A alone, with the trumpets an open fifth
// under it, the top of the winning chord was bare, its major third only low
// in the horns and the harp; on C# alone the sparkle sank as the band
// peaked. The bells are let ring: damped short throughout, they sounded
// choked. Under two trumpets and the horns a clarinet was covered and only
// thickened the middle; a flute, up here in its top octave, was shrill and
// lost under them.
inline constexpr std::array<std::string_view, 5> kSecond = {
    "r/12", "r/12", "r/6 D6/6", "r/12", "A6/2 r/8 G#6/2",
};
// The bass falls A F# and climbs C# D D# to the dominant, and falls to the tonic.
// The last bar is the tonic's six-four over the dominant's E, resolving
// to its seventh on the second beat: the tonic itself comes only with the
// last stroke. In the third bar B minor stands on its third, D, under the
// trumpet's held B, so the bass's D rises a semitone into B7's D# and the
// chord brightens to major on the same root: a borrowed D minor there put
// an F natural against the B and sounded a wrong note, not a colour.
inline constexpr std::array<std::string_view, 5> kChords = {"A", "A F#m", "A/C# Bm/D", "B7/D#", "A/E"};
// The band grows bar by bar from its first chord into the final one. Under
// the head and the call it plays a little further back, so the trumpets,
// at a mezzo-forte there, stand well over it: a few velocity steps under
// them, the band all but matched the tune where it lies lowest.
inline constexpr std::array<int, 5> kLevels = {-21, -21, -19, -14, -4};
// Under the first bars the tuba marks the beats lightly, so the dance does
// not turn into a village band's oom-pah; its weight is kept for the climb
// to the close, and it keeps under the trumpet's call on its low E.
inline constexpr int kLightTuba = -12;
inline constexpr std::size_t kLightTubaBars = 3;
// The D# under the dominant's dominant is held its bar, under the
// trumpet's scale and the pizzicato's D# over it, which carries the climb:
// at full weight it boomed, and a little under, held at the trumpet's own
// level, it thickened the bar before the six-four.
inline constexpr int kClimbingTuba = -12;
// Under the six-four and the seventh it keeps well under the trumpets,
// which climb to their height there: at full weight the low E, struck
// twice, was louder than the tune, and a few steps under it still matched
// the trumpet's phrase end.
inline constexpr int kSixFourTuba = -14;
// The afterbeats carry the dance under the trumpet: they are plucked
// harder than the held chords, so they are heard through the brass. They
// pluck two strings, no higher than B3, and leave the C# over them to the
// horns and the harp: three strings up to C#4 stacked a fourth C# in the
// tenor under the brass, thick and a little sour.
inline constexpr int kAfterbeatLift = 14;
inline constexpr int kAfterbeatCeiling = 59; // B3
// The broadening into the last chord, over the six-four and the seventh
// only, so the dominant's dominant keeps its drive: {sixteenths into their
// bar, tempo in % of the beat's length}. Begun in the bar before, it slowed
// half the flourish.
inline constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 4> kBroadening = {
    {{0, 102}, {3, 104}, {6, 106}, {9, 108}}};
// From the F# minor chord's root the bass climbs low, C# D D# to the
// dominant, under the horns' chords.
inline constexpr std::array<std::string_view, 2> kClimbingBass = {"C#2/3 D2/3", "D#2/6"};
inline constexpr std::size_t kClimbFrom = 2;
// In the head's second bar the tuba lets go of its A for the horns'
// passing dominant under the trumpet's D and takes its root, E, rising a
// step to F# minor's root: ringing on under it, the tonic's root made the
// dominant's seventh a cluster; resting, it left the dominant with no bass
// and the band thinned for an eighth.
inline constexpr std::array<std::string_view, 1> kTurningBass = {"A2/2 E2/1 F#2/3"};
inline constexpr std::size_t kTurningBar = 1;
// The pizzicato plucks that climb an octave over the tuba on its beats,
// C#3 D3 D#3, so the rise is heard on small speakers: in the tuba alone the
// first inversion was heard on the afterbeats' fifth and the B7 over its
// root, and the pizzicato's afterbeats alone went unheard. Under the B7 it
// keeps the D#, though the trumpets pass through it too: on the chord's
// fifth, F#3, the climb broke at its most important step and read as a
// slip.
inline constexpr std::array<std::uint8_t, 3> kClimbingPluck = {49, 50, 51};
// They are plucked just under the trumpet's call on E, not over it: plucked
// harder, the climb's first two stood level with the call, and the tune
// went slack where it starts to climb.
inline constexpr std::uint8_t kClimbingPluckVelocity = 62;
// The lines grow from the first bar to the last chord: they start where
// the eight-bar arc climbs to its height on the dominant's dominant, the
// six-four taking its last bar.
inline constexpr int kLinePlace = 3;
// The six-four and the seventh are held a bar while the timpani roll swells
// under them, and the cadence turns aside to F sharp minor, louder than all
// before it, the trumpet's A its third: the tonic in root position is kept
// for the last stroke, where arriving a bar early it made the last chord an
// echo. The band holds it a beat, settling a little as the roll grows under it, then
// turns to the dominant's seventh under the trumpets' tongued notes,
// growing with the roll into the breath, and all let go at once, the harp with the winds, so an eighth's
// silence comes before the last stroke: the tonic once more, the
// hardest, on the downbeat, with the crash, the harp, the drum, the tuba
// and the low strings, well before the file ends, so their release sounds
// within it. Held a bar and a half, at one level with the
// stroke and the harp and a crash ringing through its breath, the chord
// made the cue long and the stroke barely louder; held only a beat, the
// tonic the whole climb led to sagged; held flat to the breath, with only
// the drum growing under it, the stroke was placed rather than driven.
inline constexpr std::uint32_t kHeldTicks = 11 * kSixEightFine.ticksPerStep;
// Over the seventh the bells rest and leave the leading note to the
// trumpet: on G# with it, in octaves, they doubled the note that has to
// rise. On the arrival they ring C#, the fifth of F sharp minor, over the trumpet's A: an
// octave over it, their A6 was shrill and took the lift from the last chord.
inline constexpr std::array<std::string_view, 1> kButton = {"A5/6 r/6"}, kBellsButton = {"C#6/6 r/6"};
inline constexpr std::uint32_t kButtonSixteenths = 12, kBreathSixteenths = 2;
// Under the tongued notes on its second beat the held F sharp minor turns to the
// dominant's seventh, the tuba falling a step to its root, E, with the drum's roll, the
// horns' C# and A to D and B, the harp rolling the seventh, the first
// trumpet leaning on G#, so the last chord arrives from a cadence of its own, E
// falling a fifth to A: on the tonic throughout, two bars stood on one
// chord and the last came only louder; on the fifth, B, a step over the
// last A under the drum's E, the dominant stood inverted and the close was
// a neighbour's turn round the tonic, not a cadence.
inline constexpr std::uint8_t kPickupBass = 40; // E2
inline constexpr std::uint32_t kButtonTicks = (kButtonSixteenths - kBreathSixteenths) * kSixEightFine.ticksPerStep;
// The held chord settles from its second eighth, by expression, to this
// (of 127), and grows back to full strength over the tongued notes.
inline constexpr std::uint32_t kFadeFromSixteenth = 2, kTonguedFromSixteenth = 6;
inline constexpr int kFadeTo = 100;
inline constexpr std::uint8_t kExpression = 11;
// The last chord is held at a broader tempo still, in % of the beat's length.
inline constexpr std::uint32_t kButtonBroadening = 112;
// From the arrival the timpani roll a bar past the six-four, on through the
// winds' breath into the last stroke.
inline constexpr std::uint32_t kRingingTicks = (12 + kButtonSixteenths) * kSixEightFine.ticksPerStep;
// After the last chord the crash, the harp, the bells and the drum ring two
// bars and a quarter, past the brass's release, until their sound has died
// some 40 dB, and are let go only then. Let go with the brass's bar, the
// crash was damped 1.2 s after its stroke and the close sounded cut off; a
// crash let go with the brass was choked on it; let go a bar and a half
// after the stroke, the chord still rang 30 dB down and read as damped.
inline constexpr std::uint32_t kTailTicks = 27 * kSixEightFine.ticksPerStep;
// The file runs on an eighth after they let go, so their release falls
// within it: let go as the file ended, the ring read as cut off; half a bar
// on, the file ended in silence.
inline constexpr std::uint32_t kEchoTicks = 2 * kSixEightFine.ticksPerStep;

// The second trumpet sings a third under the head from the band's first chord,
// so the fanfare is two trumpets from its start, on the chord's E under
// its A on the second beat, where an F# a third under it blurred the plain
// tonic chord with an added sixth; in the head's second bar it holds E a
// sixth under, the root of the trumpet's turn to D, and leaps up to F#
// minor's third, A, a third under the trumpet's C#, breathing with it:
// rising E F# to F# minor's root, it went in octaves with the tuba's E F#;
// a third under on A and B too, it sat at the top of a second trumpet's
// range; struck again on F#, it went stiffly.
// Under the call it sounds the tonic's root, a fourth under the call's E, as
// a pair of trumpets calls, leaving the chord's third to the bass: in thirds
// there, its C# went from F# in octaves with the tuba's and doubled the low
// third; then it climbs to B minor's D on the beat, a
// sixth under the first's B, and rises to the B7's F#, and goes a third
// under the scale that climbs over the dominant's dominant without a gap,
// so the brass does not thin out before the climb: resting there, it left
// the first trumpet alone as the harmony turned. It climbs on a third
// under the scale to G#, under the B, and from it to the six-four's A:
// struck again on F# there, it stuttered under the first's climb and left
// a bare fourth on the last eighth before the height.
inline constexpr std::array<std::string_view, 4> kSecondTrumpetThirds = {"C#5/3 D5/1 C#5/2 E5/4 G#5/2", "E5/6 A5/4 r/2",
                                                                         "A4/2 A4/1 A4/1 A4/2 D5/6",
                                                                         "F#5/3 D#5/1 B4/2 D#5/2 E5/1 F#5/1 G#5/2"};
inline constexpr std::uint32_t kThirdsFrom = 0; // the head's first bar
inline constexpr int kThirdsLevel = -10;        // under the first trumpet, which keeps the tune
// Over the dominant's seventh it falls through the chord, B G# E, under the
// first's D C# B, where an A passing under the C# sounded a ninth over the
// horns' and the harp's G#. Under the first trumpet's B it takes the
// dominant's root, E, and holds it into the arrival under the first's A: on the leading note it either
// fell to E, left hanging in the brass's second voice, or rose into a
// unison with the first, which thinned the pair to one trumpet.
inline constexpr std::array<std::string_view, 1> kSecondTrumpetClose = {"A5/6 B5/3 G#5/1 E5/2"};
inline constexpr int kSecondTrumpetCloseLevel = -4; // no louder than its thirds
// On the arrival it falls a third, to F sharp minor's fifth, a sixth under
// the first's A, against the tuba rising E F#: on F#, it rose with it in octaves.
inline constexpr std::array<std::string_view, 1> kSecondTrumpetButton = {"C#5/6 r/6"};
inline constexpr int kSecondTrumpetButtonAccent = 6;

} // namespace belvane::sound::end_tune_score
