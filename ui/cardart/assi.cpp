#include "assi.h"

#include "emblemi.h"
#include "emblemi_forme.h"
#include "pennelli.h"
#include "randello.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace belvane::cardart {
namespace {

// The eagle in sable: a dark brown in three tones, dark against the light
// field at the natural size, its lines light enough to show when large.
const Tinta kTintaAquila{QColor(0x94, 0x74, 0x56), QColor(0x48, 0x33, 0x25), QColor(0x2A, 0x1C, 0x14)};

// The eagle at the natural size, pixel by pixel: there the drawn eagle's
// feathers, necks and heads fall under a pixel each, and it read as a bat or
// a spider. Heads turned outwards on necks apart, the wings' light coverts
// over long feathers that stand apart at their tips, the body, the legs with
// red talons, the tail. The right half from the middle column outwards, one
// letter a pixel: o the shade, b the body, l the light, r red, . the field.
// clang-format off
constexpr const char *kAquilaDiPixel[] = {
    "...ooo.......",
    "..oolorr.....",
    "..oooo.r...oo",
    "..oo.....oooo",
    "..oo..ooooooo",
    ".oooooollllo.",
    "bbbbolllllooo",
    "bbbbollllo...",
    "bbbbolllooooo",
    "bbbbolooo....",
    "bbbbbooooooo.",
    "bbbbo........",
    "bbbbooo......",
    ".bbo.ooo.....",
    ".bbo..oor....",
    "obbo...rr....",
    "obbbo........",
    "bbbboo.......",
    "o.o.oo.......",
};
// clang-format on
// Its top row, in card units from the coin's centre. The ace's coin is
// centred on the middle of a pixel column and on the edge between two rows,
// so that each of these pixels falls on one pixel whole.
constexpr qreal kCimaAquilaDiPixel = -11;

// A closed shape through `punti` (one half of the eagle), with its mirror
// image across the vertical axis.
QPainterPath Specchiata(std::initializer_list<QPointF> punti)
{
    QPolygonF destra(punti);
    QPainterPath path;
    path.addPolygon(destra);
    path.closeSubpath();
    return Unione(path, QTransform::fromScale(-1, 1).map(path));
}

// One long feather from `radice` to `punta`, `largo` wide at the root and
// narrowing to a pointed tip.
QPainterPath Remige(QPointF radice, QPointF punta, qreal largo)
{
    const QPointF d = punta - radice;
    const qreal lungo = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / lungo, d.x() / lungo); // across the feather
    const qreal fine = largo * 0.26;
    QPainterPath penna;
    penna.moveTo(radice + n * largo / 2);
    penna.lineTo(punta + n * fine);
    penna.quadTo(punta + d / lungo * fine * 2.2, punta + d / lungo * fine * 3);
    penna.quadTo(punta + d / lungo * fine * 2.2 - n * fine * 0.8, punta - n * fine);
    penna.lineTo(radice - n * largo / 2);
    penna.closeSubpath();
    return penna;
}

// The double-headed eagle, uncrowned, displayed: wings spread with their
// long feathers fanned apart, two heads on curved necks looking outwards
// with open beaks, the tail fanned, the legs apart; drawn in a circle of
// radius `r` round the origin, the right half mirrored.
void Aquila(QPainter &p, qreal r)
{
    const auto P = [r](qreal x, qreal y) { return QPointF(x * r, y * r); };
    // The wing's fore edge, from the shoulder to the wrist, and the long
    // feathers hanging from it, each apart from the next at the tip so that
    // the gold shows between them at the natural size.
    QPainterPath ala = Specchiata({P(0.1, -0.24), P(0.3, -0.34), P(0.52, -0.42), P(0.72, -0.48), P(0.84, -0.44),
                                   P(0.7, -0.3), P(0.3, 0.0), P(0.12, 0.06)});
    struct Remigante {
        qreal rx, ry, px, py;
    };
    constexpr Remigante kRemiganti[] = {
        {0.2, -0.08, 0.24, 0.4}, {0.34, -0.18, 0.54, 0.3}, {0.5, -0.28, 0.78, 0.1}, {0.64, -0.38, 0.94, -0.16}};
    QPainterPath remiganti;
    for (const Remigante &f : kRemiganti)
        remiganti.addPath(Remige(P(f.rx, f.ry), P(f.px, f.py), 0.22 * r));
    remiganti = Unione(remiganti, QTransform::fromScale(-1, 1).map(remiganti));
    // The wing is one spread shape down to the last third of its feathers,
    // so that only their tips stand apart: loose feathers from the root
    // read at the natural size as a spider's legs.
    QPolygonF piuma{P(0.1, -0.24), P(0.84, -0.44)};
    for (int i = 3; i >= 0; --i) {
        const Remigante &f = kRemiganti[i];
        piuma << P(f.rx + (f.px - f.rx) * 0.68, f.ry + (f.py - f.ry) * 0.68);
    }
    piuma << P(0.12, 0.06);
    QPainterPath distesa;
    distesa.addPolygon(piuma);
    distesa.closeSubpath();
    ala = Unione(ala, Unione(distesa, QTransform::fromScale(-1, 1).map(distesa)));
    QPainterPath aquila = Unione(ala, remiganti);
    // The body, the necks curving out and up, the heads.
    aquila = Unione(aquila, Cerchio(P(0, -0.04), 0.19 * r, 0.32 * r));
    // Each neck rises from the shoulder, thick at the root, its outer side
    // ruffled with hackles; the head is longer than high, with a brow over
    // the eye.
    QPainterPath collo;
    collo.moveTo(P(-0.02, -0.2));
    collo.cubicTo(P(0.0, -0.46), P(0.14, -0.64), P(0.3, -0.78));
    collo.lineTo(P(0.42, -0.66));
    collo.lineTo(P(0.33, -0.61));
    collo.lineTo(P(0.34, -0.54));
    collo.lineTo(P(0.27, -0.5));
    collo.lineTo(P(0.27, -0.43));
    collo.lineTo(P(0.2, -0.38));
    collo.cubicTo(P(0.18, -0.32), P(0.2, -0.26), P(0.22, -0.2));
    collo.closeSubpath();
    collo = Unione(collo, QTransform::fromScale(-1, 1).map(collo));
    aquila = Unione(aquila, collo);
    for (qreal lato : {-1.0, 1.0}) {
        aquila = Unione(aquila, Cerchio(P(lato * 0.4, -0.72), 0.17 * r, 0.13 * r));
        aquila = Unione(aquila, Cerchio(P(lato * 0.44, -0.78), 0.08 * r, 0.05 * r)); // the brow
    }
    // The tail, fanned and cut in three points.
    aquila = Unione(
        aquila,
        Specchiata({P(0, 0.2), P(0.1, 0.24), P(0.26, 0.6), P(0.16, 0.58), P(0.14, 0.7), P(0.06, 0.62), P(0, 0.76)}));
    // The legs, feathered to the foot.
    aquila = Unione(aquila, Specchiata({P(0.06, 0.16), P(0.18, 0.12), P(0.36, 0.36), P(0.34, 0.44), P(0.24, 0.4)}));
    Modella(p, aquila, kTintaAquila, kTintaAquila.ombra, r * 0.045, r * 0.035);

    // Engraving: a shaft down each long feather, the coverts' scallops, the
    // breast's plumage, in the light tone.
    QPainterPath linee;
    for (const Remigante &f : kRemiganti)
        for (qreal lato : {-1.0, 1.0}) {
            linee.moveTo(P(lato * (f.rx + (f.px - f.rx) * 0.15), f.ry + (f.py - f.ry) * 0.15));
            linee.lineTo(P(lato * (f.rx + (f.px - f.rx) * 0.85), f.ry + (f.py - f.ry) * 0.85));
        }
    for (qreal lato : {-1.0, 1.0}) {
        const auto Q = [&](qreal x, qreal y) { return P(lato * x, y); };
        // Two rows of scalloped coverts along the wing's fore edge.
        for (int fila = 0; fila < 2; ++fila) {
            const QPointF da(0.18, -0.22 + 0.11 * fila), a(0.74 - 0.12 * fila, -0.45 + 0.11 * fila);
            constexpr int kSmerli = 5;
            for (int i = 0; i < kSmerli; ++i) {
                const QPointF u = da + (a - da) * i / kSmerli, v = da + (a - da) * (i + 1) / kSmerli;
                const QPointF m = (u + v) / 2 + QPointF(0, 0.06);
                linee.moveTo(Q(u.x(), u.y()));
                linee.quadTo(Q(m.x(), m.y()), Q(v.x(), v.y()));
            }
        }
        for (int i = 0; i < 3; ++i) {
            linee.moveTo(Q(0.03 + 0.04 * i, 0.3));
            linee.lineTo(Q(0.05 + 0.07 * i, 0.56));
        }
    }
    for (int i = 0; i < 4; ++i) {
        linee.moveTo(P(-0.1, -0.2 + 0.1 * i));
        linee.quadTo(P(0, -0.14 + 0.1 * i), P(0.1, -0.2 + 0.1 * i));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaAquila.luce, r * 0.022, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(linee);

    // Beaks and talons in red, as heralds arm an eagle sable on gold, so
    // that they show on the field; the beaks open and hooked, looking
    // outwards, golden eyes.
    // The beak: the upper half hooked down over the lower, open.
    QPainterPath becco;
    becco.moveTo(P(0.5, -0.8));
    becco.cubicTo(P(0.6, -0.82), P(0.7, -0.78), P(0.7, -0.66));
    becco.cubicTo(P(0.66, -0.7), P(0.6, -0.72), P(0.52, -0.71));
    becco.closeSubpath();
    becco.moveTo(P(0.52, -0.68));
    becco.lineTo(P(0.62, -0.66));
    becco.lineTo(P(0.52, -0.63));
    becco.closeSubpath();
    const QPainterPath becchi = Unione(becco, QTransform::fromScale(-1, 1).map(becco));
    QPainterPath artigli;
    for (qreal lato : {-1.0, 1.0})
        for (int i = 0; i < 3; ++i)
            artigli.addPath(Remige(P(lato * 0.32, 0.42), P(lato * (0.3 + 0.08 * i), 0.5 + 0.04 * (i % 2)), 0.06 * r));
    Riempi(p, Unione(becchi, artigli), kTintaRosso.corpo, kTintaRosso.ombra, r * 0.03);
    QPainterPath lingue;
    for (qreal lato : {-1.0, 1.0}) {
        lingue.moveTo(P(lato * 0.56, -0.685));
        lingue.quadTo(P(lato * 0.66, -0.68), P(lato * 0.71, -0.61));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTintaRosso.luce, r * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lingue);
    QPainterPath occhi;
    for (qreal lato : {-1.0, 1.0})
        occhi.addEllipse(P(lato * 0.44, -0.74), 0.04 * r, 0.04 * r);
    p.setPen(Qt::NoPen);
    p.setBrush(kTintaOro.luce);
    p.drawPath(occhi);
}

// The eagle of the natural size (kAquilaDiPixel), each colour one area of
// its runs of pixels.
void AquilaDiPixel(QPainter &p)
{
    const std::pair<char, QColor> colori[] = {
        {'o', kTintaAquila.ombra}, {'b', kTintaAquila.corpo}, {'l', kTintaAquila.luce}, {'r', kTintaRosso.corpo}};
    p.setPen(Qt::NoPen);
    for (const auto &[lettera, colore] : colori) {
        QPainterPath pixel;
        pixel.setFillRule(Qt::WindingFill);
        qreal y = kCimaAquilaDiPixel;
        for (const std::string_view destra : kAquilaDiPixel) {
            std::string riga(destra.rbegin(), destra.rend() - 1);
            riga += destra;
            const qreal sinistra = -qreal(destra.size()) + 0.5;
            for (size_t i = 0; i < riga.size();) {
                size_t fine = i;
                while (fine < riga.size() && riga[fine] == riga[i])
                    ++fine;
                if (riga[i] == lettera)
                    pixel.addRect(QRectF(sinistra + qreal(i), y, qreal(fine - i), 1));
                i = fine;
            }
            ++y;
        }
        p.setBrush(colore);
        p.drawPath(pixel);
    }
}

} // namespace

// The large coin of the ace: a broad rim and a wreath round a sunken field
// that bears the eagle.
void MonetaConAquila(QPainter &p, qreal r)
{
    const QPainterPath moneta = Cerchio({0, 0}, r, r);
    Modella(p, moneta, kTintaOro, kContornoEmblema, 2.0, 1.1);
    const qreal campo = r * 0.84;
    // The rim's ornament: a scalloped wreath round the field. Drawn as one
    // band, not as many leaves: an area of many scattered pieces is slow to
    // fill again at every size.
    QPolygonF smerlo;
    constexpr int kLobi = 30, kPunti = 4;
    for (int i = 0; i < kLobi * kPunti; ++i) {
        const qreal a = 2 * M_PI * i / (kLobi * kPunti);
        const qreal onda = std::abs(std::sin(M_PI * (i % kPunti) / kPunti));
        const qreal raggio = r * (0.89 + 0.06 * onda);
        smerlo << QPointF(raggio * std::sin(a), -raggio * std::cos(a));
    }
    QPainterPath ghirlanda;
    ghirlanda.addPolygon(smerlo);
    ghirlanda.closeSubpath();
    Riempi(p, Differenza(ghirlanda, Cerchio({0, 0}, campo, campo)), kTintaOro.luce, kOroCavo, 0.5);
    // The field, sunk: shaded on the upper left where the rim stands over it.
    const QPainterPath fondo = Cerchio({0, 0}, campo, campo);
    // Lighter than the rim, so that the eagle stands out dark on it.
    Riempi(p, fondo, kTintaOro.luce, kOroScuro, kTrattoFine);
    p.setPen(Qt::NoPen);
    p.setBrush(kOroCavo);
    p.drawPath(Differenza(fondo, fondo.translated(0.9, 0.9)));
    if (InchiostroDelPixelInUso())
        AquilaDiPixel(p);
    else
        Aquila(p, campo);
}

void Asso(QPainter &p, Seme seme)
{
    switch (seme) {
    case Seme::Denari:
        Emblema(p, seme, {22.5, 36}, 38, 0, Ornato::Si, 0);
        break;
    case Seme::Coppe:
        Emblema(p, seme, {22.5, 36}, 48, 0, Ornato::Si, 0);
        break;
    case Seme::Spade:
        // A pixel left of the middle: the blade bends to the right, and set
        // in the middle the sword and its wreath stood off to that side.
        Emblema(p, seme, {21.5, 36}, 64, 0, Ornato::Si, 7);
        break;
    case Seme::Bastoni:
        if (InchiostroDelPixelInUso()) {
            RandelloDiPixel(p);
            break;
        }
        // Leaning a little, as a club is held.
        p.save();
        p.translate(23, 36.5);
        p.rotate(8);
        Randello(p, 62);
        p.restore();
        break;
    }
}

} // namespace belvane::cardart
