#include "titolo_testa.h"

#include "titolo_misure.h"
#include "titolo_volto.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace titolo {

namespace {

struct V {
    double x, y, z;
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V operator-(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V operator*(V a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double Punto(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Lungo(V a) { return std::sqrt(Punto(a, a)); }
V Unito(V a) { return a * (1 / Lungo(a)); }

// The head turns this far towards the light (to the picture's left), so the
// face is not set square to the viewer like a passport's.
const double kGiro = -14 * M_PI / 180;
const double kCos = std::cos(kGiro), kSin = std::sin(kGiro);
V NelQuadro(V p) { return {kCos * p.x + kSin * p.z, p.y, -kSin * p.x + kCos * p.z}; }
V NellaTesta(V p) { return {kCos * p.x - kSin * p.z, p.y, kSin * p.x + kCos * p.z}; }

// From the upper left and in front: the face's far side and the nose's
// flank turned from it take the shade.
const V kLuce = Unito({-0.22, -0.38, 0.9});

// An ellipsoid's distance, nearly true near its surface (which is all
// the tracing below asks of it).
double Ellissoide(V p, V c, V r)
{
    const V q = p - c;
    const double k0 = Lungo({q.x / r.x, q.y / r.y, q.z / r.z});
    const double k1 = Lungo({q.x / (r.x * r.x), q.y / (r.y * r.y), q.z / (r.z * r.z)});
    if (k1 < 1e-9)
        return -std::min({r.x, r.y, r.z});
    return k0 * (k0 - 1) / k1;
}
// The same turned about the x axis by `a` (its top tipped back).
double EllissoideInclinato(V p, V c, V r, double a)
{
    const V q = p - c;
    const V u{q.x, std::cos(a) * q.y - std::sin(a) * q.z, std::sin(a) * q.y + std::cos(a) * q.z};
    return Ellissoide(u, {0, 0, 0}, r);
}

// Blends of two solids, joined (or carved) over a fillet of about k units.
double Unisci(double a, double b, double k)
{
    const double h = std::max(k - std::abs(a - b), 0.0) / k;
    return std::min(a, b) - h * h * k * 0.25;
}
double Togli(double a, double b, double k) { return -Unisci(-a, b, k); }

struct Campo {
    double testa, orecchio, collo, massa;
    double Tutto() const { return Unisci(Unisci(testa, orecchio, 1.5), collo, 3); }
};

// The head in its own frame: skull, face and jaw as three masses, then the
// cheekbones, brows, eyes, nose, lips and chin; the ears and the neck apart,
// so each can be told from the head.
Campo Forma(V p)
{
    const V s{std::abs(p.x), p.y, p.z};
    const double cranio = Ellissoide(p, {0, -40, -3}, {24.5, 28, 26.5});
    const double viso = Ellissoide(p, {0, -22, 2}, {21.5, 22, 21});
    const double mascella = Ellissoide(p, {0, -3, 2}, {16.2, 15, 17.5});
    const double mento = Ellissoide(p, {0, 8.3, 11.5}, {7, 5.3, 6});
    // The jaw's angles below the ears, so the face narrows to the chin in a
    // line that turns, not a straight side.
    const double angoli = Ellissoide(s, {11.8, -0.5, 1}, {4, 6, 9});
    const double massa = Unisci(Unisci(Unisci(Unisci(cranio, viso, 6), mascella, 8), angoli, 5), mento, 4);
    double d = Unisci(massa, Ellissoide(s, {14.5, -21, 9.5}, {6.5, 4.5, 7.5}), 4); // cheekbones
    d = Unisci(d, Ellissoide(s, {11, -9, 9}, {7, 8, 8}), 6);                       // the cheeks' fullness
    d = Unisci(d, Ellissoide(s, {9.5, -32, 15.5}, {8, 3, 5}), 3);                  // brows
    d = Togli(d, Ellissoide(s, {kOcchiX, -27.5, 21.5}, {6.2, 4.3, 5.5}), 3);       // sockets
    d = Unisci(d, Ellissoide(s, {kOcchiX, kOcchiY, 13.6}, {5, 5, 5}), 1);          // eyeballs
    double naso = EllissoideInclinato(p, {0, -19.8, 21.8}, {2.2, 9.6, 2.5}, 0.42);
    naso = Unisci(naso, Ellissoide(p, {0, -13.2, 23.2}, {2.3, 2.1, 2.4}), 4);   // tip
    naso = Unisci(naso, Ellissoide(s, {3.1, -11.9, 19.6}, {2.1, 1.9, 2.4}), 2); // wings
    d = Unisci(d, naso, 1.5);
    d = Unisci(d, Ellissoide(p, {0, -4.6, 17.6}, {5.5, 1.7, 2.8}), 1.5); // upper lip
    d = Unisci(d, Ellissoide(p, {0, -0.9, 17.0}, {4.8, 1.7, 2.8}), 1.2); // lower lip
    d = Togli(d, Ellissoide(p, {0, kBoccaY - 0.4, 21.5}, {7, 0.35, 3}), 0.6);
    return {d, Ellissoide(s, {22.8, -23, -3}, {2.8, 8.5, 5.5}), Ellissoide(p, {0, 19, -3.5}, {11.5, 26, 12.5}), massa};
}

double Distanza(V p) { return Forma(p).Tutto(); }

// Tracing a ray down towards the picture from in front of everything.
bool Traccia(V da, V verso, V &dove)
{
    double t = 0;
    for (int k = 0; k < 160 && t < 120; ++k) {
        const double d = Distanza(da + verso * t);
        if (d < 0.005) {
            dove = da + verso * t;
            return true;
        }
        t += 0.8 * d;
    }
    return false;
}

V Normale(V p)
{
    constexpr double e = 0.05;
    return Unito({Distanza(p + V{e, 0, 0}) - Distanza(p - V{e, 0, 0}),
                  Distanza(p + V{0, e, 0}) - Distanza(p - V{0, e, 0}),
                  Distanza(p + V{0, 0, e}) - Distanza(p - V{0, 0, e})});
}

// How much of the light reaches p past the head's own forms: the nose's,
// the brows' and the chin's shadows, soft-edged.
double Luce(V p, V luce)
{
    double chiaro = 1, t = 0.3;
    for (int k = 0; k < 48 && t < 40; ++k) {
        const double d = Distanza(p + luce * t);
        chiaro = std::min(chiaro, 6 * d / t);
        if (chiaro < 0.001)
            return 0;
        t += std::clamp(d, 0.15, 2.0);
    }
    return std::clamp(chiaro, 0.0, 1.0);
}

// How open p is to the room: low in the sockets, the nostrils and the
// corners of the mouth.
double Aperto(V p, V n)
{
    double chiuso = 0;
    for (int k = 1; k <= 5; ++k) {
        const double h = 0.8 * k;
        chiuso += (h - Distanza(p + n * h)) / std::pow(2.0, k);
    }
    return std::clamp(1 - 0.9 * chiuso, 0.0, 1.0);
}

// The level lines that cut the flesh: round the form as the skull's arch
// over the brow and as the jaw's under the eyes, so from the cheeks down
// they run with the outline into the chin, bent a little by every feature.
double Livello(V locale, Pezzo pezzo, double rilievo)
{
    if (pezzo == Pezzo::Orecchio)
        return locale.y;
    if (pezzo == Pezzo::Collo) { // round the neck, seen from a little above
        const double u = std::min(1.0, std::abs(locale.x) / 12.0);
        return locale.y + 6 * u * u;
    }
    const double u = std::min(1.0, std::abs(locale.x) / 21.0);
    // Over the brow the lines arch like the skull; from the eyes down they
    // bow the other way, ever harder, so down the cheeks they sweep with the
    // jaw into the chin.
    const double arco = 0.5 - 1.6 * Passaggio(kOcchiY - 4, kBoccaY + 2, locale.y);
    return locale.y + arco * 16 * (1 - u * u) - 0.25 * rilievo;
}

constexpr double kX0 = -34, kY0 = -72, kPassoTabella = 0.2;
constexpr int kNx = 341, kNy = 581;

struct Cella {
    signed char pezzo = -1;
    float z = 0, tono = 0, fase = 0;
};

Cella Calcola(double x, double y)
{
    Cella c;
    V dove;
    if (!Traccia(NellaTesta({x, y, 60}), NellaTesta({0, 0, -1}), dove))
        return c;
    const Campo f = Forma(dove);
    const Pezzo pezzo = f.collo < std::min(f.testa, f.orecchio) - 0.3 ? Pezzo::Collo
        : f.orecchio < f.testa - 0.1                                  ? Pezzo::Orecchio
                                                                      : Pezzo::Testa;
    const V n = Normale(dove);
    const V luce = NellaTesta(kLuce);
    const double diretta = std::max(0.0, Punto(n, luce)) * Luce(dove, luce);
    const double aperto = Aperto(dove, n);
    const double chiaro = diretta * (0.6 + 0.4 * aperto);
    double tono = 0.75 * (1 - Passaggio(0.25, 0.8, chiaro)) + 0.15 * (1 - aperto);
    // The neck stands in the head's shade, deepest right under the jaw, so
    // the jaw turns under and the head stands forward of the neck.
    if (pezzo == Pezzo::Collo)
        tono = std::min(1.0, tono + 0.15 + 0.5 * std::exp(-std::max(0.0, f.testa) / 2.5));
    // Light thrown back into the shade from the room lightens its last turn
    // before the outline, so the shade lies on the cheek, not round it.
    tono *= 1 - 0.35 * (1 - Passaggio(0.05, 0.4, NelQuadro(n).z)) * (1 - Passaggio(0.0, 0.3, diretta));
    // The lines stop short of the eyes, which are cut on their own, so the
    // lids and the iris stand clear on the shaded side too.
    const double occhio = std::hypot((std::abs(dove.x) - kOcchiX) / 6.6, (dove.y - kOcchiY - 0.3) / 3.6);
    tono *= Passaggio(0.85, 1.25, occhio);
    c.pezzo = static_cast<signed char>(pezzo);
    c.z = float(NelQuadro(dove).z);
    c.tono = float(tono);
    c.fase = float(Livello(dove, pezzo, f.testa < 0.5 ? f.massa - f.testa : 0));
    return c;
}

const std::vector<Cella> &Tabella()
{
    static const std::vector<Cella> tabella = [] {
        std::vector<Cella> t(std::size_t(kNx) * kNy);
        for (int j = 0; j < kNy; ++j)
            for (int i = 0; i < kNx; ++i)
                t[std::size_t(j) * kNx + i] = Calcola(kX0 + i * kPassoTabella, kY0 + j * kPassoTabella);
        // The levels smoothed over about a unit within each body, so the
        // lines swing round the small forms (the nose's wings, the lips)
        // instead of kinking there and breaking in two.
        constexpr int r = 4;
        std::vector<float> liscia(t.size());
        for (int j = 0; j < kNy; ++j)
            for (int i = 0; i < kNx; ++i) {
                const Cella &c = t[std::size_t(j) * kNx + i];
                double somma = 0, peso = 0;
                for (int dj = -r; dj <= r && c.pezzo >= 0; ++dj)
                    for (int di = -r; di <= r; ++di) {
                        const int u = i + di, v = j + dj;
                        if (u < 0 || v < 0 || u >= kNx || v >= kNy)
                            continue;
                        const Cella &k = t[std::size_t(v) * kNx + u];
                        if (k.pezzo == c.pezzo)
                            somma += k.fase, peso += 1;
                    }
                liscia[std::size_t(j) * kNx + i] = peso > 0 ? float(somma / peso) : c.fase;
            }
        for (std::size_t k = 0; k < t.size(); ++k)
            t[k].fase = liscia[k];
        return t;
    }();
    return tabella;
}

const Cella &In(int i, int j)
{
    static const Cella vuota;
    if (i < 0 || j < 0 || i >= kNx || j >= kNy)
        return vuota;
    return Tabella()[std::size_t(j) * kNx + i];
}

} // namespace

Superficie SuperficieTesta(double x, double y)
{
    const double u = (x - kX0) / kPassoTabella, v = (y - kY0) / kPassoTabella;
    const int i = int(std::floor(u)), j = int(std::floor(v));
    const double a = u - i, b = v - j;
    const Cella &vicina = In(int(std::lround(u)), int(std::lround(v)));
    Superficie s;
    if (vicina.pezzo < 0)
        return s;
    s.colpita = true;
    s.pezzo = static_cast<Pezzo>(vicina.pezzo);
    const Cella *c[4] = {&In(i, j), &In(i + 1, j), &In(i, j + 1), &In(i + 1, j + 1)};
    bool liscia = true;
    for (const Cella *k : c)
        liscia = liscia && k->pezzo == vicina.pezzo;
    if (!liscia) {
        s.z = vicina.z, s.tono = vicina.tono, s.fase = vicina.fase;
        return s;
    }
    const auto mescola = [&](float Cella::*campo) {
        return (1 - b) * ((1 - a) * c[0]->*campo + a * c[1]->*campo) + b * ((1 - a) * c[2]->*campo + a * c[3]->*campo);
    };
    s.z = mescola(&Cella::z), s.tono = mescola(&Cella::tono), s.fase = mescola(&Cella::fase);
    return s;
}

double InchiostroTesta(double x, double y)
{
    // The lines lie this many pixels apart where they run level: open
    // enough that each stands clear at the picture's size.
    constexpr double kPassoPixel = 3.0;
    constexpr double passo = kPassoPixel / kIngrandimento;
    const Superficie s = SuperficieTesta(x, y);
    if (!s.colpita)
        return 0;
    // How fast the level runs, from the neighbours on the same body: at an
    // outline from the one side left, so the lines keep their width to
    // the edge instead of fraying there.
    const auto pendenza = [&](double dx, double dy) {
        constexpr double e = 0.3;
        const Superficie avanti = SuperficieTesta(x + e * dx, y + e * dy);
        const Superficie dietro = SuperficieTesta(x - e * dx, y - e * dy);
        const bool a = avanti.colpita && avanti.pezzo == s.pezzo, d = dietro.colpita && dietro.pezzo == s.pezzo;
        if (a && d)
            return (avanti.fase - dietro.fase) / (2 * e);
        if (a || d)
            return a ? (avanti.fase - s.fase) / e : (s.fase - dietro.fase) / e;
        return dy;
    };
    const double gx = pendenza(1, 0), gy = pendenza(0, 1);
    const double g = std::max(0.3, std::hypot(gx, gy));
    const double fase = s.fase / passo;
    // Pixels to the nearest line's middle, and between lines, here.
    const double intervallo = passo / g * kIngrandimento;
    const double distanza = std::abs(fase - std::round(fase)) * intervallo;
    // Each line swells with the shade it crosses and thins to nothing in
    // the light, as a burin's line does.
    // Where the form crowds them closer than a burin could cut apart at
    // this size (into the sockets, round the turn of the jaw) they fade
    // out rather than close into a grey.
    const double quota = std::min(0.8, 0.95 * std::pow(s.tono, 1.5)) * Passaggio(2.45, 2.8, intervallo);
    const double larghezza = quota * intervallo;
    return std::clamp((larghezza / 2 - distanza) * kScala + 0.5, 0.0, 1.0) * std::min(1.0, larghezza * kScala);
}

QPointF Proietta(double x, double y, double sopra)
{
    V dove;
    if (!Traccia({x, y, 60}, {0, 0, -1}, dove))
        return {NelQuadro({x, y, 0}).x, y};
    const V q = NelQuadro(dove + Normale(dove) * sopra);
    return {q.x, q.y};
}

namespace {

// A line cut with the burin: it follows `asse` and swells and thins as
// `larghezza` says, t from 0 to 1; `sulViso`, its points are on the face
// seen square on, else in the picture.
void Taglio(QPainter &p, const std::function<QPointF(double)> &asse, const std::function<double(double)> &larghezza,
            int passi = 24, bool sulViso = true)
{
    std::vector<QPointF> via;
    for (int k = 0; k <= passi; ++k) {
        const QPointF a = asse(double(k) / passi);
        via.push_back(sulViso ? Proietta(a.x(), a.y(), 0.2) : a);
    }
    std::vector<QPointF> sinistra, destra;
    for (int k = 0; k <= passi; ++k) {
        const QPointF d = via[std::size_t(std::min(k + 1, passi))] - via[std::size_t(std::max(k - 1, 0))];
        QPointF n(-d.y(), d.x());
        const double l = std::hypot(n.x(), n.y());
        if (l > 0)
            n /= l;
        const double w = larghezza(double(k) / passi) / 2;
        sinistra.push_back(via[std::size_t(k)] + n * w);
        destra.push_back(via[std::size_t(k)] - n * w);
    }
    QPainterPath forma(sinistra.front());
    for (std::size_t k = 1; k < sinistra.size(); ++k)
        forma.lineTo(sinistra[k]);
    for (std::size_t k = destra.size(); k-- > 0;)
        forma.lineTo(destra[k]);
    forma.closeSubpath();
    p.fillPath(forma, Qt::black);
}

// Swells in the middle and comes to a point at both ends.
double Fuso(double t, double e = 0.6) { return std::pow(std::max(0.0, std::sin(M_PI * t)), e); }

} // namespace

void DisegnaTesta(QPainter &p)
{
    // How far the upper lid arches over the eye's middle, and the lower
    // lid bows under it: a calm eye, not a stare.
    constexpr double kAlzo = 1.65, kAbbasso = 1.25;
    for (double lato : {-1.0, 1.0}) {
        const bool ombra = lato > 0; // the side turned from the light
        const double cx = lato * kOcchiX;
        // The eye: the upper lid heavy over the iris, its line running past
        // the outer corner as the lashes do; the lower lid fine; the fold
        // above the lid; the iris a dark disc under the lid with the window's
        // light in it.
        const auto lid = [&](double u, double alzo) {
            return QPointF(cx + lato * 4.8 * u, kOcchiY - alzo * (1 - u * u) - 0.35 * u);
        };
        Taglio(
            p, [&](double t) { return lid(-1.0 + 2.1 * t, kAlzo); },
            [&](double t) { return (ombra ? 2.0 : 1.8) * Fuso(t, 0.5) * (0.5 + 0.5 * t); });
        Taglio(
            p, [&](double t) { return lid(-0.7 + 1.6 * t, -kAbbasso) + QPointF(0, 0.3); },
            [](double t) { return 0.5 * Fuso(t, 0.8) * (0.4 + 0.6 * t); });
        Taglio(
            p, [&](double t) { return lid(-0.5 + 1.4 * t, kAlzo) + QPointF(0, -1.9 + 0.7 * t); },
            [&](double t) { return (ombra ? 0.6 : 0.45) * Fuso(t, 0.7); });
        const QPointF iride = Proietta(cx + 0.5, kOcchiY - 0.5, 0.3);
        QPainterPath disco;
        disco.addEllipse(iride, 2.4, 2.4);
        QPainterPath occhio;
        occhio.moveTo(Proietta(lid(-1, 0).x(), lid(-1, 0).y()));
        for (int k = 0; k <= 16; ++k) {
            const QPointF q = lid(-1 + k / 8.0, kAlzo);
            occhio.lineTo(Proietta(q.x(), q.y()));
        }
        for (int k = 16; k >= 0; --k) {
            const QPointF q = lid(-1 + k / 8.0, -kAbbasso);
            occhio.lineTo(Proietta(q.x(), q.y()));
        }
        p.fillPath(disco.intersected(occhio), Qt::black);
        p.fillPath(
            [&] {
                QPainterPath luce;
                luce.addEllipse(iride + QPointF(-0.8, -0.5), 0.6, 0.6);
                return luce;
            }(),
            Qt::white);
        // The brow: short hairs rising from its inner end and lying along it
        // outwards, thickest over the middle of the eye.
        for (int k = 0; k < 40; ++k) {
            const double s = (k + 0.5) / 40;
            const double x0 = 3.2 + 13.5 * s;
            const double y0 = kOcchiY - 4.0 - 1.9 * std::sin(M_PI * std::min(1.0, s * 1.15)) + 1.2 * s * s +
                0.5 * std::sin(k * 2.3) * (1 - s);
            const double inclina = (1.2 - 1.3 * s);
            const double lungo = 2.2 - 0.6 * s;
            const double peso = (0.6 + 0.25 * std::sin(M_PI * s)) * (1 - 0.45 * s * s) * (ombra ? 1.1 : 1.0);
            Taglio(
                p, [&](double t) { return QPointF(lato * (x0 + lungo * t), y0 - inclina * lungo * t * 0.6); },
                [&](double t) { return peso * Fuso(t, 0.5); }, 8);
        }
    }
    // The nose: its shaded flank's edge down from the bridge to the wing,
    // the crease round the wing, the nostrils, and the underside of the tip.
    Taglio(
        p, [](double t) { return QPointF(2.2 + 0.7 * t, -21 + 7.5 * t); },
        [](double t) { return 1.1 * std::pow(t, 1.1) * std::min(1.0, 5 * (1 - t) + 0.2); });
    Taglio(
        p, [](double t) { return QPointF(3.5 + 1.0 * t, -18.5 + 5 * t); },
        [](double t) { return 0.7 * Fuso(t, 0.7) * (0.4 + 0.6 * t); });
    for (double lato : {-1.0, 1.0})
        Taglio(
            p,
            [lato](double t) {
                const double a = (-70 + 150 * t) * M_PI / 180;
                return QPointF(lato * (3.5 + 2.1 * std::cos(a)), -12.2 + 2.1 * std::sin(a));
            },
            [lato](double t) { return (lato > 0 ? 0.6 : 0.35) * Fuso(t, 0.6); });
    for (double lato : {-1.0, 1.0})
        Taglio(
            p, [lato](double t) { return QPointF(lato * (1.3 + 2.0 * t), -10.3 - 0.5 * t * t); },
            [lato](double t) { return (lato > 0 ? 0.6 : 0.4) * std::pow(1 - t, 0.7) * std::min(1.0, 4 * t + 0.3); });
    // The mouth: the parting, dipping under the bow of the upper lip and
    // lifting a little into the corners, a calm mouth; the shadow under the
    // lower lip, deeper on the side from the light.
    Taglio(
        p,
        [](double t) {
            const double x = 6.6 * (2 * t - 1);
            return QPointF(x, kBoccaY - 0.4 + 0.35 * std::exp(-x * x / 4) - 0.8 * std::pow(std::abs(x) / 6.6, 2.5));
        },
        [](double t) { return (0.95 + 0.2 * t) * Fuso(t, 0.4); }, 40);
    Taglio(
        p, [](double t) { return QPointF(-2.6 + 6.6 * t, kBoccaY + 4.0 + 0.4 * std::pow(2 * t - 1, 2)); },
        [](double t) { return (0.35 + 0.45 * t) * Fuso(t, 0.6); });
    // The outline, one line from temple to temple round the chin: firm on
    // the shaded side and under the jaw, fine on the lit one, so the flesh
    // ends on an edge and never runs out into the ground.
    {
        std::vector<QPointF> bordo;
        const QPointF centro = Proietta(0, -20);
        for (int k = 0; k <= 110; ++k) {
            const double a = (200 - 2.0 * k) * M_PI / 180;
            QPointF ultimo = centro;
            for (double r = 0; r < 45; r += 0.1) {
                const QPointF q = centro + QPointF(std::cos(a), std::sin(a)) * r;
                if (const Superficie s = SuperficieTesta(q.x(), q.y()); s.colpita && s.pezzo == Pezzo::Testa)
                    ultimo = q;
            }
            bordo.push_back(ultimo);
        }
        Taglio(
            p,
            [&](double t) {
                const double u = t * (bordo.size() - 1);
                const std::size_t i = std::min(bordo.size() - 2, std::size_t(u));
                return bordo[i] + (bordo[i + 1] - bordo[i]) * (u - i);
            },
            [](double t) { return (0.4 + 0.55 * Passaggio(0.3, 0.6, t)) * Fuso(t, 0.3); }, 220, false);
    }
    // The ears' rims and bowls.
    for (double lato : {-1.0, 1.0})
        Taglio(
            p,
            [lato](double t) {
                const double a = (-80 + 150 * t) * M_PI / 180;
                return QPointF(lato * (22.9 + 1.7 * std::cos(a)), -23.5 + 7.0 * std::sin(a));
            },
            [](double t) { return 0.6 * Fuso(t); });
}

} // namespace titolo
