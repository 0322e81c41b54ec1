// The nose's foot and the mouth as the engraving cuts them: marks that
// stand clear of one another instead of running into blots.
#include "titolo_lastra.h"
#include "titolo_misure.h"
#include "titolo_naso_bocca.h"
#include "titolo_volto.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace titolo {
namespace {

// The inked pixels joined to `da`, corners included.
std::vector<QPoint> Tratto(const Lastra &lastra, QPoint da)
{
    std::vector<QPoint> trovati, coda{da};
    std::vector<bool> visti(std::size_t(4 * kMedaglioneRx * kMedaglioneRy), false);
    const int larghezza = int(2 * kMedaglioneRx);
    while (!coda.empty()) {
        const QPoint q = coda.back();
        coda.pop_back();
        if (q.x() < 0 || q.y() < 0 || q.x() >= larghezza || q.y() >= int(2 * kMedaglioneRy))
            continue;
        const std::size_t i = std::size_t(q.y()) * larghezza + q.x();
        if (visti[i] || lastra.Inchiostro(q.x(), q.y()) < 0.2)
            continue;
        visti[i] = true;
        trovati.push_back(q);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                coda.emplace_back(q.x() + dx, q.y() + dy);
    }
    return trovati;
}

QPoint Pixel(QPointF q)
{
    const QPointF p = SullaLastra(q);
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

// The nose's shadow on the upper lip is a mark of its own on the shaded
// side: joined to the nostril it is a blot, and spread across the lip it
// reads as a moustache.
TEST(TitoloNasoBocca, TheShadowUnderTheNoseStandsApartOnTheShadedSide)
{
    const int larghezza = int(2 * kMedaglioneRx), altezza = int(2 * kMedaglioneRy);
    Lastra lastra(larghezza, altezza);
    IncidiNaso(lastra);
    // Where the shadow falls: under the shaded nostril, its heaviest ink.
    QPoint ombra(-1, -1);
    double massimo = 0;
    for (int py = Pixel({0, kOcchiY + 18.2}).y(); py <= Pixel({0, kOcchiY + 20}).y(); ++py)
        for (int px = Pixel({1.5, 0}).x(); px <= Pixel({4, 0}).x(); ++px)
            if (lastra.Inchiostro(px, py) > massimo)
                massimo = lastra.Inchiostro(px, py), ombra = QPoint(px, py);
    ASSERT_GT(massimo, 0.5);
    const std::vector<QPoint> tratto = Tratto(lastra, ombra);
    const auto [sinistra, destra] =
        std::minmax_element(tratto.begin(), tratto.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    const auto alto = std::min_element(tratto.begin(), tratto.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    EXPECT_GT(alto->y(), Pixel({0, kOcchiY + 17.6}).y());
    EXPECT_GE(sinistra->x(), Pixel({-0.5, 0}).x());
    EXPECT_LE(destra->x(), Pixel({6, 0}).x());
}

// Down the lower bridge the nose's shaded side is a plane: a second line
// stands beside the bridge's edge with paper between them, and not merged
// into one heavy bar.
TEST(TitoloNasoBocca, TheNosesShadedFlankIsASecondLineBesideTheBridge)
{
    Lastra lastra(int(2 * kMedaglioneRx), int(2 * kMedaglioneRy));
    IncidiNaso(lastra);
    int righe = 0;
    for (int py = Pixel({0, kOcchiY + 9.5}).y(); py <= Pixel({0, kOcchiY + 12}).y(); ++py) {
        int ponte = -1;
        for (int px = Pixel({0.5, 0}).x(); px <= Pixel({3.2, 0}).x(); ++px)
            if (lastra.Inchiostro(px, py) > 0.4 && ponte < 0)
                ponte = px;
        ASSERT_GE(ponte, 0) << py;
        double fianco = 0;
        for (int px = ponte + 2; px <= ponte + 5; ++px)
            fianco = std::max(fianco, lastra.Inchiostro(px, py));
        EXPECT_LT(lastra.Inchiostro(ponte + 1, py), 0.1) << py;
        EXPECT_GT(fianco, 0.25) << py;
        ++righe;
    }
    EXPECT_GE(righe, 3);
}

// The nose's foot is one form: the lit wing's crease runs on, through the lit
// nostril and under the tip, to the shaded side, and does not float apart.
TEST(TitoloNasoBocca, TheLitWingIsJoinedToTheNosesFoot)
{
    Lastra lastra(int(2 * kMedaglioneRx), int(2 * kMedaglioneRy));
    IncidiNaso(lastra);
    // The lit wing's crease at its outermost, level with the nostrils.
    const QPoint ala = Pixel({-6.2, kOcchiY + 15.2});
    QPoint inizio(-1, -1);
    for (int dy = -1; dy <= 1 && inizio.x() < 0; ++dy)
        for (int dx = -1; dx <= 1 && inizio.x() < 0; ++dx)
            if (lastra.Inchiostro(ala.x() + dx, ala.y() + dy) >= 0.2)
                inizio = QPoint(ala.x() + dx, ala.y() + dy);
    ASSERT_GE(inizio.x(), 0);
    const std::vector<QPoint> tratto = Tratto(lastra, inizio);
    const auto destra =
        std::max_element(tratto.begin(), tratto.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    EXPECT_GT(destra->x(), Pixel({1.0, 0}).x());
}

} // namespace
} // namespace titolo
