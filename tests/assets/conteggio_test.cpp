// The pip cards drawn large, as the game shows them: counted at a glance
// only if every mark on the card is an emblem, whole.
#include "disegno_carte.h"
#include "macchie.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Marks of ink: a pixel is ink when any channel is well below white, so
// antialiased fringes do not join two emblems nor split one.
int Segni(const QImage &img)
{
    const std::vector<int> chi = NumeraMacchie(img, [&](int x, int y) {
        const QRgb c = img.pixel(x, y);
        return std::min({qRed(c), qGreen(c), qBlue(c)}) < 200;
    });
    return chi.empty() ? 0 : *std::max_element(chi.begin(), chi.end());
}

} // namespace

// At the game's sizes the two to the seven carry their emblems and nothing
// else: an ornament on the pip grid was counted as a pip (a three's corner
// sprigs made it a five, a two's sprig between its pips a three), and an
// emblem broken in two (a hilt parted from its blade) would count twice.
TEST(CarteDisegnate, EachPipCardDrawnLargeShowsAsManyMarksAsItsCount)
{
    for (const QSize dimensione : {QSize(133, 213), QSize(180, 288)}) {
        for (int seme = 0; seme < 4; ++seme)
            for (int rango = 2; rango <= 7; ++rango) {
                const int code = seme * 10 + rango;
                SCOPED_TRACE(testing::Message() << code << " at " << dimensione.width() << "x" << dimensione.height());
                QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
                img.fill(Qt::white);
                {
                    QPainter p(&img);
                    belvane::cardart::DisegnaCarta(p, QRectF(QPointF(0, 0), dimensione), code);
                }
                EXPECT_EQ(Segni(img), rango);
            }
    }
}
