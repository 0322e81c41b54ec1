#include "cavallo.h"

#include "pennelli.h"
#include "stampa.h"

#include <QLineF>
#include <QPolygonF>

#include <cmath>
#include <tuple>
#include <vector>

namespace belvane::cardart {

QPainterPath Tela::Su(const QPainterPath &a) const { return Piatto(t.map(a)); }

void Tela::Modella(const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra, qreal luce) const
{
    Campitura(p, Su(forma), tinta, bordo, ombra, luce);
}

void Tela::Tratteggia(const QPainterPath &forma, const QColor &colore, qreal passo, qreal angolo, qreal spessore) const
{
    cardart::Tratteggia(p, Su(forma), colore, passo, angolo, spessore);
}

void Tela::Ombra(const QPainterPath &forma, const QColor &colore, bool incisa) const
{
    cardart::Ombra(p, Su(forma), colore, incisa);
}

void Tela::Linea(QPointF a, QPointF b, const QColor &c, qreal w) const { cardart::Linea(p, Su(a), Su(b), c, w); }

void Tela::Tratto(const QPainterPath &linea, const QColor &c, qreal w) const { Segna(p, Su(linea), c, w); }

void Tela::Macchie(std::initializer_list<QPointF> centri, qreal r, const QColor &colore) const
{
    QPainterPath m;
    for (QPointF c : centri)
        m.addEllipse(Su(c), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(m);
}

QPainterPath Arto(std::initializer_list<QPointF> giunti, std::initializer_list<qreal> larghezze)
{
    const std::vector<QPointF> g(giunti);
    const std::vector<qreal> w(larghezze);
    const size_t n = g.size();
    std::vector<QPointF> sinistra, destra;
    for (size_t i = 0; i < n; ++i) {
        // The normal at a joint halves the turn between its two segments.
        const QPointF prima = i > 0 ? g[i] - g[i - 1] : g[1] - g[0];
        const QPointF dopo = i + 1 < n ? g[i + 1] - g[i] : g[i] - g[i - 1];
        const qreal lp = std::hypot(prima.x(), prima.y()), ld = std::hypot(dopo.x(), dopo.y());
        QPointF d = prima / lp + dopo / ld;
        const qreal l = std::hypot(d.x(), d.y());
        d /= l;
        const QPointF normale(-d.y(), d.x());
        sinistra.push_back(g[i] + normale * w[i] / 2);
        destra.push_back(g[i] - normale * w[i] / 2);
    }
    QPainterPath a;
    a.moveTo(sinistra[0]);
    for (size_t i = 1; i < n; ++i)
        a.lineTo(sinistra[i]);
    // A round end at the last joint.
    const QPointF c = g[n - 1];
    a.quadTo(c + (c - g[n - 2]) * (w[n - 1] * 0.7 / QLineF(g[n - 2], c).length()), destra[n - 1]);
    for (size_t i = n - 1; i-- > 0;)
        a.lineTo(destra[i]);
    a.closeSubpath();
    return a;
}

namespace {

// The poll, about which the head is grown to its size on the neck.
constexpr QPointF kNuca(35.4, 28.6);
constexpr qreal kCapo = 1.15;

QPainterPath U(const QPainterPath &a, const QPainterPath &b) { return Piatto(Unione(Piatto(a), Piatto(b))); }

// A leg from the body to the coronet, and the hoof below it.
QPainterPath Stinco(const Gamba &g, bool posteriore)
{
    // Muscle above, a narrower joint, a lean cannon, the fetlock's knob and
    // the pastern; no leaner than this, or at the natural size the legs read
    // as sticks.
    const auto tra = [](QPointF a, QPointF b, qreal t) { return a + (b - a) * t; };
    const QPointF a = g.attacco, k = g.ginocchio, n = g.nodello, c = g.corona;
    if (posteriore)
        return Arto({a, tra(a, k, 0.55), k, tra(k, n, 0.5), n, c}, {7.6, 4.8, 4.6, 3.3, 3.8, 2.9});
    return Arto({a, tra(a, k, 0.6), k, tra(k, n, 0.5), n, c}, {6.4, 4.4, 4.6, 3.3, 3.8, 2.9});
}

// The part of a leg that is dark, broad enough to take in the leg's whole
// width there: from just above the knee or hock down to the coronet, or
// from a little above the fetlock.
QPainterPath Punta(const Gamba &g, Punte punte)
{
    if (punte == Punte::DalNodello) {
        const QPointF su = g.nodello + (g.ginocchio - g.nodello) * 0.2;
        return Arto({su, g.nodello, g.corona}, {7, 7, 7});
    }
    const QPointF su = g.ginocchio + (g.attacco - g.ginocchio) * 0.15;
    return Arto({su, g.ginocchio, g.nodello, g.corona}, {7, 7, 7, 7});
}

QPainterPath Zoccolo(const Gamba &g)
{
    // The hoof carries on the pastern's slope; its sole lies across it.
    QPointF d = g.corona - g.nodello;
    d /= std::hypot(d.x(), d.y());
    const QPointF n(-d.y(), d.x()); // towards the heel for a hoof on the ground
    QPainterPath z;
    z.moveTo(g.corona + n * 1.1 - d * 0.3);
    z.lineTo(g.corona - n * 1.0 - d * 0.3);
    z.lineTo(g.corona - n * 1.6 + d * 1.9);
    z.lineTo(g.corona + n * 1.3 + d * 1.6);
    z.closeSubpath();
    return z;
}

QPainterPath Tronco()
{
    QPainterPath t;
    t.moveTo(12, 40.8);
    t.cubicTo(17, 42.6, 22, 42.4, 26, 40.2);       // the back, dipping to the withers
    t.cubicTo(29.5, 39.8, 32.3, 43.5, 32.8, 47.5); // withers to the breast
    t.cubicTo(33.4, 51.6, 31.4, 55.2, 28.2, 55.6); // the breast to the girth
    t.cubicTo(23, 57.2, 17, 56.8, 13.6, 54.4);     // the belly
    t.cubicTo(9.2, 54, 7.0, 48.6, 7.6, 44.6);      // flank and buttock
    t.cubicTo(8, 42.2, 9.8, 40.6, 12, 40.8);       // the croup
    QPainterPath groppa;
    groppa.addEllipse(QPointF(12.8, 47.0), 5.6, 6.6);
    QPainterPath spalla;
    spalla.addEllipse(QPointF(29, 48.6), 4.2, 6.4);
    return U(U(t, groppa), spalla);
}

QPainterPath Collo()
{
    QPainterPath c;
    c.moveTo(23, 42.5);
    c.cubicTo(25.2, 35.4, 29.2, 28.6, 34.6, 27.4); // the crest
    c.lineTo(37.8, 31.5);
    c.cubicTo(35.8, 35, 34.4, 40.5, 33, 47); // the throat down to the breast
    c.lineTo(27, 48);
    c.closeSubpath();
    return c;
}

QPainterPath Testa()
{
    QPainterPath t;
    t.moveTo(34, 27.6);
    t.cubicTo(35.4, 26.4, 37.4, 26.8, 38.4, 28.4); // poll and forehead
    t.cubicTo(39.6, 30.4, 40.8, 32.6, 41.8, 34.8); // the flat of the face down to the nose
    t.cubicTo(42.9, 36.4, 42.6, 38.4, 41.0, 38.6); // the soft muzzle
    t.cubicTo(40.2, 38.7, 39.8, 38.2, 39.5, 37.8); // the lower lip
    t.cubicTo(39.0, 38.3, 38.2, 38.0, 37.9, 37.3); // the chin groove
    t.cubicTo(37.0, 36.4, 35.6, 36.6, 34.6, 35.6); // under the jaw
    t.cubicTo(33.2, 34.2, 33.4, 30.4, 34, 27.6);   // the broad round cheek
    return t;
}

QPainterPath Orecchio(QPointF base, QPointF punta)
{
    QPainterPath o;
    // A leaf, broad at its middle, its tip turned a little forward.
    o.moveTo(base + QPointF(-1.0, 0.2));
    o.quadTo(base + (punta - base) * 0.55 + QPointF(-1.4, 0), punta);
    o.quadTo(base + (punta - base) * 0.5 + QPointF(1.3, 0.2), base + QPointF(1.1, 0.4));
    o.closeSubpath();
    return o;
}

QPointF Bezier(QPointF a, QPointF b, QPointF c, QPointF d, qreal t)
{
    const qreal u = 1 - t;
    return a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t);
}

// The mane along the crest, its edge in locks, and the strands within.
void Criniera(const Tela &tela, const Finimenti &f)
{
    const QPointF a(23.6, 41.4), b(25.8, 35), c(29.6, 28.8), d(34.8, 27.6);
    // A smooth line along the crest above; below, locks falling on the neck,
    // their points drawn back towards the withers.
    std::vector<QPointF> cresta, ciocche, gonfie;
    constexpr int kCiocche = 8;
    for (int i = 0; i <= 2 * kCiocche; ++i) {
        const qreal t = 0.05 + 0.92 * i / (2 * kCiocche);
        const QPointF q = Bezier(a, b, c, d, t);
        QPointF tg = Bezier(a, b, c, d, t + 0.01) - q;
        tg /= std::hypot(tg.x(), tg.y());
        const QPointF su(tg.y(), -tg.x()); // away from the neck
        cresta.push_back(q - su * 0.1);    // under the neck's outline
        const qreal lungo = 3.0 + 0.6 * std::sin(i * 1.7);
        ciocche.push_back(i % 2 ? q - su * lungo - tg * 1.0 : q - su * 0.9);
        gonfie.push_back(q - su * (lungo - 0.3) + tg * 0.5); // the lock's rounded front
    }
    QPainterPath m;
    m.moveTo(cresta[0]);
    for (size_t i = 1; i < cresta.size(); ++i)
        m.lineTo(cresta[i]);
    for (size_t i = ciocche.size(); i-- > 0;) {
        if (i % 2)
            m.quadTo(gonfie[i], ciocche[i]);
        else
            m.lineTo(ciocche[i]);
    }
    m.closeSubpath();
    // Within the neck's outline: edged in the hair's own dark, not in ink.
    tela.Modella(m, f.crini, Qt::transparent, 0.7, 0.5);
    tela.Tratto(m, f.crini.ombra.darker(130), kTrattoFine);
    QPainterPath fili;
    for (size_t i = 1; i < cresta.size(); i += 2) {
        fili.moveTo(cresta[i] + (ciocche[i] - cresta[i]) * 0.25);
        fili.quadTo(gonfie[i] + (cresta[i] - gonfie[i]) * 0.5, ciocche[i] + (cresta[i] - ciocche[i]) * 0.25);
    }
    tela.Tratto(fili, f.crini.ombra, kTrattoInterno);
}

// The forelock between the ears.
void Ciuffo(const Tela &tela, const Finimenti &f)
{
    QPainterPath ciuffo;
    ciuffo.moveTo(34.8, 26.6);
    ciuffo.cubicTo(36.5, 27, 37.2, 28.3, 37, 30.2);
    ciuffo.cubicTo(36.4, 29.2, 35.6, 28.6, 34.6, 28.4);
    ciuffo.closeSubpath();
    tela.Modella(ciuffo, f.crini, Qt::transparent, 0, 0); // one fill: too small to model
}

void Coda(const Tela &tela, const Finimenti &f, qreal angolo)
{
    QTransform giro;
    giro.translate(9.2, 42.6);
    giro.rotate(angolo);
    giro.translate(-9.2, -42.6);
    const Tela coda{tela.p, giro * tela.t};
    QPainterPath c;
    c.moveTo(9.2, 42);
    c.cubicTo(5.5, 43.5, 4.2, 48, 4.6, 53);
    c.cubicTo(4.8, 56, 3.8, 58.5, 3.6, 60.5); // the switch, ending in locks
    c.lineTo(5, 59.4);
    c.lineTo(5.6, 61);
    c.lineTo(6.6, 59);
    c.cubicTo(7.4, 55, 6.8, 50, 8.6, 45.6);
    c.closeSubpath();
    coda.Modella(c, f.crini, kContorno, 0.8, 0.5);
    QPainterPath fili;
    fili.moveTo(8, 44);
    fili.cubicTo(5.8, 47, 5.6, 52, 4.8, 58.5);
    fili.moveTo(8.4, 46.5);
    fili.cubicTo(6.8, 50, 6.6, 54, 6, 58.6);
    fili.moveTo(7, 44.6);
    fili.cubicTo(5.2, 48, 5.4, 53, 4.2, 59.6);
    coda.Tratto(fili, f.crini.ombra, kTrattoInterno);
}

} // namespace

QPointF DisegnaCavallo(const Tela &tela, const Andatura &a, const Finimenti &f)
{
    // In the larger drawing the coat is laid in flat tones, not engraved:
    // on the cream and the white the lines were read as dirt, not modelling.
    const SenzaIncisione liscio;
    // The head and neck turn about the withers; the head is drawn a little
    // small and grown about the poll, so that it stays on the neck.
    QTransform giro;
    giro.translate(25, 42);
    giro.rotate(-a.collo);
    giro.scale(a.misuraCollo, a.misuraCollo);
    giro.translate(-25, -42);
    QTransform cresce;
    cresce.translate(kNuca.x(), kNuca.y());
    cresce.scale(kCapo, kCapo);
    cresce.translate(-kNuca.x(), -kNuca.y());
    const QTransform giroCapo = cresce * giro;
    const Tela collo{tela.p, giro * tela.t};
    const Tela testa{tela.p, giroCapo * tela.t};

    // The far legs, in the shade of the near ones.
    const Tinta lontano{f.manto.corpo, f.manto.ombra, f.manto.ombra.darker(118)};
    const Tinta corno{QColor(0x8C, 0x80, 0x76), QColor(0x6A, 0x5E, 0x56), QColor(0x4A, 0x40, 0x3A)};
    const QPainterPath lontane = U(Stinco(a.anterioreLontana, false), Stinco(a.posterioreLontana, true));
    tela.Modella(U(Zoccolo(a.anterioreLontana), Zoccolo(a.posterioreLontana)), corno, kContorno, 0.5, 0);
    tela.Modella(lontane, lontano, kContorno, 0.8, 0.5);
    if (f.punte != Punte::No)
        tela.Modella(
            Intersezione(lontane, Piatto(U(Punta(a.anterioreLontana, f.punte), Punta(a.posterioreLontana, f.punte)))),
            {f.crini.corpo, f.crini.ombra, f.crini.ombra.darker(118)}, kContorno, 0.6, 0.3);
    Coda(tela, f, a.coda);

    // Body, neck, head, ears and the near legs are one shape.
    const QPainterPath tronco = Tronco();
    QPainterPath cavallo = U(tronco, U(Stinco(a.anteriore, false), Stinco(a.posteriore, true)));
    const QPainterPath capo = U(Testa(), U(Orecchio({35.8, 27.6}, {37.0, 23.8}), Orecchio({34.6, 27.8}, {35.0, 24.2})));
    cavallo = U(cavallo, U(giro.map(Collo()), giroCapo.map(capo)));
    tela.Modella(U(Zoccolo(a.anteriore), Zoccolo(a.posteriore)), corno, kContorno, 0.5, 0);
    // A pale coat at the natural size is drawn firmer (see pallido): its
    // outline a pixel heavier on the side away from the light, a wider
    // crescent of shade and none of light (on the card's white it thinned
    // the head and the forequarters away), shade laid flat, and no fine
    // muscle lines.
    const bool pallidoAlPixel = f.pallido && InchiostroDelPixelInUso();
    if (pallidoAlPixel) {
        tela.p.setPen(Qt::NoPen);
        tela.p.setBrush(kContorno);
        tela.p.drawPath(tela.Su(cavallo).translated(0.7, 0.7));
    }
    tela.Modella(cavallo, f.manto, kContorno, pallidoAlPixel ? 2.0 : 1.3, pallidoAlPixel ? 0 : 0.8);
    if (Piatta()) {
        // Flat, the body's edge away from the light in the half tone between
        // the coat and its shade, where the pixel picture lays its crescent.
        const QPainterPath corpo = tela.Su(cavallo);
        const qreal d = 1.3 * kLargoIncisione;
        tela.p.setPen(Qt::NoPen);
        tela.p.setBrush(AMeta(f.manto.corpo, f.manto.ombra));
        tela.p.drawPath(Differenza(corpo, corpo.translated(-d, -d)));
    }
    if (f.punte != Punte::No)
        tela.Modella(Intersezione(cavallo, Piatto(U(Punta(a.anteriore, f.punte), Punta(a.posteriore, f.punte)))),
                     f.crini, kContorno, 0.6, 0.3);

    // Shade engraved under the belly, on the hindquarters and along the
    // underside of the neck: one hatching for the three.
    // Each bounded by one long curve, as a printer's second colour lies:
    // ovals read as patches stuck on.
    QPainterPath ventre;
    ventre.moveTo(6, 62);
    ventre.lineTo(6, 53.6);
    ventre.quadTo(20, 55.6, 33, 53.4);
    ventre.lineTo(33, 62);
    ventre.closeSubpath();
    QPainterPath coscia;
    coscia.moveTo(0, 43.6);
    coscia.lineTo(6.4, 43.6);
    coscia.quadTo(13.2, 49.6, 9.2, 57.6);
    coscia.lineTo(0, 57.6);
    coscia.closeSubpath();
    QPainterPath gola; // a strip just inside the throat
    gola.moveTo(36.6, 32.4);
    gola.lineTo(35, 35.6);
    gola.lineTo(33.8, 40);
    gola.lineTo(32.8, 45.4);
    gola.lineTo(31.6, 45);
    gola.lineTo(32.6, 40);
    gola.lineTo(33.6, 35.6);
    gola.lineTo(35.2, 32.6);
    gola.closeSubpath();
    const QPainterPath ombra = U(Intersezione(tronco, Piatto(U(ventre, coscia))), giro.map(gola));
    if (pallidoAlPixel)
        tela.Modella(ombra, {f.manto.ombra, f.manto.ombra, f.manto.ombra}, Qt::transparent, 0, 0);
    else
        tela.Ombra(ombra, f.manto.ombra, false);
    if (f.pomellato && OrnatoMinuto()) {
        // Dapples, as one area: round spots of the light tone, thickest on
        // the quarters, fading towards the belly.
        QPainterPath pomelli;
        for (const auto &[x, y, r] : std::initializer_list<std::tuple<qreal, qreal, qreal>>{{8.6, 45.2, 1.1},
                                                                                            {11.4, 44.2, 1.0},
                                                                                            {7.4, 48.2, 0.9},
                                                                                            {10.4, 47.4, 1.1},
                                                                                            {13.4, 46.6, 0.9},
                                                                                            {9.4, 50.6, 0.8},
                                                                                            {12.6, 49.8, 0.9},
                                                                                            {16.2, 45.6, 0.9},
                                                                                            {15.4, 48.6, 0.8},
                                                                                            {19.2, 47.2, 0.8},
                                                                                            {22.4, 46.2, 0.7},
                                                                                            {18.4, 50.4, 0.7},
                                                                                            {25.2, 47.6, 0.6},
                                                                                            {28.8, 45.6, 0.6},
                                                                                            {21.6, 50.2, 0.6}})
            pomelli.addPath(Poligonale({x, y}, r * 0.85, r * 0.72, 8));
        tela.Modella(Intersezione(pomelli, tronco), {f.manto.luce, f.manto.luce, f.manto.luce}, Qt::transparent, 0, 0);
    }

    // Muscles and joints in fine lines of the coat's shade. Not on a pale
    // coat at the natural size: in its deeper shade there the lines fall
    // as stray dark pixels, and the coat was read as speckled and dirty.
    QPainterPath pieghe;
    pieghe.moveTo(26.2, 43.5); // the shoulder blade
    pieghe.cubicTo(27.5, 46.5, 28, 49, 27.6, 52.5);
    pieghe.moveTo(14.8, 45.5); // the stifle
    pieghe.cubicTo(16.5, 48, 16.6, 50.5, 15.6, 53);
    pieghe.moveTo(9.5, 42.6); // the round of the quarters
    pieghe.cubicTo(12.5, 42.8, 15, 44, 16, 46);
    for (const Gamba *g : {&a.anteriore, &a.posteriore}) {
        // The fetlock's fold.
        const QPointF n = g->nodello + (g->ginocchio - g->nodello) * 0.12;
        pieghe.moveTo(n + QPointF(-0.9, 0));
        pieghe.lineTo(n + QPointF(0.9, 0.1));
        // The knee's or the hock's bony front.
        pieghe.moveTo(g->ginocchio + (g->attacco - g->ginocchio) * 0.12 + QPointF(0.9, 0));
        pieghe.quadTo(g->ginocchio + QPointF(1.3, 0.2),
                      g->ginocchio + (g->nodello - g->ginocchio) * 0.15 + QPointF(0.8, 0));
    }
    if (!pallidoAlPixel)
        tela.Tratto(pieghe, f.manto.ombra.darker(115), kTrattoInterno);
    QPainterPath muso;
    muso.moveTo(35.4, 31.0); // the cheek's round
    muso.cubicTo(37.4, 31.4, 38.2, 33.8, 36.8, 35.8);
    muso.moveTo(39.6, 37.4); // the mouth
    muso.quadTo(40.6, 37.6, 41.8, 37.0);
    muso.moveTo(38.6, 30.0); // the bone above the eye
    muso.quadTo(39.4, 31.6, 40.4, 33.6);
    if (!pallidoAlPixel)
        testa.Tratto(muso, f.manto.ombra.darker(115), kTrattoInterno);
    QPainterPath muscolo;
    muscolo.moveTo(31.2, 33.5); // the neck's muscle
    muscolo.cubicTo(30.8, 37, 30.2, 40, 30.5, 43);
    if (!pallidoAlPixel)
        collo.Tratto(muscolo, f.manto.ombra.darker(115), kTrattoInterno);

    Criniera(collo, f);
    Ciuffo(testa, f);

    // The eye and the nostril.
    // The eye, low on the side of the head, under its lid.
    QPainterPath occhio;
    occhio.moveTo(36.7, 31.1);
    occhio.quadTo(37.5, 30.2, 38.4, 30.8);
    occhio.quadTo(37.6, 31.8, 36.7, 31.1);
    occhio.closeSubpath();
    if (Piatta()) // when large a small dark eye: a full almond reads as a toy's
        occhio = QTransform::fromTranslate(37.55, 30.95).scale(0.65, 0.65).translate(-37.55, -30.95).map(occhio);
    testa.p.setPen(Qt::NoPen);
    testa.p.setBrush(kContorno);
    testa.p.drawPath(testa.Su(occhio));
    QPainterPath palpebra;
    palpebra.moveTo(36.4, 30.6);
    palpebra.quadTo(37.5, 29.6, 38.8, 30.6);
    testa.Tratto(palpebra, f.manto.ombra.darker(115), kTrattoInterno);
    testa.Macchie({{41.3, 35.6}}, 0.4, f.manto.ombra.darker(160));

    // The bridle: headstall, browband, noseband, with studs of gold.
    // The cheekpiece follows the round of the cheek down to the bit; the
    // noseband and browband go round the head, not across it.
    QPainterPath briglia;
    briglia.moveTo(35.5, 27.8);
    briglia.quadTo(36.0, 32.6, 38.9, 36.5);
    briglia.moveTo(37.9, 34.9);
    briglia.quadTo(39.6, 33.8, 41.7, 33.7);
    // At the natural size the cheekpiece and noseband alone: four straps
    // a pixel wide over so small a head tangle into a net.
    if (!InchiostroDelPixelInUso()) {
        briglia.moveTo(34.6, 28.5);
        briglia.quadTo(35.8, 29.1, 37.0, 28.9);
        briglia.moveTo(35.6, 30.2);
        briglia.quadTo(34.4, 31.4, 34.6, 33.0);
    }
    testa.Tratto(briglia, f.briglia, Cinghia(0.32));
    if (!InchiostroDelPixelInUso())
        testa.Macchie({{36.3, 32.0}, {38.2, 34.9}}, 0.4, kOro);
    return giroCapo.map(QPointF(39.2, 36.8));
}

// How far before the seat the saddle cloth's middle is, in the horse's frame.
constexpr qreal kAvantiTelo = 1.4;

void DisegnaSella(const Tela &tela, QPointF s, const Finimenti &f)
{
    // The cloth hangs from the back in folds and ends in a scalloped border,
    // as far before the seat as behind the cantle: laid mostly behind it,
    // the rider seemed perched on its front edge, over the withers.
    const QPointF t = s + QPointF(kAvantiTelo, -0.15 * kAvantiTelo);
    QPainterPath telo;
    telo.moveTo(t + QPointF(-6.2, 0.4));
    telo.cubicTo(t + QPointF(-2, 1.6), t + QPointF(2, 1.2), t + QPointF(5.2, -0.4));
    telo.lineTo(t + QPointF(6.4, 8.0));
    for (int i = 0; i < 5; ++i) {
        const qreal x = 6.4 - 2.6 * (i + 1);
        telo.quadTo(t + QPointF(x + 1.3, 9.6 - 0.1 * i), t + QPointF(x, 8.1 - 0.05 * i));
    }
    telo.closeSubpath();
    tela.Modella(telo, f.gualdrappa, kContorno, 1.0, 0.6);
    tela.Tratteggia(telo, f.gualdrappa.ombra, 1.4, 80);
    QPainterPath orlo;
    orlo.moveTo(t + QPointF(-6.2, 7.0));
    orlo.lineTo(t + QPointF(6.2, 6.7));
    tela.Tratto(orlo, f.bordura, 0.8);
    // Cantle and pommel rise either side of the seat.
    QPainterPath sella;
    sella.moveTo(s + QPointF(-4.6, 1.2));
    sella.quadTo(s + QPointF(-5, -2.6), s + QPointF(-3.4, -2.8));
    sella.quadTo(s + QPointF(-2.8, -0.4), s + QPointF(0, 0.6));
    sella.quadTo(s + QPointF(2.6, 0.2), s + QPointF(3.6, -1.6));
    sella.quadTo(s + QPointF(4.8, -0.8), s + QPointF(4.6, 1.0));
    sella.closeSubpath();
    const Tinta cuoio{QColor(0xB0, 0x6A, 0x30), QColor(0x8A, 0x4C, 0x1E), QColor(0x62, 0x32, 0x10)};
    tela.Modella(sella, cuoio, kContorno, 0.5, 0.4);
}

void DisegnaFinimenti(const Tela &tela, const Finimenti &f)
{
    // The breast strap and the crupper, studded with gold.
    QPainterPath cinghie;
    cinghie.moveTo(25.4, 44.2);
    cinghie.cubicTo(28, 47.4, 30.6, 48.6, 32.9, 48.2);
    cinghie.moveTo(14.4, 42.2);
    cinghie.cubicTo(12.4, 42.4, 10.4, 42.6, 8.6, 43.6);
    tela.Tratto(cinghie, f.briglia, Cinghia(0.5));
    tela.Macchie({{27.4, 46.4}, {29.8, 47.9}, {32.1, 48.3}, {11.6, 42.6}}, 0.45, kOro);
}

} // namespace belvane::cardart
