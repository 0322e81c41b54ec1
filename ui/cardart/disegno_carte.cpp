#include "disegno_carte.h"

#include "registrazione.h"
#include "riduzione.h"
#include "scena.h"

#include <QImage>

#include <array>
#include <cmath>
#include <mutex>

namespace belvane::cardart {
namespace {

// Within this much of the natural size a card is drawn as a pixel picture;
// further off, the smoothed drawing scales better.
constexpr qreal kScartoPiccola = 0.2;
// Up to this many times the natural size (a card on a full 2560 x 1440
// screen is about 4) the smoothed drawing is played from a recording.
constexpr qreal kScalaRegistrata = 8;

// The card's scene recorded once, on whichever thread first asks.
const Registrazione &RegistrazioneDi(int code)
{
    static std::array<Registrazione, kCarte> registrazioni;
    static std::array<std::once_flag, kCarte> fatte;
    const auto i = static_cast<size_t>(code - 1);
    std::call_once(fatte[i], [&] {
        registrazioni[i] = Registra([code](QPainter &p) { Scena(p, SemeDi(code), Rango(code)); }, kScalaRegistrata);
    });
    return registrazioni[i];
}

// Places the scene's card units on `dove`; the painter's state is restored.
template <typename Disegna> void SullaCarta(QPainter &painter, const QRectF &dove, Disegna disegna)
{
    painter.save();
    painter.fillRect(dove, Qt::white);
    painter.setClipRect(dove, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(dove.topLeft());
    painter.scale(dove.width() / kLarghezzaCarta, dove.height() / kAltezzaCarta);
    disegna();
    painter.restore();
}

} // namespace

bool InPixel(QSizeF pixel)
{
    // Near the natural size the pixel picture reads better than a smoothed drawing.
    return std::abs(pixel.width() / kLarghezzaCarta - 1) < kScartoPiccola &&
        std::abs(pixel.height() / kAltezzaCarta - 1) < kScartoPiccola;
}

void MostraInPixel(QPainter &painter, const QRectF &dove, const QImage &naturale)
{
    painter.save();
    painter.fillRect(dove, Qt::white);
    painter.setClipRect(dove, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(dove, naturale);
    painter.restore();
}

void DisegnaCartaPennellata(QPainter &painter, const QRectF &dove, int code)
{
    if (!IsCarta(code) || dove.isEmpty())
        return;
    SullaCarta(painter, dove, [&] { Scena(painter, SemeDi(code), Rango(code)); });
}

void DisegnaCarta(QPainter &painter, const QRectF &dove, int code)
{
    if (!IsCarta(code) || dove.isEmpty())
        return;
    const auto seme = SemeDi(code);
    const int valore = Rango(code);

    const QTransform t = painter.deviceTransform();
    const QSizeF pixel(std::hypot(t.m11(), t.m12()) * dove.width(), std::hypot(t.m21(), t.m22()) * dove.height());
    if (InPixel(pixel)) {
        MostraInPixel(painter, dove, Piccola(seme, valore));
        return;
    }
    // Beyond the recording's range the card is drawn stroke by stroke, and is not recorded for nothing.
    const bool registrabile =
        std::max(pixel.width() / kLarghezzaCarta, pixel.height() / kAltezzaCarta) <= kScalaRegistrata;
    if (const Registrazione *registrazione = registrabile ? &RegistrazioneDi(code) : nullptr;
        registrazione && registrazione->completa)
        SullaCarta(painter, dove, [&] { Riproduci(painter, *registrazione); });
    else
        SullaCarta(painter, dove, [&] { Scena(painter, seme, valore); });
}

} // namespace belvane::cardart
