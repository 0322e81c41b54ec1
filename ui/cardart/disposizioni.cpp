#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// A count has one row pattern in every suit: the two and three in a column
// down the middle, the four at the corners, the five the four with one in
// the middle. The swords and clubs, long and slim, go three to a row: the
// six a row of three at the top and at the bottom, the seven the six with
// one alone in the middle. Coins and cups are drawn larger, too broad for
// three to a row with white between: their six is two columns of three
// spread over the card, their seven two pairs below a pair with one alone
// between the first two pairs. So an odd count always shows one emblem
// alone in a band of white, where the even count below it shows none.
// Middles on pixel centres (or whole units, for an emblem an even number
// of pixels across), so that every emblem falls on the pixels alike.
constexpr qreal kSinistra = 8.5, kCentro = 22.5, kDestra = 36.5;

struct Forma {
    qreal altezza;                // one size for every emblem of the suit, so the eye never weighs them
    qreal sinistra, destra;       // the side columns' middles
    qreal su, mezzo, giu;         // the rows' middles
    std::array<qreal, 4> fasce{}; // a two-column seven's four bands (none: rows of three)
    qreal curva = 0;              // a blade's bend at its point, away from the card's middle
    qreal angolo = 0;             // leaning, as a club is held: upright and knobbly it reads as a cactus
};

// A coin thirteen pixels across, a cup thirteen wide and fourteen tall: in
// two columns and four bands with three pixels of white at least between.
constexpr Forma kDenari{12.4, 9.5, 35.5, 9.5, 35.5, 62.5, {9.5, 27.5, 44.5, 62.5}};
constexpr Forma kCoppe{13.4, 9.5, 35.5, 10, 36, 62, {10, 27, 45, 62}};
constexpr Forma kSpade{19.2, kSinistra, kDestra, 13, 36, 59, {}, 4.6};     // a sword's length
constexpr Forma kBastoni{18.6, kSinistra, kDestra, 13, 36, 59, {}, 0, 10}; // a club's length

struct Pose {
    std::array<Posa, 7> posa{};
    int quante = 0;
};

constexpr Pose Disponi(const Forma &f, int valore)
{
    Pose d;
    // Blades bend away from each other in a pair, all one way in a row of
    // three (a row bending two ways at once looks careless).
    const auto metti = [&](qreal x, qreal y, bool fila = false) {
        d.posa[size_t(d.quante++)] = {x, y, f.altezza, f.angolo, (x < kCentro && !fila ? -1 : 1) * f.curva};
    };
    switch (valore) {
    case 2:                           // in a column down the middle, filling the card's height
        metti(kCentro, f.mezzo - 13); // on the rows' pixel grid
        metti(kCentro, f.mezzo + 14);
        break;
    case 3:
        for (const qreal y : {f.su, f.mezzo, f.giu})
            metti(kCentro, y);
        break;
    case 4:
    case 5:
        metti(f.sinistra, f.su);
        metti(f.destra, f.su);
        if (valore == 5)
            metti(kCentro, f.mezzo);
        metti(f.sinistra, f.giu);
        metti(f.destra, f.giu);
        break;
    case 6:
    case 7:
        if (f.fasce[0] > 0) { // two columns
            const bool sette = valore == 7;
            for (const qreal y :
                 sette ? std::array{f.fasce[0], f.fasce[2], f.fasce[3]} : std::array{f.su, f.mezzo, f.giu}) {
                metti(f.sinistra, y);
                metti(f.destra, y);
            }
            if (sette)
                metti(kCentro, f.fasce[1]);
        } else { // rows of three, and one alone between them
            for (const qreal y : {f.su, f.giu})
                for (const qreal x : {kSinistra, kCentro, kDestra})
                    metti(x, y, true);
            if (valore == 7)
                metti(kCentro, f.mezzo);
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
