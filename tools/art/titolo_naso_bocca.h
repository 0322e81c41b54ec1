// The nose and the mouth of the portrait's sitter, cut on the plate's pixels.
#pragma once

namespace titolo {

class Lastra;

// The nose, its shaded side, its tip, nostrils and the shadow under it.
void IncidiNaso(Lastra &lastra);
// The mouth, its lips and corners and the shadow under its lower lip.
void IncidiBocca(Lastra &lastra);

} // namespace titolo
