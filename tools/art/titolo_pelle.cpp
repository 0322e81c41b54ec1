#include "titolo_pelle.h"

#include "titolo_misure.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace titolo {

namespace {

constexpr double kPasso = 3.4; // the skin's lines lie this many pixels apart, coarser than the ground's
// How much of the space between two lines a tone fills; on the lit half of
// the face less, so the few lines there stay light threads.
constexpr double kPieno = 1.0, kPienoLuce = 0.5;
// The tones over which the lines fade out towards the light, on the shaded
// half and on the lit one, where they run further into the light so that a
// few light threads turn its cheek and temple; and the tone from which a
// second set crosses them, in the deeper shade.
constexpr double kSvanisceDa = 0.15, kSvanisceA = 0.3;
constexpr double kSvanisceLuceDa = 0.08, kSvanisceLuceA = 0.18;
constexpr double kSecondoDa = 0.4;
// How far the lines bow between the middle of the face and its outline, in
// units: up in the middle over the brow, up at the sides below the eyes.
constexpr double kArcoFronte = 15, kArcoGuance = -9;
// How far the features bend them, a share of their height; the nose's
// less, or the lines would crowd into a smear down its shaded flank.
constexpr double kPiegaLineamenti = 0.35, kPiegaNaso = 0.3;
constexpr double kPiegaOmbra = 1.0; // on the shaded side more, so they turn round the cheekbone and the temple
// The crossing set's spacing, in pixels.
constexpr double kSecondoPasso = 4.2;

// The face's outline seen from a point in the middle of the face: how far
// it lies in each direction, in units, from a table round the full turn.
constexpr double kCentroY = kOcchiY + 9;
constexpr int kRaggi = 1440;
double Raggio(double angolo)
{
    static const std::vector<double> tabella = [] {
        std::vector<double> t(kRaggi);
        for (int k = 0; k < kRaggi; ++k) {
            const double a = 2 * M_PI * k / kRaggi, cx = std::cos(a), cy = std::sin(a);
            double dentro = 0, fuori = 90;
            for (int i = 0; i < 40; ++i) {
                const double r = (dentro + fuori) / 2;
                (std::abs(r * cx) < MezzaLarghezza(kCentroY + r * cy) ? dentro : fuori) = r;
            }
            t[std::size_t(k)] = dentro;
        }
        return t;
    }();
    const double u = angolo / (2 * M_PI) * kRaggi;
    const double f = u - std::floor(u);
    const int k = (int(std::floor(u)) % kRaggi + kRaggi) % kRaggi;
    return tabella[std::size_t(k)] * (1 - f) + tabella[std::size_t((k + 1) % kRaggi)] * f;
}

// The head's lines run with its outline, each a little further in than the
// last: down the cheek, round the jaw into the chin, over the temple. They
// are the level lines of this function: how far in from the outline (x, y)
// lies, on the way to the middle of the face.
double Contorno(double x, double y)
{
    const double dy = y - kCentroY;
    return Raggio(std::atan2(dy, x)) - std::hypot(x, dy);
}

// The neck's and the ears' lines, and the head's crossing set, are the level
// lines of this function.
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
    // like the jaw below the eyes, and the features bend it further: up into
    // the sockets, down over the nose, the cheekbones, the lips and the chin.
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

// A sitter's point at the middle of pixel (px, py) of the medallion, or at
// (px + dx, py + dy) in pixels from it.
double UnitaX(int px, double dx) { return (px + 0.5 + dx - kMedaglioneRx) / kIngrandimento; }
double UnitaY(int py, double dy) { return (py + 0.5 + dy - kMedaglioneRy) / kIngrandimento - kAbbassa; }

// Lays one family of lines, the whole-number levels of `fase`, on the
// pixels: where a line runs nearer level than upright it takes one pixel in
// each column it crosses, otherwise one in each row, so it is never broken
// into dots however it turns. `inchiostro(x, y, distanza, indice)` says how
// many pixels of ink the line carries there, its spacing `distanza` in
// pixels: up to one it greys its own pixel, beyond it spills into the
// neighbour its middle lies towards, so it swells on one side.
template <typename Fase, typename Quanto>
void Posa(std::vector<float> &pixel, int larghezza, int altezza, const std::vector<Pezzo> &pezzi, Fase fase,
          Quanto inchiostro)
{
    const auto inchiostra = [&](int px, int py, double a) {
        float &qui = pixel[std::size_t(py * larghezza + px)];
        qui = float(1 - (1 - qui) * (1 - std::min(1.0, a)));
    };
    for (int py = 0; py < altezza; ++py) {
        for (int px = 0; px < larghezza; ++px) {
            const Pezzo pezzo = pezzi[std::size_t(py * larghezza + px)];
            if (pezzo == Pezzo::Altro)
                continue;
            const auto f = [&](double dx, double dy) { return fase(pezzo, UnitaX(px, dx), UnitaY(py, dy)); };
            const double su = f(0, -0.5), giu = f(0, 0.5), sinistra = f(-0.5, 0), destra = f(0.5, 0);
            const bool colonna = std::abs(giu - su) >= std::abs(destra - sinistra);
            const double a = colonna ? su : sinistra, b = colonna ? giu : destra;
            if (std::floor(a) == std::floor(b))
                continue;
            const double indice = std::floor(std::max(a, b));
            const double dove = (indice - a) / (b - a) - 0.5; // from the pixel's middle, -0.5 to 0.5
            const double distanza = 1 / std::max(0.05, std::hypot(giu - su, destra - sinistra));
            const double l = inchiostro(UnitaX(px, 0), UnitaY(py, 0), distanza, int(indice));
            if (l <= 0)
                continue;
            inchiostra(px, py, l);
            if (l <= 1)
                continue;
            const int vx = px + (colonna ? 0 : dove < 0 ? -1 : 1), vy = py + (colonna ? (dove < 0 ? -1 : 1) : 0);
            if (vx >= 0 && vy >= 0 && vx < larghezza && vy < altezza &&
                pezzi[std::size_t(vy * larghezza + vx)] != Pezzo::Altro)
                inchiostra(vx, vy, l - 1);
        }
    }
}

// Where the skin's lines give way to the drawn features: under the brows,
// round the eyes and between them and the brows, under the nose's tip.
double Risparmio(double x, double y)
{
    const double narici = 1 - std::exp(-std::pow(x / 2.6, 4) - std::pow((y - (kOcchiY + 16.4)) / 1.6, 4));
    const double ciglia =
        1 - 0.7 * std::exp(-std::pow((std::abs(x) - 10.6) / 7.0, 8) - std::pow((y - (kOcchiY - 6)) / 1.4, 2));
    const double ox = (std::abs(x) - kOcchiX) / (kOcchioMezzo + 1.1), oy = (y - (kOcchiY - 0.4)) / 2.9;
    const double qx = (std::abs(x) - kOcchiX) / (kOcchioMezzo + 2.5), qy = (y - (kOcchiY - 2.8)) / 4.6;
    return narici * ciglia * Passaggio(0.85, 1.1, std::hypot(ox, oy)) * Passaggio(0.8, 1.15, std::hypot(qx, qy));
}

} // namespace

double Tratto(double fase, double g, double larghezza)
{
    constexpr double campioni = kScala * kIngrandimento; // samples to one of the sitter's units
    const double distanza = std::abs(fase - std::round(fase)) / g * campioni;
    const double mezza = larghezza / g * campioni / 2;
    return std::clamp(mezza - distanza + 0.5, 0.0, 1.0);
}

std::vector<float> IncisionePelle(int larghezza, int altezza)
{
    std::vector<Pezzo> pezzi(std::size_t(larghezza) * altezza, Pezzo::Altro);
    std::vector<float> toni(pezzi.size(), 0);
    for (int py = 0; py < altezza; ++py) {
        for (int px = 0; px < larghezza; ++px) {
            const double x = UnitaX(px, 0), y = UnitaY(py, 0);
            const Campione c = Rilievo(x, y);
            if (c.zona != Zona::Pelle)
                continue;
            pezzi[std::size_t(py * larghezza + px)] = c.pezzo == Pezzo::Altro ? Pezzo::Testa : c.pezzo;
            toni[std::size_t(py * larghezza + px)] = float(Tono(c, x, y));
        }
    }
    const auto tono = [&](double x, double y) {
        const int px = std::clamp(int(std::floor(x * kIngrandimento + kMedaglioneRx)), 0, larghezza - 1);
        const int py = std::clamp(int(std::floor((y + kAbbassa) * kIngrandimento + kMedaglioneRy)), 0, altezza - 1);
        return double(toni[std::size_t(py * larghezza + px)]);
    };
    const auto bocca = [](double x, double y, double sx, double sy, double dy) {
        return std::exp(-std::pow(x / sx, 2) - std::pow((y - (kBoccaY + dy)) / sy, 2));
    };
    std::vector<float> pixel(pezzi.size(), 0);
    constexpr double righe = kIngrandimento / kPasso; // lines to a unit where the level rises one to one
    // The first set: each line carries the tone it passes through as ink
    // per pixel of its length, from a grey thread to a swelling two pixels
    // in the shade, and fades out to paper towards the light. Where the
    // lines crowd closer than the pixels can hold apart, or the tone is
    // light, every other one ends, tapering, and the rest take its ink. They
    // keep off the middle of the face down to the lips, where the nose and
    // the mouth have their own cuts, and off the lips.
    Posa(
        pixel, larghezza, altezza, pezzi,
        [](Pezzo pezzo, double x, double y) {
            return (pezzo == Pezzo::Testa ? Contorno(x, y) : Livello(pezzo, x, y)) * righe;
        },
        [&](double x, double y, double distanza, int indice) {
            const double t = tono(x, y);
            const double mezzo = std::max(Passaggio(5, 11, std::abs(x)), Passaggio(kBoccaY + 2, kBoccaY + 5, y));
            const double ombra = Passaggio(-12, 4, x); // 0 on the lit half, 1 on the shaded
            const double media =
                kPieno * t * (1 - 0.8 * bocca(x, y, 9, 4, -1)) * mezzo * (kPienoLuce + (1 - kPienoLuce) * ombra);
            const double dispari = Passaggio(2.0, 2.7, distanza) * Passaggio(0.05, 0.15, media);
            const double l = media * distanza * (indice % 2 != 0 ? dispari : 2 - dispari);
            const double da = kSvanisceLuceDa + (kSvanisceDa - kSvanisceLuceDa) * ombra;
            const double a = kSvanisceLuceA + (kSvanisceA - kSvanisceLuceA) * ombra;
            return Risparmio(x, y) * l * Passaggio(0.05, 0.15, l) * Passaggio(da, a, t);
        });
    // In the deeper shade of the head a second set crosses the first, across
    // the face and bowed by its features, stopping short of the nose and the
    // mouth, which keep their own cuts.
    constexpr double secondi = kIngrandimento / kSecondoPasso;
    Posa(
        pixel, larghezza, altezza, pezzi,
        [](Pezzo pezzo, double x, double y) { return pezzo == Pezzo::Testa ? Livello(pezzo, x, y) * secondi : 0.0; },
        [&](double x, double y, double distanza, int) {
            const double t = tono(x, y);
            if (t <= kSecondoDa)
                return 0.0;
            const double naso = std::exp(-std::pow(x / 5.5, 2) - std::pow((y - (kOcchiY + 10)) / 7.5, 2));
            return Risparmio(x, y) * (1 - naso) * (1 - bocca(x, y, 9.5, 3.5, 0)) *
                std::min(0.45, (t - kSecondoDa) * 1.2) * distanza;
        });
    return pixel;
}

} // namespace titolo
