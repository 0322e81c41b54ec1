// The modal Yes/No question that ends every stop of the game.
#pragma once

#include "effetti.h"

#include <QMessageBox>

namespace belvane {

// Yes and No only, Yes the default, no icon; Escape and the close box do
// nothing, so the player must choose.
class Domanda final : public QMessageBox {
    Q_OBJECT
public:
    Domanda(QWidget *parent, const QString &titolo, const QString &testo);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

Risposta ChiediSiNo(QWidget *parent, const QString &titolo, const QString &testo);

} // namespace belvane
