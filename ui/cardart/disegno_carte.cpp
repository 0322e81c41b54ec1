#include "disegno_carte.h"

#include "diagnostica.h"
#include "registrazione.h"
#include "riduzione.h"
#include "riempimento.h"
#include "scena.h"

#include <QImage>
#include <QPaintEngine>
#include <QResource>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace belvane::cardart {
namespace {

// The program has the forty recordings built in: the build records them
// (tools/art/registra_carte.cpp) and they are read once, which takes a
// millisecond where recording takes a good part of a second. Built without
// them (the generators, some tests), a card's scene is recorded here the
// first time it is needed.
constexpr auto kRegistrazioniIncorporate = ":/cardart/carte.reg";

std::once_flag lette;
std::optional<std::vector<Registrazione>> incorporate;
std::array<Registrazione, kCarte> registrazioni;
std::array<std::once_flag, kCarte> registrata;
std::atomic<int> quanteRegistrate{0}; // all kCarte once the built-in ones are read

// Read once, the bytes of the built-in recordings need not stay in memory:
// their whole pages are let go (read again from the program's file if ever
// touched), a megabyte less for as long as the game runs.
void Rilascia(const uchar *dati, std::size_t quanti)
{
#if defined(__linux__)
    const auto pagina = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto inizio = (reinterpret_cast<std::uintptr_t>(dati) + pagina - 1) & ~(pagina - 1);
    const auto fine = (reinterpret_cast<std::uintptr_t>(dati) + quanti) & ~(pagina - 1);
    if (fine > inizio)
        madvise(reinterpret_cast<void *>(inizio), fine - inizio, MADV_DONTNEED);
#else
    (void)dati;
    (void)quanti;
#endif
}

const std::vector<Registrazione> *Incorporate()
{
    std::call_once(lette, [] {
        // Read in place when stored plain, as they are: a copy would be a
        // megabyte more while the game is being dealt.
        const QResource risorsa(QString::fromLatin1(kRegistrazioniIncorporate));
        if (!risorsa.isValid())
            return; // not built in
        const bool inChiaro = risorsa.compressionAlgorithm() == QResource::NoCompression;
        incorporate = Deserializza(inChiaro ? QByteArrayView(risorsa.data(), risorsa.size())
                                            : QByteArrayView(risorsa.uncompressedData()));
        if (inChiaro)
            Rilascia(risorsa.data(), std::size_t(risorsa.size()));
        if (!incorporate || incorporate->size() != std::size_t(kCarte)) {
            incorporate.reset();
            Diagnostica("the built-in card recordings cannot be read; each card is recorded when first needed");
            return;
        }
        quanteRegistrate.store(kCarte, std::memory_order_release);
    });
    return incorporate ? &*incorporate : nullptr;
}

// A card's scene recorded and graded for the sizes up to kScalaRegistrata.
Registrazione RegistraCarta(int code)
{
    Registrazione r = Registra([code](QPainter &p) { Scena(p, SemeDi(code), Rango(code)); }, kScalaRegistrata);
    Gradua(r, kScalaRegistrata);
    return r;
}

// The card's recording: built in, or recorded once on whichever thread first
// asks (another thread asking meanwhile waits for it).
const Registrazione &RegistrazioneDi(int code)
{
    const auto i = static_cast<size_t>(code - 1);
    if (const auto *tutte = Incorporate())
        return (*tutte)[i];
    std::call_once(registrata[i], [&] {
        registrazioni[i] = RegistraCarta(code);
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

// Fills the recording straight into the painter's picture where nothing
// stands between: a 32-bit image, no clip, opacity or composition, a
// transform that only scales and shifts (the card pictures the cache
// draws). False, and nothing painted, elsewhere.
bool SullImmagine(QPainter &painter, const QRectF &dove, const Registrazione &registrazione)
{
    QPaintDevice *device = painter.device();
    if (!device || device->devType() != QInternal::Image || painter.paintEngine()->type() != QPaintEngine::Raster ||
        painter.hasClipping() || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return false;
    auto &immagine = *static_cast<QImage *>(device);
    const QTransform suPixel = painter.deviceTransform();
    if (!Riempitore::Adatta(immagine) || suPixel.type() > QTransform::TxScale)
        return false;
    painter.fillRect(dove, Qt::white);
    QTransform suCarta = QTransform::fromTranslate(dove.left(), dove.top());
    suCarta.scale(dove.width() / kLarghezzaCarta, dove.height() / kAltezzaCarta);
    return Riproduci(immagine, suCarta * suPixel, suPixel.mapRect(dove).toAlignedRect(), registrazione);
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
            if (!SullImmagine(painter, dove, r))
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

std::vector<Registrazione> RegistraDalVivo()
{
    std::vector<Registrazione> tutte;
    for (int code = 1; code <= kCarte; ++code)
        tutte.push_back(RegistraCarta(code));
    return tutte;
}

bool TutteRegistrate() { return quanteRegistrate.load(std::memory_order_acquire) == kCarte; }

} // namespace belvane::cardart
