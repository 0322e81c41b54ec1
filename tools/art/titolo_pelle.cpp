#include "titolo_pelle.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <functional>

namespace titolo {

namespace {

constexpr double kPasso = 3.4; // the skin's lines lie this many pixels apart, coarser than the ground's
// The tone from which the crossing set deepens the shade: the shaded side's
// own tone, so the temple, the cheek and the jaw turned from the light are
// built in two layers and the shade is not one fan of lines laid over the face.
constexpr double kSecondoDa = 0.3;
// The jaw's shadow on the neck: how far below the jaw it reaches, in units,
// and how much further on the side from the light; its lines' spacing in pixels.
constexpr double kOmbraMento = 3.0, kOmbraMentoLato = 3.5, kPassoOmbra = 3.0;
// How far the lines bow between the middle of the face and its outline, in
// units: up in the middle over the brow, up at the sides below the eyes.
constexpr double kArcoFronte = 15, kArcoGuance = -9;
// How far the features bend them, a share of their height; the nose's
// less, or the lines would crowd into a smear down its shaded flank.
constexpr double kPiegaLineamenti = 0.35, kPiegaNaso = 0.3;
constexpr double kPiegaOmbra = 1.0; // on the shaded side more, so they turn round the cheekbone and the temple

// The lines crossing the head's shade (see Giro): this many units across
// the face's half-width, never narrower than kGiroMinimo, bowed this far by
// the features, kGiroPasso pixels apart; leaning by kGiroPendenza, so they
// cross the first set aslant and leave lozenges of paper, not squares.
constexpr double kGiroRaggio = 26, kGiroMinimo = 18, kGiroPiega = 0.8, kGiroPasso = 4.6, kGiroPendenza = 0.5;

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
    const double arco = kArcoFronte + (kArcoGuance - kArcoFronte) * Passaggio(kOcchiY - 6, kOcchiY + 16, y);
    // The features' heights are softened first, so the lines swing round them
    // rather than kink at every small rise.
    constexpr double r = 2.0;
    const auto l = [](double px, double py) { return Lineamenti(px, py, kPiegaNaso); };
    const double lineamenti = (2 * l(x, y) + l(x - r, y) + l(x + r, y) + l(x, y - r) + l(x, y + r)) / 6;
    const double piega = kPiegaLineamenti + (kPiegaOmbra - kPiegaLineamenti) * Passaggio(0, 10, x);
    return y - arco * tondo - piega * lineamenti;
}

// The crossing lines of the head's shade run down the face with its
// outline, over the temple, round the cheekbone and in along the jaw, so the
// shade turns with the head; they are the level lines of this function,
// bowed outwards where the features rise and in where they sink.
double Giro(double x, double y)
{
    const double w = std::max(kGiroMinimo, MezzaLarghezza(y));
    return kGiroRaggio * x / w + kGiroPendenza * y - kGiroPiega * Lineamenti(x, y, 0);
}

// The share of their spacing the skin's first lines cover at tone t: each
// line thins with the light until it fades out in the brightest of it,
// which is left clean paper, rather than running on as a hairline. It thins
// over the whole turn into the light, not just its last part, so the lit
// half of the face is not bare paper cut off down the nose.
double Larghezza(double t) { return std::min(0.66, 0.02 + 1.4 * std::pow(t, 1.4)); }

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
    return ciglia * Passaggio(0.85, 1.1, std::hypot(ox, oy));
}

} // namespace

double Filo(double fase, double gx, double gy, double quota)
{
    const double g = std::max(std::abs(gx), std::abs(gy));
    if (g < 1e-6 || quota <= 0)
        return 0;
    // Where the lines crowd closer than the pixels can hold them apart,
    // every other one gives out, as an engraver drops a line rather than
    // cut two into one.
    const double passo = 1 / std::hypot(gx, gy);
    if (std::llround(fase) % 2 != 0)
        quota *= Passaggio(2.2, 2.9, passo);
    // Below a pixel's width a line is one unbroken run of lighter ink,
    // and ends where it would print too faint to read as ink.
    const double larga = quota / g;
    if (larga < 1)
        quota = std::clamp((larga - 0.45) / 0.45, 0.0, 1.0) * g;
    return Riga(fase, gx, gy, quota);
}

double InchiostroPelleRighe(QPointF pixel)
{
    const QPointF q = DallaLastra(pixel);
    const double x = q.x(), y = q.y();
    const Campione c = Rilievo(x, y);
    if (c.zona != Zona::Pelle)
        return 0;
    const double t = Tono(c, x, y);
    const Pezzo pezzo = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
    // The phase of a family of lines across the pixel, and how fast it runs there.
    struct Fase {
        double f, gx, gy;
    };
    const auto fase = [&](const std::function<double(double, double)> &livello, double righe) {
        const auto a = [&](double dx, double dy) {
            const QPointF r = DallaLastra(pixel + QPointF(dx, dy));
            return livello(r.x(), r.y()) * righe;
        };
        return Fase{a(0, 0), a(0.5, 0) - a(-0.5, 0), a(0, 0.5) - a(0, -0.5)};
    };
    constexpr double righe = kIngrandimento / kPasso;
    const Fase primo = fase([pezzo](double px, double py) { return Livello(pezzo, px, py); }, righe);
    const double naso = std::exp(-std::pow(x / 5.5, 2) - std::pow((y - (kOcchiY + 10)) / 7.5, 2));
    const double bocca = std::exp(-std::pow(x / 9.5, 2) - std::pow((y - kBoccaY) / 3.5, 2));
    // Over the nose and round the mouth the lines stay fine, so the cuts of
    // the features read over them and the lower face is not a dark muzzle.
    double a = Filo(primo.f, primo.gx, primo.gy, Larghezza(t) * (1 - 0.55 * std::max(naso, bocca)));
    // In the deepest shade a second set crosses the first, so the shade is
    // built in two layers: on the head it runs down the face with its
    // outline (see Giro), wider apart than the first, so the two leave
    // lozenges of paper between them and not a checker of single pixels.
    // It keeps off the nose and the mouth, which have their own cuts, and
    // off the chin, where it closed into a dark net.
    if (pezzo == Pezzo::Testa && t > kSecondoDa) {
        const double mento = std::exp(-std::pow(x / 11, 2) - std::pow((y - (kMentoY - 2)) / 3.5, 2));
        const Fase giro = fase(Giro, kIngrandimento / kGiroPasso);
        const double quota = std::min(0.4, (t - kSecondoDa) * 1.4) * (1 - naso) * (1 - bocca) * (1 - mento);
        a = std::max(a, Filo(giro.f, giro.gx, giro.gy, quota));
    }
    // The jaw's shadow cast on the neck is a system of its own: lines slanting
    // down away from the light across the neck's rings, deepest under the
    // chin and reaching further on the side from the light, ending on a
    // clear edge, so the head stands forward of the neck.
    if (pezzo == Pezzo::Collo) {
        double sotto = 0;
        while (sotto < 10 && Rilievo(x, y - sotto).pezzo != Pezzo::Testa)
            sotto += 0.5;
        const double lunga = kOmbraMento + kOmbraMentoLato * Passaggio(-8, 8, x);
        if (sotto < lunga) {
            const Fase ombra = fase([](double px, double py) { return py - 0.8 * px; }, kIngrandimento / kPassoOmbra);
            a = std::max(a, Filo(ombra.f, ombra.gx, ombra.gy, 0.45 - 0.15 * sotto / lunga));
        }
    }
    return a * Narici(x, y) * Risparmi(x, y);
}

} // namespace titolo
