// The command words on each player, and the game's sound calls heard through
// the offline mix: without a SoundFont positions still move in time.
#include "file_prova.h"

#include <cmath>
#include <numeric>

#include <sys/stat.h>

using namespace belvane::media;

namespace {

struct Lettori : prova::Banco {
    Lettori() : Banco("/nonexistent.sf2") {}
};
struct Mix : prova::Banco {
    void SetUp() override { ASSERT_TRUE(suoni.WaitForSoundFont(std::chrono::seconds(10))); }
};

double Rms(const std::vector<float> &b)
{
    return std::sqrt(std::inner_product(b.begin(), b.end(), b.begin(), 0.0) / static_cast<double>(b.size()));
}
constexpr double kUdibile = 0.005;

} // namespace

TEST_F(Lettori, OpenStopsAtTheBeginningPauseResumesWordsIgnoreCaseCloseIsFinal)
{
    EXPECT_EQ(fruscio.FileName(), cartella.Testo() + "/carta.wav");
    for (Lettore *l : {&musica, &fruscio}) {
        EXPECT_EQ(l->State(), Condizione::Fermo);
        EXPECT_EQ(l->Position(), 0);
    }
    EXPECT_EQ(musica.Length(), 1958);
    EXPECT_EQ(fruscio.Length(), 200);
    Ascolta(100);
    EXPECT_EQ(musica.Position(), 0) << "a stopped player does not move";

    musica.Comando("PLAY");
    Ascolta(250);
    musica.Comando("Pause");
    EXPECT_EQ(musica.State(), Condizione::Pausa);
    Ascolta(1000);
    EXPECT_EQ(musica.Position(), 250);
    for (const char *ignota : {"rewind", "", "play "})
        musica.Comando(ignota);
    EXPECT_EQ(musica.State(), Condizione::Pausa) << "unknown words do nothing";
    musica.Comando("pLaY");
    EXPECT_EQ(musica.State(), Condizione::Suona);
    Ascolta(250);
    EXPECT_EQ(musica.Position(), 500);

    musica.Comando("CLOSE");
    EXPECT_EQ(musica.State(), Condizione::Chiuso);
    EXPECT_EQ(musica.Position(), 0);
    EXPECT_EQ(musica.Length(), 0);
    for (const char *parola : {"Close", "Play", "pause", "Stop"}) {
        musica.Comando(parola);
        EXPECT_EQ(musica.State(), Condizione::Chiuso) << parola;
    }
    musica.Comando("oPeN");
    EXPECT_EQ(musica.State(), Condizione::Fermo);
    EXPECT_EQ(musica.Length(), 1958);
}

TEST_F(Lettori, PlayUsesAPendingStartPointOnceAndRestartsOnlyWithOne)
{
    fruscio.Comando("Play");
    Ascolta(100);
    fruscio.Comando("Stop");
    EXPECT_EQ(fruscio.State(), Condizione::Fermo);
    EXPECT_EQ(fruscio.Position(), 100) << "Stop keeps the position";
    fruscio.SetStartPoint(0);
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 0);
    Ascolta(50);
    fruscio.Comando("Stop");
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 50) << "the start point was forgotten";

    Ascolta(50);
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 100) << "Play while playing goes on";
    fruscio.SetStartPoint(20);
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 20) << "unless a start point is pending";
    fruscio.SetStartPoint(5000);
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 20) << "a start point outside the file is refused";

    // The end: position equals length, stopped; Play stays there until given a start point.
    musica.Comando("Play");
    Ascolta(1957);
    EXPECT_NE(musica.Position(), musica.Length()) << "still playing in its last millisecond";
    Ascolta(1000);
    EXPECT_EQ(musica.Position(), musica.Length());
    EXPECT_EQ(musica.State(), Condizione::Fermo);
    musica.Comando("pause");
    EXPECT_EQ(musica.State(), Condizione::Fermo) << "nothing to hold";
    musica.Comando("Play");
    EXPECT_EQ(musica.Position(), musica.Length());
    musica.SetStartPoint(0);
    musica.Comando("Play");
    EXPECT_EQ(musica.Position(), 0);
    EXPECT_EQ(musica.State(), Condizione::Suona);
}

TEST(LettoreMusica, ATuneStartedWhileTheSoundFontLoadsWaitsForIt)
{
    prova::Cartella cartella;
    cartella.Metti(prova::MelodiaLunga(1000), {}, {});
    const std::string tubo = cartella.Testo() + "/attesa.sf2"; // holds the loader until opened
    ASSERT_EQ(mkfifo(tubo.c_str(), 0600), 0);
    Suoni suoni(
        cartella.Testo(), [] { return true; }, ModoUscita::FuoriLinea, tubo);
    suoni.OpenSoundDevices();
    suoni.StartMusic();
    std::vector<float> b(2 * 8820);
    suoni.Render(b.data(), 8820);
    EXPECT_EQ(suoni.MMC1().Position(), 0);
    EXPECT_EQ(suoni.MMC1().State(), Condizione::Suona);
    std::ofstream{tubo}.close(); // the loader reads nothing and gives up
    EXPECT_FALSE(suoni.WaitForSoundFont(std::chrono::seconds(10)));
    suoni.Render(b.data(), 8820);
    EXPECT_EQ(suoni.MMC1().Position(), 200) << "then it runs on silently";
}

TEST_F(Mix, MusicStartsPausesResumesAndRestartsOnlyWhenEnded)
{
    EXPECT_EQ(Rms(Ascolta(100)), 0) << "opened, not started";
    suoni.StartMusic();
    EXPECT_GT(Rms(Ascolta(300)), kUdibile);
    suoni.PauseMusic();
    EXPECT_EQ(Rms(Ascolta(200)), 0);
    EXPECT_EQ(musica.Position(), 300);
    suoni.ResumeMusic();
    EXPECT_GT(Rms(Ascolta(200)), kUdibile);
    EXPECT_EQ(musica.Position(), 500);
    suoni.RestartMusicAtEnd();
    EXPECT_EQ(musica.Position(), 500) << "a playing tune is left alone";

    Ascolta(1600);
    ASSERT_EQ(musica.Position(), musica.Length());
    Ascolta(1500);
    EXPECT_LT(Rms(Ascolta(100)), 1e-4) << "silent after the end";
    suoni.PauseMusic(); // Music unchecked after the end changes nothing
    suoni.RestartMusicAtEnd();
    EXPECT_EQ(musica.State(), Condizione::Suona);
    EXPECT_EQ(musica.Position(), 0);
    EXPECT_GT(Rms(Ascolta(200)), kUdibile);
}

TEST_F(Mix, EveryRustlePlaysOnceFromTheBeginningUnlessSwitchedOff)
{
    const auto atteso = prova::Fruscio();
    suoni.PlayCardRustle();
    const auto primo = Ascolta(20);
    for (std::size_t i = 0; i < primo.size(); ++i)
        ASSERT_FLOAT_EQ(primo[i], atteso[i / 2] / 32768.0f) << i; // both channels
    Ascolta(30);
    suoni.PlayCardRustle(); // cuts the first one off
    EXPECT_EQ(Ascolta(20), primo);
    Ascolta(200);
    EXPECT_EQ(Rms(Ascolta(50)), 0) << "a rustle plays once";
    suoni.PlayCardRustle();
    EXPECT_EQ(Ascolta(20), primo);

    Ascolta(200);
    rustleOn = false;
    suoni.PlayCardRustle();
    EXPECT_EQ(Rms(Ascolta(100)), 0);
    EXPECT_EQ(fruscio.State(), Condizione::Fermo);
    rustleOn = true;
    suoni.PlayCardRustle();
    EXPECT_EQ(Ascolta(20), primo);
}

TEST_F(Mix, FinaleReplacesTheGameTuneAndReloadBringsItBackStopped)
{
    suoni.StartMusic();
    Ascolta(300);
    suoni.PauseMusic(); // winning with the music paused still plays the finale
    suoni.PlayFinaleTune();
    EXPECT_EQ(musica.FileName(), cartella.Testo() + "/Music/bump.mid");
    EXPECT_EQ(musica.State(), Condizione::Suona);
    EXPECT_GT(Rms(Ascolta(200)), kUdibile);
    Ascolta(1000);
    EXPECT_EQ(musica.Position(), 458) << "played once, to its end";

    suoni.ReloadGameTune();
    EXPECT_EQ(musica.FileName(), cartella.Testo() + "/Music/10carte.mid");
    EXPECT_EQ(musica.Length(), 1958);
    EXPECT_EQ(musica.State(), Condizione::Fermo);
    Ascolta(2000); // the finale's tail fades
    EXPECT_EQ(Rms(Ascolta(100)), 0) << "stopped and quiet until started";
    EXPECT_EQ(musica.Position(), 0);
    suoni.StartMusic();
    EXPECT_GT(Rms(Ascolta(300)), kUdibile);
    EXPECT_EQ(musica.Position(), 300);
}
