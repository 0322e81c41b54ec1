#include "titolo_pelle.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace titolo {

namespace {

constexpr double kPasso = 3.4; // the skin's lines lie this many pixels apart, coarser than the ground's
// Under this tone the skin is left paper: the highlights. Above it each line
// swells with the shade, from a hairline printing lighter than full ink.
constexpr double kLuce = 0.05;
// The share of the spacing a line covers, kGonfia * (tone above kLuce) to
// the power kCurva: hairlines over most of the light, swelling fast in the shade.
constexpr double kGonfia = 1.15, kCurva = 1.4;
constexpr double kChiude = 0.7; // the most: a thread of paper always left between the lines
// In the deepest shade a second set crosses the first, from these tones:
// on the head and the neck along the form's meridians, on the head only in
// its darkest turn, as on the cheek the meridians crowd towards the outline
// and cross the first set into a checker of dots; on the ears at a wide
// angle (kCroce radians), as the first set is too short there to turn them.
constexpr double kCroceTesta = 0.68, kCroceCollo = 0.45, kCroceOrecchio = 0.3;
constexpr double kCroce = 1.0;
// The crossing set's lines on the ears to the first's: sparser, so the two
// do not close into a checker of single pixels.
constexpr double kSecondoRado = 0.7;
// How far the lines bow between the middle of the face and its outline, in
// units: up in the middle over the brow, up at the sides below the eyes, and
// there enough that down the shaded cheek they sweep with the jaw. The turn
// from the one bow to the other is gentle and spread from the brow to the
// mouth: taken faster, a line folds back on itself beside the nose and the
// cheek is cut in closed rings, a thumbprint.
constexpr double kArcoFronte = 20, kArcoGuance = -22;
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

// The crossing set's lines are the level lines of this: meridians from the
// brow to the chin, and down the neck; across the ear at an angle to the first.
double Incrocio(Pezzo pezzo, double x, double y)
{
    if (pezzo == Pezzo::Orecchio)
        return (std::cos(kCroce) * Livello(pezzo, x, y) + std::sin(kCroce) * x) * kSecondoRado;
    return Meridiano(x, pezzo == Pezzo::Collo ? 0 : MezzaLarghezza(y));
}

// The share of their spacing the first set's lines cover at tone t, paper
// up to the tone `luce`: they thin to nothing into the highlights.
double Larghezza(double t, double luce)
{
    return std::min(kChiude, kGonfia * std::pow(std::max(0.0, t - luce), kCurva));
}

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

double InchiostroPelleRighe(QPointF pixel)
{
    const QPointF q = DallaLastra(pixel);
    const double x = q.x(), y = q.y();
    const Campione c = Rilievo(x, y);
    if (c.zona != Zona::Pelle)
        return 0;
    const double t = Tono(c, x, y);
    // Round the mouth and over the chin the light is wider, or the lower
    // face reads as unshaven.
    const double luce = kLuce + 0.04 * std::exp(-std::pow(x / 10, 2) - std::pow((y - (kBoccaY + 3)) / 8, 2));
    if (t <= luce)
        return 0;
    // The phase of each set across the pixel, and how fast it runs there.
    const Pezzo pezzo = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
    constexpr double righe = kIngrandimento / kPasso;
    const auto riga = [&](double (*livello)(Pezzo, double, double), double quota) {
        const auto fase = [&](double dx, double dy) {
            const QPointF r = DallaLastra(pixel + QPointF(dx, dy));
            return livello(pezzo, r.x(), r.y()) * righe;
        };
        const double gx = fase(0.5, 0) - fase(-0.5, 0), gy = fase(0, 0.5) - fase(0, -0.5);
        return Riga(fase(0, 0), gx, gy, quota);
    };
    double a = riga(Livello, Larghezza(t, luce));
    const double croce = pezzo == Pezzo::Orecchio ? kCroceOrecchio : pezzo == Pezzo::Collo ? kCroceCollo : kCroceTesta;
    if (t > croce)
        a = 1 - (1 - a) * (1 - riga(Incrocio, std::min(0.5, (t - croce) * 1.5)));
    return a * Narici(x, y) * Risparmi(x, y);
}

} // namespace titolo
