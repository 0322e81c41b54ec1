#pragma once

#include <QPainter>

#include <span>
#include <string_view>

namespace belvane::cardart {

// A picture laid pixel by pixel for the natural size, where a drawing reduced
// falls on the pixels by chance: rows of characters, a colour a character,
// '.' the card's white.
using ColoreDiPixel = QColor (*)(char);

// `righe` laid `u` a character, the first row's first character `angolo`
// characters from the origin, one area per colour, filled without an outline.
void StendiPixel(QPainter &p, std::span<const std::string_view> righe, QPointF angolo, qreal u, ColoreDiPixel colore);

} // namespace belvane::cardart
