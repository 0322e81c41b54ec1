// Card pictures as the window gets them: embedded bitmaps and the cache.
#include "cache_carte.h"
#include "lettura.h"
#include "risorse.h"

#include <QIcon>

#include <gtest/gtest.h>

namespace {

using belvane::cardart::CacheCarte;

TEST(Risorse, PicturesLoadByName) {
  using namespace belvane::risorse;
  EXPECT_EQ(Titolo().size(), QSize(532, 362));
  EXPECT_FALSE(Icona().isNull());
  EXPECT_FALSE(Icona().pixmap(32, 32).isNull());
  for (int code = 1; code <= 40; ++code)
    EXPECT_EQ(CartaBmp(code).size(), QSize(45, 72)) << code;
  EXPECT_TRUE(CartaBmp(0).isNull());
  EXPECT_TRUE(CartaBmp(41).isNull());
  EXPECT_TRUE(CartaBmp(-3).isNull());
  EXPECT_EQ(CartaBmp(7), QImage(FileCarta(7)));
}

TEST(CacheCarte, NaturalSizeIsTheEmbeddedBitmap) {
  CacheCarte cache;
  const QPixmap pm = cache.Pixmap(12, QSize(45, 72), 1.0);
  EXPECT_EQ(pm.toImage().convertToFormat(QImage::Format_RGB32),
            belvane::risorse::CartaBmp(12).convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(cache.Pixmap(12, QSize(45, 72), 1.0).cacheKey(), pm.cacheKey());
}

TEST(CacheCarte, ScalesWithSizeAndPixelRatio) {
  CacheCarte cache;
  const QPixmap doppio = cache.Pixmap(25, QSize(45, 72), 2.0);
  EXPECT_EQ(doppio.size(), QSize(90, 144));
  EXPECT_EQ(doppio.devicePixelRatio(), 2.0);
  EXPECT_EQ(doppio.deviceIndependentSize(), QSizeF(45, 72));
  // The drawing fills the larger pixmap: its middle is not blank, its edges are white.
  const QImage img = doppio.toImage();
  EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
  int colorati = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) colorati += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
  EXPECT_GT(colorati, 1000);

  const QPixmap grande = cache.Pixmap(25, QSize(90, 144), 1.5);
  EXPECT_EQ(grande.size(), QSize(135, 216));
  EXPECT_EQ(grande.devicePixelRatio(), 1.5);
}

TEST(CacheCarte, BadCodesAndSizesGiveAVisibleFallback) {
  CacheCarte cache;
  for (int code : {0, -1, 41, 1000}) {
    const QPixmap pm = cache.Pixmap(code, QSize(45, 72), 1.0);
    ASSERT_FALSE(pm.isNull()) << code;
    EXPECT_EQ(pm.size(), QSize(45, 72));
    // A red cross runs through the corner region.
    EXPECT_EQ(pm.toImage().pixelColor(3, 4).red(), 255) << code;
  }
  EXPECT_FALSE(cache.Pixmap(5, QSize(0, 0), 1.0).isNull());
  EXPECT_FALSE(cache.Pixmap(5, QSize(45, 72), 0.0).isNull());
  EXPECT_FALSE(cache.Pixmap(5, QSize(-10, 72), std::numeric_limits<qreal>::quiet_NaN()).isNull());
}

}  // namespace
