#pragma once

#include <QPainterPath>
#include <QPointF>

#include <initializer_list>
#include <vector>

namespace belvane::cardart {

// Outlines drawn the way a designer sketches them: a few control points that
// a smooth curve follows, so that a figure can be shaped by hand and still
// look drawn, not cut from polygons, on a card four times its natural size.
// Being made of control points, a shape can also be shrunk and shifted
// without the costly boolean operations on paths.

// The control polygon of a closed outline. A point given twice in a row is a
// corner the curve passes through.
using Profilo = std::vector<QPointF>;

// The closed smooth curve guided by `punti` (a quadratic B-spline through the
// midpoints of the control polygon).
QPainterPath Sagoma(const Profilo &punti);

// The same outline moved `d` units inwards all round (mitred at sharp turns,
// with the miters held to twice `d`), then shifted by `spostamento`.
Profilo Rientra(const Profilo &punti, qreal d, QPointF spostamento = {});

// An oval of half-axes `rx`, `ry` round `c`, turned by `angolo` degrees.
Profilo Ovale(QPointF c, qreal rx, qreal ry, qreal angolo = 0);

// One point of a limb's axis and the limb's width there.
struct Nodo {
    QPointF centro;
    qreal larghezza;
};

// A limb (an arm, a leg, a sleeve) along the axis through `nodi`, as wide at
// each node as it says, rounded at both ends.
Profilo ProfiloArto(std::initializer_list<Nodo> nodi);
inline QPainterPath Arto(std::initializer_list<Nodo> nodi) { return Sagoma(ProfiloArto(nodi)); }

// Open strokes for linework (folds, hair, seams): each list is one line,
// straight between two points, a smooth curve guided by three or more.
QPainterPath Tratti(std::initializer_list<std::initializer_list<QPointF>> linee);

// Engraver's hatching inside `forma`, kept `margine` in from its outline:
// straight lines at `angolo` degrees every `passo` units, only beyond the
// line from `da` to `a` (on the side to the right of it when it is drawn
// downwards). The lines' centres, to be stroked: no boolean operation.
QPainterPath Tratteggio(const Profilo &forma, QPointF da, QPointF a, qreal angolo, qreal passo, qreal margine = 0.4);

} // namespace belvane::cardart
