#include "disegno_carte.h"

#include "registrazione.h"
#include "riduzione.h"
#include "scena.h"

#include <QImage>

#include <array>
#include <atomic>
#include <cmath>
#include <mutex>

namespace belvane::cardart {
namespace {

std::array<Registrazione, kCarte> registrazioni;
std::array<std::once_flag, kCarte> registrata;
std::atomic<int> quanteRegistrate{0};

// The card's scene recorded once, on whichever thread first asks; another
// thread asking meanwhile waits for it.
const Registrazione &RegistrazioneDi(int code)
{
    const auto i = static_cast<size_t>(code - 1);
    std::call_once(registrata[i], [&] {
        registrazioni[i] = Registra([code](QPainter &p) { Scena(p, SemeDi(code), Rango(code)); }, kScalaRegistrata);
        quanteRegistrate.fetch_add(1, std::memory_order_release);
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

Via ViaPer(QSizeF pixel)
{
    const qreal sx = pixel.width() / kLarghezzaCarta, sy = pixel.height() / kAltezzaCarta;
    if (std::abs(sx - 1) < kScartoNaturale && std::abs(sy - 1) < kScartoNaturale)
        return Via::Naturale;
    return std::max(sx, sy) <= kScalaRegistrata ? Via::Registrata : Via::Pennellata;
}

void MostraNaturale(QPainter &painter, const QRectF &dove, const QImage &naturale)
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
    const QTransform t = painter.deviceTransform();
    const QSizeF pixel(std::hypot(t.m11(), t.m12()) * dove.width(), std::hypot(t.m21(), t.m22()) * dove.height());
    switch (ViaPer(pixel)) {
    case Via::Naturale:
        MostraNaturale(painter, dove, Piccola(SemeDi(code), Rango(code)));
        return;
    case Via::Registrata:
        if (const Registrazione &r = RegistrazioneDi(code); r.completa) {
            SullaCarta(painter, dove, [&] { Riproduci(painter, r); });
            return;
        }
        break;
    case Via::Pennellata:
        break;
    }
    DisegnaCartaPennellata(painter, dove, code);
}

void RegistraTutte()
{
    for (int code = 1; code <= kCarte; ++code)
        RegistrazioneDi(code);
}

bool TutteRegistrate() { return quanteRegistrate.load(std::memory_order_acquire) == kCarte; }

} // namespace belvane::cardart
