#include "menu.h"

namespace belvane {

namespace {
QAction *Voce(QMenu *menu, const char *nome, const QString &testo, const QKeySequence &tasto = {})
{
    QAction *voce = menu->addAction(testo);
    voce->setObjectName(QString::fromLatin1(nome));
    voce->setShortcut(tasto);
    return voce;
}

QAction *Interruttore(QMenu *menu, const char *nome, const QString &testo, const QKeySequence &tasto, bool acceso)
{
    QAction *voce = Voce(menu, nome, testo, tasto);
    voce->setCheckable(true);
    voce->setChecked(acceso);
    return voce;
}
} // namespace

Menu CostruisciMenu(QMenuBar &barra)
{
    Menu m;
    m.partita = barra.addMenu(QStringLiteral("&Game"));
    m.partita->setObjectName(QStringLiteral("partita"));
    m.Nuova = Voce(m.partita, "Nuova", QStringLiteral("Shuffle cards"), QKeySequence(Qt::Key_F2));
    m.esci = Voce(m.partita, "esci", QStringLiteral("Exit"));

    m.opzioni = barra.addMenu(QStringLiteral("&Options"));
    m.opzioni->setObjectName(QStringLiteral("opzioni"));
    m.Menu_music =
        Interruttore(m.opzioni, "Menu_music", QStringLiteral("Music"), QKeySequence(Qt::CTRL | Qt::Key_W), true);
    m.Menu_card_rustle = Interruttore(m.opzioni, "Menu_card_rustle", QStringLiteral("Card rustle"),
                                      QKeySequence(Qt::CTRL | Qt::Key_R), false);
    m.Menu_tips =
        Interruttore(m.opzioni, "Menu_tips", QStringLiteral("ToolTips"), QKeySequence(Qt::CTRL | Qt::Key_T), false);

    m.rules = barra.addMenu(QStringLiteral("&Rules"));
    m.rules->setObjectName(QStringLiteral("rules"));
    m.menu_rules_english = Voce(m.rules, "menu_rules_english", QStringLiteral("English"));
    m.menu_rules_italiano = Voce(m.rules, "menu_rules_italiano", QStringLiteral("Italiano"));

    m.menu_about = barra.addAction(QStringLiteral("&Info"));
    m.menu_about->setObjectName(QStringLiteral("menu_about"));
    return m;
}

} // namespace belvane
