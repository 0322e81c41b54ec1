#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// Counts are told by their shape, not by counting: the two and three plain
// (a pair, a row or a column), the four at the corners, the five the four
// with one in the middle, the six two columns of three, with an empty band
// down the middle. Coins and cups are as large as two columns allow, so
// their seven is the old pattern's: the two columns with one more in the
// middle between the first two pairs, the pairs moved apart to make room
// for it (four rows, not three). Swords and clubs are long and narrow:
// three stand side by side, and their seven is a row of three at the top
// and one at the bottom with one alone between them. Rows fill the card's
// height to three pixels from its edges; middles on pixel centres, so that
// every emblem falls on the pixels alike.
constexpr qreal kCentro = 22.5;

struct Forma {
    qreal altezza;        // one size for every emblem of the suit, so the eye never weighs them
    qreal lato;           // the side columns' distance from the middle one
    qreal su, mezzo, giu; // the rows' middles
    qreal curva;          // a blade's bend at its point, away from the card's middle
    bool colonna;         // round emblems: the two and three in one column, the seven in two
    qreal angolo = 0;     // leaning, as a club is held: upright it reads as a plant
};

constexpr Forma kDenari{12.4, 13, 9.5, 35.5, 62.5, 0, true};  // a coin's diameter
constexpr Forma kCoppe{13.4, 13, 10, 36, 62, 0, true};        // a cup's height
constexpr Forma kSpade{19.2, 14, 13, 36, 59, 4.0, false};     // a sword's length
constexpr Forma kBastoni{18.6, 14, 13, 36, 59, 0, false, 12}; // a club's length

struct Pose {
    std::array<Posa, 7> posa{};
    int quante = 0;
};

constexpr Pose Disponi(const Forma &f, int valore)
{
    Pose d;
    const qreal sinistra = kCentro - f.lato, destra = kCentro + f.lato;
    const auto metti = [&](qreal x, qreal y) {
        d.posa[size_t(d.quante++)] = {x, y, f.altezza, f.angolo, (x < kCentro ? -1 : 1) * f.curva};
    };
    switch (valore) {
    case 2:
        if (f.colonna) {
            metti(kCentro, f.mezzo - 13);
            metti(kCentro, f.mezzo + 13);
        } else {
            metti(15.5, f.mezzo);
            metti(29.5, f.mezzo);
        }
        break;
    case 3:
        if (f.colonna) {
            for (const qreal y : {f.su, f.mezzo, f.giu})
                metti(kCentro, y);
        } else {
            for (const qreal x : {sinistra, kCentro, destra})
                metti(x, f.mezzo);
        }
        break;
    case 4:
    case 5:
        metti(sinistra, f.su);
        metti(destra, f.su);
        if (valore == 5)
            metti(kCentro, f.mezzo);
        metti(sinistra, f.giu);
        metti(destra, f.giu);
        break;
    case 6: // two columns of three: an empty band down the middle
        for (const qreal y : {f.su, f.mezzo, f.giu}) {
            metti(sinistra, y);
            metti(destra, y);
        }
        break;
    case 7:
        if (f.colonna) { // four rows: a pair, one in the middle, two pairs
            const qreal passo = int((f.giu - f.su) / 3 + 0.5);
            metti(sinistra, f.su);
            metti(destra, f.su);
            metti(kCentro, f.su + passo);
            for (const qreal y : {f.giu - passo, f.giu}) {
                metti(sinistra, y);
                metti(destra, y);
            }
            break;
        }
        // rows of three, and one alone between them
        for (const qreal x : {sinistra, kCentro, destra})
            metti(x, f.su);
        metti(kCentro, f.mezzo);
        for (const qreal x : {sinistra, kCentro, destra})
            metti(x, f.giu);
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
