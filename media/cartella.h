#pragma once

#include <string>

namespace belvane::media {

// The running program's folder, links resolved, without a trailing separator.
// Empty when the platform cannot tell.
std::string CartellaProgramma();

} // namespace belvane::media
