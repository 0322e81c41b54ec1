#include "titolo_scritta.h"

#include "titolo_misure.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

namespace titolo {

namespace {

constexpr double kIngrossa = 1.3; // how much the book weight is thickened, in pixels
// The shade is the letters pushed this many whole pixels right and down,
// swept from the letter so thin diagonals cast an unbroken shade, not a
// second ghost of the letter. Whole pixels, so its far edge prints as
// crisply as the letter's own.
constexpr int kCaduta = 4;
// Darker than the ground's ruled lines, so it reads as a shade and not as
// more of the ruling; it is cut solid, as a comb of lines at this size
// blurs into a grey fringe.
const QColor kOmbra(0x12, 0x09, 0x04);
// The hairline of bare ground between each letter and its shade, so the
// letter stands clear of it, in pixels.
constexpr double kFilo = 1.0;

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
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(OmbraNome(nome), kOmbra);
    p.fillPath(nome, kCarta);
    p.restore();
}

} // namespace titolo
