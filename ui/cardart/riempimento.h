#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRgb>

#include <utility>
#include <vector>

namespace belvane::cardart {

// Fills polygons straight into a 32-bit image, smoothed by each pixel's
// exact covered area. QPainter's own smoothed fill computes the same
// coverage but pays a few microseconds of set-up for every call, and a
// card is a hundred small fills: this pays almost only for the edges and
// the pixels each area touches.
//
// Coverage is accumulated as signed area, so a pixel's winding is its
// average over the pixel, clamped to one (the non-zero rule) or folded
// (the odd-even rule): where a pixel holds parts of an area that overlap
// themselves, as QPainter's rasterizer does.
class Riempitore {
public:
    // Whether Su can paint on `immagine`: a 32-bit picture, opaque or
    // premultiplied.
    static bool Adatta(const QImage &immagine);
    // From now on paints on `immagine` (left alone unless Adatta), never
    // outside `limite`. Keeps its buffers from one picture to the next.
    void Su(QImage &immagine, QRect limite);

    // Fills the closed polygon `punti` (pixel coordinates) with `colore`,
    // source over.
    void Riempi(const QPointF *punti, int quanti, Qt::FillRule regola, QRgb colore);

private:
    void Lato(QPointF a, QPointF b);
    void Riga(float x0, float y0, float x1, float y1);

    uchar *bit_ = nullptr;
    qsizetype passo_ = 0; // bytes per line
    QRect limite_;
    // The area's box being filled, and its signed-area cells, one spare
    // column on the right: (w + 2) per row, left zero between areas.
    int x0_ = 0, y0_ = 0, w_ = 0, h_ = 0;
    std::vector<float> celle_;
    // Per row of the box, the first and last cell an edge touched: the
    // coverage is zero outside them.
    std::vector<std::pair<int, int>> righe_;
};

} // namespace belvane::cardart
