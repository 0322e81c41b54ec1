#include "brano_midi.h"
#include "file_prova.h"

#include <gtest/gtest.h>

using namespace belvane::media;
using prova::Byte;

namespace {
std::vector<int64_t> Frame(const Brano &b)
{
    std::vector<int64_t> f;
    for (const auto &e : b.eventi)
        f.push_back(e.frame);
    return f;
}
} // namespace

TEST(BranoMidi, TempoChangesAndTracksAreMergedInTime)
{
    // Track 0 doubles the tempo at beat 1; track 1 plays with running status.
    const Byte tempi{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,   // 500000 us a beat
                     0x83, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}; // 250000 us at tick 480
    const Byte note{0x00, 0x90, 60, 100,                            // tick 0
                    0x83, 0x60, 62, 100,                            // tick 480, running status
                    0x00, 0xF0, 0x02, 0x01, 0xF7,                   // a sysex in between
                    0x83, 0x60, 0x80, 60, 0};                       // tick 960
    auto brano = LeggiBrano(prova::Smf(1, 480, {prova::Traccia(tempi), prova::Traccia(note)}));
    ASSERT_TRUE(brano);
    EXPECT_EQ(Frame(*brano), (std::vector<int64_t>{0, 22050, 33075}));
    EXPECT_EQ(brano->eventi[1].stato, 0x90);
    EXPECT_EQ(brano->eventi[1].dato1, 62);
    EXPECT_EQ(brano->eventi[2].stato, 0x80);
    EXPECT_EQ(brano->lunghezza, 33075);  // the end markers sit on the last event
}

TEST(BranoMidi, SmpteDivisionAndLongestTrackGiveTheLength)
{
    // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
    const uint16_t smpte = static_cast<uint16_t>((0x100 - 25) << 8 | 40);
    const Byte corta{0x00, 0xC0, 5, 0x83, 0x74, 0x90, 64, 90};   // note at tick 500
    const Byte lunga{0x87, 0x68, 0xB1, 7, 80};                    // control at tick 1000
    auto brano = LeggiBrano(prova::Smf(1, smpte, {prova::Traccia(corta), prova::Traccia(lunga)}));
    ASSERT_TRUE(brano);
    EXPECT_EQ(Frame(*brano), (std::vector<int64_t>{0, 22050, 44100}));
    EXPECT_EQ(brano->lunghezza, 44100);
}

TEST(BranoMidi, BrokenFilesAreRefused)
{
    const Byte buona = prova::Melodia({{0, 480, 60}});
    ASSERT_TRUE(LeggiBrano(buona));

    EXPECT_FALSE(LeggiBrano(Byte{}));
    EXPECT_FALSE(LeggiBrano(Byte{'M', 'T', 'h', 'd'}));
    EXPECT_FALSE(LeggiBrano(Byte(buona.begin(), buona.end() - 6))) << "truncated track";
    EXPECT_FALSE(LeggiBrano(Byte(buona.begin(), buona.begin() + 14))) << "header only";
    EXPECT_FALSE(LeggiBrano(prova::Smf(0, 480, {}))) << "no tracks";
    EXPECT_FALSE(LeggiBrano(prova::Smf(0, 0, {prova::Traccia({0x00, 0x90, 60, 1})}))) << "no division";
    EXPECT_FALSE(LeggiBrano(prova::Smf(0, 480, {prova::Traccia({0x00, 60, 100})}))) << "data without status";
    EXPECT_FALSE(LeggiBrano(prova::Smf(0, 480, {prova::Traccia({0x00, 0x90, 60})}))) << "event cut short";
    EXPECT_FALSE(LeggiBrano(prova::Smf(0, 480, {prova::Traccia({0x00, 0x90, 60, 100})}))) << "no length";
    Byte rumore(4000);
    for (std::size_t i = 0; i < rumore.size(); ++i)
        rumore[i] = static_cast<uint8_t>(i * 7919 % 251);
    EXPECT_FALSE(LeggiBrano(rumore));
}

TEST(BranoMidi, AbsurdLengthsAreCapped)
{
    // The largest delta the format allows, at the slowest tempo: weeks of silence.
    const Byte eventi{0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF, 0x00, 0x90, 60, 100,
                      0xFF, 0xFF, 0xFF, 0x7F, 0x80, 60, 0};
    auto brano = LeggiBrano(prova::Smf(0, 1, {prova::Traccia(eventi)}));
    ASSERT_TRUE(brano);
    EXPECT_LE(brano->lunghezza, kDurataMassima);
    EXPECT_EQ(brano->eventi.size(), 1u) << "the note-off past the cap is dropped";
}
