#include "scivolata.h"

#include <QEasingCurve>
#include <QVariantAnimation>

namespace belvane {

Scivolata::Scivolata(std::chrono::milliseconds durata, Piazza piazza, QObject *parent)
    : QObject(parent), durata_(durata), piazza_(std::move(piazza))
{
}

Scivolata::~Scivolata()
{
    // The animations are children of this object; they must not call back while it goes.
    for (auto &[carta, volo] : voli_)
        volo.animazione->disconnect(this);
}

Posizione Scivolata::Disegnata(const CartaWidget &carta) const
{
    const auto volo = voli_.find(&carta);
    return volo == voli_.end() ? carta.posizione : volo->second.ora;
}

void Scivolata::Avvia(CartaWidget &carta, Posizione da)
{
    Scarta(carta);
    auto *animazione = new QVariantAnimation(this);
    animazione->setDuration(static_cast<int>(durata_.count()));
    animazione->setStartValue(0.0);
    animazione->setEndValue(1.0);
    animazione->setEasingCurve(QEasingCurve::OutCubic);
    voli_[&carta] = {da, da, animazione};
    connect(animazione, &QVariantAnimation::valueChanged, this, [this, c = &carta](const QVariant &valore) {
        const auto volo = voli_.find(c);
        if (volo == voli_.end())
            return;
        // Towards the card's position as it is now: it lands where it belongs.
        const auto t = static_cast<float>(valore.toDouble());
        Volo &v = volo->second;
        v.ora = {v.da.left + (c->posizione.left - v.da.left) * t, v.da.top + (c->posizione.top - v.da.top) * t};
        piazza_(*c, v.ora);
    });
    connect(animazione, &QVariantAnimation::finished, this, [this, c = &carta] { Atterra(*c); });
    piazza_(carta, da);
    animazione->start();
}

void Scivolata::Scarta(CartaWidget &carta)
{
    const auto volo = voli_.find(&carta);
    if (volo == voli_.end())
        return;
    QVariantAnimation *animazione = volo->second.animazione;
    voli_.erase(volo);
    animazione->disconnect(this);
    animazione->stop();
    animazione->deleteLater();
}

void Scivolata::Atterra(CartaWidget &carta)
{
    if (voli_.count(&carta) == 0)
        return;
    Scarta(carta);
    piazza_(carta, carta.posizione);
}

void Scivolata::Termina()
{
    while (!voli_.empty())
        Atterra(*voli_.begin()->first);
}

} // namespace belvane
