#include "form1.h"
#include "versione.h"

#include <QApplication>

#include <algorithm>

int main(int argc, char *argv[])
{
    // The program reads no command line: Qt sees only the program's name.
    int argomenti = std::min(argc, 1);
    QApplication app(argomenti, argv);
    QApplication::setApplicationName(QString::fromUtf8(belvane::versione::NomeProdotto));
    QApplication::setApplicationVersion(QString::fromUtf8(belvane::versione::VersioneProdotto));
    QApplication::setOrganizationName(QString::fromUtf8(belvane::versione::Azienda));
    // Wayland's app id: the desktop shows the window with its entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BELVANE_ID));

    belvane::Form1 finestra;
    finestra.show();
    return QApplication::exec();
}
