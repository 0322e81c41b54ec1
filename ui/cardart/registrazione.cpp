#include "registrazione.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <climits>
#include <utility>

namespace belvane::cardart {
namespace {

// Takes each shape as QPainter hands it over, in the painting's units with
// the painter's transform, and keeps the areas it would fill.
class Registratore final : public QPaintEngine {
public:
    Registratore() : QPaintEngine(AllFeatures) {}

    Registrazione registrazione;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &stato) override
    {
        const DirtyFlags cambiati = stato.state();
        if (cambiati & DirtyPen)
            penna_ = stato.pen();
        if (cambiati & DirtyBrush)
            pennello_ = stato.brush();
        if (cambiati & DirtyTransform)
            trasforma_ = stato.transform();
        if ((cambiati & DirtyOpacity) && stato.opacity() != 1.0)
            registrazione.completa = false;
        if ((cambiati & DirtyCompositionMode) && stato.compositionMode() != QPainter::CompositionMode_SourceOver)
            registrazione.completa = false;
        if ((cambiati & (DirtyClipPath | DirtyClipRegion)) || ((cambiati & DirtyClipEnabled) && stato.isClipEnabled()))
            registrazione.completa = false;
    }

    void drawPath(const QPainterPath &path) override
    {
        if (pennello_.style() != Qt::NoBrush)
            Aggiungi(path, pennello_);
        if (penna_.style() == Qt::NoPen)
            return;
        if (penna_.isCosmetic()) // its width is in pixels, which a recording does not have
            registrazione.completa = false;
        else
            Aggiungi(QPainterPathStroker(penna_).createStroke(path), penna_.brush());
    }

    void drawPolygon(const QPointF *punti, int n, PolygonDrawMode modo) override
    {
        if (n <= 0)
            return;
        QPainterPath path(punti[0]);
        for (int i = 1; i < n; ++i)
            path.lineTo(punti[i]);
        if (modo == PolylineMode) {
            const QBrush pennello = std::exchange(pennello_, Qt::NoBrush);
            drawPath(path);
            pennello_ = pennello;
            return;
        }
        path.closeSubpath();
        path.setFillRule(modo == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
        drawPath(path);
    }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { registrazione.completa = false; }
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        registrazione.completa = false;
    }
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override { registrazione.completa = false; }
    void drawTextItem(const QPointF &, const QTextItem &) override { registrazione.completa = false; }

    // The transform that takes the painting's units to the fine grid curves
    // are flattened on, and back.
    QTransform dallaGriglia;

private:
    void Aggiungi(const QPainterPath &path, const QBrush &pennello)
    {
        if (pennello.style() != Qt::SolidPattern) {
            registrazione.completa = false;
            return;
        }
        QPolygonF poligono = dallaGriglia.map(path.toFillPolygon(trasforma_));
        if (!poligono.isEmpty())
            registrazione.campiture.push_back({pennello.color(), path.fillRule(), std::move(poligono)});
    }

    QPen penna_;
    QBrush pennello_;
    QTransform trasforma_;
};

// What QPainter paints on: only its engine and a size are ever asked for.
class Foglio final : public QPaintDevice {
public:
    explicit Foglio(Registratore &motore) : motore_(motore) {}
    QPaintEngine *paintEngine() const override { return &motore_; }

protected:
    int metric(PaintDeviceMetric metrica) const override
    {
        switch (metrica) {
        case PdmWidth:
        case PdmHeight:
        case PdmWidthMM:
        case PdmHeightMM:
            return INT_MAX / 4;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    Registratore &motore_;
};

} // namespace

Registrazione Registra(const std::function<void(QPainter &)> &scena, qreal scalaMassima)
{
    // Qt flattens a curve to within about half a unit of where it is drawn:
    // on a grid twice the largest scale that is a quarter of a pixel.
    const qreal griglia = 2 * std::max<qreal>(1, scalaMassima);
    Registratore motore;
    motore.dallaGriglia = QTransform::fromScale(1 / griglia, 1 / griglia);
    Foglio foglio(motore);
    {
        QPainter painter(&foglio);
        painter.scale(griglia, griglia);
        scena(painter);
    }
    return std::move(motore.registrazione);
}

void Riproduci(QPainter &painter, const Registrazione &registrazione)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    for (const Campitura &c : registrazione.campiture) {
        painter.setBrush(c.colore);
        painter.drawPolygon(c.poligono, c.regola);
    }
    painter.restore();
}

} // namespace belvane::cardart
