#include "form1.h"
#include "piattaforma.h"
#include "versione.h"

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Under BELVANE_DUMP=<file>, after every click, key, window resize and
// minimize or restore, the program appends the table to the file: the
// engine's slots, then the slot each card is shown in. The window soak in
// bench/window reads it; without the variable nothing of this runs.
class Applicazione final : public QApplication {
public:
    using QApplication::QApplication;
    belvane::Form1 *finestra = nullptr;
    std::FILE *dump = nullptr;

    bool notify(QObject *o, QEvent *e) override
    {
        const QEvent::Type tipo = e->type();
        const bool fatto = QApplication::notify(o, e);
        if (dump && finestra &&
            (tipo == QEvent::MouseButtonRelease || tipo == QEvent::KeyPress ||
             ((tipo == QEvent::Resize || tipo == QEvent::WindowStateChange) && o == finestra)))
            Scrivi(tipo);
        return fatto;
    }

private:
    void Scrivi(QEvent::Type tipo)
    {
        using namespace belvane;
        const Stato &s = finestra->partita().stato();
        const QWidget &tavolo = finestra->tappeto();
        // 1: the title pause, nothing dealt yet; 2: a card on its way to its slot.
        const int fase = finestra->copertina().isVisible() ? 1 : finestra->InVolo() ? 2 : 0;
        std::fprintf(dump, "%d %dx%d %d |", static_cast<int>(tipo), tavolo.width(), tavolo.height(), fase);
        for (int r = 1; r <= kRighe; ++r)
            for (int c = 1; c <= kColonne; ++c)
                std::fprintf(dump, " %d", s.Tavolo[r][c]);
        std::fputs(" |", dump);
        // A card's slot from the centre of its widget, mapped back to logical units.
        const double sx = tavolo.width() / kLarghezzaLogica, sy = tavolo.height() / kAltezzaLogica;
        for (Int k = 1; k <= kCarte; ++k) {
            const QRect g = finestra->carta(k).geometry();
            const bool vista = finestra->carta(k).isVisibleTo(&tavolo) && sx > 0 && sy > 0;
            const double col = vista ? std::floor((g.x() + g.width() / 2.0) / sx / s.PassoX) + 1 : 0;
            const double riga = vista ? std::floor((g.y() + g.height() / 2.0) / sy / s.PassoY) + 1 : 0;
            std::fprintf(dump, " %g,%g", riga, col);
        }
        std::fputc('\n', dump);
        std::fflush(dump);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // The program reads no command line: Qt sees only the program's name.
    int argomenti = std::min(argc, 1);
    belvane::PreparaPiattaforma();
    Applicazione app(argomenti, argv);
    QApplication::setApplicationName(QString::fromUtf8(belvane::versione::NomeProdotto));
    QApplication::setApplicationVersion(QString::fromUtf8(belvane::versione::VersioneProdotto));
    QApplication::setOrganizationName(QString::fromUtf8(belvane::versione::Azienda));
    // Wayland's app id: the desktop shows the window with its entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BELVANE_ID));
    // X11 has no app id: the same id as WM_CLASS's instance name (Qt reads it
    // when the first window is made) lets a desktop find the entry by its
    // file name, and the entry's StartupWMClass names it too.
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", BELVANE_ID);

    belvane::Form1 finestra;
    if (const char *file = std::getenv("BELVANE_DUMP"))
        app.dump = std::fopen(file, "a");
    app.finestra = &finestra;
    finestra.show();
    const int esito = QApplication::exec();
    app.finestra = nullptr;
    if (app.dump)
        std::fclose(app.dump);
    return esito;
}
