#include "disposizioni.h"

#include <array>

namespace belvane::cardart {
namespace {

// Round emblems (Coppe, Denari) stand in rows and columns, centred on pixels.
constexpr std::array<Posa, 2> kDenari2{{{22.5, 19.5, 19}, {22.5, 52.5, 19}}};
constexpr std::array<Posa, 3> kDenari3{{{22.5, 13.5, 17}, {22.5, 36.5, 17}, {22.5, 58.5, 17}}};
constexpr std::array<Posa, 4> kDenari4{{{12.5, 19.5, 17}, {32.5, 19.5, 17}, {12.5, 52.5, 17}, {32.5, 52.5, 17}}};
constexpr std::array<Posa, 5> kDenari5{
    {{11.5, 11.5, 15}, {33.5, 11.5, 15}, {22.5, 36, 17}, {11.5, 60.5, 15}, {33.5, 60.5, 15}}};
constexpr std::array<Posa, 6> kDenari6{
    {{12.5, 12.5, 15}, {32.5, 12.5, 15}, {12.5, 36, 15}, {32.5, 36, 15}, {12.5, 59.5, 15}, {32.5, 59.5, 15}}};
constexpr std::array<Posa, 7> kDenari7{{{13.5, 11.5, 13},
                                        {31.5, 11.5, 13},
                                        {7.5, 36, 12.5},
                                        {22.5, 36, 12.5},
                                        {37.5, 36, 12.5},
                                        {13.5, 60.5, 13},
                                        {31.5, 60.5, 13}}};

constexpr std::array<Posa, 2> kCoppe2{{{22.5, 19, 25}, {22.5, 53, 25}}};
constexpr std::array<Posa, 3> kCoppe3{{{22.5, 12.5, 17}, {22.5, 36, 17}, {22.5, 59.5, 17}}};
constexpr std::array<Posa, 4> kCoppe4{{{12.5, 18, 20}, {32.5, 18, 20}, {12.5, 54, 20}, {32.5, 54, 20}}};
// From five up the cups are smaller than the rows are tall, so the rows
// stay apart and the cups are counted, not read as columns.
constexpr std::array<Posa, 5> kCoppe5{{{11.5, 12, 16}, {33.5, 12, 16}, {22.5, 36, 17}, {11.5, 60, 16}, {33.5, 60, 16}}};
constexpr std::array<Posa, 6> kCoppe6{
    {{12.5, 12, 16}, {32.5, 12, 16}, {12.5, 36, 16}, {32.5, 36, 16}, {12.5, 60, 16}, {32.5, 60, 16}}};
constexpr std::array<Posa, 7> kCoppe7{
    {{13.5, 12, 15}, {31.5, 12, 15}, {8, 36, 14}, {22.5, 36, 14}, {37, 36, 14}, {13.5, 60, 15}, {31.5, 60, 15}}};

// Long emblems (Bastoni, Spade). Uprights stand on whole x, so the edges of
// a blade fall on pixel centres. A crossed pair is one figure of the layout;
// nothing else touches it: two is one long cross, three stands upright side
// by side, four is two crosses, five lays one across between them, six adds
// an upright on each side, seven puts three short uprights between them, so
// that every count has an outline of its own.
constexpr qreal kCurva = 2.5;
constexpr std::array<Posa, 2> kLunghi2{{{22.5, 36, 62, 22, kCurva}, {22.5, 36, 62, -22, -kCurva}}};
constexpr std::array<Posa, 3> kLunghi3{{{10, 36, 58, 0}, {22, 36, 62, 0}, {35, 36, 58, 0}}};
constexpr std::array<Posa, 4> kLunghi4{{{22.5, 18, 30, 26, kCurva},
                                        {22.5, 18, 30, -26, -kCurva},
                                        {22.5, 54, 30, 26, kCurva},
                                        {22.5, 54, 30, -26, -kCurva}}};
constexpr std::array<Posa, 5> kLunghi5{{{22.5, 15, 24, 28, kCurva},
                                        {22.5, 15, 24, -28, -kCurva},
                                        {22.5, 36, 38, 90},
                                        {22.5, 57, 24, 28, kCurva},
                                        {22.5, 57, 24, -28, -kCurva}}};
constexpr std::array<Posa, 6> kLunghi6{{{22.5, 19, 28, 22, kCurva},
                                        {22.5, 19, 28, -22, -kCurva},
                                        {22.5, 53, 28, 22, kCurva},
                                        {22.5, 53, 28, -22, -kCurva},
                                        {7, 36, 60, 0},
                                        {38, 36, 60, 0}}};
constexpr std::array<Posa, 7> kLunghi7{{{22.5, 13, 22, 28, kCurva},
                                        {22.5, 13, 22, -28, -kCurva},
                                        {11, 36, 18, 0},
                                        {22, 36, 18, 0},
                                        {34, 36, 18, 0},
                                        {22.5, 59, 22, 28, kCurva},
                                        {22.5, 59, 22, -28, -kCurva}}};

} // namespace

std::span<const Posa> Disposizione(Seme seme, int valore)
{
    switch (seme) {
    case Seme::Denari:
        switch (valore) {
        case 2:
            return kDenari2;
        case 3:
            return kDenari3;
        case 4:
            return kDenari4;
        case 5:
            return kDenari5;
        case 6:
            return kDenari6;
        case 7:
            return kDenari7;
        }
        break;
    case Seme::Coppe:
        switch (valore) {
        case 2:
            return kCoppe2;
        case 3:
            return kCoppe3;
        case 4:
            return kCoppe4;
        case 5:
            return kCoppe5;
        case 6:
            return kCoppe6;
        case 7:
            return kCoppe7;
        }
        break;
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
