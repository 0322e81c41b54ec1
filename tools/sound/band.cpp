#include "band.h"
#include "band_touch.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>

namespace belvane::sound {

const Touch &TouchOf(Accompaniment style)
{
    switch (style) {
    case Accompaniment::Tarantella:
        return kTarantella;
    case Accompaniment::Arpeggio:
    case Accompaniment::Ripple:
    case Accompaniment::Cascade:
    case Accompaniment::Rising:
    case Accompaniment::Rolled:
    case Accompaniment::Hemiola:
        return kArpeggio;
    case Accompaniment::Pad:
        return kPad;
    case Accompaniment::Broken:
        return kBroken;
    default:
        return kBarcarolle;
    }
}

namespace {

// Four notes so low are mud (D3 E3 G#3 B3): a major or dominant seventh
// leaves its root to the bass (no E3 F3 rub in Fmaj7), a minor seventh its
// fifth, so it stays minor.
std::vector<int> CloseChord(const Chord &chord, int floor)
{
    std::vector<int> keys = ChordKeys(chord, floor);
    if (keys.size() == 4) {
        const bool major = chord.intervals[1] == 4;
        const int dropped = major ? chord.root : (chord.root + chord.intervals[2]) % 12;
        keys.erase(std::find(keys.begin(), keys.end(), KeyAtOrAbove(dropped, floor)));
    }
    return keys;
}

// How long a chord note is kept clear of melody notes entering a semitone or
// a minor ninth over it: all the time it rings, except the chord's third,
// which it keeps (without it the chord is hollow), clear only as it is struck.
std::uint32_t RubbingSpan(const Chord &chord, int key, std::uint32_t length)
{
    const bool third = chord.intervals.size() > 1 && PitchClassInterval(key, chord.root) == chord.intervals[1];
    return third ? 1 : length;
}

} // namespace

Band::Band(std::span<const Part> parts, const Accompanists &accompanists, std::uint32_t seed)
    : who_(accompanists), feel_(seed)
{
    for (const Part &part : parts) {
        channels_.push_back(part.channel);
        MidiTrack &track = tracks_.emplace_back();
        track.Name(0, part.name);
        if (part.channel != kDrums) {
            track.Program(0, part.channel, part.program);
        }
        track.Controller(0, part.channel, 7, part.volume);
        track.Controller(0, part.channel, 10, part.pan);
        track.Controller(0, part.channel, 91, part.reverb);
        track.Controller(0, part.channel, 93, 0);
    }
}

MidiTrack &Band::Track(std::uint8_t channel)
{
    const auto found = std::find(channels_.begin(), channels_.end(), channel);
    if (found == channels_.end()) {
        throw std::invalid_argument("no part of the band plays on channel " + std::to_string(channel));
    }
    return tracks_[static_cast<std::size_t>(found - channels_.begin())];
}

std::uint8_t Band::At(int velocity) const
{
    int played = velocity + level_;
    if (played < audibleFloor_) {
        played = audibleFloor_ - (audibleFloor_ - played) / 2;
    }
    return static_cast<std::uint8_t>(std::clamp(played, 1, 127));
}

void Band::Play(std::uint8_t channel, std::uint32_t tick, int key, int velocity, std::uint32_t length, int shift)
{
    // Whatever figure a part plays, it leaves the leading note to the melody
    // while the melody sounds it and takes the dominant's fifth over it, so
    // a figure keeps its strokes, or its root under it where the fifth would
    // rise over the melody; the bass keeps its line.
    if (channel != who_.bass && DoublesLeadingNote(key, tick, length)) {
        const bool over = std::any_of(melody_.begin(), melody_.end(), [&](const WrittenNote &n) {
            return n.tick <= tick + kStep && tick < n.tick + n.length && n.key <= key + kFifthOverLeadingNote;
        });
        key += over ? -kLeadingNoteOverRoot : kFifthOverLeadingNote;
    }
    shift = std::clamp(shift, -static_cast<int>(tick), static_cast<int>(length) / 2);
    int played = At(velocity);
    if (underTheMelody_ > 0) {
        // Under the lead at its softest while it sounds: at each moment the
        // melody strikes, the loudest of its notes sounding then.
        int softest = 0;
        for (const WrittenNote &struck : melody_) {
            const std::uint32_t at = std::max(struck.tick, tick);
            if (struck.tick < tick + length && tick < struck.tick + struck.length) {
                int loudest = 0;
                for (const WrittenNote &n : melody_) {
                    if (n.tick <= at && at < n.tick + n.length) {
                        loudest = std::max<int>(loudest, n.velocity);
                    }
                }
                softest = softest == 0 ? loudest : std::min(softest, loudest);
            }
        }
        if (softest > 0) {
            played = std::min(played, std::max(softest - underTheMelody_, audibleFloor_));
        }
    }
    Track(channel).Note(tick, channel, static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(std::max(played, 1)),
                        length, shift);
}

void Band::OffbeatChords(std::uint32_t beatStart, int beatStep, const Chord &chord, Accompaniment style, bool held)
{
    const Touch &touch = TouchOf(style);
    // The bar's second beat is the lighter of its two, in the chords as in
    // the bass: over a long piece, a pair struck alike sounds sequenced.
    const int level = chordLevel_ - (lighterSecondBeat_ && beatStep != 0 ? kSecondBeatLighter : 0);
    // The bass stays the lowest note: a chord tone at or just above it goes
    // up an octave (E7 over E3 is G#3 B3 D4, not D3 under the bass).
    std::vector<int> tones = CloseChord(chord, kChordFloor);
    // An inverted chord leaves its bass note to the bass: a first inversion
    // with its third doubled above sounds thick.
    if (chord.bass != chord.root && tones.size() > 2) {
        std::erase_if(tones, [&](int tone) { return tone % 12 == chord.bass; });
    }
    for (int &tone : tones) {
        tone += tone <= BassAt(beatStep) + 2 ? 12 : 0;
    }
    std::sort(tones.begin(), tones.end());
    // A leading note the melody sounds over the beat is left to it, before
    // the chord is thinned, so it keeps two other notes.
    if (tones.size() > 2) {
        std::erase_if(tones, [&](int tone) { return DoublesLeadingNote(tone, beatStart, kBeatTicks); });
    }
    // Under a low lead, the chord's upper notes are left out, down to two.
    while (chordCeiling_ > 0 && tones.size() > 2 && tones.back() > chordCeiling_) {
        tones.pop_back();
    }
    if (style == Accompaniment::Broken) {
        // Picked, not strummed: one string on each eighth after the beat,
        // each left ringing to the next beat.
        const std::size_t top = tones.size() - 1;
        const std::array<std::size_t, 2> picked = {beatStep == 0 ? top - 1 : 0, top};
        for (int offset = 1; offset <= 2; ++offset) {
            if (Rubs(tones[picked[offset - 1]], beatStart + offset * kStep,
                     RubbingSpan(chord, tones[picked[offset - 1]], (kBeatSteps - offset) * kStep)) ||
                GrowlsOverBass(tones[picked[offset - 1]], beatStep + offset, kBeatSteps - offset)) {
                continue;
            }
            Play(who_.offbeat, beatStart + offset * kStep, tones[picked[offset - 1]],
                 (offset == 1 ? touch.chordFirst : touch.chordSecond) + level,
                 (kBeatSteps - offset) * kStep - touch.chordGap, feel_.Shift(kChordSpread));
        }
        return;
    }
    if (style == Accompaniment::Block) {
        // Strummed on the beat with the bass and left to ring through it;
        // a string that would slide a fifth or an octave with a lower one
        // from the last strum is left out.
        const int shift = feel_.Shift(kChordSpread);
        std::vector<int> strum;
        std::vector<std::size_t> strings;
        for (std::size_t i = 0; i < tones.size(); ++i) {
            if (Rubs(tones[i], beatStart, RubbingSpan(chord, tones[i], kBeatTicks)) ||
                GrowlsOverBass(tones[i], beatStep, kBeatSteps) || std::any_of(strum.begin(), strum.end(), [&](int low) {
                    return SlidesTogether(low, tones[i], lastStrum_, tones);
                })) {
                continue;
            }
            strum.push_back(tones[i]);
            strings.push_back(i);
        }
        while (strum.size() > 1 && FollowsMelody(strum.front(), beatStart)) {
            strum.erase(strum.begin());
            strings.erase(strings.begin());
        }
        for (std::size_t i = 0; i < strum.size(); ++i) {
            Play(who_.offbeat, beatStart, strum[i], touch.chordFirst - kBlockSofter + level,
                 kBeatTicks - touch.chordGap, std::max(shift, 0) + kStrum * static_cast<int>(strings[i]));
        }
        if (!strum.empty()) {
            lastChordLow_ = strum.front(), lastChordTick_ = beatStart;
        }
        lastStrum_ = strum;
        return;
    }
    // Every other bar the second stroke is a light upstroke on the upper
    // strings only, as a player varies the figure.
    const bool light = bar_ % 2 == 1;
    // Held: one chord through the rest of the beat, a breath in the figure.
    held = held || style == Accompaniment::Lilt;
    const int strokes = held ? 1 : kBeatSteps - 1;
    for (int offset = 1; offset <= strokes; ++offset) {
        const std::uint32_t length = held ? 2 * kStep - touch.chordGap : kStep - touch.chordGap;
        const int shift = feel_.Shift(kChordSpread);
        const std::uint32_t tick = beatStart + offset * kStep;
        std::vector<std::size_t> stroke;
        for (std::size_t i = light && offset == 2 ? 1 : 0; i < tones.size(); ++i) {
            if (!Rubs(tones[i], tick, RubbingSpan(chord, tones[i], length)) &&
                !GrowlsOverBass(tones[i], beatStep + offset, held ? 2 : 1)) {
                stroke.push_back(i);
            }
        }
        while (stroke.size() > 1 && FollowsMelody(tones[stroke.front()], tick)) {
            stroke.erase(stroke.begin());
        }
        for (const std::size_t i : stroke) {
            Play(who_.offbeat, tick, tones[i], (offset == 1 ? touch.chordFirst : touch.chordSecond) + level, length,
                 shift + kStrum * static_cast<int>(i));
        }
        if (!stroke.empty()) {
            lastChordLow_ = tones[stroke.front()], lastChordTick_ = tick;
        }
    }
}

void Band::PadChord(std::uint32_t start, int beatStep, const Chord &chord, std::uint32_t length)
{
    // Held chords move as little as they can from the last (each voice to
    // the nearest note), staying clear above the bass, so they do not leap
    // in octaves with it.
    const int bass = BassAt(beatStep);
    // The bass just before: the note it moves from as the chord changes.
    int bassBefore = barBassBefore_;
    for (const BassNote &note : barBass_) {
        if (note.step < beatStep) {
            bassBefore = note.key;
        }
    }
    // A new note as far from one held before as the bass has moved, both an
    // octave or a fifth over the bass, slides with it.
    const auto slides = [&](int key) {
        if (bass == bassBefore || std::find(lastPad_.begin(), lastPad_.end(), key) != lastPad_.end()) {
            return false;
        }
        return std::any_of(lastPad_.begin(), lastPad_.end(), [&](int old) {
            const int apart = PitchClassInterval(old, bassBefore);
            return key - old == bass - bassBefore && (apart == 0 || apart == 7);
        });
    };
    // A voice that would still follow the melody in octaves is left out:
    // the melody sounds that note itself; so is one still sliding with the
    // bass, which sounds it, or its fifth, below, and one growling against
    // a note the bass passes through.
    const auto leftOut = [&](int key, const std::vector<int> &keys) {
        return DoublesMelody(key, start, length) || ShadowsMelody(key, start, length, keys) || slides(key) ||
            LeanedOn(key, start, length) || (key < kLowRegister && Rubs(key, start, RubbingSpan(chord, key, length))) ||
            DoublesSeventh(chord, key, start, start + length) || DoublesLeadingNote(key, start, length) ||
            GrowlsOverBass(key, beatStep, static_cast<int>(length / kStep));
    };
    const auto keptOf = [&](const std::vector<int> &keys) {
        return std::count_if(keys.begin(), keys.end(), [&](int key) { return !leftOut(key, keys); });
    };
    std::vector<int> best;
    int bestCost = 0;
    // Voiced up to F4, under the leads; a chord that would keep only one
    // voice there, a stray note rather than a chord, may reach a step
    // higher for a voicing that keeps two, if the melody stays clear above.
    int melodyLowest = 127;
    for (const WrittenNote &note : melody_) {
        if (note.tick < start + length && note.tick + note.length > start) {
            melodyLowest = std::min(melodyLowest, static_cast<int>(note.key));
        }
    }
    for (const int highest : {kPadHighest, std::min(kPadHighest + 2, melodyLowest - 5)}) {
        if (highest <= kPadHighest && !best.empty()) {
            break;
        }
        if (highest > kPadHighest && keptOf(best) >= 2) {
            break;
        }
        for (int floor = kPadLowest; floor <= kPadLowest + 11; ++floor) {
            const std::vector<int> keys = ChordKeys(chord, floor);
            if (keys.front() <= bass + 2 || (keys.back() > highest && !best.empty())) {
                continue;
            }
            int cost = highest > kPadHighest && keptOf(keys) < 2 ? kThinChordCost : 0;
            for (std::size_t i = 0; i < keys.size(); ++i) {
                if (lastPad_.empty()) {
                    cost += keys[i];
                    continue;
                }
                const int before = lastPad_[std::min(i, lastPad_.size() - 1)];
                cost += std::abs(keys[i] - before);
                // A voice moving in octaves or fifths with the bass is avoided.
                if (slides(keys[i])) {
                    cost += kParallelCost;
                }
                // So is one doubling the melody an octave away as it moves,
                // or shadowing it a fifth away, and two voices sliding together.
                if (DoublesMelody(keys[i], start, length) || ShadowsMelody(keys[i], start, length, keys)) {
                    cost += kDoublingCost;
                }
                for (std::size_t j = i + 1; j < keys.size(); ++j) {
                    cost += SlidesTogether(keys[i], keys[j], lastPad_, keys) ? kParallelCost : 0;
                }
            }
            if (best.empty() || cost < bestCost || (highest > kPadHighest && keptOf(best) < 2 && keptOf(keys) >= 2)) {
                best = keys, bestCost = cost;
            }
        }
    }
    std::vector<bool> doubling(best.size());
    for (std::size_t i = 0; i < best.size(); ++i) {
        doubling[i] = leftOut(best[i], best);
    }
    // Of the voices left, one sliding a fifth or an octave with a lower one
    // is left out too.
    std::vector<int> heard;
    for (std::size_t i = 0; i < best.size(); ++i) {
        if (!doubling[i]) {
            heard.push_back(best[i]);
        }
    }
    for (std::size_t i = 0; i < best.size(); ++i) {
        doubling[i] = doubling[i] || std::any_of(heard.begin(), heard.end(), [&](int low) {
                          return low < best[i] && SlidesTogether(low, best[i], lastPad_, heard);
                      });
    }
    // The next chord moves from the voices heard.
    lastPad_.clear();
    for (std::size_t i = 0; i < best.size(); ++i) {
        if (doubling[i]) {
            continue;
        }
        lastPad_.push_back(best[i]);
        Play(who_.pad, start, best[i], kPad.chordFirst + heldLevel_, length - kPad.chordGap, 0);
    }
}

void Band::ClosingBar(std::uint32_t barStart, const Chord &chord)
{
    const std::uint32_t length = closingTicks_, ringing = ringingTicks_;
    lastBass_ = lastBass_ == 0 ? BassKey(chord.bass) : Nearest(chord.bass, lastBass_);
    Play(who_.bass, barStart, lastBass_ + bassShift_, kClosingBass + bassLevel_, length, 0);
    const std::vector<int> held = ChordKeys(chord, 55);
    for (const int tone : held) {
        if (who_.held == kNoPart && DoublesMelody(tone, barStart, length)) {
            continue;
        }
        Play(who_.held != kNoPart ? who_.held : who_.pad, barStart, tone, kClosingHeld, length, 0);
    }
    lastPad_ = held;
    const std::array<int, 4> spread = HarpSpread(chord);
    const std::array<int, 6> roll = {spread[0], spread[1], spread[2], spread[3], spread[1] + 12, spread[2] + 12};
    constexpr std::uint32_t kRollGap = 40;
    for (std::uint32_t i = 0; i < roll.size(); ++i) {
        Play(who_.harp, barStart + i * kRollGap, roll[i], kClosingHarp, ringing - i * kRollGap, 0);
    }
}

void Band::AccompanyBar(std::uint32_t barStart, std::string_view chordBar, Accompaniment style,
                        std::string_view nextChordBar, bool bass)
{
    const std::vector<Chord> chords = ParseChordBar(chordBar);
    if (style == Accompaniment::Closing) {
        ClosingBar(barStart, chords.front());
        ++bar_;
        return;
    }
    if (bass) {
        Bass(barStart, chords, ParseChordBar(nextChordBar).front().bass, style);
    }
    // (A layer without its own bass plays over the bass of the bar's first layer.)
    if (style == Accompaniment::Pad) {
        const std::uint32_t length = kSixEight.barTicks() / static_cast<std::uint32_t>(chords.size());
        for (std::uint32_t i = 0; i < chords.size(); ++i) {
            PadChord(barStart + i * length, static_cast<int>(i) * kBeatSteps, chords[i], length);
        }
    } else if (style == Accompaniment::Hemiola) {
        // Across the beats, as the lead broadens into a cadence: the harp
        // rolls on each quarter, from the bass on the first and on a new
        // chord's last, over the bass's own line on the others.
        constexpr std::uint32_t kQuarter = kBeatTicks * 2 / 3;
        for (std::uint32_t quarter = 0; quarter < 3; ++quarter) {
            RolledBeat(barStart + quarter * kQuarter, quarter < 2 ? chords.front() : chords.back(),
                       quarter == 0 || (quarter == 2 && chords.size() == 2), kQuarter);
        }
    } else {
        for (std::uint32_t beatIndex = 0; beatIndex < 2; ++beatIndex) {
            const Chord &chord = chords[beatIndex * chords.size() / 2];
            const bool newChord = beatIndex == 0 || chords.size() == 2;
            const std::uint32_t beatStart = barStart + beatIndex * kBeatTicks;
            if (style == Accompaniment::Arpeggio) {
                ArpeggioBeat(beatStart, chord, newChord, chords.size() == 2 ? kBeatTicks : 2 * kBeatTicks);
            } else if (style == Accompaniment::Ripple) {
                // The last bar of every four lets its second beat ring.
                if (beatIndex == 1 && bar_ % 4 == 3) {
                    RolledBeat(beatStart, chord, newChord, kBeatTicks);
                } else {
                    RippleBeat(beatStart, chord);
                }
            } else if (style == Accompaniment::Cascade) {
                // Each wave comes back down on the second beat: one that
                // runs up twice in a bar is heard as a stumble.
                CascadeBeat(beatStart, chord, beatIndex == 1);
            } else if (style == Accompaniment::Rising) {
                RisingBeat(beatStart, chord, beatIndex == 1);
            } else if (style == Accompaniment::Rolled) {
                RolledBeat(beatStart, chord, newChord, kBeatTicks);
            } else {
                // The last bar of every four breathes on its second beat.
                OffbeatChords(beatStart, static_cast<int>(beatIndex) * kBeatSteps, chord, style,
                              beatIndex == 1 && bar_ % 4 == 3);
            }
        }
    }
    bar_ += bass ? 1 : 0;
}

void Band::Percussion(std::uint32_t tick, std::uint8_t key, std::uint8_t velocity, std::uint32_t length)
{
    Track(kDrums).Note(tick, kDrums, key, velocity, length > 0 ? length : kStep / 4);
}

std::vector<MidiTrack> Band::Tracks(const MidiTrack &conductor, std::uint32_t end) const
{
    std::vector<MidiTrack> all{conductor};
    all.insert(all.end(), tracks_.begin(), tracks_.end());
    for (MidiTrack &track : all) {
        track.EndAt(end);
    }
    return all;
}

} // namespace belvane::sound
