// The harp's figures: each spreads the chord from its bass up in its own
// shape, one beat at a time.
#include "band.h"
#include "band_touch.h"

#include <algorithm>
#include <array>
#include <vector>

namespace belvane::sound {

std::array<int, 4> HarpSpread(const Chord &chord)
{
    const int bass = KeyAtOrAbove(chord.bass, 45);
    // The other tones first, so a seventh chord keeps its root (Am7/G: G3 C4
    // E4 A4); a triad takes the bass's octave as its third note.
    std::vector<int> above;
    for (const bool doubling : {false, true}) {
        for (const int key : ChordKeys(chord, bass + 5)) {
            if ((key % 12 == bass % 12) == doubling && above.size() < 3) {
                above.push_back(key);
            }
        }
    }
    std::sort(above.begin(), above.end());
    return {bass, above[0], above[1], above[2]};
}

namespace {

// A let-ring figure struck evenly over its bass sounds sequenced: its
// notes over the bass rise and fall with it, a little louder the higher
// they reach in the chord (its place in HarpSpread), as a player's hand
// opens.
int Lift(int place)
{
    static constexpr std::array<int, 4> kLift = {0, -3, 0, 3};
    return kLift[static_cast<std::size_t>(place)];
}

} // namespace

void Band::ArpeggioBeat(std::uint32_t beatStart, const Chord &chord, bool newChord, std::uint32_t chordLength)
{
    if (newChord && who_.held != kNoPart) {
        for (const int tone : ChordKeys(chord, 55)) {
            Play(who_.held, beatStart, tone, kArpeggio.chordFirst, chordLength - kArpeggio.chordGap, 0);
        }
    }
    // Up on a new chord, back down when it is held: one wave per bar, its
    // shape turning over a cycle of four bars.
    static constexpr std::array<std::array<int, 3>, 4> kUp = {{{0, 1, 2}, {0, 2, 1}, {0, 1, 3}, {0, 2, 3}}};
    // Each way down starts off the note the way up ended on: struck twice
    // running, it stammers at the turn.
    static constexpr std::array<std::array<int, 3>, 4> kDown = {{{3, 2, 1}, {3, 1, 2}, {2, 3, 1}, {2, 1, 0}}};
    const std::array<int, 4> spread = HarpSpread(chord);
    const auto &pattern = newChord ? kUp[bar_ % 4] : kDown[bar_ % 4];
    // The weight is on the bass; the second beat's wave, starting high on
    // the held chord, is leant on less.
    for (int offset = 0; offset < kBeatSteps; ++offset) {
        const int velocity =
            offset == 0 ? (newChord ? kHarpFirst : kHarpFirst - 6) : kHarpOther + Lift(pattern[offset]);
        Play(who_.harp, beatStart + offset * kStep, spread[pattern[offset]], velocity,
             (kBeatSteps - offset) * kStep - kHarpGap, feel_.Shift(kHarpSpread));
    }
}

void Band::RisingBeat(std::uint32_t beatStart, const Chord &chord, bool upper)
{
    // Only upwards, from the bass on the first beat and from the chord's
    // next note on the second, so the bar climbs and starts again below.
    const std::array<int, 4> spread = HarpSpread(chord);
    const int from = upper ? 1 : 0;
    for (int offset = 0; offset < kBeatSteps; ++offset) {
        const int velocity =
            offset == 0 ? (upper ? kHarpOther - 2 : kHarpFirst - 4) : kHarpOther - 6 + Lift(from + offset);
        Play(who_.harp, beatStart + offset * kStep, spread[from + offset], velocity,
             (kBeatSteps - offset) * kStep - kHarpGap, feel_.Shift(kHarpSpread));
    }
}

void Band::RolledBeat(std::uint32_t beatStart, const Chord &chord, bool withBass, std::uint32_t span)
{
    // The chord spread quickly from below and left to ring through the beat:
    // the plainest figure, for a phrase's close. A seventh the melody sounds
    // with it or soon after is left out: it would have two ways to resolve.
    // Rolled in quarters, the chords follow one another bare and close, so a
    // fifth or an octave moving in parallel is heard: its upper note is left
    // out too; a beat apart, the chord is kept whole.
    const std::array<int, 4> spread = HarpSpread(chord);
    const std::vector<int> all(spread.begin(), spread.end());
    std::vector<int> rolled;
    constexpr std::uint32_t kRollGap = 18;
    std::uint32_t at = beatStart;
    for (std::size_t i = withBass ? 0 : 1; i < spread.size(); ++i) {
        if (DoublesSeventh(chord, spread[i], beatStart, beatStart + 2 * span) ||
            (span < kBeatTicks && std::any_of(rolled.begin(), rolled.end(), [&](int low) {
                 return SlidesTogether(low, spread[i], lastRoll_, all);
             }))) {
            continue;
        }
        rolled.push_back(spread[i]);
        Play(who_.harp, at, spread[i], i == 0 ? kHarpFirst - 4 : kHarpOther - 4, beatStart + span - at - kHarpGap, 0);
        at += kRollGap;
    }
    // A roll without its bass still moves against the bass before it.
    if (!withBass && !lastRoll_.empty()) {
        rolled.insert(rolled.begin(), lastRoll_.front());
    }
    lastRoll_ = rolled;
}

void Band::RippleBeat(std::uint32_t beatStart, const Chord &chord)
{
    // The harp's bass note, then its upper notes rocking in sixteenths,
    // each lifted as the one after next is struck and all within the beat,
    // so the figure moves rather than rings into the next chord.
    static constexpr std::array<int, 6> kRock = {0, 2, 1, 3, 1, 2};
    const std::array<int, 4> spread = HarpSpread(chord);
    constexpr std::uint32_t kSixteenth = kStep / 2;
    for (std::uint32_t i = 0; i < kRock.size(); ++i) {
        Play(who_.harp, beatStart + i * kSixteenth, spread[kRock[i]],
             i == 0 ? kHarpFirst - 4 : kHarpOther - 12 + Lift(kRock[i]),
             (i == 0 ? kBeatTicks : std::min(2 * kSixteenth, kBeatTicks - i * kSixteenth)) - kHarpGap,
             feel_.Shift(kHarpSpread));
    }
}

void Band::CascadeBeat(std::uint32_t beatStart, const Chord &chord, bool down)
{
    // Up from the chord's bass through its spread and on into the octave
    // above on the first beat, back down on the second: a stream of
    // sixteenths under a lead in long notes, each note lifted as the one
    // after next is struck. The way down takes as many notes as the way up,
    // stepping through every tone of the chord so it falls evenly to the
    // bass, and the next bar line comes on the beat of the run.
    const std::array<int, 4> spread = HarpSpread(chord);
    const std::array<int, 6> up = {spread[0], spread[1], spread[2], spread[3], spread[1] + 12, spread[2] + 12};
    std::vector<int> close = ChordKeys(chord, spread[0]);
    for (const int octave : {12, 24}) {
        for (const int key : ChordKeys(chord, spread[0] + octave)) {
            close.push_back(key);
        }
    }
    // Where the way up ends on the top of the close chord, the way down
    // turns over it from the tone above: struck twice running, the top
    // stutters.
    const std::size_t top = close[5] == up[5] ? 6 : 5;
    std::array<int, 6> back{};
    for (std::size_t i = 0; i < back.size(); ++i) {
        back[i] = close[top - i];
    }
    const std::array<int, 6> &run = down ? back : up;
    constexpr std::uint32_t kSixteenth = kStep / 2;
    // The weight is on the bass that starts the wave; the top the way down
    // starts from marks the second beat, lightly, under the lead's note;
    // the wave swells as it climbs and fades as it falls.
    for (std::uint32_t i = 0; i < run.size(); ++i) {
        const int swell = down ? (i == 0 ? 7 : 2 - 2 * static_cast<int>(i)) : 2 * static_cast<int>(i) - 6;
        Play(who_.harp, beatStart + i * kSixteenth, run[i], i == 0 && !down ? kHarpFirst - 4 : kHarpOther - 10 + swell,
             std::min(2 * kSixteenth, kBeatTicks - i * kSixteenth) - kHarpGap / 2, feel_.Shift(kHarpSpread));
    }
}

} // namespace belvane::sound
