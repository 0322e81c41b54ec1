#include "brano_midi.h"
#include "file_prova.h"

#include <gtest/gtest.h>

using namespace belvane::media;
using prova::Byte;
using prova::Smf;
using prova::Traccia;

namespace {
std::vector<int64_t> Frame(const Brano &b)
{
    std::vector<int64_t> f;
    for (const auto &e : b.eventi)
        f.push_back(e.frame);
    return f;
}
} // namespace

TEST(BranoMidi, TracksMergeInTimeThroughTempoChangesSmpteAndRunningStatus)
{
    // Track 0 doubles the tempo at tick 480; track 1 uses running status and a sysex.
    const Byte tempi{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x83, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90};
    const Byte note{0x00, 0x90, 60, 100, 0x83, 0x60, 62, 100, 0x00, 0xF0, 0x02, 0x01, 0xF7, 0x83, 0x60, 0x80, 60, 0};
    auto brano = LeggiBrano(Smf(1, 480, {Traccia(tempi), Traccia(note)}));
    ASSERT_TRUE(brano);
    EXPECT_EQ(Frame(*brano), (std::vector<int64_t>{0, 22050, 33075}));
    EXPECT_EQ(brano->eventi[1].stato, 0x90);
    EXPECT_EQ(brano->eventi[1].dato1, 62);
    EXPECT_EQ(brano->eventi[2].stato, 0x80);
    EXPECT_EQ(brano->lunghezza, 33075);

    // 25 frames a second, 40 ticks a frame: 1000 ticks a second; the longer track sets the length.
    const auto smpte = static_cast<uint16_t>((0x100 - 25) << 8 | 40);
    brano = LeggiBrano(
        Smf(1, smpte, {Traccia({0x00, 0xC0, 5, 0x83, 0x74, 0x90, 64, 90}), Traccia({0x87, 0x68, 0xB1, 7, 80})}));
    ASSERT_TRUE(brano);
    EXPECT_EQ(Frame(*brano), (std::vector<int64_t>{0, 22050, 44100}));
    EXPECT_EQ(brano->lunghezza, 44100);

    // The largest delta at the slowest tempo: weeks of silence, capped; the late note-off is dropped.
    brano = LeggiBrano(Smf(0, 1,
                           {Traccia({0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF, 0x00, 0x90, 60, 100, 0xFF, 0xFF, 0xFF,
                                     0x7F, 0x80, 60, 0})}));
    ASSERT_TRUE(brano);
    EXPECT_LE(brano->lunghezza, kDurataMassima);
    EXPECT_EQ(brano->eventi.size(), 1u);
}

TEST(BranoMidi, BrokenFilesAreRefused)
{
    const Byte buona = prova::MelodiaLunga(250);
    ASSERT_TRUE(LeggiBrano(buona));
    Byte rumore(4000);
    for (std::size_t i = 0; i < rumore.size(); ++i)
        rumore[i] = static_cast<uint8_t>(i * 7919 % 251);
    const std::vector<std::pair<const char *, Byte>> guasti{
        {"empty", {}},
        {"bare tag", {'M', 'T', 'h', 'd'}},
        {"truncated track", Byte(buona.begin(), buona.end() - 6)},
        {"header only", Byte(buona.begin(), buona.begin() + 14)},
        {"no tracks", Smf(0, 480, {})},
        {"no division", Smf(0, 0, {Traccia({0x00, 0x90, 60, 1})})},
        {"data without status", Smf(0, 480, {Traccia({0x00, 60, 100})})},
        {"event cut short", Smf(0, 480, {Traccia({0x00, 0x90, 60})})},
        {"no length", Smf(0, 480, {Traccia({0x00, 0x90, 60, 100})})},
        {"noise", rumore},
    };
    for (const auto &[nome, dati] : guasti)
        EXPECT_FALSE(LeggiBrano(dati)) << nome;
}
