#include "piattaforma.h"

#include <QByteArray>
#include <QtGlobal>

namespace belvane {

void PreparaPiattaforma()
{
    // On X11, Qt shares the window's pixels with the server through a
    // shared-memory segment, and makes a new one each time the window grows:
    // its first paint then faults in every page, which was most of each
    // frame of a drag (up to 20 ms of the window's thread). Through the
    // socket a frame takes 2 to 4 ms; the cards change a few small areas at
    // a time, where sharing gains nothing.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace belvane
