// The title picture's ground: one flat brown ink with a ruled tint, as a
// printer lays a ground, not a glow.
#pragma once

class QImage;
class QPainterPath;

namespace titolo {

// The ground the size of the picture. The tint's rules stop short of
// `risparmio`, the lettering laid on the ground, so that no rule runs
// through a letter or along its shade.
QImage Fondo(const QPainterPath &risparmio);

} // namespace titolo
