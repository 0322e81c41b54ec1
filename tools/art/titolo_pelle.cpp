#include "titolo_pelle.h"

#include "titolo_misure.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace titolo {

namespace {

constexpr double kPasso = 3.4; // the skin's lines lie this many pixels apart, coarser than the ground's
// The lines are the head's sections by planes leaning back from the
// viewer, seen from a little above: each bows down over what stands
// forward (the nose, the cheekbones, the chin) and up round the outline.
constexpr double kSezione = 0.55;
// They lean, rising to the right, so they do not lie along the mouth, the
// eyes and the brows, nor stripe the face like a blind.
constexpr double kPendenza = 0.45;
constexpr double kCroce = 1.0;        // the crossing set's angle to the first, radians
constexpr double kSecondoDa = 0.55;   // the tone from which it deepens the shade
constexpr double kSecondoRado = 0.75; // its lines to the first's: sparser, so the two do not close into a checker

// The light on the flesh: from the left, a little above and in front, so
// the face turns from it into a shaded side that is still modelled.
constexpr double kLx = -0.62, kLy = -0.2, kLz = 0.76;

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
    const double lume = luce * (1 - 0.3 * ombra);
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
    // The nostrils' openings, darkest on the side from the light.
    for (double lato : {-1.0, 1.0}) {
        const double d = std::hypot((x - lato * 2.7) / 1.5, (y - (kOcchiY + 16.6)) / 0.8);
        t += (lato > 0 ? 0.2 : 0.1) * std::exp(-d * d);
    }
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

// The skin's lines are the level lines of this function of the place.
double Livello(Pezzo pezzo, double x, double y)
{
    if (pezzo == Pezzo::Orecchio) { // across the ear, bowed by its own round
        const double ex = (x - (x < 0 ? -kOrecchioX : kOrecchioX)) / 3.4, ey = (y - kOrecchioY) / 9.2;
        return y - 6 * std::max(0.0, 1 - ex * ex - ey * ey);
    }
    const Campione c = Rilievo(x, y);
    return y + kPendenza * x - kSezione * (c.hs + (pezzo == Pezzo::Testa ? 0.5 * Lineamenti(x, y, 0.3) : 0));
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
    // The eye's white is paper.
    const double dx = (std::abs(x) - kOcchiX) / kOcchioMezzo;
    if (std::abs(dx) < 1 && y > kOcchiY - kPalpebra * (1 - dx * dx) - 0.25 * dx &&
        y < kOcchiY + kPalpebraBassa * (1 - dx * dx) - 0.25 * dx)
        return 0;
    const Pezzo pezzo = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
    const double t = TonoPelle(x, y);
    constexpr double e = 0.25;
    constexpr double righe = kIngrandimento / kPasso; // lines to a unit where the level rises one to one
    const double f = Livello(pezzo, x, y);
    const double fx = (Livello(pezzo, x + e, y) - f) / e, fy = (Livello(pezzo, x, y + e) - f) / e;
    const double g1 = std::max(0.05, std::hypot(fx, fy) * righe);
    // One set carries the tone, as wide as the shade is deep, to nothing in the light.
    double a = Tratto(f * righe, g1, std::min(0.55, 0.85 * t));
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

} // namespace titolo
