#include "cache_carte.h"

#include "diagnostica.h"
#include "disegno_carte.h"
#include "risorse.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace belvane::cardart {
namespace {

qreal RapportoValido(qreal r) { return std::isfinite(r) && r > 0 ? r : 1.0; }

QSize DimensioneValida(QSize s) { return {std::max(1, s.width()), std::max(1, s.height())}; }

// A card is opaque: in the screen's own format its picture is copied to the
// window as it is, never blended. Its pixels are left as they come.
QImage TelaGrezza(QSize logica, qreal rapporto)
{
    QImage img(QSize(qCeil(logica.width() * rapporto), qCeil(logica.height() * rapporto)), QImage::Format_RGB32);
    img.setDevicePixelRatio(rapporto);
    return img;
}

QImage Tela(QSize logica, qreal rapporto)
{
    QImage img = TelaGrezza(logica, rapporto);
    img.fill(Qt::white);
    return img;
}

// The size of the embedded bitmaps, which are used as they are.
bool ComeIncorporata(QSize logica, qreal rapporto)
{
    return logica == QSize(kLarghezzaCarta, kAltezzaCarta) && rapporto == 1.0;
}

// Draws card `code` on `tela`, a white canvas of its size.
void DisegnaSu(QImage &tela, int code, QSize logica, qreal rapporto)
{
    QPainter p(&tela);
    const QRectF dove(0, 0, logica.width(), logica.height());
    // The Naturale path shows the natural-size picture, which the embedded
    // bitmap is: scaling it skips making it again.
    const QImage bitmap = ViaPer(QSizeF(logica) * rapporto) == Via::Naturale ? risorse::CartaBmp(code) : QImage();
    if (!bitmap.isNull())
        MostraNaturale(p, dove, bitmap);
    else
        DisegnaCarta(p, dove, code);
}

// Whether a series holds the pictures of this size.
auto DellaMisura(QSize logica, qreal rapporto)
{
    return [=](const auto &serie) { return serie.dimensione == logica && serie.rapporto == rapporto; };
}

} // namespace

QPixmap CartaDiRiserva(int code, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize logica = DimensioneValida(logicalSize);
    const qreal rapporto = RapportoValido(devicePixelRatio);
    QImage img = Tela(logica, rapporto);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r(0, 0, logica.width(), logica.height());
        p.setPen(QPen(Qt::red, std::max(1.0, logica.width() / 15.0)));
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
        QFont f = p.font();
        f.setPixelSize(std::max(6, logica.height() / 5));
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, QString::number(code));
    }
    QPixmap pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(rapporto);
    return pm;
}

QImage DisegnaImmagine(int code, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize logica = DimensioneValida(logicalSize);
    const qreal rapporto = RapportoValido(devicePixelRatio);
    if (!IsCarta(code))
        return {};
    if (ComeIncorporata(logica, rapporto))
        return risorse::CartaBmp(code);
    QImage img = Tela(logica, rapporto);
    DisegnaSu(img, code, logica, rapporto);
    return img;
}

DisegnoInSerie::~DisegnoInSerie()
{
    Interrompi();
    {
        const std::lock_guard attesa(mutex_);
        fine_ = true;
    }
    daFare_.notify_all();
    lavoratori_.clear(); // joins
}

void DisegnoInSerie::Avvia(QSize logica, qreal rapporto)
{
    Interrompi();
    dimensione_ = DimensioneValida(logica);
    rapporto_ = RapportoValido(rapporto);
    auto lavoro = std::make_shared<Lavoro>();
    lavoro->dimensione = dimensione_;
    lavoro->rapporto = rapporto_;
    // The canvases are made here, on the owner's thread, from its memory,
    // where the pictures of the size let go were: the workers then write
    // into memory the process has, not into pages new to it.
    lavoro->immagini.assign(kCarte, QImage());
    if (!ComeIncorporata(dimensione_, rapporto_))
        for (QImage &tela : lavoro->immagini)
            tela = TelaGrezza(dimensione_, rapporto_);
    {
        const std::lock_guard attesa(mutex_);
        corrente_ = std::move(lavoro);
        ++serie_;
    }
    inCorso_ = true;
    daFare_.notify_all();
    while (int(lavoratori_.size()) < quanti_)
        lavoratori_.emplace_back([this] { Lavora(); });
}

void DisegnoInSerie::Lavora()
{
    uint64_t vista = 0;
    for (;;) {
        std::shared_ptr<Lavoro> lavoro;
        {
            std::unique_lock attesa(mutex_);
            daFare_.wait(attesa, [&] { return fine_ || serie_ != vista; });
            if (fine_)
                return;
            vista = serie_;
            lavoro = corrente_;
        }
        // The next card until none is left or the drawing is stopped.
        for (int i = lavoro->prossimo++; i < kCarte && !lavoro->stop; i = lavoro->prossimo++)
            Disegna(*lavoro, i, Chi::Lavoratore);
    }
}

void DisegnoInSerie::Disegna(Lavoro &lavoro, int i, Chi chi)
{
    // The figures first, each costing several pip cards: the last cards
    // taken are then the cheap ones, and the workers finish together.
    constexpr int kPrimaFigura = 8; // the knave; then the horseman and the king
    constexpr auto kOrdine = [] {
        std::array<int, kCarte> ordine{};
        int n = 0;
        for (const bool figure : {true, false})
            for (int code = 1; code <= kCarte; ++code)
                if ((Rango(code) >= kPrimaFigura) == figure)
                    ordine[size_t(n++)] = code - 1;
        return ordine;
    }();
    i = kOrdine[size_t(i)];
    if (QImage &tela = lavoro.immagini[size_t(i)]; tela.isNull()) {
        tela = DisegnaImmagine(i + 1, lavoro.dimensione, lavoro.rapporto);
    } else {
        tela.fill(Qt::white);
        DisegnaSu(tela, i + 1, lavoro.dimensione, lavoro.rapporto);
    }
    // Whoever finishes the fortieth wakes a helper waiting for it; the owner
    // is told only from a worker's thread, as promised: a helper that drew
    // the fortieth itself takes the pictures in on its own thread.
    if (++lavoro.fatti == kCarte) {
        {
            const std::lock_guard attesa(mutex_);
        }
        tutti_.notify_all();
        if (chi == Chi::Lavoratore && finito_)
            finito_();
    }
}

bool DisegnoInSerie::Aiuta(std::chrono::steady_clock::time_point fino)
{
    // Until the forty scenes are recorded, a worker may be recording one for
    // longer than a frame, and drawing a card here could wait for it: the
    // caller shows its preview instead and hears when they are done.
    if (!inCorso_ || !TutteRegistrate())
        return false;
    Lavoro &lavoro = *corrente_;
    while (std::chrono::steady_clock::now() < fino) {
        const int i = lavoro.prossimo++;
        if (i >= kCarte)
            break;
        Disegna(lavoro, i, Chi::Aiutante);
    }
    std::unique_lock attesa(mutex_);
    return tutti_.wait_until(attesa, fino, [&] { return lavoro.fatti == kCarte; });
}

void DisegnoInSerie::Interrompi()
{
    if (corrente_)
        corrente_->stop = true;
    inCorso_ = false;
}

std::vector<QImage> DisegnoInSerie::Raccogli()
{
    // Once the fortieth is counted no worker touches the pictures again.
    if (!inCorso_ || corrente_->fatti != kCarte)
        return {};
    inCorso_ = false;
    return std::move(corrente_->immagini);
}

CacheCarte::CacheCarte(std::function<void()> pronte) : disegno_(std::move(pronte), kLavoratori) {}

CacheCarte::~CacheCarte() = default; // the drawing's workers first, then the recorder: both join

void CacheCarte::Preregistra()
{
    if (!registratore_.joinable() && !TutteRegistrate())
        registratore_ = std::jthread([] { RegistraTutte(); });
}

const CacheCarte::Serie *CacheCarte::Trova(QSize logica, qreal rapporto) const
{
    const auto trovata = std::find_if(serie_.begin(), serie_.end(), DellaMisura(logica, rapporto));
    return trovata != serie_.end() ? &*trovata : nullptr;
}

CacheCarte::Serie &CacheCarte::Crea(QSize logica, qreal rapporto)
{
    // The size shown goes first, so that a new size lets go of the other:
    // back and forth between two sizes keeps both.
    const auto trovata = std::find_if(serie_.begin(), serie_.end(), DellaMisura(logica, rapporto));
    if (trovata != serie_.end()) {
        std::rotate(serie_.begin(), trovata, trovata + 1);
        return serie_.front();
    }
    serie_.push_front(Serie{logica, rapporto, {}});
    while (serie_.size() > kSerieTenute)
        serie_.pop_back();
    return serie_.front();
}

bool CacheCarte::Pronta(int code, QSize logicalSize, qreal devicePixelRatio) const
{
    const Serie *s = Trova(DimensioneValida(logicalSize), RapportoValido(devicePixelRatio));
    return s && s->pixmap.count(code) > 0;
}

bool CacheCarte::Richiedi(QSize logicalSize, qreal devicePixelRatio)
{
    const QSize logica = DimensioneValida(logicalSize);
    const qreal rapporto = RapportoValido(devicePixelRatio);
    if (const Serie *s = Trova(logica, rapporto); s && s->pixmap.size() == kCarte) {
        disegno_.Interrompi(); // a drawing for another size is no longer wanted
        Crea(logica, rapporto);
        return true;
    }
    if (!disegno_.InCorso() || disegno_.Dimensione() != logica || disegno_.Rapporto() != rapporto) {
        // The size shown stays; an older one goes now rather than once the
        // new one is drawn, so that the workers draw into memory it leaves.
        while (serie_.size() >= kSerieTenute)
            serie_.pop_back();
        disegno_.Avvia(logica, rapporto);
    }
    return false;
}

bool CacheCarte::Completa(std::chrono::steady_clock::time_point fino) { return disegno_.Aiuta(fino) && Raccogli(); }

bool CacheCarte::Raccogli()
{
    const QSize logica = disegno_.Dimensione();
    const qreal rapporto = disegno_.Rapporto();
    std::vector<QImage> immagini = disegno_.Raccogli();
    if (immagini.empty())
        return false;
    Serie &s = Crea(logica, rapporto);
    for (int code = 1; code <= kCarte; ++code) {
        if (s.pixmap.count(code))
            continue;
        QPixmap pm = QPixmap::fromImage(std::move(immagini[code - 1]));
        if (pm.isNull()) {
            Diagnostica("the picture of card " + std::to_string(code) + " cannot be read; drawn plain");
            pm = CartaDiRiserva(code, logica, rapporto);
        }
        pm.setDevicePixelRatio(rapporto);
        s.pixmap.emplace(code, std::move(pm));
    }
    return true;
}

QPixmap CacheCarte::Pixmap(int code, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize logica = DimensioneValida(logicalSize);
    const qreal rapporto = RapportoValido(devicePixelRatio);
    Serie &s = Crea(logica, rapporto);
    if (auto it = s.pixmap.find(code); it != s.pixmap.end())
        return it->second;

    QPixmap pm = QPixmap::fromImage(DisegnaImmagine(code, logica, rapporto));
    if (pm.isNull()) {
        if (IsCarta(code))
            Diagnostica("the picture of card " + std::to_string(code) + " cannot be read; drawn plain");
        pm = CartaDiRiserva(code, logica, rapporto);
    }
    pm.setDevicePixelRatio(rapporto);
    s.pixmap.emplace(code, pm);
    return pm;
}

} // namespace belvane::cardart
