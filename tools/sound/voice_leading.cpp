#include "voice_leading.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace belvane::sound {

namespace {

// Notes are lifted a little before the next one; a voice counts as still
// sounding through a gap shorter than this, and as resting after a longer one.
constexpr std::uint32_t kArticulationGap = 240;
// Of two voices, one moving an eighth after the other still moves with it.
constexpr std::uint32_t kStaggered = 240;

const WrittenNote *SoundingAt(std::span<const WrittenNote> line, std::uint32_t tick)
{
    const WrittenNote *found = nullptr;
    for (const WrittenNote &note : line) {
        if (note.tick <= tick && tick < note.tick + note.length + kArticulationGap) {
            found = &note; // the latest struck
        }
    }
    return found;
}

std::string Describe(const char *what, int upper, int lower)
{
    return std::string(what) + " " + std::to_string(upper) + "/" + std::to_string(lower);
}

// Every tick at which a note of any of `lines` starts, in order, once each.
std::vector<std::uint32_t> Onsets(std::initializer_list<std::span<const WrittenNote>> lines)
{
    std::vector<std::uint32_t> onsets;
    for (const auto line : lines) {
        for (const WrittenNote &note : line) {
            onsets.push_back(note.tick);
        }
    }
    std::sort(onsets.begin(), onsets.end());
    onsets.erase(std::unique(onsets.begin(), onsets.end()), onsets.end());
    return onsets;
}

} // namespace

std::vector<Fault> ParallelFifthsAndOctaves(std::span<const WrittenNote> upper, std::span<const WrittenNote> lower,
                                            bool sameWayOnly)
{
    const std::vector<std::uint32_t> onsets = Onsets({upper, lower});

    std::vector<Fault> faults;
    const auto check = [&](std::uint32_t tick, const WrittenNote *u0, const WrittenNote *l0, const WrittenNote *u,
                           const WrittenNote *l) {
        if (Consecutive(u0->key, l0->key, u->key, l->key, sameWayOnly)) {
            faults.push_back(
                {tick,
                 Describe(PitchClassInterval(u->key, l->key) == 0 ? "consecutive octaves" : "consecutive fifths",
                          u->key, l->key)});
        }
    };
    const WrittenNote *upperBefore = nullptr, *lowerBefore = nullptr;
    // The pair before one voice moved alone, which, and when.
    const WrittenNote *pairUpper = nullptr, *pairLower = nullptr;
    bool upperWent = false;
    std::uint32_t wentAt = 0;
    for (const std::uint32_t tick : onsets) {
        const WrittenNote *u = SoundingAt(upper, tick), *l = SoundingAt(lower, tick);
        // Either voice resting in between breaks the succession.
        const auto continued = [](const WrittenNote *before, const WrittenNote *now) {
            return before && now && (before == now || before->tick + before->length + kArticulationGap >= now->tick);
        };
        if (!continued(upperBefore, u) || !continued(lowerBefore, l)) {
            pairUpper = nullptr;
        } else {
            const bool upperMoved = u != upperBefore && u->key != upperBefore->key;
            const bool lowerMoved = l != lowerBefore && l->key != lowerBefore->key;
            if (upperMoved && lowerMoved) {
                check(tick, upperBefore, lowerBefore, u, l);
                pairUpper = nullptr;
            } else if (upperMoved || lowerMoved) {
                if (pairUpper && upperWent != upperMoved && tick - wentAt <= kStaggered) {
                    check(tick, pairUpper, pairLower, u, l);
                }
                pairUpper = upperBefore, pairLower = lowerBefore, upperWent = upperMoved, wentAt = tick;
            }
        }
        upperBefore = u, lowerBefore = l;
    }
    return faults;
}

std::vector<WrittenNote> LowestLine(std::span<const WrittenNote> part, std::uint32_t joined)
{
    const std::vector<std::uint32_t> onsets = Onsets({part});
    std::vector<WrittenNote> line;
    for (std::size_t i = 0; i < onsets.size(); ++i) {
        const WrittenNote *lowest = nullptr;
        for (const WrittenNote &note : part) {
            if (note.tick <= onsets[i] && onsets[i] < note.tick + note.length && (!lowest || note.key < lowest->key)) {
                lowest = &note;
            }
        }
        if (!line.empty() && line.back().key == lowest->key && line.back().tick + line.back().length >= lowest->tick) {
            line.back().length = std::max(line.back().length, lowest->tick + lowest->length - line.back().tick);
            continue;
        }
        WrittenNote note = *lowest;
        note.tick = onsets[i];
        note.length = lowest->tick + lowest->length - onsets[i];
        if (!line.empty() && line.back().tick + line.back().length < note.tick &&
            line.back().tick + line.back().length + joined > note.tick) {
            line.back().length = note.tick - line.back().tick;
        }
        line.push_back(note);
    }
    return line;
}

std::vector<Fault> AccentedConsecutives(std::span<const WrittenNote> lead, std::span<const WrittenNote> bass,
                                        std::uint32_t beatTicks, std::uint32_t window)
{
    std::vector<std::uint32_t> accents;
    std::uint32_t end = 0;
    for (const auto line : {lead, bass}) {
        for (const WrittenNote &note : line) {
            end = std::max(end, note.tick + note.length);
        }
    }
    for (std::uint32_t beat = 0; beat < end; beat += beatTicks) {
        accents.push_back(beat);
    }
    for (const WrittenNote &l : lead) {
        for (const WrittenNote &b : bass) {
            if (b.tick == l.tick) {
                accents.push_back(l.tick);
            }
        }
    }
    std::sort(accents.begin(), accents.end());
    accents.erase(std::unique(accents.begin(), accents.end()), accents.end());

    struct Perfect {
        std::uint32_t tick;
        int interval; // 0 or 7
        const WrittenNote *lead, *bass;
    };
    std::vector<Perfect> perfects;
    for (const std::uint32_t tick : accents) {
        const WrittenNote *l = SoundingAt(lead, tick), *b = SoundingAt(bass, tick);
        if (l && b) {
            const int interval = PitchClassInterval(l->key, b->key);
            if (interval == 0 || interval == 7) {
                perfects.push_back({tick, interval, l, b});
            }
        }
    }
    std::vector<Fault> faults;
    for (std::size_t j = 0; j < perfects.size(); ++j) {
        for (std::size_t i = j; i-- > 0 && perfects[j].tick - perfects[i].tick <= window;) {
            const Perfect &before = perfects[i], &now = perfects[j];
            if (before.interval == now.interval && before.lead->key != now.lead->key &&
                before.bass->key != now.bass->key) {
                faults.push_back({now.tick,
                                  Describe(now.interval == 0 ? "accented octaves" : "accented fifths", now.lead->key,
                                           now.bass->key)});
                break;
            }
        }
    }
    return faults;
}

std::vector<Fault> UnresolvedClashes(std::span<const WrittenNote> lead, std::span<const WrittenNote> others,
                                     std::uint32_t beatTicks)
{
    std::vector<Fault> faults;
    for (std::size_t i = 0; i < lead.size(); ++i) {
        const WrittenNote &note = lead[i];
        if (note.tick % beatTicks != 0) {
            continue;
        }
        // It resolves when the line's next note is a step away and at rest
        // against what sounds then: a tone of the chord, or free of seconds
        // and sevenths (E falling to D over F A C only rubs again).
        const auto next = std::find_if(lead.begin() + static_cast<std::ptrdiff_t>(i) + 1, lead.end(),
                                       [&](const WrittenNote &n) { return n.channel == note.channel; });
        bool resolves = next != lead.end() && std::abs(next->key - note.key) <= 2 && next->key != note.key;
        if (resolves) {
            bool chordTone = false, rubs = false;
            for (const WrittenNote &other : others) {
                if (other.tick <= next->tick && next->tick < other.tick + other.length) {
                    const int distance = PitchClassInterval(next->key, other.key);
                    chordTone = chordTone || distance == 0;
                    rubs = rubs || distance == 1 || distance == 2 || distance == 10 || distance == 11;
                }
            }
            resolves = chordTone || !rubs;
        }
        for (const WrittenNote &other : others) {
            const int distance = PitchClassInterval(note.key, other.key);
            if (other.tick <= note.tick && note.tick < other.tick + other.length && (distance == 1 || distance == 11) &&
                !resolves) {
                faults.push_back({note.tick, Describe("semitone clash", note.key, other.key)});
            }
        }
    }
    return faults;
}

namespace {

// Between two notes of `line` that follow each other on one channel, a chord
// note sounding at the first at one of `intervals` (semitones, above or below,
// octaves disregarded) from it, and one struck after it, sounding at the
// second, moved by the same interval: the two voices move in parallel.
std::vector<Fault> ParallelsWithChords(std::span<const WrittenNote> line, std::span<const WrittenNote> chords,
                                       std::initializer_list<int> intervals)
{
    const auto sounds = [](const WrittenNote &note, std::uint32_t tick) {
        return note.tick <= tick && tick < note.tick + note.length;
    };
    std::vector<Fault> faults;
    for (auto a = line.begin(); a != line.end(); ++a) {
        const auto b = std::find_if(a + 1, line.end(), [&](const WrittenNote &n) { return n.channel == a->channel; });
        if (b == line.end() || b->key == a->key || a->tick + a->length + kArticulationGap < b->tick) {
            continue;
        }
        for (const WrittenNote &p : chords) {
            const int apart = std::abs(a->key - p.key) % 12;
            if (!sounds(p, a->tick) || std::find(intervals.begin(), intervals.end(), apart) == intervals.end()) {
                continue;
            }
            // A voice that holds its note, or strikes it again, has not moved.
            const bool stays = std::any_of(chords.begin(), chords.end(), [&](const WrittenNote &n) {
                return n.key == p.key && n.tick > p.tick && sounds(n, b->tick);
            });
            for (const WrittenNote &q : chords) {
                // A chord struck again over notes it already held moves no voice.
                const bool held = std::any_of(chords.begin(), chords.end(), [&](const WrittenNote &n) {
                    return n.key == q.key && sounds(n, a->tick);
                });
                if (!stays && q.tick > a->tick && sounds(q, b->tick) && q.key - p.key == b->key - a->key && !held) {
                    faults.push_back(
                        {b->tick,
                         Describe(apart == 0 ? "octaves with the chords" : "fifths with the chords", b->key, q.key)});
                }
            }
        }
    }
    return faults;
}

} // namespace

std::vector<Fault> OctavesWithChords(std::span<const WrittenNote> lead, std::span<const WrittenNote> chords)
{
    return ParallelsWithChords(lead, chords, {0});
}

std::vector<Fault> BassUnderChords(std::span<const WrittenNote> bass, std::span<const WrittenNote> chords)
{
    return ParallelsWithChords(bass, chords, {0, 7});
}

std::vector<Fault> FifthsWithChords(std::span<const WrittenNote> lead, std::span<const WrittenNote> chords)
{
    return ParallelsWithChords(lead, chords, {7});
}

std::vector<Fault> ParallelsWithinChords(std::span<const WrittenNote> chords)
{
    // Two notes struck together a fifth or an octave apart, and two struck
    // together as they are let go, each a step (the same one) from its own:
    // a chord that slides whole carries its perfect intervals with it.
    std::vector<Fault> faults;
    for (const WrittenNote &low : chords) {
        for (const WrittenNote &high : chords) {
            const int apart = (high.key - low.key) % 12;
            if (high.tick != low.tick || high.channel != low.channel || high.key <= low.key ||
                (apart != 0 && apart != 7)) {
                continue;
            }
            const std::uint32_t end = std::min(low.tick + low.length, high.tick + high.length);
            for (const WrittenNote &q : chords) {
                const int step = q.key - low.key;
                if (q.channel != low.channel || q.tick <= low.tick || q.tick > end + kArticulationGap ||
                    q.tick + kArticulationGap < end || step == 0 || std::abs(step) > 4) {
                    continue;
                }
                const auto struck = [&](int key) {
                    return std::any_of(chords.begin(), chords.end(), [&](const WrittenNote &r) {
                        return r.channel == q.channel && r.tick == q.tick && r.key == key;
                    });
                };
                // A note the new chord strikes again has not moved.
                if (struck(high.key + step) && !struck(low.key) && !struck(high.key)) {
                    faults.push_back({q.tick,
                                      Describe(apart == 0 ? "octaves within the chords" : "fifths within the chords",
                                               high.key + step, q.key)});
                }
            }
        }
    }
    return faults;
}

std::vector<WrittenNote> NotesOf(std::span<const MidiTrack> tracks, std::span<const std::uint8_t> channels)
{
    std::vector<WrittenNote> notes;
    for (const MidiTrack &track : tracks) {
        for (const WrittenNote &note : track.Notes()) {
            if (std::find(channels.begin(), channels.end(), note.channel) != channels.end()) {
                notes.push_back(note);
            }
        }
    }
    std::stable_sort(notes.begin(), notes.end(),
                     [](const WrittenNote &a, const WrittenNote &b) { return a.tick < b.tick; });
    return notes;
}

} // namespace belvane::sound
