// The product's name, engraved: open silver letters shaded on their
// down-right side by level lines, closed by a silver rim with no keyline.
#pragma once

class QPainter;
class QPainterPath;
class QString;

namespace titolo {

// The name's outline at its place in the title picture.
QPainterPath ContornoNome(const QString &famiglia);

void DisegnaNome(QPainter &p, const QString &famiglia);

} // namespace titolo
