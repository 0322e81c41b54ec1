#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// The four to the six count alike in every suit, so that a count has one
// shape whatever the emblem: the four the corners and the five the corners
// with one in the middle, as every Italian pack has them; the six two columns
// of three with white down the middle. The seven has an outline no six can
// have, so that it is named before it is counted (the same two columns and
// one more in their white were read as a six, and a row of three at the head
// and the foot with one between as a six with the middle one lost): a column
// of three down the middle with a pair between each two, the card's corners
// white. Never a third in a row, which at the natural size closes the row
// into a bar.
// The two, three and four keep towards the middle of the card's height: an
// emblem by the card's edge on an otherwise white card is the one the eye
// skips. The five alone reaches the edges, its lone middle emblem then has
// the most white the card can give, and the four and five differ in outline
// even where that middle emblem goes unseen.
// Each emblem of a two or three stands in a region of the card of its own:
// the long swords and clubs a column for the two and a diagonal from corner
// to corner for the three; the round coins and cups, which a column of three
// leaves white between, a diagonal for the two (two round emblems one above
// the other were read as one) and a column for the three (a diagonal of
// round ones was read as a two).
// Middles on pixel centres, so that every emblem falls on the pixels alike.
struct Colonne {
    qreal sinistra, centro, destra;
};
constexpr Colonne kColonne{8.5, 22.5, 36.5};

struct Forma {
    qreal altezza;        // one size for every emblem of the suit, so the eye never weighs them
    qreal su, mezzo, giu; // the rows' middles
    qreal curva;          // a blade's bend at its point, the same on every blade
    qreal angolo = 0;     // leaning, as a club is held: upright and knobbly it reads as a cactus
    Colonne colonne = kColonne;
    // Where the seven's pairs stand between the middle column's rows, from
    // the outer row: each in the upper or lower third of the card.
    qreal coppie = 0.45;
    bool tonda = false; // coins and cups: the two a diagonal, the three a column
};

constexpr Forma kDenari{12.3, 9.5, 35.5, 62.5, 0, 0, {9.5, 22.5, 35.5}, 0.5, true}; // a coin's diameter
constexpr Forma kCoppe{16, 11.5, 36, 60.5, 0, 0, kColonne, 0.45, true};             // a cup's height
constexpr Forma kSpade{20, 13, 36, 59, 3.6};                                        // a sword's length
constexpr Forma kBastoni{19.4, 13, 36, 59, 0, 6};                                   // a club's length

// How far the two's and four's rows come in from the outer rows, towards
// the middle one (and a diagonal two's columns towards the middle column); a column of three round emblems comes in
// less, keeping white between each two.
constexpr qreal kRientro = 0.3;
constexpr qreal kRientroColonna = 0.05;

// The pixel centre at or above `y`.
constexpr qreal SulPixel(qreal y) { return int(y) + 0.5; }

struct Pose {
    std::array<Posa, 7> posa{};
    int quante = 0;
};

constexpr Pose Disponi(const Forma &f, int valore)
{
    Pose d;
    const qreal sinistra = f.colonne.sinistra, centro = f.colonne.centro, destra = f.colonne.destra;
    const auto su = [&](qreal rientro) { return SulPixel(f.su + rientro * (f.mezzo - f.su)); };
    const auto giu = [&](qreal rientro) { return SulPixel(f.giu - rientro * (f.giu - f.mezzo)); };
    // Every blade on every card bends the same way (one mirrored beside
    // another reads as a second rule) but the five's lone middle one, which
    // then is a shape of its own and not one more of the corners' (leaning
    // as they do, it was lost among them).
    const auto metti = [&](qreal x, qreal y, qreal curva) {
        d.posa[size_t(d.quante++)] = {x, y, f.altezza, f.angolo, curva};
    };
    switch (valore) {
    case 2:
        if (f.tonda) { // a diagonal from the upper left, in from the sides as from the ends
            metti(SulPixel(sinistra + kRientro * (centro - sinistra)), su(kRientro), f.curva);
            metti(SulPixel(destra - kRientro * (destra - centro)), giu(kRientro), f.curva);
        } else { // a column down the middle
            metti(centro, su(kRientro), f.curva);
            metti(centro, giu(kRientro), f.curva);
        }
        break;
    case 3:
        if (f.tonda) { // a column down the middle
            metti(centro, su(kRientroColonna), f.curva);
            metti(centro, f.mezzo, f.curva);
            metti(centro, giu(kRientroColonna), f.curva);
        } else { // a diagonal from the upper left corner
            metti(sinistra, f.su, f.curva);
            metti(centro, f.mezzo, f.curva);
            metti(destra, f.giu, f.curva);
        }
        break;
    case 4: // the corners, in from the edges
        for (const qreal y : {su(kRientro), giu(kRientro)}) {
            metti(sinistra, y, f.curva);
            metti(destra, y, f.curva);
        }
        break;
    case 5: // the corners at the edges, one in the middle
        metti(sinistra, f.su, f.curva);
        metti(destra, f.su, f.curva);
        metti(centro, f.mezzo, -f.curva);
        metti(sinistra, f.giu, f.curva);
        metti(destra, f.giu, f.curva);
        break;
    case 6: // two columns of three, white down the middle
        for (const qreal y : {f.su, f.mezzo, f.giu}) {
            metti(sinistra, y, f.curva);
            metti(destra, y, f.curva);
        }
        break;
    case 7: // down the middle, a pair between each two
        metti(centro, f.su, f.curva);
        for (const qreal y : {su(f.coppie), giu(f.coppie)}) {
            metti(sinistra, y, f.curva);
            metti(destra, y, f.curva);
        }
        metti(centro, f.mezzo, f.curva);
        metti(centro, f.giu, f.curva);
        break;
    }
    return d;
}

template <const Forma &kF>
constexpr std::array<Pose, 8> kSeme{Disponi(kF, 0), Disponi(kF, 1), Disponi(kF, 2), Disponi(kF, 3),
                                    Disponi(kF, 4), Disponi(kF, 5), Disponi(kF, 6), Disponi(kF, 7)};

std::span<const Posa> Di(const std::array<Pose, 8> &seme, int valore)
{
    if (valore < 2 || valore > 7)
        return {};
    const Pose &d = seme[size_t(valore)];
    return {d.posa.data(), size_t(d.quante)};
}

} // namespace

std::span<const Posa> Disposizione(Seme seme, int valore)
{
    switch (seme) {
    case Seme::Denari:
        return Di(kSeme<kDenari>, valore);
    case Seme::Coppe:
        return Di(kSeme<kCoppe>, valore);
    case Seme::Bastoni:
        return Di(kSeme<kBastoni>, valore);
    case Seme::Spade:
        return Di(kSeme<kSpade>, valore);
    }
    return {};
}

} // namespace belvane::cardart
