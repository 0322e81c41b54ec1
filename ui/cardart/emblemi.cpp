// The round emblems, the coin and the cup, and where any emblem is placed.
#include "emblemi.h"

#include "emblemi_forme.h"
#include "pennelli.h"
#include "registrazione.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace belvane::cardart {
namespace {

// A ring of `n` petals round the origin, `giro` from it, as one shape.
QPainterPath Rosetta(int n, qreal giro, qreal rx, qreal ry)
{
    QPainterPath fiore;
    for (int i = 0; i < n; ++i) {
        QTransform t;
        t.rotate(i * 360.0 / n);
        fiore = Unione(fiore, t.map(Cerchio({0, -giro}, rx, ry)));
    }
    return fiore;
}

} // namespace

// A golden coin: a raised rim, and in the field a red rose of six petals
// round a golden heart. The ace's coin bears the eagle instead (assi.cpp).
void Denaro(QPainter &p, qreal h, Ornato ornato)
{
    const qreal r = h / 2;
    if (ornato == Ornato::Si) {
        MonetaConAquila(p, r);
        return;
    }
    const QPainterPath moneta = Cerchio({0, 0}, r, r);
    Modella(p, moneta, kTintaOro, kContornoEmblema, std::clamp(r * 0.16, 0.6, 2.0), std::clamp(r * 0.11, 0.4, 1.2));
    // Engraved shade on the coin's lower right, too fine to show at the
    // natural size.
    Tratteggia(p, Differenza(moneta, moneta.translated(-r * 0.3, -r * 0.3)), kOroCavo, std::max(0.7, r * 0.12), 45,
               std::max(0.2, r * 0.035));
    // The rim: a second ring inside the edge.
    const qreal bordo = r * 0.74;
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kOroCavo, std::clamp(r * 0.07, 0.3, 0.8)));
    p.drawEllipse(QPointF(0, 0), bordo, bordo);
    const QPainterPath rosa = Rosetta(6, r * 0.3, r * 0.17, r * 0.27);
    Riempi(p, rosa, kTintaRosso.corpo, kTintaRosso.ombra, std::clamp<qreal>(r * 0.06, 0.3, kTrattoFine));
    Macchia(p, {0, 0}, r * 0.16, r * 0.16, kTintaOro.luce);
}

// A golden goblet: a deep bowl with a red band, a knopped stem, a spreading
// foot; the mouth shows the darker gold inside. The ace's adds gems, pearls
// along the lip and lobes round the bowl.
void Coppa(QPainter &p, qreal h, Ornato ornato)
{
    const bool grande = ornato == Ornato::Si;
    const qreal w = h * (grande ? 0.7 : 0.64);   // a pip slimmer, so that three stand apart in a row
    const qreal bocca = std::max(0.9, h * 0.07); // half the mouth's depth
    const qreal top = -h / 2 + bocca;
    // The foot's top: on a pip higher, so that its gold shows between its
    // outlines at the natural size.
    const qreal piede = h * (grande ? 0.4 : 0.36);
    QPainterPath coppa;
    coppa.moveTo(-w / 2, top);
    coppa.cubicTo(-w / 2, -h * 0.02, -w * 0.2, h * 0.04, -w * 0.09, h * 0.06);
    // the knop
    coppa.cubicTo(-w * 0.22, h * 0.1, -w * 0.22, h * 0.2, -w * 0.09, h * 0.22);
    coppa.lineTo(-w * 0.08, h * 0.32);
    coppa.cubicTo(-w * 0.12, piede, -w * 0.42, piede, -w * 0.44, h * 0.5);
    coppa.lineTo(w * 0.44, h * 0.5);
    coppa.cubicTo(w * 0.42, piede, w * 0.12, piede, w * 0.08, h * 0.32);
    coppa.lineTo(w * 0.09, h * 0.22);
    coppa.cubicTo(w * 0.22, h * 0.2, w * 0.22, h * 0.1, w * 0.09, h * 0.06);
    coppa.cubicTo(w * 0.2, h * 0.04, w / 2, -h * 0.02, w / 2, top);
    coppa.closeSubpath();
    coppa = Unione(coppa, Cerchio({0, top}, w / 2, bocca));
    Modella(p, coppa, kTintaOro, kContornoEmblema, std::clamp(h * 0.07, 0.6, 2.2), std::clamp(h * 0.045, 0.4, 1.3));
    // Fluting on the lower bowl, engraved.
    QPainterPath fondo;
    fondo.addRect(QRectF(-w / 2, -h * 0.12, w, h * 0.2));
    Tratteggia(p, Intersezione(coppa, fondo), kOroCavo, std::max(0.9, h * (grande ? 0.04 : 0.06)), 0,
               std::max(0.25, h * 0.012));
    // Engraved shade down the bowl's and the foot's right side: a few
    // lines following the contour, which cost far less to fill than a
    // hatching.
    QPainterPath incise;
    for (int i = 0; i < 3; ++i) {
        const qreal d = w * (0.36 - 0.07 * i);
        incise.moveTo(d, -h * 0.2);
        incise.quadTo(d, -h * 0.02, d * 0.35, h * (0.05 - 0.01 * i));
    }
    incise.moveTo(w * 0.18, h * 0.43);
    incise.quadTo(w * 0.32, h * 0.45, w * 0.38, h * 0.48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOroCavo, std::max(0.2, h * 0.012), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(incise);
    // The red band round the bowl, following its curve.
    QPainterPath fascia;
    fascia.addRect(QRectF(-w / 2, -h * 0.3, w, std::max(1.2, h * 0.09)));
    fascia = Intersezione(Intersezione(coppa, fascia), Cerchio({0, -h * 0.2}, w * 0.47, h));
    Riempi(p, fascia, kTintaRosso.corpo, kTintaRosso.ombra, std::clamp(h * 0.02, 0.25, 0.6));
    Ellisse(p, {0, top}, w / 2 - 0.2, bocca - 0.2, kOroCavo, kOroScuro, std::clamp<qreal>(h * 0.04, 0.4, kTratto));
    if (grande) {
        QPainterPath gemme;
        for (int i = -2; i <= 2; ++i)
            gemme.addEllipse(QPointF(i * w * 0.17, -h * 0.3 + h * 0.045), h * 0.022, h * 0.03);
        gemme.addEllipse(QPointF(0, h * 0.14), h * 0.03, h * 0.03);
        Riempi(p, gemme, kBlu, kOroScuro, 0.4);
        // Lobes round the lower bowl, each lit on its left.
        QPainterPath lobi;
        for (int i = -3; i <= 3; ++i)
            lobi.addEllipse(QPointF(i * w * 0.13, -h * 0.05), w * 0.058, h * 0.1);
        lobi = Intersezione(lobi, coppa);
        Riempi(p, lobi, kTintaOro.luce, kOroCavo, 0.4);
        // Pearls along the lip.
        QPainterPath perle;
        for (int i = -5; i <= 5; ++i)
            perle.addEllipse(QPointF(i * w * 0.085, top + bocca * 0.95 * std::sqrt(1 - std::pow(i / 6.0, 2))),
                             h * 0.014, h * 0.014);
        p.setPen(Qt::NoPen);
        p.setBrush(kTintaOro.luce);
        p.drawPath(perle);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kOroScuro, 0.4));
        p.drawLine(QPointF(-w * 0.3, h * 0.45), QPointF(w * 0.3, h * 0.45));
    }
}

namespace {

// An emblem's shapes are worked out by boolean operations on paths, which
// cost far more than filling them; and the pips of a suit are all one size.
// So each emblem is drawn once, kept as the areas it fills (fine enough for
// a card several times its recorded size), and filled again wherever it
// stands.
struct Chiave {
    Seme seme;
    qreal altezza;
    Ornato ornato;
    qreal curva;
    const Inchiostro *inchiostro; // drawn with the ink of the picture it goes in
    bool operator==(const Chiave &) const = default;
};

constexpr qreal kScalaEmblemi = 32;
constexpr std::size_t kEmblemiTenuti = 64;
// Shapes made by boolean operations come back flattened very finely, and a
// round-jointed pen along them multiplies their points: points closer than
// this to the line through their neighbours go, which no size shows.
constexpr qreal kTolleranza = 0.03;

// Douglas and Peucker's simplification of a recorded area. Its subpaths are
// joined by spokes out of and back to its first point: those points stay, so
// that each spoke goes out and back along one line and shows nothing.
QPolygonF Semplifica(const QPolygonF &linea)
{
    const qsizetype n = linea.size();
    if (n < 4)
        return linea;
    std::vector<char> tieni(size_t(n), 0);
    std::vector<std::pair<qsizetype, qsizetype>> pila;
    qsizetype ancora = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const bool perno = linea[i] == linea[0] || i == n - 1 || (i + 1 < n && linea[i + 1] == linea[0]) ||
            (i > 0 && linea[i - 1] == linea[0]);
        if (!perno)
            continue;
        tieni[size_t(i)] = 1;
        if (i > ancora + 1)
            pila.push_back({ancora, i});
        ancora = i;
    }
    while (!pila.empty()) {
        const auto [a, b] = pila.back();
        pila.pop_back();
        const QPointF pa = linea[a], d = linea[b] - pa;
        const qreal lungo = std::hypot(d.x(), d.y());
        qreal peggiore = 0;
        qsizetype dove = -1;
        for (qsizetype i = a + 1; i < b; ++i) {
            const QPointF v = linea[i] - pa;
            const qreal scarto =
                lungo > 1e-9 ? std::abs(v.x() * d.y() - v.y() * d.x()) / lungo : std::hypot(v.x(), v.y());
            if (scarto > peggiore) {
                peggiore = scarto;
                dove = i;
            }
        }
        if (dove >= 0 && peggiore > kTolleranza) {
            tieni[size_t(dove)] = 1;
            pila.push_back({a, dove});
            pila.push_back({dove, b});
        }
    }
    QPolygonF semplice;
    for (qsizetype i = 0; i < n; ++i)
        if (tieni[size_t(i)])
            semplice << linea[i];
    return semplice;
}

// Shared, so that dropping the oldest while another thread fills it is safe.
std::shared_ptr<const Registrazione> Disegno(const Chiave &k)
{
    static std::mutex guardia;
    static std::deque<std::pair<Chiave, std::shared_ptr<const Registrazione>>> tenuti;
    const std::lock_guard blocco(guardia);
    for (const auto &[chiave, disegno] : tenuti)
        if (chiave == k)
            return disegno;
    if (tenuti.size() >= kEmblemiTenuti)
        tenuti.pop_front();
    const auto disegna = [&k](QPainter &p) {
        switch (k.seme) {
        case Seme::Bastoni:
            if (k.ornato == Ornato::Carta)
                BastoneDaContare(p, k.altezza, k.curva < 0);
            else
                Bastone(p, k.altezza, k.ornato);
            break;
        case Seme::Coppe:
            if (k.ornato == Ornato::Carta)
                CoppaDiCarta(p, k.altezza);
            else
                Coppa(p, k.altezza, k.ornato);
            break;
        case Seme::Denari:
            if (k.ornato == Ornato::Carta)
                DenaroDaContare(p, k.altezza);
            else
                Denaro(p, k.altezza, k.ornato);
            break;
        case Seme::Spade:
            if (k.ornato == Ornato::Carta)
                SpadaDaContare(p, k.altezza, k.curva);
            else
                Spada(p, k.altezza, k.ornato, k.curva);
            break;
        }
    };
    const Registrazione disegno = Registra(disegna, kScalaEmblemi);
    // A pip club in the larger drawing leans, its head further out than its
    // grip: its whole drawing is set in the middle of its place across, as
    // every other pip stands, or a card's clubs stand off its middle. (The
    // pixels' one is laid in the middle already.)
    qreal spostamento = 0;
    if (k.seme == Seme::Bastoni && k.ornato == Ornato::Carta && !InchiostroDelPixelInUso()) {
        QRectF riquadro;
        for (const Campitura &c : disegno.campiture)
            riquadro |= Poligono(disegno, c).boundingRect();
        spostamento = -riquadro.center().x();
    }
    Registrazione semplice;
    semplice.completa = disegno.completa;
    for (const Campitura &c : disegno.campiture)
        semplice.completa &= AggiungiCampitura(semplice, c.colore, c.regola,
                                               Semplifica(Poligono(disegno, c).translated(spostamento, 0)));
    tenuti.emplace_back(k, std::make_shared<const Registrazione>(std::move(semplice)));
    return tenuti.back().second;
}

} // namespace

void Emblema(QPainter &p, Seme seme, QPointF centro, qreal altezza, qreal angolo, Ornato ornato, qreal curva)
{
    // A blade's bend; of a pip club only the side it leans to.
    const qreal piega = seme == Seme::Spade                             ? curva
        : seme == Seme::Bastoni && ornato == Ornato::Carta && curva < 0 ? -1
                                                                        : 0;
    const std::shared_ptr<const Registrazione> disegno = Disegno({seme, altezza, ornato, piega, &InchiostroCorrente()});
    p.save();
    p.translate(centro);
    p.rotate(angolo);
    // Filled as drawn: the painter's render hints are the caller's (the
    // bitmaps of the natural size are sampled without smoothing).
    p.setPen(Qt::NoPen);
    for (const Campitura &c : disegno->campiture) {
        p.setBrush(QColor::fromRgba(c.colore));
        p.drawPolygon(Poligono(*disegno, c), c.regola);
    }
    p.restore();
}

Impugnatura ImpugnaturaDellaSpada(qreal altezza) { return ImpugnaturaDiSpada(altezza); }

} // namespace belvane::cardart
