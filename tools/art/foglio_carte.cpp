// Contact sheet of the 40 cards for looking at them as a player would: the
// committed bitmaps at their own size on the green table, then the same
// bitmaps blown up 4x (pixel for pixel), then the vector drawing at 4x.
#include "disegno_carte.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <cards folder> <sheet.png> [first code] [last code]\n", argv[0]);
        return 2;
    }
    using namespace belvane;
    using namespace belvane::cardart;
    const QDir cartella(QString::fromLocal8Bit(argv[1]));
    const int primo = argc > 3 ? std::atoi(argv[3]) : 1;
    const int ultimo = argc > 4 ? std::atoi(argv[4]) : 40;
    const int n = ultimo - primo + 1;
    if (primo < 1 || ultimo > 40 || n < 1)
        return 2;
    constexpr int kColonne = 10;
    const int righe = (n + kColonne - 1) / kColonne;
    constexpr int kGap = 6;
    constexpr int kW = kLarghezzaCarta, kH = kAltezzaCarta;
    const int w4 = kColonne * (4 * kW + kGap) + kGap;
    const int h1 = righe * (kH + kGap) + kGap;
    const int h4 = righe * (4 * kH + kGap) + kGap;
    QImage foglio(w4, h1 + 2 * h4, QImage::Format_RGB32);
    foglio.fill(QColor(0, 128, 0));
    QPainter p(&foglio);
    for (int i = 0; i < n; ++i) {
        const int code = primo + i;
        const int c = i % kColonne, r = i / kColonne;
        QImage bmp(cartella.filePath(QStringLiteral("carta%1.bmp").arg(code, 2, 10, QChar('0'))));
        if (bmp.isNull()) {
            std::fprintf(stderr, "missing bitmap for card %d\n", code);
            continue;
        }
        p.drawImage(QPoint(kGap + c * (kW + kGap), kGap + r * (kH + kGap)), bmp);
        p.drawImage(QRect(kGap + c * (4 * kW + kGap), h1 + kGap + r * (4 * kH + kGap), 4 * kW, 4 * kH),
                    bmp.scaled(4 * kW, 4 * kH));
        DisegnaCarta(p, QRectF(kGap + c * (4 * kW + kGap), h1 + h4 + kGap + r * (4 * kH + kGap), 4 * kW, 4 * kH), code);
    }
    p.end();
    return foglio.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
