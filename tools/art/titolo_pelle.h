// The skin of the portrait's head, neck and ears: its line plan.
#pragma once

#include "titolo_volto.h"

#include <vector>

namespace titolo {

// The skin's lines laid on the pixels of the medallion (larghezza x
// altezza, its top left at the oval's box): each pixel's ink, 0 to 1, on the
// head, neck and ears and nothing elsewhere. On the head the lines run with
// its outline, down the cheek and round the jaw, each carrying the tone it
// passes through; a second set crosses them in the deeper shade.
std::vector<float> IncisionePelle(int larghezza, int altezza);

// Ink of one family of lines at a sample: `fase` its phase, `g` how fast the
// phase runs (lines to one of the sitter's units), `larghezza` the line's
// width as a share of the spacing. Edges are smoothed over one sample.
double Tratto(double fase, double g, double larghezza);

} // namespace titolo
