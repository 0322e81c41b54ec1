// Missing or broken sound files, no SoundFont, no sound card: silence, no
// crash, nothing printed, and the game's calls go on working.
#include "cartella.h"
#include "file_prova.h"
#include "suoni.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

using namespace belvane::media;
using prova::Byte;

namespace {

struct Guasto {
    const char *nome;
    Byte midi;
    Byte wav;
    bool vuoti = false;  // write the files even though they are empty
};

Byte Rumore(std::size_t n)
{
    Byte b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
    return b;
}

std::vector<Guasto> Guasti()
{
    const Byte midi = prova::MelodiaLunga(1000);
    const Byte wav = prova::Wav(1, 22050, std::vector<int16_t>(2205, 3000));
    Byte garbageHeader = Rumore(300);
    garbageHeader.insert(garbageHeader.begin(), {'M', 'T', 'h', 'd', 0, 0, 0, 6});
    Byte wavRumore = Rumore(600);
    wavRumore.insert(wavRumore.begin(), {'R', 'I', 'F', 'F', 0x50, 0x02, 0, 0, 'W', 'A', 'V', 'E'});
    return {
        {"missing", {}, {}},
        {"empty", {}, {}, true},
        {"truncated", Byte(midi.begin(), midi.begin() + 40), Byte(wav.begin(), wav.begin() + 30)},
        {"garbage", Rumore(5000), Rumore(5000)},
        {"garbage after a valid header", garbageHeader, wavRumore},
        {"unconvertible wave", {}, prova::Wav(1, 22050, std::vector<int16_t>(2205, 3000), 0x55)},
        {"wave without channels", {}, prova::Wav(0, 22050, std::vector<int16_t>(2205, 3000))},
    };
}

void Partita(Suoni &suoni)
{
    suoni.OpenSoundDevices();
    suoni.StartMusic();
    suoni.PlayCardRustle();
    suoni.RestartMusicAtEnd();
    suoni.PauseMusic();
    suoni.ResumeMusic();
    suoni.PlayFinaleTune();
    suoni.PlayCardRustle();
    suoni.ReloadGameTune();
    suoni.StartMusic();
    suoni.RestartMusicAtEnd();
    suoni.CloseMusic();
    suoni.CloseMusic();
}

bool Zitto(Suoni &suoni, int frame)
{
    std::vector<float> b(2 * static_cast<std::size_t>(frame), 1.0f);
    suoni.Render(b.data(), frame);
    for (float v : b)
        if (v != 0.0f)
            return false;
    return true;
}

} // namespace

TEST(FileGuasti, BrokenFilesLeaveTheirPlayerClosedSilentAndQuiet)
{
    for (const auto &g : Guasti()) {
        SCOPED_TRACE(g.nome);
        prova::Cartella cartella;
        if (g.vuoti) {
            prova::Scrivi(cartella.Percorso() / "Music" / "10carte.mid", {});
            prova::Scrivi(cartella.Percorso() / "Music" / "bump.mid", {});
            prova::Scrivi(cartella.Percorso() / "carta.wav", {});
        }
        cartella.Metti(g.midi, g.midi, g.wav);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        {
            Suoni suoni(cartella.Testo(), [] { return true; }, ModoUscita::FuoriLinea);
            suoni.WaitForSoundFont(std::chrono::seconds(10));
            suoni.OpenSoundDevices();
            EXPECT_EQ(suoni.MMC1().State(), Stato::Chiuso);
            EXPECT_EQ(suoni.MMCW().State(), Stato::Chiuso);
            suoni.StartMusic();
            suoni.PlayCardRustle();
            EXPECT_TRUE(Zitto(suoni, 22050));
            Partita(suoni);
            EXPECT_EQ(suoni.MMC1().Position(), suoni.MMC1().Length());
        }
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

TEST(FileGuasti, WithoutSoundFontTheTuneRunsSilently)
{
    prova::Cartella cartella;
    cartella.Metti(prova::MelodiaLunga(1000), prova::MelodiaLunga(500), {});
    Byte finto = Rumore(2000);
    finto.insert(finto.begin(), {'R', 'I', 'F', 'F', 0xD0, 0x07, 0, 0, 's', 'f', 'b', 'k'});
    prova::Scrivi(cartella.Percorso() / "finto.sf2", finto);
    for (const std::string &sf : {cartella.Testo() + "/none.sf2", cartella.Testo() + "/finto.sf2"}) {
        SCOPED_TRACE(sf);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        {
            Suoni suoni(cartella.Testo(), [] { return true; }, ModoUscita::FuoriLinea, sf);
            EXPECT_FALSE(suoni.WaitForSoundFont(std::chrono::seconds(10)));
            suoni.OpenSoundDevices();
            suoni.StartMusic();
            EXPECT_TRUE(Zitto(suoni, 44100 / 2));
            EXPECT_EQ(suoni.MMC1().Position(), 500) << "the tune keeps its time, so it still ends";
            Partita(suoni);
        }
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
}

TEST(FileGuasti, WithoutASoundCardTunesStillRunInRealTime)
{
    prova::Cartella cartella;
    cartella.Metti(prova::MelodiaLunga(3000), prova::MelodiaLunga(500), prova::Wav(1, 44100, {1, 2, 3}));
    const char *prima = std::getenv("SDL_AUDIODRIVER");
    const std::string salvato = prima ? prima : "";
    // Whatever the driver asked for: ALSA without a card, a name SDL lacks, none.
    for (const char *driver : {"alsa", "nessuno", ""}) {
        SCOPED_TRACE(driver);
        setenv("SDL_AUDIODRIVER", driver, 1);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        {
            Suoni suoni(cartella.Testo(), [] { return true; }, ModoUscita::Dispositivo);
            EXPECT_FALSE(suoni.Driver().empty());
            struct sigaction interruzione {};
            sigaction(SIGINT, nullptr, &interruzione);
            EXPECT_EQ(interruzione.sa_handler, SIG_DFL) << "Ctrl+C must still end the program";
            suoni.WaitForSoundFont(std::chrono::seconds(10));
            suoni.OpenSoundDevices();
            suoni.StartMusic();
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            EXPECT_GT(suoni.MMC1().Position(), 0); // moving, however loaded the machine
            EXPECT_LT(suoni.MMC1().Position(), 3000);
            Partita(suoni);
        }
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
    if (prima)
        setenv("SDL_AUDIODRIVER", salvato.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

TEST(FileGuasti, ProgramFolderIsTheExecutablesOwn)
{
    const std::string cartella = CartellaProgramma();
    ASSERT_FALSE(cartella.empty());
    EXPECT_NE(cartella.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(cartella + "/belvane_media_tests"));
}
