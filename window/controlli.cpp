#include "controlli.h"

#include "diagnostica.h"
#include "versione.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace belvane {

Tappeto::Tappeto(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tappeto"));
    QPalette colori = palette();
    colori.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(colori);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void Tappeto::paintEvent(QPaintEvent *)
{
    // The ground is Qt's own fill (autoFillBackground), done by now.
    emit PrimaDelleCarte();
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

void Tappeto::keyPressEvent(QKeyEvent *event)
{
    // Keys with Ctrl or Alt belong to the menus.
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        emit Freccia(0, -1);
        break;
    case Qt::Key_Right:
        emit Freccia(0, 1);
        break;
    case Qt::Key_Up:
        emit Freccia(-1, 0);
        break;
    case Qt::Key_Down:
        emit Freccia(1, 0);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A held key is one press, as a held mouse button is one click.
        if (!event->isAutoRepeat())
            emit Invio();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Tappeto::focusInEvent(QFocusEvent *)
{
    // The table looks the same with or without the focus: no repaint of
    // everything on it (Qt's default) at every move.
    emit FuocoEntrato();
}

void Tappeto::focusOutEvent(QFocusEvent *) {}

Cornice::Cornice(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("cornice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Cornice::Circonda(QRect slot, int spessore)
{
    spessore_ = spessore;
    const int m = Margine(spessore);
    // At the table's edge the ring comes inside, over the card's border, so it shows whole.
    QRect cornice = slot.adjusted(-m, -m, m, m);
    if (parentWidget() != nullptr)
        cornice = cornice.intersected(parentWidget()->rect());
    setGeometry(cornice);
    update();
}

void Cornice::paintEvent(QPaintEvent *)
{
    // Yellow stands out on the green table, the black edges on a white card.
    QPainter painter(this);
    const auto anello = [&](QRectF fuori, qreal spessore, const QColor &colore) {
        QPainterPath percorso;
        percorso.setFillRule(Qt::OddEvenFill);
        percorso.addRect(fuori);
        percorso.addRect(fuori.adjusted(spessore, spessore, -spessore, -spessore));
        painter.fillPath(percorso, colore);
    };
    const QRectF tutto = QRectF(rect());
    anello(tutto, 1, Qt::black);
    anello(tutto.adjusted(1, 1, -1, -1), spessore_, QColor(255, 214, 0));
    anello(tutto.adjusted(1 + spessore_, 1 + spessore_, -1 - spessore_, -1 - spessore_), 1, Qt::black);
}

CartaWidget::CartaWidget(Int codice, cardart::CacheCarte &cache, QWidget *parent)
    : QWidget(parent), codice_(codice), cache_(cache)
{
    setObjectName(QStringLiteral("carta%1").arg(codice));
    setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers every pixel
    // The table keeps the keyboard focus: a click on a card gives it to the table.
    setFocusPolicy(Qt::NoFocus);
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

Copertina::Copertina(std::function<QImage()> carica, QWidget *parent) : QWidget(parent), carica_(std::move(carica))
{
    setObjectName(QStringLiteral("testo"));
    // What the picture shows, for a screen reader.
    const QString nome = QString::fromUtf8(versione::NomeProdotto);
    setAccessibleName(nome);
    setAccessibleDescription(
        QStringLiteral("Title picture: the word %1 above an engraved portrait of a man with a "
                       "moustache and a bow tie in an oval frame; \"A %2 game, %1, version %3\" "
                       "in the lower left corner.")
            .arg(nome, QString::fromUtf8(versione::Azienda), QString::fromUtf8(versione::VersioneProdotto)));
    immagine_ = carica_();
    if (immagine_.isNull())
        Diagnostica("the title picture cannot be read; its dark ground is shown alone");
    naturale_ = immagine_.size();
    sfondo_ = immagine_.isNull() ? QColor(40, 24, 16) : immagine_.pixelColor(1, immagine_.height() - 2);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void Copertina::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), sfondo_);
    if (naturale_.isEmpty())
        return;
    const qreal rapporto = devicePixelRatioF();
    const QSize dimensione = naturale_.scaled(size(), Qt::KeepAspectRatio);
    if (scalata_.isNull() || scalata_.deviceIndependentSize().toSize() != dimensione ||
        scalata_.devicePixelRatio() != rapporto) {
        // The picture decoded for the start is used once, then let go.
        const QImage immagine = immagine_.isNull() ? carica_() : std::exchange(immagine_, QImage());
        scalata_ =
            QPixmap::fromImage(immagine.scaled(dimensione * rapporto, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scalata_.setDevicePixelRatio(rapporto);
    }
    painter.drawPixmap(QPoint((width() - dimensione.width()) / 2, (height() - dimensione.height()) / 2), scalata_);
}

void Copertina::hideEvent(QHideEvent *) { scalata_ = QPixmap(); }

} // namespace belvane
