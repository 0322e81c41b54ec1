#include "titolo_pelle.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace titolo {

namespace {

constexpr double kPasso = 3.4; // the skin's lines lie this many pixels apart, coarser than the ground's
// How far the lines bow between the middle of the face and its outline, in
// units: up in the middle over the brow, up at the sides below the eyes.
constexpr double kArcoFronte = 15, kArcoGuance = -9;
// How far the features bend them, a share of their height; the nose's
// less, or the lines would crowd into a smear down its shaded flank.
constexpr double kPiegaLineamenti = 0.35, kPiegaNaso = 0.3;
constexpr double kPiegaOmbra = 1.0; // on the shaded side more, so they turn round the cheekbone and the temple
// The tone under which the skin is left clean paper: the lights.
constexpr double kLuceNetta = 0.1;
constexpr double kCroce = 1.0;        // the crossing set's angle to the first, radians
constexpr double kSecondoDa = 0.55;   // the tone from which the crossing set deepens the shade
constexpr double kSecondoRado = 0.75; // its lines to the first's: sparser, so the two do not close into a checker

// The light on the flesh: from the left, a little above and in front, so
// the face turns from it into a shaded side that is still modelled.
constexpr double kLx = -0.5, kLy = -0.22, kLz = 0.84;

double Altezza(double x, double y) { return std::max(0.0, Rilievo(x, y).h); }

// How far (x, y), at height h, lies in the shadow another form casts on it:
// walked towards the light over the relief, soft at the shadow's edge.
// The ears take none from the head, or the shaded one closes into a blot.
double Ombra(double x, double y, double h, Pezzo pezzo)
{
    if (pezzo == Pezzo::Orecchio)
        return 0;
    const double piano = std::hypot(kLx, kLy), dx = kLx / piano, dy = kLy / piano, sale = kLz / piano;
    double ombra = 0;
    for (double s = 0.5; s < 22; s += 0.5) {
        const Campione q = Rilievo(x + dx * s, y + dy * s);
        if (q.zona == Zona::Fondo || q.zona == Zona::Capelli)
            continue;
        ombra = std::max(ombra, std::clamp((q.h - (h + sale * s) - 0.2) / 1.4, 0.0, 1.0));
    }
    return ombra;
}

double Calcola(double x, double y)
{
    const Campione c = Rilievo(x, y);
    const double h = std::max(0.0, c.h);
    constexpr double e = 1.0;
    const double nx = -(Altezza(x + e, y) - Altezza(x - e, y)) / (2 * e);
    double ny = -(Altezza(x, y + e) - Altezza(x, y - e)) / (2 * e);
    // The nose's underside takes the light thrown back from the lip, or
    // it lies across the face as one dark bar; its shadow is cast on the
    // side away from the light instead.
    if (ny > 0)
        ny *= 1 - 0.75 * std::exp(-std::pow(x / 6.0, 2) - std::pow((y - (kOcchiY + 16.5)) / 2.5, 2));
    const double n = std::sqrt(nx * nx + ny * ny + 1);
    const double luce = std::max(0.0, (nx * kLx + ny * kLy + kLz) / n);
    const double ombra = Ombra(x, y, h, c.pezzo);
    // The hollows (the sockets, the wings of the nose, the corners of the
    // mouth, the bowl of the ear) take less of any light.
    double intorno = 0;
    for (int k = 0; k < 8; ++k)
        intorno += Altezza(x + 2.5 * std::cos(k * M_PI / 4), y + 2.5 * std::sin(k * M_PI / 4));
    const double cavo = std::clamp((intorno / 8 - h) / 5, 0.0, 1.0);
    const double lume = luce * (1 - 0.2 * ombra);
    double t = 0.54 * std::pow(std::clamp((0.9 - lume) / 0.8, 0.0, 1.0), 1.15) + 0.25 * cavo;
    // Where the form turns away from the viewer it darkens whatever the
    // light, so the lit cheek and jaw have an edge of their own.
    t += 0.35 * std::pow(1 - 1 / n, 1.5);
    // The neck stands back in the head's shade, and the jaw, which
    // overhangs it, casts its shadow down it away from the light: deepest
    // right under the jaw, so the head stands forward of the neck.
    if (c.pezzo == Pezzo::Collo) {
        const double piano = std::hypot(kLx, kLy);
        double s = 0;
        while (s < 12 && Rilievo(x + kLx / piano * s, y + kLy / piano * s).pezzo != Pezzo::Testa)
            s += 0.5;
        t += 0.1 + 0.5 * std::exp(-s / 4);
    }
    // The nose's shaded flank and wing are cut with lines of their own
    // (see titolo_segni.cpp); under them the skin's lines stay fine, or
    // they close beside the tip into a clot.
    t *= 1 - 0.6 * std::exp(-std::pow((x - 3) / 3.0, 2) - std::pow((y - (kOcchiY + 12)) / 6.0, 2));
    return std::clamp(t, 0.0, 0.95);
}

// The model sampled twice a pixel each way over the medallion, once.
class Modello {
public:
    Modello()
    {
        for (int j = 0; j < kAlto; ++j)
            for (int i = 0; i < kLargo; ++i) {
                const QPointF q = DallaLastra({i / 2.0, j / 2.0});
                tono_[std::size_t(j * kLargo + i)] =
                    Rilievo(q.x(), q.y()).zona == Zona::Pelle || Vicino(q) ? float(Calcola(q.x(), q.y())) : 0.0f;
            }
    }
    double Tono(double x, double y) const
    {
        const QPointF p = SullaLastra({x, y}) * 2;
        const int i = std::clamp(int(std::floor(p.x())), 0, kLargo - 2),
                  j = std::clamp(int(std::floor(p.y())), 0, kAlto - 2);
        const double u = std::clamp(p.x() - i, 0.0, 1.0), v = std::clamp(p.y() - j, 0.0, 1.0);
        const auto a = [&](int di, int dj) { return double(tono_[std::size_t((j + dj) * kLargo + i + di)]); };
        return (a(0, 0) * (1 - u) + a(1, 0) * u) * (1 - v) + (a(0, 1) * (1 - u) + a(1, 1) * u) * v;
    }

private:
    static bool Vicino(QPointF q)
    {
        constexpr double r = 1.0;
        for (const auto &[dx, dy] : {std::pair{r, 0.0}, std::pair{-r, 0.0}, std::pair{0.0, r}, std::pair{0.0, -r}})
            if (Rilievo(q.x() + dx, q.y() + dy).zona == Zona::Pelle)
                return true;
        return false;
    }
    static constexpr int kLargo = int(4 * kMedaglioneRx) + 2, kAlto = int(4 * kMedaglioneRy) + 2;
    std::vector<float> tono_ = std::vector<float>(std::size_t(kLargo) * kAlto, 0.0f);
};

const Modello &IlModello()
{
    static const Modello modello;
    return modello;
}

// The share of their spacing the skin's first lines cover at tone t: as
// wide as the shade is deep, thinning to nothing in the light, which is
// left clean paper.
double Larghezza(double t) { return std::min(0.55, 0.95 * std::max(0.0, t - kLuceNetta)); }

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
// outline, so the shade turns with the head.
double Giro(double x, double y)
{
    const double w = std::max(18.0, MezzaLarghezza(y));
    return 26 * x / w - 0.8 * Lineamenti(x, y, 0);
}

// Where the skin's lines are kept off the features drawn over them.
double Risparmi(double x, double y)
{
    // The brows are drawn; the lines thin out under them.
    const double ciglia =
        1 - 0.7 * std::exp(-std::pow((std::abs(x) - 10.6) / 7.0, 8) - std::pow((y - (kOcchiY - 7)) / 1.4, 2));
    // Close round each eye the lines stop short of the lids.
    const double sopra = y - (kOcchiY - 0.4);
    const double ox = (std::abs(x) - kOcchiX) / (kOcchioMezzo + 0.8), oy = sopra / (sopra < 0 ? 3.0 : 2.6);
    return ciglia * Passaggio(0.85, 1.1, std::hypot(ox, oy));
}

// Whether (x, y) lies in an eye's white, which is paper.
bool Bianco(double x, double y)
{
    const double dx = (std::abs(x) - kOcchiX) / kOcchioMezzo;
    return std::abs(dx) < 1 && y > kOcchiY - kPalpebra * (1 - dx * dx) - 0.25 * dx &&
        y < kOcchiY + kPalpebraBassa * (1 - dx * dx) - 0.25 * dx;
}

} // namespace

double TonoPelle(double x, double y) { return IlModello().Tono(x, y); }

double Tratto(double fase, double g, double larghezza)
{
    constexpr double campioni = kScala * kIngrandimento; // samples to one of the sitter's units
    const double distanza = std::abs(fase - std::round(fase)) / g * campioni;
    const double mezza = larghezza / g * campioni / 2;
    return std::clamp(mezza - distanza + 0.5, 0.0, 1.0);
}

double InchiostroPelle(const Campione &c, double x, double y)
{
    if (Bianco(x, y))
        return 0;
    const Pezzo pezzo = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
    const double t = TonoPelle(x, y);
    constexpr double e = 0.25;
    constexpr double righe = kIngrandimento / kPasso; // lines to a unit where the level rises one to one
    const double f = Livello(pezzo, x, y);
    const double fx = (Livello(pezzo, x + e, y) - f) / e, fy = (Livello(pezzo, x, y + e) - f) / e;
    const double g1 = std::max(0.05, std::hypot(fx, fy) * righe);
    // One set carries the tone, as wide as the shade is deep. Wider than a
    // pixel, its lines are cut on the plate's whole pixels (see
    // InchiostroPelleRighe); here only where they thin to nothing.
    const double larghezza = Larghezza(t);
    double a = larghezza * kPasso < 1 ? Tratto(f * righe, g1, larghezza) : 0;
    if (t > kSecondoDa) {
        const double secondo = std::min(0.4, (t - kSecondoDa) * 1.4);
        if (pezzo == Pezzo::Testa) {
            constexpr double giri = kIngrandimento / 4.2;
            const double h = Giro(x, y);
            const double gg = std::max(0.05, std::hypot(Giro(x + e, y) - h, Giro(x, y + e) - h) / e * giri);
            // It stops short of the nose and the mouth, which keep their own
            // cuts, or it closes beside them into a blot.
            const double naso = std::exp(-std::pow((x - 3) / 5.0, 2) - std::pow((y - (kOcchiY + 12)) / 7.0, 2));
            const double bocca = std::exp(-std::pow(x / 9.5, 2) - std::pow((y - kBoccaY) / 3.5, 2));
            a = std::max(a, (1 - naso) * (1 - bocca) * Tratto(h * giri, gg, secondo));
        } else {
            const double f2 = std::cos(kCroce) * f + std::sin(kCroce) * x;
            const double g2 = std::max(0.05,
                                       std::hypot(std::cos(kCroce) * fx + std::sin(kCroce), std::cos(kCroce) * fy) *
                                           righe * kSecondoRado);
            a = std::max(a, Tratto(f2 * righe * kSecondoRado, g2, secondo));
        }
    }
    return a * Risparmi(x, y);
}

double InchiostroPelleRighe(QPointF pixel)
{
    const QPointF q = DallaLastra(pixel);
    const double x = q.x(), y = q.y();
    const Campione c = Rilievo(x, y);
    if (c.zona != Zona::Pelle || Bianco(x, y))
        return 0;
    const double larghezza = Larghezza(TonoPelle(x, y));
    if (larghezza * kPasso < 1)
        return 0;
    const Pezzo pezzo = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
    constexpr double righe = kIngrandimento / kPasso;
    const auto fase = [&](double dx, double dy) {
        const QPointF r = DallaLastra(pixel + QPointF(dx, dy));
        return Livello(pezzo, r.x(), r.y()) * righe;
    };
    const double gx = fase(0.5, 0) - fase(-0.5, 0), gy = fase(0, 0.5) - fase(0, -0.5);
    return Riga(fase(0, 0), gx, gy, larghezza) * Risparmi(x, y);
}

} // namespace titolo
