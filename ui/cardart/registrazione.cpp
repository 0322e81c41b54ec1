#include "registrazione.h"

#include "riempimento.h"

#include <QDataStream>
#include <QIODevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPointF>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
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
        const QPolygonF poligono = dallaGriglia.map(path.toFillPolygon(trasforma_));
        if (!poligono.isEmpty() &&
            !AggiungiCampitura(registrazione, pennello.color().rgba(), path.fillRule(), poligono))
            registrazione.completa = false;
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
    painter.scale(1.0 / kPassiPerUnita, 1.0 / kPassiPerUnita);
    // One buffer per thread, grown to the largest area once.
    thread_local std::vector<QPointF> punti;
    for (const Campitura &c : registrazione.campiture) {
        punti.resize(c.quanti);
        const std::int16_t *p = registrazione.punti.data() + 2 * std::size_t(c.primo);
        for (std::uint32_t i = 0; i < c.quanti; ++i)
            punti[i] = QPointF(p[2 * i], p[2 * i + 1]);
        painter.setBrush(QColor::fromRgba(c.colore));
        painter.drawPolygon(punti.data(), int(c.quanti), c.regola);
    }
    painter.restore();
}

bool Riproduci(QImage &immagine, const QTransform &trasforma, QRect limite, const Registrazione &registrazione)
{
    if (!Riempitore::Adatta(immagine) || trasforma.type() > QTransform::TxScale)
        return false;
    // One filler and one buffer per thread, grown to the largest area once.
    thread_local Riempitore riempitore;
    thread_local std::vector<QPointF> punti;
    riempitore.Su(immagine, limite);
    const qreal sx = trasforma.m11() / kPassiPerUnita, sy = trasforma.m22() / kPassiPerUnita;
    const qreal dx = trasforma.dx(), dy = trasforma.dy();
    for (const Campitura &c : registrazione.campiture) {
        punti.resize(c.quanti);
        const std::int16_t *p = registrazione.punti.data() + 2 * std::size_t(c.primo);
        for (std::uint32_t i = 0; i < c.quanti; ++i)
            punti[i] = QPointF(p[2 * i] * sx + dx, p[2 * i + 1] * sy + dy);
        riempitore.Riempi(punti.data(), int(c.quanti), c.regola, c.colore);
    }
    return true;
}

QPolygonF Poligono(const Registrazione &registrazione, const Campitura &campitura)
{
    QPolygonF poligono;
    poligono.reserve(campitura.quanti);
    const std::int16_t *p = registrazione.punti.data() + 2 * std::size_t(campitura.primo);
    for (std::uint32_t i = 0; i < campitura.quanti; ++i)
        poligono << QPointF(p[2 * i], p[2 * i + 1]) / kPassiPerUnita;
    return poligono;
}

bool AggiungiCampitura(Registrazione &registrazione, QRgb colore, Qt::FillRule regola, const QPolygonF &poligono)
{
    const std::size_t primo = registrazione.punti.size();
    for (const QPointF &p : poligono)
        for (const qreal v : {p.x(), p.y()}) {
            const qreal passi = std::round(v * kPassiPerUnita);
            if (!(std::abs(passi) <= std::numeric_limits<std::int16_t>::max())) {
                registrazione.punti.resize(primo);
                return false;
            }
            registrazione.punti.push_back(std::int16_t(passi));
        }
    registrazione.campiture.push_back({colore, regola, std::uint32_t(primo / 2), std::uint32_t(poligono.size())});
    return true;
}

namespace {
constexpr quint32 kFirma = 0x424C5652; // "BLVR"
constexpr quint32 kVersione = 1;
} // namespace

QByteArray Serializza(const std::vector<Registrazione> &registrazioni)
{
    QByteArray byte;
    QDataStream out(&byte, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kFirma << kVersione << quint32(registrazioni.size());
    for (const Registrazione &r : registrazioni) {
        out << quint8(r.completa) << quint32(r.campiture.size()) << quint32(r.punti.size());
        for (const Campitura &c : r.campiture)
            out << quint32(c.colore) << quint8(c.regola == Qt::OddEvenFill) << c.primo << c.quanti;
        for (const std::int16_t v : r.punti)
            out << qint16(v);
    }
    return byte;
}

std::optional<std::vector<Registrazione>> Deserializza(QByteArrayView byte)
{
    QByteArray copia = byte.toByteArray();
    QDataStream in(&copia, QIODevice::ReadOnly);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 firma = 0, versione = 0, quante = 0;
    in >> firma >> versione >> quante;
    // Every recording takes at least 9 bytes: no count can ask for more than there is.
    if (in.status() != QDataStream::Ok || firma != kFirma || versione != kVersione || quante > quint32(byte.size() / 9))
        return std::nullopt;
    std::vector<Registrazione> registrazioni(quante);
    for (Registrazione &r : registrazioni) {
        quint8 completa = 0;
        quint32 nCampiture = 0, nPunti = 0;
        in >> completa >> nCampiture >> nPunti;
        const qint64 restanti = byte.size() - in.device()->pos();
        if (in.status() != QDataStream::Ok || nPunti % 2 || qint64(nCampiture) * 13 + qint64(nPunti) * 2 > restanti)
            return std::nullopt;
        r.completa = completa;
        r.campiture.resize(nCampiture);
        for (Campitura &c : r.campiture) {
            quint32 colore = 0;
            quint8 pariDispari = 0;
            in >> colore >> pariDispari >> c.primo >> c.quanti;
            c.colore = colore;
            c.regola = pariDispari ? Qt::OddEvenFill : Qt::WindingFill;
            if (quint64(c.primo) + c.quanti > nPunti / 2)
                return std::nullopt;
        }
        r.punti.resize(nPunti);
        for (std::int16_t &v : r.punti) {
            qint16 x = 0;
            in >> x;
            v = x;
        }
        if (in.status() != QDataStream::Ok)
            return std::nullopt;
    }
    if (!in.atEnd())
        return std::nullopt;
    return registrazioni;
}

} // namespace belvane::cardart
