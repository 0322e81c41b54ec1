#include "pixel_a_mano.h"

#include <QPainterPath>

#include <array>

namespace belvane::cardart {

void StendiPixel(QPainter &p, std::span<const std::string_view> righe, QPointF angolo, qreal u, ColoreDiPixel colore)
{
    // One area per character, so that each colour is one filled path.
    std::array<QPainterPath, 128> aree;
    for (size_t r = 0; r < righe.size(); ++r)
        for (size_t c = 0; c < righe[r].size(); ++c) {
            const char ch = righe[r][c];
            if (ch != '.')
                aree[size_t(ch)].addRect(QRectF((angolo.x() + qreal(c)) * u, (angolo.y() + qreal(r)) * u, u, u));
        }
    p.setPen(Qt::NoPen);
    for (size_t ch = 0; ch < aree.size(); ++ch)
        if (!aree[ch].isEmpty()) {
            p.setBrush(colore(char(ch)));
            p.drawPath(aree[ch]);
        }
}

} // namespace belvane::cardart
