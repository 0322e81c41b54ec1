#include "titolo_segni.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"
#include "titolo_volto.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace titolo {

namespace {

// A fixed sequence of numbers in [0, 1): the same strands on every run.
class Caso {
public:
    double Prossimo()
    {
        stato_ = stato_ * 1664525u + 1013904223u;
        return (stato_ >> 8) / double(1u << 24);
    }
    double Tra(double a, double b) { return a + (b - a) * Prossimo(); }

private:
    std::uint32_t stato_ = 20261207u;
};

// A point on the Catmull-Rom curve through `punti`, s from 0 to 1.
QPointF Curva(const std::vector<QPointF> &punti, double s)
{
    const int n = int(punti.size()) - 1;
    const double u = std::clamp(s, 0.0, 1.0) * n;
    const int i = std::min(n - 1, int(u));
    const double t = u - i;
    const auto p = [&](int k) { return punti[std::size_t(std::clamp(k, 0, n))]; };
    const QPointF p0 = p(i - 1), p1 = p(i), p2 = p(i + 1), p3 = p(i + 2);
    return 0.5 *
        ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t * t +
         (-p0 + 3 * p1 - 3 * p2 + p3) * t * t * t);
}

// A line cut with the burin: it follows `asse` and swells and thins as
// `larghezza` says, both taken at t from 0 to 1.
void Taglio(QPainter &p, const std::function<QPointF(double)> &asse, const std::function<double(double)> &larghezza,
            int passi = 40)
{
    std::vector<QPointF> sinistra, destra;
    for (int k = 0; k <= passi; ++k) {
        const double t = double(k) / passi;
        const QPointF a = asse(std::max(0.0, t - 0.01)), b = asse(std::min(1.0, t + 0.01));
        QPointF n(-(b - a).y(), (b - a).x());
        const double l = std::hypot(n.x(), n.y());
        if (l > 0)
            n /= l;
        const QPointF c = asse(t);
        const double w = larghezza(t) / 2;
        sinistra.push_back(c + n * w);
        destra.push_back(c - n * w);
    }
    QPainterPath forma(sinistra.front());
    for (std::size_t k = 1; k < sinistra.size(); ++k)
        forma.lineTo(sinistra[k]);
    for (std::size_t k = destra.size(); k-- > 0;)
        forma.lineTo(destra[k]);
    forma.closeSubpath();
    p.fillPath(forma, Qt::black);
}

// Swells in the middle, comes to a point at both ends.
double Fuso(double t, double inizio = 0.5) { return std::pow(std::max(0.0, std::sin(M_PI * t)), inizio); }

double TonoCapelli(QPointF q)
{
    const Campione c = Rilievo(q.x(), q.y());
    return Tono(c.zona == Zona::Capelli ? c : Campione{c.h, c.hs, Zona::Capelli}, q.x(), q.y());
}

// One side of the hair, combed from the parting: `fili` lines run from the
// parting (s = 0) to the temple (s = 1), spread evenly from the hairline
// (u = 0) to the outline of the head (u = 1), waving a little together as
// combed hair does. Each is cut on whole pixels, one wide in the light and
// swelling to two where the hair's tone asks for more ink than one pixel
// in every gap gives; across the sheen (`lucido`: where along the strands
// it falls, or less than 0 for none) the lines break, leaving paper.
void Pettinata(Lastra &lastra, Caso &caso, const std::vector<QPointF> &attaccatura, const std::vector<QPointF> &profilo,
               int fili, double lucido)
{
    const double onda = caso.Prossimo();
    for (int f = 0; f < fili; ++f) {
        const double u0 = (f + 0.5) / fili;
        // Rooted all along the parting, so it stays one clean line of paper.
        const double inizio = caso.Tra(0.0, 0.015), fine = 1 - caso.Tra(0.0, 0.12) * (1 - u0);
        const auto u = [&](double s) { return u0 + 0.3 / fili * std::sin(2 * M_PI * (1.3 * s + onda + 0.15 * u0)); };
        const auto asse = [&](double t) {
            const double s = inizio + (fine - inizio) * t;
            const QPointF a = Curva(attaccatura, s), b = Curva(profilo, s);
            return a + (b - a) * u(s);
        };
        const auto spessore = [&](double t) {
            const double s = inizio + (fine - inizio) * t;
            const QPointF a = SullaLastra(Curva(attaccatura, s)), b = SullaLastra(Curva(profilo, s));
            const double passo = std::hypot(b.x() - a.x(), b.y() - a.y()) / fili; // pixels between the lines
            const double lungo = lucido < 0 ? 9 : (s - lucido) / 0.13;
            const double luce = std::exp(-lungo * lungo) * std::exp(-std::pow((u0 - 0.4) / 0.3, 2));
            // The share of the band the line should ink, heavier towards the outline.
            const double pieno = std::clamp(0.42 + 0.6 * TonoCapelli(asse(t)) + 0.15 * u0 - 0.9 * luce, 0.0, 1.0);
            const double w = pieno * passo;
            // One pixel or two, with only a short grading between: a line of
            // one and a half prints as a grey fringe.
            const double tagliato = w < 0.5 ? 0.0 : 1 + std::clamp((w - 1.3) / 0.4, 0.0, 1.0);
            // Sharp at the root, tapering over the last quarter to its tip.
            return tagliato * std::sqrt(std::min(1.0, t / 0.06)) * std::min(1.0, (1 - t) / 0.25);
        };
        lastra.Solco(asse, spessore);
    }
}

// The iris's radius, in the sitter's units.
constexpr double kIride = 1.9;

// Short hairs set along a curve from its inner end, leaning outwards: the eyebrows.
void Peli(QPainter &p, Caso &caso, const std::vector<QPointF> &linea, double spessore, int quanti, double lunghezza,
          double sollevo, double larghezza)
{
    for (int k = 0; k < quanti; ++k) {
        const double s = caso.Tra(0.0, 0.9);
        const QPointF a = Curva(linea, s), b = Curva(linea, s + 0.08);
        QPointF d = b - a;
        d /= std::hypot(d.x(), d.y());
        const QPointF n = d.x() > 0 ? QPointF(d.y(), -d.x()) : QPointF(-d.y(), d.x()); // upwards
        const QPointF inizio = a + n * caso.Tra(-spessore / 2, spessore / 2) * (1 - 0.5 * s);
        const QPointF direzione = d + n * (sollevo * (1 - s));
        const double l = lunghezza * caso.Tra(0.7, 1.1);
        Taglio(
            p, [&](double t) { return inizio + direzione * (l * t) + n * (0.4 * t * t); },
            [&](double t) { return larghezza * (1 - 0.4 * s) * Fuso(t, 0.6); }, 10);
    }
}

std::vector<QPointF> Specchio(std::vector<QPointF> punti, double lato)
{
    for (QPointF &q : punti)
        q.setX(q.x() * lato);
    return punti;
}

} // namespace

void IncidiCapelli(Lastra &lastra)
{
    Caso caso;
    // The outline of the hair from the parting round to each side, and the
    // hairline from the parting along the forehead to each temple.
    std::vector<QPointF> profiloDestro, profiloSinistro;
    for (int k = 0; k <= 24; ++k) {
        const double t = k / 24.0;
        const double dx = 0.975 * kCapelliA, dy = 0.975 * kCapelliB;
        const double a1 = (103 - 95 * t) * M_PI / 180, a2 = (106 + 66 * t) * M_PI / 180;
        profiloDestro.emplace_back(0.5 + dx * std::cos(a1), kCapelliY - dy * std::sin(a1));
        profiloSinistro.emplace_back(0.5 + dx * std::cos(a2), kCapelliY - dy * std::sin(a2));
    }
    const std::vector<QPointF> attaccaturaDestra{{-8.1, -52.7}, {0, -54},      {10, -52},     {15, -50.3}, {18, -49.6},
                                                 {20, -46.8},   {21.5, -43.9}, {23.2, -38.4}, {24.2, -31}};
    const std::vector<QPointF> attaccaturaSinistra{{-9.7, -52.1},  {-15, -50.3},   {-18, -49.6}, {-20, -46.8},
                                                   {-21.5, -43.9}, {-23.2, -38.4}, {-24.2, -31}};
    Pettinata(lastra, caso, attaccaturaDestra, profiloDestro, 10, 0.35);
    Pettinata(lastra, caso, attaccaturaSinistra, profiloSinistro, 8, 0.35);
    // The crown's outline cut as one line, so the strands end on an edge
    // and not in a grey haze against the ground.
    lastra.Solco(
        [](double t) {
            const double a = (40 + 100 * t) * M_PI / 180;
            return QPointF(0.5 + 0.985 * kCapelliA * std::cos(a), kCapelliY - 0.985 * kCapelliB * std::sin(a));
        },
        [](double t) { return 1.0 * Fuso(t, 0.3); });
    // Above the ears the hair is brushed down and back.
    for (double lato : {-1.0, 1.0})
        Pettinata(lastra, caso, Specchio({{20.5, -47}, {22.8, -40}, {23.6, -33}, {24.0, -28.2}}, lato),
                  Specchio({{26.6, -47}, {27.6, -40}, {26.8, -33}, {24.6, -27.6}}, lato), 2, -1);
}

void DisegnaSopracciglia(QPainter &p)
{
    // Hairs along the brow from its inner end, lifting there; the same
    // hairs in both, mirrored.
    const Caso sopracciglia;
    for (double lato : {-1.0, 1.0}) {
        Caso c = sopracciglia;
        const std::vector<QPointF> arcata =
            Specchio({{4.3, kOcchiY - 5.3}, {8, kOcchiY - 6.4}, {12.4, kOcchiY - 6.8}, {17, kOcchiY - 5.4}}, lato);
        // The brow's body: one cut, fine at its inner end, swelling over the
        // arch and tapering to its tail, so it reads as a brow and not as a
        // bar; the hairs set along it.
        Taglio(
            p, [&](double t) { return Curva(arcata, t); },
            [](double t) { return 1.45 * std::pow(std::sin(M_PI * (0.1 + 0.88 * t)), 0.8) * (1 - 0.25 * t); }, 24);
        Peli(p, c, arcata, 1.6, 30, 3.0, 0.02, 0.42);
    }
}

void DisegnaLineamenti(QPainter &p)
{
    for (double lato : {-1.0, 1.0}) {
        const auto occhio = [&](double dx, double su) {
            // A point on the lids: dx from -1 (inner corner) to 1 (outer), su 1 upper lid, -1 lower.
            const double ax = kOcchiX + kOcchioMezzo * dx;
            const double alzo = su > 0 ? kPalpebra : kPalpebraBassa;
            return QPointF(lato * ax, kOcchiY - su * alzo * (1 - dx * dx) - 0.25 * dx);
        };
        QPainterPath apertura(occhio(-1, 1));
        for (int k = 1; k <= 20; ++k)
            apertura.lineTo(occhio(-1 + k / 10.0, 1));
        for (int k = 19; k >= 0; --k)
            apertura.lineTo(occhio(-1 + k / 10.0, -1));
        apertura.closeSubpath();
        // Iris and pupil one dark disc: at the picture's size strokes in an
        // iris this small break it into speckle. The window's light is left
        // as one clean spot of paper at its upper left, the same in both eyes,
        // and the lids cover its top and bottom.
        const QPointF iride(lato * kOcchiX, kOcchiY - 0.1);
        p.save();
        p.setClipPath(apertura);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(iride, kIride, kIride);
        // The lid's shadow on the eyeball: a cut under the lid's edge.
        Taglio(
            p, [&](double t) { return occhio(-0.9 + 1.8 * t, 1) + QPointF(0, 0.5); },
            [](double t) { return 0.6 * Fuso(t, 0.5); }, 16);
        p.restore();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        // Centred on a pixel of the picture, so it prints as one clean spot
        // and not as two half-lit ones.
        const auto centraPixel = [](double u, double centro) {
            return (std::floor(centro + u * kIngrandimento) + 0.5 - centro) / kIngrandimento;
        };
        const QPointF luce(centraPixel(iride.x() - 0.9, kMedaglione.x()),
                           centraPixel(iride.y() - 0.6 + kAbbassa, kMedaglione.y()) - kAbbassa);
        p.drawEllipse(luce, 0.5, 0.5);
        // The upper lid's edge, heaviest towards the outer corner; the crease
        // above it; a fine lower lid.
        Taglio(
            p, [&](double t) { return occhio(-1.05 + 2.2 * t, 1) + QPointF(0, -0.25); },
            [](double t) { return 0.25 + 0.5 * std::sin(M_PI * std::min(1.0, t * 0.8 + 0.1)); }, 20);
        Taglio(
            p, [&](double t) { return occhio(-0.6 + 1.45 * t, 1) + QPointF(0, -1.3 - 0.5 * std::sin(M_PI * t)); },
            [](double t) { return 0.4 * Fuso(t); }, 16);
        Taglio(
            p, [&](double t) { return occhio(-0.75 + 1.75 * t, -1) + QPointF(0, 0.3); },
            [](double t) { return 0.5 * Fuso(t, 0.7); }, 16);
        // Each nostril one curved cut, from beside the nose's middle out and up
        // under the wing, swelling where the opening is deepest; the one away
        // from the light the heavier.
        Taglio(
            p,
            [&](double t) {
                const double a = (200 - 120 * t) * M_PI / 180;
                return QPointF(lato * (2.9 - 1.4 * std::cos(a)), kOcchiY + 16.0 + 0.7 * std::sin(a) + 0.3 * t);
            },
            [&](double t) {
                return (lato > 0 ? 0.95 : 0.75) * std::pow(std::sin(M_PI * (0.08 + 0.9 * t)), 0.7) * (1.1 - 0.4 * t);
            },
            16);
        // The wing's whole crease on the shaded side; on the lit side only its
        // lower curve, finer and apart from the nostril (the whole crease closed
        // a ring round it), so the nose has both its sides.
        if (lato > 0)
            Taglio(
                p,
                [&](double t) {
                    const double a = (-75 + 95 * t) * M_PI / 180;
                    return QPointF(3.7 + 2.4 * std::cos(a), kOcchiY + 15.4 + 2.2 * std::sin(a));
                },
                [&](double t) { return 0.4 * Fuso(t); }, 16);
        else
            Taglio(
                p,
                [&](double t) {
                    const double a = (-20 + 55 * t) * M_PI / 180;
                    return QPointF(-3.9 - 2.4 * std::cos(a), kOcchiY + 15.4 + 2.2 * std::sin(a));
                },
                [&](double t) { return 0.28 * Fuso(t); }, 12);
        // The ear: the groove inside its rim, following the outer edge from
        // the top round to above the lobe, and the hollow of the bowl in
        // front of the opening, a short curved cut nearer the head.
        Taglio(
            p,
            [&](double t) {
                const double a = (-78 + 140 * t) * M_PI / 180;
                return QPointF(lato * (kOrecchioX + 2.0 * std::cos(a)), kOrecchioY - 0.2 + 7.6 * std::sin(a));
            },
            [](double t) { return 0.6 * Fuso(t, 0.6); }, 24);
        Taglio(
            p,
            [&](double t) {
                const double a = (-50 + 110 * t) * M_PI / 180;
                return QPointF(lato * (kOrecchioX - 0.2 + 0.9 * std::cos(a)), kOrecchioY + 0.7 + 3.4 * std::sin(a));
            },
            [](double t) { return 0.55 * Fuso(t, 0.5); }, 16);
        // The shade where the ear stands off the skull, so it is joined to it.
        Taglio(
            p,
            [&](double t) {
                const double y = kOrecchioY - 8.5 + 15.5 * t;
                return QPointF(lato * (MezzaLarghezza(y) + 0.55), y);
            },
            [](double t) { return 0.85 * Fuso(t, 0.6); }, 20);
    }
    // The nose's shaded side: one tapering cut from under the brow down to
    // the wing, fine where it starts and swelling as the side turns from the
    // light, in place of the skin's lines there.
    Taglio(
        p, [](double t) { return QPointF(1.8 + 1.7 * t * t, kOcchiY + 2.5 + 11.5 * t); },
        [](double t) {
            return (0.05 + 0.85 * std::pow(t, 1.8)) * std::sqrt(std::sin(M_PI * std::min(1.0, t * 0.55 + 0.05)));
        },
        20);
    // Beside it, a shorter and finer one where the flank turns furthest from
    // the light, so the side reads as a shade that deepens towards the wing.
    Taglio(
        p, [](double t) { return QPointF(3.5 + 1.0 * t * t, kOcchiY + 7.5 + 6.0 * t); },
        [](double t) { return 0.42 * Fuso(t, 0.7) * std::min(1.0, 0.4 + t); }, 16);
    // A third further out, finer and shorter, where the flank meets the
    // cheek above the wing, so the side of the nose reads as a plane in
    // shade and not only as its outline.
    Taglio(
        p, [](double t) { return QPointF(4.9 + 0.8 * t * t, kOcchiY + 9.0 + 4.6 * t); },
        [](double t) { return 0.34 * Fuso(t, 0.7); }, 14);
    // The edges of the collar's points, each one unbroken line swelling
    // towards the knot, and the outer one down to the tip, so the points
    // stand clear of the lapels.
    for (double lato : {-1.0, 1.0}) {
        Taglio(
            p, [&](double t) { return QPointF(lato * (2.6 + 2.4 * t), kColloY + 20 + 8.2 * t); },
            [](double t) { return 0.5 * Fuso(t, 0.5); }, 12);
        Taglio(
            p, [&](double t) { return QPointF(lato * (10.3 - 5.4 * t), kColloY + 20.3 + 7.3 * t); },
            [](double t) { return 0.45 * std::sqrt(std::sin(M_PI * (0.1 + 0.8 * t))); }, 12);
    }
    // The chin's lower edge over the neck, one line from jaw to jaw, finer
    // on the lit side.
    Taglio(
        p,
        [](double t) {
            const double a = M_PI * (1 - t); // from the left jaw round under the chin to the right
            const double y = kMentoY - 0.3 - (kMentoY - 7.5) * std::pow(std::abs(std::cos(a)), 1.6);
            return QPointF((std::cos(a) < 0 ? -1 : 1) * MezzaLarghezza(y) * 0.97, y);
        },
        [](double t) { return (0.25 + 0.45 * t) * Fuso(t, 0.35); }, 40);
    // The waistcoat's buttons down the middle.
    for (double y : {kColloY + 52, kColloY + 60, kColloY + 68}) {
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(0, y), 1.1, 1.1);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(-0.35, y - 0.35), 0.35, 0.35);
    }
    // The mouth: the parting of the lips, dipping at the middle, level at
    // the corners and fine there.
    const std::vector<QPointF> labbra{{-7.6, kBoccaY - 0.1},  {-5.6, kBoccaY - 0.1}, {-2.6, kBoccaY - 0.15},
                                      {-0.9, kBoccaY - 0.05}, {0, kBoccaY + 0.15},   {0.9, kBoccaY - 0.05},
                                      {2.6, kBoccaY - 0.15},  {5.6, kBoccaY - 0.1},  {7.6, kBoccaY - 0.1}};
    Taglio(
        p, [&](double t) { return Curva(labbra, t); },
        [](double t) { return (0.15 + 0.85 * Fuso(t, 0.6)) * (0.7 + 0.6 * t); }, 30);
    // The upper lip in shade on the side away from the light: one short cut
    // above the parting, wide enough to print as ink, so the lip is a shape
    // over the parting and not a grey patch of hairlines.
    Taglio(
        p, [](double t) { return QPointF(0.6 + 4.6 * t, kBoccaY - 1.9 - 0.3 * std::sin(M_PI * t)); },
        [](double t) { return 0.6 * Fuso(t, 0.7); }, 20);
    // The shadow under the lower lip, its light left between: a short cut
    // lying more to the side away from the light.
    Taglio(
        p, [](double t) { return QPointF(-3.2 + 7.4 * t, kBoccaY + 4.0 + 0.5 * std::pow(2 * t - 1.1, 2)); },
        [](double t) { return 0.7 * Fuso(t, 0.6); }, 20);
    // The nose's underside between the nostrils, in shade.
    Taglio(
        p, [](double t) { return QPointF(-1.4 + 3.6 * t, kOcchiY + 16.9 + 0.35 * std::sin(M_PI * t)); },
        [](double t) { return 0.55 * Fuso(t, 0.6) * (0.6 + 0.4 * t); }, 12);
}

} // namespace titolo
