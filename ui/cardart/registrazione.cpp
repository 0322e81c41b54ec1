#include "registrazione.h"

#include "foglio.h"

#include "riempimento.h"

#include <QDataStream>
#include <QIODevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPointF>

#include <algorithm>
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

namespace {

constexpr std::uint8_t kAncora = 255; // a point every size keeps

// The grade of a point whose leaving out moves the outline by `passi`.
std::uint8_t Grado(qreal passi)
{
    return passi <= 1 ? 0
                      : std::uint8_t(std::min<qreal>(kAncora - 1, std::floor(kGradiPerRaddoppio * std::log2(passi))));
}

// The least grade a point needs at `scala` device pixels per unit.
std::uint8_t GradoMinimo(qreal scala) { return Grado(kScostamentoTollerato / scala * kPassiPerUnita); }

qreal DistanzaDalTratto(const std::int16_t *p, const std::int16_t *a, const std::int16_t *b)
{
    const qreal vx = b[0] - a[0], vy = b[1] - a[1], wx = p[0] - a[0], wy = p[1] - a[1];
    const qreal l2 = vx * vx + vy * vy;
    const qreal t = l2 > 0 ? std::clamp((wx * vx + wy * vy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(wx - t * vx, wy - t * vy);
}

// The grades of one area's points. Its pieces are joined through its first
// point (QPainterPath::toFillPolygon): that point and the points either
// side of each return to it are kept, so the joins stay exact and their
// two ways still cancel.
void Gradi(const std::int16_t *p, std::uint32_t n, std::uint8_t *gradi)
{
    std::fill(gradi, gradi + n, std::uint8_t(0));
    const auto primo = [&](std::uint32_t i) { return p[2 * i] == p[0] && p[2 * i + 1] == p[1]; };
    std::vector<std::uint32_t> ancore;
    for (std::uint32_t i = 0; i < n; ++i)
        if (n < 4 || primo(i) || primo((i + 1) % n) || primo((i + n - 1) % n)) {
            gradi[i] = kAncora;
            ancore.push_back(i);
        }
    // Between two anchors, each point's grade is how far it lies from the
    // chord of the two points it was split between, never more than theirs.
    struct Tratto {
        std::uint32_t da, a;
        qreal tetto;
    };
    std::vector<Tratto> pila;
    for (std::size_t k = 0; k < ancore.size(); ++k) {
        const std::uint32_t a = k + 1 < ancore.size() ? ancore[k + 1] : ancore[0] + n;
        pila.push_back({ancore[k], a, std::numeric_limits<qreal>::max()});
    }
    while (!pila.empty()) {
        const Tratto t = pila.back();
        pila.pop_back();
        if (t.a - t.da < 2)
            continue;
        std::uint32_t lontano = t.da + 1;
        qreal distanza = -1;
        for (std::uint32_t i = t.da + 1; i < t.a; ++i) {
            const qreal d = DistanzaDalTratto(p + 2 * (i % n), p + 2 * (t.da % n), p + 2 * (t.a % n));
            if (d > distanza) {
                distanza = d;
                lontano = i;
            }
        }
        const qreal tetto = std::min(distanza, t.tetto);
        gradi[lontano % n] = Grado(tetto);
        pila.push_back({t.da, lontano, tetto});
        pila.push_back({lontano, t.a, tetto});
    }
}

} // namespace

void Gradua(Registrazione &r, qreal scalaMassima)
{
    const std::uint8_t minimo = GradoMinimo(scalaMassima);
    Registrazione graduata;
    graduata.completa = r.completa;
    std::vector<std::uint8_t> gradi;
    for (const Campitura &c : r.campiture) {
        const std::int16_t *p = r.punti.data() + 2 * std::size_t(c.primo);
        gradi.resize(c.quanti);
        Gradi(p, c.quanti, gradi.data());
        Campitura tenuta = c;
        tenuta.primo = std::uint32_t(graduata.punti.size() / 2);
        tenuta.quanti = 0;
        for (std::uint32_t i = 0; i < c.quanti; ++i)
            if (gradi[i] >= minimo) {
                graduata.punti.push_back(p[2 * i]);
                graduata.punti.push_back(p[2 * i + 1]);
                graduata.dettagli.push_back(gradi[i]);
                ++tenuta.quanti;
            }
        graduata.campiture.push_back(tenuta);
    }
    r = std::move(graduata);
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
    const bool graduata = registrazione.dettagli.size() * 2 == registrazione.punti.size();
    const std::uint8_t minimo =
        graduata ? GradoMinimo(std::min(std::abs(trasforma.m11()), std::abs(trasforma.m22()))) : 0;
    for (const Campitura &c : registrazione.campiture) {
        punti.resize(c.quanti);
        const std::int16_t *p = registrazione.punti.data() + 2 * std::size_t(c.primo);
        const std::uint8_t *gradi = graduata ? registrazione.dettagli.data() + c.primo : nullptr;
        int n = 0;
        for (std::uint32_t i = 0; i < c.quanti; ++i)
            if (!gradi || gradi[i] >= minimo)
                punti[std::size_t(n++)] = QPointF(p[2 * i] * sx + dx, p[2 * i + 1] * sy + dy);
        riempitore.Riempi(punti.data(), n, c.regola, c.colore);
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
constexpr quint32 kVersione = 2;
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
        out << quint8(!r.dettagli.empty());
        for (const std::uint8_t g : r.dettagli)
            out << quint8(g);
    }
    return byte;
}

std::optional<std::vector<Registrazione>> Deserializza(QByteArrayView byte)
{
    // Read where the bytes are (the built-in ones: in the program's
    // read-only data), not from a copy.
    const QByteArray vista = QByteArray::fromRawData(byte.data(), byte.size());
    QDataStream in(vista);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 firma = 0, versione = 0, quante = 0;
    in >> firma >> versione >> quante;
    // Every recording takes at least 10 bytes: no count can ask for more than there is.
    if (in.status() != QDataStream::Ok || firma != kFirma || versione != kVersione ||
        quante > quint32(byte.size() / 10))
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
        quint8 graduata = 0;
        in >> graduata;
        if (in.status() != QDataStream::Ok || graduata > 1 ||
            (graduata && nPunti / 2 > quint64(byte.size() - in.device()->pos())))
            return std::nullopt;
        r.dettagli.resize(graduata ? nPunti / 2 : 0);
        for (std::uint8_t &g : r.dettagli) {
            quint8 x = 0;
            in >> x;
            g = x;
        }
        if (in.status() != QDataStream::Ok)
            return std::nullopt;
    }
    if (!in.atEnd())
        return std::nullopt;
    return registrazioni;
}

} // namespace belvane::cardart
