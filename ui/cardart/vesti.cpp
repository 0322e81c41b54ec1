#include "vesti.h"

#include "tavolozza.h"

namespace belvane::cardart {

Veste VesteDi(Seme seme, int valore)
{
    const bool re = valore == 10;
    switch (seme) {
    case Seme::Bastoni:
        return {kVerde, kRosso, kRosso, kOro, re ? kVerde : kRosso, kOro, kMarrone, kMarrone, Presa::Spalla, false};
    case Seme::Coppe:
        return {kRosso,        kOro, kBlu, kBlu, re ? kRosso : kBlu, kErmellino, kBlu, QColor(0xD8, 0x9A, 0x30),
                Presa::Alzata, true};
    case Seme::Denari:
        return {
            kBlu, kArancio, kVerde, kVerde, re ? kBlu : kVerde, kOro, kRosso, QColor(0x40, 0x28, 0x18), Presa::Mostrata,
            false};
    case Seme::Spade:
        return {kOro, kViola, kRosso, kNero, re ? kViola : kNero, kCeleste, kNero, kContorno, Presa::Riposo, true};
    }
    return {};
}

} // namespace belvane::cardart
