// The game tune's harmony as written, bar by bar: over a loop heard many
// times, a cadence or a bass line that comes back section after section is
// the first thing a listener tires of.
#include "game_tune_score.h"
#include "tune_reading.h"
#include "tunes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::sound {
namespace {

struct Chord {
    int root = 0, bass = 0; // pitch classes
    std::string symbol;     // as written, inversion and all
    bool dominant = false;  // a major triad or a dominant seventh
};

int PitchClassOf(std::string_view name)
{
    constexpr int kNatural[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int pitch = kNatural[name.at(0) - 'A'];
    if (name.size() > 1 && name[1] == '#')
        ++pitch;
    if (name.size() > 1 && name[1] == 'b')
        --pitch;
    return (pitch + 12) % 12;
}

Chord ChordOf(std::string_view symbol)
{
    Chord chord;
    chord.symbol = symbol;
    const std::size_t slash = symbol.find('/');
    const std::string_view name = symbol.substr(0, slash);
    const std::size_t rootLength = name.size() > 1 && (name[1] == '#' || name[1] == 'b') ? 2 : 1;
    const std::string_view quality = name.substr(rootLength);
    chord.root = PitchClassOf(name);
    chord.bass = slash == std::string_view::npos ? chord.root : PitchClassOf(symbol.substr(slash + 1));
    chord.dominant = quality.empty() || quality == "7";
    return chord;
}

// Every chord of the tune in order, with the index of the bar it sounds in.
std::vector<std::pair<std::size_t, Chord>> ChordsByBar()
{
    std::vector<std::pair<std::size_t, Chord>> chords;
    std::size_t bar = 0;
    for (const auto &section : game_tune_score::kChordBars) {
        for (const std::string_view written : section) {
            for (std::size_t from = 0; from < written.size();) {
                const std::size_t space = std::min(written.find(' ', from), written.size());
                chords.push_back({bar, ChordOf(written.substr(from, space - from))});
                from = space + 1;
            }
            ++bar;
        }
    }
    return chords;
}

TEST(GameTuneHarmony, NoTwoSectionsRunningCloseOnTheSameCadence)
{
    // A section's cadence is its last move from a major or dominant chord
    // to a chord on another root, the next section's first chord included
    // (the loop's last runs into its first). Two sections running that close
    // alike, E7 over G sharp to A minor and again, are heard as one formula.
    const auto chords = ChordsByBar();
    std::vector<std::size_t> starts;
    for (const std::uint32_t tick : ReadConductor(ComposeGameTune().front()).marks)
        starts.push_back(tick / kBar);
    ASSERT_GE(starts.size(), 8u);
    std::vector<std::string> cadences;
    for (std::size_t s = 0; s < starts.size(); ++s) {
        const std::size_t end = s + 1 < starts.size() ? starts[s + 1] : chords.back().first + 1;
        std::vector<const Chord *> heard;
        for (const auto &[bar, chord] : chords)
            if (starts[s] <= bar && bar < end && (heard.empty() || heard.back()->symbol != chord.symbol))
                heard.push_back(&chord);
        const auto next = std::find_if(chords.begin(), chords.end(), [&](auto &c) { return c.first == end; });
        heard.push_back(next != chords.end() ? &next->second : &chords.front().second);
        std::string cadence;
        for (std::size_t i = 1; i < heard.size(); ++i)
            if (heard[i - 1]->dominant && heard[i - 1]->root != heard[i]->root)
                cadence = heard[i - 1]->symbol + " to " + heard[i]->symbol;
        cadences.push_back(cadence);
    }
    for (std::size_t s = 0; s < cadences.size(); ++s) {
        const std::size_t next = (s + 1) % cadences.size();
        EXPECT_NE(cadences[s], cadences[next]) << "the sections from bars " << starts[s] + 1 << " and "
                                               << starts[next] + 1 << " both close " << cadences[s];
    }
}

TEST(GameTuneHarmony, TheLamentBassComesBackAtMostTwice)
{
    // A bass falling by step a bar a note through four bars, A G F E, is
    // the loop's lament: heard once it sets the mood, twice it is a motto,
    // a third time the tune has run out of bass lines.
    const auto chords = ChordsByBar();
    std::vector<int> bassOfBar;
    for (const auto &[bar, chord] : chords)
        if (bassOfBar.size() == bar)
            bassOfBar.push_back(chord.bass);
    const std::size_t bars = bassOfBar.size();
    const auto fallsByStep = [&](std::size_t bar) {
        const int fall = (bassOfBar[bar % bars] - bassOfBar[(bar + 1) % bars] + 12) % 12;
        return fall == 1 || fall == 2;
    };
    std::vector<std::size_t> laments;
    for (std::size_t bar = 0; bar < bars; ++bar) {
        if (fallsByStep(bar) && fallsByStep(bar + 1) && fallsByStep(bar + 2)) {
            laments.push_back(bar + 1);
            bar += 2;
        }
    }
    std::string where;
    for (const std::size_t bar : laments)
        where += " " + std::to_string(bar);
    EXPECT_LE(laments.size(), 2u) << "a bass falling by step four bars from bars" << where;
}

} // namespace
} // namespace belvane::sound
