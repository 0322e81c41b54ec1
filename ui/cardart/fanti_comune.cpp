#include "fanti_comune.h"

#include "pennelli.h"
#include "sagome.h"

#include <cmath>

namespace belvane::cardart::fanti {

QPointF CentroViso(Seme seme)
{
    switch (seme) {
    case Seme::Bastoni:
        return {19.5, 15.5};
    case Seme::Coppe:
        return {25.5, 15.5};
    case Seme::Denari:
        return {19.5, 16.5};
    case Seme::Spade:
        return {25.5, 15.5};
    }
    return {22.5, 15.5};
}

void Forma(QPainter &p, const Profilo &forma, const Tinta &tinta, qreal ombra, qreal luce, const QColor &bordo)
{
    // The shade over the whole shape; inside it, the lit part moved towards
    // the light, so that a crescent of shade shows along the lower right;
    // inside that, the body moved back, leaving a crescent of light along
    // the upper left.
    const qreal diagonale = 1 / std::sqrt(2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(ombra > 0 ? tinta.ombra : luce > 0 ? tinta.luce : tinta.corpo);
    p.drawPath(Sagoma(forma));
    Profilo dentro = forma;
    if (ombra > 0) {
        dentro = Rientra(forma, ombra / 2, QPointF(-1, -1) * (ombra / 2 * diagonale));
        p.setBrush(luce > 0 ? tinta.luce : tinta.corpo);
        p.drawPath(Sagoma(dentro));
    }
    if (luce > 0) {
        p.setBrush(tinta.corpo);
        p.drawPath(Sagoma(Rientra(dentro, luce / 2, QPointF(1, 1) * (luce / 2 * diagonale))));
    }
    p.setPen(Penna(bordo));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Sagoma(forma));
}

void Linee(QPainter &p, const QPainterPath &linee, const QColor &colore, qreal spessore)
{
    p.setPen(Penna(colore, spessore));
    p.setBrush(Qt::NoBrush);
    p.drawPath(linee);
}

void Ombreggia(QPainter &p, const Profilo &forma, QPointF da, QPointF a, const QColor &colore, qreal angolo,
               qreal passo)
{
    Linee(p, Tratteggio(forma, da, a, angolo, passo), colore);
}

void Volto(QPainter &p, QPointF c, qreal verso)
{
    const qreal x = c.x(), y = c.y(), v = verso;
    // Broad at the cheekbones, the chin turned a little where he looks.
    const Profilo viso{{x - 3.1, y - 1.6},           {x - 3.0, y + 1.8}, {x - 1.2 + v * 0.6, y + 3.8},
                       {x + 1.2 + v * 0.6, y + 3.8}, {x + 3.0, y + 1.8}, {x + 3.1, y - 1.6},
                       {x + 2.2, y - 3.8},           {x - 2.2, y - 3.8}};
    Forma(p, viso, kPelleT, 0.8, 0.5, kBordoPelle);
    // Eyes on pixel centres; brows, nose and mouth finer than a pixel.
    for (qreal dx : {-1.0, 1.0})
        Macchia(p, {x + dx + v * 0.15, y}, 0.6, 0.6, kContorno);
    Linee(p,
          Tratti({{{x - 1.9 + v * 0.2, y - 1.1}, {x - 1.1 + v * 0.2, y - 1.6}, {x - 0.4 + v * 0.2, y - 1.2}},
                  {{x + 0.4 + v * 0.2, y - 1.2}, {x + 1.1 + v * 0.2, y - 1.6}, {x + 1.9 + v * 0.2, y - 1.1}}}),
          kCastanoT.corpo);
    Linee(p, Tratti({{{x + v * 0.4, y - 0.5}, {x + v * 0.9 + 0.2, y + 1.2}, {x + v * 0.5 - 0.3, y + 1.4}}}),
          kBordoPelle);
    Linee(p, Tratti({{{x - 0.7 + v * 0.6, y + 2.3}, {x + v * 0.6, y + 2.55}, {x + 0.7 + v * 0.6, y + 2.3}}}),
          QColor(0xB8, 0x48, 0x3A), 0.5);
}

void Mano(QPainter &p, QPointF c, qreal r) { Ellisse(p, c, r, r, kPelleT.corpo, kBordoPelle); }

void Scarpa(QPainter &p, QPointF tallone, QPointF punta)
{
    Riempi(p, Arto({{tallone, 2.0}, {punta, 1.3}}), kCuoio, kContorno);
}

QPainterPath Taglio(qreal x, qreal y0, qreal y1, qreal largo)
{
    const qreal m = (y0 + y1) / 2;
    return Sagoma({{x, y0}, {x, y0}, {x + largo, m}, {x, y1}, {x, y1}, {x - largo, m}});
}

void Pedana(QPainter &p, Seme seme)
{
    const Tinta &tinta = seme == Seme::Bastoni ? kVerdeT
        : seme == Seme::Coppe                  ? kRossoT
        : seme == Seme::Denari                 ? kOcraT
                                               : kBluT;
    QPainterPath pedana;
    pedana.addRoundedRect(QRectF(9.5, 63.5, 26, 4.5), 0.8, 0.8);
    Modella(p, pedana, tinta, kContorno, 1.0, 0.6);
    // The edge between its top and its front.
    Linee(p, Tratti({{{10.4, 65.2}, {34.6, 65.2}}}), tinta.ombra, kTrattoFine);
}

} // namespace belvane::cardart::fanti
