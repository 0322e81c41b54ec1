// The stipple that models the lit half of the face: only where the form
// turns from the light, sparse, and never on the planes facing it.
#include "titolo_lastra.h"
#include "titolo_misure.h"
#include "titolo_modellato.h"
#include "titolo_volto.h"

#include <gtest/gtest.h>

namespace titolo {
namespace {

struct Conta {
    int pixel = 0, punti = 0, toccati = 0;
};

// The dots cut on the head's skin, counted over the pixels whose centres
// lie where `dove` says; `toccati` counts dots with an inked pixel beside
// them, left, right, above or below.
template <typename Dove> Conta Punti(const Lastra &lastra, Dove dove)
{
    Conta n;
    for (int py = 0; py < int(2 * kMedaglioneRy); ++py)
        for (int px = 0; px < int(2 * kMedaglioneRx); ++px) {
            const QPointF q = DallaLastra(QPointF(px + 0.5, py + 0.5));
            const Campione c = Rilievo(q.x(), q.y());
            if (c.zona != Zona::Pelle || c.pezzo != Pezzo::Testa || !dove(q.x(), q.y()))
                continue;
            ++n.pixel;
            if (lastra.Inchiostro(px, py) <= 0)
                continue;
            ++n.punti;
            n.toccati += lastra.Inchiostro(px - 1, py) > 0 || lastra.Inchiostro(px + 1, py) > 0 ||
                lastra.Inchiostro(px, py - 1) > 0 || lastra.Inchiostro(px, py + 1) > 0;
        }
    return n;
}

class TitoloModellato : public ::testing::Test {
protected:
    TitoloModellato() : lastra(int(2 * kMedaglioneRx), int(2 * kMedaglioneRy)) { IncidiModellato(lastra); }
    Lastra lastra;
};

TEST_F(TitoloModellato, TheLitCheekTurnsInDotsTowardsItsOutlineAndFacesTheLightBare)
{
    // Across the cheek under the eye, the outer third against the inner.
    const auto guancia = [](double x, double y, double da, double a) {
        const double u = -x / MezzaLarghezza(y);
        return x < 0 && y > kOcchiY + 5 && y < kBoccaY - 4 && u >= da && u < a;
    };
    const Conta fuori = Punti(lastra, [&](double x, double y) { return guancia(x, y, 0.7, 1.0); });
    const Conta dentro = Punti(lastra, [&](double x, double y) { return guancia(x, y, 0.0, 0.45); });
    ASSERT_GT(fuori.pixel, 60);
    ASSERT_GT(dentro.pixel, 100);
    // Stipple, not a tone: a few pixels in a hundred even where it is
    // thickest, each standing apart from the others.
    EXPECT_GT(fuori.punti, fuori.pixel / 25);
    EXPECT_LT(fuori.punti, fuori.pixel / 6);
    EXPECT_EQ(fuori.toccati, 0);
    EXPECT_LT(dentro.punti, dentro.pixel / 100);
}

TEST_F(TitoloModellato, NoDotsOnTheHighlightsTheJawOrTheShadedHalf)
{
    // The brow's dome and the ridge of the nose take the light; the jaw and
    // chin are left bare, or the dots read as a beard; the shaded half is
    // cut in lines of its own.
    const Conta fronte = Punti(lastra, [](double x, double y) { return std::abs(x) < 9 && y < kOcchiY - 12; });
    const Conta mento = Punti(lastra, [](double, double y) { return y > kBoccaY + 7; });
    const Conta ombra = Punti(lastra, [](double x, double) { return x > 2; });
    ASSERT_GT(fronte.pixel, 100);
    ASSERT_GT(mento.pixel, 100);
    EXPECT_EQ(fronte.punti, 0);
    EXPECT_EQ(mento.punti, 0);
    EXPECT_EQ(ombra.punti, 0);
    EXPECT_EQ(Modellato(10, kOcchiY + 10), 0);
}

} // namespace
} // namespace titolo
