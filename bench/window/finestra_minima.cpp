// The floor for the start-up figures: an empty main window with a menu bar
// and the program's title, on the same Qt, started and watched the same way.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral("Quintavox - Belvane"));
    for (const char *voce : {"&Game", "&Options", "&Rules", "&Info"})
        finestra.menuBar()->addMenu(QString::fromUtf8(voce));
    finestra.resize(535, 364 + finestra.menuBar()->sizeHint().height());
    finestra.show();
    return QApplication::exec();
}
