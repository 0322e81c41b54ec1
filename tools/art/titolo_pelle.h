// The skin of the portrait's head, neck and ears: its line plan.
#pragma once

#include "titolo_volto.h"

#include <QPointF>

namespace titolo {

// How much of a sample on the skin at (x, y) is ink, t its tone (see
// Tono): lines that run across the form and bend with it, each swelling
// with the shade it passes through and tapering out in the light; on the
// ears a second set crosses them in the shade.
double InchiostroPelle(const Campione &c, double x, double y, double t);

// The ink the skin's lines put in the medallion's pixel whose centre is
// `pixel`, where they are wide enough to be cut on whole pixels: in the
// half-tones and the shade, unbroken however they turn.
double InchiostroPelleRighe(QPointF pixel);

// Ink of one family of lines at a sample: `fase` its phase, `g` how fast the
// phase runs (lines to one of the sitter's units), `larghezza` the line's
// width as a share of the spacing. Edges are smoothed over one sample.
double Tratto(double fase, double g, double larghezza);

} // namespace titolo
