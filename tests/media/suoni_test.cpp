// The nine operations, heard through the offline mix with the real SoundFont.
#include "file_prova.h"
#include "suoni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace belvane::media;

namespace {

std::vector<int16_t> Fruscio()
{
    std::vector<int16_t> c(4410);  // 0.1 s, no two neighbours alike
    uint32_t x = 12345;
    for (auto &v : c) {
        x = x * 1103515245u + 12345u;
        v = static_cast<int16_t>(static_cast<int>(x >> 16) % 20000 - 10000);
    }
    return c;
}

double Rms(const std::vector<float> &b)
{
    double s = 0;
    for (float v : b)
        s += double{v} * v;
    return std::sqrt(s / static_cast<double>(b.size()));
}

bool Zitto(const std::vector<float> &b)
{
    for (float v : b)
        if (v != 0.0f)
            return false;
    return true;
}

class Mix : public ::testing::Test {
protected:
    Mix()
    {
        cartella.Metti(prova::MelodiaLunga(2000), prova::MelodiaLunga(500), prova::Wav(1, 44100, Fruscio()));
        suoni.OpenSoundDevices();
    }
    void SetUp() override { ASSERT_TRUE(suoni.WaitForSoundFont(std::chrono::seconds(10))); }
    std::vector<float> Ascolta(int millisecondi)
    {
        std::vector<float> b(static_cast<std::size_t>(2 * 441 * millisecondi / 10));
        suoni.Render(b.data(), static_cast<int>(b.size() / 2));
        return b;
    }

    prova::Cartella cartella;
    bool rustleOn = true;
    Suoni suoni{cartella.Testo(), [this] { return rustleOn; }, ModoUscita::FuoriLinea};
    Lettore &musica = suoni.MMC1();
    Lettore &carta = suoni.MMCW();
};

constexpr double kUdibile = 0.005;

} // namespace

TEST_F(Mix, MusicPlaysPausesToSilenceAndResumesWhereItStopped)
{
    EXPECT_TRUE(Zitto(Ascolta(100))) << "opened, not started";
    suoni.StartMusic();
    EXPECT_GT(Rms(Ascolta(300)), kUdibile);
    suoni.PauseMusic();
    const int32_t ferma = musica.Position();
    EXPECT_EQ(ferma, 300);
    EXPECT_TRUE(Zitto(Ascolta(200)));
    EXPECT_EQ(musica.Position(), ferma);
    suoni.ResumeMusic();
    EXPECT_GT(Rms(Ascolta(200)), kUdibile);
    EXPECT_EQ(musica.Position(), ferma + 200);
}

TEST_F(Mix, RestartMusicAtEndRestartsOnlyAnEndedTune)
{
    suoni.StartMusic();
    Ascolta(500);
    suoni.RestartMusicAtEnd();
    EXPECT_EQ(musica.Position(), 500) << "a playing tune is left alone";

    Ascolta(1600);
    ASSERT_EQ(musica.Position(), musica.Length());
    Ascolta(1500);
    EXPECT_LT(Rms(Ascolta(100)), 1e-4) << "silent after the end";
    suoni.PauseMusic();  // Music unchecked after the end changes nothing
    suoni.RestartMusicAtEnd();
    EXPECT_EQ(musica.State(), Stato::Suona);
    EXPECT_EQ(musica.Position(), 0);
    EXPECT_GT(Rms(Ascolta(200)), kUdibile);
}

TEST_F(Mix, EveryRustleStartsFromTheBeginningOfTheSound)
{
    const auto atteso = Fruscio();
    suoni.PlayCardRustle();
    const auto primo = Ascolta(20);
    for (std::size_t i = 0; i < primo.size() / 2; ++i) {
        ASSERT_FLOAT_EQ(primo[2 * i], atteso[i] / 32768.0f) << i;
        ASSERT_FLOAT_EQ(primo[2 * i + 1], atteso[i] / 32768.0f) << i;
    }
    Ascolta(30);
    suoni.PlayCardRustle();  // cuts the first one off
    EXPECT_EQ(Ascolta(20), primo);
    Ascolta(200);
    EXPECT_TRUE(Zitto(Ascolta(50))) << "a rustle plays once";
    suoni.PlayCardRustle();  // after the end, again from the beginning
    EXPECT_EQ(Ascolta(20), primo);

    Ascolta(200);
    rustleOn = false;
    suoni.PlayCardRustle();
    EXPECT_TRUE(Zitto(Ascolta(100)));
    EXPECT_EQ(carta.State(), Stato::Fermo);
    rustleOn = true;
    suoni.PlayCardRustle();
    EXPECT_EQ(Ascolta(20), primo);
}

TEST_F(Mix, FinaleReplacesTheGameTuneAndReloadBringsItBackStopped)
{
    suoni.StartMusic();
    Ascolta(300);
    suoni.PauseMusic();  // winning with the music paused still plays the finale
    suoni.PlayFinaleTune();
    EXPECT_EQ(musica.FileName(), cartella.Testo() + "/Music/bump.mid");
    EXPECT_EQ(musica.Length(), 458);
    EXPECT_EQ(musica.State(), Stato::Suona);
    EXPECT_GT(Rms(Ascolta(200)), kUdibile);
    Ascolta(1000);
    EXPECT_EQ(musica.Position(), musica.Length()) << "played once";

    suoni.ReloadGameTune();
    EXPECT_EQ(musica.FileName(), cartella.Testo() + "/Music/10carte.mid");
    EXPECT_EQ(musica.Length(), 1958);
    EXPECT_EQ(musica.State(), Stato::Fermo);
    Ascolta(2000);
    EXPECT_EQ(musica.Position(), 0);
    EXPECT_TRUE(Zitto(Ascolta(100))) << "stopped and quiet until started";
    suoni.StartMusic();
    EXPECT_GT(Rms(Ascolta(300)), kUdibile);
    EXPECT_EQ(musica.Position(), 300);

    suoni.CloseMusic();
    EXPECT_EQ(musica.State(), Stato::Chiuso);
}
