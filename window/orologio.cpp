#include "orologio.h"

#include <QCoreApplication>
#include <QTime>

namespace belvane {

OrologioDiSistema::OrologioDiSistema() { sveglia_.setSingleShot(true); }

double OrologioDiSistema::Secondi() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void OrologioDiSistema::ProcessaEventi(int ms)
{
    // The timer's own event ends the wait if nothing else does.
    sveglia_.start(ms);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double SecondiTrascorsi(double t0, double now)
{
    constexpr double kGiorno = 24 * 60 * 60;
    double trascorsi = now - t0;
    // A reading far behind t0 means the clock passed midnight.
    if (trascorsi < -kGiorno / 2)
        trascorsi += kGiorno;
    return trascorsi;
}

} // namespace belvane
