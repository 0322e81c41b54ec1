#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// Every suit counts alike, so that a count has one shape whatever the
// emblem: the two a column down the middle, the three a diagonal, the four
// the corners and the five the corners with one in the middle, as every
// Italian pack has them; the six two columns of three with white down the
// middle, the seven the same with the middle row closed into a bar of
// three. No count reads as rows of three over white (which the eye takes
// for a four with wider rows, or misses a lone middle emblem in), and the
// seven's one more is not alone in a band of white but joins its
// neighbours into a bar across the card.
// Three columns with white between them: an emblem at most eleven pixels
// wide; rows filling the card's height to three pixels from its edges.
// Middles on pixel centres (or whole units, for an emblem an even number
// of pixels across), so that every emblem falls on the pixels alike.
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
};

constexpr Forma kDenari{11.3, 9, 36, 63, 0, 0, {9, 22, 36}}; // a coin's diameter
constexpr Forma kCoppe{16, 11.5, 36, 60.5, 0};               // a cup's height
constexpr Forma kSpade{19.2, 13, 36, 59, 4.0};               // a sword's length
constexpr Forma kBastoni{19.4, 13, 36, 59, 0, 6};            // a club's length

struct Pose {
    std::array<Posa, 7> posa{};
    int quante = 0;
};

constexpr Pose Disponi(const Forma &f, int valore)
{
    Pose d;
    const qreal kSinistra = f.colonne.sinistra, kCentro = f.colonne.centro, kDestra = f.colonne.destra;
    // Every blade on every card bends the same way: one mirrored beside
    // another reads as a second rule, and a row bending two ways at once
    // looks careless.
    const auto metti = [&](qreal x, qreal y) { d.posa[size_t(d.quante++)] = {x, y, f.altezza, f.angolo, f.curva}; };
    switch (valore) {
    case 2: // a column down the middle, filling the card's height
        metti(kCentro, f.su);
        metti(kCentro, f.giu);
        break;
    case 3: // a diagonal from the upper left
        metti(kSinistra, f.su);
        metti(kCentro, f.mezzo);
        metti(kDestra, f.giu);
        break;
    case 4: // the corners, and the five one more in the middle
    case 5:
        metti(kSinistra, f.su);
        metti(kDestra, f.su);
        if (valore == 5)
            metti(kCentro, f.mezzo);
        metti(kSinistra, f.giu);
        metti(kDestra, f.giu);
        break;
    case 6: // two columns of three, white down the middle
    case 7: // the same, the middle row closed by one more
        for (const qreal y : {f.su, f.mezzo, f.giu}) {
            metti(kSinistra, y);
            if (valore == 7 && y == f.mezzo)
                metti(kCentro, y);
            metti(kDestra, y);
        }
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
