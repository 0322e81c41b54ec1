// The sitter's flesh as the engraving cuts it: the light left as paper, the
// lines swelling with the shade they pass through.
#include "titolo_misure.h"
#include "titolo_pelle.h"
#include "titolo_volto.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace titolo {
namespace {

// The ink the flesh's lines leave in the medallion's pixel (px, py), as the
// engraving is cut: the fine lines sample by sample, averaged, under the
// ones cut on whole pixels. Negative off the face.
double Pixel(int px, int py)
{
    const QPointF centro = DallaLastra(QPointF(px + 0.5, py + 0.5));
    const Campione c = Rilievo(centro.x(), centro.y());
    if (c.zona != Zona::Pelle || c.pezzo != Pezzo::Testa)
        return -1;
    double fini = 0;
    for (int k = 0; k < kScala * kScala; ++k) {
        const QPointF q = DallaLastra(QPointF(px + (k % kScala + 0.5) / kScala, py + (k / kScala + 0.5) / kScala));
        const Campione v = Rilievo(q.x(), q.y());
        if (v.zona == Zona::Pelle)
            fini += InchiostroPelle(v, q.x(), q.y(), Tono(v, q.x(), q.y()));
    }
    return 1 - (1 - fini / (kScala * kScala)) * (1 - InchiostroPelleRighe(QPointF(px + 0.5, py + 0.5)));
}

TEST(TitoloPelle, TheLightIsPaperAndTheLinesSwellIntoTheShade)
{
    // Over the face, pixel by pixel, by tone in fifths.
    std::vector<double> inchiostro(5, 0), pixel(5, 0), segnati(5, 0);
    for (int py = 0; py < int(2 * kMedaglioneRy); ++py)
        for (int px = 0; px < int(2 * kMedaglioneRx); ++px) {
            const double a = Pixel(px, py);
            if (a < 0)
                continue;
            const QPointF q = DallaLastra(QPointF(px + 0.5, py + 0.5));
            const int fascia = std::min(4, int(Tono(Rilievo(q.x(), q.y()), q.x(), q.y()) * 5));
            inchiostro[std::size_t(fascia)] += a;
            pixel[std::size_t(fascia)] += 1;
            segnati[std::size_t(fascia)] += a > 0.15;
        }
    // The lit brow and cheek are left near bare, not fogged with hairlines.
    ASSERT_GT(pixel[0], 300);
    EXPECT_LT(segnati[0] / pixel[0], 0.002);
    // Each deeper fifth wider lines; the darkest are few, and lie round the
    // features whose own cuts the lines keep clear of.
    for (std::size_t k = 1; k < 5; ++k) {
        if (pixel[k] > 300 && pixel[k - 1] > 300) {
            EXPECT_GT(inchiostro[k] / pixel[k], inchiostro[k - 1] / pixel[k - 1] + 0.03) << k;
        }
    }
}

// The lit cheek is not bare from the nose to its outline: the lines of the
// shaded side run on across it where it turns away, fading out before its
// middle, which faces the light.
TEST(TitoloPelle, TheLitCheekTurnsTowardsItsOutlineAndItsMiddleStaysBare)
{
    double fuori = 0, dentro = 0;
    int nFuori = 0, nDentro = 0;
    for (int py = 0; py < int(2 * kMedaglioneRy); ++py)
        for (int px = 0; px < int(kMedaglioneRx); ++px) {
            const QPointF q = DallaLastra(QPointF(px + 0.5, py + 0.5));
            if (q.y() < kOcchiY + 5 || q.y() > kBoccaY - 4)
                continue;
            const double a = Pixel(px, py);
            const double u = -q.x() / MezzaLarghezza(q.y());
            if (a < 0 || u <= 0)
                continue;
            if (u > 0.75 && u < 0.95)
                fuori += a, ++nFuori;
            else if (u < 0.4)
                dentro += a, ++nDentro;
        }
    ASSERT_GT(nFuori, 40);
    ASSERT_GT(nDentro, 80);
    EXPECT_GT(fuori / nFuori, 0.2);
    EXPECT_LT(dentro / nDentro, 0.03);
}

// Under the jaw the neck's shade is lines with paper between them: no row
// of flat grey left where a line swells into the next pixel, which printed
// as a smudge under the chin; and it is shade, not bare paper.
TEST(TitoloPelle, TheNecksShadeIsCutInLinesNotGrey)
{
    int grigi = 0, inchiostrati = 0, pixel = 0;
    for (int py = 0; py < int(2 * kMedaglioneRy); ++py)
        for (int px = 0; px < int(2 * kMedaglioneRx); ++px) {
            const QPointF q = DallaLastra(QPointF(px + 0.5, py + 0.5));
            if (Rilievo(q.x(), q.y()).pezzo != Pezzo::Collo)
                continue;
            const double a = InchiostroPelleRighe(QPointF(px + 0.5, py + 0.5));
            ++pixel;
            inchiostrati += a > 0.5;
            grigi += a > 0.1 && a < 0.6;
        }
    ASSERT_GT(pixel, 100);
    EXPECT_GT(inchiostrati, pixel / 4);
    EXPECT_LT(grigi, pixel / 50);
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
