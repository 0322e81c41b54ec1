// The sitter's head and neck as a solid: a few ellipsoids blended into one
// surface, the head turned a little towards the light, seen from the front.
// Coordinates are the sitter's units (see titolo_volto.h); the head's own
// frame is the face seen square on, before it turns.
#pragma once

#include <QPointF>

class QPainter;

namespace titolo {

enum class Pezzo;

struct Superficie {
    bool colpita = false;
    double z = 0;    // height towards the viewer, in the picture's frame
    double tono = 0; // how dark the engraving is here: 0 paper, 1 solid ink
    double fase = 0; // the level whose lines cut the flesh, in units
    Pezzo pezzo{};   // head, neck or ear
};

// The surface under the picture's point (x, y), from a table made once.
Superficie SuperficieTesta(double x, double y);

// How much of a sample at (x, y) on the flesh is ink: one family of lines
// that follows the form, each line as wide as the shade it crosses.
double InchiostroTesta(double x, double y);

// Where a point of the face seen square on, `sopra` units off its surface,
// falls in the picture once the head has turned.
QPointF Proietta(double x, double y, double sopra = 0);

// The features and the shaded outline cut over the flesh, in the sitter's
// units, black ink.
void DisegnaTesta(QPainter &p);

} // namespace titolo
