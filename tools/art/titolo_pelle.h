// The skin of the portrait's head, neck and ears: its line plan.
#pragma once

#include "titolo_volto.h"

#include <QPointF>

namespace titolo {

// The ink the skin's lines put in the medallion's pixel whose centre is
// `pixel`: lines that run across the form and bend with it, each swelling
// with the shade it passes through and thinning towards the light until it
// ends, cut on whole pixels so they stay unbroken however they turn; a
// second set crosses them in the deep shade.
double InchiostroPelleRighe(QPointF pixel);

// Ink of one family of lines cut on whole pixels (see Riga): where they
// crowd under three pixels apart every other one gives out, and below a
// pixel's width each prints lighter until it ends.
double Filo(double fase, double gx, double gy, double quota);

} // namespace titolo
