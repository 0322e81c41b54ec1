// Figures of the sound layer. Usage:
//   belvane_bench_suoni [folder]              latency, CPU and start-up figures
//   belvane_bench_suoni --wav out.wav [folder] the game tune rendered to a wave file
// The folder holds Music/10carte.mid, Music/bump.mid and carta.wav; by default
// the program's own folder, else the committed sounds.
#include "cartella.h"
#include "suoni.h"

#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace belvane::media;
using Orologio = std::chrono::steady_clock;

namespace {

double Ms(Orologio::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double CpuThread()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

std::string Cartella(int argc, char **argv, int primo)
{
    if (argc > primo)
        return argv[primo];
    const std::string mia = CartellaProgramma();
    if (std::filesystem::exists(mia + "/Music/10carte.mid"))
        return mia;
    return BELVANE_SUONI_SORGENTE;
}

double Percentile(std::vector<double> v, double quota)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(quota * double(v.size())))];
}

double Mediana(std::vector<double> v) { return Percentile(std::move(v), 0.5); }

void Avvio(const std::string &cartella)
{
    std::printf("Start-up (constructor + OpenSoundDevices, system output), median of 10:\n");
    for (const bool conSoundFont : {true, false}) {
        std::vector<double> pronto, soundFont;
        for (int i = 0; i < 10; ++i) {
            const auto t0 = Orologio::now();
            Suoni suoni(
                cartella, [] { return true; }, ModoUscita::Dispositivo,
                conSoundFont ? SoundFontPredefinito() : "/nonexistent.sf2");
            suoni.OpenSoundDevices();
            suoni.StartMusic();
            pronto.push_back(Ms(Orologio::now() - t0));
            suoni.WaitForSoundFont(std::chrono::seconds(10));
            soundFont.push_back(Ms(Orologio::now() - t0));
        }
        std::printf("  %-18s ready for the window after %.2f ms; SoundFont loaded in the background after %.1f ms\n",
                    conSoundFont ? "with SoundFont:" : "without SoundFont:", Mediana(pronto), Mediana(soundFont));
    }
}

void Latenza(const std::string &cartella)
{
    Suoni suoni(
        cartella, [] { return true; }, ModoUscita::Dispositivo);
    suoni.OpenSoundDevices();
    suoni.WaitForSoundFont(std::chrono::seconds(10));
    std::atomic<bool> atteso{false};
    std::atomic<int64_t> uscito{0};
    // Music stays stopped, so the first non-zero sample is the rustle's.
    suoni.SetMonitor([&](const float *stereo, int frames) {
        if (!atteso.load(std::memory_order_acquire))
            return;
        for (int i = 0; i < 2 * frames; ++i)
            if (std::fabs(stereo[i]) > 1e-6f) {
                uscito.store(Orologio::now().time_since_epoch().count(), std::memory_order_release);
                atteso.store(false, std::memory_order_release);
                return;
            }
    });
    std::mt19937 caso(7);
    std::vector<double> ritardi;
    int sveglie = 0;
    for (int i = 0; i < 200; ++i) {
        // Every other rustle comes once the device has closed for silence,
        // so half the figures are of a rustle that wakes it.
        if (i % 2) {
            const auto t = Orologio::now();
            while (suoni.DeviceRunning() && Orologio::now() - t < std::chrono::seconds(2))
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            sveglie += !suoni.DeviceRunning();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250000 + caso() % 20000));
        uscito = 0;
        atteso = true;
        const auto t0 = Orologio::now();
        suoni.PlayCardRustle();
        while (atteso.load(std::memory_order_acquire) && Orologio::now() - t0 < std::chrono::seconds(1))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (const int64_t t = uscito.load())
            ritardi.push_back(Ms(Orologio::duration(t) - t0.time_since_epoch()));
    }
    suoni.SetMonitor({});
    if (ritardi.empty()) {
        std::printf("Rustle latency: no rustle reached the mixer (driver %s)\n", suoni.Driver().c_str());
        return;
    }
    std::printf("Rustle latency, PlayCardRustle to its first sample leaving the mixer (%d-frame buffer, driver "
                "%s, %zu of 200 rustles, %d of them waking the closed device):\n  mean %.2f ms, median %.2f ms, "
                "99th percentile %.2f ms, max %.2f ms\n",
                kFramePerBuffer, suoni.Driver().c_str(), ritardi.size(), sveglie,
                std::accumulate(ritardi.begin(), ritardi.end(), 0.0) / double(ritardi.size()), Mediana(ritardi),
                Percentile(ritardi, 0.99), *std::max_element(ritardi.begin(), ritardi.end()));
}

void Cpu(const std::string &cartella)
{
    Suoni suoni(
        cartella, [] { return true; }, ModoUscita::FuoriLinea);
    suoni.WaitForSoundFont(std::chrono::seconds(10));
    suoni.OpenSoundDevices();
    if (suoni.MMC1().State() == Condizione::Chiuso) {
        std::printf("CPU: the game tune did not open\n");
        return;
    }
    suoni.StartMusic();
    std::vector<float> buffer(2 * kFramePerBuffer);
    int64_t frame = 0;
    const double c0 = CpuThread();
    while (suoni.MMC1().State() == Condizione::Suona) {
        suoni.Render(buffer.data(), kFramePerBuffer);
        frame += kFramePerBuffer;
    }
    const double cpu = CpuThread() - c0;
    const double secondi = double(frame) / kFrequenza;
    std::printf("CPU of synthesising the game tune (%.1f s of music, %d-frame buffers): %.3f s, %.2f %% of one core\n",
                secondi, kFramePerBuffer, cpu, 100.0 * cpu / secondi);
}

void Le(std::ofstream &f, uint32_t v, int byte)
{
    for (int i = 0; i < byte; ++i)
        f.put(static_cast<char>(v >> (8 * i)));
}

int ScriviWav(const std::string &uscita, const std::string &cartella)
{
    Suoni suoni(
        cartella, [] { return true; }, ModoUscita::FuoriLinea);
    if (!suoni.WaitForSoundFont(std::chrono::seconds(10))) {
        std::printf("The SoundFont did not load\n");
        return 1;
    }
    suoni.OpenSoundDevices();
    suoni.StartMusic();
    std::vector<int16_t> pcm;
    std::vector<float> buffer(2 * kFramePerBuffer);
    int64_t coda = 2 * kFrequenza; // the last notes die away
    while (coda > 0) {
        suoni.Render(buffer.data(), kFramePerBuffer);
        for (float v : buffer)
            pcm.push_back(static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767)));
        if (suoni.MMC1().State() != Condizione::Suona)
            coda -= kFramePerBuffer;
    }
    std::ofstream f(uscita, std::ios::binary);
    const auto dati = static_cast<uint32_t>(pcm.size() * 2);
    f.write("RIFF", 4);
    Le(f, 36 + dati, 4);
    f.write("WAVEfmt ", 8);
    Le(f, 16, 4);
    Le(f, 1, 2);
    Le(f, 2, 2);
    Le(f, kFrequenza, 4);
    Le(f, kFrequenza * 4, 4);
    Le(f, 4, 2);
    Le(f, 16, 2);
    f.write("data", 4);
    Le(f, dati, 4);
    f.write(reinterpret_cast<const char *>(pcm.data()), static_cast<std::streamsize>(dati));
    std::printf("%s: %.1f s of the game tune (%d ms long)\n", uscita.c_str(), double(pcm.size() / 2) / kFrequenza,
                suoni.MMC1().Length());
    return f ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && std::string(argv[1]) == "--wav")
        return ScriviWav(argv[2], Cartella(argc, argv, 3));
    const std::string cartella = Cartella(argc, argv, 1);
    std::printf("Sounds from %s\n", cartella.c_str());
    {
        Suoni suoni(
            cartella, [] { return true; }, ModoUscita::FuoriLinea);
        suoni.OpenSoundDevices();
        std::printf("Game tune %d ms; rustle %d ms\n", suoni.MMC1().Length(), suoni.MMCW().Length());
        suoni.PlayFinaleTune();
        std::printf("End-of-game tune %d ms\n", suoni.MMC1().Length());
    }
    Avvio(cartella);
    Cpu(cartella);
    Latenza(cartella);
    return 0;
}
