#include "score.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>

namespace belvane::sound {

namespace {

constexpr int kSummitAccent = 3;

[[noreturn]] void Fail(std::string_view what, std::string_view text)
{
    throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) + "\"");
}

// Reads "<letter>[#|b]" from the front of `text`: the letter's natural pitch
// class and the accidental's offset (-1, 0 or +1) are returned separately so
// that octave numbers can follow the letter (Cb4 is B3, B#3 is C4).
struct Spelling {
    int natural;
    int accidental;
};

Spelling TakeSpelling(std::string_view &text, std::string_view whole)
{
    static constexpr int kNatural[7] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    if (text.empty() || text[0] < 'A' || text[0] > 'G') {
        Fail("note letter expected", whole);
    }
    Spelling spelling{kNatural[text[0] - 'A'], 0};
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
        spelling.accidental = text[0] == '#' ? 1 : -1;
        text.remove_prefix(1);
    }
    return spelling;
}

int TakeNumber(std::string_view text, std::string_view whole)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        Fail("number expected", whole);
    }
    return value;
}

std::vector<std::string_view> SplitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    while (true) {
        const auto begin = text.find_first_not_of(' ');
        if (begin == std::string_view::npos) {
            return words;
        }
        text.remove_prefix(begin);
        const auto end = std::min(text.find(' '), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

} // namespace

int ParseKey(std::string_view name)
{
    std::string_view rest = name;
    const Spelling spelling = TakeSpelling(rest, name);
    const int octave = TakeNumber(rest, name);
    const int key = (octave + 1) * 12 + spelling.natural + spelling.accidental;
    if (octave < 0 || key < 0 || key > 127) {
        Fail("key outside the MIDI range", name);
    }
    return key;
}

std::vector<Step> ParseBar(std::string_view bar, int stepsPerBar)
{
    std::vector<Step> steps;
    int total = 0;
    for (const std::string_view word : SplitWords(bar)) {
        const auto slash = word.find('/');
        if (slash == std::string_view::npos) {
            Fail("note needs /steps", word);
        }
        std::string_view pitch = word.substr(0, slash);
        const bool tied = pitch.starts_with('~');
        if (tied) {
            pitch.remove_prefix(1);
        }
        const int length = TakeNumber(word.substr(slash + 1), word);
        if (length <= 0) {
            Fail("note length must be positive", word);
        }
        if (tied && pitch == "r") {
            Fail("only a note can be tied", word);
        }
        steps.push_back(Step{pitch == "r" ? kRestKey : ParseKey(pitch), length, tied});
        total += length;
    }
    if (total != stepsPerBar) {
        Fail("bar length is " + std::to_string(total) + " steps, not " + std::to_string(stepsPerBar), bar);
    }
    return steps;
}

Chord ParseChord(std::string_view name)
{
    std::string_view rest = name;
    const Spelling spelling = TakeSpelling(rest, name);
    const int root = (spelling.natural + spelling.accidental + 12) % 12;
    Chord chord{root, {}, root};
    if (const auto slash = rest.find('/'); slash != std::string_view::npos) {
        std::string_view bass = rest.substr(slash + 1);
        const Spelling under = TakeSpelling(bass, name);
        if (!bass.empty()) {
            Fail("a bass is one note name", name);
        }
        chord.bass = (under.natural + under.accidental + 12) % 12;
        rest = rest.substr(0, slash);
    }
    if (rest.empty()) {
        chord.intervals = {0, 4, 7};
    } else if (rest == "m") {
        chord.intervals = {0, 3, 7};
    } else if (rest == "7") {
        chord.intervals = {0, 4, 7, 10};
    } else if (rest == "m7") {
        chord.intervals = {0, 3, 7, 10};
    } else if (rest == "maj7") {
        chord.intervals = {0, 4, 7, 11};
    } else if (rest == "m7b5") {
        chord.intervals = {0, 3, 6, 10};
    } else if (rest == "dim") {
        chord.intervals = {0, 3, 6};
    } else {
        Fail("unknown chord quality", name);
    }
    return chord;
}

std::vector<Chord> ParseChordBar(std::string_view bar)
{
    std::vector<Chord> chords;
    for (const std::string_view word : SplitWords(bar)) {
        chords.push_back(ParseChord(word));
    }
    if (chords.empty() || chords.size() > 2) {
        Fail("a bar holds one or two chords", bar);
    }
    return chords;
}

int KeyAtOrAbove(int pitchClass, int floor)
{
    const int offset = PitchClassInterval(pitchClass, floor);
    return floor + offset;
}

std::vector<int> ChordKeys(const Chord &chord, int floor)
{
    std::vector<int> keys;
    for (const int interval : chord.intervals) {
        keys.push_back(KeyAtOrAbove((chord.root + interval) % 12, floor));
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

int Feel::Shift(int spread)
{
    // xorshift32: small, and the same on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return spread <= 0 ? 0 : static_cast<int>(state_ % static_cast<std::uint32_t>(2 * spread + 1)) - spread;
}

std::uint32_t PlayLine(MidiTrack &track, const Voice &voice, const Grid &grid, std::uint32_t start,
                       std::span<const std::string_view> bars, Feel &feel, int phraseBar)
{
    std::vector<std::vector<Step>> parsed;
    int keySum = 0, keyCount = 0;
    for (const std::string_view bar : bars) {
        parsed.push_back(ParseBar(bar, grid.stepsPerBar));
        for (const Step &step : parsed.back()) {
            if (step.key != kRestKey) {
                keySum += step.key, ++keyCount;
            }
        }
    }
    const int centre = keyCount ? keySum / keyCount : 0;
    // The summit of each eight-bar phrase is its dynamic peak too.
    std::vector<int> summit((parsed.size() + phraseBar) / 8 + 1, kRestKey);
    for (std::size_t b = 0; b < parsed.size(); ++b) {
        for (const Step &step : parsed[b]) {
            int &top = summit[(b + phraseBar) / 8];
            top = std::max(top, step.key);
        }
    }
    // Early onsets stay clear of the end of the note before on the same key.
    const int early = std::min(voice.spread, static_cast<int>(voice.gap) / 2);

    std::uint32_t barStart = start;
    int before = kRestKey; // the step before's key, for ties
    for (std::size_t b = 0; b < parsed.size(); ++b) {
        int position = 0;
        for (std::size_t i = 0; i < parsed[b].size(); ++i) {
            const Step &step = parsed[b][i];
            // A tied note lengthens the one before; the steps it holds on.
            int held = step.steps;
            std::size_t nb = b, ni = i + 1;
            for (;; ++ni) {
                if (ni == parsed[nb].size()) {
                    nb += 1, ni = 0;
                }
                if (nb == parsed.size() || !parsed[nb][ni].tied || parsed[nb][ni].key != step.key) {
                    break;
                }
                held += parsed[nb][ni].steps;
            }
            const bool continued = step.tied && step.key == before;
            before = step.key;
            if (step.key != kRestKey && !continued) {
                // The line's height leads the dynamics, the beat only leans.
                const int bars = static_cast<int>(parsed.size());
                const int shape = voice.swell != 0 ? voice.swell * static_cast<int>(b) / std::max(bars - 1, 1)
                                                   : kPhraseArc[(static_cast<int>(b) + phraseBar) % 8];
                int velocity = voice.velocity + shape + (step.key - centre) / 2;
                // A swelling line reaches its top by the swell alone: an
                // accent on it as well jabs out of the climb.
                if (step.key == summit[(b + phraseBar) / 8] && voice.swell == 0) {
                    velocity += kSummitAccent;
                }
                if (position == 0) {
                    velocity += 3;
                } else if (position * 2 == grid.stepsPerBar) {
                    velocity += 1;
                }
                const Step *next = nb < parsed.size() ? &parsed[nb][ni] : nullptr;
                if (!next || next->key == kRestKey) {
                    velocity -= 5;
                }
                velocity = std::clamp(velocity, 24, 127);
                const std::uint32_t at = barStart + position * grid.ticksPerStep;
                const std::uint32_t length = held * grid.ticksPerStep;
                const std::uint32_t sounding = length > voice.gap ? length - voice.gap : length;
                const auto key = static_cast<std::uint8_t>(step.key + voice.transpose);
                const int shift =
                    std::clamp(feel.Shift(voice.spread), -std::min(early, static_cast<int>(at)), voice.spread);
                if (voice.articulation == Articulation::Tremolo && length >= kTremoloMinTicks) {
                    // The first stroke keeps the accent; the others alternate
                    // softly and a little unevenly, each lifted before the next.
                    for (std::uint32_t t = 0; t + kTremoloTicks <= sounding; t += kTremoloTicks) {
                        const int stroke = t == 0 ? velocity : velocity * (t / kTremoloTicks % 2 ? 7 : 8) / 10;
                        track.Note(at + t, voice.channel, key, static_cast<std::uint8_t>(std::min(stroke, 127)),
                                   kTremoloTicks - 12, t == 0 ? shift : feel.Shift(4));
                    }
                } else {
                    std::uint32_t rings = sounding;
                    if (voice.articulation == Articulation::Ringing) {
                        const std::uint32_t beat = grid.barTicks() / 2;
                        const std::uint32_t beatEnd = barStart + ((at - barStart) / beat + 1) * beat;
                        rings = std::max(sounding, beatEnd - at - voice.gap);
                    }
                    track.Note(at, voice.channel, key, static_cast<std::uint8_t>(velocity), rings,
                               std::min(shift, static_cast<int>(rings) - 1));
                }
            }
            position += step.steps;
        }
        barStart += grid.barTicks();
    }
    return barStart;
}

} // namespace belvane::sound
