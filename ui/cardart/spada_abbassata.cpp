#include "spada_abbassata.h"

#include "pennelli.h"
#include "pixel_a_mano.h"
#include "stampa.h"
#include "tavolozza.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <string_view>

namespace belvane::cardart {
namespace {

// The grip's dark leather. The blade is in the swords' own blue, as the pips
// and the other figures carry it, the guard and pommel in their gold.
const QColor kCuoioElsa(0x8E, 0x4C, 0x22);

// At the natural size: the pommel, the grip two pixels above the fist and
// one below it, a guard seven pixels wide, its ends turned down, and a
// straight blade of three (outline, lit flat, blue) ending in one point
// pixel two rows above the ground. The fist covers the grip's middle rows;
// a stepped blade read as kinked, a tapering one as chipped.
constexpr std::array<std::string_view, 29> kSpadaDiPixel{
    "..kok..", //
    "..kmk..", //
    "..kmk..", //
    "..kmk..", //
    "..kmk..", //
    "..kmk..", //
    "..kmk..", //
    "OoooooO", //
    "O.klb.O", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..klb..", //
    "..kbb..", //
    "...b...", //
};
constexpr int kRigaPugno = 4;
constexpr int kColonnaPugno = 3;

QColor ColoreDellaSpada(char c)
{
    switch (c) {
    case 'o':
        return kOro;
    case 'O':
        return kOroCavo;
    case 'm':
        return kCuoioElsa;
    case 'l':
        return kTintaBlu.luce;
    case 'b':
        return kTintaBlu.corpo;
    default:
        return kContorno;
    }
}

// The blade's middle line `t` of the way from the guard to the point,
// `lungo` below the guard, bending to the left by `curva` at the point.
QPointF Lungo(qreal t, qreal lungo, qreal curva) { return {-curva * t * t, t * lungo}; }

} // namespace

void SpadaAbbassata(QPainter &p, QPointF pugno)
{
    const FuoriContorno escluso;
    if (InchiostroDelPixelInUso()) {
        const QPointF angolo(std::floor(pugno.x()) - kColonnaPugno, std::floor(pugno.y()) - kRigaPugno);
        StendiPixel(p, kSpadaDiPixel, angolo, 1, ColoreDellaSpada);
        return;
    }
    const ConInchiostro inchiostro(kInchiostroDisegno);
    p.save();
    p.translate(pugno);
    // The grip long enough to show above and below the fist round it.
    constexpr qreal kElsaSu = -3.0, kElsaGiu = 2.8, kGuardia = 0.8;
    constexpr qreal kLama = kPuntaSpadaAbbassata - kElsaGiu - kGuardia, kCurva = 1.0;
    const qreal cima = kElsaGiu + kGuardia;
    // The blade: even for most of its length, then to the point; its
    // dark edge on the side it bends towards.
    QPainterPath lama, filo;
    constexpr int kPassi = 16;
    std::array<QPointF, kPassi + 1> sinistra, destra;
    for (int i = 0; i <= kPassi; ++i) {
        const qreal t = qreal(i) / kPassi;
        const qreal mezza = t < 0.82 ? 1.0 - 0.25 * t : (1.0 - 0.25 * 0.82) * (1 - t) / (1 - 0.82);
        const QPointF c = Lungo(t, kLama, kCurva) + QPointF(0, cima);
        sinistra[size_t(i)] = c - QPointF(mezza, 0);
        destra[size_t(i)] = c + QPointF(mezza, 0);
    }
    lama.moveTo(sinistra[0]);
    for (int i = 1; i <= kPassi; ++i)
        lama.lineTo(sinistra[size_t(i)]);
    for (int i = kPassi - 1; i >= 0; --i)
        lama.lineTo(destra[size_t(i)]);
    lama.closeSubpath();
    Riempi(p, lama, kTintaBlu.corpo, kContorno);
    // The lit flat down the middle and left, the edge a dark band on the right.
    for (int i = 0; i <= kPassi; ++i) {
        const QPointF c = (sinistra[size_t(i)] + destra[size_t(i)]) / 2;
        const QPointF m = (c + destra[size_t(i)]) / 2;
        i == 0 ? filo.moveTo(m) : filo.lineTo(m);
    }
    for (int i = kPassi; i >= 0; --i)
        filo.lineTo(destra[size_t(i)]);
    filo.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kTintaBlu.ombra);
    p.drawPath(filo);
    QPainterPath luce;
    luce.moveTo(sinistra[0] + QPointF(0.35, 0.4));
    for (int i = 1; i < kPassi - 2; ++i)
        luce.lineTo(sinistra[size_t(i)] + QPointF(0.35, 0));
    Segna(p, luce, kTintaBlu.luce, 0.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(kContorno));
    p.drawPath(lama);
    // The grip bound in dark leather, a gilt pommel above.
    QPainterPath elsa;
    elsa.addRect(QRectF(-0.55, kElsaSu, 1.1, kElsaGiu - kElsaSu));
    Riempi(p, elsa, kCuoioElsa, kContorno, kTrattoFine);
    QPainterPath legatura;
    for (qreal y = kElsaSu + 0.5; y < kElsaGiu - 0.2; y += 0.7) {
        legatura.moveTo(-0.55, y);
        legatura.lineTo(0.55, y + 0.35);
    }
    Segna(p, legatura, kOroCavo, kTrattoInterno);
    Ellisse(p, {0, kElsaSu - 0.75}, 0.95, 0.8, kOro, kContorno, kTrattoFine);
    // The guard: a straight bar, its ends turned down.
    QPainterPath guardia;
    guardia.moveTo(-3.3, kElsaGiu + 1.5);
    guardia.quadTo(-3.4, kElsaGiu, -2.2, kElsaGiu);
    guardia.lineTo(2.2, kElsaGiu);
    guardia.quadTo(3.4, kElsaGiu, 3.3, kElsaGiu + 1.5);
    guardia.lineTo(2.6, kElsaGiu + 1.2);
    guardia.quadTo(2.6, cima, 1.8, cima);
    guardia.lineTo(-1.8, cima);
    guardia.quadTo(-2.6, cima, -2.6, kElsaGiu + 1.2);
    guardia.closeSubpath();
    Riempi(p, guardia, kOro, kContorno, kTrattoFine);
    p.restore();
}

} // namespace belvane::cardart
