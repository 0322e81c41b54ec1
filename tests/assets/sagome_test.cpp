// Shapes drawn from control points: the shading of every figure relies on a
// shrunk outline staying inside the shape, and on hatching staying on its
// side of the shape; a slip would paint outside a figure's outline.
#include "sagome.h"

#include <QPolygonF>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace belvane::cardart;

// Every point of `dentro`'s curve lies inside `fuori`'s.
bool TuttoDentro(const Profilo &dentro, const Profilo &fuori)
{
    const QPainterPath recinto = Sagoma(fuori);
    const QPolygonF punti = Sagoma(dentro).toFillPolygon();
    return !punti.isEmpty() && std::all_of(punti.begin(), punti.end(), [&](QPointF q) { return recinto.contains(q); });
}

TEST(Sagome, AnOutlineShrunkAndShiftedByLessStaysInsideWhicheverWayItRuns)
{
    const Profilo farsetto{{14.2, 22.2}, {19.5, 21.2}, {25, 21.8}, {26, 26.5},   {24.6, 33.2},
                           {27.4, 40.6}, {21, 42.2},   {14, 40.6}, {15.6, 33.2}, {13.6, 26.5}};
    Profilo rovescio(farsetto.rbegin(), farsetto.rend());
    const Profilo gamba = ProfiloArto({{{17.8, 40}, 4.6}, {{20.6, 50.5}, 3.5}, {{26.8, 60}, 2.4}});
    for (const Profilo &forma : {farsetto, rovescio, gamba, Ovale({10, 10}, 3, 1.7, 40)}) {
        const qreal d = 0.6;
        const Profilo dentro = Rientra(forma, d, QPointF(-d, -d) / std::sqrt(2.0));
        EXPECT_TRUE(TuttoDentro(dentro, forma));
        EXPECT_FALSE(TuttoDentro(forma, dentro)); // it did shrink
    }
}

TEST(Sagome, ALimbIsAsWideAsItsNodesSay)
{
    const QRectF r = Arto({{{0, 0}, 4}, {{0, 10}, 4}}).boundingRect();
    EXPECT_NEAR(r.width(), 4, 0.4);
    EXPECT_NEAR(r.height(), 14, 0.8); // rounded ends
}

TEST(Sagome, HatchingStaysInsideItsShapeOnTheShadedSide)
{
    const Profilo forma = Ovale({20, 30}, 6, 9);
    const QPainterPath linee = Tratteggio(forma, {21, 20}, {21, 40}, 60, 0.8);
    ASSERT_FALSE(linee.isEmpty());
    const QPainterPath recinto = Sagoma(forma);
    for (int i = 0; i < linee.elementCount(); ++i) {
        const QPointF q = linee.elementAt(i);
        EXPECT_TRUE(recinto.contains(q)) << q.x() << ", " << q.y();
        EXPECT_GE(q.x(), 21 - 1e-6) << "hatching on the lit side";
    }
}

} // namespace
