#include "titolo_scritta.h"

#include "titolo_misure.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <cmath>

namespace titolo {

namespace {

constexpr double kIngrossa = 1.3; // how much the book weight is thickened, in pixels
// The shade is the letters pushed this many whole pixels right and down,
// swept from the letter so thin diagonals cast an unbroken shade, not a
// second ghost of the letter. Whole pixels, so its far edge prints as
// crisply as the letter's own.
constexpr int kCaduta = 4;
// Darker than the ground's ruled lines, so it reads as a shade and not as
// more of the ruling.
const QColor kOmbra(0x12, 0x09, 0x04);
// The hairline of bare ground between each letter and its shade, so the
// letter stands clear of it, in pixels.
constexpr double kFilo = 1.0;
// The shade is cut in level lines, one on every kRigaOmbra-th row of
// pixels, as an engraver rules a cast shade: finer than the ground's rules
// and standing clear of them, and no heavier than the portrait; laid
// solid, it would be the heaviest thing on the sheet.
constexpr int kRigaOmbra = 2;

} // namespace

QPainterPath ContornoNome(const QString &famiglia)
{
    QFont corsivo(famiglia);
    corsivo.setItalic(true);
    corsivo.setPixelSize(kNomeCorpo);
    QPainterPath nome;
    nome.addText(0, 0, corsivo, QStringLiteral("Belvane"));
    // A little heavier than the book weight, so the thin strokes keep their colour.
    QPainterPathStroker ingrossa;
    ingrossa.setWidth(kIngrossa);
    ingrossa.setJoinStyle(Qt::RoundJoin);
    nome = nome.united(ingrossa.createStroke(nome)).simplified();
    nome.translate(kNomeCentroX - nome.boundingRect().center().x(), kNomeBaseY);
    return nome;
}

QPainterPath OmbraNome(const QPainterPath &nome)
{
    QPainterPath ombra;
    for (int k = 1; k <= 2 * kCaduta; ++k)
        ombra = ombra.united(nome.translated(k / 2.0, k / 2.0));
    QPainterPathStroker filo;
    filo.setWidth(2 * kFilo);
    filo.setJoinStyle(Qt::RoundJoin);
    return ombra.subtracted(nome.united(filo.createStroke(nome))).simplified();
}

void DisegnaNome(QPainter &p, const QString &famiglia)
{
    const QPainterPath nome = ContornoNome(famiglia);
    const QRect spazio = OmbraNome(nome).boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    QImage maschera(spazio.size(), QImage::Format_Grayscale8);
    maschera.fill(0);
    {
        QPainter m(&maschera);
        m.setRenderHint(QPainter::Antialiasing);
        m.translate(-spazio.topLeft());
        m.fillPath(OmbraNome(nome), Qt::white);
    }
    QImage ombra(spazio.size(), QImage::Format_ARGB32_Premultiplied);
    ombra.fill(Qt::transparent);
    for (int y = 0; y < ombra.height(); ++y)
        for (int x = 0; x < ombra.width(); ++x) {
            const int gy = spazio.top() + y;
            if (gy % kRigaOmbra != 0)
                continue;
            const double a = maschera.constScanLine(y)[x] / 255.0;
            const auto su = [a](int v) { return int(std::lround(v * a)); };
            ombra.setPixel(x, y, qRgba(su(kOmbra.red()), su(kOmbra.green()), su(kOmbra.blue()), su(255)));
        }
    p.drawImage(spazio.topLeft(), ombra);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(nome, kCarta);
    p.restore();
}

} // namespace titolo
