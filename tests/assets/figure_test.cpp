// The twelve figures as a player meets them at the natural size: faces that
// read as faces, and four drawings per rank rather than one recoloured.
#include "lettura.h"
#include "pedana.h"
#include "registrazione.h"
#include "scena.h"
#include "tavolozza.h"
#include "vesti.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using belvane::Seme;
constexpr int kW = 45, kH = 72;

QImage Bitmap(int code) { return QImage(FileCarta(code)).convertToFormat(QImage::Format_RGB32); }

bool Bianco(QRgb c) { return (c & 0xFFFFFF) == 0xFFFFFF; }

// Light, warm and moderately saturated: any of the deck's complexions, not
// its golds, reds or the white ground.
bool Pelle(QRgb c)
{
    const QColor q = QColor::fromRgb(c).toHsv();
    return q.hsvHue() >= 5 && q.hsvHue() <= 40 && q.hsvSaturation() >= 40 && q.hsvSaturation() <= 150 &&
        q.value() >= 170;
}

// Inside the face's box, at least half the pixels show skin and at least two
// are dark enough to be eyes: a face, not a mask or a blot. The two darkest
// are the eyes, and each has skin beside it on its row: an eye between brown
// lids and the face's edge reads as a face in shadow, however much skin lies
// below it.
TEST(Figure, EveryFaceShowsSkinAndEyesAtTheNaturalSize)
{
    for (int seme = 0; seme < 4; ++seme)
        for (int valore : {8, 9, 10}) {
            const int code = seme * 10 + valore;
            SCOPED_TRACE(code);
            const QRectF box = belvane::cardart::RiquadroViso(Seme(seme), valore);
            ASSERT_FALSE(box.isEmpty());
            const QImage img = Bitmap(code);
            ASSERT_EQ(img.size(), QSize(kW, kH));
            int pixel = 0, pelle = 0, scuri = 0;
            std::vector<std::array<int, 3>> toni; // grey, x, y
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x) {
                    if (!box.contains(QPointF(x + 0.5, y + 0.5)))
                        continue;
                    const QRgb c = img.pixel(x, y);
                    ++pixel;
                    pelle += Pelle(c);
                    scuri += qGray(c) < 90;
                    toni.push_back({qGray(c), x, y});
                }
            ASSERT_GT(pixel, 8);
            EXPECT_GE(2 * pelle, pixel) << pelle << " of " << pixel << " pixels are skin";
            ASSERT_GE(scuri, 2) << "no eyes";
            std::partial_sort(toni.begin(), toni.begin() + 2, toni.end());
            for (int i = 0; i < 2; ++i) {
                const auto [grigio, x, y] = toni[size_t(i)];
                EXPECT_TRUE(Pelle(img.pixel(x - 1, y)) || Pelle(img.pixel(x + 1, y)))
                    << "the eye at " << x << "," << y << " has no skin beside it";
            }
        }
}

// Any two figures of one rank differ in outline: of the pixels either one
// covers, at least 30 % are covered by only one.
TEST(Figure, FiguresOfOneRankDifferInSilhouette)
{
    constexpr double kMinimo = 0.30;
    for (int valore : {8, 9, 10}) {
        std::array<QImage, 4> img;
        for (int s = 0; s < 4; ++s)
            img[size_t(s)] = Bitmap(s * 10 + valore);
        double minima = 1;
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                int unione = 0, diversi = 0;
                for (int y = 0; y < kH; ++y)
                    for (int x = 0; x < kW; ++x) {
                        const bool pa = !Bianco(img[size_t(a)].pixel(x, y)), pb = !Bianco(img[size_t(b)].pixel(x, y));
                        unione += pa || pb;
                        diversi += pa != pb;
                    }
                ASSERT_GT(unione, 0);
                const double quota = double(diversi) / unione;
                minima = std::min(minima, quota);
                EXPECT_GE(quota, kMinimo) << "rank " << valore << ", suits " << a << " and " << b;
            }
        std::printf("rank %d: least silhouette difference %.1f%%\n", valore, 100 * minima);
    }
}

// A horseman dressed in another suit's colour is named by it at a glance (a
// coin-bearer in the clubs' green was taken for the Cavallo di Bastoni): each
// one's coat keeps at least 30 degrees of hue from every other suit's colour.
TEST(Figure, NoHorsemanIsDressedInAnotherSuitsColour)
{
    constexpr int kDistanza = 30;
    for (int seme = 0; seme < 4; ++seme) {
        const QColor abito = belvane::cardart::VesteDi(Seme(seme), 9).abito.toHsv();
        ASSERT_GE(abito.hsvHue(), 0) << "a grey coat has no hue to tell";
        for (int altro = 0; altro < 4; ++altro) {
            if (altro == seme)
                continue;
            const int tono = belvane::cardart::TintaDelSeme(Seme(altro)).corpo.toHsv().hsvHue();
            const int d = std::abs(abito.hsvHue() - tono);
            EXPECT_GE(std::min(d, 360 - d), kDistanza)
                << "the horseman of suit " << seme << " in suit " << altro << "'s colour";
        }
    }
}

// The colour a player names at a glance, for a pixel of the natural size:
// the four suits' (gold, green, red, blue), blue-green (taken for either of
// its neighbours), the colours no suit uses, or none (greys, black, white,
// skin). Dark red is wine, dull orange and yellow are brown.
enum class Nome { Oro, Verde, Rosso, Blu, VerdeBlu, Viola, Vino, Marrone, Arancio, Rosa, Nessuno };

Nome NomeDi(QRgb c)
{
    const QColor q = QColor::fromRgb(c).toHsv();
    const int h = q.hsvHue(), s = q.hsvSaturation(), v = q.value();
    if (s < 64 || v < 64 || Pelle(c))
        return Nome::Nessuno;
    if (h >= 345 || h < 12)
        return s < 128 ? Nome::Rosa : v < 153 ? Nome::Vino : Nome::Rosso;
    if (h < 70)
        return v < 158 ? Nome::Marrone : h < 35 ? Nome::Arancio : Nome::Oro;
    if (h < 160)
        return Nome::Verde;
    if (h < 200)
        return Nome::VerdeBlu;
    return h < 255 ? Nome::Blu : h < 320 ? Nome::Viola : Nome::Vino;
}

// Whether a colour so named points to `seme`.
bool DelSeme(Nome n, Seme seme)
{
    switch (seme) {
    case Seme::Bastoni:
        return n == Nome::Verde || n == Nome::VerdeBlu;
    case Seme::Coppe:
        return n == Nome::Rosso;
    case Seme::Denari:
        return n == Nome::Oro;
    case Seme::Spade:
        return n == Nome::Blu || n == Nome::VerdeBlu;
    }
    return false;
}

// At the natural size a figure's clothes are what the eye finds first,
// before his emblem or the thin platform (the king of clubs in red was taken
// for the king of cups, the king of cups in blue for the king of swords, the
// horseman of coins in teal for the horseman of clubs). Of each figure's
// coloured pixels, gold left out (every crown, cup and trim is gold), the
// largest colour is his own suit's or one no suit uses.
TEST(Figure, NoCourtIsDressedMostlyInAnotherSuitsColour)
{
    constexpr int kPedana = 63;
    for (int code = 1; code <= 40; ++code) {
        const int seme = int(belvane::SemeDi(code));
        if (belvane::Rango(code) < 8)
            continue;
        SCOPED_TRACE(code);
        const QImage img = Bitmap(code);
        ASSERT_EQ(img.size(), QSize(kW, kH));
        std::array<int, size_t(Nome::Nessuno)> conta{};
        for (int y = 0; y < kPedana; ++y)
            for (int x = 0; x < kW; ++x) {
                const Nome n = NomeDi(img.pixel(x, y));
                if (n != Nome::Nessuno && n != Nome::Oro)
                    ++conta[size_t(n)];
            }
        const auto piu = Nome(std::max_element(conta.begin(), conta.end()) - conta.begin());
        ASSERT_GT(conta[size_t(piu)], 40);
        for (int altro = 0; altro < 4; ++altro)
            EXPECT_TRUE(altro == seme || !DelSeme(piu, Seme(altro)))
                << "dressed mostly in suit " << altro << "'s colour";
    }
}

// The ground a court stands on tells his suit at a glance, as the pattern's
// grounds do: along its rows the suit's colour is the one most seen, and
// covers a third of them, however the ground is drawn or hatched.
TEST(Figure, EveryCourtStandsOnGroundOfHisSuitsColour)
{
    const QRect terreno = belvane::cardart::kTerreno.toAlignedRect();
    for (int code = 1; code <= 40; ++code) {
        if (belvane::Rango(code) < 8)
            continue;
        SCOPED_TRACE(code);
        const Seme seme = belvane::SemeDi(code);
        const QImage img = Bitmap(code);
        ASSERT_EQ(img.size(), QSize(kW, kH));
        std::array<int, size_t(Nome::Nessuno) + 1> conta{};
        for (int y = terreno.top(); y <= terreno.bottom(); ++y)
            for (int x = terreno.left(); x <= terreno.right(); ++x)
                ++conta[size_t(NomeDi(img.pixel(x, y)))];
        const auto piu = Nome(std::max_element(conta.begin(), conta.end() - 1) - conta.begin());
        EXPECT_TRUE(DelSeme(piu, seme)) << "the ground's commonest colour is " << int(piu);
        int delSeme = 0;
        for (size_t n = 0; n < size_t(Nome::Nessuno); ++n)
            delSeme += DelSeme(Nome(n), seme) ? conta[n] : 0;
        EXPECT_GE(3 * delSeme, terreno.width() * terreno.height());
    }
}

// Nothing runs off the card: a raised emblem, a plume or a horse's muzzle at
// the edge would read as cut off, the card having no frame. On every card,
// pips and figures alike, the outer three pixels all round stay white; only
// the platform a figure stands on reaches further down.
TEST(Figure, EveryCardKeepsAWhiteMarginOfThreePixels)
{
    constexpr int kMargine = 3;
    constexpr int kPedana = 63; // the first row a figure's platform may fill
    for (int code = 1; code <= 40; ++code) {
        const bool figura = code % 10 >= 8 || code % 10 == 0;
        const QImage img = Bitmap(code);
        ASSERT_EQ(img.size(), QSize(kW, kH));
        int toccati = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const bool bordo = x < kMargine || y < kMargine || x >= kW - kMargine || y >= kH - kMargine;
                if (bordo && !(figura && y >= kPedana) && !Bianco(img.pixel(x, y)))
                    ++toccati;
            }
        EXPECT_EQ(toccati, 0) << "card " << code;
    }
}

// Larger cards are filled from a recording of each scene. A painting the
// recording cannot keep (a gradient, a clip, text) would pass every picture
// test and only make every resize draw the card stroke by stroke.
TEST(Figure, EveryCardsSceneIsRecordedWhole)
{
    for (int code = 1; code <= 40; ++code) {
        const auto r = belvane::cardart::Registra(
            [code](QPainter &p) { belvane::cardart::Scena(p, belvane::SemeDi(code), belvane::Rango(code)); }, 8);
        EXPECT_TRUE(r.completa) << "card " << code;
        EXPECT_FALSE(r.campiture.empty()) << "card " << code;
    }
}

// In the larger drawing a figure reads as printed: one firm contour in the
// outlines' full ink round the whole figure, its shapes' own outlines inside
// it in the lighter inner ink. Drawn without smoothing, the pixels on the
// figure's edge are the ink's own colour; if the contour were lost, or the
// inner ink leaked out to it, they would be the inner ink's.
TEST(Figure, TheLargerDrawingContoursEachFigureInTheFullInk)
{
    using belvane::cardart::kContorno;
    using belvane::cardart::kContornoInterno;
    constexpr int kScala = 8;
    for (int seme = 0; seme < 4; ++seme)
        for (int valore : {8, 9, 10}) {
            SCOPED_TRACE(seme * 10 + valore);
            QImage img(kW * kScala, kH * kScala, QImage::Format_RGB32);
            img.fill(Qt::white);
            {
                QPainter p(&img);
                p.scale(kScala, kScala);
                belvane::cardart::Scena(p, Seme(seme), valore);
            }
            int bordo = 0, pieno = 0, interni = 0;
            for (int y = 1; y + 1 < img.height(); ++y)
                for (int x = 1; x + 1 < img.width(); ++x) {
                    const QRgb c = img.pixel(x, y) & 0xFFFFFF;
                    interni += c == (kContornoInterno.rgb() & 0xFFFFFF);
                    if (Bianco(c) ||
                        !(Bianco(img.pixel(x - 1, y)) || Bianco(img.pixel(x + 1, y)) || Bianco(img.pixel(x, y - 1)) ||
                          Bianco(img.pixel(x, y + 1))))
                        continue;
                    ++bordo;
                    pieno += c == (kContorno.rgb() & 0xFFFFFF);
                }
            EXPECT_GE(pieno * 10, bordo * 6) << pieno << " of " << bordo << " edge pixels in the full ink";
            EXPECT_GT(interni, 500) << interni << " pixels in the inner ink";
        }
}

} // namespace
