#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// One size for every emblem of a suit from the two to the seven, so that the
// eye counts them and never weighs them.
constexpr qreal kDenaro = 12;  // a coin's diameter
constexpr qreal kCoppa = 15;   // a cup's height
constexpr qreal kLungo = 19.2; // a sword's or a club's length
constexpr qreal kCurva = 4;    // a pip blade's bend at its point

// Coins and cups stand in columns with white between: the two and three in
// one column, the four at the corners as the swords' and clubs' four, the
// five the four with one in the middle, the six
// in two columns of three at the card's sides and the seven the six with
// one more in the middle, between the first and second rows, where no row
// of three can run together into one band.
// Centres on pixel centres, so that every coin falls on the pixels alike.
constexpr qreal kSu = 13.5, kMedio = 35.5, kGiu = 58.5, kLato = 9.5, kAltroLato = 35.5;
template <qreal kD> constexpr std::array<Posa, 2> kTondi2{{{22.5, 22.5, kD}, {22.5, 49.5, kD}}};
template <qreal kD> constexpr std::array<Posa, 3> kTondi3{{{22.5, kSu, kD}, {22.5, kMedio, kD}, {22.5, kGiu, kD}}};
template <qreal kD>
constexpr std::array<Posa, 4> kTondi4{{{12.5, kSu, kD}, {32.5, kSu, kD}, {12.5, kGiu, kD}, {32.5, kGiu, kD}}};
template <qreal kD>
constexpr std::array<Posa, 5> kTondi5{
    {{12.5, kSu, kD}, {32.5, kSu, kD}, {22.5, kMedio, kD}, {12.5, kGiu, kD}, {32.5, kGiu, kD}}};
template <qreal kD>
constexpr std::array<Posa, 6> kTondi6{{{kLato, kSu, kD},
                                       {kAltroLato, kSu, kD},
                                       {kLato, kMedio, kD},
                                       {kAltroLato, kMedio, kD},
                                       {kLato, kGiu, kD},
                                       {kAltroLato, kGiu, kD}}};
template <qreal kD>
constexpr std::array<Posa, 7> kTondi7{{{kLato, kSu, kD},
                                       {kAltroLato, kSu, kD},
                                       {22.5, (kSu + kMedio) / 2, kD},
                                       {kLato, kMedio, kD},
                                       {kAltroLato, kMedio, kD},
                                       {kLato, kGiu, kD},
                                       {kAltroLato, kGiu, kD}}};

// Swords and clubs stand upright side by side, never crossing, in three
// columns with white enough between them that each holds its own. The two
// and three stand in one row across the middle; the four at the corners,
// the five the four with one in the middle; the six a row of three at the
// top and one at the bottom, the seven the six with one in the middle. So
// every odd count shows an emblem as bold as the others where the even one
// shows white, and no column runs together into one band. The rows fill the
// card's height to three pixels from its edges. A blade bends away from
// the card's middle.
constexpr qreal kSinistra = 8.5, kCentro = 22.5, kDestra = 36.5;
constexpr qreal kRiga1 = 13, kRiga2 = 36, kRiga3 = 59;
constexpr Posa Lungo(qreal x, qreal y, qreal verso) { return {x, y, kLungo, 0, verso * kCurva}; }
constexpr std::array<Posa, 2> kLunghi2{{Lungo(15.5, kRiga2, -1), Lungo(29.5, kRiga2, 1)}};
constexpr std::array<Posa, 3> kLunghi3{
    {Lungo(kSinistra, kRiga2, -1), Lungo(kCentro, kRiga2, 1), Lungo(kDestra, kRiga2, 1)}};
constexpr std::array<Posa, 4> kLunghi4{
    {Lungo(kSinistra, kRiga1, -1), Lungo(kDestra, kRiga1, 1), Lungo(kSinistra, kRiga3, -1), Lungo(kDestra, kRiga3, 1)}};
constexpr std::array<Posa, 5> kLunghi5{{kLunghi4[0], kLunghi4[1], Lungo(kCentro, kRiga2, 1), kLunghi4[2], kLunghi4[3]}};
constexpr std::array<Posa, 6> kLunghi6{{Lungo(kSinistra, kRiga1, -1), Lungo(kCentro, kRiga1, 1),
                                        Lungo(kDestra, kRiga1, 1), Lungo(kSinistra, kRiga3, -1),
                                        Lungo(kCentro, kRiga3, 1), Lungo(kDestra, kRiga3, 1)}};
constexpr std::array<Posa, 7> kLunghi7{
    {kLunghi6[0], kLunghi6[1], kLunghi6[2], Lungo(kCentro, kRiga2, 1), kLunghi6[3], kLunghi6[4], kLunghi6[5]}};

template <qreal kD> std::span<const Posa> Tondi(int valore)
{
    switch (valore) {
    case 2:
        return kTondi2<kD>;
    case 3:
        return kTondi3<kD>;
    case 4:
        return kTondi4<kD>;
    case 5:
        return kTondi5<kD>;
    case 6:
        return kTondi6<kD>;
    case 7:
        return kTondi7<kD>;
    }
    return {};
}

} // namespace

std::span<const Posa> Disposizione(Seme seme, int valore)
{
    switch (seme) {
    case Seme::Denari:
        return Tondi<kDenaro>(valore);
    case Seme::Coppe:
        return Tondi<kCoppa>(valore);
    case Seme::Bastoni:
    case Seme::Spade:
        switch (valore) {
        case 2:
            return kLunghi2;
        case 3:
            return kLunghi3;
        case 4:
            return kLunghi4;
        case 5:
            return kLunghi5;
        case 6:
            return kLunghi6;
        case 7:
            return kLunghi7;
        }
        break;
    }
    return {};
}

} // namespace belvane::cardart
