#include "titolo_fondo.h"

#include "titolo_misure.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <cmath>

namespace titolo {

QImage Fondo(const QPainterPath &risparmio)
{
    // Where the rules stop: the lettering and a clear margin round it.
    QImage riserva(kLarghezza, kAltezza, QImage::Format_Grayscale8);
    riserva.fill(0);
    {
        QPainter m(&riserva);
        m.setRenderHint(QPainter::Antialiasing);
        QPainterPathStroker margine;
        margine.setWidth(2 * kFondoRisparmio);
        margine.setJoinStyle(Qt::RoundJoin);
        m.fillPath(risparmio.united(margine.createStroke(risparmio)), Qt::white);
    }
    // Each rule a whole row of pixels, so the tint stays crisp through the JPEG.
    QImage img(kLarghezza, kAltezza, QImage::Format_RGB32);
    for (int y = 0; y < kAltezza; ++y) {
        for (int x = 0; x < kLarghezza; ++x) {
            const double a = y % kFondoPasso == 0 ? 1 - riserva.constScanLine(y)[x] / 255.0 : 0;
            const auto mescola = [a](int fondo, int riga) { return int(std::lround(fondo + (riga - fondo) * a)); };
            img.setPixel(x, y,
                         qRgb(mescola(kFondo.red(), kFondoRiga.red()), mescola(kFondo.green(), kFondoRiga.green()),
                              mescola(kFondo.blue(), kFondoRiga.blue())));
        }
    }
    return img;
}

} // namespace titolo
