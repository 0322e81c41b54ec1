#include "titolo_misure.h"
#include "titolo_testa.h"
#include "titolo_volto.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace titolo {
namespace {

// The leftmost and rightmost points of `pezzo` along the row at height y.
std::pair<double, double> Estremi(double y, Pezzo pezzo)
{
    double da = 1e9, a = -1e9;
    for (double x = -40; x <= 40; x += 0.1)
        if (const Superficie s = SuperficieTesta(x, y); s.colpita && s.pezzo == pezzo) {
            da = std::min(da, x), a = std::max(a, x);
        }
    return {da, a};
}

double Larghezza(double y, Pezzo pezzo)
{
    const auto [da, a] = Estremi(y, pezzo);
    return a > da ? a - da : 0;
}

TEST(TitoloTesta, AHeadOfRealProportionOnANarrowerNeck)
{
    // The face's breadth at the cheekbones against the head's height from
    // crown to chin: a face, not a slab.
    const double zigomi = Larghezza(kOcchiY + 6, Pezzo::Testa);
    double cima = 0, mento = 0;
    for (double y = -90; y < 40; y += 0.1)
        if (Larghezza(y, Pezzo::Testa) > 0) {
            cima = cima == 0 ? y : cima;
            mento = y;
        }
    const double altezza = mento - cima;
    EXPECT_GT(zigomi / altezza, 0.5);
    EXPECT_LT(zigomi / altezza, 0.68);
    // The jaw narrows from the cheekbones down to the chin, and the neck
    // under it is narrower than the jaw.
    const double mascella = Larghezza(kBoccaY + 2, Pezzo::Testa);
    EXPECT_LT(mascella, 0.92 * zigomi);
    EXPECT_LT(Larghezza(mento - 4, Pezzo::Testa), 0.7 * zigomi);
    const double collo = Larghezza(mento + 2, Pezzo::Collo);
    EXPECT_GT(collo, 0.35 * zigomi);
    EXPECT_LT(collo, 0.7 * zigomi);
    // The ears stand out beside the head.
    EXPECT_GT(Estremi(kOcchiY + 4, Pezzo::Orecchio).second, Estremi(kOcchiY + 4, Pezzo::Testa).second);
}

TEST(TitoloTesta, LitFromTheLeftWithTheNeckInTheHeadsShade)
{
    const auto tono = [](double x0, double y0) {
        double somma = 0;
        int n = 0;
        for (double y = y0 - 2; y <= y0 + 2; y += 0.5)
            for (double x = x0 - 2; x <= x0 + 2; x += 0.5)
                if (const Superficie s = SuperficieTesta(x, y); s.colpita) {
                    somma += s.tono, ++n;
                }
        return n ? somma / n : -1;
    };
    const auto [sinistra, destra] = Estremi(kOcchiY + 12, Pezzo::Testa);
    const double chiara = tono(sinistra + 5, kOcchiY + 12), ombrosa = tono(destra - 5, kOcchiY + 12);
    EXPECT_LT(chiara, 0.15);
    EXPECT_GT(ombrosa, chiara + 0.2);
    // Under the chin the neck is darker than the lit cheek.
    const auto [da, a] = Estremi(kMentoY + 2, Pezzo::Collo);
    EXPECT_GT(tono((da + a) / 2, kMentoY + 2), chiara + 0.2);
}

TEST(TitoloTesta, LinesEndInTheLightSwellInTheShadeAndKeepClearOfOneAnother)
{
    // Down columns of the flesh, sample by sample as the engraving is cut.
    constexpr double passo = 1.0 / (kScala * kIngrandimento); // units a sample
    std::vector<double> inchiostro(5, 0), campioni(5, 0);     // by tone, in fifths
    for (double x = -20; x <= 20; x += 1.3) {
        double ultima = -1e9;
        bool dentro = false;
        double inizio = 0;
        for (double y = -45; y < 10; y += passo) {
            const Superficie s = SuperficieTesta(x, y);
            const double a = s.colpita ? InchiostroTesta(x, y) : 0;
            if (s.colpita && s.pezzo == Pezzo::Testa) {
                const int fascia = std::min(4, int(s.tono * 5));
                inchiostro[std::size_t(fascia)] += a;
                campioni[std::size_t(fascia)] += 1;
            }
            // Where each line crosses the column, its middle; two lines'
            // middles closer than about 2.5 pixels print as one grey shimmer.
            if (a > 0.5 && !dentro) {
                dentro = true, inizio = y;
            } else if (a <= 0.5 && dentro) {
                dentro = false;
                const double mezzo = (inizio + y) / 2;
                if (s.colpita) {
                    EXPECT_GE((mezzo - ultima) * kIngrandimento, 2.4) << x << " " << y;
                }
                ultima = mezzo;
            }
            if (!s.colpita)
                ultima = -1e9;
        }
    }
    // The brightest light is paper; the ink grows with each step into the shade.
    ASSERT_GT(campioni[0], 0);
    EXPECT_LT(inchiostro[0] / campioni[0], 0.01);
    for (std::size_t k = 1; k < 5; ++k)
        if (campioni[k] > 200 && campioni[k - 1] > 200) {
            EXPECT_GT(inchiostro[k] / campioni[k], inchiostro[k - 1] / campioni[k - 1] + 0.03) << k;
        }
}

TEST(TitoloTesta, TheFeaturesLandOnTheTurnedFace)
{
    // Every feature drawn over the flesh falls on the face once it has
    // turned, and turning about the upright keeps the eyes level.
    for (const QPointF &q : {QPointF(-kOcchiX, kOcchiY), QPointF(kOcchiX, kOcchiY), QPointF(0, -13),
                             QPointF(-6.8, kBoccaY), QPointF(6.8, kBoccaY), QPointF(0, kMentoY - 3)}) {
        const QPointF p = Proietta(q.x(), q.y());
        const Superficie s = SuperficieTesta(p.x(), p.y());
        EXPECT_TRUE(s.colpita && s.pezzo == Pezzo::Testa) << q.x() << " " << q.y();
    }
    EXPECT_NEAR(Proietta(-kOcchiX, kOcchiY).y(), Proietta(kOcchiX, kOcchiY).y(), 0.3);
    // Turned towards the light, on the left: the nose's tip stands off the
    // middle that way.
    EXPECT_LT(Proietta(0, -13).x(), -1);
}

} // namespace
} // namespace titolo
