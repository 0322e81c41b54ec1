// The nose and the mouth of the portrait's sitter, cut on the plate's pixels.
#pragma once

namespace titolo {

class Lastra;

// The nose, its shaded side, its tip, nostrils and the shadow under it.
void IncidiNaso(Lastra &lastra);
// The mouth, its shaded upper lip, its corners and the shadow under its lower lip.
void IncidiBocca(Lastra &lastra);
// Where the upper lip's edge runs at x, in the sitter's units: its bow over
// the middle, falling to the corners.
double LabbroSuperiore(double x);

} // namespace titolo
