// The pip cards drawn large, as the game shows them: counted at a glance
// only if every mark on the card is an emblem, whole.
#include "disegno_carte.h"
#include "lettura.h"
#include "macchie.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

// Marks of ink: a pixel is ink when any channel is well below white, so
// antialiased fringes do not join two emblems nor split one.
bool Inchiostro(QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}) < 200; }

int Segni(const QImage &img)
{
    const std::vector<int> chi = NumeraMacchie(img, [&](int x, int y) { return Inchiostro(img.pixel(x, y)); });
    return chi.empty() ? 0 : *std::max_element(chi.begin(), chi.end());
}

// Each pip card as the game draws it at `dimensione`.
QImage Disegnata(int code, QSize dimensione)
{
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    belvane::cardart::DisegnaCarta(p, QRectF(QPointF(0, 0), dimensione), code);
    return img;
}

constexpr std::array kDimensioni{QSize(133, 213), QSize(180, 288)};

} // namespace

// At the game's sizes the two to the seven carry their emblems and nothing
// else but the two's banner, lying across the card: an ornament on the pip
// grid was counted as a pip (a three's corner sprigs made it a five, a two's
// sprig between its pips a three), and an emblem broken in two (a hilt
// parted from its blade) would count twice.
TEST(CarteDisegnate, EachPipCardDrawnLargeShowsAsManyMarksAsItsCount)
{
    for (const QSize dimensione : kDimensioni)
        for (int seme = 0; seme < 4; ++seme)
            for (int rango = 2; rango <= 7; ++rango) {
                const int code = seme * 10 + rango;
                SCOPED_TRACE(testing::Message() << code << " at " << dimensione.width() << "x" << dimensione.height());
                EXPECT_EQ(Segni(Disegnata(code, dimensione)), rango + (rango == 2));
            }
}

// Drawn large, the emblems of a pip card stand in its middle across, as
// they do in its bitmap: a leaning club drawn about its grip stood off to
// the side of its head, the clubs' columns further from one edge than from
// the other.
TEST(CarteDisegnate, PipCardsDrawnLargeKeepEvenMarginsLeftAndRight)
{
    for (const QSize dimensione : kDimensioni)
        for (int seme = 0; seme < 4; ++seme)
            for (int rango = 2; rango <= 7; ++rango) {
                const int code = seme * 10 + rango;
                SCOPED_TRACE(testing::Message() << code << " at " << dimensione.width() << "x" << dimensione.height());
                const QImage img = Disegnata(code, dimensione);
                int sinistra = img.width(), destra = -1;
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x)
                        if (Inchiostro(img.pixel(x, y))) {
                            sinistra = std::min(sinistra, x);
                            destra = std::max(destra, x);
                        }
                EXPECT_LE(std::abs(sinistra - (img.width() - 1 - destra)), 1);
            }
}

// A club drawn large is about as light a green as the same club at the
// natural size (its bark rings darken it a little): the deeper green of the
// larger drawing, forty grey levels darker, made the game's clubs dark and
// thin beside the bitmaps' and the blue swords.
TEST(CarteDisegnate, PipClubsDrawnLargeKeepTheBitmapsGreen)
{
    const auto verdeMedio = [](const QImage &img) {
        double somma = 0;
        int quanti = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qGreen(c) > qRed(c) + 20 && qGreen(c) > qBlue(c) + 10) {
                    somma += qGray(c);
                    ++quanti;
                }
            }
        return quanti ? somma / quanti : 0.0;
    };
    const double piccolo = verdeMedio(DecodificaBmp(LeggiFile(FileCarta(6))));
    for (const QSize dimensione : kDimensioni) {
        SCOPED_TRACE(dimensione.width());
        EXPECT_NEAR(verdeMedio(Disegnata(6, dimensione)), piccolo, 20);
    }
}
