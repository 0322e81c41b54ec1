#include "pannelli.h"

#include "risorse.h"

#include <QEvent>

namespace belvane {

Pannello::Pannello(const char *nome, const QString &testo, Qt::ScrollBarPolicy barra, QWidget *parent)
    : QPlainTextEdit(testo, parent)
{
    setObjectName(QString::fromLatin1(nome));
    setReadOnly(true);
    setVerticalScrollBarPolicy(barra);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette colori = palette();
    colori.setColor(QPalette::Base, QColor(255, 255, 192));
    colori.setColor(QPalette::Text, Qt::black);
    setPalette(colori);
    hide();
}

bool Pannello::viewportEvent(QEvent *event)
{
    // A click on the text, not on the scroll bar, closes the panel.
    if (event->type() == QEvent::MouseButtonRelease)
        emit Cliccato();
    return QPlainTextEdit::viewportEvent(event);
}

Pannelli::Pannelli(QWidget *tavolo)
    : text4_(new Pannello("Text4", risorse::Informazioni(), Qt::ScrollBarAsNeeded, tavolo)),
      text3_(new Pannello("Text3", risorse::RegoleItaliane(), Qt::ScrollBarAlwaysOn, tavolo)),
      text2_(new Pannello("Text2", risorse::RegoleInglese(), Qt::ScrollBarAlwaysOn, tavolo))
{
    for (Pannello *p : {text2_, text3_, text4_})
        QObject::connect(p, &Pannello::Cliccato, p, [this] { HideAllPanels(); });
}

void Pannelli::HideAllPanels()
{
    text2_->hide();
    text3_->hide();
    text4_->hide();
}

void Pannelli::TogglePanel(Pannello &pannello, Pannello &altro1, Pannello &altro2)
{
    altro1.hide();
    altro2.hide();
    if (pannello.isHidden()) {
        pannello.show();
        pannello.raise();
    } else {
        pannello.hide();
    }
}

} // namespace belvane
