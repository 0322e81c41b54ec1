#include "re_parti.h"

#include "stampa.h"

#include "fanti_comune.h"
#include "lineamenti.h"

#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include <vector>

namespace belvane::cardart::re {
namespace {

// An iris dark enough to be one dark pixel at the natural size.
const QColor kIride(0x3C, 0x28, 0x18);

// The longest chord of a curve, in card units.
constexpr qreal kCorda = 0.8;

// Adds the Catmull-Rom segments through `v` to `path`, which already stands
// on v[0]; a closed curve wraps round, an open one ends at the last point.
// The curve is laid down as short chords: at the largest size a card is
// recorded they are still smooth, and a recording then keeps a few dozen
// points per shape rather than the thousand a finely flattened curve costs
// at every redraw.
void Segmenti(QPainterPath &path, const std::vector<QPointF> &v, bool chiuso)
{
    const int n = int(v.size());
    const auto punto = [&](int i) {
        if (chiuso)
            return v[size_t((i + n) % n)];
        return v[size_t(std::clamp(i, 0, n - 1))];
    };
    for (int i = 0; i < (chiuso ? n : n - 1); ++i) {
        const QPointF p0 = punto(i - 1), p1 = punto(i), p2 = punto(i + 1), p3 = punto(i + 2);
        const QPointF c1 = p1 + (p2 - p0) / 6, c2 = p2 - (p3 - p1) / 6;
        const QPointF d = p2 - p1;
        const int passi = std::clamp(int(std::ceil(std::hypot(d.x(), d.y()) / kCorda)), 1, 16);
        for (int k = 1; k <= passi; ++k) {
            const qreal t = qreal(k) / passi, u = 1 - t;
            path.lineTo(u * u * u * p1 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p2);
        }
    }
}

} // namespace

QPainterPath Morbido(std::initializer_list<QPointF> punti) { return Morbido(std::vector<QPointF>(punti)); }

QPainterPath Morbido(const std::vector<QPointF> &v)
{
    QPainterPath path(v.front());
    Segmenti(path, v, true);
    path.closeSubpath();
    return path;
}

void Curva(QPainterPath &path, std::initializer_list<QPointF> punti)
{
    const std::vector<QPointF> v(punti);
    path.moveTo(v.front());
    Segmenti(path, v, false);
}

QPainterPath Ovale(QPointF c, qreal rx, qreal ry)
{
    return Poligonale(c, rx, ry, std::clamp(int(std::ceil(2 * M_PI * std::max(rx, ry) / kCorda)), 8, 48));
}

QPainterPath Spezzata(std::initializer_list<QPointF> punti)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(punti));
    path.closeSubpath();
    return path;
}

QPainterPath Arto(QPointF a, QPointF b, qreal ra, qreal rb)
{
    const QPointF d = b - a;
    const qreal l = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / l, d.x() / l);
    return Unione(Unione(Spezzata({a + n * ra, b + n * rb, b - n * rb, a - n * ra}), Ovale(a, ra, ra)),
                  Ovale(b, rb, rb));
}

void Piano(QPainter &p, const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra, qreal luce)
{
    Campitura(p, forma, tinta, bordo, ombra, luce);
}

void Pieghe(QPainter &p, const QPainterPath &forma, const Tinta &tinta, std::initializer_list<Piega> pieghe)
{
    QPainterPath ombre, luci, pieghe_;
    for (const Piega &g : pieghe) {
        QPointF d = g.a - g.da;
        d /= std::hypot(d.x(), d.y());
        const QPointF n(-d.y(), d.x()); // to the right going down: away from the light
        const qreal w = g.largo / 2;
        // The trough narrows to a point where the fold starts and swells
        // before the hem, where the cloth hangs free.
        const QPointF m = g.da + (g.a - g.da) * 0.7;
        ombre = Unione(ombre, Spezzata({g.da, m + n * w * 1.1, g.a + n * w, g.a - n * w * 0.3, m - n * w * 0.2}));
        luci = Unione(
            luci, Spezzata({g.da - n * 0.3, m - n * w * 0.6, g.a - n * w * 1.3, g.a - n * w * 0.5, m - n * w * 0.25}));
        pieghe_.moveTo(g.da + d * 0.6);
        pieghe_.quadTo(m + n * w * 0.3, g.a + n * w * 0.2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(tinta.luce);
    p.drawPath(Intersezione(forma, luci));
    p.setBrush(tinta.ombra);
    p.drawPath(Intersezione(forma, ombre));
    // The fold's line only in the larger drawing: at the natural size it
    // breaks into stray dark pixels over the cloth.
    if (!InchiostroDelPixelInUso())
        Segna(p, pieghe_, tinta.ombra.darker(115), kTrattoInterno);
}

namespace {

// How the larger drawing cuts his eyes and sets his mouth.
volti::Occhi OcchiDi(const Capo &k)
{
    volti::Occhi o;
    o.taglio = k.occhio;
    o.iride = k.iride;
    o.piega = true;
    o.borse = k.vecchio;
    o.ciglia = k.barba.ombra.darker(125);
    o.folte = k.vecchio ? 0.3 : 0.24;
    o.alte = k.ciglio * 0.2;
    return o;
}

volti::Bocca BoccaDi(const Capo &k)
{
    switch (k.bocca) {
    case Capo::Bocca::Quieta:
        return {1.05, 0.32, 0};
    case Capo::Bocca::Sorride:
        return {1.1, 0.3, -0.08};
    case Capo::Bocca::Serrata:
        return {1.15, 0.2, 0.02};
    case Capo::Bocca::Amara:
        return {1.05, 0.26, 0.1};
    }
    return {};
}

} // namespace

void Testa(QPainter &p, const Capo &k)
{
    const SenzaIncisione liscia;
    const qreal cx = k.centro.x(), cy = k.centro.y();
    const qreal s = k.sguardo;
    // Hair falling behind the face to below the ears, outlined in its own
    // darkest tone so that white hair does not frame the face in ink.
    if (k.capelliLunghi > 0) {
        const qreal l = k.capelliLunghi;
        const qreal d = -0.6 * s; // more of it shows on the side he turns from
        const QPainterPath chioma = Morbido({{cx - 3.4 + d, cy - 3.6},
                                             {cx - 5.0 + d, cy},
                                             {cx - 5.2 + d, cy + 2 + l},
                                             {cx - 3.4 + d, cy + 2.8 + l},
                                             {cx + 3.4 + d, cy + 2.8 + l},
                                             {cx + 5.2 + d, cy + 2 + l},
                                             {cx + 5.0 + d, cy},
                                             {cx + 3.4 + d, cy - 3.6},
                                             {cx + d, cy - 5.0}});
        Piano(p, chioma, k.capelli, k.capelli.ombra.darker(150), 0.8, 0.5);
        QPainterPath ciocche;
        for (int lato : {-1, 1}) {
            Curva(ciocche,
                  {{cx + d + lato * 4.3, cy - 1},
                   {cx + d + lato * 4.6, cy + 1 + l / 2},
                   {cx + d + lato * 4.2, cy + 2 + l}});
            Curva(ciocche,
                  {{cx + d + lato * 3.6, cy},
                   {cx + d + lato * 3.9, cy + 1.5 + l / 2},
                   {cx + d + lato * 3.5, cy + 2.2 + l}});
        }
        Segna(p, ciocche, k.capelli.ombra);
    }
    // The face, with a nose on the side it looks to.
    const QPainterPath viso = Morbido({{cx, cy - 3.9},
                                       {cx + 2.8, cy - 2.8},
                                       {cx + 3.0 + 0.3 * s, cy},
                                       {cx + 2.4 + k.mascella, cy + 3.2},
                                       {cx, cy + 4.3},
                                       {cx - 2.4 - k.mascella, cy + 3.2},
                                       {cx - 3.0 + 0.3 * s, cy},
                                       {cx - 2.8, cy - 2.8}});
    Piano(p, viso, kPelleT, kBordoViso, 0.8, 0.5);
    // The cheek away from the light engraved, as a printer's block shades a
    // face: finer than a pixel, a tone at the natural size.
    // In the larger drawing the face is left flat, as a print lays it: a tone
    // or lines on the far cheek read as a patch or as stubble.
    if (InchiostroDelPixelInUso())
        Tratteggia(
            p,
            Intersezione(
                viso,
                Spezzata(
                    {{cx + 1.3 + 0.5 * s, cy - 3}, {cx + 4, cy - 3}, {cx + 4, cy + 4}, {cx + 1.9 + 0.5 * s, cy + 4}})),
            kPelleT.ombra, 0.9, 70);
    const qreal naso = cx + 0.6 * s + 0.2;
    QPainterPath tratti;
    const qreal n = k.naso;
    if (InchiostroDelPixelInUso())
        Curva(tratti,
              {{naso - 0.3, cy - 1.0},
               {naso + (0.3 + n * 0.3) * s, cy + 0.6 + n},
               {naso + (0.4 + n * 0.4) * s + 0.5, cy + 1.0 + n}});
    else
        volti::DisegnaNaso(p, naso - 0.1, cy - 0.9, 2.0 + n * 0.6, s < 0 ? -1 : 1, k.formaNaso);
    if (k.vecchio)
        for (int lato : {-1, 1}) {
            Curva(tratti,
                  {{cx + lato * 1.2 + 0.3 * s, cy + 0.5},
                   {cx + lato * 1.9 + 0.3 * s, cy + 1.5},
                   {cx + lato * 2.1 + 0.3 * s, cy + 2.0}});
            if (InchiostroDelPixelInUso()) {
                Curva(tratti, {{cx + lato * 1.9 + s, cy - 1.2}, {cx + lato * 2.5 + s, cy - 0.9}});
                Curva(tratti, {{cx + lato * 1.9 + s, cy - 0.7}, {cx + lato * 2.5 + s, cy - 0.5}});
            }
        }
    Segna(p, tratti, InchiostroDelPixelInUso() ? kPelleT.ombra : kBordoViso,
          InchiostroDelPixelInUso() ? kTrattoFine * 0.8 : 0.16);
    const qreal occhio = cy - 1;
    if (InchiostroDelPixelInUso()) {
        // Almond whites, the irises on pixel centres over them: at the
        // natural size each iris is one dark pixel. There the eyes stay in
        // the middle of a turned face: moved with the turn, the far one lay
        // against the face's edge, no skin beside it, and the face read as
        // in shadow.
        QPainterPath bianchi, iridi, pupille, palpebre;
        for (qreal x : {cx - 1, cx + 1}) {
            Curva(bianchi,
                  {{x - 0.95, occhio}, {x, occhio - 0.7}, {x + 0.95, occhio}, {x, occhio + 0.55}, {x - 0.95, occhio}});
            bianchi.closeSubpath();
            iridi.addPath(Ovale({x + 0.1 * s, occhio}, 0.5, 0.45));
            pupille.addPath(Ovale({x + 0.15 * s, occhio}, 0.24, 0.24));
            // The lids end short of the pixels beside the eye, which stay skin.
            Curva(palpebre, {{x - 0.8, occhio - 0.1}, {x, occhio - 0.78}, {x + 0.8, occhio - 0.1}});
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kErmellino);
        p.drawPath(bianchi);
        p.setBrush(kIride);
        p.drawPath(iridi);
        p.setBrush(kContorno);
        p.drawPath(pupille);
        Segna(p, palpebre, kBordoViso, 0.4);
        QPainterPath ciglia;
        for (qreal x : {cx - 1, cx + 1}) {
            // Raised brows arch; knitted ones fall towards the nose.
            const qreal g = k.ciglio;
            const qreal interno = occhio - 0.85 - g * 0.4, esterno = occhio - 0.8 - g * 0.1;
            const bool sinistro = x < cx;
            Curva(ciglia,
                  {{x - 0.8, sinistro ? esterno : interno},
                   {x, occhio - 1.15 - g * 0.25},
                   {x + 0.8, sinistro ? interno : esterno}});
        }
        Segna(p, ciglia, k.ciglia.isValid() ? k.ciglia : k.barba.ombra, kTrattoInterno);
    } else {
        volti::DisegnaOcchi(p, {cx - 1 + s * 0.9, occhio}, {cx + 1 + s * 0.9, occhio}, 0.12 * s, OcchiDi(k));
        if (k.vecchio) {
            // Two lines across the brow.
            QPainterPath rughe;
            Curva(rughe, {{cx - 1.3, cy - 2.5}, {cx, cy - 2.7}, {cx + 1.3, cy - 2.5}});
            Curva(rughe, {{cx - 0.8, cy - 2.2}, {cx + 0.2, cy - 2.32}, {cx + 0.9, cy - 2.2}});
            Segna(p, rughe, kPelleT.ombra, 0.12);
        }
    }
    // Hair over the brow, under the crown.
    const QPainterPath fronte = Morbido({{cx - 3.2, cy - 1.2},
                                         {cx - 3.0, cy - 3.8},
                                         {cx, cy - 4.9},
                                         {cx + 3.0, cy - 3.8},
                                         {cx + 3.2, cy - 1.2},
                                         {cx + 2.3, cy - 2.9},
                                         {cx, cy - 3.1},
                                         {cx - 2.3, cy - 2.9}});
    Piano(p, fronte, k.capelli, Qt::transparent, 0.5, 0.4);
    // The beard from cheek to cheek, the moustache its upper edge.
    const qreal w = k.barbaLarga, l = k.barbaLunga;
    std::vector<QPointF> contorno{{cx - w, cy + 1.8}, {cx - w, cy + 1.8}, {cx - w - 0.3, cy + 3.2}};
    const qreal punta = cx + 0.6 * s;
    switch (k.taglio) {
    case Capo::Taglio::Tondo:
        contorno.insert(
            contorno.end(),
            {{cx - w * 0.7, cy + 4.0 + l * 0.55}, {punta, cy + 4.2 + l}, {cx + w * 0.7, cy + 4.0 + l * 0.55}});
        break;
    case Capo::Taglio::Forcuto: // two locks with a notch between them
        contorno.insert(contorno.end(),
                        {{cx - w * 0.75, cy + 4.0 + l * 0.6},
                         {punta - 1.1, cy + 4.2 + l},
                         {punta, cy + 3.6 + l * 0.75},
                         {punta + 1.1, cy + 4.2 + l},
                         {cx + w * 0.75, cy + 4.0 + l * 0.6}});
        break;
    case Capo::Taglio::Appuntito: // narrowing to a point
        contorno.insert(
            contorno.end(),
            {{cx - w * 0.55, cy + 4.0 + l * 0.5}, {punta, cy + 4.4 + l}, {cx + w * 0.55, cy + 4.0 + l * 0.5}});
        break;
    case Capo::Taglio::Quadro: // cut straight across
        contorno.insert(contorno.end(),
                        {{cx - w * 0.85, cy + 4.0 + l * 0.9},
                         {cx - w * 0.8, cy + 4.2 + l},
                         {punta, cy + 4.3 + l},
                         {cx + w * 0.8, cy + 4.2 + l},
                         {cx + w * 0.85, cy + 4.0 + l * 0.9}});
        break;
    }
    contorno.insert(contorno.end(),
                    {{cx + w + 0.3, cy + 3.2},
                     {cx + w, cy + 1.8},
                     {cx + w, cy + 1.8},
                     {cx + 2.0, cy + 2.4},
                     {cx + 0.8, cy + 2.1},
                     {cx + 0.4 * s, cy + 2.4},
                     {cx - 0.8, cy + 2.1},
                     {cx - 2.0, cy + 2.4}});
    const QPainterPath barba = Morbido(contorno);
    Piano(p, barba, k.barba, k.barba.ombra, 0.9, 0.5);
    QPainterPath peli;
    for (int i = -2; i <= 2; ++i)
        Curva(peli,
              {{cx + i * 0.9 + 0.3 * s, cy + 3.2},
               {cx + i * 1.0 + 0.5 * s, cy + 3.6 + l * 0.5},
               {cx + i * 0.6 + 0.6 * s, cy + 3.8 + l * 0.9}});
    Curva(peli, {{cx - 2.2, cy + 2.6}, {cx - 0.6, cy + 2.5}, {cx + 0.4 * s, cy + 2.8}});
    Curva(peli, {{cx + 0.4 * s, cy + 2.8}, {cx + 0.6, cy + 2.5}, {cx + 2.2, cy + 2.6}});
    Segna(p, peli, k.barba.ombra);
    if (!InchiostroDelPixelInUso())
        volti::DisegnaBocca(p, {cx + 0.4 * s, cy + 3.1}, BoccaDi(k));
    else // a lip large enough to win its pixel: without it the beard was a false one, or a gag
        Macchia(p, {cx + 0.4 * s, cy + 3.2}, 1.0, 0.5, kLabbro);
}

void Mano(QPainter &p, QPointF centro, qreal r, qreal angolo, bool specchio)
{
    fanti::Pugno(p, centro, r * 1.1, angolo, specchio, kPelleT, kBordoViso);
}

void Ermellino(QPainter &p, const QPainterPath &forma, std::initializer_list<QPointF> code)
{
    Piano(p, forma, kErmellinoT, kContorno, 0.8, 0);
    QPainterPath macchie;
    for (QPointF c : code) {
        // At the natural size each tail one whole dark pixel: finer, it was
        // lost, and the fur read as a white gap in the figure.
        if (InchiostroDelPixelInUso()) {
            macchie.addRect(QRectF(std::floor(c.x()), std::floor(c.y()), 1, 1));
            continue;
        }
        macchie.addPath(Ovale(c, 0.28, 0.28));
        macchie.addPolygon(QPolygonF({c + QPointF(-0.25, 0.1), c + QPointF(0, 0.85), c + QPointF(0.25, 0.1)}));
        macchie.closeSubpath();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kNero);
    p.drawPath(macchie);
}

} // namespace belvane::cardart::re
