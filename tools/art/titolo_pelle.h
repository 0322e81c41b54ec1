// The skin of the portrait's head, neck and ears: its line plan.
#pragma once

#include "titolo_volto.h"

#include <QPointF>

namespace titolo {

// How much of a sample on the ears at (x, y) is ink, t its tone (see
// Tono): a second set of lines crossing the first in their shade.
double InchiostroPelle(const Campione &c, double x, double y, double t);

// The ink the skin's lines put in the medallion's pixel whose centre is
// `pixel`: lines that run across the form and bend with it, each cut on
// whole pixels, unbroken however it turns, swelling with the shade it passes
// through and tapering out in the light.
double InchiostroPelleRighe(QPointF pixel);

// Ink of one family of lines at a sample: `fase` its phase, `g` how fast the
// phase runs (lines to one of the sitter's units), `larghezza` the line's
// width as a share of the spacing. Edges are smoothed over one sample.
double Tratto(double fase, double g, double larghezza);

} // namespace titolo
