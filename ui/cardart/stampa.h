#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include <functional>

#include "emblemi.h"
#include "tavolozza.h"

namespace belvane::cardart {

// The shade on the side of a figure away from the light, beyond its
// modelled edge: in the larger drawing one flat area of `colore` with a crisp
// edge, as a printed card lays its second tone. In the 45 x 72 picture
// nothing: lines or an area of a shade tone there break into speckle, and the
// modelled shape's own crescent of shade is enough.
// Unless `incisa` is false (a lit tone), the area is engraved as well, as a
// woodcut's shade is: fine parallel lines across it, kPassoIncisione apart at
// kAngoloIncisione, in its colour taken halfway to the figures' inner ink,
// as the key block a printer lays under the colours.
void Ombra(QPainter &p, const QPainterPath &forma, const QColor &colore, bool incisa = true);
inline constexpr qreal kPassoIncisione = 0.75;
inline constexpr qreal kAngoloIncisione = -52;
// How wide the engraved edge of a shape laid by Campitura is, in units of
// its `ombra`.
inline constexpr qreal kLargoIncisione = 1.2;
// Its lines a little further apart than a shade's: a band this narrow reads
// as engraved with fewer of them, and each costs its filling at every size.
inline constexpr qreal kPassoBordo = 1.0;
// Shapes narrower than this (hands, buttons, a shoe) are left flat: their
// engraving would not show and costs as much to fill again at every size.
inline constexpr qreal kMinimoInciso = 4;

// Whether a figure's modelled shapes are laid flat: in the larger drawing
// each is one colour, as a print lays it, its shade the flat areas Ombra
// lays (a crescent of light or shade along every edge reads as a modern
// illustration's soft modelling), the edge away from the light engraved;
// at the natural size the crescents keep a shape's edge clear of its
// neighbour's.
inline bool Piatta() { return !InchiostroDelPixelInUso(); }

// A figure's modelled shape: at the natural size as Modella (pennelli.h)
// lays it; in the larger drawing one flat colour (Piatta) outlined in `bordo`
// a little finer than an emblem, as a print draws its figures.
void Campitura(QPainter &p, const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra,
               qreal luce);

// A rein's or strap's width: `disegno` in the larger drawing; in the pixel
// picture wide enough to win every pixel it crosses, where a finer line
// breaks into dashes.
inline qreal Cinghia(qreal disegno) { return InchiostroDelPixelInUso() ? 0.8 : disegno; }

// Whether to sow small ornament (flowers, roundels on a robe): only in the
// larger drawing; at the natural size each is a stray pixel, speckle.
inline bool OrnatoMinuto() { return !InchiostroDelPixelInUso(); }

// A figure as a printed card draws it, `disegna` painting it in card units.
// In the larger drawing its outer contour, round everything it fills but
// what is drawn under a FuoriContorno, is one firm line kContornoFigura wide
// outside its shapes, kPesoInOmbra heavier on the side away from the light;
// every line inside it is drawn in the figures' finer ink
// (kInchiostroFigura): an even outline on every shape reads as a cartoon's.
// At the natural size it is drawn as it is.
void Figura(QPainter &p, const std::function<void(QPainter &)> &disegna);
inline constexpr qreal kContornoFigura = 0.26;
inline constexpr qreal kPesoInOmbra = 0.1;

// While it lives, the shapes its thread lays with Campitura are not
// engraved: a face, where lines on the far cheek read as stubble or a patch.
class SenzaIncisione {
public:
    SenzaIncisione();
    ~SenzaIncisione();
    SenzaIncisione(const SenzaIncisione &) = delete;
    SenzaIncisione &operator=(const SenzaIncisione &) = delete;
};

// While it lives, what its thread draws is left out of a figure's contour:
// the ground he stands on, the emblem he holds.
class FuoriContorno {
public:
    FuoriContorno();
    ~FuoriContorno();
    FuoriContorno(const FuoriContorno &) = delete;
    FuoriContorno &operator=(const FuoriContorno &) = delete;
};

// While it lives, what its painter draws at the natural size is `largo`
// times wider and `alto` times taller about `centro`; the larger drawing is
// left as it is. For a detail the larger drawing shows in proportion and the
// pixel picture must show bolder. The painter's state is restored.
class PiuGrandeAlPixel {
public:
    PiuGrandeAlPixel(QPainter &p, QPointF centro, qreal largo, qreal alto);
    ~PiuGrandeAlPixel();
    PiuGrandeAlPixel(const PiuGrandeAlPixel &) = delete;
    PiuGrandeAlPixel &operator=(const PiuGrandeAlPixel &) = delete;

private:
    QPainter &p_;
};

// An emblem a figure holds: emblemi.h's Emblema in the emblems' own ink and
// left out of the figure's contour, so that it looks as it does on the pip
// cards.
void EmblemaTenuto(QPainter &p, Seme seme, QPointF centro, qreal altezza, qreal angolo, Ornato ornato = Ornato::No,
                   qreal curva = 0);

// The sword a figure holds, one drawing for all at every size: the slender
// one (Ornato::No), `altezza` long, held by a fist at `pugno` round the
// pommel's end of its grip, turned `angolo` degrees clockwise from point up,
// its blade bending to the right (`verso` 1) or to the left (-1) as the
// pips' do.
void SpadaTenuta(QPainter &p, QPointF pugno, qreal altezza, qreal angolo, qreal verso = 1);
inline constexpr qreal kCurvaSpadaTenuta = 1.6;

} // namespace belvane::cardart
