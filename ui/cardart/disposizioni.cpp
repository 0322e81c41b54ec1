#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// The cups' and coins' two to the six count alike, so that a count has one
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
// The two, three and four keep towards the middle of the card's height: an
// emblem by the card's edge on an otherwise white card is the one the eye
// skips. The five's corners stay by the edges, so that its lone middle
// emblem has the most white the card can give, and the four and five differ
// in outline even where that middle emblem goes unseen.
// Middles on pixel centres, so that every emblem falls on the pixels alike.
struct Colonne {
    qreal sinistra, centro, destra;
};
constexpr Colonne kColonne{8.5, 22.5, 36.5};

// How far the two's, three's and four's rows come in from the outer rows,
// towards the middle one.
constexpr qreal kRientro = 0.3;

struct Forma {
    qreal altezza;        // one size for every emblem of the suit, so the eye never weighs them
    qreal su, mezzo, giu; // the rows' middles
    qreal curva;          // a blade's bend at its point, the same on every blade
    qreal angolo = 0;     // leaning, as a club is held: upright and knobbly it reads as a cactus
    Colonne colonne = kColonne;
    // Where the seven's pairs stand between the middle column's rows, from
    // the outer row: each in the upper or lower third of the card.
    qreal coppie = 0.45;
    // How far the three's two ends come in from the side columns, across.
    qreal treDentro = 0;
    // How far the four's rows come in from the outer rows, towards the
    // middle one.
    qreal quattroDentro = kRientro;
};

// The coins' three has its ends in from the sides: by the card's side edge
// an end coin of the diagonal was the one the eye lost, and the three was
// named a two (a coin is short enough for the steeper diagonal; a cup or a
// club would run into the middle one).
constexpr Forma kDenari{12.3, 9.5, 35.5, 62.5, 0, 0, {9.5, 22.5, 35.5}, 0.5, 3}; // a coin's diameter
// A cup as tall as three rows leave room for, white between: a shorter one on
// a card of two was missed at the natural size.
constexpr Forma kCoppe{17.6, 12.5, 36, 59.5, 0}; // a cup's height

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
    // The upper and lower rows brought in by `quota` of the way to the middle one.
    const auto su = [&](qreal quota) { return SulPixel(f.su + quota * (f.mezzo - f.su)); };
    const auto giu = [&](qreal quota) { return SulPixel(f.giu - quota * (f.giu - f.mezzo)); };
    const qreal suDentro = su(kRientro), giuDentro = giu(kRientro);
    // Every blade bends the same way (one mirrored beside another reads as
    // a second rule, and a row bending two ways at once looks careless) but
    // the five's lone middle one, which so is a shape of its own and not one
    // more of the corners' (leaning as they do, it was lost among them), and
    // the seven's middle column, a group of its own beside the pairs (bending
    // with them, the column was lost among them and the seven named a six).
    const auto metti = [&](qreal x, qreal y, qreal curva) {
        d.posa[size_t(d.quante++)] = {x, y, f.altezza, f.angolo, curva};
    };
    switch (valore) {
    case 2: // a column down the middle
        metti(centro, suDentro, f.curva);
        metti(centro, giuDentro, f.curva);
        break;
    case 3: // a diagonal from the upper left
        metti(sinistra + f.treDentro, suDentro, f.curva);
        metti(centro, f.mezzo, f.curva);
        metti(destra - f.treDentro, giuDentro, f.curva);
        break;
    case 4: // the corners, in from the edges
        for (const qreal y : {su(f.quattroDentro), giu(f.quattroDentro)}) {
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

// The swords and clubs are long, two to the card's height, so that a blade
// is seen as a blade and a cudgel as a cudgel; they stand upright in two
// rows, the pips' middles on pixel centres. The two a column down the
// middle, the three a row across it, the four the corners, the five the
// corners and one between them, the six two rows of three, the seven a row
// of three over a row of four, every other one of the four a little lower,
// so that their guards do not run into a bar.
constexpr qreal kLunghezza = 30;
constexpr qreal kRigaSu = 18.5, kRigaGiu = 52.5, kRigaMezzo = 35.5;
constexpr Pose DisponiLunghe(int valore)
{
    Pose d;
    // Every blade bends to the right but the five's lone middle one and the
    // middle one of the seven's upper row, each so a shape of its own among
    // the others.
    const auto metti = [&](qreal x, qreal y, qreal curva = 1) {
        d.posa[size_t(d.quante++)] = {x, y, kLunghezza, 0, curva};
    };
    switch (valore) {
    case 2:
        metti(22.5, kRigaSu);
        metti(22.5, kRigaGiu);
        break;
    case 3:
        for (const qreal x : {8.5, 22.5, 36.5})
            metti(x, kRigaMezzo);
        break;
    case 4:
        for (const qreal y : {kRigaSu, kRigaGiu})
            for (const qreal x : {11.5, 33.5})
                metti(x, y);
        break;
    case 5:
        metti(8.5, kRigaSu);
        metti(36.5, kRigaSu);
        metti(22.5, kRigaMezzo, -1);
        metti(8.5, kRigaGiu);
        metti(36.5, kRigaGiu);
        break;
    case 6:
        for (const qreal y : {kRigaSu, kRigaGiu})
            for (const qreal x : {8.5, 22.5, 36.5})
                metti(x, y);
        break;
    case 7:
        metti(8.5, kRigaSu);
        metti(22.5, kRigaSu, -1);
        metti(36.5, kRigaSu);
        for (int i = 0; i < 4; ++i)
            metti(7.5 + 10 * i, kRigaGiu + (i % 2 ? 2 : -1));
        break;
    }
    return d;
}

template <const Forma &kF>
constexpr std::array<Pose, 8> kSeme{Disponi(kF, 0), Disponi(kF, 1), Disponi(kF, 2), Disponi(kF, 3),
                                    Disponi(kF, 4), Disponi(kF, 5), Disponi(kF, 6), Disponi(kF, 7)};
constexpr std::array<Pose, 8> kLunghe{DisponiLunghe(0), DisponiLunghe(1), DisponiLunghe(2), DisponiLunghe(3),
                                      DisponiLunghe(4), DisponiLunghe(5), DisponiLunghe(6), DisponiLunghe(7)};

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
    case Seme::Spade:
        return Di(kLunghe, valore);
    }
    return {};
}

} // namespace belvane::cardart
