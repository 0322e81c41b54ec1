// The rules and about panels that lie over the table. At most one shows at a
// time; every decision reads the panels' own visibility.
#pragma once

#include <QPlainTextEdit>

namespace belvane {

class Pannello final : public QPlainTextEdit {
    Q_OBJECT
public:
    Pannello(const char *nome, const QString &testo, Qt::ScrollBarPolicy barra, QWidget *parent);

signals:
    void Cliccato();

protected:
    bool viewportEvent(QEvent *event) override;
};

class Pannelli {
public:
    explicit Pannelli(QWidget *tavolo);

    Pannello &Text2() { return *text2_; } // English rules
    Pannello &Text3() { return *text3_; } // Italian rules
    Pannello &Text4() { return *text4_; } // about

    void HideAllPanels();
    void menu_rules_english_Click() { TogglePanel(*text2_, *text3_, *text4_); }
    void menu_rules_italiano_Click() { TogglePanel(*text3_, *text2_, *text4_); }
    void menu_about_Click() { TogglePanel(*text4_, *text2_, *text3_); }

private:
    // Hides the other two in the order given, then shows or hides `pannello`.
    static void TogglePanel(Pannello &pannello, Pannello &altro1, Pannello &altro2);

    Pannello *text4_; // owned by the table widget
    Pannello *text3_;
    Pannello *text2_;
};

} // namespace belvane
