#include "pannelli.h"

#include "risorse.h"

#include <QEvent>

namespace belvane {

Pannello::Pannello(QualePannello quale, const QString &testo, Qt::ScrollBarPolicy barra, QWidget *parent)
    : QPlainTextEdit(testo, parent), quale_(quale)
{
    static constexpr std::array<const char *, 3> kNomi{"Text2", "Text3", "Text4"};
    static constexpr std::array<const char *, 3> kTitoli{"Rules", "Regole", "About"};
    setObjectName(QString::fromLatin1(kNomi[static_cast<std::size_t>(quale)]));
    setAccessibleName(QString::fromLatin1(kTitoli[static_cast<std::size_t>(quale)]));
    setReadOnly(true);
    // A reader can walk the text with the keyboard's cursor, line by line.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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

Pannelli::Pannelli(QWidget *tappeto, std::function<void(Pannello &)> prepara)
    : tappeto_(tappeto), prepara_(std::move(prepara))
{
}

Pannello &Pannelli::Panel(Quale quale)
{
    Pannello *&p = pannelli_[static_cast<std::size_t>(quale)];
    if (p == nullptr) {
        switch (quale) {
        case Quale::Text2:
            p = new Pannello(quale, risorse::RegoleInglese(), Qt::ScrollBarAlwaysOn, tappeto_);
            break;
        case Quale::Text3:
            p = new Pannello(quale, risorse::RegoleItaliane(), Qt::ScrollBarAlwaysOn, tappeto_);
            break;
        case Quale::Text4:
            p = new Pannello(quale, risorse::Informazioni(), Qt::ScrollBarAsNeeded, tappeto_);
            break;
        }
        QObject::connect(p, &Pannello::Cliccato, p, [this] { HideAllPanels(); });
        if (prepara_)
            prepara_(*p);
    }
    return *p;
}

void Pannelli::PerOgni(const std::function<void(Pannello &)> &fare)
{
    for (Pannello *p : pannelli_)
        if (p != nullptr)
            fare(*p);
}

void Pannelli::Nascondi(Quale quale)
{
    // A panel never made is hidden already.
    if (Pannello *p = pannelli_[static_cast<std::size_t>(quale)])
        p->hide();
}

void Pannelli::HideAllPanels()
{
    Nascondi(Quale::Text2);
    Nascondi(Quale::Text3);
    Nascondi(Quale::Text4);
}

void Pannelli::TogglePanel(Quale quale, Quale altro1, Quale altro2)
{
    Nascondi(altro1);
    Nascondi(altro2);
    Pannello &pannello = Panel(quale);
    if (pannello.isHidden()) {
        pannello.show();
        pannello.raise();
    } else {
        pannello.hide();
    }
}

} // namespace belvane
