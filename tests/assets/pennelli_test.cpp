// The strokes the figures are drawn with: an area of many pieces joined into
// one outline must fill what its pieces fill, drawn directly and through a
// graded recording alike; a seam that does not cancel shows as a streak.
#include "pennelli.h"
#include "registrazione.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using namespace belvane::cardart;

// `forma` filled black on white at four times its units, smoothed.
QImage Dipinta(const QPainterPath &forma)
{
    QImage img(180, 288, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(forma);
    return img;
}

// How many pixels of `a` and `b` differ by more than `livelli` in grey.
int Diversi(const QImage &a, const QImage &b, int livelli)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > livelli;
    return n;
}

TEST(Pennelli, PiecesJoinedInOneOutlineFillWhatThePiecesFill)
{
    // A hatched ring: pieces on both sides of a hole, some cut in two by it.
    const QPainterPath anello = Differenza(Cerchio({22, 36}, 16, 24), Cerchio({24, 34}, 7, 11));
    QPainterPath linee;
    for (qreal d = -40; d <= 40; d += 1.2)
        linee.addRect(QRectF(-40, d - 0.2, 80, 0.4));
    QTransform giro;
    giro.translate(22, 36);
    giro.rotate(-52);
    const QPainterPath pezzi = Intersezione(anello, giro.map(linee));
    ASSERT_GT(pezzi.toSubpathPolygons().size(), 30);

    const QPainterPath catena = InCatena(pezzi, anello);
    // Far fewer outlines than pieces, though none joined across the hole.
    EXPECT_LE(catena.toSubpathPolygons().size(), pezzi.toSubpathPolygons().size() / 2);
    const QImage attesa = Dipinta(pezzi);
    EXPECT_EQ(Diversi(Dipinta(catena), attesa, 8), 0);

    // Through a graded recording, as a card is filled: only the grading's
    // own leeway, an eighth of a pixel's coverage on an outline, and the
    // paper around the ring and in its hole left white.
    Registrazione r = Registra(
        [&](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawPath(catena);
        },
        8);
    ASSERT_EQ(r.campiture.size(), 1u);
    Gradua(r, 8);
    QImage riempita(attesa.size(), QImage::Format_RGB32);
    riempita.fill(Qt::white);
    ASSERT_TRUE(Riproduci(riempita, QTransform::fromScale(4, 4), riempita.rect(), r));
    EXPECT_LE(Diversi(riempita, attesa, int(255 * kScostamentoTollerato) + 2), attesa.width() * attesa.height() / 1000);
    const QPainterPath vicino = QPainterPathStroker(QPen(Qt::black, 1.0)).createStroke(anello).united(anello);
    int macchie = 0;
    for (int y = 0; y < riempita.height(); ++y)
        for (int x = 0; x < riempita.width(); ++x)
            if (!vicino.contains(QPointF(x + 0.5, y + 0.5) / 4) && riempita.pixel(x, y) != qRgb(255, 255, 255))
                ++macchie;
    EXPECT_EQ(macchie, 0) << "a seam shows on the paper";
}

} // namespace
