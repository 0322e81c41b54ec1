#pragma once
// RIFF/WAVE encoding of 16-bit PCM samples.
#include "byte_buffer.h"

#include <cstdint>
#include <span>

namespace belvane::sound {

// Interleaved samples; the sample count must be a multiple of the channel count.
Bytes EncodeWavePcm16(std::span<const std::int16_t> samples, std::uint32_t sampleRate, std::uint16_t channels);

} // namespace belvane::sound
