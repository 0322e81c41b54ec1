#include "titolo_scritta.h"

#include "titolo_misure.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace titolo {

namespace {

// Silver: a white a shade cooler than the portrait's paper, so the letters
// read as metal and not as ivory, shaded by lines in the portrait's own ink
// (kInchiostro), so the name is printed in one ink with the plate and no
// blue-grey cast sits on the warm ground like a bevel laid on in a second colour.
const QColor kArgento(0xEE, 0xED, 0xE9);
constexpr double kPassoTratteggio = 2.0; // as the medallion's ground
constexpr double kIngrossa = 1.3;        // how much the book weight is thickened, in pixels
constexpr double kOrlo = 1.0;            // the unruled silver rim inside each letter's edge, in pixels
// The shaded band along each stroke: at most kFascia pixels deep, or
// kFasciaParte of the stroke across; none in strokes under kSottile pixels,
// so only the stems and the heavy curves carry it and the hairlines stay
// clean silver: shaded, they thinned into a grey fringe at this size.
constexpr double kFascia = 6.0, kFasciaParte = 0.6, kSottile = 6.5;
constexpr double kFiloOmbra = 1.0; // the cut along the shaded edge inside the rim, in pixels
// The shade lines' width at the letter's edge, in pixels: each a wedge, as a
// burin cuts it, coming to a point at the band's inner edge.
constexpr double kCuneo = 1.5;

// For every sample inside the mask, its distance in samples to the nearest
// one outside (two-pass chamfer, 3-4 weights), so the ruling can stop at an
// even rim whatever the stroke's direction.
std::vector<float> DistanzaDalBordo(const QImage &maschera)
{
    const int lg = maschera.width(), ag = maschera.height();
    constexpr float lontano = 1e6f;
    std::vector<float> d(std::size_t(lg) * ag);
    for (int y = 0; y < ag; ++y)
        for (int x = 0; x < lg; ++x)
            d[std::size_t(y * lg + x)] = maschera.constScanLine(y)[x] > 127 ? lontano : 0;
    const auto at = [&](int x, int y) {
        return x < 0 || y < 0 || x >= lg || y >= ag ? 0.f : d[std::size_t(y * lg + x)];
    };
    for (int y = 0; y < ag; ++y)
        for (int x = 0; x < lg; ++x) {
            float &v = d[std::size_t(y * lg + x)];
            v = std::min(
                {v, at(x - 1, y) + 1, at(x, y - 1) + 1, at(x - 1, y - 1) + 1.4142f, at(x + 1, y - 1) + 1.4142f});
        }
    for (int y = ag; y-- > 0;)
        for (int x = lg; x-- > 0;) {
            float &v = d[std::size_t(y * lg + x)];
            v = std::min(
                {v, at(x + 1, y) + 1, at(x, y + 1) + 1, at(x + 1, y + 1) + 1.4142f, at(x - 1, y + 1) + 1.4142f});
        }
    return d;
}

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

QPainterPath ContornoNome(const QString &famiglia)
{
    QFont corsivo(famiglia);
    corsivo.setItalic(true);
    corsivo.setPixelSize(kNomeCorpo);
    QPainterPath nome;
    nome.addText(0, 0, corsivo, QStringLiteral("Belvane"));
    // A little heavier than the book weight, so the ruled letters keep their colour.
    QPainterPathStroker ingrossa;
    ingrossa.setWidth(kIngrossa);
    ingrossa.setJoinStyle(Qt::RoundJoin);
    nome = nome.united(ingrossa.createStroke(nome)).simplified();
    nome.translate(kNomeCentroX - nome.boundingRect().center().x(), kNomeBaseY);
    return nome;
}

void DisegnaNome(QPainter &p, const QString &famiglia)
{
    const QPainterPath nome = ContornoNome(famiglia);
    const QRect spazio = nome.boundingRect().adjusted(-4, -4, 4, 4).toAlignedRect();

    // Engraved at kScala times the size, then reduced.
    QImage grande(spazio.size() * kScala, QImage::Format_ARGB32_Premultiplied);
    grande.fill(Qt::transparent);
    QImage maschera(grande.size(), QImage::Format_Grayscale8);
    maschera.fill(0);
    {
        QPainter m(&maschera);
        m.setRenderHint(QPainter::Antialiasing);
        m.scale(kScala, kScala);
        m.translate(-spazio.topLeft());
        m.fillPath(nome, Qt::white);
    }
    const int lg = maschera.width(), ag = maschera.height();
    const auto dentro = [&](int sx, int sy) {
        return sx >= 0 && sy >= 0 && sx < lg && sy < ag && maschera.constScanLine(sy)[sx] > 127;
    };
    const std::vector<float> margine = DistanzaDalBordo(maschera);
    // Each letter is left open silver on the lit side of its strokes and
    // shaded on the other (down and right) by level lines that swell
    // towards the edge; they stop on a fine cut inside a clean rim of
    // silver, which closes the letter against the ground without any dark
    // keyline round it.
    for (int sy = 0; sy < ag; ++sy) {
        for (int sx = 0; sx < lg; ++sx) {
            const int copertura = maschera.constScanLine(sy)[sx];
            if (copertura == 0)
                continue;
            const auto bordo = [&](int verso, int fino) { // samples to the edge along (1, 0.7) or back
                for (int k = 1; k <= fino; ++k)
                    if (!dentro(sx + verso * k, sy + int(std::lround(verso * k * 0.7))))
                        return k;
                return fino + 1;
            };
            constexpr int lontano = 16 * kScala;
            const int versoOmbra = bordo(1, lontano), versoLuce = bordo(-1, lontano);
            const double y = spazio.top() + (sy + 0.5) / kScala;
            // The shade is a band of even depth along each stroke's shaded
            // edge, so its inner boundary follows the letter's contour; the
            // hairlines, too thin to hold it, are left open. The line's width
            // in pixels swells from the band's inner edge to the letter's.
            const double spessore = double(versoLuce + versoOmbra) / kScala; // the stroke across, in pixels
            const double fascia = std::min(kFascia, kFasciaParte * spessore);
            const double ombra = spessore < kSottile ? 0 : std::clamp(1 - versoOmbra / (kScala * fascia), 0.0, 1.0);
            const double larghezza = ombra <= 0 ? 0 : kCuneo * std::pow(ombra, 0.8);
            const double fase = (y - 0.5) / kPassoTratteggio; // lines on the pixels' middles, not between rows
            const double d = std::abs(fase - std::round(fase)) * kPassoTratteggio;
            const double orlo = std::clamp(margine[std::size_t(sy * lg + sx)] - kOrlo * kScala + 0.5, 0.0, 1.0);
            // Inside the silver rim on the shaded side one fine unbroken cut
            // follows the edge, and the shade lines run into it, so the shade
            // ends on a contour rather than in a comb.
            const double filo =
                ombra > 0 && versoOmbra > kOrlo * kScala && versoOmbra <= (kOrlo + kFiloOmbra) * kScala ? 1.0 : 0.0;
            const double linea = std::max(filo, std::clamp((larghezza / 2 - d) * kScala + 0.5, 0.0, 1.0) * orlo);
            const auto mescola = [&](int a, int b) { return a + (b - a) * linea; };
            // Premultiplied by how much of the sample the letter covers.
            const double alfa = copertura / 255.0;
            const auto su = [&](double c) { return int(std::lround(c * alfa)); };
            grande.setPixel(sx, sy,
                            qRgba(su(mescola(kArgento.red(), kInchiostro.red())),
                                  su(mescola(kArgento.green(), kInchiostro.green())),
                                  su(mescola(kArgento.blue(), kInchiostro.blue())), su(255)));
        }
    }
    p.drawImage(spazio.topLeft(), Riduci(grande));
}

} // namespace titolo
