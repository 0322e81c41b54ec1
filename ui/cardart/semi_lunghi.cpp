// The swords and clubs of the pip cards: long, upright and slender, two rows
// of them filling the card's height. At the natural size each is thirty
// pixels long and eight wide, laid pixel by pixel; a shorter, broader pip
// was read there as a dagger, and a club's head on a thin stalk as a sprig.
#include "emblemi_forme.h"

#include "pennelli.h"

#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>

namespace belvane::cardart {
namespace {

// The pips at the natural size, a character a pixel, the emblem's middle at
// the fourth column of the sixteenth row. The sword is a long blade of steel,
// light on its cutting edge and dark on its back, bending towards its point
// over a broad golden guard whose ends turn up, a red grip and a golden
// pommel. The club is a cudgel cut from a branch: a knobbed head a whole pip
// wide, narrowing steadily to a grip bound in red, two lopped branches red
// at the cut, a golden leaf, the butt sawn.
constexpr int kColonne = 8, kRighe = 30;
constexpr int kColonnaMezzo = 3, kRigaMezzo = 15;
using Mappa = std::array<const char *, kRighe>;
constexpr Mappa kSpada{
    "......N.", "......N.", ".....bN.", ".....bN.", "....bBN.", "....bBN.", "....bBN.", "...bBBN.",
    "...bBBN.", "...bBBN.", "...bBBN.", "...bBBN.", "..bBBN..", "..bBBN..", "..bBBN..", "..bBBN..",
    "..bBBN..", "..bBBN..", "..bBBN..", "..bBBN..", "..bBBN..", "Y.bBBN.Y", "Y.bBBN.Y", "YOOOOOOY",
    "oyyyyyyo", "...Rr...", "...Rr...", "...Rr...", "..OYYy..", "...yy...",
};
constexpr Mappa kBastone{
    "..KK.KK.", ".KLGKLGK", "KLGGGGGK", "KLGGGGDK", "KLGGGGDK", "KLGGGGDK", ".KLGGGDK", "KLGGGGDK",
    ".KLGGGDK", ".LGGGDKR", ".LGGGDDK", ".LGGGDK.", "..LGGDK.", "..LGGDK.", "..LGGDK.", "..LGGDKY",
    "R.LGGDYY", "KDLGGDKy", "..LGGDK.", "..LGGDK.", "..LGGK..", "..LGGK..", "..LGGK..", "...LGK..",
    "...RRr..", "...RRr..", "...LGK..", "...LGK..", "..KLGK..", "...RRr..",
};

// The blade's light edge is its light tone: a paler steel sinks into the
// white card.
QColor Colore(char c)
{
    switch (c) {
    case 'b':
        return kTintaBlu.luce;
    case 'B':
        return kTintaBlu.corpo;
    case 'N':
        return QColor(0x14, 0x26, 0x66); // the blade's back, a deep blue
    case 'Y':
        return kTintaOro.corpo;
    case 'O':
        return kTintaOro.luce;
    case 'y':
        return kTintaOro.ombra;
    case 'o':
        return kOroScuro;
    case 'R':
        return kTintaRosso.corpo;
    case 'r':
        return kTintaRosso.ombra;
    case 'L':
        return kTintaLegnoDiCarta.luce;
    case 'G':
        return kTintaLegnoDiCarta.corpo;
    case 'D':
        return kTintaLegnoDiCarta.ombra;
    default:
        return kContornoEmblema;
    }
}

// `mappa` laid `h / kRighe` a pixel, mirrored when `specchio`, one area per
// colour.
void Stendi(QPainter &p, const Mappa &mappa, qreal h, bool specchio)
{
    const qreal u = h / kRighe;
    std::array<QPainterPath, 128> aree;
    for (int r = 0; r < kRighe; ++r)
        for (int c = 0; c < kColonne; ++c) {
            const char ch = mappa[size_t(r)][c];
            if (ch == '.')
                continue;
            // Mirrored about the middle of the pip's eight columns, which is
            // half a pixel right of the emblem's middle.
            const int colonna = specchio ? kColonne - 1 - c : c;
            aree[size_t(ch)].addRect(QRectF((colonna - kColonnaMezzo - 0.5) * u, (r - kRigaMezzo - 0.5) * u, u, u));
        }
    for (size_t ch = 0; ch < aree.size(); ++ch)
        if (!aree[ch].isEmpty())
            Riempi(p, aree[ch], Colore(char(ch)), QColor(Qt::transparent), 0);
}

} // namespace

void SpadaLunga(QPainter &p, qreal h, qreal curva)
{
    if (InchiostroDelPixelInUso()) {
        Stendi(p, kSpada, h, curva < 0);
        return;
    }
    // In the larger drawing the same sword, smooth: the blade bending by
    // two and a half pixels' worth towards its point.
    const qreal u = h / kRighe;
    const qreal verso = curva < 0 ? -1 : 1;
    const qreal base = 7.5 * u, punta = -15.5 * u;
    const auto asse = [&](qreal t) { return verso * (0.5 + 2.6 * t * t) * u; };
    const auto larghezza = [&](qreal t) { return 2.0 * u * std::pow(std::min(1.0, (1 - t) / 0.32), 0.85); };
    const auto y = [&](qreal t) { return base + (punta - base) * t; };
    constexpr int kPassi = 24;
    const QPainterPath lama = Lama(kPassi, asse, larghezza, y);
    Riempi(p, lama, kTintaBlu.corpo, QColor(Qt::transparent), 0);
    // The cutting edge, light, on the convex side; the back dark.
    QPolygonF filo, dorso;
    for (int i = 0; i <= kPassi; ++i) {
        const qreal t = qreal(i) / kPassi;
        filo << QPointF(asse(t) - verso * larghezza(t), y(t));
        dorso << QPointF(asse(t) + verso * larghezza(t), y(t));
    }
    for (int i = kPassi; i >= 0; --i) {
        const qreal t = qreal(i) / kPassi;
        filo << QPointF(asse(t) - verso * larghezza(t) * 0.45, y(t));
        dorso << QPointF(asse(t) + verso * larghezza(t) * 0.55, y(t));
    }
    QPainterPath luce, ombra;
    luce.addPolygon(filo);
    ombra.addPolygon(dorso);
    Riempi(p, Intersezione(luce, lama), kTintaBlu.luce, QColor(Qt::transparent), 0);
    Riempi(p, Intersezione(ombra, lama), kTintaBlu.ombra, QColor(Qt::transparent), 0);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(QColor(0x14, 0x26, 0x66), kTrattoFine));
    p.drawPath(lama);
    // The guard, its ends turned up, the grip and the pommel.
    const qreal mezzo = 0.5 * u * verso;
    QPainterPath oro;
    oro.addRect(QRectF(mezzo - 4 * u, base, 8 * u, 2 * u));
    for (const qreal lato : {-1.0, 1.0})
        oro = Unione(oro, Cerchio({mezzo + lato * 3.4 * u, base - 0.2 * u}, 0.6 * u, 1.2 * u));
    oro = Unione(oro, Cerchio({mezzo, base + 6.2 * u}, 1.9 * u, 1.1 * u));
    QPainterPath presa;
    presa.addRect(QRectF(mezzo - u, base + 2 * u, 2 * u, 3.4 * u));
    Riempi(p, presa, kTintaRosso.corpo, kTintaRosso.ombra, kTrattoFine);
    Modella(p, oro, kTintaOro, QColor(Qt::transparent), 0.5 * u, 0.3 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kOroScuro, kTrattoFine));
    p.drawPath(oro);
}

void BastoneLungo(QPainter &p, qreal h)
{
    if (InchiostroDelPixelInUso()) {
        Stendi(p, kBastone, h, false);
        return;
    }
    // In the larger drawing the deck's own club, drawn within the pip's
    // eight columns.
    const qreal u = h / kRighe;
    p.save();
    p.translate(0.5 * u, -0.5 * u);
    p.scale(0.75, 1);
    Bastone(p, h, Ornato::No);
    p.restore();
}

} // namespace belvane::cardart
