// Filling straight into a picture against QPainter's own smoothed fill of
// the same polygons: the two compute each pixel's covered area, so they
// may differ only by rounding.
#include "riempimento.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using belvane::cardart::Riempitore;

int Scarto(const QImage &a, const QImage &b)
{
    int massimo = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int s = 0; s < 32; s += 8)
                massimo = std::max(massimo, std::abs(int(a.pixel(x, y) >> s & 0xFF) - int(b.pixel(x, y) >> s & 0xFF)));
    return massimo;
}

// Slanted and upright edges, a part beyond each side of the limit, a hole
// (odd-even), a star that overlaps itself (non-zero), a translucent colour
// on a premultiplied picture, a polygon wholly left of the limit (which must
// leave the row beside it alone).
TEST(Riempimento, EachPixelIsQPaintersCoverageWithinRounding)
{
    const QRect limite(3, 4, 40, 30);
    const QPolygonF stella{{10, 2}, {14.3, 33.7}, {-6, 12.5}, {30.2, 14}, {2.5, 31}};
    const QPolygonF anello{{20, 8},    {38, 8},      {38, 28},   {20, 28},  {20, 8},
                           {25, 13.5}, {33.3, 13.5}, {29, 23.2}, {25, 13.5}};
    const QPolygonF oltre{{35.5, 20.25}, {60, 21}, {55, 50}, {30.75, 39.6}};
    const QPolygonF fuori{{-9, 5}, {0, 5}, {0, 25}, {-9, 25}};
    const struct {
        QPolygonF poligono;
        Qt::FillRule regola;
        QRgb colore;
    } aree[] = {{stella, Qt::WindingFill, 0xFF8A2BE2},
                {anello, Qt::OddEvenFill, 0xFF206020},
                {oltre, Qt::WindingFill, 0x80C03020},
                {fuori, Qt::WindingFill, 0xFF000000}};
    for (const auto formato : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        QImage nostra(48, 40, formato), attesa(48, 40, formato);
        nostra.fill(Qt::white);
        attesa.fill(Qt::white);
        Riempitore riempitore;
        riempitore.Su(nostra, limite);
        QPainter p(&attesa);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setClipRect(limite);
        for (const auto &area : aree) {
            riempitore.Riempi(area.poligono.data(), int(area.poligono.size()), area.regola, area.colore);
            p.setBrush(QColor::fromRgba(area.colore));
            p.drawPolygon(area.poligono, area.regola);
        }
        p.end();
        EXPECT_LE(Scarto(nostra, attesa), 3) << "format " << formato;
        EXPECT_EQ(nostra.copy(0, 0, 48, limite.top()), attesa.copy(0, 0, 48, limite.top())) << "above the limit";
    }
}

} // namespace
