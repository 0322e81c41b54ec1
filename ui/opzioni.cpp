#include "opzioni.h"

namespace belvane {

Opzioni::Opzioni(QAction &music, QAction &cardRustle, QAction &tips, std::array<QWidget *, kCarte + 1> carte,
                 const NomiCarte &nomi, QObject *parent)
    : QObject(parent), music_(music), rustle_(cardRustle), tips_(tips), carte_(carte), nomi_(nomi)
{
    connect(&music_, &QAction::triggered, this, &Opzioni::Menu_music_Click);
    connect(&tips_, &QAction::triggered, this, &Opzioni::Menu_tips_Click);
    // "Card rustle" needs no handler of its own: the next move reads its check mark.
}

void Opzioni::Menu_music_Click(bool acceso)
{
    if (acceso)
        emit ResumeMusic();
    else
        emit PauseMusic();
}

void Opzioni::Menu_tips_Click(bool) { ImpostaTips(); }

void Opzioni::ImpostaTips()
{
    const bool acceso = tips_.isChecked();
    for (int k = 1; k <= kCarte; ++k)
        carte_[k]->setToolTip(acceso ? QString::fromStdString(nomi_[k]) : QString());
}

} // namespace belvane
