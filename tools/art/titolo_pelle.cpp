#include "titolo_pelle.h"

#include "titolo_misure.h"
#include "titolo_volto.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <vector>

namespace titolo {

namespace {

// The lines lie this far apart, in pixels of the picture and in the sitter's units.
constexpr double kPassoPx = 3.0;
constexpr double kPasso = kPassoPx / kIngrandimento;
// A line ends where it comes this near another, so lines that gather where
// the form turns die out instead of merging into a blot.
constexpr double kAvvicina = 0.55 * kPasso;
constexpr double kCammino = 0.2; // each step along a line, in units
constexpr double kPunta = 1.6;   // a free end tapers over this length, in units

// Lines have no heading, so directions are summed as doubled angles.
struct Tensore {
    double c = 0, s = 0;
    void Aggiungi(double angolo, double peso)
    {
        c += peso * std::cos(2 * angolo);
        s += peso * std::sin(2 * angolo);
    }
    double Angolo() const { return 0.5 * std::atan2(s, c); }
};

double Gauss(double dx, double dy, double sx, double sy)
{
    return std::exp(-(dx * dx) / (2 * sx * sx) - (dy * dy) / (2 * sy * sy));
}

double Altezza(double x, double y) { return std::max(0.0, Rilievo(x, y).h); }

// The angle of the lines at (x, y) on `pezzo`.
double Direzione(Pezzo pezzo, double x, double y)
{
    const double ax = std::abs(x), lato = x < 0 ? -1 : 1;
    Tensore t;
    if (pezzo == Pezzo::Orecchio) { // round the ear, with its rim
        const double ex = (ax - kOrecchioX) / 3.8, ey = (y - (kOcchiY + 6.5)) / 9.5;
        t.Aggiungi(std::atan2(lato * ex / 3.8, -ey / 9.5), 1);
        return t.Angolo();
    }
    // Where a plane leaning back from the viewer cuts the form: the line dips
    // over the nose, the cheekbones and the lips as they rise towards him.
    constexpr double e = 0.6;
    const double k = pezzo == Pezzo::Collo ? 0.45 : 0.3;
    const double hx = std::clamp((Altezza(x + e, y) - Altezza(x - e, y)) / (2 * e), -3.0, 3.0);
    const double hy = std::clamp((Altezza(x, y + e) - Altezza(x, y - e)) / (2 * e), -3.0, 3.0);
    t.Aggiungi(std::atan2(k * hx, 1 - k * hy), 1);
    if (pezzo == Pezzo::Testa) {
        // Down the cheeks and round the jaw the lines run with the outline.
        const double w = std::max(1.0, MezzaLarghezza(y));
        const double dw = MezzaLarghezza(y + 0.5) - MezzaLarghezza(y - 0.5);
        const double bordo = Passaggio(0.5, 0.9, ax / w) * Passaggio(kOcchiY + 2, kOcchiY + 10, y);
        t.Aggiungi(std::atan2(1.0, lato * dw), 1.6 * bordo);
        // Round each eye socket.
        const double ex = ax - kOcchiX, ey = y - (kOcchiY - 0.5);
        t.Aggiungi(std::atan2(lato * ex / 49, -ey / 25), 1.3 * Gauss(ex, ey, 6, 4.5));
    }
    return t.Angolo();
}

double TonoPelle(QPointF q) { return Tono(Rilievo(q.x(), q.y()), q.x(), q.y()); }

// The lines already cut, bucketed by place, for the nearness tests.
class Griglia {
public:
    Griglia() : celle_(std::size_t(kColonne * kRighe)) {}

    void Metti(QPointF q)
    {
        if (const int i = Cella(q); i >= 0)
            celle_[std::size_t(i)].push_back(q);
    }

    bool Vicino(QPointF q, double r) const
    {
        const int cx = int(std::floor((q.x() - kX0) / kPasso)), cy = int(std::floor((q.y() - kY0) / kPasso));
        for (int y = cy - 1; y <= cy + 1; ++y)
            for (int x = cx - 1; x <= cx + 1; ++x) {
                if (x < 0 || y < 0 || x >= kColonne || y >= kRighe)
                    continue;
                for (const QPointF &a : celle_[std::size_t(y * kColonne + x)])
                    if (std::hypot(a.x() - q.x(), a.y() - q.y()) < r)
                        return true;
            }
        return false;
    }

private:
    static constexpr double kX0 = -45, kY0 = -80;
    static constexpr int kColonne = int(90 / kPasso) + 1, kRighe = int(130 / kPasso) + 1;

    int Cella(QPointF q) const
    {
        const int x = int(std::floor((q.x() - kX0) / kPasso)), y = int(std::floor((q.y() - kY0) / kPasso));
        return x < 0 || y < 0 || x >= kColonne || y >= kRighe ? -1 : y * kColonne + x;
    }

    std::vector<std::vector<QPointF>> celle_;
};

struct Linea {
    std::vector<QPointF> punti;
    bool liberoInizio = false, liberoFine = false; // an end that stops short of an outline tapers
};

using Campo = std::function<double(double, double)>;
using Dove = std::function<bool(QPointF)>;

// Follows the field from `seme` one way (`verso` 1 or -1), stopping at the
// edge of where lines may run, near another line, or at a knot in the field.
// `propri` are the points already on this line, which it must not run into
// either.
std::vector<QPointF> Segui(QPointF seme, double verso, const Campo &campo, const Dove &dentro, const Griglia &g,
                           const std::vector<QPointF> &propri, bool &libero)
{
    std::vector<QPointF> punti;
    const auto direzione = [&](QPointF q, QPointF prima) {
        const double a = campo(q.x(), q.y());
        QPointF d(std::cos(a), std::sin(a));
        return d.x() * prima.x() + d.y() * prima.y() < 0 ? -d : d;
    };
    const double a0 = campo(seme.x(), seme.y());
    QPointF p = seme, v(verso * std::cos(a0), verso * std::sin(a0));
    constexpr int lontano = int(3 * kPasso / kCammino); // own points nearer than this along the line are neighbours
    libero = true;
    for (int i = 0; i < 1200; ++i) {
        const QPointF d1 = direzione(p, v);
        const QPointF d2 = direzione(p + d1 * (kCammino / 2), d1);
        if (d2.x() * v.x() + d2.y() * v.y() < std::cos(0.45))
            return punti;
        const QPointF q = p + d2 * kCammino;
        if (!dentro(q)) {
            libero = false;
            return punti;
        }
        if (g.Vicino(q, kAvvicina))
            return punti;
        const std::size_t oltre = std::size_t(std::max(0, int(propri.size()) - std::max(0, lontano - i)));
        for (std::size_t k = 0; k < oltre; ++k)
            if (std::hypot(propri[k].x() - q.x(), propri[k].y() - q.y()) < kAvvicina)
                return punti;
        for (std::size_t k = 0; k + lontano < punti.size(); ++k)
            if (std::hypot(punti[k].x() - q.x(), punti[k].y() - q.y()) < kAvvicina)
                return punti;
        punti.push_back(q);
        p = q;
        v = d2;
    }
    return punti;
}

// Evenly spaced lines over where `dentro` holds, each started at a seed
// where `semina` holds, one line's spacing beside the lines before it, so
// that the lines lie in order outwards from the first.
std::vector<Linea> Traccia(const Campo &campo, const Dove &dentro, const Dove &semina, QPointF primo)
{
    Griglia g;
    std::vector<Linea> linee;
    std::deque<QPointF> semi{primo};
    // Where the queue runs dry (a part the lines never reached), a scan.
    std::vector<QPointF> scansione;
    for (double y = -75; y < 40; y += kPasso / 2)
        for (double x = -40; x < 40; x += kPasso / 2)
            scansione.emplace_back(x, y);
    std::size_t prossimo = 0;
    while (true) {
        QPointF s;
        if (!semi.empty()) {
            s = semi.front();
            semi.pop_front();
        } else if (prossimo < scansione.size()) {
            s = scansione[prossimo++];
        } else {
            break;
        }
        if (!semina(s) || g.Vicino(s, 0.9 * kPasso))
            continue;
        Linea l;
        bool liberoAvanti = true, liberoIndietro = true;
        const std::vector<QPointF> avanti = Segui(s, 1, campo, dentro, g, {}, liberoAvanti);
        std::vector<QPointF> propri{s};
        propri.insert(propri.end(), avanti.begin(), avanti.end());
        std::vector<QPointF> indietro = Segui(s, -1, campo, dentro, g, propri, liberoIndietro);
        std::reverse(indietro.begin(), indietro.end());
        l.punti = indietro;
        l.punti.insert(l.punti.end(), propri.begin(), propri.end());
        l.liberoInizio = liberoIndietro;
        l.liberoFine = liberoAvanti;
        if (l.punti.size() * kCammino < 2.5 * kPasso)
            continue;
        for (const QPointF &q : l.punti)
            g.Metti(q);
        for (std::size_t k = 2; k + 2 < l.punti.size(); k += 4) {
            QPointF t = l.punti[k + 1] - l.punti[k - 1];
            t /= std::hypot(t.x(), t.y());
            const QPointF n(-t.y(), t.x());
            semi.push_back(l.punti[k] + n * kPasso);
            semi.push_back(l.punti[k] - n * kPasso);
        }
        linee.push_back(std::move(l));
    }
    return linee;
}

// Cuts one line, `larghezza` its width in pixels at each point; free ends
// taper to a point.
void Incidi(QPainter &p, const Linea &l, const std::function<double(QPointF)> &larghezza)
{
    const std::size_t n = l.punti.size();
    const double lunga = (n - 1) * kCammino;
    std::vector<QPointF> sinistra, destra;
    for (std::size_t k = 0; k < n; ++k) {
        const double s = k * kCammino;
        double w = larghezza(l.punti[k]) / kIngrandimento / 2;
        if (l.liberoInizio)
            w *= std::sqrt(std::min(1.0, s / kPunta));
        if (l.liberoFine)
            w *= std::sqrt(std::min(1.0, (lunga - s) / kPunta));
        QPointF t = l.punti[std::min(n - 1, k + 1)] - l.punti[k == 0 ? 0 : k - 1];
        t /= std::max(1e-9, std::hypot(t.x(), t.y()));
        const QPointF normale(-t.y() * w, t.x() * w);
        sinistra.push_back(l.punti[k] + normale);
        destra.push_back(l.punti[k] - normale);
    }
    QPainterPath forma(sinistra.front());
    for (std::size_t k = 1; k < n; ++k)
        forma.lineTo(sinistra[k]);
    for (std::size_t k = n; k-- > 0;)
        forma.lineTo(destra[k]);
    forma.closeSubpath();
    p.fillPath(forma, Qt::black);
}

} // namespace

void IncidiPelle(QPainter &p)
{
    struct Parte {
        Pezzo pezzo;
        QPointF primo; // where the first line starts
    };
    for (const Parte &parte :
         {Parte{Pezzo::Testa, {0, kOcchiY - 13}}, Parte{Pezzo::Collo, {0, 12}},
          Parte{Pezzo::Orecchio, {-kOrecchioX, kOcchiY + 6.5}}, Parte{Pezzo::Orecchio, {kOrecchioX, kOcchiY + 6.5}}}) {
        const Campo campo = [&](double x, double y) { return Direzione(parte.pezzo, x, y); };
        const Dove sulPezzo = [&](QPointF q) {
            const Campione c = Rilievo(q.x(), q.y());
            return c.zona == Zona::Pelle && c.pezzo == parte.pezzo &&
                (parte.pezzo != Pezzo::Orecchio || q.x() * parte.primo.x() > 0);
        };
        // The first set carries the tone: hairlines in the light, swelling to
        // most of the spacing in the shade; none over the eyes' whites.
        for (const Linea &l : Traccia(campo, sulPezzo, sulPezzo, parte.primo))
            Incidi(p, l, [](QPointF q) {
                const double t = TonoPelle(q);
                return t < 0.05 ? 0.0 : kPassoPx * std::min(0.72, 0.04 + 0.9 * std::pow(t, 1.2));
            });
        // The second crosses it at 40 degrees, only in the deep shade.
        const Campo croce = [&](double x, double y) { return Direzione(parte.pezzo, x, y) + 0.7; };
        const Dove ombra = [&](QPointF q) { return sulPezzo(q) && TonoPelle(q) > 0.38; };
        const Dove ombraFonda = [&](QPointF q) { return sulPezzo(q) && TonoPelle(q) > 0.48; };
        for (const Linea &l : Traccia(croce, ombra, ombraFonda, parte.primo))
            Incidi(p, l, [](QPointF q) { return kPassoPx * std::clamp((TonoPelle(q) - 0.4) * 1.2, 0.0, 0.42); });
    }
}

} // namespace titolo
