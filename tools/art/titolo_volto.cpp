#include "titolo_volto.h"

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
// The tone of the head's turn at its outline (see Tono).
constexpr double kGiro = 0.42;
constexpr double kGiroLuce = 0.62; // its share of that on the lit side

double Gauss(double dx, double dy, double sx, double sy)
{
    return std::exp(-(dx * dx) / (2 * sx * sx) - (dy * dy) / (2 * sy * sy));
}

} // namespace

// Through the points below (Catmull-Rom): the crown, the temples, the
// cheekbones, the jaw, the chin.
double MezzaLarghezza(double y)
{
    static constexpr std::array<std::array<double, 2>, 13> kProfilo{{{-67, 0},
                                                                     {-63, 13},
                                                                     {-57, 20},
                                                                     {-48, 24.2},
                                                                     {-38, 25.8},
                                                                     {-27, 26.2},
                                                                     {-18, 24.6},
                                                                     {-8, 22.0},
                                                                     {0, 19.8},
                                                                     {6, 16.2},
                                                                     {9.5, 12.2},
                                                                     {11.7, 8.0},
                                                                     {kMentoY, 0}}};
    if (y <= kProfilo.front()[0] || y >= kProfilo.back()[0])
        return 0;
    std::size_t i = 0;
    while (kProfilo[i + 1][0] < y)
        ++i;
    const auto punto = [&](std::size_t k) { return kProfilo[std::clamp<std::size_t>(k, 0, kProfilo.size() - 1)][1]; };
    const double t = (y - kProfilo[i][0]) / (kProfilo[i + 1][0] - kProfilo[i][0]);
    const double p0 = punto(i == 0 ? 0 : i - 1), p1 = punto(i), p2 = punto(i + 1), p3 = punto(i + 2);
    const double w = 0.5 *
        ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t * t +
         (-p0 + 3 * p1 - 3 * p2 + p3) * t * t * t);
    return std::max(0.0, w);
}

namespace {

// The meridians of the head: lines from brow to chin that bow round the
// face as a globe's do, closer together as the face turns away. Where the
// face narrows to the chin, and down the neck, they keep the chin's round.
double Meridiano(double x, double mezzaLarghezza)
{
    constexpr double kRaggio = 26, kMinimo = 17;
    const double w = std::max(mezzaLarghezza, kMinimo);
    return std::asin(std::clamp(x / w, -1.0, 1.0)) * kRaggio;
}

} // namespace

double Lineamenti(double x, double y, double naso)
{
    const double ax = std::abs(x);
    double d = 0;
    d -= 3.2 * Gauss(ax - kOcchiX, y - kOcchiY, 5.2, 3.4);      // eye sockets
    d += 1.6 * Gauss(ax - kOcchiX, y - kOcchiY, 3.2, 1.9);      // the eyeballs under the lids
    d += 2.0 * Gauss(ax - 10.5, y - (kOcchiY - 5.5), 6.5, 1.8); // brow ridge
    d += 1.6 * Gauss(ax - 15.5, y - (kOcchiY + 9), 4.5, 3.6);   // cheekbones
    d -= 0.9 * Gauss(ax - 15, y - (kOcchiY + 21), 4, 4.5);      // below them
    d -= 1.0 * Gauss(ax - 22.5, y - (kOcchiY - 9), 2.6, 5);     // temples
    d += 1.2 * Gauss(x, y - (kOcchiY - 15), 14, 6);             // forehead
    // The nose: a ridge that widens and rises to the tip, with its wings.
    const double lungo = std::clamp((y - (kOcchiY - 3)) / 17.0, 0.0, 1.0);
    const double dorso = Passaggio(kOcchiY - 4, kOcchiY + 1, y) * (1 - Passaggio(kOcchiY + 14.5, kOcchiY + 17.5, y));
    d += naso * dorso * (0.8 + 4.6 * lungo * lungo) * Gauss(x, 0, 1.8 + 1.7 * lungo, 1);
    d += naso * 2.4 * Gauss(x, y - (kOcchiY + 14.6), 2.6, 2.2);        // tip
    d += naso * 1.3 * Gauss(ax - 3.6, y - (kOcchiY + 15.6), 1.6, 1.4); // wings
    // Mouth and chin.
    d += 1.3 * Gauss(x, y - (kBoccaY - 2.6), 5.5, 2.0); // upper lip
    d -= 1.0 * Gauss(x, y - kBoccaY, 7.5, 0.55);        // the parting of the lips
    d += 1.3 * Gauss(x, y - (kBoccaY + 2.1), 5.0, 1.4); // lower lip
    d -= 0.8 * Gauss(x, y - (kBoccaY + 5.2), 5, 1.2);   // the hollow under it
    d += 2.2 * Gauss(x, y - (kMentoY - 5.5), 7.5, 3.6); // chin
    return d;
}

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
    const auto prendi = [&](double h, double hs, Zona z, double meridiano = 0, Pezzo pezzo = Pezzo::Altro) {
        if (h > r.h) {
            r.h = h;
            r.hs = hs;
            r.zona = z;
            r.meridiano = meridiano;
            r.pezzo = pezzo;
        }
    };
    const double ax = std::abs(x);
    // Shoulders and coat: a broad front falling away to sloping shoulders
    // (yb: heights from the collar's line).
    const double yb = y - kColloY;
    const double spalla = Spalla(x);
    // Above the collar's points the opening is left to the collar itself,
    // or the top of the shirt front would run straight across the throat.
    const bool gola = yb <= 20 && ax < Apertura(yb);
    if (yb > spalla && ax < 96 && !gola) {
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
    // Neck, and the white collar standing round it.
    // Well inside the jaw under it, so the head does not stand on a pillar,
    // it widens towards the shoulders, where it joins them; the collar's top
    // curves round it, lower in front.
    const double collo = kColloMezzo + 0.3 * std::max(0.0, y - 4);
    if (y > -4 && y < 34 && ax < collo) {
        const double q = 1 - (x / collo) * (x / collo);
        // Dipping in front to meet the knot.
        const bool colletto = y > kColloY + 19 - 0.05 * x * x + Gauss(x, 0, 2.8, 1);
        const double h = 20 * std::sqrt(q) + (colletto ? 2.5 : 0);
        prendi(h, 20 * q, colletto ? Zona::Camicia : Zona::Pelle, Meridiano(x, 0),
               colletto ? Pezzo::Altro : Pezzo::Collo);
    }
    // Ears, behind the head's outline.
    for (int lato : {-1, 1}) {
        const double ex = (x - lato * kOrecchioX) / 3.4, ey = (y - kOrecchioY) / 9.2;
        const double q = 1 - ex * ex - ey * ey;
        if (q > 0)
            prendi(6 * std::sqrt(q), 6 * q, Zona::Pelle, x, Pezzo::Orecchio);
    }
    // The head.
    const double w = MezzaLarghezza(y);
    if (ax < w) {
        const double q = 1 - (x / w) * (x / w);
        const double profondita = 27 * std::sqrt(std::clamp((y + 68) / 14.0, 0.0, 1.0));
        const double d = Lineamenti(x, y);
        prendi(profondita * std::sqrt(q) + d * std::min(1.0, q * 4), profondita * q + 0.1 * d, Zona::Pelle,
               Meridiano(x, w), Pezzo::Testa);
    }
    // The hair: over the crown and down to the temples, parted on the left.
    const double cx = (x - 0.5) / kCapelliA, cy = (y - kCapelliY) / kCapelliB;
    const double qc = 1 - cx * cx - cy * cy;
    if (qc > 0) {
        // The hairline: high over the forehead, higher still where it
        // recedes at the temples' corners, then steeply down to the ears.
        const double attaccatura =
            ax < 21 ? -54 + 0.02 * x * x - 2.2 * std::exp(-std::pow((ax - 17.5) / 2.5, 2)) : -45.5 + (ax - 21) * 3.2;
        if (y < attaccatura || (ax > 23.5 && ax < 27.5 && y < kOcchiY - 1))
            prendi(31 * std::sqrt(qc), 31 * qc, Zona::Capelli);
    }
    return r;
}

namespace {

// The shadow the jaw casts on what lies under it, near 1 right under its
// edge on both sides, so the face ends at the jaw and the head stands
// forward of the neck instead of sitting on it as a cut-out; the light is
// from the upper left, so it reaches further down on the side away from it.
double OmbraMento(double x, double y)
{
    double sotto = 0;
    while (Rilievo(x, y - sotto).pezzo != Pezzo::Testa)
        if ((sotto += 0.5) > 12)
            return 0;
    const double lato = Passaggio(-14, 10, x);
    return (0.85 + 0.15 * lato) * std::exp(-sotto / (3.5 + 4 * lato));
}

// The half-tone of the lit half of the face where it turns from the light:
// building from nothing in the middle of the cheek to its outline, from the
// temple down to the jaw, and in the hollow under the cheekbone. It carries
// the shaded side's lines on across the lit cheek, fine and tapering into
// the light, so the cheek turns there as it does on the other side and the
// planes facing the light stay bare.
double GiroInLuce(double x, double y)
{
    const double luce = 1 - Passaggio(-4, 0, x);
    if (luce <= 0)
        return 0;
    const double u = std::abs(x) / std::max(MezzaLarghezza(y), 1.0);
    const double lungo = Passaggio(kOcchiY - 16, kOcchiY - 4, y) * (1 - Passaggio(0, kMentoY - 2, y));
    const double contorno = std::pow(Passaggio(0.5, 1.0, u), 1.3) * lungo;
    const double zigomo = Gauss(x + 16.5, y - (kOcchiY + 20), 3.5, 4);
    return luce * (0.5 * contorno + 0.15 * zigomo);
}

} // namespace

double Tono(const Campione &c, double x, double y)
{
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
    // 0 in full light, 1 turned from it; on the skin over a longer turn, so
    // the shaded side builds up gradually instead of starting as a band.
    const double ombra = std::clamp((0.92 - luce) / (c.zona == Zona::Pelle ? 0.85 : 0.7), 0.0, 1.0);
    // Each thing's tone from full light to full shade: the engraver keeps
    // the face luminous and the coat dark whatever the light does.
    double chiaro = 0, cupo = 0;
    double scuro = 0; // shadows cast on it
    switch (c.zona) {
    case Zona::Pelle: {
        const double ax = std::abs(x);
        // Shadows cast: under the nose, under the lower lip, under the jaw.
        scuro += 0.22 * std::exp(-std::pow((x - 3.0) / 3.0, 2) - std::pow((y - (kOcchiY + 18.2)) / 1.1, 2));
        scuro += 0.24 * std::exp(-std::pow(x / 5.5, 2) - std::pow((y - (kBoccaY + 4.4)) / 1.0, 2));
        scuro += 0.1 * std::exp(-std::pow(x / 6.5, 2) - std::pow((y - (kBoccaY - 1.7)) / 1.2, 2)); // upper lip
        // The nose's shadow cast on the cheek beside its lower half.
        scuro += 0.08 * Gauss(x - 4.6, y - (kOcchiY + 12.5), 1.4, 3.2);
        // The shaded plane on the nose's far side, from the bridge down to the
        // nostril, is cut as lines down the flank (see titolo_segni.cpp); the
        // skin's lines are kept fine across it, or they swell there into a
        // stack of dashes. The sockets under the brows.
        const double lato = x - (2.2 + 0.12 * (y - kOcchiY));
        scuro -= 0.25 * std::exp(-lato * lato / 2.5) * Passaggio(kOcchiY + 3, kOcchiY + 6, y) *
            (1 - Passaggio(kOcchiY + 13, kOcchiY + 15.5, y));
        scuro += 0.42 * Gauss(ax - (kOcchiX - 0.5), y - (kOcchiY - 3.3), 4.8, 1.3);
        scuro += 0.1 * Gauss(ax - (kOcchiX - 4.5), y - (kOcchiY - 1.0), 1.6, 2.2);
        // The folds from the nose towards the corners of the mouth, giving out
        // above them, or their last dots hang at a corner as a smirk; the
        // shade under the eyes and at their inner corners.
        const double piega = ax - (5.6 + 0.3 * (y - (kOcchiY + 15.5)));
        if (y > kOcchiY + 15 && y < kBoccaY + 2)
            scuro += 0.14 * std::exp(-piega * piega / 0.8) * (1 - Passaggio(kBoccaY - 4, kBoccaY - 1, y));
        scuro += 0.12 * Gauss(ax - (kOcchiX + 0.5), y - (kOcchiY + 3.4), 3.2, 0.9);
        scuro += 0.12 * Gauss(ax - (kOcchiX - 4.8), y - (kOcchiY - 0.8), 1.3, 1.6);
        // The neck stands in the head's shade, deeper on the side from the light.
        if (c.pezzo == Pezzo::Collo) {
            scuro += 0.08 + 0.2 * Passaggio(-8, 12, x) + 0.05 * (1 - Passaggio(8, 12, y));
            // The jaw's shadow on it, deepest right under the chin.
            scuro += 0.8 * OmbraMento(x, y);
        }
        // The hollow of the ear.
        scuro += 0.15 * Gauss(ax - (kOrecchioX - 0.6), y - (kOrecchioY - 0.5), 1.2, 4.5);
        // Both ears well lighter than their turn from the light makes them,
        // the lit one more, so each reads by its rim and bowl rather than
        // closing into a dark blot beside the cheek.
        if (c.pezzo == Pezzo::Orecchio)
            scuro += x > 0 ? -0.25 : -0.3;
        if (y > 4)
            scuro += 0.08 * (1 - Passaggio(8, 24, y - 0.02 * x * x)) * Passaggio(3, 9, y);
        // The eye's white is paper.
        const double dx = (ax - kOcchiX) / kOcchioMezzo;
        if (std::abs(dx) < 1 && y > kOcchiY - kPalpebra * (1 - dx * dx) - 0.25 * dx &&
            y < kOcchiY + kPalpebraBassa * (1 - dx * dx) - 0.25 * dx)
            return 0.04;
        chiaro = 0.03, cupo = 0.46;
        // Between the brows the forehead stays light, so the brows do not join.
        scuro -= 0.6 * Gauss(x, y - (kOcchiY - 4.2), 4.2, 2.0);
        // The light on the brow's dome and down the ridge of the nose is left
        // open paper.
        scuro -= 0.25 * Gauss(x + 3, y - (kOcchiY - 15), 8, 4.5);
        scuro -= 0.2 * Gauss(x - 0.3, y - (kOcchiY + 7), 1.3, 5);
        // The cheekbone on the shaded side still catches some light, so the
        // shade there turns round it instead of lying across the cheek as
        // one band.
        scuro -= 0.2 * Gauss(x - 13.5, y - (kOcchiY + 7.5), 4.5, 3.2);
        // The jaw and the temple on the lit side face the light: whatever
        // their turn, they are left near bare, so no shade comes from
        // nowhere on the side the light falls on.
        scuro -= 0.3 * (1 - Passaggio(-12, 0, x)) *
            (Passaggio(kOcchiY + 14, kOcchiY + 24, y) + (1 - Passaggio(kOcchiY - 12, kOcchiY - 6, y)));
        scuro += GiroInLuce(x, y);
        break;
    }
    case Zona::Capelli:
        chiaro = 0.22, cupo = 0.85;
        break;
    case Zona::Giacca:
        // The coat takes the face's light: lighter on the shoulder towards
        // it, darker on the one turned away; even its lit side dark enough
        // that the bust is the picture's weight and the face stands off it.
        chiaro = 0.58 + 0.38 * Passaggio(-50, 50, x), cupo = 0.97;
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
        if (y - kColloY < 29.5) {
            chiaro = 0.45 + 0.45 * Passaggio(-2.5, 2.5, x);
        } else {
            // The blade is dark silk, its stripes fine lines of light.
            chiaro = 0.85, cupo = 0.97;
        }
        break;
    case Zona::Camicia: {
        chiaro = 0.1, cupo = 0.5;
        // The jaw's shadow runs on from the neck over the collar under it.
        scuro += 0.9 * OmbraMento(x, y);
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
        break;
    }
    double t = 1 - (1 - (chiaro + (cupo - chiaro) * ombra)) * (1 - std::min(1.0, scuro));
    // However the light falls, the head turns away from the eye towards its
    // outline: a light tone there on both sides models the cheeks and the
    // temples, so the lit side is a form and not a drawn edge. It stays off
    // the middle of the face and off the chin, where it would read as a beard.
    // On the lit side it is lighter, so its lines stay fine and taper out
    // rather than match the shade's and grey the light.
    if (c.zona == Zona::Pelle && c.pezzo == Pezzo::Testa) {
        const double w = MezzaLarghezza(y);
        const double giro = kGiro * (kGiroLuce + (1 - kGiroLuce) * Passaggio(-6, 6, x));
        t = std::max(t, giro * Passaggio(0.3, 0.95, std::abs(x) / std::max(w, 1.0)) * Passaggio(12, 17, w));
    }
    return std::clamp(t, 0.0, 1.0);
}

} // namespace titolo
