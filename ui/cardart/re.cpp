#include "figure.h"

#include "pedana.h"
#include "re_parti.h"
#include "stampa.h"

namespace belvane::cardart {

namespace {

void DisegnaRe(QPainter &p, Seme seme)
{
    p.save();
    Pedana(p, seme);
    switch (seme) {
    case Seme::Bastoni:
        re::ReDiBastoni(p);
        break;
    case Seme::Coppe:
        re::ReDiCoppe(p);
        break;
    case Seme::Denari:
        re::ReDiDenari(p);
        break;
    case Seme::Spade:
        re::ReDiSpade(p);
        break;
    }
    p.restore();
}

} // namespace

// Four kings, four drawings: each stands, crowned and cloaked, on his suit's
// platform in a pose of his own (re_bastoni.cpp, re_coppe.cpp,
// re_denari.cpp, re_spade.cpp).
void Re(QPainter &p, Seme seme)
{
    Figura(p, [seme](QPainter &q) { DisegnaRe(q, seme); });
}

// The skin between brow and moustache, inside the face's outline.
QRectF VisoDelRe(Seme seme)
{
    switch (seme) {
    case Seme::Bastoni:
        return QRectF(17, 15, 5, 5);
    case Seme::Coppe:
        return QRectF(22, 15, 5, 5);
    case Seme::Denari:
        return QRectF(20, 16, 5, 5);
    case Seme::Spade:
        return QRectF(20, 15, 5, 5);
    }
    return {};
}

} // namespace belvane::cardart
