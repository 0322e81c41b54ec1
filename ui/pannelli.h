// The rules and about panels that lie over the table. At most one shows at a
// time; every decision reads the panels' own visibility.
#pragma once

#include "geometria.h"

#include <QPlainTextEdit>

#include <array>
#include <functional>

namespace belvane {

enum class QualePannello { Text2, Text3, Text4 }; // English rules, Italian rules, about

// A panel's place on the table, in logical units.
struct Riquadro {
    double left, top, larghezza, altezza;
};
constexpr Riquadro PostoPannello(QualePannello quale)
{
    switch (quale) {
    case QualePannello::Text2:
        return {0, 0, 401, 271.25};
    case QualePannello::Text3:
        return {0, 0, 401, 251.25};
    case QualePannello::Text4:
        break;
    }
    return {0.24 * kLarghezzaLogica, 0, 201.25, 101};
}

class Pannello final : public QPlainTextEdit {
    Q_OBJECT
public:
    Pannello(QualePannello quale, const QString &testo, Qt::ScrollBarPolicy barra, QWidget *parent);

    QualePannello quale() const { return quale_; }

signals:
    void Cliccato();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    QualePannello quale_;
};

// Each panel is made the first time it is asked for: three text boxes are a
// good share of the window's start-up, and most games never open one.
class Pannelli {
public:
    using Quale = QualePannello;

    // `prepara` places a panel when it is made.
    Pannelli(QWidget *tappeto, std::function<void(Pannello &)> prepara);

    Pannello &Text2() { return Panel(Quale::Text2); }
    Pannello &Text3() { return Panel(Quale::Text3); }
    Pannello &Text4() { return Panel(Quale::Text4); }
    // The panels made so far.
    void PerOgni(const std::function<void(Pannello &)> &fare);

    void HideAllPanels();
    void menu_rules_english_Click() { TogglePanel(Quale::Text2, Quale::Text3, Quale::Text4); }
    void menu_rules_italiano_Click() { TogglePanel(Quale::Text3, Quale::Text2, Quale::Text4); }
    void menu_about_Click() { TogglePanel(Quale::Text4, Quale::Text2, Quale::Text3); }

private:
    Pannello &Panel(Quale quale);
    void Nascondi(Quale quale);
    // Hides the other two in the order given, then shows or hides `pannello`.
    void TogglePanel(Quale pannello, Quale altro1, Quale altro2);

    QWidget *tappeto_;
    std::function<void(Pannello &)> prepara_;
    std::array<Pannello *, 3> pannelli_{}; // owned by the table widget once made
};

} // namespace belvane
