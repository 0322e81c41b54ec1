#include "pedana.h"

#include "stampa.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

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
// ground's strokes vary in length and spacing as a cutter's do.
qreal Caso(int k)
{
    unsigned h = unsigned(k) * 2654435761u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (h & 0xFFFF) / 65536.0;
}

} // namespace

void Pedana(QPainter &p, Seme seme) { Lastra(p, kTerreno, TintaDelSeme(seme)); }

void Lastra(QPainter &p, const QRectF &r, const Tinta &t)
{
    // A strip of ground as a print lays it under its figures, cut square at
    // the drawing's sides as if by a frame: ends that fall away or an outline
    // all round make it a figurine's base. A dark line along its uneven top,
    // and in the larger drawing a few tufts rising from it and its front
    // hatched across like turned earth.
    const FuoriContorno terra;
    const qreal l = r.left(), d = r.right(), su = r.top(), giu = r.bottom();
    const bool pixel = !Piatta();

    // The top steps up and down a little, in runs of a few units, as
    // clods and hummocks: a smooth wave along it reads as water. At the
    // natural size each step a whole pixel, the runs square to the pixel
    // grid: a slope there breaks the line into stray dark specks. In the
    // larger drawing the steps are low hummocks, their tops a little rough.
    QPolygonF profilo;
    const qreal salto = pixel ? 1.0 : 0.6, scarpa = pixel ? 0.0 : 1.4;
    int k = 0;
    for (qreal x = l; x < d; ++k) {
        const bool alto = k % 2 == 1;
        const qreal fine = std::min(d, x + (alto ? 2 + std::floor(Caso(k) * 4) : 4 + std::floor(Caso(k) * 6)));
        const qreal y = alto ? su - salto : su;
        const qreal da = x == l ? x : x + scarpa / 2, a = fine == d ? fine : fine - scarpa / 2;
        profilo << QPointF(da, y);
        for (qreal m = da + 0.9; !pixel && m < a - 0.6; m += 0.9 + Caso(100 + k) * 0.6)
            profilo << QPointF(m, y + (Caso(int(m * 7)) - 0.5) * 0.35);
        profilo << QPointF(a, y);
        x = fine;
    }
    QPolygonF campo = profilo;
    campo << QPointF(d, giu) << QPointF(l, giu);
    p.setPen(Qt::NoPen);
    p.setBrush(t.corpo);
    p.drawPolygon(campo);

    // The hatching: short strokes leaning as a cutter lays them on earth,
    // scattered and sparser further down; in level rows of dashes it read as
    // ripples, the blue ground as water. None at the natural size, where a
    // stroke wide enough to win its pixels reads as a line painted on it.
    if (!pixel) {
        QPainterPath solchi;
        int n = 0;
        for (int riga = 0; riga < 4; ++riga) {
            const qreal y = su + 1.2 + riga * 0.9, rado = 1 + riga * 0.6;
            for (qreal x = l + 0.5 + Caso(n++) * 1.5; x < d - 1.2;) {
                const qreal alto = 0.8 + Caso(n++) * 0.6, pende = alto * 0.6;
                const qreal w = kTrattoInterno;
                solchi.addPolygon(QPolygonF({{x + pende, y}, {x + pende + w, y}, {x + w, y + alto}, {x, y + alto}}));
                solchi.closeSubpath();
                x += rado * (0.7 + Caso(n++) * 1.3);
            }
        }
        p.setBrush(t.ombra);
        p.drawPath(solchi);
    }

    // The line along the top and the tufts on it, in the figures' ink.
    const qreal linea = pixel ? 1.0 : qreal(kTrattoFine);
    QPolygonF riga = profilo;
    for (auto q = profilo.crbegin(); q != profilo.crend(); ++q)
        riga << *q + QPointF(0, linea);
    QPainterPath cima;
    cima.addPolygon(riga);
    cima.closeSubpath();
    // Tufts only in the larger drawing: at the natural size they are specks
    // of dirt on the white.
    if (!pixel) {
        constexpr qreal kCiuffi[] = {6.2, 14.8, 24.6, 33.4, 38.8};
        constexpr qreal alto = 1.3, largo = 0.8;
        const qreal base = su + 0.4; // under the top however it runs there
        for (qreal x : kCiuffi) {
            // Two blades leaning apart.
            cima.addPolygon(QPolygonF({{x - largo, base}, {x - largo * 0.6, su - alto}, {x, base}}));
            cima.closeSubpath();
            cima.addPolygon(QPolygonF({{x, base}, {x + largo * 0.7, su - alto * 0.7}, {x + largo, base}}));
            cima.closeSubpath();
        }
    }
    p.setBrush(kContorno);
    cima.setFillRule(Qt::WindingFill); // the blades overlap the line
    p.drawPath(cima);
}

} // namespace belvane::cardart
