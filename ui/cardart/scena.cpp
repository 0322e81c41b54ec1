#include "scena.h"

#include "assi.h"
#include "disposizioni.h"
#include "emblemi.h"
#include "figure.h"
#include "nastro.h"

namespace belvane::cardart {

void Scena(QPainter &p, Seme seme, int valore)
{
    if (valore == 1) {
        Asso(p, seme);
    } else if (valore <= 7) {
        for (const Posa &posa : Disposizione(seme, valore))
            Emblema(p, seme, {posa.x, posa.y}, posa.altezza, 0, Ornato::Carta, posa.curva);
        if (valore == 2)
            Nastro(p, seme);
    } else if (valore == 8) {
        Fante(p, seme);
    } else if (valore == 9) {
        Cavallo(p, seme);
    } else {
        Re(p, seme);
    }
}

QRectF RiquadroViso(Seme seme, int valore)
{
    switch (valore) {
    case 8:
        return VisoDelFante(seme);
    case 9:
        return VisoDelCavaliere(seme);
    case 10:
        return VisoDelRe(seme);
    }
    return {};
}

} // namespace belvane::cardart
