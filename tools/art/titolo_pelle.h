// The skin of the portrait's head, neck and ears, engraved line by line.
#pragma once

class QPainter;

namespace titolo {

// Cuts the skin's lines in the portrait's own coordinates (see
// titolo_volto.h), black ink: lines that run across the form and bend with
// it, each swelling with the shade it passes through, a second set crossing
// them only in the deepest shade.
void IncidiPelle(QPainter &p);

} // namespace titolo
