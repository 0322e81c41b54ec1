// The product's name, engraved: pale silver letters cut with parallel
// lines, with a hard shade line along their lower and right edges.
#pragma once

class QPainter;
class QString;

namespace titolo {

void DisegnaNome(QPainter &p, const QString &famiglia);

} // namespace titolo
