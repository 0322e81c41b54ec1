// The band's bass: its line from the chords (walked, rocked or written out
// bar by bar) and the key it stands on at a step of the bar.
#include "band.h"
#include "band_touch.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace belvane::sound {

int BassKey(int pitchClass) { return KeyAtOrAbove(pitchClass, kBassFloor); }

// The key of a pitch class nearest to `to`, kept within the bass's range.
int Nearest(int pitchClass, int to)
{
    const int key = KeyAtOrAbove(pitchClass, to - 6);
    return key < kBassLowest ? key + 12 : key > kBassHighest ? key - 12 : key;
}

Scale MinorScale(int tonic)
{
    Scale scale;
    for (const int step : {0, 2, 3, 5, 7, 8, 11}) {
        scale.member[(tonic + step) % 12] = true;
    }
    scale.leadingNote = (tonic + 11) % 12;
    return scale;
}

Scale MajorScale(int tonic)
{
    Scale scale;
    for (const int step : {0, 2, 4, 5, 7, 9, 11}) {
        scale.member[(tonic + step) % 12] = true;
    }
    scale.leadingNote = (tonic + 11) % 12;
    return scale;
}

std::vector<BassNote> BassLine(const std::vector<Chord> &chords, int nextBass, bool walk, const Scale &scale, int from)
{
    const auto place = [](int pitchClass, int near) {
        return near == 0 ? BassKey(pitchClass) : Nearest(pitchClass, near);
    };
    std::vector<BassNote> line{{0, place(chords.front().bass, from), 6}};
    if (chords.size() == 2) {
        line.front().steps = 3;
        line.push_back({3, Nearest(chords.back().bass, line.front().key), 3});
    } else if (walk) {
        const Chord &chord = chords.front();
        const int first = line.front().key;
        int second = 0;
        if (chord.bass == chord.root) {
            // Down to the fifth below, as a bass player's oom-pah falls,
            // unless that is below the range.
            second = first - 5 >= kBassLowest ? first - 5 : first + 7;
        } else {
            second = Nearest(chord.root, first);
        }
        line.front().steps = 3;
        line.push_back({3, second, 3});
    }
    // A leap of a third into the next bar is filled by step.
    const int last = line.back().key;
    const int leap = Nearest(nextBass, last) - last;
    if (std::abs(leap) == 3 || std::abs(leap) == 4) {
        const int direction = leap > 0 ? 1 : -1;
        const int half = last + direction, whole = last + 2 * direction;
        // Through a minor third, the note of the scale between; through a
        // major third, the whole step if the scale has it (C B G#, not C Bb G#).
        const bool halfFits =
            std::abs(leap) == 3 ? scale.member[half % 12] && !scale.member[whole % 12] : !scale.member[whole % 12];
        --line.back().steps;
        line.push_back({5, halfFits ? half : whole, 1});
    }
    return line;
}

void Band::Bass(std::uint32_t barStart, const std::vector<Chord> &chords, int nextBass, Accompaniment style)
{
    const Touch &touch = TouchOf(style);
    // Under the harp and the held chords too the plucked bass moves on the
    // second beat, or it fades.
    std::vector<BassNote> line;
    const bool written = !writtenBass_.empty();
    if (written) {
        int step = 0;
        for (const Step &note : ParseBar(writtenBass_, kSixEight.stepsPerBar)) {
            if (note.key != kRestKey) {
                line.push_back({step, note.key, note.steps});
            }
            step += note.steps;
        }
        writtenBass_ = {};
    } else {
        line = BassLine(chords, nextBass, walk_, scale_, lastBass_);
    }
    // Under a chord held through the bar a passing note only grinds (E2 under F3).
    if (!written && style == Accompaniment::Pad && line.size() > 1 && line.back().steps == 1) {
        line.pop_back();
        ++line.back().steps;
    }
    // Every other bar, a leap of a fourth or more into the next is
    // approached by step from the note of the scale beside it, on the last
    // eighth, so the bass's rhythm is not two dotted quarters every bar.
    const bool figured = style == Accompaniment::Barcarolle || style == Accompaniment::Lilt ||
        style == Accompaniment::Block || style == Accompaniment::Broken;
    if (!written && figured && walk_ && (walkingLine_ || bar_ % 2 == 1) && line.size() == 2 && line.back().steps == 3) {
        const int last = line.back().key, target = Nearest(nextBass, last);
        if (std::abs(target - last) >= (walkingLine_ ? 3 : 5)) {
            const int side = target > last ? -1 : 1;
            const int approach = scale_.member[(target + 2 * side) % 12] ? target + 2 * side : target + side;
            line.back().steps = 2;
            line.push_back({5, approach, 1});
        }
    }
    // Rocking: each beat the bass holds is cut long-short, the short note a
    // tone of the chord above it, its fifth where it can, and never the
    // note that follows, which would only be struck again, nor the melody's
    // note, which it would shadow in octaves.
    if (rocking_ && !written) {
        std::vector<BassNote> rocked;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const BassNote &note = line[i];
            // The next bar's first note is placed near the last one: its pitch class stands for it.
            const bool inBar = i + 1 < line.size();
            const int following = inBar ? line[i + 1].key : nextBass;
            const Chord &chord = chords[static_cast<std::size_t>(note.step / kBeatSteps) * chords.size() / 2];
            int above = 0;
            for (const int interval : chord.intervals) {
                const int key = KeyAtOrAbove((chord.root + interval) % 12, note.key + 3);
                const std::uint32_t at = barStart + (note.step + kBeatSteps - 1) * kStep;
                const bool doubled = std::any_of(melody_.begin(), melody_.end(), [&](const WrittenNote &n) {
                    return n.tick <= at && at < n.tick + n.length && (n.key - key) % 12 == 0;
                });
                const bool fits =
                    key - note.key <= 7 && key <= kBassHighest && (inBar ? key : key % 12) != following && !doubled;
                if (fits && (above == 0 || key - note.key == 7)) {
                    above = key;
                }
            }
            if (note.steps != kBeatSteps || above == 0) {
                rocked.push_back(note);
                continue;
            }
            rocked.push_back({note.step, note.key, kBeatSteps - 1});
            rocked.push_back({note.step + kBeatSteps - 1, above, 1});
        }
        line = rocked;
    }
    barBass_ = line;
    barBassBefore_ = lastBass_;
    // Under a hemiola the bass's quarters are its beats: a note arriving on
    // one is no passing note.
    const auto onBeat = [&](int step) {
        return step == 3 || (style == Accompaniment::Hemiola && (step == 2 || step == 4));
    };
    for (const BassNote &note : line) {
        lastBass_ = note.key;
        const int velocity = bassLevel_ +
            (note.step == 0          ? touch.bassStrong
                 : onBeat(note.step) ? touch.bassWeak
                                     : touch.bassWeak - kPassingSofter);
        const std::uint32_t length = note.steps * kStep;
        Play(who_.bass, barStart + note.step * kStep, note.key + bassShift_, velocity,
             length > touch.bassGap ? length - touch.bassGap : length / 2, feel_.Shift(kBassSpread));
    }
}

int Band::BassAt(int step) const
{
    int key = lastBass_;
    for (const BassNote &note : barBass_) {
        if (note.step <= step) {
            key = note.key;
        }
    }
    return key;
}

} // namespace belvane::sound
