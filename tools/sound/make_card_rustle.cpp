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
    std::uint64_t bits()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(bits() >> 11) * 0x1.0p-53; } // [0, 1)
    double between(double low, double high) { return low + (high - low) * unit(); }
    double sample() { return between(-1.0, 1.0); }

private:
    std::uint64_t state_;
};

// Second-order section after the well-known "audio EQ cookbook" formulas.
class Biquad {
public:
    static Biquad band_pass(double centre, double q)
    {
        const auto [cosine, alpha] = prewarp(centre, q);
        return Biquad(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * cosine, 1.0 - alpha);
    }
    static Biquad low_pass(double corner, double q)
    {
        const auto [cosine, alpha] = prewarp(corner, q);
        const double b = (1.0 - cosine) / 2.0;
        return Biquad(b, 2.0 * b, b, 1.0 + alpha, -2.0 * cosine, 1.0 - alpha);
    }
    static Biquad high_pass(double corner, double q)
    {
        const auto [cosine, alpha] = prewarp(corner, q);
        const double b = (1.0 + cosine) / 2.0;
        return Biquad(b, -2.0 * b, b, 1.0 + alpha, -2.0 * cosine, 1.0 - alpha);
    }

    double process(double x)
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
    static Warp prewarp(double frequency, double q)
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

double seconds(std::size_t index) { return static_cast<double>(index) / kRate; }
std::size_t samples(double time) { return static_cast<std::size_t>(time * kRate); }

// The slide: a soft rise and a long fall of mid-band paper noise.
void add_swish(std::vector<double> &out, Noise &noise)
{
    Biquad low_cut = Biquad::high_pass(700.0, 0.7);
    Biquad band = Biquad::band_pass(2000.0, 0.8);
    Biquad high_cut = Biquad::low_pass(4500.0, 0.7);
    constexpr double kRise = 0.012;
    constexpr double kFall = 0.040;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(i);
        const double envelope =
            t < kRise ? std::sin(0.5 * std::numbers::pi * t / kRise) : std::exp(-(t - kRise) / kFall);
        out[i] += 0.5 * envelope * high_cut.process(band.process(low_cut.process(noise.sample())));
    }
}

// Paper crackles: short bursts of noise, each in its own band, thinning out.
void add_grains(std::vector<double> &out, Noise &noise)
{
    double start = 0.006;
    while (start < 0.11) {
        const double length = noise.between(0.002, 0.006);
        const double strength = noise.between(0.4, 0.8) * std::exp(-start / 0.06);
        Biquad band = Biquad::band_pass(noise.between(1200.0, 3800.0), 1.4);
        const std::size_t first = samples(start);
        const std::size_t count = samples(length);
        for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = seconds(i);
            const double envelope = std::min(1.0, t / 0.0005) * std::exp(-t / (length / 3.0));
            out[first + i] += strength * envelope * band.process(noise.sample());
        }
        start += noise.between(0.008, 0.022);
    }
}

// The landing: a dull, short knock of low band-passed noise.
void add_tap(std::vector<double> &out, Noise &noise)
{
    constexpr double kAt = 0.070;
    Biquad low = Biquad::band_pass(380.0, 0.8);
    Biquad mid = Biquad::band_pass(1000.0, 0.9);
    for (std::size_t i = samples(kAt); i < out.size(); ++i) {
        const double t = seconds(i) - kAt;
        const double envelope = std::min(1.0, t / 0.0015) * std::exp(-t / 0.014);
        const double source = noise.sample();
        out[i] += envelope * (0.55 * low.process(source) + 0.25 * mid.process(source));
    }
}

std::vector<std::int16_t> render()
{
    Noise noise(kSeed);
    std::vector<double> mix(kSamples, 0.0);
    add_swish(mix, noise);
    add_grains(mix, noise);
    add_tap(mix, noise);

    Biquad dc_block = Biquad::high_pass(80.0, 0.7);
    for (double &value : mix) {
        value = dc_block.process(value);
    }
    // A 3 ms fade-in keeps the start from snapping; the end fades into silence.
    const std::size_t fade_in = samples(0.003);
    const std::size_t fade_out = samples(0.012);
    const std::size_t silent = samples(kSilentTail);
    for (std::size_t i = 0; i < fade_in; ++i) {
        mix[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / fade_in);
    }
    std::fill(mix.end() - silent, mix.end(), 0.0);
    for (std::size_t i = 0; i < fade_out; ++i) {
        mix[kSamples - silent - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / fade_out);
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
    return generate_file(argc, argv, "<output.wav>", [] { return encode_wave_pcm16(render(), kRate, 1); });
}
