#include "titolo_jpeg.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace titolo {
namespace {

// Columns of one pixel, red and blue by turns: halved colour resolution
// would leave every column the same purple.
QImage Colonne()
{
    QImage img(32, 16, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, x % 2 ? qRgb(30, 40, 220) : qRgb(220, 40, 30));
    return img;
}

TEST(TitoloJpeg, KeepsEachPixelsColourAndTheSize)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr); // for the image format plugins
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("colonne.jpg"));
    QString errore;
    ASSERT_TRUE(ScriviJpeg(Colonne(), file, 92, errore)) << qPrintable(errore);
    const QImage letta(file);
    ASSERT_EQ(letta.size(), QSize(32, 16));
    for (int x : {4, 5, 16, 17}) {
        const QRgb c = letta.pixel(x, 8);
        if (x % 2)
            EXPECT_GT(qBlue(c) - qRed(c), 120) << "column " << x;
        else
            EXPECT_GT(qRed(c) - qBlue(c), 120) << "column " << x;
    }
}

TEST(TitoloJpeg, ReportsAFileItCannotWrite)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString errore;
    EXPECT_FALSE(ScriviJpeg(Colonne(), dir.filePath(QStringLiteral("no/such/folder/x.jpg")), 92, errore));
    EXPECT_FALSE(errore.isEmpty());
    // A device that takes nothing: the failure comes from inside libjpeg.
    if (QFile::exists(QStringLiteral("/dev/full"))) {
        errore.clear();
        EXPECT_FALSE(ScriviJpeg(Colonne(), QStringLiteral("/dev/full"), 92, errore));
        EXPECT_FALSE(errore.isEmpty());
    }
}

} // namespace
} // namespace titolo
