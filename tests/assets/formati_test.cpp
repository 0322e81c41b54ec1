// The committed pictures, checked against the formats the window loads.
#include "disegno_carte.h"
#include "lettura.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int kW = 45, kH = 72, kRiga = 136;

// Decodes a 24-bit bottom-up BMP by hand, independently of Qt's reader.
QImage DecodificaBmp(const QByteArray& b) {
  QImage img(kW, kH, QImage::Format_RGB32);
  for (int y = 0; y < kH; ++y) {
    const int riga = 54 + (kH - 1 - y) * kRiga;
    for (int x = 0; x < kW; ++x) {
      const int i = riga + 3 * x;
      img.setPixel(x, y, qRgb(uint8_t(b[i + 2]), uint8_t(b[i + 1]), uint8_t(b[i])));
    }
  }
  return img;
}

int DifferenzaMassima(const QImage& a, const QImage& b) {
  int massimo = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      massimo = std::max({massimo, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return massimo;
}

TEST(CarteBmp, HeadersSizeDepthAndPaddingAreExact) {
  for (int code = 1; code <= 40; ++code) {
    SCOPED_TRACE(code);
    const QByteArray b = LeggiFile(FileCarta(code));
    ASSERT_EQ(b.size(), 54 + kRiga * kH);
    EXPECT_EQ(b.left(2), "BM");
    EXPECT_EQ(U32(b, 2), uint32_t(b.size()));
    EXPECT_EQ(U32(b, 6), 0u);
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), uint32_t(kW));
    EXPECT_EQ(U32(b, 22), uint32_t(kH));  // positive: bottom-up
    EXPECT_EQ(U16(b, 26), 1u);
    EXPECT_EQ(U16(b, 28), 24u);
    EXPECT_EQ(U32(b, 30), 0u);  // uncompressed
    EXPECT_EQ(U32(b, 34), uint32_t(kRiga * kH));
    for (int y = 0; y < kH; ++y) EXPECT_EQ(b[54 + y * kRiga + kRiga - 1], '\0') << "row " << y;
  }
}

TEST(CarteBmp, MatchTheDrawingRightWayUp) {
  // Catches a flipped row order, swapped colour channels, or bitmaps that
  // were not regenerated after the drawing changed.
  for (int code : {1, 8, 9, 10, 11, 24, 30, 33, 40}) {
    SCOPED_TRACE(code);
    const QByteArray b = LeggiFile(FileCarta(code));
    ASSERT_EQ(b.size(), 54 + kRiga * kH);
    QImage disegno(kW, kH, QImage::Format_RGB32);
    disegno.fill(Qt::white);
    QPainter p(&disegno);
    belvane::cardart::DisegnaCarta(p, QRectF(0, 0, kW, kH), code);
    p.end();
    EXPECT_LE(DifferenzaMassima(DecodificaBmp(b), disegno), 8);
    // Only a picture that differs from its upside-down self tells the order.
    if (DifferenzaMassima(disegno, disegno.mirrored(false, true)) > 100) {
      EXPECT_GT(DifferenzaMassima(DecodificaBmp(b), disegno.mirrored(false, true)), 100);
    }
    // Qt's own reader agrees with the hand decoding.
    EXPECT_EQ(DifferenzaMassima(DecodificaBmp(b), QImage(FileCarta(code)).convertToFormat(QImage::Format_RGB32)), 0);
  }
}

TEST(CarteBmp, AllDifferentWithWhiteEdges) {
  std::set<QByteArray> impronte;
  for (int code = 1; code <= 40; ++code) {
    SCOPED_TRACE(code);
    const QByteArray b = LeggiFile(FileCarta(code));
    ASSERT_EQ(b.size(), 54 + kRiga * kH);
    impronte.insert(QCryptographicHash::hash(b.mid(54), QCryptographicHash::Sha1));
    const QImage img = DecodificaBmp(b);
    for (int x = 0; x < kW; ++x) {
      EXPECT_EQ(img.pixel(x, 0) & 0xFFFFFF, 0xFFFFFFu) << "top " << x;
      EXPECT_EQ(img.pixel(x, kH - 1) & 0xFFFFFF, 0xFFFFFFu) << "bottom " << x;
    }
    for (int y = 0; y < kH; ++y) {
      EXPECT_EQ(img.pixel(0, y) & 0xFFFFFF, 0xFFFFFFu) << "left " << y;
      EXPECT_EQ(img.pixel(kW - 1, y) & 0xFFFFFF, 0xFFFFFFu) << "right " << y;
    }
  }
  EXPECT_EQ(impronte.size(), 40u);
}

TEST(CarteBmp, SuitsInCodeOrder) {
  // Blue belongs to the swords, green to the clubs; the cups and coins
  // show neither. Checked on the ace to seven, where only emblems appear.
  auto conta = [](const QImage& img, auto predicato) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += predicato(img.pixel(x, y)) ? 1 : 0;
    return n;
  };
  auto blu = [](QRgb c) { return qBlue(c) > qRed(c) + 60 && qBlue(c) > qGreen(c) + 30; };
  auto verde = [](QRgb c) { return qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30; };
  for (int code = 1; code <= 40; ++code) {
    if ((code - 1) % 10 >= 7) continue;
    SCOPED_TRACE(code);
    const QImage img = DecodificaBmp(LeggiFile(FileCarta(code)));
    const int seme = (code - 1) / 10;
    EXPECT_EQ(conta(img, blu) > 150, seme == 3);
    EXPECT_EQ(conta(img, verde) > 150, seme == 0);
  }
}

TEST(Titolo, BaselineJfif101WithThreeComponents) {
  const QByteArray b = LeggiFile(FileArte(QStringLiteral("title.jpg")));
  ASSERT_GT(b.size(), 1000);
  ASSERT_EQ(uint8_t(b[0]), 0xFF);
  ASSERT_EQ(uint8_t(b[1]), 0xD8);
  // The first segment is APP0 "JFIF", version 1.01.
  ASSERT_EQ(uint8_t(b[3]), 0xE0);
  EXPECT_EQ(b.mid(6, 5), QByteArray("JFIF\0", 5));
  EXPECT_EQ(uint8_t(b[11]), 1);
  EXPECT_EQ(uint8_t(b[12]), 1);
  // Walk the segments up to the start of scan: exactly one frame, SOF0.
  int i = 2, sof0 = -1, altriSof = 0;
  while (i + 4 <= b.size()) {
    ASSERT_EQ(uint8_t(b[i]), 0xFF) << "at " << i;
    const uint8_t marcatore = uint8_t(b[i + 1]);
    if (marcatore == 0xDA) break;
    const int lunghezza = int(uint8_t(b[i + 2])) << 8 | uint8_t(b[i + 3]);
    if (marcatore == 0xC0) sof0 = i;
    else if (marcatore >= 0xC1 && marcatore <= 0xCF && marcatore != 0xC4 && marcatore != 0xC8 &&
             marcatore != 0xCC)
      ++altriSof;
    i += 2 + lunghezza;
  }
  ASSERT_GE(sof0, 0);
  EXPECT_EQ(altriSof, 0);
  EXPECT_EQ(uint8_t(b[sof0 + 4]), 8);  // bits per sample
  EXPECT_EQ(int(uint8_t(b[sof0 + 5])) << 8 | uint8_t(b[sof0 + 6]), 362);
  EXPECT_EQ(int(uint8_t(b[sof0 + 7])) << 8 | uint8_t(b[sof0 + 8]), 532);
  EXPECT_EQ(uint8_t(b[sof0 + 9]), 3);
  EXPECT_EQ(uint8_t(b[b.size() - 2]), 0xFF);
  EXPECT_EQ(uint8_t(b[b.size() - 1]), 0xD9);
}

TEST(Icona, Is32x32At4BitsWithMask) {
  const QByteArray b = LeggiFile(FileArte(QStringLiteral("belvane.ico")));
  constexpr int kDati = 40 + 16 * 4 + 32 * 16 + 32 * 4;
  ASSERT_EQ(b.size(), 6 + 16 + kDati);
  EXPECT_EQ(U16(b, 0), 0u);
  EXPECT_EQ(U16(b, 2), 1u);  // icon, not cursor
  EXPECT_EQ(U16(b, 4), 1u);
  EXPECT_EQ(uint8_t(b[6]), 32);
  EXPECT_EQ(uint8_t(b[7]), 32);
  EXPECT_EQ(uint8_t(b[8]), 16);
  EXPECT_EQ(U16(b, 10), 1u);
  EXPECT_EQ(U16(b, 12), 4u);
  EXPECT_EQ(U32(b, 14), uint32_t(kDati));
  EXPECT_EQ(U32(b, 18), 22u);
  EXPECT_EQ(U32(b, 22), 40u);
  EXPECT_EQ(U32(b, 26), 32u);
  EXPECT_EQ(U32(b, 30), 64u);  // colour bitmap and mask
  EXPECT_EQ(U16(b, 36), 4u);
  // The mask: transparent corners, opaque middle; Qt reads it the same way.
  const int maschera = 22 + 40 + 64 + 512;
  const auto bit = [&](int x, int yDallAlto) {
    const int riga = maschera + (31 - yDallAlto) * 4;
    return (uint8_t(b[riga + x / 8]) >> (7 - x % 8)) & 1;
  };
  EXPECT_EQ(bit(0, 0), 1);
  EXPECT_EQ(bit(31, 31), 1);
  EXPECT_EQ(bit(16, 16), 0);
  const QImage img(FileArte(QStringLiteral("belvane.ico")));
  ASSERT_EQ(img.size(), QSize(32, 32));
  EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
  EXPECT_EQ(img.pixel(16, 1), qRgb(0, 0, 128));  // dark blue ground
  int rossi = 0, gialli = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      rossi += img.pixel(x, y) == qRgb(255, 0, 0) && y < 18;
      gialli += img.pixel(x, y) == qRgb(255, 255, 0) && y > 18;
    }
  EXPECT_GT(rossi, 60);
  EXPECT_GT(gialli, 40);
}

TEST(Icona, ScalableVersionRenders) {
  QSvgRenderer svg(FileArte(QStringLiteral("belvane.svg")));
  ASSERT_TRUE(svg.isValid());
  QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  svg.render(&p);
  p.end();
  EXPECT_EQ(img.pixel(32, 2), qRgb(0, 0, 128));
}

}  // namespace
