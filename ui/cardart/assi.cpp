#include "assi.h"

#include "emblemi.h"

namespace belvane::cardart {

void Asso(QPainter &p, Seme seme)
{
    switch (seme) {
    case Seme::Denari:
        Emblema(p, seme, {22.5, 36}, 39, 0, Ornato::Si, 0);
        break;
    case Seme::Coppe:
        Emblema(p, seme, {22.5, 37}, 50, 0, Ornato::Si, 0);
        break;
    case Seme::Spade:
        Emblema(p, seme, {22.5, 36}, 64, 0, Ornato::Si, 0);
        break;
    case Seme::Bastoni:
        Emblema(p, seme, {22.5, 37}, 62, 0, Ornato::Si, 0);
        break;
    }
}

} // namespace belvane::cardart
