#pragma once
// How the fanfare's parts play what end_tune_score.h writes: each line's
// voice and level, the accents of the close, the timpani, the harp's
// sweeps, rolls and chords, and the strokes of the last chord, with why
// each stands as it does.
#include "end_tune_score.h"

#include <array>
#include <cstdint>
#include <utility>

namespace belvane::sound::end_tune_score {

// The trumpet starts at a mezzo-piano, not at full strength, so the game's
// colours, the bells and the harp, are heard with it and the brass has
// room to grow to the close.
inline constexpr Voice kTrumpetLead{kTrumpet, 0, 64, 20, Articulation::Plain, 6};
// Over the six-four the second trumpet holds the chord's A under the
// first's C#, goes a third under its walk down over the seventh, and from
// the leading note, which the bells and the lower horn take up to A, steps
// down a third to the tonic's fifth, E, under the last A, so the trumpets
// close together at the top of the winning chord, its third the horns' and
// the harp's: falling a fourth to the C#, a sixth under the A, it left the
// top of the chord hollow. Climbing with the first to C#6 it was shrill, a
// second trumpet at its top.
inline constexpr Voice kSecondTrumpetVoice{kSecondTrumpet, 0, 64, 20, Articulation::Plain, 0};

// The glockenspiel is struck a little softer than the trumpet it rings
// over, so it glints in the trumpets' chord: struck at 84 over a trumpet at
// 69, its first stroke, alone on B minor, rang out like a bell at a door and
// its line pulled the ear off the tune; at a mezzo-piano the small font's
// bells were written but not heard.
inline constexpr Voice kBellsSecond{kBells, 0, 64, 16, Articulation::Plain, 6};
// The trumpet grows to its arrival on the tonic, louder than the climb to
// it, and its last stroke is the hardest;
// over the six-four the bells ring on with them, and on the last stroke
// over the trumpet.
inline constexpr int kFinalAccent = 10, kButtonAccent = 16, kSecondFinalAccent = 8, kBellsClimax = 4;

// The cymbal is kept for the close, as an orchestra's is: one crash, with
// the last short chord. A splash on the first chord was a drum kit's pop; a
// crash rolled under the seventh, each thirty-second struck afresh, rattled
// where it should swell; and a crash on the tonic's arrival as well still
// rang when the last one came, blurring it, and took its surprise: the
// timpani's roll alone carries the swell.
// The timpani: the tonic struck at the start and on the last chord, the
// root of the dominant's dominant once, a roll on the dominant between and
// one on F sharp under the held chord, B E F# E A with the bass. The climb to
// the six-four is left to the harp's sweep and the tuba: a roll there too
// only thickened the low register. Without the B the drums were silent for
// three bars and the climb had no stroke under it.
inline constexpr std::uint8_t kTimpaniTonic = 45, kTimpaniDominant = 40;     // A2, E2
inline constexpr std::uint8_t kTimpaniApproach = 47, kApproachVelocity = 62; // B2, on the B7's downbeat
inline constexpr std::uint8_t kLastDrumVelocity = 68;                        // the arrival, under the trumpet
inline constexpr std::uint8_t kButtonDrumVelocity = 70;                      // the last stroke, under the brass
// Under the six-four and the seventh the timpani roll on the dominant,
// growing into the last stroke.
// It starts well under the stroke on the six-four, so the roll is heard to
// grow out of it, but not so far under that its first strokes were lost
// under the band.
inline constexpr int kSwellFrom = 44, kSwellTo = 68;
// The last stroke: the bass with the winds, the harp and the drums; the
// pizzicato, which keeps the dance's afterbeats, leaves the close's held
// chords to the harp and the horns and plucks the last one once, short.
// Under the arrival and its seventh the tuba keeps under the trumpets'
// repeated G#, so the swell is theirs and the drum's; the last stroke's A
// is its hardest.
inline constexpr std::uint8_t kButtonBass = 33, kButtonBassVelocity = 68; // A1
// The arrival, F sharp minor: the tuba and the drum on its root, the
// pizzicato and the harp on its chord, with its third doubled on top, not
// its root: their E4 over the dominant rising to F#4 went in octaves with
// the bass's E to F#. Neither has the C#4 their B3 over the dominant
// would rise to, a fifth over the bass's E rising to F#: the pizzicato
// leaves the fifth to the harp, which has it an octave higher, over its
// A4.
inline constexpr std::uint8_t kArrivalBass = 42, kArrivalDrum = 42;                   // F#2
inline constexpr std::array<std::uint8_t, 3> kArrivalPluck = {54, 57, 69};            // F#3 A3 A4
inline constexpr std::array<std::uint8_t, 6> kArrivalHarp = {42, 49, 54, 57, 69, 73}; // F#2 .. C#5
inline constexpr std::uint8_t kArrivalPluckVelocity = 66;
inline constexpr std::uint32_t kPluckTicks = 2 * kSixEightFine.ticksPerStep; // an eighth
// The harp's roll climbs to the C# over the horns', so the chord keeps its
// third high in the band as it rings on after the winds: over the
// trumpets' A and E and the bells' A it leaned towards a bare fifth.
inline constexpr std::array<std::uint8_t, 7> kButtonHarp = {45, 52, 57, 61, 64, 69, 73}; // A2 .. C#5
inline constexpr std::uint8_t kButtonHarpVelocity = 72, kClosingHarpVelocity = 82;
// On the last stroke the harp's chord is rolled too, but quickly, its low A
// with the band and its top within a sixteenth: struck as a block it was
// no harpist's chord, and rolled at the pace of the others it blurred the
// stroke.
inline constexpr std::uint32_t kClosingRollTicks = 8;
// The opening stroke, under the last and under the trumpet's first note:
// level with it, the drum smudged the call's E.
inline constexpr std::uint8_t kFirstHitVelocity = 60;
// The trumpet's head is the start of the line's crescendo, not its peak,
// but stands out of the band, its first downbeat over the upbeat's C#:
// at the level of the chords under it, it sounded one of them.
inline constexpr int kCallAccent = 5;
// After the head's breath the trumpet climbs, its call on E, the scale over
// the B7 and the six-four, each bar a little louder, from a little over
// the head: played on the phrase's arc, the call's low Es sank to the
// level of the pizzicato and the harp under them and the line went slack
// where it begins to climb.
inline constexpr int kLeadClimbFrom = 3, kLeadClimbSwell = 4;
// A quick sweep up the tonic chord to the trumpet's low E, not onto it:
// its top for a beat, the rest until the trumpets' passing B and G# on the
// bar's last eighth, under which its A rubbed. Run on up to E5, it struck
// the call's first note with it, in unison, and blurred it.
inline constexpr std::array<std::uint8_t, 7> kFirstChord = {45, 52, 57, 61, 64, 69, 73}; // A2 .. C#5
inline constexpr std::uint32_t kFirstChordTicks = 10 * kSixEightFine.ticksPerStep;
// On the last bar's second beat the six-four gives way to the dominant's
// seventh: the bass, a short harp roll, G#3 to E4, and the pizzicato
// plucking it once, so the afterbeats' layer carries on into the close;
// its leading note and its seventh are the harp's and the horn's, not the
// pizzicato's too: with the trumpet's D over them, four Ds made the chord
// heavy on the note that has to fall. It plucks the root alone, held over
// from the six-four: stepping up from A to B, it went in octaves with the
// second trumpet.
inline constexpr std::array<std::uint8_t, 4> kSeventhChord = {56, 59, 62, 64}; // G#3 B3 D4 E4
// Rolled again under the trumpet's tongued G#, it leaves the leading note
// to the trumpet: doubled, one of the two could not rise to the tonic.
inline constexpr std::array<std::uint8_t, 3> kPickupHarp = {59, 62, 64};                           // B3 D4 E4
inline constexpr std::array<std::uint8_t, 1> kSeventhPluck = {64};                                 // E4
inline constexpr std::uint8_t kSeventhVelocity = 62, kSeventhBass = 40, kSeventhBassVelocity = 58; // E2
// The pizzicato plucks the seventh again on its afterbeat, so the dance
// runs on up to the last stroke rather than stopping short before it: on
// the beat's last eighth, with the trumpet's B; a sixteenth earlier it
// struck the chord under the trumpets' passing C# and A.
inline constexpr std::uint32_t kSeventhAfterbeat = 4 * kSixEightFine.ticksPerStep;
// A timpani roll, in thirty-seconds, grows through the dominant's second
// half into the arrival, the sticks a little uneven.
inline constexpr std::uint32_t kRollStrokes = 12, kRollTicks = kSixEightFine.ticksPerStep / 2;
inline constexpr int kRollUneven = 3;
// Under the held chord the timpani roll on its root, so it stands on more
// than one stroke: they fall back under the winds after the arrival and grow
// again, alone through the winds' breath, into the last short chord, whose
// stroke is harder than any of the roll. A flat roll closed by a soft stroke
// sounded a stray thud after the chord; a roll stopped with the winds for
// the breath let the swell it had built fall before the stroke.
inline constexpr std::uint32_t kHeldRollStrokes = 2 * kButtonSixteenths - 1;
inline constexpr int kHeldRollFrom = 56, kHeldRollLow = 42, kHeldRollTo = 74;
inline constexpr std::uint8_t kClosingStrokeVelocity = 86;
// The last short chord is struck with the crash, so it lands with an accent
// of its own, its channel at full volume: softer, it was lost under the band.
// Struck at a forte, not the hardest: at velocity 100 it was the loudest
// single stroke in all the game's music and startled after the quiet
// siciliano; the chord under it is the peak, not the cymbal.
inline constexpr std::uint8_t kClosingCrash = 57, kClosingCrashVelocity = 80; // Crash Cymbal 2
// The pizzicato plucks the last chord over the tuba's and the drum's A, its
// root and fifth in the tenor: on A2 and A3 it made a fourth and fifth
// player on the root, and the bottom of the chord heavy.
inline constexpr std::array<std::uint8_t, 2> kClosingPluck = {57, 64}; // A3 E4
inline constexpr std::uint8_t kClosingBassVelocity = 86, kClosingPluckVelocity = 82;
// A wind's or a bell's note: {channel, key, velocity}.
struct Stab {
    std::uint8_t channel, key, velocity;
};
// The trumpets' tongued notes on the held chord's second beat, each a
// little harder: {channel, key, velocity of the first}, and {sixteenth,
// length}. The first strikes the leading note, G#, and rises to the last
// chord's A, so the tune arrives upwards, on the highest note of its last
// bars; the second, a third under it, strikes the dominant's root, E, and
// holds it into the last chord under the A: on the dominant's fifth, B,
// from the arrival's C# over the tuba's F# falling to E, it went in fifths
// with the tuba. On the
// tonic's A and E the trumpets struck the same notes six times and the last
// chord came only louder; on the call's E, leaping up a fourth to the A,
// the first went in octaves with the bass's E and its A; on B, stepping
// down to the A, it fell back from its loudest note onto the last chord
// and repeated the step it had just taken onto the arrival. The horns hold
// the chord under them: a horn speaks too slowly for sixteenths, which
// smeared in its low register.
inline constexpr std::array<Stab, 2> kTonguedBrass = {{
    {kTrumpet, 80, 76},       // G#5
    {kSecondTrumpet, 76, 68}, // E5
}};
inline constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 3> kTongued = {{{6, 1}, {7, 1}, {8, 2}}};
inline constexpr int kTonguedGrowth = 3;
inline constexpr std::uint32_t kTonguedGap = 24;
// The last chord over that stroke: the brass holds it a bar and a half,
// fading from its second eighth, by expression, to this (of 127), and lets
// go together; the bells, like the drum, the harp and the crash, ring on
// past it, where damped with the trumpets they were choked. Held a bar,
// the chord the climb and the broadening had led to was clipped after
// 1.2 s, landing and stopping. Held two thirds of the bar, the brass left a chord the whole
// climb and the broadening had led to after 0.8 s, a stab; struck an
// eighth, the tune's last note was a click under the crash and the horns
// and the tuba, slower to speak, a blip; held a quarter, the brass dropped
// out of a chord the broadening had promised to hold; let go a sixteenth
// after the trumpets, the horns and the tuba hung on as a loose cut-off.
// A third horn takes E3 under them, so the chord has its fifth between
// the tuba's A1 and the horns' A3, where only the harp's roll sounded.
inline constexpr std::array<Stab, 6> kClosingBrass = {{
    {kTrumpet, 81, 90},       // A5
    {kSecondTrumpet, 76, 82}, // E5
    {kHorns, 52, 76},         // E3
    {kHorns, 57, 82},         // A3
    {kHorns, 61, 82},         // C#4
    {kHorns, 64, 82},         // E4
}};
inline constexpr std::array<Stab, 2> kClosingBells = {{
    {kBells, 85, 74}, // C#6, over the trumpet
    {kBells, 93, 70}, // A6, the top of the chord, a little under its third
}};
inline constexpr std::uint32_t kButtonBrassSixteenths = 18, kButtonFadeFrom = 2;
inline constexpr int kButtonFadeTo = 64;
// The harp's glissando up the dominant's dominant, B2 to B4, in the last
// three sixteenths before the six-four, stopped as it comes; it leaves the
// leading note D# to the bass and the winds, and the top to the trumpets:
// run on up through A4 to F#5, it struck a seventh and a second against
// the second trumpet's passing G#.
inline constexpr std::array<std::uint8_t, 6> kSweep = {47, 54, 57, 59, 66, 71};
inline constexpr std::uint32_t kSweepTicks = 36, kSweepFrom = 9 * kSixEightFine.ticksPerStep;
// It grows into the six-four from under the trumpets' run: from 60 up, its
// top struck at 70, it came louder than the run it leads on from.
inline constexpr std::uint8_t kSweepVelocity = 54;
inline constexpr std::uint32_t kFirstRollTicks = 15;
inline constexpr std::uint8_t kFirstChordVelocity = 62; // under the trumpet's first notes
// On the second beat of the bar before the B7 the harp rolls B minor over
// the bass's D, as it rolled F# minor a bar before, so the call's turn up
// to B sounds over the full chord rather than a bare B over the bass's D;
// played out, since softer than the afterbeats it went unheard. Struck by
// the pizzicato on the beat, it broke their afterbeats and left the harp
// silent for half the bar.
inline constexpr std::size_t kLeaningBar = 2;
inline constexpr std::array<std::uint8_t, 4> kLeaningChord = {50, 54, 59, 62}; // D3 F#3 B3 D4
inline constexpr std::uint8_t kLeaningVelocity = 62;
inline constexpr std::array<std::uint8_t, 4> kCallHarp = {57, 61, 64, 69}; // A3 C#4 E4 A4
inline constexpr std::uint8_t kCallHarpVelocity = 62;                      // under the call, as the plucks are
// In the head's second bar the harp rolls up the F# minor chord as it
// comes, on the second beat, so the band does not thin out after the
// first bar's sweep. Its rolls and runs in the middle bars are played out,
// so they are heard through the brass: at a whisper they were lost.
inline constexpr std::size_t kRollingBar = 1;
inline constexpr std::array<std::uint8_t, 4> kRollingChord = {54, 57, 61, 66}; // F#3 A3 C#4 F#4
inline constexpr std::uint8_t kRollingVelocity = 62;
// The horns enter together: a horn chord is not rolled. They hold the
// band together under the trumpets; softer, they were lost under them.
inline constexpr Voice kHornsHeld{kHorns, 0, 54, 20, Articulation::Plain, 0};
// Velocity added to the horns over the six-four and on the arrival: they
// hold the middle up under the trumpets but keep a step under them, or the
// trumpet's falling notes there, in the sixties, were covered.
inline constexpr int kClimaxSupport = 6, kStrokeSupport = 10;

} // namespace belvane::sound::end_tune_score
