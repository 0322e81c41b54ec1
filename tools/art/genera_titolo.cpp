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

    // The caption: two lines in the book roman at the lower left, on a
    // clear tablet ruled round in the frame's cream, as rules running between
    // letters this small blur them. The ground's rules keep clear of the
    // tablet, of the name and its shade and of the oval's frame.
    QFont didascalia(tondo);
    didascalia.setPixelSize(12);
    const QString righe[] = {QStringLiteral("A Quintavox game"), QStringLiteral("Belvane, version " BELVANE_VERSIONE)};
    const QPointF dove[] = {{26, 333}, {26, 348}};
    const QPainterPath nome = ContornoNome(corsivo);
    QPainterPath scritte = OmbraNome(nome);
    QPainterPath didascalie;
    for (int k = 0; k < 2; ++k)
        didascalie.addText(dove[k], didascalia, righe[k]);
    // On whole pixels, so its rule prints as crisply as the frame's.
    const QRect tavola = didascalie.boundingRect().adjusted(-4, -5, 5, 5).toAlignedRect();
    scritte.addRect(tavola);
    scritte.addEllipse(kMedaglione, kMedaglioneRx + kCorniceMargine - kFondoRisparmio,
                       kMedaglioneRy + kCorniceMargine - kFondoRisparmio);

    QImage img = Fondo(scritte);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The open frame: a thick and a thin light rule along the top and down
    // the left side, the thin one inside, both ending together. Each is one
    // stroke round its corner, so the corner is not inked twice.
    constexpr double fine = kLarghezza - kFilettoDa, piede = kAltezza - kFilettoDa, dentro = kFilettoInterno;
    p.setPen(QPen(kCarta, kFilettoSpessore, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const QPointF grosso[] = {{fine, kFilettoDa}, {kFilettoDa, kFilettoDa}, {kFilettoDa, piede}};
    p.drawPolyline(grosso, 3);
    p.setPen(QPen(kCarta, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    const QPointF sottile[] = {{fine, dentro}, {dentro, dentro}, {dentro, piede}};
    p.drawPolyline(sottile, 3);
    // Each pair of rules ends in a small lozenge, so the open frame is
    // finished rather than cut off.
    const double mezzo = (kFilettoDa + dentro) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(kCarta);
    for (const QPointF &capo : {QPointF(fine + 5.5, mezzo), QPointF(mezzo, piede + 5.5)}) {
        const QPointF rombo[] = {capo + QPointF(-3.6, 0), capo + QPointF(0, -3.6), capo + QPointF(3.6, 0),
                                 capo + QPointF(0, 3.6)};
        p.drawPolygon(rombo, 4);
    }

    DisegnaNome(p, corsivo);
    DisegnaMedaglione(p);

    p.setPen(QPen(kCarta, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(tavola).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(didascalia);
    p.setPen(kCarta);
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
