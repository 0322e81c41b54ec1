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

// A strand of hair's width, in the sitter's units, in the light and in the shade.
constexpr double kFiloMin = 0.22, kFiloMax = 0.45;

// Swells in the middle, comes to a point at both ends.
double Fuso(double t, double inizio = 0.5) { return std::pow(std::max(0.0, std::sin(M_PI * t)), inizio); }

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
                const QPointF a = Curva(attaccatura, s), b = Curva(profilo, s), q = a + (b - a) * u(s);
                return QPointF(kCapelliStretto * q.x(), q.y());
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
                const double cx = (q.x() / kCapelliStretto - 0.5) / (1.12 * kCapelliA),
                             cy = (q.y() - kCapelliY) / (1.01 * kCapelliB);
                if (cx * cx + cy * cy > 1 && q.y() < kCapelliY - 0.6 * kCapelliB)
                    return 0.0;
                return std::min(1.0, 1.5 * larghezza(t) * kIngrandimento);
            });
        }
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
    p.save();
    p.scale(kCapelliStretto, 1);
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
        Ciocche(lastra, caso, Specchio({{20.5, -47}, {22.8, -40}, {23.6, -34}, {24.0, -31.2}}, lato),
                Specchio({{26.6, -47}, {27.6, -40}, {26.8, -34}, {24.6, -30.6}}, lato), 2, 2);
    p.restore();
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

void DisegnaColletto(QPainter &p)
{
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
}

} // namespace titolo
