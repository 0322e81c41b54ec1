#include "titolo_volto.h"

#include "titolo_testa.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace titolo {

namespace {

struct Vettore {
    double x, y, z;
};

Vettore Normalizza(Vettore v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}

// The light comes from the upper left, mostly from the front, so that
// the two halves of the face keep the same features and differ in tone.
const Vettore kLuce = Normalizza({-0.3, -0.45, 0.84});

} // namespace

namespace {

// The coat's opening, and the lapels' outer edge, as half-widths at yb units
// below the collar's line: the V narrowing towards the button.
double Apertura(double yb) { return 13.5 - (yb - 24) * 0.2; }
double Bavero(double yb) { return Apertura(yb) + 10.5 - (yb - 24) * 0.1; }

} // namespace

double Spalla(double x) { return 19.5 + 21 * std::pow(std::abs(x) / 60, 1.7); }

double Passaggio(double a, double b, double t)
{
    const double u = std::clamp((t - a) / (b - a), 0.0, 1.0);
    return u * u * (3 - 2 * u);
}

Campione Rilievo(double x, double y)
{
    Campione r;
    const auto prendi = [&](double h, double hs, Zona z, Pezzo pezzo = Pezzo::Altro) {
        if (h > r.h) {
            r.h = h;
            r.hs = hs;
            r.zona = z;
            r.pezzo = pezzo;
        }
    };
    const double ax = std::abs(x);
    // Shoulders and coat: a broad front falling away to sloping shoulders
    // (yb: heights from the collar's line).
    const double yb = y - kColloY;
    const double spalla = Spalla(x);
    if (yb > spalla && ax < 96) {
        const double fronte = 1 - (x / 96) * (x / 96);
        const double h = 32 * std::sqrt(fronte) - 7 * (1 - Passaggio(0, 14, yb - spalla));
        double hb = h;
        Zona z = Zona::Giacca;
        // The coat opens in a V over the waistcoat; its lapels lie a little
        // raised beside the opening, broad under the collar and narrowing to
        // the button, with a notch where the collar meets them.
        const double apertura = Apertura(yb);
        const double bavero = Bavero(yb);
        const double tacca = std::abs(yb - 30.5);
        const bool intaccato = tacca < 2.2 && ax > apertura + 5.5 + tacca * 1.8;
        if (ax < bavero && yb > 23 && !intaccato) {
            hb += 2.2;
            z = Zona::Bavero;
        } else if (yb > 23 && ax < bavero + 3) {
            hb -= 2.5 * (1 - (ax - bavero) / 3); // the coat dips in the lapel's shadow
        }
        if (ax < apertura && yb > 20) {
            hb = h - 1;
            // The cravat: a knot under the collar, its ends spreading over the shirt.
            const bool nodo = yb < 30 && ax < 3.6 - std::abs(yb - 25.5) * 0.15;
            const bool falda = yb >= 29 && yb < 46 && ax < 3.0 + (yb - 29) * 0.22;
            const bool panciotto = yb > 40 && !falda;
            // The points of the collar, turned down over the knot.
            const bool punta = yb < 28.5 && ax > 2.6 + (yb - 20) * 0.3 && ax < 10.5 - (yb - 20) * 0.75;
            z = punta ? Zona::Camicia : nodo || falda ? Zona::Cravatta : panciotto ? Zona::Panciotto : Zona::Camicia;
            if (punta)
                hb += 3.5;
            else if (nodo || falda)
                hb += 1.5;
        }
        prendi(hb, 32 * fronte, z);
    }
    // The white collar standing round the neck, lower in front.
    const double collo = kColloMezzo + 0.3 * std::max(0.0, y - 4);
    if (y > kColloY + 19 - 0.05 * x * x && y < 34 && ax < collo)
        prendi(20 * std::sqrt(1 - (x / collo) * (x / collo)) + 2.5, 0, Zona::Camicia);
    // The head, its ears and the neck (see titolo_testa.h).
    if (const Superficie s = SuperficieTesta(x, y); s.colpita)
        prendi(s.z + 3, 0, Zona::Pelle, s.pezzo);
    // The hair: over the crown and down to the temples, parted on the left.
    const double cx = (x / kCapelliStretto - 0.5) / kCapelliA, cy = (y - kCapelliY) / kCapelliB;
    const double qc = 1 - cx * cx - cy * cy;
    if (qc > 0) {
        // The hairline: high over the forehead, higher still where it
        // recedes at the temples' corners, then steeply down to the ears.
        const double ah = ax / kCapelliStretto;
        const double attaccatura =
            ah < 21 ? -54 + 0.02 * ah * ah - 2.2 * std::exp(-std::pow((ah - 17.5) / 2.5, 2)) : -45.5 + (ah - 21) * 3.2;
        if (y < attaccatura || (ah > 23.5 && ah < 27.5 && y < kOcchiY - 4))
            prendi(31 * std::sqrt(qc), 31 * qc, Zona::Capelli);
    }
    return r;
}

double Tono(const Campione &c, double x, double y)
{
    if (c.zona == Zona::Pelle)
        return SuperficieTesta(x, y).tono;
    if (c.zona == Zona::Fondo) {
        // Light behind the head, falling off towards the oval's rim, so the
        // vignette glows round the sitter; darker behind the lit side of the
        // face and lighter behind the shaded one, so each stands off it (with
        // the lit side's ground lighter, the lit cheek melts into it).
        // The glow narrows below the cheekbones with the face, so it keeps
        // an even distance from the jaw and the neck and does not swell
        // into a bare patch beside them.
        const double d = std::hypot(x / (27 - 5 * Passaggio(-20, 14, y)), (y + 28) / 42);
        return 0.03 + 0.22 * (1 - Passaggio(-40, 40, x)) + 0.38 * Passaggio(0.95, 2.2, d);
    }
    constexpr double e = 0.5;
    const auto h = [](double px, double py) { return std::max(0.0, Rilievo(px, py).h); };
    const Vettore n = Normalizza({-(h(x + e, y) - h(x - e, y)) / (2 * e), -(h(x, y + e) - h(x, y - e)) / (2 * e), 1});
    const double luce = std::max(0.0, n.x * kLuce.x + n.y * kLuce.y + n.z * kLuce.z);
    // 0 in full light, 1 turned from it.
    const double ombra = std::clamp((0.92 - luce) / 0.7, 0.0, 1.0);
    // Each thing's tone from full light to full shade: the engraver keeps
    // the coat dark whatever the light does.
    double chiaro = 0, cupo = 0;
    double scuro = 0; // shadows cast on it
    switch (c.zona) {
    case Zona::Capelli:
        chiaro = 0.22, cupo = 0.85;
        break;
    case Zona::Giacca:
        // The coat takes the face's light: lighter on the shoulder towards
        // it, darker on the one turned away.
        chiaro = 0.28 + 0.67 * Passaggio(-50, 50, x), cupo = 0.97;
        // Each lapel casts a shadow on the coat beside it, the one turned from
        // the light the deeper, so the lapels stand off the cloth.
        if (const double yb = y - kColloY; yb > 23) {
            const double fuori = std::abs(x) - Bavero(yb);
            if (fuori > 0)
                scuro += (x > 0 ? 0.45 : 0.2) * std::exp(-fuori / 2.0) * Passaggio(23, 27, yb);
        }
        break;
    case Zona::Bavero: // lighter than the coat, the cravat darker: three weights
        chiaro = 0.42, cupo = 0.78;
        break;
    case Zona::Panciotto:
        chiaro = 0.38, cupo = 0.66;
        break;
    case Zona::Cravatta:
        chiaro = 0.7, cupo = 0.95;
        // The knot's side away from the light in shadow, its lit side
        // lighter, so it turns as a fold of silk and not a bead.
        if (y - kColloY < 29.5)
            chiaro = 0.45 + 0.45 * Passaggio(-2.5, 2.5, x);
        break;
    case Zona::Camicia: {
        chiaro = 0.1, cupo = 0.5;
        // The chin's shadow falls on the neck under it, towards the shaded side.
        scuro += 0.4 * std::exp(-std::pow((y - (kMentoY + 0.5 - 0.012 * x * x)) / 2.2, 2)) * Passaggio(-10, 6, x) *
            Passaggio(3, 9, y);
        // Below the standing collar the shirt front and the collar's points
        // are white linen; their edges are drawn (see titolo_segni.cpp).
        if (y - kColloY >= 20) {
            chiaro = 0.08, cupo = 0.4;
            // The linen falls into the shadow of the lapels beside it.
            const double yb = y - kColloY, bordo = Apertura(yb) - std::abs(x);
            scuro += 0.55 * std::exp(-std::max(0.0, bordo) / 1.2) * Passaggio(24, 27, yb);
        }
        break;
    }
    case Zona::Fondo:
    case Zona::Pelle:
        break;
    }
    const double t = 1 - (1 - (chiaro + (cupo - chiaro) * ombra)) * (1 - std::min(1.0, scuro));
    return std::clamp(t, 0.0, 1.0);
}

} // namespace titolo
