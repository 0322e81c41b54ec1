#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// Every suit counts alike, so that a count has one shape whatever the
// emblem: the two a column down the middle, the three a diagonal, the four
// the corners and the five the corners with one in the middle, as every
// Italian pack has them; the six a row of three at the top and at the
// bottom with white between, the seven the corners with a row of three
// across the middle. So the six and the seven are not one shape with an
// emblem more, which the eye misses among so many at the natural size:
// where the six has two bars and white between, the seven has a bar across
// the middle and two columns down the sides.
// Three columns with white between them: an emblem at most eleven pixels
// wide; rows filling the card's height to three pixels from its edges.
// Middles on pixel centres (or whole units, for an emblem an even number
// of pixels across), so that every emblem falls on the pixels alike.
constexpr qreal kSinistra = 8.5, kCentro = 22.5, kDestra = 36.5;

struct Forma {
    qreal altezza;        // one size for every emblem of the suit, so the eye never weighs them
    qreal su, mezzo, giu; // the rows' middles
    qreal curva;          // a blade's bend at its point, the same on every blade
    qreal angolo = 0;     // leaning, as a club is held: upright and knobbly it reads as a cactus
};

constexpr Forma kDenari{10.4, 13.5, 35.5, 58.5, 0}; // a coin's diameter
constexpr Forma kCoppe{16, 13.5, 35.5, 58.5, 0};    // a cup's height
constexpr Forma kSpade{19.2, 13, 36, 59, 4.0};      // a sword's length
constexpr Forma kBastoni{19.4, 13, 36, 59, 0, 6};   // a club's length

struct Pose {
    std::array<Posa, 7> posa{};
    int quante = 0;
};

constexpr Pose Disponi(const Forma &f, int valore)
{
    Pose d;
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
    case 6: // rows of three, and nothing between them
        for (const qreal y : {f.su, f.giu})
            for (const qreal x : {kSinistra, kCentro, kDestra})
                metti(x, y);
        break;
    case 7: // the corners, and a row of three across the middle
        metti(kSinistra, f.su);
        metti(kDestra, f.su);
        for (const qreal x : {kSinistra, kCentro, kDestra})
            metti(x, f.mezzo);
        metti(kSinistra, f.giu);
        metti(kDestra, f.giu);
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
