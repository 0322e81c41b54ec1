#pragma once
// How the band's accompanists play: the beat's length in ticks, how hard
// each figure is struck, how close each part is voiced, how far its onsets
// stray, and how the harp spreads a chord. Shared by the band's figures, the
// bass's and the harp's, and by nothing else.
#include "band.h"

#include <array>
#include <cstdint>

namespace belvane::sound {

inline constexpr int kBeatSteps = 3; // a dotted quarter
inline constexpr std::uint32_t kBeatTicks = kBeatSteps * kSixEight.ticksPerStep;
inline constexpr std::uint32_t kStep = kSixEight.ticksPerStep;

// How hard each figure is played: {strong beat, other beat} for the bass,
// {first, second} for the two chords after a beat.
struct Touch {
    std::uint8_t bassStrong, bassWeak, chordFirst, chordSecond;
    std::uint32_t bassGap, chordGap; // ticks cut from each note's end
};
// A nylon string rings: the guitar's strokes are let go only just before
// the next.
inline constexpr Touch kBarcarolle{88, 80, 62, 54, 20, 30};
inline constexpr Touch kTarantella{92, 84, 66, 58, 120, 50};
inline constexpr Touch kArpeggio{86, 80, 50, 0, 30, 20}; // the chord is the held one
inline constexpr Touch kPad{80, 76, 64, 0, 30, 10};
inline constexpr Touch kBroken{86, 78, 70, 66, 20, 20};
// Held chords are voiced from E3 up, and below the leads (F4 at most, unless
// nothing else fits over the bass).
inline constexpr int kPadLowest = 52, kPadHighest = 65;
inline constexpr int kParallelCost = 24;
inline constexpr int kDoublingCost = 48;
inline constexpr int kThinChordCost = 400;
inline constexpr int kPassingSofter = 8;
// Chords strummed on the beat sound with the lead's notes, not between
// them: they are played softer than those after the beat.
inline constexpr int kBlockSofter = 10;
inline constexpr int kSecondBeatLighter = 4;
// The leading note is the major third over the dominant's root, and a
// minor third under its fifth.
inline constexpr int kLeadingNoteOverRoot = 4, kFifthOverLeadingNote = 3;
inline constexpr std::uint8_t kHarpFirst = 72, kHarpOther = 62, kHarpGap = 12;
inline constexpr std::uint8_t kClosingBass = 84, kClosingHeld = 60, kClosingHarp = 70;
// How far the accompanists' onsets stray, in ticks; the guitar also strums
// its chords upwards, a few ticks a string.
inline constexpr int kBassSpread = 3, kChordSpread = 4, kHarpSpread = 5, kStrum = 3;

// The bass stays between C2 and F3, chords after the beat are voiced close
// above D3 (under the leads), held chords above G3 or E3, and the harp
// spreads from the octave of A2.
inline constexpr int kBassFloor = 40, kBassLowest = 36, kBassHighest = 53;
// The bass's key for a pitch class, from its floor up; and the one nearest
// to `to`, kept within the bass's range.
int BassKey(int pitchClass);
int Nearest(int pitchClass, int to);
const Touch &TouchOf(Accompaniment style);

// Open spacing from the chord's bass up (the inversion kept, so the harp
// never sounds a root under an inverted bass): for A minor A2 E3 A3 C4.
std::array<int, 4> HarpSpread(const Chord &chord);

} // namespace belvane::sound
