// The three switches of the Options menu. Their check marks are the only
// store of the settings; nothing is saved.
#pragma once

#include "carte.h"

#include <QAction>
#include <QObject>
#include <QWidget>

#include <array>

namespace belvane {

class Opzioni final : public QObject {
    Q_OBJECT
public:
    // The actions flip their own check mark before they trigger; the
    // handlers act on the new state.
    Opzioni(QAction &music, QAction &cardRustle, QAction &tips, std::array<QWidget *, kCarte + 1> carte,
            const NomiCarte &nomi, QObject *parent = nullptr);

    bool RustleAcceso() const { return rustle_.isChecked(); }
    // Every card shows its own name, or none with ToolTips off.
    void ImpostaTips();

signals:
    void PauseMusic();
    void ResumeMusic();

private:
    void Menu_music_Click(bool acceso);
    void Menu_tips_Click(bool acceso);

    QAction &music_;
    QAction &rustle_;
    QAction &tips_;
    std::array<QWidget *, kCarte + 1> carte_;
    const NomiCarte &nomi_;
};

} // namespace belvane
