// The window's menu tree. The actions belong to the menu bar (Qt parents).
#pragma once

#include <QMenuBar>

namespace belvane {

struct Menu {
    QMenu *partita = nullptr;
    QAction *Nuova = nullptr;
    QAction *esci = nullptr;
    QMenu *opzioni = nullptr;
    QAction *Menu_music = nullptr;
    QAction *Menu_card_rustle = nullptr;
    QAction *Menu_tips = nullptr;
    QMenu *rules = nullptr;
    QAction *menu_rules_english = nullptr;
    QAction *menu_rules_italiano = nullptr;
    QAction *menu_about = nullptr; // on the bar itself: acts at once
};

// As created: only "Music" carries a check mark; start-up sets the others.
Menu CostruisciMenu(QMenuBar &barra);

} // namespace belvane
