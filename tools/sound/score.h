#pragma once
// A compact text notation for the tunes, so melodies and chords can be kept
// as readable tables in the generators and checked bar by bar.
//
//   note:  "<letter>[#|b]<octave>/<steps>", e.g. "G#5/2"; C4 is MIDI key 60
//   rest:  "r/<steps>"
//   tie:   "~E5/4": the note before, on the same key, held 4 steps more
//          across a beat or a bar line rather than struck again
//   bar:   notes separated by blanks; their steps must fill the bar exactly
//   chord: "<letter>[#|b][m|7|m7|maj7|dim][/<bass>]", e.g. "Dm", "E7/G#"; one
//          or two per bar; the bass after a slash makes an inversion
#include "midi_file.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace belvane::sound {

// How far `upper` lies above `lower` as note names, octaves dropped: 0 to 11
// semitones (a unison or an octave 0, a fifth 7, a major seventh 11).
constexpr int PitchClassInterval(int upper, int lower) { return ((upper - lower) % 12 + 12) % 12; }

// Whether two voices moving from `upperFrom` over `lowerFrom` to `upperTo`
// over `lowerTo` make consecutive octaves or fifths: the same perfect
// interval (as note names) before and after, and, with `sameWayOnly`, both
// voices moving the same way.
constexpr bool Consecutive(int upperFrom, int lowerFrom, int upperTo, int lowerTo, bool sameWayOnly)
{
    const int interval = PitchClassInterval(upperTo, lowerTo);
    return (interval == 0 || interval == 7) && interval == PitchClassInterval(upperFrom, lowerFrom) &&
        (!sameWayOnly || (upperTo - upperFrom) * (lowerTo - lowerFrom) > 0);
}

inline constexpr int kRestKey = -1;

struct Step {
    int key;           // MIDI key, or kRestKey
    int steps;         // length in the tune's step unit
    bool tied = false; // held on from the note before
};

struct Chord {
    int root;                   // pitch class 0..11, C = 0
    std::vector<int> intervals; // semitones above the root, root included
    int bass;                   // pitch class of the lowest note: the root unless inverted
};

int ParseKey(std::string_view name);
std::vector<Step> ParseBar(std::string_view bar, int stepsPerBar);
Chord ParseChord(std::string_view name);
std::vector<Chord> ParseChordBar(std::string_view bar);

// The lowest key of the pitch class that is not below `floor`.
int KeyAtOrAbove(int pitchClass, int floor);
// One key per chord tone, each the lowest at or above `floor`, ascending.
std::vector<int> ChordKeys(const Chord &chord, int floor);

struct Grid {
    std::uint32_t ticksPerStep;
    int stepsPerBar;
    [[nodiscard]] std::uint32_t barTicks() const { return ticksPerStep * stepsPerBar; }
};

// The small unevenness of a player's timing, drawn from a fixed seed so that
// a tune is written the same way every time.
class Feel {
public:
    explicit Feel(std::uint32_t seed) : state_(seed == 0 ? 1 : seed) {}
    // A whole number of ticks in [-spread, spread].
    int Shift(int spread);

private:
    std::uint32_t state_;
};

// Tremolo re-strikes a note held for a whole bar quickly and a little
// softer, as a mandolin player sustains it; shorter notes are struck once.
// A plucked line let ring sounds each note on to the end of its beat,
// under the notes after it, as a harpist leaves the strings to sound.
enum class Articulation { Plain, Tremolo, Ringing };

struct Voice {
    std::uint8_t channel;
    int transpose;         // semitones added to every key
    std::uint8_t velocity; // before the accents of the strong steps
    std::uint32_t gap;     // ticks cut from each note's end: 0 = legato
    Articulation articulation = Articulation::Plain;
    int spread = 8; // ticks an onset may fall early or late; below `gap`
    // With a swell, the line grows evenly by this much from its first bar
    // to its last, in place of the phrase's arc, which falls back at its
    // close: for a line whose last bar is its climax.
    int swell = 0;
};

// Notes of at least this many ticks are played in tremolo, struck once every
// `kTremoloTicks`.
inline constexpr std::uint32_t kTremoloMinTicks = 1440;
inline constexpr std::uint32_t kTremoloTicks = 80;

// A player shapes a phrase of eight bars: it grows towards its sixth and
// seventh bars and falls back at its close (velocity added per bar).
inline constexpr int kPhraseArc[8] = {-5, -2, 1, -1, 0, 3, 5, -3};

// Plays the bars of a melody from `start`; returns the tick after the last
// bar. `phraseBar` is the place of the first bar in its eight-bar phrase.
// Besides the phrase's arc, a note is played louder the higher it lies in
// the line, with an accent on the two beats of the bar, and softer when a
// rest or the end of the line follows it.
std::uint32_t PlayLine(MidiTrack &track, const Voice &voice, const Grid &grid, std::uint32_t start,
                       std::span<const std::string_view> bars, Feel &feel, int phraseBar = 0);

} // namespace belvane::sound
