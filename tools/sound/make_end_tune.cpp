// Writes the end-of-game tune: a bright four-bar flourish in A major, the
// game tune's key turned to major, about six seconds with its final chord.
//
// Usage: belvane_make_end_tune <output.mid>
#include "band.h"

#include <array>
#include <exception>
#include <string_view>

namespace {

using namespace belvane::sound;

// Dotted quarter = 92: quicker than the game tune, still a folk dance.
constexpr std::uint32_t kMicrosPerQuarter = 60'000'000u * 2 / (92 * 3);

constexpr std::array<std::string_view, 4> kMelody = {
    "E4/1 A4/1 C#5/1 E5/1 A5/1 C#6/1",
    "D6/2 A5/1 B5/2 G#5/1",
    "C#6/1 E6/1 C#6/1 B5/1 D6/1 B5/1",
    "A5/6",
};
constexpr std::array<std::string_view, 4> kChords = {"A", "D E7", "A E7", "A"};

constexpr Voice kGuitarLead{kGuitar, 0, 102, 20};
constexpr Voice kFluteLead{kFlute, 0, 84, 10};

std::vector<MidiTrack> compose()
{
    MidiTrack conductor;
    conductor.name(0, "bump");
    conductor.time_signature(0, 6, 3);
    conductor.key_signature(0, 3, KeyMode::Major);
    conductor.tempo(0, kMicrosPerQuarter);

    Band band;
    for (const Voice &lead : {kGuitarLead, kFluteLead}) {
        play_line(band.track(lead.channel), lead, kSixEight, 0, kMelody);
    }
    std::uint32_t now = 0;
    for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
        const bool last = bar + 1 == kChords.size();
        band.accompany_bar(now, kChords[bar], last ? Accompaniment::Closing : Accompaniment::Tarantella);
        if (last) {
            band.tambourine_roll(now, kSixEight.bar_ticks() / 2, kSixEight.ticks_per_step / 2);
        } else {
            band.tambourine_bar(now, Tambourine::Full);
        }
        now += kSixEight.bar_ticks();
    }
    // Two eighths more let the last chord ring out.
    return band.tracks(conductor, now + 2 * kSixEight.ticks_per_step);
}

} // namespace

int main(int argc, char **argv)
{
    return generate_file(argc, argv, "<output.mid>", [] { return encode_midi_file(kTicksPerQuarter, compose()); });
}
