#pragma once

#include "emblemi.h"

#include "tavolozza.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace belvane::cardart {

// Every emblem's outer edge is drawn in the ink that outlines the figures,
// so that the deck reads as one printed sheet; ornament inside (rims, bands,
// roses, leaves) is drawn in the dark tone of its own colour.
inline const QColor kContornoEmblema = kContorno;
// The clubs' wood: a dark green leaning to olive, the green of bark rather
// than of a stem, so that a club stands out on the white as firmly as a
// blade; light enough that the red cut faces and the outline still show on
// it at the natural size, where a darker wood reads as a dark squiggle.
inline const Tinta kTintaLegno{QColor(0x7C, 0xB4, 0x4C), QColor(0x40, 0x88, 0x2E), QColor(0x2C, 0x62, 0x22)};
// A pip's wood, at the natural size and drawn larger alike: brighter than the
// ace's, so that a pip a few pixels wide keeps its weight on the card (the
// ace's olive made thin dark twigs of them), and one green at every size (a
// deeper green in the game's larger cards made their clubs dark and thin
// beside the bitmaps' and the blue swords).
inline const Tinta kTintaLegnoDiCarta{QColor(0x7C, 0xB4, 0x4C), QColor(0x4E, 0x8C, 0x34), QColor(0x30, 0x66, 0x26)};
// The same wood in the larger drawing, where its bark and shade are seen: an
// olive green with a deep shade, a branch's colour rather than a fresh stem's.
inline const Tinta kTintaLegnoDisegno{QColor(0x86, 0xA6, 0x50), QColor(0x52, 0x7C, 0x32), QColor(0x30, 0x52, 0x1E)};
// The bark's rings and knots on every club, darker than the wood's shade so
// that they show across it.
inline const QColor kCorteccia(0x26, 0x40, 0x16);
// A lopped branch's cut face: pale heartwood inside its ring of red bark.
inline const Tinta kTintaTaglio{QColor(0xF6, 0xEA, 0xC4), QColor(0xEC, 0xD8, 0xA4), QColor(0x7C, 0x56, 0x28)};

// The four emblems, each drawn upright around the origin, `h` card units
// long along its own axis (the diameter of a coin). Emblema places them.
void Denaro(QPainter &p, qreal h, Ornato ornato);
void Coppa(QPainter &p, qreal h, Ornato ornato);
void Spada(QPainter &p, qreal h, Ornato ornato, qreal curva);
// One club for the whole deck; the ace's has more engraving, a pip's is
// stouter.
void Bastone(QPainter &p, qreal h, Ornato ornato);
// The bold sword of the pips in the larger drawing, and the pip cards' cup
// and coin (emblemi_carte.cpp).
void SpadaDiCarta(QPainter &p, qreal h, qreal curva);
// The grip of the sword Spada draws, `h` long (see ImpugnaturaDellaSpada).
Impugnatura ImpugnaturaDiSpada(qreal h);
void CoppaDiCarta(QPainter &p, qreal h);
void DenaroDiCarta(QPainter &p, qreal h);
// The pip cards' sword, bending towards the side of `curva`, club, leaning
// to the left when `specchio`, and coin: at the natural size laid pixel by
// pixel, larger SpadaDiCarta, a leaning Bastone and DenaroDiCarta
// (semi_a_pixel.cpp).
void SpadaDaContare(QPainter &p, qreal h, qreal curva);
void BastoneDaContare(QPainter &p, qreal h, bool specchio);
void DenaroDaContare(QPainter &p, qreal h);

// A blade in `passi` steps from the guard (t = 0) to the point (t = 1): the
// closed outline of asse(t) -/+ larghezza(t) at the height y(t).
template <class Asse, class Larghezza, class Altezza>
QPainterPath Lama(int passi, Asse asse, Larghezza larghezza, Altezza y)
{
    QPolygonF bordo;
    for (int i = 0; i <= passi; ++i) {
        const qreal t = qreal(i) / passi;
        bordo << QPointF(asse(t) - larghezza(t), y(t));
    }
    for (int i = passi - 1; i >= 0; --i) {
        const qreal t = qreal(i) / passi;
        bordo << QPointF(asse(t) + larghezza(t), y(t));
    }
    QPainterPath lama;
    lama.addPolygon(bordo);
    lama.closeSubpath();
    return lama;
}

// A branch in `passi` steps from its grip (s = 0) to its head (s = 1): the
// closed outline of storto(s) -/+ mezza(s, lato) at the height y(s), lato -1
// for the left side and +1 for the right.
template <class Storto, class Mezza, class Altezza> QPainterPath Ramo(int passi, Storto storto, Mezza mezza, Altezza y)
{
    QPolygonF contorno;
    for (int lato : {-1, 1})
        for (int k = 0; k <= passi; ++k) {
            const qreal s = lato < 0 ? qreal(k) / passi : 1.0 - qreal(k) / passi;
            contorno << QPointF(storto(s) + lato * mezza(s, lato), y(s));
        }
    QPainterPath ramo;
    ramo.addPolygon(contorno);
    ramo.closeSubpath();
    return ramo;
}

// A lopped branch standing up from its cut `fuori` above the origin, `largo`
// wide there and `base` times that where it leaves the wood below.
inline QPainterPath Troncone(qreal largo, qreal fuori, qreal base)
{
    QPainterPath troncone;
    troncone.moveTo(-largo * base, largo * 0.9);
    troncone.lineTo(-largo * 0.5, -fuori);
    troncone.lineTo(largo * 0.5, -fuori);
    troncone.lineTo(largo * base, largo * 0.9);
    troncone.closeSubpath();
    return troncone;
}

// A leaf `lungo` long and `largo` wide from `base`, turned `angolo` degrees
// clockwise from straight up. Its sides swell to `fianco` of the width at
// `spalla` of the length and come in to `vita` at `gola` of it.
QPainterPath Foglia(QPointF base, qreal lungo, qreal largo, qreal angolo, qreal spalla = 0.25, qreal gola = 0.75,
                    qreal fianco = 0.9, qreal vita = 0.6);

// The ace's coin, `r` in radius, bearing the eagle.
void MonetaConAquila(QPainter &p, qreal r);

} // namespace belvane::cardart
