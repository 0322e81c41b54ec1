#pragma once
// The rules of voice leading a tune's written notes are checked against:
// a lead and its bass never move in consecutive fifths or octaves, and a lead
// note struck on a beat never rubs a semitone against a sounding
// accompaniment note unless it resolves by step.
#include "midi_file.h"
#include "score.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace belvane::sound {

// Whether two notes sound at once for some part of their lengths.
constexpr bool SoundTogether(const WrittenNote &a, const WrittenNote &b)
{
    return a.tick < b.tick + b.length && b.tick < a.tick + a.length;
}

struct Fault {
    std::uint32_t tick;
    std::string what;
};

// `upper` and `lower` are single lines (one note at a time each). Both must
// move between two onsets for a fifth or octave to be consecutive, or one an
// eighth or less after the other, which holds its new note meanwhile: a
// chord struck after the beat still moves with the lead that moved on it. A
// rest in either breaks the succession. With `sameWayOnly`, octaves or
// fifths reached by contrary motion are let pass: under a lead, the bottom
// of a part's chords is heard as a voice moving with it only when the two
// move the same way.
std::vector<Fault> ParallelFifthsAndOctaves(std::span<const WrittenNote> upper, std::span<const WrittenNote> lower,
                                            bool sameWayOnly = false);

// The line a part's lowest notes make, heard as a voice of its own under
// its chords: at each of its onsets the lowest of its notes then sounding,
// held on to its next onset through a rest shorter than `joined` ticks.
std::vector<WrittenNote> LowestLine(std::span<const WrittenNote> part, std::uint32_t joined);

// Fifths and octaves heard as parallel though notes pass between: the lead
// and the bass a fifth or an octave apart (as note names) on two accents no
// more than `window` ticks apart, both having moved to new keys in between.
// The accents are the beats (every `beatTicks`) and every onset the two
// voices strike together; so octaves on beat 2 of two bars in a row count,
// as do those on the two beats of one bar.
std::vector<Fault> AccentedConsecutives(std::span<const WrittenNote> lead, std::span<const WrittenNote> bass,
                                        std::uint32_t beatTicks, std::uint32_t window);

// Lead notes struck on a beat (every `beatTicks`) a semitone, or a semitone
// and octaves, from a note of `others` that sounds then, and not resolved: the
// same lead's next note is not a step away, or is one that rubs again (a
// second or a seventh against `others`, and no tone of theirs).
std::vector<Fault> UnresolvedClashes(std::span<const WrittenNote> lead, std::span<const WrittenNote> others,
                                     std::uint32_t beatTicks);

// A lead and a voice of `chords` (a part playing held chords) moving by the
// same interval from one octave into another: between two notes of one lead
// channel that follow each other, a chord note sounding at the first a
// whole number of octaves from it, and one struck after it, sounding at the
// second, as far from that. Octaves under a moving melody double it.
std::vector<Fault> OctavesWithChords(std::span<const WrittenNote> lead, std::span<const WrittenNote> chords);

// The bass and a voice of `chords` moving in octaves or fifths, as
// OctavesWithChords: the bass's step doubled, or shadowed a fifth above, by a
// held chord that slides with it.
std::vector<Fault> BassUnderChords(std::span<const WrittenNote> bass, std::span<const WrittenNote> chords);

// A lead and a voice of `chords` moving in parallel fifths, as OctavesWithChords.
std::vector<Fault> FifthsWithChords(std::span<const WrittenNote> lead, std::span<const WrittenNote> chords);

// Two voices of one part's held chords moving in parallel fifths or octaves
// from one chord to the next: a pair struck together that far apart, and a
// pair struck as they are let go, each moved by the same step (a third at
// most), neither struck again.
std::vector<Fault> ParallelsWithinChords(std::span<const WrittenNote> chords);

// The notes of the channels named, in order of their onsets.
std::vector<WrittenNote> NotesOf(std::span<const MidiTrack> tracks, std::span<const std::uint8_t> channels);

} // namespace belvane::sound
