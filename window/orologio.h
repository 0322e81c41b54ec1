// The clock of the title pause, and how the pause waits for it.
#pragma once

#include <QTimer>

namespace belvane {

class OrologioPausa {
public:
    virtual ~OrologioPausa() = default;
    // Seconds since midnight.
    virtual double Secondi() = 0;
    // Runs the window's pending events, sleeping up to `ms` until one comes.
    virtual void ProcessaEventi(int ms) = 0;
};

// Wall clock; waits in the event loop with a timer, so the CPU idles.
class OrologioDiSistema final : public OrologioPausa {
public:
    OrologioDiSistema();
    double Secondi() override;
    void ProcessaEventi(int ms) override;

private:
    QTimer sveglia_;
};

// Seconds from t0 to now on a clock that wraps at midnight.
double SecondiTrascorsi(double t0, double now);

} // namespace belvane
