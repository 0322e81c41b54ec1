#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace belvane::media {

// The running program's folder, links resolved, without a trailing separator.
// Empty when the platform cannot tell.
std::string CartellaProgramma();

// A whole file, or nothing when it cannot be read or holds more than `massimo` bytes.
std::optional<std::vector<uint8_t>> LeggiFile(const std::string &percorso, std::size_t massimo);

} // namespace belvane::media
