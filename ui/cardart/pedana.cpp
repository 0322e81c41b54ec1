#include "pedana.h"

#include "pennelli.h"
#include "stampa.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace belvane::cardart {

const Tinta &TintaDelSeme(Seme seme)
{
    // The yellow a deep gold, its shade towards orange: a paler one was the
    // faintest ground on the white card, and a darker yellow turns olive and
    // reads as the clubs' green at the natural size.
    static const Tinta kGiallo{QColor(0xF8, 0xD8, 0x50), QColor(0xEE, 0xB8, 0x18), QColor(0xB4, 0x74, 0x08)};
    static const Tinta kRossoP{QColor(0xE8, 0x50, 0x3C), kRosso, QColor(0x98, 0x16, 0x12)};
    static const Tinta kBluP{QColor(0x5C, 0x8C, 0xEC), kBlu, QColor(0x1A, 0x3C, 0x9C)};
    static const Tinta kVerdeP{QColor(0x58, 0xB0, 0x58), kVerde, QColor(0x16, 0x60, 0x22)};
    return seme == Seme::Bastoni ? kVerdeP : seme == Seme::Coppe ? kRossoP : seme == Seme::Denari ? kGiallo : kBluP;
}

namespace {

// A fraction in [0, 1) that looks random but is the same on every run: the
// ground's rise and fall and its strokes vary as a cutter's do.
qreal Caso(int k)
{
    unsigned h = unsigned(k) * 2654435761u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (h & 0xFFFF) / 65536.0;
}

// How far above the ground's top a figure's shape still stands on it.
constexpr qreal kAlPiede = 2.0;
// How far the ground runs on beyond the outermost foot, hoof or hem.
constexpr qreal kOltre = 7.0;
// How long the ground's ends take to fall to nothing.
constexpr qreal kScarpata = 9.0;
// How far its top rises and falls.
constexpr qreal kGobbe = 0.55;

// The ground's top at `x`, in a patch from `l` to `d` whose flat top is at
// `su` and whose foot is at `giu`: a low mound, uneven along its length.
qreal Cima(qreal x, qreal l, qreal d, qreal su, qreal giu)
{
    const qreal bordo = std::clamp(std::min(x - l, d - x) / kScarpata, 0.0, 1.0);
    const qreal pieno = bordo * bordo * (3 - 2 * bordo); // no corner where the slope meets the top
    constexpr qreal kPasso = 2.6;
    const int k = int(std::floor((x - l) / kPasso));
    const qreal f = (x - l) / kPasso - k, g = (1 - std::cos(f * M_PI)) / 2;
    const qreal gobba = (Caso(k) * (1 - g) + Caso(k + 1) * g - 0.5) * 2 * kGobbe;
    return giu - pieno * (giu - su) + pieno * gobba;
}

} // namespace

void InPiedi(QPainter &p, Seme seme, const std::function<void(QPainter &)> &disegna)
{
    // The ground runs a little beyond whatever of the figure comes down to
    // it (feet, hooves, a hem): a patch under each figure, each his own
    // width, as a print lays its ground; one strip for all, drawn alike,
    // reads as a stand or a painted band.
    const QRectF &r = kTerreno;
    QPainterPath fascia;
    fascia.addRect(QRectF(r.left(), r.top() - kAlPiede, r.width(), kAlPiede + 0.5));
    const QRectF piedi = Intersezione(Sagoma(disegna), fascia).boundingRect();
    qreal l = r.left(), d = r.right();
    if (!piedi.isEmpty()) {
        l = std::max(l, piedi.left() - kOltre);
        d = std::min(d, piedi.right() + kOltre);
    }
    Lastra(p, QRectF(l, r.top(), d - l, r.height()), TintaDelSeme(seme));
    Figura(p, disegna);
}

void Lastra(QPainter &p, const QRectF &r, const Tinta &t)
{
    // A low mound of ground in the suit's colour, uneven along its top and
    // falling to nothing at its ends, a dark line along the top only: a
    // line all round, a lit edge or a smooth oval make it a figurine's
    // stand. In the larger drawing hatched across like turned earth, with a
    // few tufts; at the natural size their strokes are specks and dashes.
    const FuoriContorno terra;
    const qreal l = r.left(), d = r.right(), su = r.top(), giu = r.bottom();
    const bool pixel = !Piatta();

    QPolygonF profilo;
    constexpr qreal kFine = 0.25;
    for (qreal x = l; x < d; x += kFine)
        profilo << QPointF(x, Cima(x, l, d, su, giu));
    profilo << QPointF(d, giu);
    QPolygonF campo = profilo;
    campo << QPointF(l, giu);
    QPainterPath zolla;
    zolla.addPolygon(campo);
    zolla.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(t.corpo);
    p.drawPath(zolla);

    if (!pixel) {
        QPainterPath solchi;
        int n = 0;
        for (int k = 0; k < 3; ++k) {
            const qreal y = su + 1.5 + k * 1.0, rado = 1 + k * 0.6;
            for (qreal x = l + 1 + Caso(n++) * 2; x < d - 1;) {
                const qreal lungo = 1.2 + Caso(n++) * 2.0;
                solchi.addRect(QRectF(x, y, std::min(lungo, d - x), kTrattoInterno));
                x += lungo + rado * (0.8 + Caso(n++) * 1.6);
            }
        }
        p.setBrush(t.ombra);
        p.drawPath(Intersezione(solchi, zolla));
    }

    // The line along the top, inside the mound, in the figures' ink.
    QPainterPath cima;
    cima.addPolygon(profilo);
    QPainterPathStroker penna;
    penna.setWidth(2 * (pixel ? 0.9 : qreal(kTrattoFine)));
    penna.setJoinStyle(Qt::BevelJoin);
    penna.setCapStyle(Qt::FlatCap);
    QPainterPath linea = Intersezione(penna.createStroke(cima), zolla);
    if (!pixel) {
        for (const qreal dove : {0.18, 0.47, 0.83}) {
            const qreal x = l + dove * (d - l), y = Cima(x, l, d, su, giu) + 0.3;
            linea.addPolygon(QPolygonF({{x - 0.8, y}, {x - 0.5, y - 1.3}, {x, y}}));
            linea.closeSubpath();
            linea.addPolygon(QPolygonF({{x, y}, {x + 0.55, y - 0.9}, {x + 0.8, y}}));
            linea.closeSubpath();
        }
        linea.setFillRule(Qt::WindingFill); // the blades overlap the line
    }
    p.setBrush(kContorno);
    p.drawPath(linea);
}

} // namespace belvane::cardart
