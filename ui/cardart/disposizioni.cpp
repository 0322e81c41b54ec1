#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// One size for every emblem of a suit from the two to the seven, so that the
// eye counts them and never weighs them.
constexpr qreal kDenaro = 12; // a coin's diameter
constexpr qreal kCoppa = 15;  // a cup's height
constexpr qreal kLungo = 24;  // a sword's or a club's length
constexpr qreal kCurva = 2.6; // a pip blade's bend at its tip, away from the card's middle

// Coins and cups stand in columns with white between: the two and three in
// one column, the four and five in two (the five with one between), the six
// in two columns of three at the card's sides and the seven the six with
// one more in the middle, between the first and second rows, where no row
// of three can run together into one band.
// Centres on pixel centres, so that every coin falls on the pixels alike.
constexpr qreal kSu = 13.5, kMedio = 35.5, kGiu = 58.5, kLato = 9.5, kAltroLato = 35.5;
template <qreal kD> constexpr std::array<Posa, 2> kTondi2{{{22.5, 22.5, kD}, {22.5, 49.5, kD}}};
template <qreal kD> constexpr std::array<Posa, 3> kTondi3{{{22.5, kSu, kD}, {22.5, kMedio, kD}, {22.5, kGiu, kD}}};
template <qreal kD>
constexpr std::array<Posa, 4> kTondi4{{{13.5, 22.5, kD}, {31.5, 22.5, kD}, {13.5, 49.5, kD}, {31.5, 49.5, kD}}};
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

// Swords and clubs stand upright side by side, never crossing, each its own
// patch, in one tier (the two and three) or two (the four and six, two and
// three across); the five and seven are the four and six with one more
// lying across the middle, so that each count has its own shape. Never four
// across: the card is too narrow for white between them. A blade bends away
// from the middle of the card; the blade's edges fall on pixel centres when
// it stands on x.5 (y whole) or lies on y.5 (x whole).
constexpr qreal kAlto = 16, kBasso = 56, kMezzo = 36;
constexpr Posa kDisteso{22, 36.5, kLungo, 90, -kCurva};
constexpr std::array<Posa, 2> kLunghi2{{{16.5, kMezzo, kLungo, 0, -kCurva}, {28.5, kMezzo, kLungo, 0, kCurva}}};
constexpr std::array<Posa, 3> kLunghi3{
    {{10.5, kMezzo, kLungo, 0, -kCurva}, {22.5, kMezzo, kLungo, 0, kCurva}, {34.5, kMezzo, kLungo, 0, kCurva}}};
constexpr std::array<Posa, 4> kLunghi4{{{16.5, kAlto, kLungo, 0, -kCurva},
                                        {28.5, kAlto, kLungo, 0, kCurva},
                                        {16.5, kBasso, kLungo, 0, -kCurva},
                                        {28.5, kBasso, kLungo, 0, kCurva}}};
constexpr std::array<Posa, 5> kLunghi5{{kLunghi4[0], kLunghi4[1], kDisteso, kLunghi4[2], kLunghi4[3]}};
constexpr std::array<Posa, 6> kLunghi6{{{10.5, kAlto, kLungo, 0, -kCurva},
                                        {22.5, kAlto, kLungo, 0, kCurva},
                                        {34.5, kAlto, kLungo, 0, kCurva},
                                        {10.5, kBasso, kLungo, 0, -kCurva},
                                        {22.5, kBasso, kLungo, 0, -kCurva},
                                        {34.5, kBasso, kLungo, 0, kCurva}}};
constexpr std::array<Posa, 7> kLunghi7{
    {kLunghi6[0], kLunghi6[1], kLunghi6[2], kDisteso, kLunghi6[3], kLunghi6[4], kLunghi6[5]}};

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
