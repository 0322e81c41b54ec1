#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QPainter>
#include <QPolygonF>
#include <QRect>
#include <QRgb>
#include <QTransform>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace belvane::cardart {

// A painting kept as the areas it fills. Stroking an outline and flattening
// its curves cost three quarters of drawing a card, and the result is the
// same at every size up to a scale; a recorded card pays for them once and
// is then only filled at each size.

// Points are kept as 16-bit integers in this many steps to the painting's
// unit: a card's 45 x 72 units and what strays around them, to a 256th of a
// unit (a sixteenth of a pixel at four times the natural size), at a quarter
// of the memory of floating-point points.
inline constexpr int kPassiPerUnita = 256;

// One area of one flat colour: a fill, or a pen's stroke as its outline.
// Its points, curves flattened and subpaths joined as
// QPainterPath::toFillPolygon joins them, are `quanti` x, y pairs from pair
// `primo` of the recording's `punti`.
struct Campitura {
    QRgb colore = 0;
    Qt::FillRule regola = Qt::WindingFill;
    std::uint32_t primo = 0, quanti = 0;
};

struct Registrazione {
    std::vector<Campitura> campiture;
    std::vector<std::int16_t> punti; // x, y, x, y, ... in 1/kPassiPerUnita units
    // Empty, or one per point (Gradua): how far, in kGradiPerRaddoppio
    // steps per doubling from one kPassiPerUnita step, the outline would
    // move without that point. Smaller cards leave out the points they
    // cannot show.
    std::vector<std::uint8_t> dettagli;
    // False when the painting used what a recording cannot keep (text,
    // pictures, gradients, cosmetic pens, clipping, opacity, composition
    // modes, points too far out): such a painting has to be played directly.
    bool completa = true;
};

// Records what `scena` paints, in its own units, flattening curves finely
// enough for any scale up to `scalaMassima` (a quarter of a pixel at most).
Registrazione Registra(const std::function<void(QPainter &)> &scena, qreal scalaMassima);

// An outline is drawn without the points whose leaving out moves it by less
// than this many device pixels: at an eighth of a pixel a pixel's coverage
// changes by an eighth at most, about what tells two neighbouring greys
// apart and no more.
inline constexpr qreal kScostamentoTollerato = 0.125;
inline constexpr int kGradiPerRaddoppio = 16;
// Works out each point's detail (Registrazione::dettagli), by splitting each
// outline where it strays furthest, as Douglas and Peucker do, and leaves
// out the points no card up to `scalaMassima` times the natural size
// shows. The joins between an area's pieces are always kept.
void Gradua(Registrazione &registrazione, qreal scalaMassima);

// Fills the recorded areas in order with the painter's transform and clip,
// smoothed. The painter's pen and brush are restored.
void Riproduci(QPainter &painter, const Registrazione &registrazione);
// The same picture filled straight into `immagine` (riempimento.h), the
// painting's units taken to its pixels by `trasforma`, a scale and a
// shift, and nothing painted outside `limite`; of a graded recording only
// the points that move an outline by kScostamentoTollerato at that scale.
// False, and nothing painted, for a picture or transform it cannot take.
bool Riproduci(QImage &immagine, const QTransform &trasforma, QRect limite, const Registrazione &registrazione);

// The points of one recorded area, in the painting's units.
QPolygonF Poligono(const Registrazione &registrazione, const Campitura &campitura);
// Appends an area of `colore`; false, and nothing added, where a point lies
// beyond what 16 bits keep.
bool AggiungiCampitura(Registrazione &registrazione, QRgb colore, Qt::FillRule regola, const QPolygonF &poligono);

// Recordings as bytes, to be made once at build time and read by the
// program. Reading checks every size and index: bytes that are not a
// whole, consistent set of recordings give nothing.
QByteArray Serializza(const std::vector<Registrazione> &registrazioni);
std::optional<std::vector<Registrazione>> Deserializza(QByteArrayView byte);

} // namespace belvane::cardart
