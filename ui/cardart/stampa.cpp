#include "stampa.h"

#include "foglio.h"

#include "pennelli.h"

#include <QPaintEngine>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace belvane::cardart {

namespace {

// How many FuoriContorno are alive on this thread.
thread_local int fuori = 0;
// How many SenzaIncisione are alive on this thread.
thread_local int lisce = 0;

// Curves are flattened on a grid this many times finer than a card unit,
// well under a pixel at the largest size a card is drawn from its outline.
constexpr qreal kGriglia = 16;

// Keeps the outline of every area a figure fills (not its pens' strokes:
// a rein or a fold is not part of its silhouette), in card units.
class Sagomatore final : public QPaintEngine {
public:
    Sagomatore() : QPaintEngine(AllFeatures) {}

    std::vector<QPainterPath> aree;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &stato) override
    {
        if (stato.state() & DirtyBrush)
            pennello_ = stato.brush();
        if (stato.state() & DirtyTransform)
            trasforma_ = stato.transform();
    }

    void drawPath(const QPainterPath &path) override
    {
        if (pennello_.style() == Qt::NoBrush || fuori > 0)
            return;
        QPainterPath area;
        area.addPolygon(QTransform::fromScale(1 / kGriglia, 1 / kGriglia).map(path.toFillPolygon(trasforma_)));
        area.closeSubpath();
        area.setFillRule(path.fillRule());
        aree.push_back(std::move(area));
    }

    void drawPolygon(const QPointF *punti, int n, PolygonDrawMode modo) override
    {
        if (n <= 0 || modo == PolylineMode)
            return;
        QPainterPath path(punti[0]);
        for (int i = 1; i < n; ++i)
            path.lineTo(punti[i]);
        path.closeSubpath();
        path.setFillRule(modo == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
        drawPath(path);
    }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

private:
    QBrush pennello_;
    QTransform trasforma_;
};

// The union of `aree`, joined two by two so that each join is between
// outlines of about the same size.
QPainterPath Unisci(std::vector<QPainterPath> aree)
{
    if (aree.empty())
        return {};
    while (aree.size() > 1) {
        std::vector<QPainterPath> unite;
        for (size_t i = 0; i + 1 < aree.size(); i += 2)
            unite.push_back(aree[i].united(aree[i + 1]));
        if (aree.size() % 2)
            unite.push_back(aree.back());
        aree = std::move(unite);
    }
    return aree.front();
}

// The outline of all that `disegna` fills, in card units.
QPainterPath Sagoma(const std::function<void(QPainter &)> &disegna)
{
    Sagomatore motore;
    Foglio foglio(motore);
    {
        QPainter painter(&foglio);
        painter.scale(kGriglia, kGriglia);
        disegna(painter);
    }
    return Unisci(std::move(motore.aree));
}

} // namespace

void Ombra(QPainter &p, const QPainterPath &forma, const QColor &colore, bool incisa)
{
    if (InchiostroDelPixelInUso())
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawPath(forma);
    if (incisa)
        Tratteggia(p, forma, Inchiostrato(colore), kPassoIncisione, kAngoloIncisione);
}

void Campitura(QPainter &p, const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra, qreal luce)
{
    if (!Piatta()) {
        Modella(p, forma, tinta, bordo, ombra, luce);
        return;
    }
    Modella(p, forma, tinta, QColor(Qt::transparent), 0, 0);
    // The edge away from the light engraved in the shade's tone inked (see
    // Ombra), where the pixel picture lays its crescent of shade.
    const QRectF r = forma.boundingRect();
    if (ombra > 0 && lisce == 0 && std::min(r.width(), r.height()) >= kMinimoInciso) {
        const qreal d = ombra * kLargoIncisione;
        Tratteggia(p, Differenza(forma, forma.translated(-d, -d)), Inchiostrato(tinta.ombra), kPassoBordo,
                   kAngoloIncisione, kTrattoInterno, forma);
    }
    if (bordo.alpha() == 0)
        return;
    p.setPen(Penna(bordo, kTrattoFine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(forma);
}

void Figura(QPainter &p, const std::function<void(QPainter &)> &disegna)
{
    if (InchiostroDelPixelInUso()) {
        disegna(p);
        return;
    }
    // The contour first, in the full ink: the figure drawn over it covers
    // all but what lies outside its shapes. Its shape again, moved away from
    // the light, makes it heavier on the shade side, as a block's line
    // swells there. Both are one area, filled once: the line's two edges and
    // a second fill of the whole figure cost twice as much at every size.
    QPainterPath sagoma;
    {
        const ConInchiostro inchiostro(kInchiostroFigura);
        sagoma = Sagoma(disegna);
    }
    // The line's joins bevelled: on an outline flattened this finely a
    // round join's arc is under a hundredth of a unit, and its curves would
    // make the union many times slower to work out.
    QPainterPathStroker tratto;
    tratto.setWidth(2 * kContornoFigura);
    tratto.setJoinStyle(Qt::BevelJoin);
    sagoma = Piatto(sagoma); // a tenth of its points, none of them showing
    const QPainterPath linea = tratto.createStroke(sagoma);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kContorno);
    p.drawPath(InCatena(linea.united(sagoma.translated(kPesoInOmbra, kPesoInOmbra)), sagoma));
    p.restore();
    const ConInchiostro inchiostro(kInchiostroFigura);
    disegna(p);
}

SenzaIncisione::SenzaIncisione() { ++lisce; }

SenzaIncisione::~SenzaIncisione() { --lisce; }

FuoriContorno::FuoriContorno() { ++fuori; }

FuoriContorno::~FuoriContorno() { --fuori; }

PiuGrandeAlPixel::PiuGrandeAlPixel(QPainter &p, QPointF centro, qreal largo, qreal alto) : p_(p)
{
    p_.save();
    if (!InchiostroDelPixelInUso())
        return;
    p_.translate(centro);
    p_.scale(largo, alto);
    p_.translate(-centro);
}

PiuGrandeAlPixel::~PiuGrandeAlPixel() { p_.restore(); }

void EmblemaTenuto(QPainter &p, Seme seme, QPointF centro, qreal altezza, qreal angolo, Ornato ornato, qreal curva)
{
    const FuoriContorno escluso;
    const ConInchiostro inchiostro(InchiostroDelPixelInUso() ? kInchiostroPixel : kInchiostroDisegno);
    Emblema(p, seme, centro, altezza, angolo, ornato, curva);
}

void SpadaTenuta(QPainter &p, QPointF pugno, qreal altezza, qreal angolo, qreal verso)
{
    // The fist closes near the pommel, so that the grip shows between it
    // and the guard.
    const Impugnatura presa = ImpugnaturaDellaSpada(altezza);
    const qreal a = qDegreesToRadians(angolo);
    EmblemaTenuto(p, Seme::Spade, pugno + QPointF(std::sin(a), -std::cos(a)) * (presa.centro + 1.2), altezza, angolo,
                  Ornato::No, verso * kCurvaSpadaTenuta);
}

} // namespace belvane::cardart
