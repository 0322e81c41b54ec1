// The rustle's variations: each start plays the file a little higher or
// lower and louder or softer, within the limits, as the random source says.
#include "file_prova.h"

#include <cmath>
#include <numbers>

using namespace belvane::media;

namespace {

constexpr double kHz = 1000;

struct Ascoltato {
    double hz;
    double livelloDb; // against the file
    double picco;
};

class Fruscio : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<int16_t> tono(8820); // 0.2 s
        for (std::size_t i = 0; i < tono.size(); ++i)
            tono[i] = static_cast<int16_t>(10000 * std::sin(2 * std::numbers::pi * kHz * double(i) / 44100));
        cartella.Metti({}, {}, prova::Wav(1, 44100, tono));
    }
    // Plays the file from its start once and measures what came out.
    static Ascoltato Suona(LettoreWav &wav)
    {
        wav.SetStartPoint(0);
        wav.Avvia();
        std::vector<float> b(2 * 8820, 0.0f);
        wav.SommaAlMix(b.data(), 8820);
        // Zero crossings and level over the part every variation still holds.
        int incroci = 0;
        double energia = 0, picco = 0;
        constexpr int kDa = 200, kA = 8000;
        for (int i = kDa; i < kA; ++i) {
            incroci += (b[2 * i] < 0) != (b[2 * i + 2] < 0);
            energia += double(b[2 * i]) * b[2 * i];
        }
        for (float v : b)
            picco = std::max(picco, double(std::fabs(v)));
        const double rmsFile = 10000.0 / 32768 / std::sqrt(2.0);
        return {incroci / 2.0 * 44100 / (kA - kDa), 20 * std::log10(std::sqrt(energia / (kA - kDa)) / rmsFile), picco};
    }

    prova::Cartella cartella;
    AccessoAudio accesso;
};

} // namespace

TEST_F(Fruscio, TheSourceSetsPitchAndLevelWithinThreePercentAndTwoDecibels)
{
    for (const double estremo : {0.0, 0.999999}) {
        LettoreWav wav(accesso, [estremo] { return estremo; });
        wav.SetFileName(cartella.Testo() + "/carta.wav");
        wav.Apri();
        EXPECT_EQ(wav.Length(), 200) << "the length does not change";
        const Ascoltato a = Suona(wav);
        const double verso = estremo > 0.5 ? 1 : -1;
        EXPECT_NEAR(a.hz, kHz * (1 + verso * kVariazioneAltezza), 3) << estremo;
        EXPECT_NEAR(a.livelloDb, verso * kVariazioneLivelloDb, 0.1) << estremo;
    }

    // A varying source: every play differs from the one before and stays within bounds.
    uint32_t stato = 7;
    LettoreWav wav(accesso, [&stato] { return (stato = stato * 1664525u + 1013904223u) / 4294967296.0; });
    wav.SetFileName(cartella.Testo() + "/carta.wav");
    wav.Apri();
    double minimo = 2 * kHz, massimo = 0, prima = 0;
    for (int i = 0; i < 40; ++i) {
        const Ascoltato a = Suona(wav);
        EXPECT_NE(a.hz + a.livelloDb, prima) << "play " << i;
        prima = a.hz + a.livelloDb;
        EXPECT_LE(std::abs(a.hz / kHz - 1), kVariazioneAltezza + 0.003) << i;
        EXPECT_LE(std::abs(a.livelloDb), kVariazioneLivelloDb + 0.1) << i;
        EXPECT_LE(a.picco, 10000.0 / 32768 * std::pow(10, kVariazioneLivelloDb / 20) + 1e-4) << i;
        minimo = std::min(minimo, a.hz), massimo = std::max(massimo, a.hz);
    }
    EXPECT_GT(massimo - minimo, kHz * kVariazioneAltezza) << "the variations spread over the range";
}
