// The rules and about texts as committed and as the program reads them, the
// embedded pictures, and the card cache the window draws from.
#include "cache_carte.h"
#include "disegno_carte.h"
#include "lettura.h"
#include "risorse.h"
#include "versione.h"

#include <QGuiApplication>
#include <QIcon>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <limits>
#include <thread>
#include <utility>

namespace {

using belvane::cardart::CacheCarte;

TEST(Risorse, TextsLoadWithPlainLineBreaksAndItalianAccents)
{
    using namespace belvane::risorse;
    for (const auto &[testo, titolo] : {std::pair{RegoleInglese(), QStringLiteral("Game rules.\n\n")},
                                        std::pair{RegoleItaliane(), QStringLiteral("Regole del gioco.\n\n")}}) {
        EXPECT_TRUE(testo.startsWith(titolo)) << testo.toStdString();
        EXPECT_EQ(testo.count(QLatin1Char('\n')), 7);
        EXPECT_FALSE(testo.contains(QLatin1Char('\r')) || testo.contains(QChar(0xFFFD)));
    }
    for (char16_t lettera : {u'è', u'à', u'ò', u'ù'})
        EXPECT_TRUE(RegoleItaliane().contains(QChar(lettera)));
    const QStringList info = Informazioni().split(QLatin1Char('\n'));
    ASSERT_GE(info.size(), 3);
    // The version is written once, in the build: the about text, the program's record and the desktop entry
    // (below) carry it; the title picture is regenerated with it byte for byte, and the package with it.
    EXPECT_EQ(info[0], QStringLiteral("Belvane " BELVANE_VERSIONE));
    EXPECT_STREQ(belvane::versione::VersioneProdotto, BELVANE_VERSIONE);
    EXPECT_TRUE(info[1].contains(QStringLiteral("Quintavox")));
    // The web address is the project's home, as the package and the metainfo give it.
    EXPECT_EQ(QStringLiteral("https://") + info[2], QStringLiteral(BELVANE_SITO));

    // Windows-1252 by its own table: the 0x80-0x9F block, its holes, Latin-1 above.
    EXPECT_EQ(DaWindows1252("\x80\x85\x92\x9F"), QString::fromUtf16(u"\u20AC\u2026\u2019\u0178"));
    EXPECT_EQ(DaWindows1252("\x81\x8D\x8F\x90\x9D"), QString(5, QChar(0xFFFD)));
    EXPECT_EQ(DaWindows1252("pi\xF9 \xE8\xE0\xF2\xFF"), QString::fromUtf16(u"più èàòÿ"));
}

TEST(Risorse, DesktopEntryCarriesTheProgramsVersion)
{
    // The entry is configured by CMake, the version record is C++: they must agree.
    const QString voce = QString::fromUtf8(LeggiFile(QStringLiteral(BELVANE_DESKTOP_FILE)));
    ASSERT_TRUE(voce.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_FALSE(voce.contains(QLatin1Char('@'))) << "an unfilled placeholder";
    EXPECT_TRUE(
        voce.split(QLatin1Char('\n'))
            .contains(QStringLiteral("X-Belvane-Version=") + QString::fromUtf8(belvane::versione::VersioneProdotto)));
}

TEST(Risorse, PicturesLoadByName)
{
    using namespace belvane::risorse;
    EXPECT_EQ(Copertina().size(), QSize(532, 362));
    EXPECT_FALSE(Icona().pixmap(32, 32).isNull());
    for (int code = 1; code <= 40; ++code)
        EXPECT_EQ(CartaBmp(code).size(), QSize(45, 72)) << code;
    for (int code : {0, 41, -3})
        EXPECT_TRUE(CartaBmp(code).isNull()) << code;
    EXPECT_EQ(CartaBmp(7), QImage(FileCarta(7)));
}

TEST(CacheCarte, NaturalSizeIsTheBitmapAndHighDensityIsDrawnSharp)
{
    CacheCarte cache;
    const QPixmap pm = cache.Pixmap(12, QSize(45, 72), 1.0);
    EXPECT_EQ(pm.toImage().convertToFormat(QImage::Format_RGB32),
              belvane::risorse::CartaBmp(12).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(cache.Pixmap(12, QSize(45, 72), 1.0).cacheKey(), pm.cacheKey());

    const QPixmap doppio = cache.Pixmap(25, QSize(45, 72), 2.0);
    EXPECT_EQ(doppio.size(), QSize(90, 144));
    EXPECT_EQ(doppio.deviceIndependentSize(), QSizeF(45, 72));
    // The drawing fills the larger pixmap: its middle is not blank, its edges are white.
    const QImage img = doppio.toImage();
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    int colorati = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            colorati += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(colorati, 1000);
    EXPECT_EQ(cache.Pixmap(25, QSize(90, 144), 1.5).size(), QSize(135, 216));
}

// What the window shows at any size is what drawing the card at that size
// gives, whichever way the cache came by it.
TEST(CacheCarte, EachPictureIsTheDrawingAtItsSize)
{
    CacheCarte cache;
    for (const auto &[dimensione, rapporto] :
         {std::pair{QSize(50, 80), 1.0}, {QSize(42, 67), 1.1}, {QSize(93, 149), 1.0}, {QSize(60, 96), 1.5}}) {
        for (int code = 1; code <= 40; ++code) {
            QImage atteso(QSize(qCeil(dimensione.width() * rapporto), qCeil(dimensione.height() * rapporto)),
                          QImage::Format_RGB32);
            atteso.setDevicePixelRatio(rapporto);
            atteso.fill(Qt::white);
            QPainter p(&atteso);
            belvane::cardart::DisegnaCarta(p, QRectF(QPointF(0, 0), dimensione), code);
            p.end();
            EXPECT_EQ(cache.Pixmap(code, dimensione, rapporto).toImage().convertToFormat(QImage::Format_RGB32), atteso)
                << "card " << code << " at " << dimensione.width() << "x" << dimensione.height() << " x" << rapporto;
        }
    }
}

TEST(CacheCarte, BadCodesAndSizesGiveAVisibleFallback)
{
    CacheCarte cache;
    for (int code : {0, -1, 41, 1000}) {
        const QPixmap pm = cache.Pixmap(code, QSize(45, 72), 1.0);
        EXPECT_EQ(pm.size(), QSize(45, 72)) << code;
        EXPECT_EQ(pm.toImage().pixelColor(3, 4).red(), 255) << code; // a red cross through the corner
    }
    EXPECT_FALSE(cache.Pixmap(5, QSize(0, 0), 1.0).isNull());
    EXPECT_FALSE(cache.Pixmap(5, QSize(-10, 72), std::numeric_limits<qreal>::quiet_NaN()).isNull());
    EXPECT_FALSE(cache.Pixmap(5, QSize(45, 72), 0.0).isNull());
}

// Takes in the background drawing once done, as the window does on its word.
bool Raccolte(CacheCarte &cache)
{
    for (int i = 0; i < 2000; ++i) {
        if (cache.Raccogli())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

TEST(CacheCarte, TheFortyDrawnTogetherAreThePicturesDrawnOneByOne)
{
    // The word that a drawing is done comes on a worker's thread, never on
    // the thread that asked and may be helping.
    std::atomic<int> avvisi{0}, sulChiamante{0};
    const auto chiamante = std::this_thread::get_id();
    CacheCarte insieme([&] {
        ++avvisi;
        sulChiamante += std::this_thread::get_id() == chiamante;
    });
    CacheCarte unaAllaVolta;
    int attesi = 0;
    const auto presto = [] { return std::chrono::steady_clock::now(); };
    EXPECT_FALSE(insieme.Completa(presto() + std::chrono::seconds(1))) << "nothing is being drawn";
    // The last size is finished with the calling thread drawing too, as a
    // window's frame does after a resize on its own.
    for (const auto &[dimensione, rapporto] :
         {std::pair{QSize(93, 149), 1.0}, {QSize(45, 72), 1.0}, {QSize(60, 96), 1.5}, {QSize(120, 192), 1.0}}) {
        SCOPED_TRACE(dimensione.width());
        EXPECT_FALSE(insieme.Richiedi(dimensione, rapporto));
        if (dimensione.width() == 120) {
            // The scenes were recorded for the sizes before, so the calling thread may help.
            ASSERT_TRUE(insieme.Completa(presto() + std::chrono::seconds(60)));
            EXPECT_LE(avvisi, attesi + 1) << "at most one word, and none if the caller drew the last card";
        } else {
            ASSERT_TRUE(Raccolte(insieme));
            // The worker counts the fortieth before it sends the word, so
            // pictures taken in by asking may come a moment before it.
            for (int i = 0; i < 400 && avvisi <= attesi; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            EXPECT_EQ(avvisi, ++attesi) << "one word per drawing finished by the workers";
        }
        EXPECT_EQ(sulChiamante, 0);
        EXPECT_TRUE(insieme.Richiedi(dimensione, rapporto)) << "all forty are there: nothing more to draw";
        for (int code = 1; code <= 40; ++code) {
            ASSERT_TRUE(insieme.Pronta(code, dimensione, rapporto)) << code;
            const QPixmap pm = insieme.Pixmap(code, dimensione, rapporto);
            EXPECT_EQ(pm.devicePixelRatio(), rapporto);
            EXPECT_EQ(pm.toImage().convertToFormat(QImage::Format_RGB32),
                      unaAllaVolta.Pixmap(code, dimensione, rapporto).toImage().convertToFormat(QImage::Format_RGB32))
                << code;
        }
    }
}

TEST(CacheCarte, ANewSizeStopsTheDrawingUnderWayAndTheLastTwoSizesUsedAreKept)
{
    CacheCarte cache;
    const QSize a(80, 128), b(81, 130), c(70, 112);
    EXPECT_FALSE(cache.Richiedi(a, 1.0));
    EXPECT_FALSE(cache.Richiedi(b, 1.0)); // as a drag goes on
    ASSERT_TRUE(Raccolte(cache));
    EXPECT_TRUE(cache.Richiedi(b, 1.0));
    EXPECT_FALSE(cache.Pronta(1, a, 1.0));
    EXPECT_FALSE(cache.Raccogli()) << "nothing else was asked for";

    EXPECT_FALSE(cache.Richiedi(c, 1.0));
    ASSERT_TRUE(Raccolte(cache));
    EXPECT_TRUE(cache.Richiedi(b, 1.0)) << "back to the size before: kept";
    EXPECT_TRUE(cache.Richiedi(c, 1.0));
    cache.Pixmap(3, a, 1.0); // a third size drops the oldest
    EXPECT_FALSE(cache.Pronta(3, b, 1.0));
    EXPECT_TRUE(cache.Pronta(3, c, 1.0));

    // Shown again, a size is the last used, however long ago it was drawn:
    // a new size then drops the other one. (Back from a third size to the
    // one before, the window kept the wrong one and drew it anew.)
    const QSize d(90, 144), e(88, 141);
    EXPECT_TRUE(cache.Richiedi(c, 1.0));
    EXPECT_FALSE(cache.Richiedi(d, 1.0));
    ASSERT_TRUE(Raccolte(cache));
    EXPECT_TRUE(cache.Richiedi(c, 1.0));
    EXPECT_FALSE(cache.Richiedi(e, 1.0));
    ASSERT_TRUE(Raccolte(cache));
    EXPECT_TRUE(cache.Pronta(1, c, 1.0));
    EXPECT_TRUE(cache.Pronta(1, e, 1.0));
    EXPECT_FALSE(cache.Pronta(1, d, 1.0));

    // Sizes asked one after the other faster than they are drawn, as in a
    // drag, by the same workers: what is taken in is the last size, and no
    // card of it holds a stroke of a drawing stopped on the way.
    CacheCarte unaAllaVolta;
    const QSize ultima(86, 138);
    for (int volta = 0; volta < 20; ++volta)
        cache.Richiedi(QSize(60 + volta, 96 + volta), 1.0);
    EXPECT_FALSE(cache.Richiedi(ultima, 1.0));
    ASSERT_TRUE(Raccolte(cache));
    for (int code = 1; code <= 40; ++code) {
        ASSERT_TRUE(cache.Pronta(code, ultima, 1.0)) << code;
        EXPECT_EQ(cache.Pixmap(code, ultima, 1.0).toImage().convertToFormat(QImage::Format_RGB32),
                  unaAllaVolta.Pixmap(code, ultima, 1.0).toImage().convertToFormat(QImage::Format_RGB32))
            << code;
    }
}

} // namespace

int main(int argc, char **argv)
{
    // Pixmaps and icons need a QGuiApplication; discovery runs without ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
