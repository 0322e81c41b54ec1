// The skin of the portrait's head, neck and ears: its line plan.
#pragma once

#include "titolo_volto.h"

namespace titolo {

// How much of a sample on the skin at (x, y) is ink, t its tone (see
// Tono): lines that rise across the face at a slant and bow round its
// form, each swelling with the shade it passes through; where they thin out
// into the lights they break into flicks and dots, the lights are clean
// paper, and a second set crosses them only in the deep shade.
double InchiostroPelle(const Campione &c, double x, double y, double t);

// Ink of one family of lines at a sample: `fase` its phase, `g` how fast the
// phase runs (lines to one of the sitter's units), `larghezza` the line's
// width as a share of the spacing. Edges are smoothed over one sample.
double Tratto(double fase, double g, double larghezza);

} // namespace titolo
