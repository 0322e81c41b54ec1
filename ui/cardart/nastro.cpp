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
// light top edge over red, its gold marks, and behind it on both sides the
// ends in a darker red, lower, cut in a swallowtail.
constexpr std::array<std::string_view, 7> kNastro{
    ".......KKKKKKKKKKKKKKKKK.......", "......KpppppppppppppppppK......", "KKKK.KRRRRRRRRRRRRRRRRRRRK.KKKK",
    ".KrrKKRRYYRYYYRYRYYYRYYRRKKrrK.", "..KrrKRRRRRRRRRRRRRRRRRRRKrrK..", ".KrrrKKKKKKKKKKKKKKKKKKKKKrrrK.",
    "KKKKKK...................KKKKKK",
};
// Its left column and top row on the card: its middle on the card's middle
// column, its rows in the white a two leaves between its emblems in every
// suit, three pixels from each.
constexpr int kSinistra = 7, kCima = 32;

const QColor kRossoChiaro(0xE8, 0x6A, 0x5C);

// A flat fill with no outline: a pen of no width would be a cosmetic one,
// which a recording cannot keep.
void Campisci(QPainter &p, const QPainterPath &area, const QColor &colore)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(area);
}

QColor Colore(char c)
{
    switch (c) {
    case 'p':
        return kRossoChiaro;
    case 'R':
        return kTintaRosso.corpo;
    case 'r':
        return kTintaRosso.ombra;
    case 'Y':
        return kTintaOro.corpo;
    default:
        return kContornoEmblema;
    }
}

void NastroDiPixel(QPainter &p)
{
    std::array<QPainterPath, 128> aree;
    for (int r = 0; r < int(kNastro.size()); ++r)
        for (int c = 0; c < int(kNastro[0].size()); ++c)
            if (const char ch = kNastro[size_t(r)][size_t(c)]; ch != '.')
                aree[size_t(ch)].addRect(QRectF(kSinistra + c, kCima + r, 1, 1));
    for (size_t ch = 0; ch < aree.size(); ++ch)
        if (!aree[ch].isEmpty())
            Campisci(p, aree[ch], Colore(char(ch)));
}

// The same banner drawn: the ends first, behind, then the front arching a
// little at its top edge, lit along it, and its gold marks where the
// pixels' ones are.
void NastroDisegnato(QPainter &p)
{
    const qreal mezzo = kSinistra + kNastro[0].size() / 2.0;
    for (const qreal verso : {-1.0, 1.0}) {
        const auto x = [&](qreal d) { return mezzo + verso * d; };
        Poligono(p, {{x(10), 34.5}, {x(15.2), 34.5}, {x(13.2), 36.8}, {x(15.2), 39.1}, {x(10), 39.1}},
                 kTintaRosso.ombra, kContornoEmblema);
    }
    QPainterPath fronte;
    fronte.moveTo(mezzo - 10.2, 34.2);
    fronte.quadTo(mezzo, 31.6, mezzo + 10.2, 34.2);
    fronte.lineTo(mezzo + 10.2, 38.3);
    fronte.lineTo(mezzo - 10.2, 38.3);
    fronte.closeSubpath();
    Campisci(p, fronte, kTintaRosso.corpo);
    Campisci(p, Differenza(fronte, fronte.translated(0, 1.2)), kRossoChiaro);
    QPainterPath segni;
    for (const auto &[da, lungo] : {std::pair{-7.5, 2.0}, {-4.5, 3.0}, {-0.5, 1.0}, {1.5, 3.0}, {5.5, 2.0}})
        segni.addRect(QRectF(mezzo + da + 0.15, 35.2, lungo - 0.3, 0.8));
    Campisci(p, segni, kTintaOro.corpo);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContornoEmblema, kTratto));
    p.drawPath(fronte);
}

} // namespace

void Nastro(QPainter &p)
{
    if (InchiostroDelPixelInUso())
        NastroDiPixel(p);
    else
        NastroDisegnato(p);
}

} // namespace belvane::cardart
