#include "cache_carte.h"

#include "diagnostica.h"
#include "disegno_carte.h"
#include "risorse.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <string>

namespace belvane::cardart {
namespace {

qreal RapportoValido(qreal r) { return std::isfinite(r) && r > 0 ? r : 1.0; }

QSize DimensioneValida(QSize s) { return {std::max(1, s.width()), std::max(1, s.height())}; }

QImage Tela(QSize logica, qreal rapporto)
{
    QImage img(QSize(qCeil(logica.width() * rapporto), qCeil(logica.height() * rapporto)),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(rapporto);
    img.fill(Qt::white);
    return img;
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

bool CacheCarte::Pronta(int code, QSize logicalSize, qreal devicePixelRatio) const
{
    return DimensioneValida(logicalSize) == dimensione_ && RapportoValido(devicePixelRatio) == rapporto_ &&
        pixmap_.count(code) > 0;
}

QPixmap CacheCarte::Pixmap(int code, QSize logicalSize, qreal devicePixelRatio)
{
    const QSize logica = DimensioneValida(logicalSize);
    const qreal rapporto = RapportoValido(devicePixelRatio);
    if (logica != dimensione_ || rapporto != rapporto_) {
        pixmap_.clear();
        dimensione_ = logica;
        rapporto_ = rapporto;
    }
    if (auto it = pixmap_.find(code); it != pixmap_.end())
        return it->second;

    QPixmap pm;
    if (IsCarta(code)) {
        if (logica == QSize(kLarghezzaCarta, kAltezzaCarta) && rapporto == 1.0) {
            pm = QPixmap::fromImage(risorse::CartaBmp(code));
            if (pm.isNull())
                Diagnostica("the picture of card " + std::to_string(code) + " cannot be read; drawn plain");
        } else {
            QImage img = Tela(logica, rapporto);
            QPainter p(&img);
            DisegnaCarta(p, QRectF(0, 0, logica.width(), logica.height()), code);
            p.end();
            pm = QPixmap::fromImage(img);
        }
    }
    if (pm.isNull())
        pm = CartaDiRiserva(code, logica, rapporto);
    pm.setDevicePixelRatio(rapporto);
    pixmap_.emplace(code, pm);
    return pm;
}

} // namespace belvane::cardart
