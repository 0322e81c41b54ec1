#include "titolo_pelle.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace titolo {

namespace {

constexpr double kPasso = 3.4; // the skin's lines lie this many pixels apart, coarser than the ground's
constexpr double kCroce = 1.0; // the ears' crossing set's angle to the first, radians
// The tone from which the crossing set deepens the ears' shade.
constexpr double kSecondoDa = 0.3;
// The crossing set's lines to the first's: sparser, so the two do not close
// into a checker of single pixels.
constexpr double kSecondoRado = 0.7;
// Lines narrower than this (a share of their spacing) are too fine to cut on
// whole pixels; they taper to nothing instead.
constexpr double kSottile = 0.24;
// Over this much more width the fine lines hand over to the ones cut on
// whole pixels, each fading as the other comes in, so the shade does not
// start on a hard edge where the one kind of line meets the other.
constexpr double kConsegna = 0.14;
// Lines thinner than this leave the paper clean: the brightest lights.
constexpr double kSvanisce = 0.1;
// On the neck a pixel takes a line's ink whole from this share, and none below.
constexpr double kTaglioCollo = 0.5;
// How far the lines bow between the middle of the face and its outline, in
// units: up in the middle over the brow, up at the sides below the eyes, and
// there enough that down the shaded cheek they sweep with the jaw. The turn
// from the one bow to the other is gentle and spread from the brow to the
// mouth: taken faster, a line folds back on itself beside the nose and the
// cheek is cut in closed rings, a thumbprint.
constexpr double kArcoFronte = 14, kArcoGuance = -14;
// How far the features bend them, a share of their height; the nose's
// less, or the lines would crowd into a smear down its shaded flank.
constexpr double kPiegaLineamenti = 0.35, kPiegaNaso = 0.3;
constexpr double kPiegaOmbra = 1.0; // on the shaded side more, so they turn round the cheekbone and the temple

// The skin's lines are the level lines of this function of the place.
double Livello(Pezzo pezzo, double x, double y)
{
    if (pezzo == Pezzo::Orecchio) { // across the ear, bowed by its own round
        const double ex = (x - (x < 0 ? -kOrecchioX : kOrecchioX)) / 3.4, ey = (y - kOrecchioY) / 9.2;
        return y - 6 * std::max(0.0, 1 - ex * ex - ey * ey);
    }
    if (pezzo == Pezzo::Collo) { // round the neck, seen from a little above, bowed well clear of the ground's lines
        const double u = std::min(1.0, std::abs(x) / kColloMezzo);
        return y + 7.0 * u * u;
    }
    // Across the head each line bows like the skull's arch over the brow and
    // like the jaw below the eyes, so that down the cheeks the lines run with
    // the outline into the round of the chin; it lies along the outline near
    // it. The features bend it further: up into the sockets, down over the
    // nose, the cheekbones, the lips and the chin.
    const double w = std::max(4.0, MezzaLarghezza(y));
    const double u = std::min(0.985, std::abs(x) / w);
    const double tondo = 0.7 * u * u + 0.3 * (1 - std::sqrt(1 - u * u));
    const double arco = kArcoFronte + (kArcoGuance - kArcoFronte) * Passaggio(kOcchiY - 8, kOcchiY + 22, y);
    // The features' heights are softened first, so the lines swing round them
    // rather than kink at every small rise.
    constexpr double r = 2.0;
    const auto l = [](double px, double py) { return Lineamenti(px, py, kPiegaNaso); };
    const double lineamenti = (2 * l(x, y) + l(x - r, y) + l(x + r, y) + l(x, y - r) + l(x, y + r)) / 6;
    const double piega = kPiegaLineamenti + (kPiegaOmbra - kPiegaLineamenti) * Passaggio(0, 10, x);
    return y - arco * tondo - piega * lineamenti;
}

// The share of their spacing the skin's first lines cover at tone t: each
// line swells into the shade and thins with the light until it fades out,
// so the lit brow and cheek are left near bare paper, as an engraver leaves
// them, not fogged with hairlines; it thins over the whole turn into the
// light, not just its last part, so the shade tapers off and does not stop
// at an edge down the nose.
double Larghezza(double t) { return std::min(0.8, 1.3 * std::pow(t, 1.6)); }

// Round the nose's tip, wings and underside the lines stop, so the
// nostrils and the wing's crease (cut in titolo_segni.cpp) stand as
// accents on clean paper rather than in one bar under the nose.
double Narici(double x, double y)
{
    return 1 - std::exp(-std::pow(x / 6.4, 4) - std::pow((y - (kOcchiY + 15.6)) / 2.6, 4));
}

// Where the skin's lines are kept off the features drawn over them.
double Risparmi(double x, double y)
{
    // The brows are drawn; the lines thin out under them, so no ruling runs
    // through a brow.
    const double ciglia =
        1 - 0.7 * std::exp(-std::pow((std::abs(x) - 10.6) / 7.0, 8) - std::pow((y - (kOcchiY - 7)) / 1.4, 2));
    // Close round each eye the skin's lines stop short of the lids, and
    // above it short of the lid's fold, so both stand clear of them on the
    // shaded side too; above the fold they shade the socket under the brow.
    const double sopra = y - (kOcchiY - 0.4);
    const double ox = (std::abs(x) - kOcchiX) / (kOcchioMezzo + 1.1), oy = sopra / (sopra < 0 ? 3.5 : 2.9);
    // Round the mouth they stop short of the lips' parting and the shadow
    // under the lower lip, so each is a cut of its own and no line of the
    // cheek runs on into a corner as a second mouth.
    const double bocca = 1 - std::exp(-std::pow(x / 11.5, 6) - std::pow((y - (kBoccaY + 1.0)) / 3.2, 4));
    return ciglia * bocca * Passaggio(0.85, 1.1, std::hypot(ox, oy));
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
    const Pezzo pezzo = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
    constexpr double e = 0.25;
    constexpr double righe = kIngrandimento / kPasso; // lines to a unit where the level rises one to one
    const double f = Livello(pezzo, x, y);
    const double fx = (Livello(pezzo, x + e, y) - f) / e, fy = (Livello(pezzo, x, y + e) - f) / e;
    const double g1 = std::max(0.05, std::hypot(fx, fy) * righe);
    // The crossing set: the level turned by kCroce.
    const double f2 = std::cos(kCroce) * f + std::sin(kCroce) * x;
    const double g2 = std::max(
        0.05, std::hypot(std::cos(kCroce) * fx + std::sin(kCroce), std::cos(kCroce) * fy) * righe * kSecondoRado);
    const double narici = Narici(x, y);
    const double larghezza = Larghezza(t);
    // In the half-lights each line runs on unbroken from where it is cut on
    // whole pixels, thinning to nothing towards the light as a burin's line
    // tapers, rather than breaking into dots that read as dust on the plate.
    double a = 0;
    if (larghezza < kSottile + kConsegna) {
        // Round the mouth and over the chin they stop sooner, or the lower
        // face reads as unshaven.
        const double via = kSvanisce + 0.14 * std::exp(-std::pow(x / 10, 2) - std::pow((y - (kBoccaY + 3)) / 8, 2));
        const double quota = std::clamp((larghezza - via) / (kSottile - via), 0.0, 1.0);
        a = Tratto(f * righe, g1, kSottile * quota) * (1 - Passaggio(kSottile, kSottile + kConsegna, larghezza));
    }
    // The head and the neck keep to their one set of lines, each swelling
    // into the shade, so no second set laid across the cheek beats with the
    // first into a whorl. The ears, too small for the first set to turn them,
    // are crossed in their shade at a wide angle.
    if (t > kSecondoDa && pezzo == Pezzo::Orecchio)
        a = std::max(a, Tratto(f2 * righe * kSecondoRado, g2, std::min(0.45, (t - kSecondoDa) * 1.2)));
    return a * narici * Risparmi(x, y);
}

double InchiostroPelleRighe(QPointF pixel)
{
    const QPointF q = DallaLastra(pixel);
    const double x = q.x(), y = q.y();
    const Campione c = Rilievo(x, y);
    if (c.zona != Zona::Pelle)
        return 0;
    const double larghezza = Larghezza(Tono(c, x, y));
    if (larghezza < kSottile)
        return 0;
    // The phase of the lines across the pixel, and how fast it runs there.
    const Pezzo pezzo = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
    constexpr double righe = kIngrandimento / kPasso;
    const auto fase = [&](double dx, double dy) {
        const QPointF r = DallaLastra(pixel + QPointF(dx, dy));
        return Livello(pezzo, r.x(), r.y()) * righe;
    };
    const double gx = fase(0.5, 0) - fase(-0.5, 0), gy = fase(0, 0.5) - fase(0, -0.5);
    double a = Riga(fase(0, 0), gx, gy, larghezza);
    // Under the jaw the neck's lines crowd, and a line's swelling into the
    // row beside it printed as rows of flat grey between them, a smudge; there
    // each pixel is cut or left, so the shade stays lines.
    if (pezzo == Pezzo::Collo)
        a = a < kTaglioCollo ? 0 : 1;
    return a * Narici(x, y) * Risparmi(x, y) * Passaggio(kSottile, kSottile + kConsegna, larghezza);
}

} // namespace titolo
