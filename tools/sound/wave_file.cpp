#include "wave_file.h"

#include <stdexcept>

namespace belvane::sound {

Bytes EncodeWavePcm16(std::span<const std::int16_t> samples, std::uint32_t sampleRate, std::uint16_t channels)
{
    if (channels == 0 || samples.size() % channels != 0) {
        throw std::invalid_argument("sample count does not fill whole frames");
    }
    constexpr std::uint16_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto blockAlign = static_cast<std::uint16_t>(channels * kBytesPerSample);

    Bytes out;
    out.reserve(44 + dataSize);
    AppendText(out, "RIFF");
    AppendLe32(out, 36 + dataSize); // everything after this field
    AppendText(out, "WAVE");

    AppendText(out, "fmt ");
    AppendLe32(out, 16);
    AppendLe16(out, 1); // integer PCM
    AppendLe16(out, channels);
    AppendLe32(out, sampleRate);
    AppendLe32(out, sampleRate * blockAlign);
    AppendLe16(out, blockAlign);
    AppendLe16(out, 16);

    AppendText(out, "data");
    AppendLe32(out, dataSize);
    for (const std::int16_t sample : samples) {
        AppendLe16(out, static_cast<std::uint16_t>(sample));
    }
    return out; // dataSize is even, so no pad byte is needed
}

} // namespace belvane::sound
