// The product's name, engraved: pale silver letters cut with parallel
// lines, each casting a ruled shadow down and to the right.
#pragma once

class QPainter;
class QString;

namespace titolo {

void DisegnaNome(QPainter &p, const QString &famiglia);

} // namespace titolo
