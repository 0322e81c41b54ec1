// The engraver's drawn marks over the lined tones of the portrait: hair
// and eyebrows as strands, the eyes, the ears, the face's outlines, the
// upper lip and the collar's edges (the nose and the mouth's cuts are in
// titolo_naso_bocca.h).
#pragma once

class QPainter;

namespace titolo {

class Lastra;

// The eyes, their lids and the shade of their sockets, cut on the plate's pixels.
void IncidiOcchi(Lastra &lastra);
// The waistcoat's buttons, cut the same way.
void IncidiBottoni(Lastra &lastra);

// Draw in the portrait's own coordinates (see titolo_volto.h), black ink;
// the hair's strands are cut on the plate, its finer hairs and the brows drawn.
void DisegnaCapelli(QPainter &p, Lastra &lastra);
void DisegnaLineamenti(QPainter &p);

} // namespace titolo
