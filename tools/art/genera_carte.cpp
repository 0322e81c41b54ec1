// Writes the 40 card bitmaps carta01.bmp .. carta40.bmp from the vector
// drawing. Run by hand; its output is committed under assets/art/cards.
#include "disegno_carte.h"
#include "scrittura_bmp.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    using namespace belvane;
    using namespace belvane::cardart;
    const QDir cartella(QString::fromLocal8Bit(argv[1]));
    for (int code = 1; code <= 40; ++code) {
        QImage img(kLarghezzaCarta, kAltezzaCarta, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            DisegnaCarta(p, QRectF(0, 0, kLarghezzaCarta, kAltezzaCarta), code);
        }
        const QString nome = cartella.filePath(QStringLiteral("carta%1.bmp").arg(code, 2, 10, QChar('0')));
        QFile f(nome);
        if (!f.open(QIODevice::WriteOnly) || f.write(belvane::strumenti::Bmp24(img)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(nome));
            return 1;
        }
    }
    return 0;
}
