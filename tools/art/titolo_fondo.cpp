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

// The rules' width in pixels: one whole row of full ink behind the name
// and the medallion, swelling downwards into the next row towards the
// edges, so the ground darkens there by its lines growing and not by a
// tint: no rule is ever a paler row. They begin to swell this far from the
// middle and are full this far (1 at the middle of each side, the sheet's
// width and height taken as 2).
constexpr double kRigaFine = 1.0, kRigaPiena = 1.9;
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
    // Each rule lies on a whole row of pixels and swells into the row under
    // it, so its upper edge is always crisp and its lower one firms as it grows.
    QImage img(kLarghezza, kAltezza, QImage::Format_RGB32);
    for (int y = 0; y < kAltezza; ++y) {
        const int sotto = y % kFondoPasso; // rows below the rule's first
        for (int x = 0; x < kLarghezza; ++x) {
            // How far out from the middle of the sheet, 1 at the middle of each side.
            const double dx = (x + 0.5) / kLarghezza * 2 - 1, dy = (y + 0.5) / kAltezza * 2 - 1;
            const double fuori =
                std::clamp((std::hypot(dx, dy) - kRigaCresceDa) / (kRigaPienaA - kRigaCresceDa), 0.0, 1.0);
            const double verso = fuori * fuori * (3 - 2 * fuori);
            const double larga = kRigaFine + (kRigaPiena - kRigaFine) * verso;
            const double coperta = std::clamp(larga - sotto, 0.0, 1.0);
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
