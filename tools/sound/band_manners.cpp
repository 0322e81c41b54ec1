// How the band keeps out of the melody's way: the checks a chord note or a
// line's note must pass against the lead before it is played (no semitone
// rubs, no doubled leading note or seventh, no moving with the lead in
// octaves or fifths).
#include "band.h"
#include "band_touch.h"

#include <algorithm>
#include <cstdlib>

namespace belvane::sound {

bool Band::GrowlsOverBass(int key, int step, int steps) const
{
    // Low down a semitone (or a major seventh) against a note the bass
    // passes through is a growl, not a chord: the chord leaves that note out.
    return key < kLowRegister && std::any_of(barBass_.begin(), barBass_.end(), [&](const BassNote &note) {
               const int apart = PitchClassInterval(key, note.key);
               return note.step < step + steps && step < note.step + note.steps && (apart == 1 || apart == 11);
           });
}

bool Band::Rubs(int key, std::uint32_t tick, std::uint32_t length) const
{
    // A melody note leaning a semitone on the chord (C over E major) is left
    // to resolve alone: the chord does not sound the note it leans towards.
    // Low in the chord, a semitone or a minor ninth against a melody note
    // close over it growls even when the melody only enters as it rings.
    constexpr int kMinorNinth = 13;
    return std::any_of(melody_.begin(), melody_.end(), [&](const WrittenNote &n) {
        const int apart = PitchClassInterval(n.key, key);
        const bool close = key < kLowRegister && n.key - key <= kMinorNinth;
        const std::uint32_t until = close ? tick + length : tick + 1;
        return n.tick < until && tick < n.tick + n.length && (apart == 1 || apart == 11);
    });
}

bool Band::LeanedOn(int key, std::uint32_t start, std::uint32_t length) const
{
    return std::any_of(melody_.begin(), melody_.end(), [&](const WrittenNote &n) {
        const int apart = PitchClassInterval(n.key, key);
        // `start` is on a beat, counted from the tune's first bar.
        return start <= n.tick && n.tick < start + length && (n.tick - start) % kBeatTicks == 0 &&
            (apart == 1 || apart == 11);
    });
}

bool Band::DoublesSeventh(const Chord &chord, int key, std::uint32_t from, std::uint32_t to) const
{
    const bool seventh = std::any_of(chord.intervals.begin(), chord.intervals.end(),
                                     [&](int i) { return i >= 10 && (chord.root + i) % 12 == key % 12; });
    return seventh && std::any_of(melody_.begin(), melody_.end(), [&](const WrittenNote &n) {
               return n.tick < to && from < n.tick + n.length && (n.key - key) % 12 == 0;
           });
}

bool Band::DoublesLeadingNote(int key, std::uint32_t tick, std::uint32_t length) const
{
    // A melody arriving on it only as a held note fades is no doubling: the
    // chord would lose its third for the whole of its length.
    const std::uint32_t heard = tick + std::min<std::uint32_t>(length, kStep + 1);
    return key % 12 == scale_.leadingNote && std::any_of(melody_.begin(), melody_.end(), [&](const WrittenNote &n) {
               return n.tick < heard && tick < n.tick + n.length && n.key % 12 == key % 12;
           });
}

bool Band::FollowsMelody(int key, std::uint32_t tick) const
{
    // Only a chord struck within about a beat of the last is heard moving on from it.
    if (lastChordLow_ == 0 || key == lastChordLow_ || tick <= lastChordTick_ ||
        tick - lastChordTick_ > kBeatTicks + kStep) {
        return false;
    }
    const auto sounding = [&](std::uint32_t at) {
        const WrittenNote *found = nullptr;
        for (const WrittenNote &n : melody_) {
            if (n.tick <= at && at < n.tick + n.length) {
                found = &n;
            }
        }
        return found;
    };
    const WrittenNote *before = sounding(lastChordTick_), *now = sounding(tick);
    if (!before || !now || before->key == now->key) {
        return false;
    }
    return Consecutive(before->key, lastChordLow_, now->key, key, true);
}

bool Band::DoublesMelody(int key, std::uint32_t start, std::uint32_t length) const
{
    // The melody's step across the chord change: the note struck last
    // before it and the next. A new chord note that many keys from one held
    // before, an octave from where the melody arrives, moves with it.
    const auto next =
        std::find_if(melody_.begin(), melody_.end(), [&](const WrittenNote &n) { return n.tick >= start; });
    if (next == melody_.begin() || next == melody_.end() || next->tick >= start + length) {
        return false;
    }
    const int step = next->key - std::prev(next)->key;
    const auto held = [&](int k) { return std::find(lastPad_.begin(), lastPad_.end(), k) != lastPad_.end(); };
    return step != 0 && (next->key - key) % 12 == 0 && held(key - step) && !held(key);
}

bool Band::ShadowsMelody(int key, std::uint32_t start, std::uint32_t length, const std::vector<int> &chord) const
{
    const auto next =
        std::find_if(melody_.begin(), melody_.end(), [&](const WrittenNote &n) { return n.tick >= start; });
    if (next == melody_.begin() || next == melody_.end() || next->tick >= start + length) {
        return false;
    }
    const int step = next->key - std::prev(next)->key;
    const int from = key - step;
    const auto in = [](const std::vector<int> &keys, int k) {
        return std::find(keys.begin(), keys.end(), k) != keys.end();
    };
    return step != 0 && std::abs(next->key - key) % 12 == 7 && in(lastPad_, from) && !in(lastPad_, key) &&
        !in(chord, from);
}

bool Band::SlidesTogether(int low, int high, const std::vector<int> &before, const std::vector<int> &now)
{
    constexpr int kLargestStep = 4;
    const int apart = std::abs(high - low) % 12;
    if (apart != 0 && apart != 7) {
        return false;
    }
    // A note of the chord before that the new one keeps has not moved.
    const auto in = [](const std::vector<int> &keys, int k) {
        return std::find(keys.begin(), keys.end(), k) != keys.end();
    };
    for (const int old : before) {
        const int step = low - old;
        if (step != 0 && std::abs(step) <= kLargestStep && in(before, high - step) && !in(now, old) &&
            !in(now, high - step)) {
            return true;
        }
    }
    return false;
}

} // namespace belvane::sound
