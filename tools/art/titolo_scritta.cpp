#include "titolo_scritta.h"

#include "titolo_misure.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace titolo {

namespace {

const QColor kArgento(0xE4, 0xE5, 0xE8);
const QColor kTratteggio(0x5E, 0x61, 0x6A);
const QColor kFiloContorno(0x26, 0x26, 0x2C);
const QColor kOmbra(0x12, 0x0A, 0x05);
constexpr double kPassoTratteggio = 2.0;
constexpr double kOmbraScarto = 2.2;

// Averages kScala x kScala premultiplied pixels into one.
QImage Riduci(const QImage &grande)
{
    QImage piccola(grande.width() / kScala, grande.height() / kScala, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < piccola.height(); ++y) {
        for (int x = 0; x < piccola.width(); ++x) {
            int somma[4] = {0, 0, 0, 0};
            for (int sy = 0; sy < kScala; ++sy) {
                for (int sx = 0; sx < kScala; ++sx) {
                    const QRgb c = grande.pixel(x * kScala + sx, y * kScala + sy);
                    somma[0] += qRed(c);
                    somma[1] += qGreen(c);
                    somma[2] += qBlue(c);
                    somma[3] += qAlpha(c);
                }
            }
            constexpr int n = kScala * kScala;
            piccola.setPixel(
                x, y,
                qRgba((somma[0] + n / 2) / n, (somma[1] + n / 2) / n, (somma[2] + n / 2) / n, (somma[3] + n / 2) / n));
        }
    }
    return piccola;
}

} // namespace

void DisegnaNome(QPainter &p, const QString &famiglia)
{
    QFont corsivo(famiglia);
    corsivo.setItalic(true);
    corsivo.setPixelSize(kNomeCorpo);
    QPainterPath nome;
    nome.addText(0, 0, corsivo, QStringLiteral("Belvane"));
    nome.translate(kNomeCentroX - nome.boundingRect().center().x(), kNomeBaseY);
    const QRect spazio =
        nome.boundingRect().adjusted(-4, -4, 4 + kOmbraScarto + 2, 4 + kOmbraScarto + 2).toAlignedRect();

    // Engraved at kScala times the size, then reduced.
    QImage grande(spazio.size() * kScala, QImage::Format_ARGB32_Premultiplied);
    grande.fill(Qt::transparent);
    QPainter g(&grande);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(kScala, kScala);
    g.translate(-spazio.topLeft());
    // The shade: what the letters would hide of themselves moved down and right.
    g.fillPath(nome.translated(kOmbraScarto, kOmbraScarto).subtracted(nome), kOmbra);
    g.fillPath(nome, kArgento);
    // Parallel lines across the letters, heavier towards the foot, so the
    // silver darkens downwards by the burin alone.
    g.save();
    g.setClipPath(nome);
    const QRectF r = nome.boundingRect();
    for (double y = std::floor(r.top()) + 0.5; y < r.bottom(); y += kPassoTratteggio) {
        const double t = (y - r.top()) / r.height();
        const double spessore = 0.22 + 0.7 * t * t;
        g.fillRect(QRectF(r.left() - 2, y - spessore / 2, r.width() + 4, spessore), kTratteggio);
    }
    g.restore();
    g.setPen(QPen(kFiloContorno, 0.7));
    g.setBrush(Qt::NoBrush);
    g.drawPath(nome);
    g.end();
    p.drawImage(spazio.topLeft(), Riduci(grande));
}

} // namespace titolo
