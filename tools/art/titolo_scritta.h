// The product's name, engraved: pale silver letters cut with parallel
// lines and outlined with a fine cut.
#pragma once

class QPainter;
class QPainterPath;
class QString;

namespace titolo {

// The name's outline at its place in the title picture.
QPainterPath ContornoNome(const QString &famiglia);

void DisegnaNome(QPainter &p, const QString &famiglia);

} // namespace titolo
