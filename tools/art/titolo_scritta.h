// The product's name, engraved: pale silver letters cut with fine
// parallel lines, outlined, with a thin shade to the lower right.
#pragma once

class QPainter;
class QString;

namespace titolo {

void DisegnaNome(QPainter &p, const QString &famiglia);

} // namespace titolo
