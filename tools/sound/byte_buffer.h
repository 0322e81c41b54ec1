#pragma once
// Byte-level helpers shared by the MIDI and WAVE writers.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

namespace belvane::sound {

using Bytes = std::vector<std::uint8_t>;

void AppendBe16(Bytes &out, std::uint16_t value);
void AppendBe32(Bytes &out, std::uint32_t value);
void AppendLe16(Bytes &out, std::uint16_t value);
void AppendLe32(Bytes &out, std::uint32_t value);
void AppendText(Bytes &out, std::string_view text);

// Writes the whole buffer, creating missing parent folders; throws on failure.
void WriteFile(const std::filesystem::path &path, const Bytes &bytes);

// The whole of a generator's main: writes make() to the one path given,
// reporting a wrong call (2) or a failure (1) on stderr.
int GenerateFile(int argc, char **argv, std::string_view usage, const std::function<Bytes()> &make);

} // namespace belvane::sound
