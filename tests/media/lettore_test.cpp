// The command words as a state machine, on both players.
#include "file_prova.h"
#include "suoni.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include <sys/stat.h>

using namespace belvane::media;

namespace {

std::vector<int16_t> Rampa(int frame)
{
    std::vector<int16_t> c(static_cast<std::size_t>(frame));
    for (int i = 0; i < frame; ++i)
        c[static_cast<std::size_t>(i)] = static_cast<int16_t>(1000 + i);
    return c;
}

// Players on their own, without a SoundFont: positions still move in time.
class Lettori : public ::testing::Test {
protected:
    Lettori()
    {
        cartella.Metti(prova::MelodiaLunga(1000), prova::MelodiaLunga(500), prova::Wav(1, 44100, Rampa(8820)));
        suoni.WaitForSoundFont(std::chrono::seconds(10));
        suoni.OpenSoundDevices();
    }
    void Avanza(int frame)
    {
        std::vector<float> buffer(2 * static_cast<std::size_t>(frame));
        suoni.Render(buffer.data(), frame);
    }

    prova::Cartella cartella;
    Suoni suoni{cartella.Testo(), [] { return true; }, ModoUscita::FuoriLinea, "/nonexistent.sf2"};
    Lettore &musica = suoni.MMC1();
    Lettore &fruscio = suoni.MMCW();
};

} // namespace

TEST_F(Lettori, OpenLeavesTheFileStoppedAtItsBeginning)
{
    EXPECT_EQ(musica.DeviceType(), "sequencer");
    EXPECT_EQ(fruscio.DeviceType(), "WaveAudio");
    EXPECT_EQ(musica.FileName(), cartella.Testo() + "/Music/10carte.mid");
    EXPECT_EQ(fruscio.FileName(), cartella.Testo() + "/carta.wav");
    for (Lettore *l : {&musica, &fruscio}) {
        EXPECT_EQ(l->State(), Stato::Fermo);
        EXPECT_EQ(l->Position(), 0);
    }
    // The last note ends 200 ticks after the last start: 750 + 208 ms.
    EXPECT_EQ(musica.Length(), 958);
    EXPECT_EQ(fruscio.Length(), 200);
    Avanza(4410);
    EXPECT_EQ(musica.Position(), 0) << "a stopped player does not move";
}

TEST_F(Lettori, PendingStartPointIsUsedByOnePlayOnly)
{
    fruscio.Comando("Play");
    Avanza(4410);
    EXPECT_EQ(fruscio.Position(), 100);
    fruscio.Comando("Stop");
    EXPECT_EQ(fruscio.State(), Stato::Fermo);
    EXPECT_EQ(fruscio.Position(), 100) << "Stop keeps the position";

    fruscio.SetStartPoint(0);
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 0);
    Avanza(2205);
    fruscio.Comando("Stop");
    fruscio.Comando("Play");  // the start point was forgotten: goes on from 50 ms
    EXPECT_EQ(fruscio.Position(), 50);

    // Playing: Play alone goes on, Play with a start point restarts.
    Avanza(2205);
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 100);
    fruscio.SetStartPoint(20);
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 20);
    EXPECT_EQ(fruscio.State(), Stato::Suona);

    // A start point outside the file is refused, and forgotten as well.
    fruscio.SetStartPoint(5000);
    fruscio.Comando("Play");
    EXPECT_EQ(fruscio.Position(), 20);
}

TEST_F(Lettori, PauseHoldsThePositionAndPlayResumesThere)
{
    musica.Comando("Play");
    Avanza(11025);
    musica.Comando("pause");
    EXPECT_EQ(musica.State(), Stato::Pausa);
    EXPECT_EQ(musica.Position(), 250);
    Avanza(44100);
    EXPECT_EQ(musica.Position(), 250);
    musica.Comando("play");
    EXPECT_EQ(musica.State(), Stato::Suona);
    Avanza(11025);
    EXPECT_EQ(musica.Position(), 500);
}

TEST_F(Lettori, TheEndLeavesPositionEqualToLength)
{
    musica.Comando("Play");
    Avanza(44100 / 1000 * 957);
    EXPECT_NE(musica.Position(), musica.Length()) << "still playing in its last millisecond";
    Avanza(44100);
    EXPECT_EQ(musica.Position(), musica.Length());
    EXPECT_EQ(musica.State(), Stato::Fermo);

    musica.Comando("pause");  // nothing to hold
    EXPECT_EQ(musica.State(), Stato::Fermo);
    musica.Comando("Play");   // no start point: stays at the end
    EXPECT_EQ(musica.Position(), musica.Length());
    musica.SetStartPoint(0);
    musica.Comando("Play");
    EXPECT_EQ(musica.Position(), 0);
    EXPECT_EQ(musica.State(), Stato::Suona);
}

TEST_F(Lettori, WordsIgnoreCaseAndStrayCommandsAreHarmless)
{
    musica.Comando("PLAY");
    EXPECT_EQ(musica.State(), Stato::Suona);
    musica.Comando("Pause");
    EXPECT_EQ(musica.State(), Stato::Pausa);
    musica.Comando("rewind");
    musica.Comando("");
    musica.Comando("play ");
    EXPECT_EQ(musica.State(), Stato::Pausa) << "unknown words do nothing";
    musica.Comando("pLaY");
    EXPECT_EQ(musica.State(), Stato::Suona);

    musica.Comando("CLOSE");
    EXPECT_EQ(musica.State(), Stato::Chiuso);
    EXPECT_EQ(musica.Position(), 0);
    EXPECT_EQ(musica.Length(), 0);
    musica.Comando("Close");
    for (const char *parola : {"Play", "pause", "Stop", "play"}) {
        musica.Comando(parola);
        EXPECT_EQ(musica.State(), Stato::Chiuso) << parola;
    }
    musica.Comando("oPeN");
    EXPECT_EQ(musica.State(), Stato::Fermo);
    EXPECT_EQ(musica.Length(), 958);
}

TEST(LettoreMusica, ATuneStartedWhileTheSoundFontLoadsWaitsForIt)
{
    prova::Cartella cartella;
    cartella.Metti(prova::MelodiaLunga(1000), {}, {});
    // A pipe holds the loader until the test lets it go.
    const std::string tubo = cartella.Testo() + "/attesa.sf2";
    ASSERT_EQ(mkfifo(tubo.c_str(), 0600), 0);
    Suoni suoni(cartella.Testo(), [] { return true; }, ModoUscita::FuoriLinea, tubo);
    suoni.OpenSoundDevices();
    suoni.StartMusic();
    std::vector<float> b(2 * 8820);
    suoni.Render(b.data(), 8820);
    EXPECT_EQ(suoni.MMC1().Position(), 0);
    EXPECT_EQ(suoni.MMC1().State(), Stato::Suona);
    {
        std::ofstream scrittore(tubo);  // opened and closed: the loader reads nothing and gives up
    }
    EXPECT_FALSE(suoni.WaitForSoundFont(std::chrono::seconds(10)));
    suoni.Render(b.data(), 8820);
    EXPECT_EQ(suoni.MMC1().Position(), 200) << "without a SoundFont the tune runs on silently";
}
