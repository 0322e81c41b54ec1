// The modelling of the lit half of the face: a sparse, fine stipple laid
// only where the form turns from the light, the planes facing it left bare.
#pragma once

namespace titolo {

class Lastra;

// How far the lit half of the face turns from the light at (x, y), in the
// sitter's units (see titolo_volto.h): 0 where it faces the light or on the
// shaded half, up to 1 at the cheek's outline.
double Modellato(double x, double y);

// Cuts the stipple on the plate's pixels (see titolo_lastra.h).
void IncidiModellato(Lastra &lastra);

} // namespace titolo
