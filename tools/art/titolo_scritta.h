// The product's name, engraved: pale silver letters cut with parallel
// lines and outlined with a fine cut.
#pragma once

class QPainter;
class QString;

namespace titolo {

void DisegnaNome(QPainter &p, const QString &famiglia);

} // namespace titolo
