// The ornament of the low pip cards, where a card of two or three emblems
// is otherwise mostly white: a golden vine from emblem to emblem, as a
// printed pack's two and three carry one. Drawn thin, open and in the
// ornament's own gold and red, never a closed mass an eye could count.
#include "fregi.h"

#include "disposizioni.h"
#include "emblemi_forme.h"
#include "geometria.h"
#include "pennelli.h"

#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace belvane::cardart {
namespace {

const QColor kColoreStelo(0xB0, 0x80, 0x24); // the stem: a brown gold, lighter than an outline
constexpr qreal kDistacco = 1.6;             // white between an emblem and the vine's end
constexpr qreal kOnda = 1.6;                 // how far the stem winds from the straight line
constexpr qreal kFoglia = 4.2;               // a leaf's length
constexpr qreal kStelo = 0.7;                // the stem's width
constexpr int kPassi = 32;                   // points along the stem

// Degrees clockwise from straight up of the direction `v`, as Foglia takes
// them.
qreal Verso(QPointF v) { return qRadiansToDegrees(std::atan2(v.x(), -v.y())); }

// A vine from `a` to `b`: a winding stem, leaves turned out from its bends
// on alternate sides, a tendril curling from each end, a small red flower
// at its middle.
void Tralcio(QPainter &p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const qreal lungo = std::hypot(d.x(), d.y());
    if (lungo < 8)
        return;
    const QPointF t(d.x() / lungo, d.y() / lungo), n(-t.y(), t.x());
    const int onde = std::max(2, int(std::round(lungo / 10)));
    const auto punto = [&](qreal s) { return a + d * s + n * (kOnda * std::sin(s * onde * M_PI)); };
    QPainterPath stelo;
    stelo.moveTo(punto(0));
    for (int i = 1; i <= kPassi; ++i)
        stelo.lineTo(punto(qreal(i) / kPassi));
    // A tendril at each end, curling back towards the middle.
    QPainterPath viticci;
    for (const int capo : {0, 1}) {
        const QPointF o = punto(capo);
        const QPointF avanti = capo ? -t : t; // towards the middle
        const QPointF fuori = n * (capo ? -1 : 1);
        viticci.moveTo(o + avanti * 1.2);
        viticci.cubicTo(o + avanti * 2.2 + fuori * 2.4, o + avanti * 4.4 + fuori * 2.6, o + avanti * 4.2 + fuori * 1.2);
        viticci.cubicTo(o + avanti * 4.0 + fuori * 0.4, o + avanti * 3.2 + fuori * 0.6, o + avanti * 3.3 + fuori * 1.3);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kColoreStelo, kStelo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(stelo);
    p.setPen(QPen(kColoreStelo, kStelo * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(viticci);
    // Leaves where the stem bends furthest, turned out from the bend, and
    // none where the flower sits.
    QPainterPath foglie, vene;
    const auto foglia = [&](QPointF base, qreal angolo, qreal lunga) {
        foglie = Unione(foglie, Foglia(base, lunga, lunga * 0.45, angolo, 0.35, 0.75, 1.0, 0.5));
        QTransform v;
        v.translate(base.x(), base.y());
        v.rotate(angolo);
        vene.moveTo(v.map(QPointF(0, -0.4)));
        vene.lineTo(v.map(QPointF(0, -lunga * 0.75)));
    };
    for (int k = 0; k < onde; ++k) {
        const qreal s = (k + 0.5) / onde;
        if (std::abs(s - 0.5) < 0.1)
            continue;
        const qreal lato = std::sin(s * onde * M_PI) > 0 ? 1 : -1;
        foglia(punto(s), Verso(n * lato + t * 0.6), kFoglia);
        // a smaller one facing it a little further on
        foglia(punto(s + 0.3 / onde), Verso(-n * lato + t * 0.7), kFoglia * 0.7);
    }
    // On a long vine two sprigs from the flower, curving out to a leaf each:
    // the vine's middle a spray, not a knot on a string.
    if (lungo > 20) {
        QPainterPath rametti;
        const QPointF c = punto(0.5);
        for (const qreal lato : {-1.0, 1.0}) {
            const QPointF fine = c + n * (lato * 4.6) - t * 1.6;
            rametti.moveTo(c);
            rametti.quadTo(c + n * (lato * 3.2) + t * 0.8, fine);
            foglia(fine, Verso(n * lato - t * 0.8), kFoglia * 0.85);
        }
        p.setPen(QPen(kColoreStelo, kStelo * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rametti);
    }
    Riempi(p, foglie, kTintaOro.luce, kOroCavo, 0.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaOro.ombra, 0.18, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(vene);
    // The flower: four red petals along and across the stem round a gold
    // heart, small enough to be a flower beside an emblem.
    const QPointF c = punto(0.5);
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
    const std::span<const Posa> pose = Disposizione(seme, valore);
    if (valore == 2) { // down the middle, from one emblem to the other
        const Posa &su = pose[0], &giu = pose[1];
        const qreal fuori = su.altezza / 2 + kDistacco;
        Tralcio(p, {su.x, su.y + fuori}, {giu.x, giu.y - fuori});
    } else if (valore == 3) {
        // Beside the diagonal, in the two corners it leaves white, turned
        // alike about the card's middle: between the emblems themselves
        // there is no room for more than a stem.
        const QPointF centro(kLarghezzaCarta / 2.0, kAltezzaCarta / 2.0);
        for (const qreal lato : {-1.0, 1.0})
            Tralcio(p, centro + lato * QPointF(10.5, -6), centro + lato * QPointF(15.5, -30));
    }
}

} // namespace belvane::cardart
