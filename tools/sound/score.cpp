#include "score.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>

namespace belvane::sound {

namespace {

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
        const std::string_view pitch = word.substr(0, slash);
        const int length = TakeNumber(word.substr(slash + 1), word);
        if (length <= 0) {
            Fail("note length must be positive", word);
        }
        steps.push_back(Step{pitch == "r" ? kRestKey : ParseKey(pitch), length});
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
    Chord chord{(spelling.natural + spelling.accidental + 12) % 12, {}};
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
    const int offset = ((pitchClass - floor) % 12 + 12) % 12;
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

std::uint32_t PlayLine(MidiTrack &track, const Voice &voice, const Grid &grid, std::uint32_t start,
                       std::span<const std::string_view> bars)
{
    std::uint32_t barStart = start;
    for (const std::string_view bar : bars) {
        int position = 0;
        for (const Step &step : ParseBar(bar, grid.stepsPerBar)) {
            if (step.key != kRestKey) {
                // Lean on the two main beats of the bar, as a player would.
                int velocity = voice.velocity;
                if (position == 0) {
                    velocity += 8;
                } else if (position * 2 == grid.stepsPerBar) {
                    velocity += 4;
                }
                const std::uint32_t start = barStart + position * grid.ticksPerStep;
                const std::uint32_t length = step.steps * grid.ticksPerStep;
                const std::uint32_t sounding = length > voice.gap ? length - voice.gap : length;
                const auto key = static_cast<std::uint8_t>(step.key + voice.transpose);
                if (voice.articulation == Articulation::Tremolo && step.steps >= kTremoloMinSteps) {
                    // The first stroke keeps the accent; the others alternate softly.
                    for (std::uint32_t at = 0; at + kTremoloTicks <= sounding; at += kTremoloTicks) {
                        const int stroke = at == 0 ? velocity : velocity * (at / kTremoloTicks % 2 ? 7 : 8) / 10;
                        track.Note(start + at, voice.channel, key, static_cast<std::uint8_t>(std::min(stroke, 127)),
                                   kTremoloTicks);
                    }
                } else {
                    track.Note(start, voice.channel, key, static_cast<std::uint8_t>(std::min(velocity, 127)), sounding);
                }
            }
            position += step.steps;
        }
        barStart += grid.barTicks();
    }
    return barStart;
}

} // namespace belvane::sound
