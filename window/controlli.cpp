#include "controlli.h"

#include "diagnostica.h"

#include <QMouseEvent>
#include <QPainter>

namespace belvane {

Tappeto::Tappeto(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tappeto"));
    QPalette colori = palette();
    colori.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(colori);
    setAutoFillBackground(true);
}

void Tappeto::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown();
    QWidget::mousePressEvent(event);
}

void Tappeto::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit Ridimensionato();
}

CartaWidget::CartaWidget(Int codice, cardart::CacheCarte &cache, QWidget *parent)
    : QWidget(parent), codice_(codice), cache_(cache)
{
    setObjectName(QStringLiteral("carta%1").arg(codice));
    setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers every pixel
}

void CartaWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (anteprima_ && !ultima_.isNull() && !cache_.Pronta(codice_, size(), devicePixelRatioF())) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), ultima_);
        return;
    }
    ultima_ = cache_.Pixmap(codice_, size(), devicePixelRatioF());
    painter.drawPixmap(rect(), ultima_);
}

void CartaWidget::SetAnteprima(bool anteprima)
{
    if (anteprima_ == anteprima)
        return;
    anteprima_ = anteprima;
    if (!anteprima_)
        update();
}

void CartaWidget::mousePressEvent(QMouseEvent *event) { premuto_ = event->button() == Qt::LeftButton; }

void CartaWidget::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release on the same card.
    const bool click = premuto_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    premuto_ = false;
    if (click)
        emit Click(codice_);
}

Copertina::Copertina(QImage immagine, QWidget *parent) : QWidget(parent), immagine_(std::move(immagine))
{
    setObjectName(QStringLiteral("testo"));
    if (immagine_.isNull())
        Diagnostica("the title picture cannot be read; its dark ground is shown alone");
    sfondo_ = immagine_.isNull() ? QColor(40, 24, 16) : immagine_.pixelColor(1, immagine_.height() - 2);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void Copertina::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), sfondo_);
    if (immagine_.isNull())
        return;
    const qreal rapporto = devicePixelRatioF();
    const QSize dimensione = immagine_.size().scaled(size(), Qt::KeepAspectRatio);
    if (scalata_.isNull() || scalata_.deviceIndependentSize().toSize() != dimensione ||
        scalata_.devicePixelRatio() != rapporto) {
        scalata_ = QPixmap::fromImage(
            immagine_.scaled(dimensione * rapporto, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scalata_.setDevicePixelRatio(rapporto);
    }
    painter.drawPixmap(QPoint((width() - dimensione.width()) / 2, (height() - dimensione.height()) / 2), scalata_);
}

} // namespace belvane
