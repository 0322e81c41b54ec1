// The skin of the portrait's head, neck and ears: its line plan.
#pragma once

#include "titolo_volto.h"

#include <QPointF>

namespace titolo {

// How much ink the skin puts in the medallion's pixel whose centre is
// `pixel`: lines that run across the form and bend with it, each swelling
// with the shade it passes through and paling to nothing in the brightest
// light, a second set crossing them only in the deep shade; none off the skin.
double InchiostroPelle(QPointF pixel);

// Ink of one family of lines at a sample: `fase` its phase, `g` how fast the
// phase runs (lines to one of the sitter's units), `larghezza` the line's
// width as a share of the spacing. Edges are smoothed over one sample.
double Tratto(double fase, double g, double larghezza);

} // namespace titolo
