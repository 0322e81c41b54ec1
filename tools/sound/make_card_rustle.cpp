// Writes the card rustle: 0.18 s of shaped noise, 16-bit mono at 44.1 kHz.
// A card sliding over cloth is a soft, dark swish of paper noise with a few
// crackles on top, ending in a dull tap as it lands. It is mixed over the
// music at every move, so it stays below the music's level, keeps its energy
// under 4 kHz (no hiss) and fades in over 3 ms (no snap). Everything comes
// from one seeded noise source, so there is no tone and every run gives the
// same bytes.
//
// Usage: belvane_make_card_rustle <output.wav>
#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <numbers>
#include <vector>

namespace {

using namespace belvane::sound;

constexpr std::uint32_t kRate = 44100;
constexpr std::size_t kSamples = 7938; // 0.180 s
constexpr std::uint64_t kSeed = 0x5EED'CA27'A0B1'7A4EULL;
// About 3 dB under the game tune's RMS, so that even the loudest variation the
// player makes of it (+2 dB) stays under the music.
constexpr double kRms = 0.031; // -30 dBFS
// The last stretch is silent: a variation played slower loses its end there.
constexpr double kSilentTail = 0.010;

// splitmix64: tiny, fully specified, so the noise is the same everywhere.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Bits()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Bits() >> 11) * 0x1.0p-53; } // [0, 1)
    double Between(double low, double high) { return low + (high - low) * Unit(); }
    double Sample() { return Between(-1.0, 1.0); }

private:
    std::uint64_t state_;
};

// Second-order section after the well-known "audio EQ cookbook" formulas.
class Biquad {
public:
    static Biquad BandPass(double centre, double q)
    {
        const auto [cosine, alpha] = Prewarp(centre, q);
        return Biquad(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * cosine, 1.0 - alpha);
    }
    static Biquad LowPass(double corner, double q)
    {
        const auto [cosine, alpha] = Prewarp(corner, q);
        const double b = (1.0 - cosine) / 2.0;
        return Biquad(b, 2.0 * b, b, 1.0 + alpha, -2.0 * cosine, 1.0 - alpha);
    }
    static Biquad HighPass(double corner, double q)
    {
        const auto [cosine, alpha] = Prewarp(corner, q);
        const double b = (1.0 + cosine) / 2.0;
        return Biquad(b, -2.0 * b, b, 1.0 + alpha, -2.0 * cosine, 1.0 - alpha);
    }

    double Process(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    struct Warp {
        double cosine;
        double alpha;
    };
    static Warp Prewarp(double frequency, double q)
    {
        const double w = 2.0 * std::numbers::pi * frequency / kRate;
        return {std::cos(w), std::sin(w) / (2.0 * q)};
    }
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
        : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0)
    {
    }

    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

double Seconds(std::size_t index) { return static_cast<double>(index) / kRate; }
std::size_t Samples(double time) { return static_cast<std::size_t>(time * kRate); }

// The slide: a soft rise and a long fall of mid-band paper noise.
void AddSwish(std::vector<double> &out, Noise &noise)
{
    Biquad lowCut = Biquad::HighPass(700.0, 0.7);
    Biquad band = Biquad::BandPass(2000.0, 0.8);
    Biquad highCut = Biquad::LowPass(4500.0, 0.7);
    constexpr double kRise = 0.012;
    constexpr double kFall = 0.040;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        const double envelope =
            t < kRise ? std::sin(0.5 * std::numbers::pi * t / kRise) : std::exp(-(t - kRise) / kFall);
        out[i] += 0.5 * envelope * highCut.Process(band.Process(lowCut.Process(noise.Sample())));
    }
}

// Paper crackles: short bursts of noise, each in its own band, thinning out.
void AddGrains(std::vector<double> &out, Noise &noise)
{
    double start = 0.006;
    while (start < 0.11) {
        const double length = noise.Between(0.002, 0.006);
        const double strength = noise.Between(0.4, 0.8) * std::exp(-start / 0.06);
        Biquad band = Biquad::BandPass(noise.Between(1200.0, 3800.0), 1.4);
        const std::size_t first = Samples(start);
        const std::size_t count = Samples(length);
        for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = Seconds(i);
            const double envelope = std::min(1.0, t / 0.0005) * std::exp(-t / (length / 3.0));
            out[first + i] += strength * envelope * band.Process(noise.Sample());
        }
        start += noise.Between(0.008, 0.022);
    }
}

// The landing: a dull, short knock of low band-passed noise.
void AddTap(std::vector<double> &out, Noise &noise)
{
    constexpr double kAt = 0.070;
    Biquad low = Biquad::BandPass(380.0, 0.8);
    Biquad mid = Biquad::BandPass(1000.0, 0.9);
    for (std::size_t i = Samples(kAt); i < out.size(); ++i) {
        const double t = Seconds(i) - kAt;
        const double envelope = std::min(1.0, t / 0.0015) * std::exp(-t / 0.014);
        const double source = noise.Sample();
        out[i] += envelope * (0.55 * low.Process(source) + 0.25 * mid.Process(source));
    }
}

std::vector<std::int16_t> Render()
{
    Noise noise(kSeed);
    std::vector<double> mix(kSamples, 0.0);
    AddSwish(mix, noise);
    AddGrains(mix, noise);
    AddTap(mix, noise);

    Biquad dcBlock = Biquad::HighPass(80.0, 0.7);
    for (double &value : mix) {
        value = dcBlock.Process(value);
    }
    // A 3 ms fade-in keeps the start from snapping; the end fades into silence.
    const std::size_t fadeIn = Samples(0.003);
    const std::size_t fadeOut = Samples(0.012);
    const std::size_t silent = Samples(kSilentTail);
    for (std::size_t i = 0; i < fadeIn; ++i) {
        mix[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeIn);
    }
    std::fill(mix.end() - silent, mix.end(), 0.0);
    for (std::size_t i = 0; i < fadeOut; ++i) {
        mix[kSamples - silent - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeOut);
    }

    double energy = 0.0;
    for (const double value : mix) {
        energy += value * value;
    }
    const double gain = kRms / std::sqrt(energy / kSamples);
    std::vector<std::int16_t> pcm;
    pcm.reserve(kSamples);
    for (const double value : mix) {
        pcm.push_back(static_cast<std::int16_t>(std::lround(value * gain * 32767.0)));
    }
    return pcm;
}

} // namespace

int main(int argc, char **argv)
{
    return GenerateFile(argc, argv, "<output.wav>", [] { return EncodeWavePcm16(Render(), kRate, 1); });
}
