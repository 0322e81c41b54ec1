#include "assi.h"

#include "emblemi.h"
#include "emblemi_forme.h"
#include "pennelli.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <initializer_list>

namespace belvane::cardart {
namespace {

// The eagle in sable: a dark brown in three tones, light enough that the
// feathers' lines and the golden beaks tell at the natural size.
const Tinta kTintaAquila{QColor(0xA0, 0x80, 0x60), QColor(0x5A, 0x40, 0x2E), QColor(0x34, 0x24, 0x1A)};

// A closed shape through `punti` (one half of the eagle), with its mirror
// image across the vertical axis.
QPainterPath Specchiata(std::initializer_list<QPointF> punti)
{
    QPolygonF destra(punti);
    QPainterPath path;
    path.addPolygon(destra);
    path.closeSubpath();
    return Unione(path, QTransform::fromScale(-1, 1).map(path));
}

// The double-headed eagle, uncrowned, displayed: wings raised and spread, two
// heads looking outwards, the tail fanned, the legs apart; drawn in a circle
// of radius `r` round the origin.
void Aquila(QPainter &p, qreal r)
{
    const auto P = [r](qreal x, qreal y) { return QPointF(x * r, y * r); };
    // Wings: raised to the shoulder, the primaries cut in steps down the outer edge.
    QPainterPath aquila =
        Specchiata({P(0.12, -0.2), P(0.3, -0.36), P(0.5, -0.52), P(0.62, -0.56), P(0.7, -0.48), P(0.84, -0.44),
                    P(0.76, -0.34), P(0.94, -0.28), P(0.82, -0.18), P(0.98, -0.1), P(0.82, -0.02), P(0.92, 0.1),
                    P(0.72, 0.1), P(0.74, 0.22), P(0.52, 0.16), P(0.3, 0.1), P(0.12, 0.12)});
    // Body, necks and heads.
    aquila = Unione(aquila, Cerchio(P(0, -0.02), 0.2 * r, 0.34 * r));
    aquila = Unione(aquila, Specchiata({P(0, -0.24), P(0.14, -0.46), P(0.3, -0.66), P(0.42, -0.6), P(0.2, -0.26)}));
    for (qreal lato : {-1.0, 1.0}) // heads large enough to read at the natural size
        aquila = Unione(aquila, Cerchio(P(lato * 0.38, -0.72), 0.15 * r, 0.13 * r));
    // The tail, fanned and cut in three points.
    aquila = Unione(
        aquila,
        Specchiata({P(0, 0.2), P(0.12, 0.24), P(0.28, 0.58), P(0.17, 0.54), P(0.13, 0.7), P(0.05, 0.6), P(0, 0.74)}));
    // Legs and talons in the eagle's own black.
    aquila = Unione(aquila, Specchiata({P(0.08, 0.18), P(0.18, 0.16), P(0.38, 0.38), P(0.33, 0.44), P(0.2, 0.36)}));
    Modella(p, aquila, kTintaAquila, kContorno, r * 0.05, r * 0.035);

    // Feathers: the primaries parted by lines of the field's gold, wide
    // enough to show at the natural size; the coverts engraved in the light tone.
    QPainterPath separa;
    for (qreal lato : {-1.0, 1.0})
        for (int i = 0; i < 4; ++i) {
            const qreal t = (i + 0.5) / 4.0;
            separa.moveTo(P(lato * (0.42 + 0.04 * t), -0.3 + 0.36 * t));
            separa.lineTo(P(lato * (0.9 + 0.06 * t), -0.42 + 0.58 * t));
        }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaOro.corpo, r * 0.06, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(separa);
    QPainterPath penne;
    for (qreal lato : {-1.0, 1.0}) {
        const auto Q = [&](qreal x, qreal y) { return P(lato * x, y); };
        for (int i = 0; i < 5; ++i) {
            const qreal t = i / 4.0;
            penne.moveTo(Q(0.22 + 0.05 * t, -0.18 + 0.28 * t));
            penne.lineTo(Q(0.62 + 0.16 * t, -0.48 + 0.56 * t));
        }
        penne.moveTo(Q(0.2, -0.28));
        penne.quadTo(Q(0.4, -0.3), Q(0.52, -0.48));
        for (int i = 0; i < 3; ++i) {
            penne.moveTo(Q(0.03 + 0.04 * i, 0.3));
            penne.lineTo(Q(0.05 + 0.08 * i, 0.56));
        }
    }
    for (int i = 0; i < 3; ++i) { // the breast's plumage
        penne.moveTo(P(-0.1, -0.12 + 0.1 * i));
        penne.quadTo(P(0, -0.06 + 0.1 * i), P(0.1, -0.12 + 0.1 * i));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaAquila.luce, r * 0.024, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(penne);

    // Golden beaks looking outwards, red tongues, golden eyes and claws.
    QPainterPath becchi = Specchiata({P(0.48, -0.8), P(0.76, -0.76), P(0.7, -0.62), P(0.5, -0.66)});
    QPainterPath artigli;
    for (qreal lato : {-1.0, 1.0})
        for (int i = 0; i < 3; ++i)
            artigli.addEllipse(P(lato * (0.31 + 0.06 * i), 0.45 + 0.02 * (i % 2)), 0.03 * r, 0.05 * r);
    Riempi(p, Unione(becchi, artigli), kTintaOro.luce, kContorno, r * 0.035);
    QPainterPath occhi;
    for (qreal lato : {-1.0, 1.0})
        occhi.addEllipse(P(lato * 0.4, -0.75), 0.055 * r, 0.055 * r);
    p.setPen(Qt::NoPen);
    p.setBrush(kTintaOro.luce);
    p.drawPath(occhi);
}

} // namespace

// The large coin of the ace: a broad rim and a wreath round a sunken field
// that bears the eagle.
void MonetaConAquila(QPainter &p, qreal r)
{
    const QPainterPath moneta = Cerchio({0, 0}, r, r);
    Modella(p, moneta, kTintaOro, kOroScuro, 2.0, 1.1);
    const qreal campo = r * 0.8;
    // The rim's ornament: a scalloped wreath round the field. Drawn as one
    // band, not as many leaves: an area of many scattered pieces is slow to
    // fill again at every size.
    QPolygonF smerlo;
    constexpr int kLobi = 30, kPunti = 4;
    for (int i = 0; i < kLobi * kPunti; ++i) {
        const qreal a = 2 * M_PI * i / (kLobi * kPunti);
        const qreal onda = std::abs(std::sin(M_PI * (i % kPunti) / kPunti));
        const qreal raggio = r * (0.86 + 0.07 * onda);
        smerlo << QPointF(raggio * std::sin(a), -raggio * std::cos(a));
    }
    QPainterPath ghirlanda;
    ghirlanda.addPolygon(smerlo);
    ghirlanda.closeSubpath();
    Riempi(p, Differenza(ghirlanda, Cerchio({0, 0}, campo, campo)), kTintaOro.luce, kOroCavo, 0.5);
    // The field, sunk: shaded on the upper left where the rim stands over it.
    const QPainterPath fondo = Cerchio({0, 0}, campo, campo);
    Riempi(p, fondo, kTintaOro.corpo, kOroScuro, kTrattoFine);
    p.setPen(Qt::NoPen);
    p.setBrush(kOroCavo);
    p.drawPath(Differenza(fondo, fondo.translated(0.9, 0.9)));
    Aquila(p, campo);
}

void Asso(QPainter &p, Seme seme)
{
    switch (seme) {
    case Seme::Denari:
        Emblema(p, seme, {22.5, 36}, 38, 0, Ornato::Si, 0);
        break;
    case Seme::Coppe:
        Emblema(p, seme, {22.5, 37}, 48, 0, Ornato::Si, 0);
        break;
    case Seme::Spade:
        Emblema(p, seme, {22.5, 36}, 64, 0, Ornato::Si, 4.5);
        break;
    case Seme::Bastoni:
        Emblema(p, seme, {22.5, 36.5}, 62, 0, Ornato::Si, 0);
        break;
    }
}

} // namespace belvane::cardart
