// The committed pictures, checked against the formats the window loads.
#include "disegno_carte.h"
#include "lettura.h"
#include "macchie.h"
#include "registrazione.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace {

constexpr int kW = kLarghezzaCarta, kH = kAltezzaCarta, kRiga = kRigaCarta;

int DifferenzaMassima(const QImage &a, const QImage &b)
{
    int massimo = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int s = 0; s < 24; s += 8)
                massimo = std::max(massimo, std::abs(int(a.pixel(x, y) >> s & 0xFF) - int(b.pixel(x, y) >> s & 0xFF)));
    return massimo;
}

// Header, row padding, orientation and colour order against the drawing; Qt
// reads them alike; white edges; no two cards alike; blue only on the swords
// and green only on the clubs (checked on the ace to seven: only emblems).
TEST(CarteBmp, EachMatchesItsDrawingRightWayUpInAnExactBitmap)
{
    std::set<QByteArray> impronte;
    for (int code = 1; code <= 40; ++code) {
        SCOPED_TRACE(code);
        const QByteArray b = LeggiFile(FileCarta(code));
        ASSERT_EQ(b.size(), 54 + kRiga * kH);
        EXPECT_EQ(b.left(2), "BM");
        const std::pair<int, int> campi[] = {{2, int(b.size())}, {6, 0},  {10, 54},        {14, 40}, {18, kW}, {22, kH},
                                             {26, 1 | 24 << 16}, {30, 0}, {34, kRiga * kH}};
        for (const auto &[dove, valore] : campi)
            EXPECT_EQ(U32(b, dove), uint32_t(valore)) << "at " << dove;
        for (int y = 0; y < kH; ++y)
            EXPECT_EQ(b[54 + y * kRiga + kRiga - 1], '\0') << "padding, row " << y;
        impronte.insert(QCryptographicHash::hash(b.mid(54), QCryptographicHash::Sha1));

        const QImage img = DecodificaBmp(b);
        QImage disegno(kW, kH, QImage::Format_RGB32);
        disegno.fill(Qt::white);
        QPainter p(&disegno);
        belvane::cardart::DisegnaCarta(p, QRectF(0, 0, kW, kH), code);
        p.end();
        EXPECT_LE(DifferenzaMassima(img, disegno), 8);
        if (DifferenzaMassima(disegno, disegno.mirrored(false, true)) > 100) { // only these tell the row order
            EXPECT_GT(DifferenzaMassima(img, disegno.mirrored(false, true)), 100);
        }
        EXPECT_EQ(DifferenzaMassima(img, QImage(FileCarta(code)).convertToFormat(QImage::Format_RGB32)), 0);

        int bordoColorato = 0, blu = 0, verde = 0, colorati = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const QRgb c = img.pixel(x, y);
                bordoColorato += (x % (kW - 1) == 0 || y % (kH - 1) == 0) && (c & 0xFFFFFF) != 0xFFFFFF;
                colorati += (c & 0xFFFFFF) != 0xFFFFFF;
                blu += qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 30;
                verde += qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30;
            }
        EXPECT_EQ(bordoColorato, 0);
        if ((code - 1) % 10 < 7) {
            // The suit's own colour is a fifth of the emblems at least;
            // none of the other on clubs or swords, a gem's worth on the rest.
            const int seme = (code - 1) / 10;
            if (seme == 0) {
                EXPECT_GE(verde, colorati / 5);
                EXPECT_EQ(blu, 0);
            } else if (seme == 3) {
                EXPECT_GE(blu, colorati / 5);
                EXPECT_EQ(verde, 0);
            } else {
                EXPECT_LE(blu, colorati / 50);
                EXPECT_LE(verde, colorati / 50);
            }
        }
    }
    EXPECT_EQ(impronte.size(), 40u);
}

// The Asso di Denari's eagle at the natural size is laid pixel by pixel on a
// coin centred on a pixel column: its dark halves mirror each other about
// that column, and gold parts its two heads. Moved half a pixel, its pixels
// would split between two and it would run back into the dark blot that was
// read as a bat or a spider.
TEST(CarteBmp, TheAceOfCoinsEagleKeepsItsHeadsApart)
{
    const QImage img = DecodificaBmp(LeggiFile(FileCarta(21)));
    constexpr int kMezzo = kW / 2; // the coin's middle column
    const auto scuro = [&](int x, int y) {
        const int dx = x - kMezzo, dy = y - 36;
        return dx * dx + dy * dy < 14 * 14 && qGray(img.pixel(x, y)) < 120;
    };
    int scuri = 0, storti = 0, cima = kH;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (scuro(x, y)) {
                ++scuri;
                storti += !scuro(2 * kMezzo - x, y);
                cima = std::min(cima, y);
            }
    EXPECT_GE(scuri, 120);
    EXPECT_EQ(storti, 0);
    for (int y = cima; y < cima + 3; ++y) {
        SCOPED_TRACE(y);
        EXPECT_FALSE(scuro(kMezzo, y) || scuro(kMezzo - 1, y));
        int sinistra = 0;
        for (int x = 0; x < kMezzo; ++x)
            sinistra += scuro(x, y);
        EXPECT_GE(sinistra, 2);
    }
}

// Every ace keeps three pixels of white round it, as every pip does: the
// cudgel is laid by hand pixel by pixel and could run to the edge unseen.
TEST(CarteBmp, EveryAceStandsThreePixelsInFromEachEdge)
{
    for (int code : {1, 11, 21, 31}) {
        const QImage img = DecodificaBmp(LeggiFile(FileCarta(code)));
        QRect inchiostro;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    inchiostro |= QRect(x, y, 1, 1);
        EXPECT_TRUE(QRect(3, 3, kW - 6, kH - 6).contains(inchiostro))
            << "card " << code << ": ink from " << inchiostro.left() << "," << inchiostro.top() << " to "
            << inchiostro.right() << "," << inchiostro.bottom();
    }
}

// The four knaves, horsemen and kings are four drawings each, not one with
// the emblem swapped: any two of a rank differ in a fifth of their pixels.
TEST(CarteBmp, FiguresOfOneRankDifferInAFifthOfTheirPixels)
{
    constexpr double kMinimo = 0.20;
    constexpr int kSoglia = 24; // a channel must move this much to count
    for (int rango : {8, 9, 10}) {
        std::array<QImage, 4> figure;
        for (int s = 0; s < 4; ++s)
            figure[s] = DecodificaBmp(LeggiFile(FileCarta(s * 10 + rango)));
        double minima = 1;
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b) {
                int diversi = 0;
                for (int y = 0; y < kH; ++y)
                    for (int x = 0; x < kW; ++x)
                        diversi += DifferenzaMassima(figure[a].copy(x, y, 1, 1), figure[b].copy(x, y, 1, 1)) > kSoglia;
                const double quota = double(diversi) / (kW * kH);
                minima = std::min(minima, quota);
                EXPECT_GE(quota, kMinimo) << "rank " << rango << ", suits " << a << " and " << b;
            }
        std::printf("rank %d: least pairwise difference %.1f%%\n", rango, 100 * minima);
    }
}

// Larger cards are filled from a recording of their scene; it must show what
// drawing the scene stroke by stroke shows, up to the curves' flattening.
TEST(CarteDisegnate, TheRecordingShowsWhatStrokeByStrokeDrawingShows)
{
    constexpr int kSoglia = 24;
    for (const QSize dimensione : {QSize(92, 148), QSize(180, 288), QSize(330, 528)})
        for (int code = 1; code <= 40; ++code) {
            std::array<QImage, 2> img;
            for (int via = 0; via < 2; ++via) {
                img[via] = QImage(dimensione, QImage::Format_RGB32);
                QPainter p(&img[via]);
                const QRectF dove(QPointF(0, 0), dimensione);
                via ? belvane::cardart::DisegnaCartaPennellata(p, dove, code)
                    : belvane::cardart::DisegnaCarta(p, dove, code);
            }
            int diversi = 0;
            for (int y = 0; y < dimensione.height(); ++y)
                for (int x = 0; x < dimensione.width(); ++x)
                    diversi += DifferenzaMassima(img[0].copy(x, y, 1, 1), img[1].copy(x, y, 1, 1)) > kSoglia;
            EXPECT_LE(diversi, dimensione.width() * dimensione.height() / 200)
                << "card " << code << " at " << dimensione.width() << "x" << dimensione.height();
        }
}

TEST(CarteDisegnate, ARecordingThatCannotKeepAPaintingSaysSo)
{
    using belvane::cardart::Registra;
    const auto linea = [](QPen penna) {
        return [penna](QPainter &p) {
            p.setPen(penna);
            p.drawLine(QPointF(0, 0), QPointF(10, 10));
        };
    };
    const auto piena = Registra(linea(QPen(Qt::black, 1.5)), 4);
    EXPECT_TRUE(piena.completa);
    EXPECT_EQ(piena.campiture.size(), 1u);
    QPen sottile(Qt::black, 0);
    sottile.setCosmetic(true);
    EXPECT_FALSE(Registra(linea(sottile), 4).completa);
    EXPECT_FALSE(Registra([](QPainter &p) { p.drawText(QPointF(1, 10), QStringLiteral("7")); }, 4).completa);
    EXPECT_FALSE(Registra(
                     [](QPainter &p) {
                         p.setClipRect(QRectF(0, 0, 5, 5));
                         p.fillRect(QRectF(0, 0, 10, 10), Qt::red);
                     },
                     4)
                     .completa);
}

TEST(Copertina, BaselineJfif101Of532x362WithThreeFullResolutionComponents)
{
    const QByteArray b = LeggiFile(FileArte(QStringLiteral("title.jpg")));
    ASSERT_GT(b.size(), 1000);
    EXPECT_TRUE(b.startsWith(QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01", 13))); // APP0 first, version 1.01
    EXPECT_TRUE(b.endsWith("\xFF\xD9"));
    const auto u8 = [&](int i) { return int(uint8_t(b[i])); };
    // Walk the segments up to the start of scan: exactly one frame, SOF0.
    int sof0 = -1, altriSof = 0;
    for (int i = 2; i + 4 <= b.size() && u8(i + 1) != 0xDA; i += 2 + (u8(i + 2) << 8 | u8(i + 3))) {
        ASSERT_EQ(u8(i), 0xFF) << "at " << i;
        const int m = u8(i + 1);
        if (m == 0xC0)
            sof0 = i;
        else
            altriSof += m >= 0xC1 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
    }
    ASSERT_GE(sof0, 0);
    EXPECT_EQ(altriSof, 0);
    EXPECT_EQ(u8(sof0 + 4), 8); // bits per sample
    EXPECT_EQ(u8(sof0 + 5) << 8 | u8(sof0 + 6), 362);
    EXPECT_EQ(u8(sof0 + 7) << 8 | u8(sof0 + 8), 532);
    ASSERT_EQ(u8(sof0 + 9), 3);
    // Every component at full resolution: halved colour puts a tinted shadow
    // round the pale lettering on the brown ground.
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(u8(sof0 + 10 + 3 * c + 1), 0x11) << "component " << c;
}

// The name's letters are silver: their metal a near-white neutral, not the
// cream of the portrait's paper, nor greyed over by a gradient.
TEST(Copertina, TheNameIsSilverNotCream)
{
    const QImage img(FileArte(QStringLiteral("title.jpg")));
    ASSERT_EQ(img.size(), QSize(532, 362));
    int chiari = 0, bianchi = 0;
    double caldo = 0;
    for (int y = 35; y < 120; ++y)
        for (int x = 95; x < 440; ++x) {
            const QRgb c = img.pixel(x, y);
            if (qGray(c) <= 150) // the ground and the shade lines' darkest
                continue;
            ++chiari;
            bianchi += qGray(c) > 225;
            caldo += qRed(c) - qBlue(c);
        }
    ASSERT_GT(chiari, 3000);
    EXPECT_LT(caldo / chiari, 9);
    EXPECT_GT(bianchi, chiari / 2);
}

TEST(Icona, Is32x32At4BitsWithAMaskAndAScalableTwin)
{
    const QByteArray b = LeggiFile(FileArte(QStringLiteral("belvane.ico")));
    constexpr int kDati = 40 + 16 * 4 + 32 * 16 + 32 * 4; // header, palette, pixels, mask
    ASSERT_EQ(b.size(), 6 + 16 + kDati);
    // One 32x32 icon of 16 colours, 1 plane, 4 bits, 744 bytes at 22; its DIB twice as tall (pixels and mask).
    EXPECT_EQ(b.left(38),
              QByteArray("\0\0\1\0\1\0\x20\x20\x10\0\1\0\4\0\xE8\2\0\0\x16\0\0\0"
                         "\x28\0\0\0\x20\0\0\0\x40\0\0\0\1\0\4\0",
                         38));
    // The mask: transparent corners, opaque middle; Qt reads it the same way.
    const auto trasparente = [&](int x, int yDallAlto) {
        return (uint8_t(b[22 + 40 + 64 + 512 + (31 - yDallAlto) * 4 + x / 8]) >> (7 - x % 8)) & 1;
    };
    EXPECT_EQ((std::array{trasparente(0, 0), trasparente(31, 31), trasparente(16, 16)}), (std::array{1, 1, 0}));
    const QImage img(FileArte(QStringLiteral("belvane.ico")));
    ASSERT_EQ(img.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    EXPECT_EQ(img.pixel(16, 1), qRgb(0, 0, 128)); // dark blue ground

    QSvgRenderer svg(FileArte(QStringLiteral("belvane.svg")));
    ASSERT_TRUE(svg.isValid());
    QImage grande(64, 64, QImage::Format_ARGB32_Premultiplied);
    grande.fill(Qt::transparent);
    QPainter p(&grande);
    svg.render(&p);
    p.end();
    EXPECT_EQ(grande.pixel(32, 2), qRgb(0, 0, 128));
}

} // namespace
