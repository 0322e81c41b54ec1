// Writes the title picture: 532 x 362 baseline JPEG, colour at full
// resolution. On a dark brown ground an open frame, the name engraved in
// silver italics, the maker's portrait engraved in an oval under it, and the
// maker's caption at the lower left.
// The typefaces are Debian's fonts-urw-base35; without them the picture
// would not be the committed one, so the generator stops.
#include "titolo_fondo.h"
#include "titolo_jpeg.h"
#include "titolo_misure.h"
#include "titolo_ritratto.h"
#include "titolo_scritta.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

using namespace titolo;

namespace {

// The family of a typeface file, or empty when it cannot be read.
QString Carica(const QString &file)
{
    const QStringList famiglie = QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(file));
    if (famiglie.isEmpty())
        std::fprintf(stderr, "cannot read %s (Debian package fonts-urw-base35)\n", qPrintable(file));
    return famiglie.isEmpty() ? QString() : famiglie.first();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <title.jpg>\n", argv[0]);
        return 2;
    }
    const QString corsivo = Carica(kCorsivo), tondo = Carica(kTondo);
    if (corsivo.isEmpty() || tondo.isEmpty())
        return 1;

    // The caption: two lines in the book roman at the lower left. The
    // ground's rules keep clear of it, of the name and of the oval's frame.
    QFont didascalia(tondo);
    didascalia.setPixelSize(12);
    const QString righe[] = {QStringLiteral("A Quintavox game"), QStringLiteral("Belvane, version " BELVANE_VERSIONE)};
    const QPointF dove[] = {{26, 333}, {26, 348}};
    QPainterPath scritte = ContornoNome(corsivo);
    for (int k = 0; k < 2; ++k)
        scritte.addText(dove[k], didascalia, righe[k]);
    scritte.addEllipse(kMedaglione, kMedaglioneRx + kCorniceMargine - kFondoRisparmio,
                       kMedaglioneRy + kCorniceMargine - kFondoRisparmio);

    QImage img = Fondo(scritte);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The open frame: a thick and a thin light rule along the top and down
    // the left side, the thin one inside, both ending together, each laid
    // on whole pixels so its edges and its corner print clean.
    p.setRenderHint(QPainter::Antialiasing, false);
    const int da = int(kFilettoDa - kFilettoSpessore / 2), spesso = int(kFilettoSpessore);
    const int dentro = int(kFilettoInterno), fine = kLarghezza - int(kFilettoDa), piede = kAltezza - int(kFilettoDa);
    p.fillRect(da, da, fine - da, spesso, kFiletto);
    p.fillRect(da, da, spesso, piede - da, kFiletto);
    p.fillRect(dentro, dentro, fine - dentro, 1, kFiletto);
    p.fillRect(dentro, dentro, 1, piede - dentro, kFiletto);
    // Each pair of rules ends in a small lozenge, so the open frame is
    // finished rather than cut off: rows of 1, 3, 5, 7, 5, 3 and 1 pixels
    // about the middle of the pair, so it is as crisp as the rules.
    const int mezzo = (da + dentro + 1) / 2;
    for (const QPoint &capo : {QPoint(fine + 5, mezzo), QPoint(mezzo, piede + 5)})
        for (int k = -3; k <= 3; ++k)
            p.fillRect(capo.x() - (3 - std::abs(k)), capo.y() + k, 2 * (3 - std::abs(k)) + 1, 1, kFiletto);
    p.setRenderHint(QPainter::Antialiasing);

    DisegnaNome(p, corsivo);
    DisegnaMedaglione(p);

    p.setFont(didascalia);
    p.setPen(kFiletto);
    for (int k = 0; k < 2; ++k)
        p.drawText(dove[k], righe[k]);
    p.end();

    // At this quality the fine rules of the ground stay clean beside the
    // frame's light rules and lozenges; lower, each carries a dark blur of
    // the compression's ringing round it.
    QString errore;
    if (!ScriviJpeg(img, QString::fromLocal8Bit(argv[1]), kQualitaJpeg, errore)) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(errore));
        return 1;
    }
    return 0;
}
