// The product's name, engraved: pale silver letters cut with parallel
// lines that thicken towards each stroke's shaded side.
#pragma once

class QPainter;
class QString;

namespace titolo {

void DisegnaNome(QPainter &p, const QString &famiglia);

} // namespace titolo
