// The sitter's hair as the engraving cuts it: combed strands with paper
// between them, its sheen left as paper rather than grey, and a parting.
#include "titolo_lastra.h"
#include "titolo_misure.h"
#include "titolo_segni.h"
#include "titolo_volto.h"

#include <QImage>
#include <QPainter>

#include <cmath>

#include <gtest/gtest.h>

namespace titolo {
namespace {

// The plate with the hair's strands cut on it, as the portrait cuts them.
Lastra Capelli()
{
    const int larghezza = int(2 * kMedaglioneRx), altezza = int(2 * kMedaglioneRy);
    Lastra lastra(larghezza, altezza);
    QImage grande(larghezza * kScala, altezza * kScala, QImage::Format_RGB32);
    QPainter p(&grande);
    p.scale(kScala, kScala);
    p.translate(kMedaglioneRx, kMedaglioneRy);
    p.scale(kIngrandimento, kIngrandimento);
    p.translate(0, kAbbassa);
    DisegnaCapelli(p, lastra);
    return lastra;
}

// Over the crown, where the hair lies full between hairline and outline:
// dark, and cut in full-ink strands with paper between them, not a grey
// mass whose sheen reads as airbrushed.
TEST(TitoloCapelli, TheCrownIsStrandsOfFullInkWithPaperBetween)
{
    const Lastra lastra = Capelli();
    int pixel = 0, pieni = 0, grigi = 0;
    double inchiostro = 0;
    for (int py = 0; py < int(2 * kMedaglioneRy); ++py)
        for (int px = 0; px < int(2 * kMedaglioneRx); ++px) {
            const QPointF q = DallaLastra(QPointF(px + 0.5, py + 0.5));
            if (Rilievo(q.x(), q.y()).zona != Zona::Capelli || q.y() > -57 || std::abs(q.x()) > 18)
                continue;
            const double a = lastra.Inchiostro(px, py);
            ++pixel;
            inchiostro += a;
            pieni += a > 0.9;
            grigi += a >= 0.1 && a <= 0.9;
        }
    ASSERT_GT(pixel, 400);
    EXPECT_GT(inchiostro / pixel, 0.6);
    EXPECT_GT(pieni, pixel / 2);
    EXPECT_LT(grigi, pixel * 2 / 5);
}

// The parting is a thread of paper from the hairline back over the crown:
// on every row it crosses, some pixel beside it is left clean.
TEST(TitoloCapelli, ThePartingIsAThreadOfPaper)
{
    const Lastra lastra = Capelli();
    int righe = 0, aperte = 0;
    for (double y = -54; y > -67; y -= 1 / kIngrandimento) {
        const double x = -8.8 + (y + 52.5) / (-69.2 + 52.5) * 2.6;
        const QPointF c = SullaLastra({x, y});
        ++righe;
        bool carta = false;
        for (int dx = -2; dx <= 2; ++dx)
            carta = carta || lastra.Inchiostro(int(std::floor(c.x())) + dx, int(std::floor(c.y()))) < 0.1;
        aperte += carta;
    }
    EXPECT_GT(aperte, righe * 4 / 5);
}

} // namespace
} // namespace titolo
