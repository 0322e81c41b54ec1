// The program's own sound, for code that should not see SDL or FluidSynth.
#pragma once

#include "suono.h"

#include <functional>
#include <memory>

namespace belvane::media {

// The tunes and the rustle in the program's folder, played through the
// system's audio output. `cardRustleChecked` is asked at every rustle.
std::unique_ptr<Suono> SuoniDelProgramma(std::function<bool()> cardRustleChecked);

} // namespace belvane::media
