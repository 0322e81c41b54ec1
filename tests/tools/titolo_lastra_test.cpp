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

TEST(TitoloLastra, RuledLinesStayOnePixelAStepAtEverySlopeAndSwellToOneSide)
{
    // Parallel lines 3.4 pixels apart, at slopes from level to steep.
    for (double gradi : {0.0, 12.0, 30.0, 45.0, 61.0, 80.0}) {
        const double a = gradi * M_PI / 180, gx = -std::sin(a) / 3.4, gy = std::cos(a) / 3.4;
        const bool piane = std::abs(gy) >= std::abs(gx); // nearer level: each column meets each line once
        for (double quota : {0.15, 0.45}) {
            // The line's width in pixels along the column (or row).
            const double larga = quota / std::max(std::abs(gx), std::abs(gy));
            for (int i = 0; i < 40; ++i) {
                // Down one column (or along one row, for the steep ones):
                // runs of inked pixels, each as long as the line is wide,
                // with paper between them.
                std::vector<double> lungo;
                for (int j = 0; j < 40; ++j) {
                    const double x = (piane ? i : j) + 0.5, y = (piane ? j : i) + 0.5;
                    lungo.push_back(Riga(x * gx + y * gy + 0.37, gx, gy, quota));
                }
                int corsa = 0, corse = 0;
                for (int j = 0; j <= 40; ++j) {
                    if (j < 40 && lungo[std::size_t(j)] > 0) {
                        ++corsa;
                        continue;
                    }
                    if (corsa > 0 && j < 40 && j - corsa > 0) { // a whole run, not cut by the edge
                        ++corse;
                        EXPECT_EQ(corsa, int(std::ceil(larga))) << gradi << " " << quota << " " << i;
                        double inchiostro = 0;
                        for (int k = j - corsa; k < j; ++k)
                            inchiostro += lungo[std::size_t(k)];
                        EXPECT_NEAR(inchiostro, larga, 1e-9) << gradi << " " << quota << " " << i;
                    }
                    corsa = 0;
                }
                // None lost: one run to each line the way crosses, but the two cut by the edges.
                EXPECT_GE(corse, int(40 * std::max(std::abs(gx), std::abs(gy))) - 2) << gradi << " " << i;
            }
        }
    }
}

} // namespace
} // namespace titolo
