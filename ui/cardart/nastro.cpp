// A two carries a banner between its emblems, as printed Italian twos do:
// with two emblems alone, the card was nearly blank at the natural size and
// its two coins were seen as one. The banner lies across the card, wider
// than any emblem and flat, so it is never counted as one.
#include "nastro.h"

#include "emblemi_forme.h"
#include "pennelli.h"
#include "tavolozza.h"

#include <QPainterPath>

#include <array>
#include <string_view>

namespace belvane::cardart {
namespace {

// At the natural size, a pixel a character: the front of the banner a
// light top edge over its colour, its marks, and behind it on both sides the
// ends in the colour's shade, lower, cut in a swallowtail.
constexpr std::array<std::string_view, 7> kNastro{
    ".......KKKKKKKKKKKKKKKKK.......", "......KpppppppppppppppppK......", "KKKK.KRRRRRRRRRRRRRRRRRRRK.KKKK",
    ".KrrKKRRYYRYYYRYRYYYRYYRRKKrrK.", "..KrrKRRRRRRRRRRRRRRRRRRRKrrK..", ".KrrrKKKKKKKKKKKKKKKKKKKKKrrrK.",
    "KKKKKK...................KKKKKK",
};
// Its left column and top row on the card: its middle on the card's middle
// column, its rows in the white a two leaves between its emblems in every
// suit, three pixels from each.
constexpr int kSinistra = 7, kCima = 32;

// Each suit's banner in the suit's own colour: one red banner on every two
// was on the swords and clubs the brightest thing on the card, seen before
// the suit. The marks in gold, or on the coins' gold banner in red.
struct Colori {
    Tinta tinta;
    QColor segni;
};
Colori ColoriDi(Seme seme)
{
    switch (seme) {
    case Seme::Coppe:
        return {kTintaRosso, kTintaOro.corpo};
    case Seme::Denari:
        return {kTintaOro, kTintaRosso.corpo};
    case Seme::Spade:
        return {kTintaBlu, kTintaOro.corpo};
    case Seme::Bastoni:
        break;
    }
    return {kTintaVerde, kTintaOro.corpo};
}

// A flat fill with no outline: a pen of no width would be a cosmetic one,
// which a recording cannot keep.
void Campisci(QPainter &p, const QPainterPath &area, const QColor &colore)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(area);
}

QColor Colore(char c, const Colori &colori)
{
    switch (c) {
    case 'p':
        return colori.tinta.luce;
    case 'R':
        return colori.tinta.corpo;
    case 'r':
        return colori.tinta.ombra;
    case 'Y':
        return colori.segni;
    default:
        return kContornoEmblema;
    }
}

void NastroDiPixel(QPainter &p, const Colori &colori)
{
    std::array<QPainterPath, 128> aree;
    for (int r = 0; r < int(kNastro.size()); ++r)
        for (int c = 0; c < int(kNastro[0].size()); ++c)
            if (const char ch = kNastro[size_t(r)][size_t(c)]; ch != '.')
                aree[size_t(ch)].addRect(QRectF(kSinistra + c, kCima + r, 1, 1));
    for (size_t ch = 0; ch < aree.size(); ++ch)
        if (!aree[ch].isEmpty())
            Campisci(p, aree[ch], Colore(char(ch), colori));
}

// The same banner drawn: the ends first, behind, then the front arching a
// little at its top edge, lit along it, and its marks where the pixels'
// ones are.
void NastroDisegnato(QPainter &p, const Colori &colori)
{
    const qreal mezzo = kSinistra + kNastro[0].size() / 2.0;
    for (const qreal verso : {-1.0, 1.0}) {
        const auto x = [&](qreal d) { return mezzo + verso * d; };
        Poligono(p, {{x(10), 34.5}, {x(15.2), 34.5}, {x(13.2), 36.8}, {x(15.2), 39.1}, {x(10), 39.1}},
                 colori.tinta.ombra, kContornoEmblema);
    }
    QPainterPath fronte;
    fronte.moveTo(mezzo - 10.2, 34.2);
    fronte.quadTo(mezzo, 31.6, mezzo + 10.2, 34.2);
    fronte.lineTo(mezzo + 10.2, 38.3);
    fronte.lineTo(mezzo - 10.2, 38.3);
    fronte.closeSubpath();
    Campisci(p, fronte, colori.tinta.corpo);
    Campisci(p, Differenza(fronte, fronte.translated(0, 1.2)), colori.tinta.luce);
    QPainterPath segni;
    for (const auto &[da, lungo] : {std::pair{-7.5, 2.0}, {-4.5, 3.0}, {-0.5, 1.0}, {1.5, 3.0}, {5.5, 2.0}})
        segni.addRect(QRectF(mezzo + da + 0.15, 35.2, lungo - 0.3, 0.8));
    Campisci(p, segni, colori.segni);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContornoEmblema, kTratto));
    p.drawPath(fronte);
}

} // namespace

void Nastro(QPainter &p, Seme seme)
{
    if (InchiostroDelPixelInUso())
        NastroDiPixel(p, ColoriDi(seme));
    else
        NastroDisegnato(p, ColoriDi(seme));
}

} // namespace belvane::cardart
