// Wave files the fuzzer found troublesome: they decode like their honest
// counterparts or are refused, without huge allocations or undefined behaviour.
#include "file_prova.h"
#include "lettore_wav.h"

#include <gtest/gtest.h>

using namespace belvane::media;

TEST(LettoreWav, AChunkClaimingMoreThanTheFileHoldsReadsWhatIsThere)
{
    const prova::Byte onesto = prova::Wav(1, 44100, prova::Fruscio());
    const std::vector<float> atteso = DecodificaWav(onesto);
    ASSERT_EQ(atteso.size(), 2 * prova::Fruscio().size());
    // The data chunk's length is the last field before the samples.
    prova::Byte bugiardo = onesto;
    for (std::size_t i = 40; i < 44; ++i)
        bugiardo[i] = 0xFF;
    EXPECT_EQ(DecodificaWav(bugiardo), atteso);
    // SDL also reads a file that starts at its WAVE tag.
    EXPECT_EQ(DecodificaWav(prova::Byte(bugiardo.begin() + 8, bugiardo.end())), atteso);
    // Cut short as well: the whole frames that are there.
    bugiardo.resize(bugiardo.size() - 101);
    EXPECT_EQ(DecodificaWav(bugiardo).size(), atteso.size() - 2 * 51); // 50.5 samples gone
}

TEST(LettoreWav, ASoundShorterThanOneFrameAtTheMixRateIsRefused)
{
    EXPECT_TRUE(DecodificaWav(prova::Wav(2, 3000000, {100, -100})).empty());
    EXPECT_TRUE(DecodificaWav(prova::Wav(1, 44100, {})).empty());
}
