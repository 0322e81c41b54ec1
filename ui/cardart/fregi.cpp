// The ornament of the two, where its emblems leave a band of white across
// the card: a golden garland, as a printed pack's two carries one. Drawn
// thin, open and in the ornament's own gold (red only in the larger
// drawing), never a closed mass an eye could count.
#include "fregi.h"

#include "disposizioni.h"
#include "emblemi_forme.h"
#include "pennelli.h"

#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace belvane::cardart {
namespace {

constexpr qreal kOnda = 1.3;         // how far the stem arches from the straight line
constexpr qreal kFoglia = 3.4;       // a leaf's length
constexpr qreal kStelo = 0.7;        // the stem's width
constexpr qreal kSteloPixel = 1.1;   // the same at the natural size: one unbroken pixel line
constexpr int kPassi = 32;           // points along the stem
constexpr qreal kMezzoFregio = 12.5; // half the garland, across the card

// The pixel centre at or above `y`.
qreal SulPixel(qreal y) { return std::floor(y) + 0.5; }

// Degrees clockwise from straight up of the direction `v`, as Foglia takes
// them.
qreal Verso(QPointF v) { return qRadiansToDegrees(std::atan2(v.x(), -v.y())); }

// Half the garland, from `a` to `b`: a stem arching once, a tendril
// curling back from each end; in the larger drawing a red flower at the
// arch's top between two leaves (at the natural size a red dot there is
// counted, and leaves of a pixel or two are specks).
void MezzaGhirlanda(QPainter &p, QPointF a, QPointF b)
{
    const bool pixel = InchiostroDelPixelInUso();
    const QPointF d = b - a;
    const qreal lungo = std::hypot(d.x(), d.y());
    const QPointF t(d.x() / lungo, d.y() / lungo), n(-t.y(), t.x());
    const auto punto = [&](qreal s) { return a + d * s + n * (kOnda * std::sin(s * M_PI)); };
    QPainterPath stelo;
    stelo.moveTo(punto(0));
    for (int i = 1; i <= kPassi; ++i)
        stelo.lineTo(punto(qreal(i) / kPassi));
    QPainterPath viticci;
    for (const int capo : {0, 1}) {
        const QPointF o = punto(capo);
        const QPointF avanti = capo ? -t : t; // towards the middle
        const QPointF fuori = n * (capo ? -1 : 1);
        viticci.moveTo(o + avanti * 1.2);
        viticci.cubicTo(o + avanti * 2.2 + fuori * 2.4, o + avanti * 4.4 + fuori * 2.6, o + avanti * 4.2 + fuori * 1.2);
        viticci.cubicTo(o + avanti * 4.0 + fuori * 0.4, o + avanti * 3.2 + fuori * 0.6, o + avanti * 3.3 + fuori * 1.3);
    }
    const qreal spessore = pixel ? kSteloPixel : kStelo;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFregio, spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(stelo);
    p.setPen(QPen(kFregio, spessore * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(viticci);
    if (pixel)
        return;
    const QPointF c = punto(0.5);
    QPainterPath foglie, vene;
    for (const qreal lato : {-1.0, 1.0}) {
        const QPointF base = punto(0.5 + lato * 0.16);
        const qreal angolo = Verso(t * lato + n * 0.9);
        foglie = Unione(foglie, Foglia(base, kFoglia, kFoglia * 0.45, angolo, 0.35, 0.75, 1.0, 0.5));
        QTransform v;
        v.translate(base.x(), base.y());
        v.rotate(angolo);
        vene.moveTo(v.map(QPointF(0, -0.4)));
        vene.lineTo(v.map(QPointF(0, -kFoglia * 0.75)));
    }
    Riempi(p, foglie, kTintaOro.luce, kOroCavo, 0.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaOro.ombra, 0.18, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(vene);
    // Four red petals along and across the stem round a gold heart.
    QPainterPath petali;
    for (int i = 0; i < 4; ++i) {
        QTransform r;
        r.translate(c.x(), c.y());
        r.rotate(Verso(t) + 45 + 90 * i);
        petali = Unione(petali, r.map(Cerchio({0, -1.25}, 0.75, 1.25)));
    }
    Riempi(p, petali, kTintaRosso.corpo, kTintaRosso.ombra, 0.25);
    Ellisse(p, c, 0.6, 0.6, kTintaOro.luce, kOroCavo, 0.25);
}

} // namespace

void Fregio(QPainter &p, Seme seme, int valore)
{
    if (valore == 2) {
        const std::span<const Posa> pose = Disposizione(seme, valore);
        // Across the white between the two emblems, from the middle out
        // either way, one half the other's mirror: a scroll lying across the
        // card, which no emblem ever does.
        const Posa &su = pose[0], &giu = pose[1];
        const QPointF c(su.x, SulPixel((su.y + giu.y) / 2));
        for (const qreal lato : {1.0, -1.0}) {
            p.save();
            p.translate(c.x(), 0);
            p.scale(lato, 1);
            p.translate(-c.x(), 0);
            MezzaGhirlanda(p, c, c + QPointF(kMezzoFregio, 0));
            p.restore();
        }
    }
}

} // namespace belvane::cardart
