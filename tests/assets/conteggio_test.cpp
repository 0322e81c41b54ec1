// The pip cards drawn large, as the game shows them: counted at a glance
// only if every mark on the card is an emblem, whole.
#include "disegno_carte.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Marks of ink, touching corners counting as touching: a pixel is ink when
// any channel is well below white, so antialiased fringes do not join two
// emblems nor split one.
int Segni(const QImage &img)
{
    const int w = img.width(), h = img.height();
    const auto inchiostro = [&](int x, int y) {
        const QRgb c = img.pixel(x, y);
        return std::min({qRed(c), qGreen(c), qBlue(c)}) < 200;
    };
    std::vector<char> visto(size_t(w * h), 0);
    int segni = 0;
    for (int i = 0; i < w * h; ++i) {
        if (visto[size_t(i)] || !inchiostro(i % w, i / w))
            continue;
        ++segni;
        visto[size_t(i)] = 1;
        std::vector<int> pila{i};
        while (!pila.empty()) {
            const int j = pila.back();
            pila.pop_back();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = j % w + dx, y = j / w + dy;
                    if (x < 0 || y < 0 || x >= w || y >= h || visto[size_t(y * w + x)] || !inchiostro(x, y))
                        continue;
                    visto[size_t(y * w + x)] = 1;
                    pila.push_back(y * w + x);
                }
        }
    }
    return segni;
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
