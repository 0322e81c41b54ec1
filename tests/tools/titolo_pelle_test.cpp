// The sitter's flesh as the engraving cuts it: the light left as paper, the
// lines swelling with the shade they pass through.
#include "titolo_misure.h"
#include "titolo_pelle.h"
#include "titolo_volto.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

namespace titolo {
namespace {

// The tone at the centre of the medallion's pixel (px, py), or -1 off the face.
double TonoPixel(int px, int py)
{
    const QPointF q = DallaLastra(QPointF(px + 0.5, py + 0.5));
    const Campione c = Rilievo(q.x(), q.y());
    if (c.zona != Zona::Pelle || c.pezzo != Pezzo::Testa)
        return -1;
    return Tono(c, q.x(), q.y());
}

TEST(TitoloPelle, TheLinesThinIntoTheLightAndSwellIntoTheShade)
{
    // Over the face, pixel by pixel, in bands of tone: the highlights, the
    // light, the half-tones, the shade.
    constexpr std::array<double, 5> kFasce{0, 0.04, 0.25, 0.45, 1.01};
    std::array<double, 4> inchiostro{}, pixel{}, segnati{}, pieni{};
    for (int py = 0; py < int(2 * kMedaglioneRy); ++py)
        for (int px = 0; px < int(2 * kMedaglioneRx); ++px) {
            const double t = TonoPixel(px, py);
            if (t < 0)
                continue;
            std::size_t k = 0;
            while (t >= kFasce[k + 1])
                ++k;
            const double a = InchiostroPelleRighe(QPointF(px + 0.5, py + 0.5));
            inchiostro[k] += a;
            pixel[k] += 1;
            segnati[k] += a > 0.1;
            pieni[k] += a > 0.9;
        }
    for (std::size_t k = 0; k < 4; ++k)
        ASSERT_GT(pixel[k], 150) << k;
    // The highlights are paper.
    EXPECT_LT(segnati[0] / pixel[0], 0.01);
    // The light is cut too, not left bare, but in hairlines printing
    // lighter than full ink.
    EXPECT_GT(segnati[1] / pixel[1], 0.12);
    EXPECT_LT(pieni[1] / pixel[1], 0.02);
    // Each deeper band darker, the shade's lines swollen to full ink.
    for (std::size_t k = 1; k < 4; ++k)
        EXPECT_GT(inchiostro[k] / pixel[k], inchiostro[k - 1] / pixel[k - 1] + 0.03) << k;
    EXPECT_GT(pieni[3] / pixel[3], 0.08);
}

// Across the throat, between the collar's top and the shirt front, no
// sliver of the coat is left: one printed as a line straight across the neck.
TEST(TitoloPelle, NoCoatAcrossTheThroat)
{
    for (double y = kColloY + 17; y <= kColloY + 21; y += 0.05)
        for (double x = -6; x <= 6; x += 0.25)
            EXPECT_NE(Rilievo(x, y).zona, Zona::Giacca) << x << ", " << y;
}

} // namespace
} // namespace titolo
