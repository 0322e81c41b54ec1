#include "disposizioni.h"

#include "geometria.h"

#include <array>

namespace belvane::cardart {
namespace {

// The two to the six count alike in every suit, so that a count has one
// shape whatever the emblem: the two a column down the middle, the three a
// diagonal, the four the corners and the five the corners with one in the
// middle, as every Italian pack has them; the six two columns of three with
// white down the middle. The seven has an outline no six can have, so that
// it is named before it is counted (the same two columns and one more in
// their white were read as a six, and a row of three at the head and the
// foot with one between as a six with the middle one lost): a column of
// three down the middle with a pair between each two, the card's corners
// white. Never a third in a row, which at the natural size closes the row
// into a bar.
// The two and three keep towards the middle of the card's height: an
// emblem by the card's edge on an otherwise white card is the one the eye
// skips. The four, five and six stand on one grid in every suit: the four
// the corners by the edges, the five those corners and a middle emblem with
// the most white the card can give round it, the six the corners and a
// middle pair, so that a count grows by what it adds and the outline stays
// the same from the four to the six. With the four on the twos' rows, a
// block smaller than the five's and six's, the outline was seen before the
// count and the four, five and six of one suit were swapped; drawn further
// in, a block in the middle, the four matched no other count and was named
// a six or a five.
// Middles on pixel centres, so that every emblem falls on the pixels alike.
struct Colonne {
    qreal sinistra, centro, destra;
};
constexpr Colonne kColonne{8.5, 22.5, 36.5};

// How far the two's and three's rows come in from the outer rows, towards
// the middle one.
constexpr qreal kRientro = 0.3;

struct Forma {
    qreal altezza;        // one size for every emblem of the suit, so the eye never weighs them
    qreal su, mezzo, giu; // the rows' middles
    qreal curva;          // a blade's bend at its point, the same on every blade; a club's side, by its sign
    Colonne colonne = kColonne;
    // Where the seven's pairs stand between the middle column's rows, from
    // the outer row: each in the upper or lower third of the card.
    qreal coppie = 0.45;
    // How far the two's and three's upper row comes in from the outer one:
    // for every suit as far as its emblems then reach the same two lines
    // across the card, head and foot, so that the low cards of the four
    // suits line up side by side and none looks squashed beside the others.
    qreal dentro = kRientro;
    // Where a row brought in stands: on a pixel's centre (0.5) for an
    // emblem an odd number of pixels tall, between two (0) for the swords
    // and clubs, laid twenty pixels long.
    qreal frazione = 0.5;
};

// A coin is shorter than a sword or a cup, so its two's and three's rows
// stand further out, for its coins to reach the lines the other suits'
// emblems reach (on the lines the others' middles stand on, the two and
// three of coins spanned eight pixels less of the card and looked squashed),
// and its three's ends stand on the side columns as every suit's (brought
// in from the sides, it looked squeezed beside the other threes).
constexpr Forma kDenari{14.2, 10.5, 35.5, 61.5, 0, {10.5, 22.5, 34.5}, 0.5, 0.23}; // a coin's diameter
// A cup as tall as three rows leave room for, white between: a shorter one on
// a card of two was missed at the natural size. Its middle row on a pixel
// centre as the outer ones: between two, the middle cups fell on the pixels
// squatter, without their lip and knop, unlike the cups above and below.
constexpr Forma kCoppe{17.6, 12.5, 35.5, 59.5, 0};                        // a cup's height
constexpr Forma kSpade{20, 13, 36, 59, 3.6, kColonne, 0.45, kRientro, 0}; // a sword's length
constexpr Forma kBastoni{20, 13, 36, 59, 1, kColonne, 0.45, kRientro, 0}; // a club's length

// The pixel centre (`frazione` 0.5) or edge (0) at or above `y`.
constexpr qreal SulPixel(qreal y, qreal frazione) { return int(y) + frazione; }

struct Pose {
    std::array<Posa, 7> posa{};
    int quante = 0;
};

constexpr Pose Disponi(const Forma &f, int valore)
{
    Pose d;
    const qreal sinistra = f.colonne.sinistra, centro = f.colonne.centro, destra = f.colonne.destra;
    // The upper and lower rows brought in by `quota` of the way to the middle one.
    const auto su = [&](qreal quota) { return SulPixel(f.su + quota * (f.mezzo - f.su), f.frazione); };
    const auto giu = [&](qreal quota) { return SulPixel(f.giu - quota * (f.giu - f.mezzo), f.frazione); };
    // The lower row brought in as far up from the card's foot as the upper
    // one stands from its head, so that a two is as far from either end
    // (brought in alike from both outer rows, the blades laid between two
    // pixels stood a pixel nearer the foot).
    const qreal suDentro = su(f.dentro), giuDentro = kAltezzaCarta - suDentro;
    // Blades bend and clubs lean away from the card's middle, each pair
    // across the card one emblem and its mirror, as the old regional packs
    // lay their swords and clubs (every one bending the same way, the fours
    // to sevens read as a flock of feathers or falling leaves). Down the
    // middle they bend as the side columns' right-hand ones, but the five's
    // lone middle one, which so is a shape of its own and not one more of
    // the corners' (leaning as they do, it was lost among them), and the
    // seven's middle column, a group of its own beside the pairs (bending
    // with them, the column was lost among them and the seven named a six).
    // One rule for both suits: the clubs alone turned made the swords' look
    // a slip.
    const auto metti = [&](qreal x, qreal y, qreal curva) {
        const qreal verso = curva < 0 ? -curva : curva;
        d.posa[size_t(d.quante++)] = {x, y, f.altezza, x < centro ? -verso : x > centro ? verso : curva};
    };
    switch (valore) {
    case 2: // a column down the middle
        metti(centro, suDentro, f.curva);
        metti(centro, giuDentro, f.curva);
        break;
    case 3: // a diagonal from the upper left
        metti(sinistra, suDentro, f.curva);
        metti(centro, f.mezzo, f.curva);
        metti(destra, giuDentro, f.curva);
        break;
    case 4: // the corners at the edges, where the five's and six's stand
        for (const qreal y : {f.su, f.giu}) {
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
        metti(centro, f.su, -f.curva);
        for (const qreal y : {su(f.coppie), giu(f.coppie)}) {
            metti(sinistra, y, f.curva);
            metti(destra, y, f.curva);
        }
        metti(centro, f.mezzo, -f.curva);
        metti(centro, f.giu, -f.curva);
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
