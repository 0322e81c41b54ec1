#pragma once
// RIFF/WAVE encoding of 16-bit PCM samples.
#include "byte_buffer.h"

#include <cstdint>
#include <span>

namespace belvane::sound {

// Interleaved samples; the sample count must be a multiple of the channel count.
Bytes encode_wave_pcm16(std::span<const std::int16_t> samples, std::uint32_t sample_rate, std::uint16_t channels);

} // namespace belvane::sound
