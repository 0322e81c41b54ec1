// The product's name: solid cream letters, each standing a hairline clear
// of a solid drop shade cast down and to the right, away from the light.
#pragma once

class QPainter;
class QPainterPath;
class QString;

namespace titolo {

// The name's outline at its place in the title picture.
QPainterPath ContornoNome(const QString &famiglia);
// The shade the name casts, a hairline clear of the letters.
QPainterPath OmbraNome(const QPainterPath &nome);

void DisegnaNome(QPainter &p, const QString &famiglia);

} // namespace titolo
