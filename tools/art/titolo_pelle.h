// The skin of the portrait's head, neck and ears: a shaded model of the
// form and the lines cut from it.
#pragma once

#include "titolo_volto.h"

#include <QPointF>

namespace titolo {

// How dark the skin is at (x, y) under the light, 0 paper to 1 solid ink:
// the head's form turning from a light high on the left, the shadows the
// nose, brows, lips, chin and jaw cast on it, and its hollows.
double TonoPelle(double x, double y);

// How much of a sample on the skin at (x, y) is ink: lines that follow the
// form's sections, swelling with the model's shade and thinning to nothing
// in its lights, crossed by a second set where it is darkest.
double InchiostroPelle(const Campione &c, double x, double y);

// The ink the skin's lines put in the medallion's pixel whose centre is
// `pixel`, where they are wide enough to be cut on whole pixels: in the
// half-tones and the shade, unbroken however they turn.
double InchiostroPelleRighe(QPointF pixel);

// Ink of one family of lines at a sample: `fase` its phase, `g` how fast the
// phase runs (lines to one of the sitter's units), `larghezza` the line's
// width as a share of the spacing. Edges are smoothed over one sample.
double Tratto(double fase, double g, double larghezza);

} // namespace titolo
