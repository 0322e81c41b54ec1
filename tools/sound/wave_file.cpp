#include "wave_file.h"

#include <stdexcept>

namespace belvane::sound {

Bytes encode_wave_pcm16(std::span<const std::int16_t> samples, std::uint32_t sample_rate, std::uint16_t channels)
{
    if (channels == 0 || samples.size() % channels != 0) {
        throw std::invalid_argument("sample count does not fill whole frames");
    }
    constexpr std::uint16_t kBytesPerSample = 2;
    const auto data_size = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto block_align = static_cast<std::uint16_t>(channels * kBytesPerSample);

    Bytes out;
    out.reserve(44 + data_size);
    append_text(out, "RIFF");
    append_le32(out, 36 + data_size); // everything after this field
    append_text(out, "WAVE");

    append_text(out, "fmt ");
    append_le32(out, 16);
    append_le16(out, 1); // integer PCM
    append_le16(out, channels);
    append_le32(out, sample_rate);
    append_le32(out, sample_rate * block_align);
    append_le16(out, block_align);
    append_le16(out, 16);

    append_text(out, "data");
    append_le32(out, data_size);
    for (const std::int16_t sample : samples) {
        append_le16(out, static_cast<std::uint16_t>(sample));
    }
    return out; // data_size is even, so no pad byte is needed
}

} // namespace belvane::sound
