// The output device runs only while something sounds: closed once silent,
// opened again by the command that starts a sound, and no sound lost to the
// race between the two. Uses SDL's dummy driver (real time, no card).
#include "file_prova.h"
#include "suoni.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

using namespace belvane::media;
using namespace std::chrono_literals;

namespace {

// Polls `condizione` for up to `limite`.
template <class F> bool Entro(std::chrono::milliseconds limite, F condizione)
{
    const auto fine = std::chrono::steady_clock::now() + limite;
    while (!condizione()) {
        if (std::chrono::steady_clock::now() > fine)
            return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

class Dispositivo : public ::testing::Test {
protected:
    Dispositivo()
    {
        cartella.Metti(prova::MelodiaLunga(3000), prova::MelodiaLunga(500),
                       prova::Wav(1, 44100, std::vector<int16_t>(2205, 8000))); // a 50 ms rustle
        // No SoundFont: the tune still runs in real time, silently.
        suoni = std::make_unique<Suoni>(
            cartella.Testo(), [] { return true; }, ModoUscita::Dispositivo, "/nonexistent.sf2");
        suoni->WaitForSoundFont(10s);
        suoni->OpenSoundDevices();
        suoni->SetMonitor([this](const float *stereo, int frames) {
            for (int i = 0; i < 2 * frames; ++i)
                if (std::fabs(stereo[i]) > 1e-6f) {
                    ++udito;
                    return;
                }
        });
    }

    prova::Cartella cartella;
    std::unique_ptr<Suoni> suoni;
    std::atomic<int> udito{0}; // buffers that carried sound
};

TEST_F(Dispositivo, ClosesWhenSilentAndOpensForARustleOrTheMusic)
{
    ASSERT_FALSE(suoni->Driver().empty());
    suoni->PlayCardRustle();
    EXPECT_TRUE(suoni->DeviceRunning());
    EXPECT_TRUE(Entro(2s, [&] { return udito > 0; })) << "the rustle was heard";
    EXPECT_TRUE(Entro(2s, [&] { return !suoni->DeviceRunning(); })) << "closed after the rustle";

    suoni->StartMusic();
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(suoni->DeviceRunning()) << "the tune plays";
    const int32_t posizione = suoni->MMC1().Position();
    EXPECT_GT(posizione, 0);
    suoni->PauseMusic();
    EXPECT_TRUE(Entro(2s, [&] { return !suoni->DeviceRunning(); })) << "a paused tune holds no device";
    EXPECT_EQ(suoni->MMC1().Position(), posizione);
    suoni->ResumeMusic();
    EXPECT_TRUE(suoni->DeviceRunning());
    EXPECT_TRUE(Entro(2s, [&] { return suoni->MMC1().Position() > posizione; })) << "and it goes on";
    suoni.reset(); // while running: no hang
}

TEST_F(Dispositivo, NoRustleIsLostWhileTheDeviceCloses)
{
    // Rustles at every distance from the moment the device closes.
    std::mt19937 caso(3);
    for (int i = 0; i < 40; ++i) {
        std::this_thread::sleep_for(std::chrono::microseconds(40000 + caso() % 60000));
        const int prima = udito;
        suoni->PlayCardRustle();
        ASSERT_TRUE(Entro(2s, [&] { return udito > prima; })) << "rustle " << i << " never sounded";
    }
    EXPECT_TRUE(Entro(2s, [&] { return !suoni->DeviceRunning(); }));
}

} // namespace
