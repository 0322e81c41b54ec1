#pragma once
// The small folk band the tunes are played by, and its accompaniment
// patterns in 6/8: one track per General MIDI channel. Each tune lists the
// parts it uses; the leads and the accompaniment keep channels of their own,
// so each can be heard alone.
#include "midi_file.h"
#include "score.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace belvane::sound {

inline constexpr std::uint16_t kTicksPerQuarter = 480;
inline constexpr Grid kSixEight{240, 6};      // one step is an eighth note
inline constexpr Grid kSixEightFine{120, 12}; // one step is a sixteenth: melodies

// General MIDI programs, 0-based.
namespace program {
inline constexpr std::uint8_t kNylonGuitar = 24;
inline constexpr std::uint8_t kViolin = 40;
inline constexpr std::uint8_t kCello = 42;
inline constexpr std::uint8_t kHarp = 46;
inline constexpr std::uint8_t kTimpani = 47;
inline constexpr std::uint8_t kPizzicatoStrings = 45;
inline constexpr std::uint8_t kStrings = 48;
inline constexpr std::uint8_t kTrumpet = 56;
inline constexpr std::uint8_t kTuba = 58;
inline constexpr std::uint8_t kFrenchHorn = 60;
inline constexpr std::uint8_t kOboe = 68;
inline constexpr std::uint8_t kClarinet = 71;
inline constexpr std::uint8_t kFlute = 73;
} // namespace program

inline constexpr std::uint8_t kDrums = 9; // the percussion channel
// Chords after the beat are voiced from D3 up.
inline constexpr int kChordFloor = 50;
// Under D4 a chord note a semitone or a major seventh from the bass growls.
inline constexpr int kLowRegister = 62;

struct Part {
    std::uint8_t channel;
    std::uint8_t program; // ignored on the percussion channel
    std::uint8_t volume;
    std::uint8_t pan;
    std::uint8_t reverb;
    std::string_view name;
};

// Who plays each accompaniment figure.
inline constexpr std::uint8_t kNoPart = 0xFF; // a figure nobody plays

struct Accompanists {
    std::uint8_t bass;    // the chords' basses, fifths and passing notes
    std::uint8_t offbeat; // short chords after each beat
    std::uint8_t held;    // chords held under the harp; kNoPart: the harp alone (the pad holds the closing chord)
    std::uint8_t harp;    // rolling arpeggios, the final roll
    std::uint8_t pad;     // long, quiet chords alone with the bass
};

enum class Accompaniment {
    Barcarolle, // a long bass note on each beat, two soft chords after it
    Lilt,       // a long bass note on each beat, one chord held after it
    Block,      // a long bass note on each beat, the chord strummed with it and held
    Tarantella, // a short bass note on each beat, two crisp chords after it
    Broken,     // a long bass note on each beat, the chord picked note by note after it
    Arpeggio,   // rolling harp over held chords and bass
    Ripple,     // the harp rocking in sixteenths between the chord's inner notes
    Cascade,    // the harp running up two octaves of the chord in sixteenths, and down again
    Rising,     // the harp climbing the chord in eighths on each beat, higher on the second
    Rolled,     // the harp rolling the chord on each beat and letting it ring
    Hemiola,    // the harp rolling on each quarter, three to the bar: the first chord twice, the last once
    Pad,        // held chords over the bass on the beats: the sparsest
    Closing,    // one rolled, held final chord
};

// The notes of a key, for the bass's passing notes: "A minor" is A B C D E F G#.
struct Scale {
    std::array<bool, 12> member{};
    int leadingNote = -1; // pitch class, a semitone under the tonic
};
Scale MinorScale(int tonic); // harmonic minor
Scale MajorScale(int tonic);

// One note of a bass line within its bar.
struct BassNote {
    int step;  // eighths from the bar's start
    int key;   // MIDI key
    int steps; // length in eighths
};

// The bass of one bar: each chord's bass (its inversion kept) on its beat, in
// the octave nearest to `from` (the note before; 0 for none) between C2 and
// F3; with `walk`, a single chord's second beat moves to its fifth, or to its
// root when inverted; and when the bass would leap a third into `nextBass` (a
// pitch class), the last eighth passes through the note of `scale` between.
std::vector<BassNote> BassLine(const std::vector<Chord> &chords, int nextBass, bool walk, const Scale &scale,
                               int from = 0);

class Band {
public:
    // `seed` fixes the players' timing, so a tune is written the same each time.
    Band(std::span<const Part> parts, const Accompanists &accompanists, std::uint32_t seed);

    // The track of a channel in the band; throws for any other.
    MidiTrack &Track(std::uint8_t channel);
    // How loud the accompaniment plays from now on: velocity added to its notes.
    void SetLevel(int level) { level_ = level; }
    // Under a lead, a General MIDI harp or string pad struck much softer
    // than this is not heard at all: notes below it are lifted halfway to
    // it, so a quiet figure keeps its shape and is still heard. 0 lifts none.
    void SetAudibleFloor(int velocity) { audibleFloor_ = velocity; }
    void SetScale(const Scale &scale) { scale_ = scale; }
    // Whether the bass moves on the second beat of a one-chord bar; without
    // it, it holds the chord's bass through the bar.
    void SetWalk(bool walk) { walk_ = walk; }
    // With a walking line, every bar (not every other one) is approached by
    // step when the bass would leap a third or more into the next.
    void SetWalkingLine(bool walking) { walkingLine_ = walking; }
    // With rocking, each beat the bass would hold is played long-short, the
    // short note on a tone of the chord above it.
    void SetRocking(bool rocking) { rocking_ = rocking; }
    // The melody over the band, in order of onsets: held chords keep their
    // voices from moving in octaves with it.
    void SetMelody(std::vector<WrittenNote> melody) { melody_ = std::move(melody); }
    // Held chords entering after a long silence are voiced round these
    // keys, not from where the last ones left off many bars before.
    void ResumeHeldChords(std::vector<int> keys) { lastPad_ = std::move(keys); }
    // A bass written out for the next bar accompanied with its own bass, in
    // eighths ("F3/3 E3/3"), in place of the one its chords make: a line
    // that passes, turns or falls by step where roots and fifths would stall.
    void WriteBass(std::string_view bar) { writtenBass_ = bar; }
    // Velocity added to the held chords alone, so they can sit under a lead
    // of their own family while the bass keeps its weight.
    void SetHeldLevel(int level) { heldLevel_ = level; }
    // Velocity added to the chords after the beat alone, so the lilt is
    // heard under the lead without the bass growing with it.
    void SetChordLevel(int level) { chordLevel_ = level; }
    // Velocity added to the bass alone, so it can carry the harmony under
    // soft chords.
    void SetBassLevel(int level) { bassLevel_ = level; }
    // How much softer than the melody note sounding over it the band
    // strikes each note, at least (0: no limit), though not under the
    // audible floor: a level set for a section still meets a soft note of
    // the lead here and there.
    void SetUnderTheMelody(int velocities) { underTheMelody_ = velocities; }
    // Whether the chords after the bar's second beat are lighter than after
    // its first, the lilt of a long piece; a short flourish strikes both
    // alike.
    void SetLighterSecondBeat(bool lighter) { lighterSecondBeat_ = lighter; }
    // Semitones the bass is played off its usual octave (-12 for a cadence's low close).
    void SetBassShift(int semitones) { bassShift_ = semitones; }
    // The highest key the chords after the beat may sound (0: no limit), so
    // they stay under a lead low in its range; a chord keeps two notes.
    void SetChordCeiling(int key) { chordCeiling_ = key; }
    // How long the closing chord and its bass are held, and how long the
    // harp's roll rings on; a bar unless told.
    void SetClosingTicks(std::uint32_t held, std::uint32_t ringing)
    {
        closingTicks_ = held;
        ringingTicks_ = ringing;
    }
    // The players' timing, shared with the leads.
    Feel &Players() { return feel_; }
    // `chordBar` holds one or two chords; two split the bar at its middle.
    // `nextChordBar` is the bar that follows, where the bass is heading.
    // Without `bass` the figure is a second layer over another's bass, as
    // when one texture fades in under the end of the last.
    void AccompanyBar(std::uint32_t barStart, std::string_view chordBar, Accompaniment style,
                      std::string_view nextChordBar, bool bass = true);
    // One struck percussion sound (General MIDI drum key), held `length`
    // ticks; 0 is a short stroke.
    void Percussion(std::uint32_t tick, std::uint8_t key, std::uint8_t velocity, std::uint32_t length = 0);

    // All tracks, the conductor's first, each ending at `end`.
    [[nodiscard]] std::vector<MidiTrack> Tracks(const MidiTrack &conductor, std::uint32_t end) const;

private:
    void Bass(std::uint32_t barStart, const std::vector<Chord> &chords, int nextBass, Accompaniment style);
    // The bass sounding at an eighth of the bar being accompanied.
    int BassAt(int step) const;
    void OffbeatChords(std::uint32_t beatStart, int beatStep, const Chord &chord, Accompaniment style, bool held);
    void ArpeggioBeat(std::uint32_t beatStart, const Chord &chord, bool newChord, std::uint32_t chordLength);
    void RippleBeat(std::uint32_t beatStart, const Chord &chord);
    void CascadeBeat(std::uint32_t beatStart, const Chord &chord, bool down);
    void RisingBeat(std::uint32_t beatStart, const Chord &chord, bool upper);
    // A roll ringing `span` ticks; a note sliding a fifth or an octave with
    // a lower one from the roll before is left out.
    void RolledBeat(std::uint32_t beatStart, const Chord &chord, bool withBass, std::uint32_t span);
    void PadChord(std::uint32_t start, int beatStep, const Chord &chord, std::uint32_t length);
    void ClosingBar(std::uint32_t barStart, const Chord &chord);
    // Whether a chord's `key`, sounding over `steps` eighths from the bar's
    // `step`, would rub a semitone or a major seventh low against the bass.
    bool GrowlsOverBass(int key, int step, int steps) const;
    // Whether a chord's `key`, struck at `tick` and ringing `length` ticks,
    // would rub a semitone against the melody: a note sounding as it is
    // struck or, low down, one entering while it rings.
    bool Rubs(int key, std::uint32_t tick, std::uint32_t length) const;
    // Whether the melody strikes a note on a beat a semitone from a held
    // chord's `key` while it sounds: the chord leaves the melody its leaning.
    bool LeanedOn(int key, std::uint32_t start, std::uint32_t length) const;
    // Whether `key` is the chord's seventh and the melody sounds it between
    // `from` and `to`: doubled, the dissonance has two ways to resolve.
    bool DoublesSeventh(const Chord &chord, int key, std::uint32_t from, std::uint32_t to) const;
    // Whether `key` is the key's leading note and the melody sounds it as
    // `key` is struck at `tick`, or takes it up within an eighth while it
    // rings: doubled, the note that must rise is heard twice, and one of the
    // two cannot.
    bool DoublesLeadingNote(int key, std::uint32_t tick, std::uint32_t length) const;
    // Whether a chord's lowest note `key`, struck at `tick`, would move with
    // the melody in octaves or fifths from the lowest note of the chord
    // before: the ear takes a chord's bottom for a voice of its own.
    bool FollowsMelody(int key, std::uint32_t tick) const;
    // Whether a held chord's `key`, struck at `start`, would move in octaves with the melody.
    bool DoublesMelody(int key, std::uint32_t start, std::uint32_t length) const;
    // Whether it would move in fifths with the melody, from a note of the
    // chord before that `chord` (the new one) lets go.
    bool ShadowsMelody(int key, std::uint32_t start, std::uint32_t length, const std::vector<int> &chord) const;
    // Whether the voices `low` and `high` of a new held chord `now`, a fifth
    // or an octave apart, each move by the same step from a pair of `before`
    // that `now` lets go.
    static bool SlidesTogether(int low, int high, const std::vector<int> &before, const std::vector<int> &now);
    // A velocity at the band's level.
    std::uint8_t At(int velocity) const;
    // A note at the band's level, its onset played `shift` ticks off the beat.
    void Play(std::uint8_t channel, std::uint32_t tick, int key, int velocity, std::uint32_t length, int shift);

    Accompanists who_;
    Feel feel_;
    int level_ = 0;
    int audibleFloor_ = 0;
    Scale scale_;
    int bar_ = 0; // bars accompanied so far: the figures vary with it
    bool walk_ = true;
    bool walkingLine_ = false;
    bool rocking_ = false;
    int bassShift_ = 0;
    int bassLevel_ = 0;
    int heldLevel_ = 0;
    int chordLevel_ = 0;
    int chordCeiling_ = 0;
    int underTheMelody_ = 0;
    bool lighterSecondBeat_ = false;
    int lastBass_ = 0;              // the bass's last key, so the line moves to the nearest
    std::vector<BassNote> barBass_; // the bass of the bar being accompanied
    int barBassBefore_ = 0;         // the bass's last key before it
    std::string_view writtenBass_;  // the next bar's, when written out
    std::vector<int> lastPad_;      // the held chord before, so the next moves least
    std::vector<int> lastStrum_;    // the chord strummed on the beat before
    int lastChordLow_ = 0;          // the lowest note of the chord after the beat before, and its onset
    std::uint32_t lastChordTick_ = 0;
    std::vector<int> lastRoll_; // the harp's roll before
    std::vector<WrittenNote> melody_;
    std::uint32_t closingTicks_ = kSixEight.barTicks();
    std::uint32_t ringingTicks_ = kSixEight.barTicks();
    std::vector<std::uint8_t> channels_;
    std::vector<MidiTrack> tracks_; // in the order of the parts
};

} // namespace belvane::sound
