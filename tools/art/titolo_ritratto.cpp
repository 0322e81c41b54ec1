#include "titolo_ritratto.h"

#include "titolo_lastra.h"
#include "titolo_misure.h"
#include "titolo_naso_bocca.h"
#include "titolo_pelle.h"
#include "titolo_segni.h"
#include "titolo_volto.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace titolo {

namespace {

// The paper of the engraving: a warm white, so that the portrait is printed
// in the same key as the brown and gold sheet round it (its ink is
// kInchiostro); the oval's dark rims are cut in the same ink, so no cool
// grey line rings the paper.
const QColor kCarta(245, 237, 220);

// How much of a pixel's ink is taken as none, and as much short of full
// taken as full, so the lines keep hard edges.
constexpr double kNitido = 0.1;
// The same for the frame's rules round the oval, cut harder still: they
// lie on the dark ground, where any grey fringe reads as a blur.
constexpr double kNitidoCornice = 0.25;

// The oval's ground: an upright line every this many pixels.
constexpr double kPassoFondo = 3;
// The oval's fine inner rule, this many pixels inside its edge, and the
// clean paper the ground's lines leave inside it, so the rule reads as a
// line of its own instead of the last of the ground's.
constexpr double kFiloInterno = 2.8;
constexpr double kMargineFondo = 2.2;

// How far the ground's lines stop short of the head's outline, in the
// sitter's units: a band of clean paper round it, so the lit side has an
// edge against the ruling and the head stands off it.
constexpr double kAlone = 1.8;
constexpr double kAloneSpalle = 1.0;   // over the shoulders
constexpr double kAloneCapelli = 1.15; // over the crown, in shares of the hair's oval

struct Fasi {
    double primo, secondo; // whole numbers on the axes of the two families of lines
    double passo;          // their spacing in pixels
};

// The lines of each zone. They bow round the form: on the head and neck
// they are sections of the relief seen from a little above, on the coat
// they run down the cloth and along the lapels.
Fasi Linee(Zona zona, double x, double y, const Campione &c)
{
    const double hs = c.hs;
    // Spacings in pixels: wide enough that every line stands clear of its
    // neighbours at the picture's own size.
    constexpr double volto = 3.0, abito = 3.0;
    switch (zona) {
    case Zona::Fondo: // ruled upright in Inchiostro, so it crosses the skin's lines rather than running on into them
    case Zona::Pelle: // ruled in titolo_pelle.cpp
        break;
    case Zona::Capelli:
        return {y / volto, x / volto, volto};
    case Zona::Giacca: {
        // Down the cloth, leaning well outwards as the shoulders fall, so the coat
        // does not lie along the upright ground and stands off it; crossed in
        // its deepest shade by lines parallel to the shoulders.
        const double spalla = Spalla(x) - 19.5;
        return {(x - 0.6 * y * (x < 0 ? -1 : 1)) / abito, (y - spalla - 0.25 * hs) / abito, abito};
    }
    case Zona::Bavero: // along the lapels, parallel to their edge, so they part from the coat's diagonals
        return {(std::abs(x) + 0.3 * y) / abito, (y + 0.55 * std::abs(x)) / abito, abito};
    case Zona::Camicia: { // the collar's points ruled along their length
        const double yb = y - kColloY;
        if (yb >= 20 && yb < 28.5 && std::abs(x) > 2.6 + (yb - 20) * 0.3)
            return {(std::abs(x) + 0.55 * yb) / volto, y / volto, volto};
        if (yb >= 20) // the front across, bowing a little with the chest
            return {(y + 0.03 * x * x) / volto, x / volto, volto};
        return {(y - 0.3 * hs) / volto, x / volto, volto}; // the standing collar round the neck
    }
    case Zona::Cravatta: {
        // The knot ruled across, bowing round its swell and falling towards
        // the shaded side, so it reads as a knot standing over the blade and
        // not as the stripes running on up to the collar.
        if (y - kColloY < 29.5)
            return {(y + 0.12 * x * x - 0.35 * x) / 3.0, x / 3.0, 3.0};
        // The blade at 45 degrees through the pixels' centres, four pixels apart along
        // the rows, so the diagonal steps evenly and the lines stand clear of
        // one another instead of printing as a checker of dots; ruled across
        // the ground's upright lines, so the tie stands off them.
        const QPointF q = SullaLastra({x, y});
        return {(q.x() + q.y()) / 4.0 / kIngrandimento, (x - y) * 0.7071 / 2.0, 4.0 / std::sqrt(2.0)};
    }
    case Zona::Panciotto:
        // Across the chest, bowing a little with it, so the waistcoat reads
        // as one piece of cloth under the tie and not as a herringbone seam.
        return {(y + 0.025 * x * x) / 3.0, x / 3.0, 3.0};
    }
    return {0, 0, 2};
}

// Whether a sample lies on the coat.
bool Giacca(const Campione &v) { return v.zona == Zona::Giacca; }

// Whether the sitter at any of the four points `r` units left, right, above
// and below (x, y) is as `cerca` asks.
template <typename Cerca> bool Intorno(double x, double y, double r, Cerca cerca)
{
    for (const auto &[dx, dy] : {std::pair{r, 0.0}, std::pair{-r, 0.0}, std::pair{0.0, r}, std::pair{0.0, -r}})
        if (cerca(Rilievo(x + dx, y + dy)))
            return true;
    return false;
}

// Whether the figure's outline runs through (x, y): against the ground, or
// where one part passes in front of another (the jaw over the neck, the
// collar over the coat). The hair draws its own edge.
bool Contorno(const Campione &c, double x, double y)
{
    constexpr double r = 0.22;
    // The top of both ears is left open, so the ears run into the hair
    // rather than sit in a drawn ring.
    const double orecchio = y - kOrecchioY;
    if (std::abs(x) > kOrecchioX - 1 && orecchio < -7)
        return false;
    // Against the ground the face's outline is cut on its shaded side and
    // fades out towards its lit one, where the flesh is not wired round:
    // there the cheek's edge is where the skin's lines stop and the ground's
    // dark lines begin. The coat's shoulders and the collar are cut heavier,
    // so the bust stands off the ruled ground, and the ears, or they
    // dissolve into the upright ruling beside them.
    if (c.pezzo == Pezzo::Testa || c.pezzo == Pezzo::Orecchio || c.zona == Zona::Giacca || c.zona == Zona::Camicia) {
        const double viso = c.zona == Zona::Giacca ? 0.6 : c.pezzo == Pezzo::Testa ? 0.85 * Passaggio(-14, 6, x) : 0.55;
        if (Intorno(x, y, viso, [](const Campione &v) { return v.zona == Zona::Fondo; }))
            return true;
    }
    if (c.zona == Zona::Capelli)
        return false;
    // Nor is the fine cut below laid round the head on its lit side: it read
    // there as a pen line wiring the cheek in.
    const bool luce = c.pezzo == Pezzo::Testa && x < -6;
    return Intorno(x, y, r, [&c, luce](const Campione &v) {
        return v.zona != Zona::Capelli &&
            ((v.zona == Zona::Fondo && !luce) || (v.zona != c.zona && v.zona != Zona::Fondo && v.h < c.h - 1.5) ||
             (v.h < c.h - 3.5 && !(luce && v.zona == Zona::Fondo)));
    });
}

double Inchiostro(double x, double y)
{
    const Campione c = Rilievo(x, y);
    // The hair is engraved strand by strand afterwards, on clean paper.
    if (c.zona == Zona::Capelli)
        return 0;
    if (c.zona != Zona::Fondo && Contorno(c, x, y))
        return 1;
    // The ground's lines stop short of the head, the hair and the neck, so
    // the head is cut against paper, a vignette's halo, and the ruling does
    // not run into it where both are ruled nearly the same way. Over the
    // shoulders they stop short too, but only by a thread of paper, which
    // holds the shoulder's line without cutting the bust out.
    if (c.zona == Zona::Fondo &&
        (Intorno(x, y, kAlone, [](const Campione &v) { return v.zona == Zona::Pelle || v.zona == Zona::Capelli; }) ||
         Intorno(x, y, kAloneSpalle, Giacca)))
        return 0;
    // Over the crown the hair's strands swell past its oval; the halo is
    // measured from the fullest of them, or the ruling runs into the hair
    // and the top of the head goes soft.
    if (c.zona == Zona::Fondo && y < kOcchiY &&
        std::hypot((x - 0.5) / kCapelliA, (y - kCapelliY) / kCapelliB) < kAloneCapelli)
        return 0;
    // The lapel's outer edge catches the light: a thread of paper along it
    // draws the coat's V against the cloth.
    if (c.zona == Zona::Bavero && Rilievo(x + (x < 0 ? -0.7 : 0.7), y).zona != Zona::Bavero)
        return 0;
    // Beyond that thread the lapel's edge is cut on the coat, so the V
    // stands clear of the cloth on either side.
    if (c.zona == Zona::Giacca && Rilievo(x + (x < 0 ? 0.75 : -0.75), y).zona == Zona::Bavero)
        return 1;
    double t = Tono(c, x, y);
    if (c.zona == Zona::Camicia && y - kColloY >= 20 && t < (y - kColloY < 28.5 ? 0.2 : 0.1))
        return 0; // the shirt front's brightest lights stay clean paper
    const double rx = x * kIngrandimento / kMedaglioneRx, ry = (y + kAbbassa) * kIngrandimento / kMedaglioneRy;
    if (c.zona == Zona::Fondo) { // the ground deepens towards the oval's rim
        t += 0.16 * (rx * rx + ry * ry);
        // Over the shoulders its lines thin as they come down to the coat, so
        // the shoulder stands off them without a band of paper round it.
        if (Intorno(x, y, 1.5, Giacca))
            t *= 0.45;
        else if (Intorno(x, y, 3.0, Giacca))
            t *= 0.7;
    } else if (c.zona != Zona::Pelle && c.zona != Zona::Capelli && ry > 0)
        // The bust fades towards the foot of the oval, its lines thinning into
        // the ground's, rather than being cut off by the rim.
        t = t + (0.5 - t) * 0.6 * Passaggio(0.8, 0.98, std::hypot(rx, ry));
    if (c.zona == Zona::Pelle)
        return InchiostroPelle(c, x, y, t);
    if (c.zona == Zona::Fondo) {
        const double bordo = kFiloInterno + kMargineFondo;
        if (std::hypot(x * kIngrandimento / (kMedaglioneRx - bordo),
                       (y + kAbbassa) * kIngrandimento / (kMedaglioneRy - bordo)) > 1)
            return 0;
        // Each upright line is a whole column of pixels, every third one, in
        // full ink: a column of graded ink reads as a grey ghost of a line.
        // Towards the rim it darkens by swelling into the next column on its
        // right, so the vignette deepens by the lines' width; where the tone
        // falls too low for a line it fades out over a short run, so the
        // glow round the head is clear paper with the lines ending into it.
        const double px = SullaLastra({x, y}).x();
        const int colonna = int(std::floor(px)) % int(kPassoFondo);
        const double tono = kPassoFondo * std::min(0.66, 1.1 * std::pow(t, 1.3));
        const double inchiostro = colonna == 0 ? std::clamp((tono - 0.38) / 0.38, 0.0, 1.0)
            : colonna == 1                     ? std::clamp(tono - 1, 0.0, 1.0)
                                               : 0.0;
        return inchiostro > 0 ? kNitido + (1 - 2 * kNitido) * inchiostro : 0;
    }
    constexpr double e = 0.25;
    // The lines keep their spacing in pixels however large the sitter is drawn.
    const auto linee = [&](double px, double py, const Campione &v) {
        const Fasi f = Linee(c.zona, px, py, v);
        return Fasi{f.primo * kIngrandimento, f.secondo * kIngrandimento, f.passo};
    };
    const Fasi f = linee(x, y, c);
    // Each step is taken on both sides and the gentler kept: where a
    // sample's neighbour lies on another part, ruled another way, the jump
    // between them is no slope, and taken as one it would thin the lines
    // to a grey seam along the join.
    const Fasi fx = linee(x + e, y, Rilievo(x + e, y)), bx = linee(x - e, y, Rilievo(x - e, y));
    const Fasi fy = linee(x, y + e, Rilievo(x, y + e)), by = linee(x, y - e, Rilievo(x, y - e));
    const auto passo = [](double avanti, double qui, double indietro) {
        return std::abs(avanti - qui) < std::abs(qui - indietro) ? avanti - qui : qui - indietro;
    };
    const double g1 =
        std::max(0.05, std::hypot(passo(fx.primo, f.primo, bx.primo), passo(fy.primo, f.primo, by.primo)) / e);
    const double g2 = std::max(
        0.05, std::hypot(passo(fx.secondo, f.secondo, bx.secondo), passo(fy.secondo, f.secondo, by.secondo)) / e);
    // One family carries the tone up to the middle greys; the crossing one
    // deepens the shade beyond them.
    double a = Tratto(f.primo, g1, std::min(0.8, 1.1 * std::pow(t, 1.3)));
    // The coat, the cravat and the waistcoat are never crossed: the coat's
    // one ruling swells into its shade instead, as crossed at the picture's
    // size it beat into a moire of diamonds, and the others weave into a
    // basket.
    const double croce = c.zona == Zona::Giacca || c.zona == Zona::Cravatta || c.zona == Zona::Panciotto ? 2 : 0.6;
    if (t > croce)
        a = std::max(a, Tratto(f.secondo, g2, std::min(0.6, (t - croce) * 1.6)));
    return a;
}

// Averages kScala x kScala samples into each pixel, with the plate's own cuts.
QImage Riduci(const std::vector<float> &inchiostro, const Lastra &lastra, int larghezza, int altezza)
{
    QImage img(larghezza, altezza, QImage::Format_RGB32);
    const int lg = larghezza * kScala;
    for (int py = 0; py < altezza; ++py) {
        for (int px = 0; px < larghezza; ++px) {
            double somma = 0;
            for (int sy = 0; sy < kScala; ++sy)
                for (int sx = 0; sx < kScala; ++sx)
                    somma += inchiostro[std::size_t((py * kScala + sy) * lg + px * kScala + sx)];
            // Cut, not painted: a pixel a line barely grazes is left paper
            // and one it mostly covers is full ink, so the lines stay crisp
            // when the picture is enlarged instead of fading into grey.
            const double tagli = std::clamp((somma / (kScala * kScala) - kNitido) / (1 - 2 * kNitido), 0.0, 1.0);
            // The marks cut straight on the plate's pixels are laid over them.
            const double a = lastra.Risparmiato(px, py) ? 0 : 1 - (1 - tagli) * (1 - lastra.Inchiostro(px, py));
            const auto mescola = [a](int carta, int inchiostro) {
                return int(std::lround(carta - (carta - inchiostro) * a));
            };
            img.setPixel(px, py,
                         qRgb(mescola(kCarta.red(), kInchiostro.red()), mescola(kCarta.green(), kInchiostro.green()),
                              mescola(kCarta.blue(), kInchiostro.blue())));
        }
    }
    return img;
}

} // namespace

QImage Incisione()
{
    const int larghezza = int(2 * kMedaglioneRx), altezza = int(2 * kMedaglioneRy);
    const int lg = larghezza * kScala, ag = altezza * kScala;
    // The lined tones, sample by sample.
    QImage grande(lg, ag, QImage::Format_RGB32);
    for (int sy = 0; sy < ag; ++sy) {
        for (int sx = 0; sx < lg; ++sx) {
            const QPointF q = DallaLastra({(sx + 0.5) / kScala, (sy + 0.5) / kScala});
            const int g = int(std::lround(255 * (1 - Inchiostro(q.x(), q.y()))));
            grande.setPixel(sx, sy, qRgb(g, g, g));
        }
    }
    Lastra lastra(larghezza, altezza);
    // The drawn marks over them.
    {
        QPainter p(&grande);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScala, kScala);
        p.translate(kMedaglioneRx, kMedaglioneRy);
        p.scale(kIngrandimento, kIngrandimento);
        p.translate(0, kAbbassa);
        DisegnaCapelli(p, lastra);
        DisegnaLineamenti(p);
    }
    // For whoever tunes the lines: the engraving before it is averaged down.
    if (qEnvironmentVariableIsSet("BELVANE_TITOLO_INCISIONE"))
        grande.save(qEnvironmentVariable("BELVANE_TITOLO_INCISIONE"));
    std::vector<float> inchiostro(std::size_t(lg) * ag);
    for (int sy = 0; sy < ag; ++sy)
        for (int sx = 0; sx < lg; ++sx)
            inchiostro[std::size_t(sy * lg + sx)] = float(1 - qGray(grande.pixel(sx, sy)) / 255.0);
    for (int py = 0; py < altezza; ++py)
        for (int px = 0; px < larghezza; ++px)
            lastra.Inchiostra(px, py, InchiostroPelleRighe(QPointF(px + 0.5, py + 0.5)));
    IncidiOcchi(lastra);
    IncidiNaso(lastra);
    IncidiBocca(lastra);
    IncidiBottoni(lastra);
    return Riduci(inchiostro, lastra, larghezza, altezza);
}

void DisegnaMedaglione(QPainter &p)
{
    const QImage incisione = Incisione();
    QPainterPath ovale;
    ovale.addEllipse(kMedaglione, kMedaglioneRx, kMedaglioneRy);
    p.save();
    p.setClipPath(ovale);
    p.drawImage(QPointF(kMedaglione.x() - kMedaglioneRx, kMedaglione.y() - kMedaglioneRy), incisione);
    p.restore();
    // The border: a firm cut at the oval's edge and a fine one inside it,
    // with clean paper between them.
    QPainterPath fascia = ovale;
    fascia.addEllipse(kMedaglione, kMedaglioneRx - kFiloInterno, kMedaglioneRy - kFiloInterno);
    p.fillPath(fascia, kCarta);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInchiostro, 1.6));
    p.drawEllipse(kMedaglione, kMedaglioneRx - 0.4, kMedaglioneRy - 0.4);
    p.setPen(QPen(kInchiostro, 0.7));
    p.drawEllipse(kMedaglione, kMedaglioneRx - kFiloInterno, kMedaglioneRy - kFiloInterno);
    // Outside it, a heavy and a fine rule in the frame's ink on a plain dark
    // margin. Antialiased, an oval's rule is a grey smear a pixel wide on
    // either side; its coverage is steepened, so each rule prints as a line
    // with an edge, as a cut one does.
    QImage cornice(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    cornice.fill(Qt::transparent);
    {
        QPainter c(&cornice);
        c.setRenderHint(QPainter::Antialiasing);
        c.setBrush(Qt::NoBrush);
        c.setPen(QPen(Qt::white, kCorniceGrossaSpessore));
        c.drawEllipse(kMedaglione, kMedaglioneRx + kCorniceGrossa, kMedaglioneRy + kCorniceGrossa);
        c.setPen(QPen(Qt::white, kCorniceFineSpessore));
        c.drawEllipse(kMedaglione, kMedaglioneRx + kCorniceFine, kMedaglioneRy + kCorniceFine);
    }
    for (int y = 0; y < cornice.height(); ++y) {
        QRgb *riga = reinterpret_cast<QRgb *>(cornice.scanLine(y));
        for (int x = 0; x < cornice.width(); ++x) {
            const double a =
                std::clamp((qAlpha(riga[x]) / 255.0 - kNitidoCornice) / (1 - 2 * kNitidoCornice), 0.0, 1.0);
            const auto su = [a](int v) { return int(std::lround(v * a)); };
            riga[x] = qRgba(su(kFiletto.red()), su(kFiletto.green()), su(kFiletto.blue()), su(255));
        }
    }
    p.drawImage(0, 0, cornice);
}

} // namespace titolo
