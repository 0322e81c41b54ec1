#include "titolo_lastra.h"
#include "titolo_misure.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace titolo {
namespace {

// A way given in the plate's pixels, as Solco takes it in the sitter's units.
std::function<QPointF(double)> Via(std::function<QPointF(double)> pixel)
{
    return [pixel](double t) { return DallaLastra(pixel(t)); };
}

int Inchiostrati(const Lastra &l, int x, int y, int w, int h)
{
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            n += l.Inchiostro(i, j) > 0;
    return n;
}

TEST(TitoloLastra, AOnePixelLineIsUnbrokenFullInkAndNeverDoubled)
{
    Lastra l(60, 60);
    // A quarter circle turns through every slope, the steep and the shallow.
    l.Solco(Via([](double t) { return QPointF(5.3 + 40 * std::cos(t * M_PI / 2), 5.6 + 40 * std::sin(t * M_PI / 2)); }),
            [](double) { return 1.0; });
    int inchiostrati = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            if (l.Inchiostro(x, y) == 0)
                continue;
            ++inchiostrati;
            EXPECT_EQ(l.Inchiostro(x, y), 1.0) << x << "," << y;
            // Each pixel but the two ends touches the way on both sides:
            // one or two neighbours, never a clump.
            const int vicini = Inchiostrati(l, x - 1, y - 1, 3, 3) - 1;
            EXPECT_GE(vicini, 1) << x << "," << y;
            EXPECT_LE(vicini, 2) << x << "," << y;
            // No elbow: no square of four holds three inked.
            EXPECT_LE(Inchiostrati(l, x, y, 2, 2), 2) << x << "," << y;
        }
    // About as many pixels as the arc is long along its larger axis steps.
    EXPECT_GT(inchiostrati, 55);
    EXPECT_LT(inchiostrati, 60);
}

TEST(TitoloLastra, WidthSwellsIntoANeighbourAndBelowOnePrintsLighter)
{
    Lastra l(40, 20);
    const auto riga = [](double y) { return Via([y](double t) { return QPointF(4.5 + 30 * t, y); }); };
    l.Solco(riga(5.3), [](double) { return 2.0; });
    l.Solco(riga(12.5), [](double) { return 0.5; });
    for (int x = 5; x < 34; ++x) {
        EXPECT_EQ(Inchiostrati(l, x, 0, 1, 10), 2) << x; // two rows, on the side the line lies towards
        EXPECT_EQ(l.Inchiostro(x, 4), 1.0) << x;
        EXPECT_NEAR(l.Inchiostro(x, 12), 0.5, 1e-6) << x;
        EXPECT_EQ(Inchiostrati(l, x, 10, 1, 10), 1) << x;
    }
}

TEST(TitoloLastra, ScrapedPixelsAreKeptApart)
{
    Lastra l(10, 10);
    l.Risparmia(3, 4);
    l.Risparmia(-1, 4); // off the plate: nothing
    l.Risparmia(3, 10);
    EXPECT_TRUE(l.Risparmiato(3, 4));
    EXPECT_FALSE(l.Risparmiato(4, 3));
    EXPECT_FALSE(l.Risparmiato(3, 10));
    EXPECT_EQ(l.Inchiostro(3, 4), 0.0);
}

} // namespace
} // namespace titolo
