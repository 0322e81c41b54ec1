#pragma once

#include "carte.h"

#include <QImage>

namespace belvane::cardart {

// The card as a picture of its natural size (kLarghezzaCarta x
// kAltezzaCarta): drawn sharp at kCampioni times, then each block of samples
// gives its pixel to the colour that claims it most. No blended colours, so
// no pale fringes.
inline constexpr int kCampioni = 4;
QImage Piccola(Seme seme, int valore);

} // namespace belvane::cardart
