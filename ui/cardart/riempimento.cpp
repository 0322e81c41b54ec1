#include "riempimento.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace belvane::cardart {
namespace {

// Each byte of `x` times `a` / 255, rounded: two channels at a time.
inline uint PerByte(uint x, uint a)
{
    uint t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

// The least whole number not below `v`, for v >= 0 (std::ceil is a call).
inline int Soffitto(float v)
{
    const int i = int(v);
    return i + (float(i) < v);
}

} // namespace

bool Riempitore::Adatta(const QImage &immagine)
{
    return immagine.format() == QImage::Format_RGB32 || immagine.format() == QImage::Format_ARGB32_Premultiplied;
}

void Riempitore::Su(QImage &immagine, QRect limite)
{
    bit_ = nullptr;
    limite_ = limite & immagine.rect();
    if (!Adatta(immagine) || limite_.isEmpty())
        return;
    bit_ = immagine.bits();
    passo_ = immagine.bytesPerLine();
}

void Riempitore::Riempi(const QPointF *punti, int quanti, Qt::FillRule regola, QRgb colore)
{
    if (!bit_ || quanti < 3 || qAlpha(colore) == 0)
        return;
    qreal minX = punti[0].x(), maxX = minX, minY = punti[0].y(), maxY = minY;
    for (int i = 1; i < quanti; ++i) {
        minX = std::min(minX, punti[i].x());
        maxX = std::max(maxX, punti[i].x());
        minY = std::min(minY, punti[i].y());
        maxY = std::max(maxY, punti[i].y());
    }
    // The box of pixels the area reaches, within the limit; what lies left
    // of it still counts, as a winding carried into the row.
    const qreal sinistra = limite_.left(), destra = limite_.right() + 1;
    const qreal alto = limite_.top(), basso = limite_.bottom() + 1;
    if (!(minX < destra && maxX > sinistra && minY < basso && maxY > alto)) // also NaN
        return;
    const int sx = int(std::floor(std::max(minX, sinistra))), dx = int(std::ceil(std::min(maxX, destra)));
    const int sy = int(std::floor(std::max(minY, alto))), dy = int(std::ceil(std::min(maxY, basso)));
    if (sx >= dx || sy >= dy)
        return;
    x0_ = sx;
    y0_ = sy;
    w_ = dx - sx;
    h_ = dy - sy;
    const std::size_t celle = std::size_t(w_ + 2) * std::size_t(h_);
    if (celle_.size() < celle)
        celle_.resize(celle, 0.0f);
    if (righe_.size() < std::size_t(h_))
        righe_.resize(std::size_t(h_), {INT_MAX, -1});

    for (int i = 0; i < quanti; ++i)
        Lato(punti[i], punti[i + 1 < quanti ? i + 1 : 0]);

    // Premultiplied source, and what of the destination it leaves at full cover.
    const uint a = qAlpha(colore);
    const QRgb piena = qPremultiply(colore);
    const bool pariDispari = regola == Qt::OddEvenFill;
    for (int y = 0; y < h_; ++y) {
        auto [da, a_] = std::exchange(righe_[std::size_t(y)], {INT_MAX, -1});
        if (a_ < 0)
            continue;
        float *cella = celle_.data() + std::size_t(y) * std::size_t(w_ + 2);
        auto *riga = reinterpret_cast<QRgb *>(bit_ + (y0_ + y) * passo_) + x0_;
        float somma = 0;
        const int fino = std::min(w_, a_ + 1);
        for (int x = da; x < fino; ++x) {
            somma += cella[x];
            cella[x] = 0;
            float copertura = std::abs(somma);
            if (pariDispari) {
                copertura = copertura - 2 * std::floor(copertura * 0.5f);
                if (copertura > 1)
                    copertura = 2 - copertura;
            }
            const uint c = copertura >= 1 ? 255u : uint(copertura * 255 + 0.5f);
            if (c == 0)
                continue;
            QRgb &d = riga[x];
            if (c == 255 && a == 255) {
                d = piena;
                continue;
            }
            const QRgb sorgente = PerByte(piena, c);
            d = sorgente + PerByte(d, 255 - qAlpha(sorgente));
        }
        for (int x = std::max(fino, da); x <= a_; ++x)
            cella[x] = 0;
    }
}

// One edge, cut to the box's columns: what lies left of the box becomes an
// upright edge on its left side (its winding still counts for the row),
// what lies right of it an upright edge on its right side (counting for
// nothing shown).
void Riempitore::Lato(QPointF a, QPointF b)
{
    const float ax = float(a.x() - x0_), ay = float(a.y() - y0_), bx = float(b.x() - x0_), by = float(b.y() - y0_);
    if (ay == by)
        return;
    const float destra = float(w_);
    if (ax >= 0 && bx >= 0 && ax <= destra && bx <= destra) { // nearly always: the box is the area's own
        Riga(ax, ay, bx, by);
        return;
    }
    // Split where the edge crosses x = 0 and x = destra.
    float tagli[2];
    int n = 0;
    for (const float x : {0.0f, destra})
        if ((ax < x) != (bx < x))
            tagli[n++] = (x - ax) / (bx - ax);
    if (n == 2 && tagli[0] > tagli[1])
        std::swap(tagli[0], tagli[1]);
    float px = ax, py = ay;
    const auto tratto = [&](float qx, float qy) {
        const float m = 0.5f * (px + qx);
        if (m < 0 || m > destra) {
            const float x = m < 0 ? 0 : destra;
            Riga(x, py, x, qy);
        } else {
            Riga(std::clamp(px, 0.0f, destra), py, std::clamp(qx, 0.0f, destra), qy);
        }
        px = qx;
        py = qy;
    };
    for (int i = 0; i < n; ++i)
        tratto(ax + tagli[i] * (bx - ax), ay + tagli[i] * (by - ay));
    tratto(bx, by);
}

// Adds an edge's signed area to the cells it crosses, row by row (the
// accumulation rasterizer: each cell keeps the change of coverage across
// it, summed along the row when the area is painted).
void Riempitore::Riga(float x0, float y0, float x1, float y1)
{
    float verso = 1;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
        verso = -1;
    }
    const float altezza = float(h_);
    if (!(y1 > 0 && y0 < altezza && y0 < y1))
        return;
    const float dxdy = (x1 - x0) / (y1 - y0);
    if (y0 < 0) {
        x0 -= y0 * dxdy;
        y0 = 0;
    }
    if (y1 > altezza) {
        x1 -= (y1 - altezza) * dxdy;
        y1 = altezza;
    }
    const std::size_t larga = std::size_t(w_ + 2);
    const float larghezza = float(w_);
    int y = int(y0);
    const int fine = Soffitto(y1);
    float x = x0;
    for (; y < fine; ++y) {
        float *cella = celle_.data() + std::size_t(y) * larga;
        const float yDopo = std::min(float(y + 1), y1);
        const float dy = yDopo - std::max(float(y), y0);
        // Rounding along the edge may stray past the box's sides.
        const float xDopo = yDopo == y1 ? x1 : std::clamp(x + dxdy * dy, 0.0f, larghezza);
        const float d = dy * verso;
        const float sx = std::min(x, xDopo), dx = std::max(x, xDopo);
        const int si = int(sx); // sx >= 0: truncation is the floor
        const float sf = sx - float(si);
        auto &[da, a] = righe_[std::size_t(y)];
        da = std::min(da, si);
        if (dx <= float(si + 1)) { // within one column
            const float medio = 0.5f * (x + xDopo) - float(si);
            cella[si] += d - d * medio;
            cella[si + 1] += d * medio;
            a = std::max(a, si + 1);
        } else {
            const int di = Soffitto(dx);
            const float s = 1 / (dx - sx);
            const float a0 = 0.5f * s * (1 - sf) * (1 - sf);
            const float df = dx - float(di) + 1;
            const float am = 0.5f * s * df * df;
            cella[si] += d * a0;
            if (di == si + 2) {
                cella[si + 1] += d * (1 - a0 - am);
            } else {
                const float a1 = s * (1.5f - sf);
                cella[si + 1] += d * (a1 - a0);
                for (int xi = si + 2; xi < di - 1; ++xi)
                    cella[xi] += d * s;
                const float a2 = a1 + float(di - si - 3) * s;
                cella[di - 1] += d * (1 - a2 - am);
            }
            cella[di] += d * am;
            a = std::max(a, di);
        }
        x = xDopo;
    }
}

} // namespace belvane::cardart
