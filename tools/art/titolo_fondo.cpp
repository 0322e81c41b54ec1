#include "titolo_fondo.h"

#include "titolo_misure.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace titolo {

namespace {

// The rules' width in pixels: fine behind the name and the medallion,
// swelling towards the corners, so the tint darkens the sheet's edges by
// its line alone, as a ruled vignette does.
constexpr double kRigaFine = 0.2, kRigaPiena = 2.0;

} // namespace

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
    // Each rule is centred on a row of pixels, so at its finest it is that
    // row a little darkened and at its fullest that row with a shade on
    // either side: it stays crisp through the JPEG at every width.
    QImage img(kLarghezza, kAltezza, QImage::Format_RGB32);
    for (int y = 0; y < kAltezza; ++y) {
        const int riga = int(std::lround(double(y) / kFondoPasso)) * kFondoPasso;
        const double asse = riga + 0.5;
        for (int x = 0; x < kLarghezza; ++x) {
            // How far towards a corner, 0 at the middle of the sheet, 1 at a corner.
            const double dx = (x + 0.5) / kLarghezza * 2 - 1, dy = (y + 0.5) / kAltezza * 2 - 1;
            const double verso = std::min(1.0, std::hypot(dx, dy) / std::sqrt(2.0));
            const double mezza = (kRigaFine + (kRigaPiena - kRigaFine) * verso) / 2;
            const double coperta = std::max(0.0, std::min(y + 1.0, asse + mezza) - std::max(double(y), asse - mezza));
            const double a = coperta * (1 - riserva.constScanLine(y)[x] / 255.0);
            const auto mescola = [a](int fondo, int linea) { return int(std::lround(fondo + (linea - fondo) * a)); };
            img.setPixel(x, y,
                         qRgb(mescola(kFondo.red(), kFondoRiga.red()), mescola(kFondo.green(), kFondoRiga.green()),
                              mescola(kFondo.blue(), kFondoRiga.blue())));
        }
    }
    return img;
}

} // namespace titolo
