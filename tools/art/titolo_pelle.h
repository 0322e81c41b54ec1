// The skin of the portrait's head, neck and ears: its line plan.
#pragma once

#include "titolo_volto.h"

#include <QPointF>

namespace titolo {

// The ink the skin's lines put in the medallion's pixel whose centre is
// `pixel`, each line cut on whole pixels, unbroken however it turns: lines
// across the form that bend with it, swelling with the shade they pass
// through and thinning to hairlines printed lighter in the light, paper
// only in the highlights; crossed along the form's meridians in the
// deepest shade.
double InchiostroPelleRighe(QPointF pixel);

// Ink of one family of lines at a sample: `fase` its phase, `g` how fast the
// phase runs (lines to one of the sitter's units), `larghezza` the line's
// width as a share of the spacing. Edges are smoothed over one sample.
double Tratto(double fase, double g, double larghezza);

} // namespace titolo
