#include "titolo_pelle.h"

#include "titolo_misure.h"

#include <algorithm>
#include <cmath>

namespace titolo {

namespace {

constexpr double kPasso = 3.4; // the skin's lines lie this many pixels apart, coarser than the ground's
constexpr double kCroce = 0.7; // the crossing set's angle to the first, radians
// Across the head the lines rise to the right at this angle, across the
// light, so they never run with the ground's level ruling behind the head.
constexpr double kInclina = 0.35;
// How far the lines bow, in units, up at the sides of the head: they are
// the sections of its round seen from a little above, all bowing one way,
// so the face does not ripple where a bow would turn over.
constexpr double kArco = 10;
// How far the features bend them, a share of their height; the nose's
// less, or the lines would crowd into a smear down its shaded flank.
constexpr double kPiegaLineamenti = 0.5, kPiegaNaso = 0.4;
// The skin's tones: below kCarta clean paper; up to kIntero the lines break
// into flicks and then dots; above it they run whole.
constexpr double kCarta = 0.16, kIntero = 0.3;

// The head's base lines: y turned by kInclina about the face's middle, and
// the place along them.
double Inclinata(double x, double y) { return (y - kOcchiY) * std::cos(kInclina) + x * std::sin(kInclina); }
double Lungo(double x, double y) { return x * std::cos(kInclina) - (y - kOcchiY) * std::sin(kInclina); }

// The skin's lines are the level lines of this function of the place.
double Livello(Pezzo pezzo, double x, double y)
{
    if (pezzo == Pezzo::Orecchio) { // across the ear, bowed by its own round
        const double ex = (x - (x < 0 ? -kOrecchioX : kOrecchioX)) / 3.4, ey = (y - kOrecchioY) / 9.2;
        return y - 6 * std::max(0.0, 1 - ex * ex - ey * ey);
    }
    if (pezzo == Pezzo::Collo) { // round the neck, seen from a little above, at the head's slant
        const double u = std::min(1.0, std::abs(x) / kColloMezzo);
        return Inclinata(x, y) + 5.0 * u * u;
    }
    // Across the head each line bows like the jaw, more steeply towards the
    // outline as the head turns away. The features bend it further: up into
    // the sockets, down over the nose, the cheekbones, the lips and the chin.
    const double w = std::max(4.0, MezzaLarghezza(y));
    const double u = std::min(0.985, std::abs(x) / w);
    const double tondo = 1 - std::sqrt(1 - u * u);
    // The features' heights are softened first, so the lines swing round them
    // rather than kink at every small rise.
    constexpr double r = 2.0;
    const auto l = [](double px, double py) { return Lineamenti(px, py, kPiegaNaso); };
    const double lineamenti = (2 * l(x, y) + l(x - r, y) + l(x + r, y) + l(x, y - r) + l(x, y + r)) / 6;
    return Inclinata(x, y) + kArco * tondo - kPiegaLineamenti * lineamenti;
}

} // namespace

double Tratto(double fase, double g, double larghezza)
{
    constexpr double campioni = kScala * kIngrandimento; // samples to one of the sitter's units
    const double distanza = std::abs(fase - std::round(fase)) / g * campioni;
    const double mezza = larghezza / g * campioni / 2;
    return std::clamp(mezza - distanza + 0.5, 0.0, 1.0);
}

double InchiostroPelle(const Campione &c, double x, double y, double t)
{
    if (t < kCarta) // the lights are clean paper
        return 0;
    const Pezzo pezzo = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
    constexpr double e = 0.25;
    constexpr double righe = kIngrandimento / kPasso; // lines to a unit where the level rises one to one
    const double f = Livello(pezzo, x, y);
    const double fx = (Livello(pezzo, x + e, y) - f) / e, fy = (Livello(pezzo, x, y + e) - f) / e;
    const double g1 = std::clamp(std::hypot(fx, fy), 0.5, 2.2) * righe;
    // Where a line passes between the nostrils it is cut fine, so the two
    // nostrils stand as accents rather than one bar under the nose.
    const double narici = 1 - 0.75 * std::exp(-std::pow(x / 3.6, 2) - std::pow((y - (kOcchiY + 16.4)) / 1.3, 2));
    const double larghezza = narici * std::min(0.8, 0.14 + 1.2 * std::pow(t - kCarta, 1.2));
    double a = Tratto(f * righe, g1, larghezza);
    // Where the lines thin out into the lights each breaks into flicks, the
    // last of them dots, staggered unevenly from line to line.
    const double intero = Passaggio(kCarta, kIntero, t);
    if (intero < 1) {
        const double riga = std::round(f * righe);
        const double sfasa = riga * 0.618034 - std::floor(riga * 0.618034);
        const double lungo = pezzo == Pezzo::Testa ? Lungo(x, y) : x;
        a *= Tratto(lungo * righe * 0.6 + sfasa, righe * 0.6, std::max(larghezza / g1 * righe * 0.6, intero));
    }
    // The nose and the jaw keep to their one set of lines, so their shaded
    // sides turn as a graded shade and not a blot: where the lines already
    // run steeply down the jaw, a crossing set would weave into a grid.
    const double naso = std::exp(-std::pow(x / 5.5, 2) - std::pow((y - (kOcchiY + 10)) / 7.5, 2));
    const double mascella = Passaggio(kBoccaY - 5, kBoccaY + 1, y);
    if (t > 0.5) {
        const double lungo = pezzo == Pezzo::Testa ? Lungo(x, y) : x;
        const double lx = pezzo == Pezzo::Testa ? std::cos(kInclina) : 1,
                     ly = pezzo == Pezzo::Testa ? -std::sin(kInclina) : 0;
        const double f2 = std::cos(kCroce) * f + std::sin(kCroce) * lungo;
        const double g2 = std::clamp(std::hypot(std::cos(kCroce) * fx + std::sin(kCroce) * lx,
                                                std::cos(kCroce) * fy + std::sin(kCroce) * ly),
                                     0.5, 2.2) *
            righe;
        a = std::max(a, (1 - naso) * (1 - mascella) * Tratto(f2 * righe, g2, std::min(0.5, (t - 0.5) * 1.5)));
    }
    // Close round each eye the skin's lines stop short of the lids, so the
    // lids and the crease stand clear of them.
    const double ox = (std::abs(x) - kOcchiX) / (kOcchioMezzo + 0.7), oy = (y - (kOcchiY - 0.4)) / 2.5;
    return a * Passaggio(0.85, 1.1, std::hypot(ox, oy));
}

} // namespace titolo
