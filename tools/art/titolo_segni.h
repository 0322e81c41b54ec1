// The engraver's drawn marks over the lined tones of the portrait: hair
// and eyebrows as strands, the eyes, the nostrils, the mouth.
#pragma once

class QPainter;

namespace titolo {

class Lastra;

// The eyes, their lids and the shade of their sockets, cut on the plate's pixels.
void IncidiOcchi(Lastra &lastra);
// The nose, its shaded side, its tip and nostrils, cut the same way.
void IncidiNaso(Lastra &lastra);
// The mouth, its corners and the shadow under its lower lip, cut the same way.
void IncidiBocca(Lastra &lastra);
// The waistcoat's buttons, cut the same way.
void IncidiBottoni(Lastra &lastra);

// Draw in the portrait's own coordinates (see titolo_volto.h), black ink;
// the hair's strands are cut on the plate, its finer hairs and the brows drawn.
void DisegnaCapelli(QPainter &p, Lastra &lastra);
void DisegnaLineamenti(QPainter &p);

} // namespace titolo
