#include "domanda.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace belvane {

Domanda::Domanda(QWidget *parent, const QString &titolo, const QString &testo)
    : QMessageBox(QMessageBox::NoIcon, titolo, testo, QMessageBox::Yes | QMessageBox::No, parent)
{
    setDefaultButton(QMessageBox::Yes);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
}

void Domanda::keyPressEvent(QKeyEvent *event)
{
    // QMessageBox would take Escape as No.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void Domanda::closeEvent(QCloseEvent *event)
{
    // Closing by a button has already set the result; anything else is refused.
    if (clickedButton() == nullptr)
        event->ignore();
    else
        QMessageBox::closeEvent(event);
}

Risposta ChiediSiNo(QWidget *parent, const QString &titolo, const QString &testo)
{
    Domanda domanda(parent, titolo, testo);
    domanda.exec();
    return domanda.clickedButton() == domanda.button(QMessageBox::Yes) ? Risposta::Si : Risposta::No;
}

} // namespace belvane
