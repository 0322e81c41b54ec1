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
// swelling towards the edges, so the tint darkens the sheet's edges by its
// line alone, as a ruled vignette does. Even at their finest they keep
// near half a row, so the middle stays ruled and does not fade into a glow.
// They begin to swell this far from the middle and are full this far (1 at
// the middle of each side, the sheet's width and height taken as 2).
constexpr double kRigaFine = 0.45, kRigaPiena = 1.8;
constexpr double kRigaCresceDa = 0.4, kRigaPienaA = 1.0;

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
            // How far out from the middle of the sheet, 1 at the middle of each side.
            const double dx = (x + 0.5) / kLarghezza * 2 - 1, dy = (y + 0.5) / kAltezza * 2 - 1;
            const double fuori =
                std::clamp((std::hypot(dx, dy) - kRigaCresceDa) / (kRigaPienaA - kRigaCresceDa), 0.0, 1.0);
            const double verso = fuori * fuori * (3 - 2 * fuori);
            const double mezza = (kRigaFine + (kRigaPiena - kRigaFine) * verso) / 2;
            const double coperta = std::max(0.0, std::min(y + 1.0, asse + mezza) - std::max(double(y), asse - mezza));
            // The tint lies within the frame, which runs along the top and
            // down the left; the margin outside it is left plain.
            const bool margine = x < kFilettoInterno + kFondoRisparmio || y < kFilettoInterno + kFondoRisparmio;
            const double a = margine ? 0 : coperta * (1 - riserva.constScanLine(y)[x] / 255.0);
            const auto mescola = [a](int fondo, int linea) { return int(std::lround(fondo + (linea - fondo) * a)); };
            img.setPixel(x, y,
                         qRgb(mescola(kFondo.red(), kFondoRiga.red()), mescola(kFondo.green(), kFondoRiga.green()),
                              mescola(kFondo.blue(), kFondoRiga.blue())));
        }
    }
    return img;
}

} // namespace titolo
