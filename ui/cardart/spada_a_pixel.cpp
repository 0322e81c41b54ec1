#include "spada_a_pixel.h"

#include "pixel_a_mano.h"
#include "tavolozza.h"

#include <array>
#include <cmath>
#include <string_view>

namespace belvane::cardart {
namespace {

// The pips' sabre in their colours, turned point down: four pixels of blue
// between its outlines, light along its left edge; a guard as wide as a pip's,
// its ends turned down; a red grip five pixels long, so that it shows above
// and below the fist, and a gold pommel. Reduced from the drawing, the blade
// widened to its point and the fist sat on the guard: a blue flag on a
// T-handle, its point in the blue ground.
constexpr std::array<std::string_view, 29> kSpada{
    "...oYYYo...", //
    "....RRr....", //
    "....RRr....", //
    "....rRr....", //
    "....RRr....", //
    "....RRr....", //
    "YYYYYYYYYYY", //
    "Y.KbBBBK..Y", //
    "o.KbBBBK..o", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    "..KbBBBK...", //
    ".KbBBBK....", //
    ".KbBBBK....", //
    ".KbBBK.....", //
    "KbBBK......", //
    "KbBBK......", //
    "KbBK.......", //
    "KbK........", //
    ".K.........", //
};
// The fist's pixel in the map: on the grip's middle.
constexpr int kRigaPugno = 3, kColonnaPugno = 5;

QColor Colore(char c)
{
    switch (c) {
    case 'b':
        return kTintaBlu.luce;
    case 'B':
        return kTintaBlu.corpo;
    case 'Y':
        return kTintaOro.corpo;
    case 'o':
        return kOroScuro;
    case 'R':
        return kTintaRosso.corpo;
    case 'r':
        return kTintaRosso.ombra;
    default:
        return kContorno;
    }
}

} // namespace

void SpadaDelFanteAPixel(QPainter &p, QPointF pugno)
{
    const QPointF angolo(std::floor(pugno.x()) - kColonnaPugno, std::floor(pugno.y()) - kRigaPugno);
    StendiPixel(p, kSpada, angolo, 1, Colore);
}

} // namespace belvane::cardart
