#include "titolo_segni.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"
#include "titolo_tratti.h"
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

// A strand of hair's width, in the sitter's units, in the light and in the shade.
constexpr double kFiloMin = 0.22, kFiloMax = 0.45;

// Starts at once at its root, tapers to a point over its last third.
double Ciuffo(double t)
{
    return std::sqrt(std::min(1.0, t / 0.04)) * std::pow(std::sin(M_PI / 2 * std::min(1.0, (1 - t) / 0.35)), 0.6);
}

double TonoCapelli(QPointF q)
{
    const Campione c = Rilievo(q.x(), q.y());
    return Tono(c.zona == Zona::Capelli ? c : Campione{c.h, c.hs, Zona::Capelli}, q.x(), q.y());
}

// One side of the hair, combed from the parting (`lucido`: where along
// the strands the sheen falls, or less than 0 for none): strands run from the
// parting (s = 0) to the temple (s = 1), between the hairline (u = 0) and
// the outline of the head (u = 1). They go in locks that drift across one
// another and wave, each lock's strands heavier at its shaded edge.
void Ciocche(Lastra &lastra, Caso &caso, const std::vector<QPointF> &attaccatura, const std::vector<QPointF> &profilo,
             int ciocche, int filiPerCiocca, double lucido = -1)
{
    const double larga = 1.8 / ciocche; // a lock's breadth, as a share of the band
    for (int c = 0; c < ciocche; ++c) {
        const double centro = (c + 0.5) / ciocche;
        const double fase = caso.Prossimo();
        const double deriva = caso.Tra(-0.22, 0.22);
        for (int f = 0; f < filiPerCiocca * 2; ++f) {
            const double dentro = caso.Tra(-0.5, 0.5); // place across the lock
            const double inclina = deriva + caso.Tra(-0.04, 0.04);
            const double s0 = caso.Tra(0.0, 0.1), s1 = caso.Tra(0.75, 1.0);
            const double bordo = 0.75 + 0.7 * std::abs(dentro);
            const auto u = [&](double s) {
                return centro + dentro * larga + inclina * (s - 0.5) + 0.05 * std::sin(2 * M_PI * (1.4 * s + fase));
            };
            const auto asse = [&](double t) {
                const double s = s0 + (s1 - s0) * t;
                const QPointF a = Curva(attaccatura, s), b = Curva(profilo, s);
                return a + (b - a) * u(s);
            };
            const auto larghezza = [&](double t) {
                const double v = u(s0 + (s1 - s0) * t);
                const double dentroFascia = Passaggio(0.0, 0.05, v) * (1 - Passaggio(1.0, 1.09, v));
                // The sheen crosses the locks where the hair turns to the light.
                const double lungo = (s0 + (s1 - s0) * t - lucido) / 0.2;
                const double tono = TonoCapelli(asse(t)) - 0.3 * std::exp(-lungo * lungo) * (1 - 0.5 * v);
                return std::clamp(tono * bordo * 0.8, kFiloMin, kFiloMax) * Ciuffo(t) * dentroFascia;
            };
            // Every third strand is left out (its chances still drawn, so the
            // rest fall where they did), so paper shows between the strands
            // and the locks read as cut lines, not a painted mass.
            if (f % 3 == 2)
                continue;
            // Each strand cut on whole pixels, a pixel wide where it is
            // heaviest and printing lighter where it thins, so the locks
            // are crisp lines with paper between them, not a soft mass of
            // strands averaged down. Over the crown none strays above the
            // outline, where it would cross the ground's lines as a smudge.
            lastra.Solco(asse, [&](double t) {
                const QPointF q = asse(t);
                const double cx = (q.x() - 0.5) / (1.12 * kCapelliA), cy = (q.y() - kCapelliY) / (1.01 * kCapelliB);
                if (cx * cx + cy * cy > 1 && q.y() < kCapelliY - 0.6 * kCapelliB)
                    return 0.0;
                return std::min(1.0, 1.5 * larghezza(t) * kIngrandimento);
            });
        }
    }
}

// The iris's radius, in the sitter's units, its pupil's, and the iris's ink.
constexpr double kIride = 2.4;
constexpr double kPupilla = 1.2;
constexpr double kIrideTono = 0.55;

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

void DisegnaCapelli(QPainter &p, Lastra &lastra)
{
    Caso caso;
    // The outline of the hair from the parting round to each side, and the
    // hairline from the parting along the forehead to each temple.
    std::vector<QPointF> profiloDestro, profiloSinistro;
    for (int k = 0; k <= 24; ++k) {
        const double t = k / 24.0;
        const double dx = 0.995 * kCapelliA, dy = 0.995 * kCapelliB;
        const double a1 = (106 - 98 * t) * M_PI / 180, a2 = (102 + 70 * t) * M_PI / 180; // overlapping at the parting
        // Fuller on the swept side, in waves where its locks roll over.
        const double gonfio = 1 + 0.05 * std::sin(M_PI * t) +
            0.035 * std::pow(std::abs(std::sin(3.5 * M_PI * t)), 1.5) * std::sin(M_PI * t);
        profiloDestro.emplace_back(0.5 + gonfio * dx * std::cos(a1), kCapelliY - gonfio * dy * std::sin(a1));
        profiloSinistro.emplace_back(0.5 + dx * std::cos(a2), kCapelliY - dy * std::sin(a2));
    }
    const std::vector<QPointF> attaccaturaDestra{{-9.6, -52.2}, {0, -54},      {10, -52},     {15, -50.3}, {18, -49.6},
                                                 {20, -46.8},   {21.5, -43.9}, {23.2, -38.4}, {24.2, -31}};
    const std::vector<QPointF> attaccaturaSinistra{{-8.0, -52.7},  {-15, -50.3},   {-18, -49.6}, {-20, -46.8},
                                                   {-21.5, -43.9}, {-23.2, -38.4}, {-24.2, -31}};
    Ciocche(lastra, caso, attaccaturaDestra, profiloDestro, 9, 8, 0.3);
    Ciocche(lastra, caso, attaccaturaSinistra, profiloSinistro, 5, 8, 0.3);
    // The crown's outline cut as one line, so the strands' roots there end
    // on an edge and not in a grey haze against the ground.
    Taglio(
        p,
        [](double t) {
            const double a = (55 + 70 * t) * M_PI / 180;
            return QPointF(0.5 + 0.985 * kCapelliA * std::cos(a), kCapelliY - 0.985 * kCapelliB * std::sin(a));
        },
        [](double t) { return 0.7 * Fuso(t, 0.4); }, 30);
    // Hairs rooted along the hairline, each drawn from its own sequence of
    // chances: where it starts, how far below the line, how long and wide.
    const auto peli = [&](Caso &c, int quanti, double sMax, double giuMin, double giuMax, double lMin, double lMax,
                          double wMin, double wMax) {
        for (int k = 0; k < quanti; ++k) {
            const bool destra = k % 3 != 0;
            const auto &attaccatura = destra ? attaccaturaDestra : attaccaturaSinistra;
            const auto &profilo = destra ? profiloDestro : profiloSinistro;
            const double sAtt = c.Tra(0.05, sMax);
            const QPointF radice = Curva(attaccatura, sAtt) + QPointF(0, c.Tra(giuMin, giuMax));
            QPointF verso = Curva(profilo, sAtt + (destra ? 0.12 : 0.08)) - radice;
            verso /= std::hypot(verso.x(), verso.y());
            const double l = c.Tra(lMin, lMax), w = c.Tra(wMin, wMax);
            Taglio(
                p, [&](double t) { return radice + verso * (l * t); },
                [&](double t) { return w * std::pow(t, 0.8) * (1 - t * t * t); }, 10);
        }
    };
    // Along the hairline, fine hairs rise from the forehead into the mass,
    // coming to nothing at their roots, so the hair meets the skin softly.
    peli(caso, 44, 0.85, 0.3, 1.6, 3.0, 5.5, 0.35, 0.5);
    // Finer and shorter ones rooted a little lower, so the hairline is a
    // thinning edge and not the hard rim of a cap. Their own sequence, so
    // the brows' hairs stay as they are.
    Caso fini;
    for (int k = 0; k < 7; ++k)
        fini.Prossimo();
    peli(fini, 40, 0.9, 1.2, 2.6, 2.0, 3.5, 0.22, 0.32);
    // Above the ears the hair is brushed down and back.
    for (double lato : {-1.0, 1.0})
        Ciocche(lastra, caso, Specchio({{20.5, -47}, {22.8, -40}, {23.6, -33}, {24.0, -28.2}}, lato),
                Specchio({{26.6, -47}, {27.6, -40}, {26.8, -33}, {24.6, -27.6}}, lato), 2, 2);
    // Eyebrows: hairs along the brow from its inner end, lifting there; the
    // same hairs in both, mirrored.
    const Caso sopracciglia = caso;
    for (double lato : {-1.0, 1.0}) {
        Caso c = sopracciglia;
        const std::vector<QPointF> arcata =
            Specchio({{4.3, kOcchiY - 5.7}, {8, kOcchiY - 7.2}, {12.6, kOcchiY - 7.7}, {17, kOcchiY - 5.9}}, lato);
        // The brow's body: one cut, fine at its inner end, swelling past the
        // middle and tapering to its tail, so it reads as a brow and not as a
        // bar; the hairs set along it, kept to it so the lid's fold below it
        // stands clear.
        Taglio(
            p, [&](double t) { return Curva(arcata, t); },
            [](double t) { return 1.6 * std::pow(std::sin(M_PI * (0.04 + 0.92 * t)), 1.1) * (1.15 - 0.55 * t); }, 24);
        Peli(p, c, arcata, 1.0, 30, 3.0, 0.02, 0.42);
    }
}

void IncidiOcchi(Lastra &lastra)
{
    for (double lato : {-1.0, 1.0}) {
        // Where a lid runs: dx from -1 (inner corner) to 1 (outer); su 1 the upper lid, -1 the lower.
        const auto palpebra = [](double dx, double su) {
            const double alzo = su > 0 ? kPalpebra : kPalpebraBassa;
            return kOcchiY - su * alzo * (1 - dx * dx) - 0.25 * dx;
        };
        const auto occhio = [&](double dx, double su) {
            return QPointF(lato * (kOcchiX + kOcchioMezzo * dx), palpebra(dx, su));
        };
        // Iris and pupil one dark disc between the lids, each pixel inked by
        // how much of it the disc covers, steepened so its edge stays firm:
        // at the picture's size strokes in an iris this small break into speckle.
        const QPointF iride(lato * kOcchiX, kOcchiY - 0.1);
        const QPointF centro = SullaLastra(iride);
        const int r = int(std::ceil(kIride * kIngrandimento)) + 1;
        // The pupil is full ink, the iris round it lighter and as broad as
        // the lids let it be, tucked under the upper lid and meeting the
        // lower, so the eye is an iris with a pupil in it and not a dark dot
        // staring out of the white; the pupil wide enough that at the
        // picture's size the eye still looks out rather than closing into a
        // pale slit.
        for (int py = int(centro.y()) - r; py <= int(centro.y()) + r; ++py)
            for (int px = int(centro.x()) - r; px <= int(centro.x()) + r; ++px) {
                int dentro = 0;
                double pupilla = 0;
                for (int k = 0; k < 16; ++k) {
                    const QPointF q = DallaLastra(QPointF(px + (k % 4 + 0.5) / 4, py + (k / 4 + 0.5) / 4));
                    const double dx = (q.x() * lato - kOcchiX) / kOcchioMezzo;
                    const double d = std::hypot(q.x() - iride.x(), q.y() - iride.y());
                    if (d < kIride && q.y() > palpebra(dx, 1) && q.y() < palpebra(dx, -1)) {
                        ++dentro;
                        pupilla += d < kPupilla;
                    }
                }
                const double coperto = std::clamp((dentro / 16.0 - 0.25) / 0.5, 0.0, 1.0);
                lastra.Inchiostra(px, py, coperto * (kIrideTono + (1 - kIrideTono) * std::min(1.0, 2 * pupilla / 16)));
            }
        // The window's light: one pixel of paper in the iris's middle row,
        // on the side towards the light, the same in both eyes; in the top
        // row, against the lid, it read as a notch in the lid, not a glint.
        // Counted from the iris's middle pixel, so it falls inside the disc
        // in both eyes whatever their fraction of a pixel.
        lastra.Risparmia(int(std::floor(centro.x())) - 1, int(std::floor(centro.y() - 0.5)));
        // The lid's edge and its shadow are laid a whole pixel apart on the
        // same curve, so they step together instead of crossing into a
        // tangle at this size.
        const auto lido = [&](double dx, int pixel) {
            return occhio(dx, 1) + QPointF(0, -0.3 - pixel / kIngrandimento);
        };
        const auto tratto = [&](double da, double a, int pixel, double peso) {
            lastra.Solco([&](double t) { return lido(da + (a - da) * t, pixel); },
                         [peso](double t) { return peso * std::min(1.0, 2.5 * Fuso(t, 0.8)); });
        };
        // The upper lid: one line, fine at the corners and two pixels over
        // most of the eye, where the lid's shadow lies on the eyeball, so the
        // eye reads as lidded and not as a dot; the shadow the lighter, or
        // the lid reads as drawn with kohl.
        tratto(-0.85, 0.95, 0, 1);
        tratto(-0.6, 0.8, -1, 0.6);
        // The lid's fold: a finer line a clear row of paper above the lid,
        // from over the iris out to where it meets the lid at the outer
        // corner, heaviest over the iris and fading out towards the corner,
        // so the lid has a thickness and the eye lies in its socket.
        const bool ombra = lato > 0; // the eye on the side from the light
        lastra.Solco(
            [&](double t) {
                const double dx = -0.45 + 1.5 * t;
                return occhio(std::min(dx, 0.98), 1) +
                    QPointF(lato * kOcchioMezzo * std::max(0.0, dx - 0.98),
                            -0.3 - 2.3 * (1 - 0.55 * std::max(0.0, dx)));
            },
            [ombra](double t) { return (ombra ? 1.0 : 0.85) * Fuso(t, 0.6) * std::min(1.0, 1.2 - 0.8 * t); });
        // The lower lid: a fine line from the inner corner, firming towards
        // the outer one where the lids meet, so the white lies in an almond
        // closed below without being ringed in ink.
        lastra.Solco([&](double t) { return occhio(-0.85 + 1.6 * t, -1) + QPointF(0, 0.6); },
                     [](double t) { return (0.2 + 0.25 * t) * std::min(1.0, 3 * Fuso(t, 0.7)); });
        // The inner corner: a short dark tick where the lids meet by the nose.
        lastra.Solco([&](double t) { return occhio(-0.92 - 0.1 * t, 0) + QPointF(0, 0.4 * t); },
                     [](double) { return 0.5; });
    }
}

void IncidiBottoni(Lastra &lastra)
{
    // The waistcoat's buttons down the middle: each a round boss of ink
    // five pixels across, its corners lighter, a point of light left on it
    // towards the light, set in a ring of clean paper so it stands on the
    // waistcoat's lines instead of knotting them into a blob. Two: a third
    // fell on the oval's rim, a speck on the frame.
    for (double y : {kColloY + 52, kColloY + 60}) {
        const QPointF centro = SullaLastra({0, y});
        const int cx = int(std::floor(centro.x())), cy = int(std::floor(centro.y()));
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                const int d = dx * dx + dy * dy;
                if (d <= 5)
                    lastra.Inchiostra(cx + dx, cy + dy, 1);
                else if (d == 8)
                    lastra.Inchiostra(cx + dx, cy + dy, 0.4);
                else if (d <= 10)
                    lastra.Risparmia(cx + dx, cy + dy);
            }
        lastra.Risparmia(cx - 1, cy - 1);
    }
}

void DisegnaLineamenti(QPainter &p)
{
    for (double lato : {-1.0, 1.0}) {
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
    // The edges of the collar's points, each one unbroken line swelling
    // towards the knot, and the outer one down to the tip, so the points
    // stand clear of the lapels; firm enough to print as edges, not as
    // ghost lines crossing at the knot.
    for (double lato : {-1.0, 1.0}) {
        Taglio(
            p, [&](double t) { return QPointF(lato * (2.6 + 2.4 * t), kColloY + 20 + 8.2 * t); },
            [](double t) { return 0.7 * Fuso(t, 0.5); }, 12);
        Taglio(
            p, [&](double t) { return QPointF(lato * (10.3 - 5.4 * t), kColloY + 20.3 + 7.3 * t); },
            [](double t) { return 0.65 * std::sqrt(std::sin(M_PI * (0.1 + 0.8 * t))); }, 12);
    }
    // The lit cheek's outline from below the ear to the chin: one fine cut,
    // tapering in under the ear and running on into the chin's edge, where
    // the cheek's lines end on it, so the lit side keeps its contour against
    // the pale glow of the ground.
    Taglio(
        p,
        [](double t) {
            const double y = kOrecchioY + 7 + (kMentoY - 4.5 - kOrecchioY - 7) * t;
            return QPointF(-(MezzaLarghezza(y) - 0.35), y);
        },
        [](double t) { return (0.4 + 0.12 * t) * std::sqrt(std::min(1.0, t / 0.2)); }, 30);
    // The chin's lower edge over the neck, one line from jaw to jaw, finer
    // on the lit side but firm enough there that the face ends at the jaw
    // and does not run on into the neck.
    Taglio(
        p,
        [](double t) {
            const double a = M_PI * (1 - t); // from the left jaw round under the chin to the right
            const double y = kMentoY - 0.3 - (kMentoY - 7.5) * std::pow(std::abs(std::cos(a)), 1.6);
            return QPointF((std::cos(a) < 0 ? -1 : 1) * MezzaLarghezza(y) * 0.97, y);
        },
        [](double t) { return (0.6 + 0.4 * t) * Fuso(t, 0.35); }, 40);
    // The upper lip's edge from the bow's peak over the middle down to each
    // corner, swelling where the lip turns from the light, so the lip has its
    // bow over the parting and is not a bar laid above it; on the lit side
    // finer, the lip's light left open.
    for (double lato : {-1.0, 1.0})
        Taglio(
            p,
            [lato](double t) {
                const double x = 0.3 + 4.4 * t;
                return QPointF(lato * x,
                               kBoccaY - 2.1 + 0.4 * std::exp(-std::pow(x / 0.9, 2)) + 1.0 * std::pow(t, 1.6));
            },
            [lato](double t) { return (lato > 0 ? 0.55 : 0.4) * Fuso(t, 0.7); }, 20);
}

} // namespace titolo
