// The engraver's drawn marks over the lined tones of the portrait's hair
// and clothes (the face's are in titolo_testa.h).
#pragma once

class QPainter;

namespace titolo {

class Lastra;

// The waistcoat's buttons, cut on the plate's pixels.
void IncidiBottoni(Lastra &lastra);

// Draw in the portrait's own coordinates (see titolo_volto.h), black ink:
// the hair's strands cut on the plate and its finer hairs drawn; the edges
// of the collar's points.
void DisegnaCapelli(QPainter &p, Lastra &lastra);
void DisegnaColletto(QPainter &p);

} // namespace titolo
