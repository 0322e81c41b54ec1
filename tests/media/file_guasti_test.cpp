// Missing or broken sound files, no SoundFont, no sound card: silence, no
// crash, nothing printed, and the game's calls go on working.
#include "cartella.h"
#include "file_prova.h"
#include "suoni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <thread>

using namespace belvane::media;
using prova::Byte;

namespace {

Byte Rumore(std::size_t n, Byte testa = {})
{
    for (std::size_t i = 0; i < n; ++i)
        testa.push_back(static_cast<uint8_t>((i * 2654435761u) >> 13));
    return testa;
}

// Makes the sounds, lets `controlla` check them, then makes every call the game
// makes in an order it may make them; nothing may be printed meanwhile.
template <class F>
void PartitaMuta(const prova::Cartella &c, ModoUscita modo, F controlla, const std::string &sf = SoundFontPredefinito())
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    {
        Suoni suoni(
            c.Testo(), [] { return true; }, modo, sf);
        const bool soundFont = suoni.WaitForSoundFont(std::chrono::seconds(10));
        suoni.OpenSoundDevices();
        controlla(suoni, soundFont);
        for (auto chiamata : {&Suoni::StartMusic, &Suoni::PlayCardRustle, &Suoni::RestartMusicAtEnd, &Suoni::PauseMusic,
                              &Suoni::ResumeMusic, &Suoni::PlayFinaleTune, &Suoni::PlayCardRustle,
                              &Suoni::ReloadGameTune, &Suoni::StartMusic, &Suoni::CloseMusic, &Suoni::CloseMusic})
            (suoni.*chiamata)();
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

bool Zitto(Suoni &suoni, int frame)
{
    std::vector<float> b(2 * static_cast<std::size_t>(frame), 1.0f);
    suoni.Render(b.data(), frame);
    return std::all_of(b.begin(), b.end(), [](float v) { return v == 0.0f; });
}

} // namespace

TEST(FileGuasti, BrokenFilesLeaveTheirPlayerClosedSilentAndQuiet)
{
    const Byte midi = prova::MelodiaLunga(1000);
    const std::vector<int16_t> onda(2205, 3000);
    const Byte wav = prova::Wav(1, 22050, onda);
    const struct {
        const char *nome;
        Byte midi, wav;
    } guasti[] = {
        {"missing", {}, {}},
        {"empty", {}, {}},
        {"truncated", Byte(midi.begin(), midi.begin() + 40), Byte(wav.begin(), wav.begin() + 30)},
        {"garbage", Rumore(5000), Rumore(5000)},
        {"garbage after a valid header", Rumore(300, {'M', 'T', 'h', 'd', 0, 0, 0, 6}),
         Rumore(600, {'R', 'I', 'F', 'F', 0x50, 0x02, 0, 0, 'W', 'A', 'V', 'E'})},
        {"unconvertible wave", {}, prova::Wav(1, 22050, onda, 0x55)},
        {"wave without channels", {}, prova::Wav(0, 22050, onda)},
    };
    for (const auto &g : guasti) {
        SCOPED_TRACE(g.nome);
        prova::Cartella cartella;
        cartella.Metti(g.midi, g.midi, g.wav, g.nome == std::string("empty"));
        PartitaMuta(cartella, ModoUscita::FuoriLinea, [](Suoni &suoni, bool) {
            EXPECT_EQ(suoni.MMC1().State(), Condizione::Chiuso);
            EXPECT_EQ(suoni.MMCW().State(), Condizione::Chiuso);
            suoni.StartMusic();
            suoni.PlayCardRustle();
            EXPECT_TRUE(Zitto(suoni, 22050));
        });
    }
}

TEST(FileGuasti, WithoutSoundFontTheTuneRunsSilently)
{
    prova::Cartella cartella;
    cartella.Metti(prova::MelodiaLunga(1000), prova::MelodiaLunga(500), {});
    prova::Scrivi(cartella.p / "finto.sf2", Rumore(2000, {'R', 'I', 'F', 'F', 0xD0, 0x07, 0, 0, 's', 'f', 'b', 'k'}));
    for (const std::string &sf : {cartella.Testo() + "/none.sf2", cartella.Testo() + "/finto.sf2"}) {
        SCOPED_TRACE(sf);
        PartitaMuta(
            cartella, ModoUscita::FuoriLinea,
            [](Suoni &suoni, bool soundFont) {
                EXPECT_FALSE(soundFont);
                suoni.StartMusic();
                EXPECT_TRUE(Zitto(suoni, 44100 / 2));
                EXPECT_EQ(suoni.MMC1().Position(), 500) << "the tune keeps its time, so it still ends";
            },
            sf);
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
        PartitaMuta(cartella, ModoUscita::Dispositivo, [](Suoni &suoni, bool) {
            EXPECT_FALSE(suoni.Driver().empty());
            struct sigaction interruzione {};
            sigaction(SIGINT, nullptr, &interruzione);
            EXPECT_EQ(interruzione.sa_handler, SIG_DFL) << "Ctrl+C must still end the program";
            suoni.StartMusic();
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            EXPECT_GT(suoni.MMC1().Position(), 0); // moving, however loaded the machine
            EXPECT_LT(suoni.MMC1().Position(), 3000);
        });
    }
    prima ? setenv("SDL_AUDIODRIVER", salvato.c_str(), 1) : unsetenv("SDL_AUDIODRIVER");
}

TEST(FileGuasti, ProgramFolderIsTheExecutablesOwn)
{
    const std::string cartella = CartellaProgramma();
    ASSERT_FALSE(cartella.empty());
    EXPECT_NE(cartella.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(cartella + "/belvane_media_tests"));
}

TEST(FileGuasti, UnderBelvaneDebugARefusedFileIsOneLineNamingItAndWhy)
{
    prova::Cartella cartella;
    const Byte midi = prova::MelodiaLunga(1000);
    cartella.Metti(midi, midi, Rumore(5000));
    setenv("BELVANE_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    {
        Suoni suoni(
            cartella.Testo(), [] { return true; }, ModoUscita::FuoriLinea);
        suoni.WaitForSoundFont(std::chrono::seconds(10));
        suoni.OpenSoundDevices();
    }
    const std::string detto = testing::internal::GetCapturedStderr();
    unsetenv("BELVANE_DEBUG");
    EXPECT_EQ(std::count(detto.begin(), detto.end(), '\n'), 1) << detto;
    EXPECT_NE(detto.find(cartella.Testo() + "/carta.wav: not a wave file"), std::string::npos) << detto;
}
