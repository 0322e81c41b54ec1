#include "vesti.h"

#include "pennelli.h"
#include "tavolozza.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace belvane::cardart {
namespace {

Tinta Tono(QColor luce, QColor corpo, QColor ombra) { return {luce, corpo, ombra}; }
Tinta Tono(const QColor &c) { return {c.lighter(125), c, c.darker(145)}; }

} // namespace

Veste VesteDi(Seme seme, int valore)
{
    const bool re = valore == 10;
    switch (seme) {
    case Seme::Bastoni:
        return {kVerde, kRosso, kRosso, kOro, re ? kVerde : kRosso, kOro, kMarrone, kMarrone, Presa::Spalla, false};
    case Seme::Coppe:
        return {kRosso,        kOro, kBlu, kBlu, re ? kRosso : kBlu, kErmellino, kBlu, QColor(0xD8, 0x9A, 0x30),
                Presa::Alzata, true};
    case Seme::Denari:
        return {
            kBlu, kArancio, kVerde, kVerde, re ? kBlu : kVerde, kOro, kRosso, QColor(0x40, 0x28, 0x18), Presa::Mostrata,
            false};
    case Seme::Spade:
        return {kOro, kViola, kRosso, kNero, re ? kViola : kNero, kCeleste, kNero, kContorno, Presa::Riposo, true};
    }
    return {};
}

void Manica(const Tela &tela, QPointF spalla, QPointF gomito, QPointF mano, const Tinta &tinta, qreal ombra, qreal luce)
{
    const QPointF meta = (spalla + gomito) / 2, avambraccio = (gomito + mano) / 2;
    tela.Modella(Arto({spalla, meta, gomito, avambraccio, mano}, {3.0, 3.1, 2.3, 2.2, 1.9}), tinta, kContorno, ombra,
                 luce);
    const auto unita = [](QPointF d) { return d / std::max(0.01, std::hypot(d.x(), d.y())); };
    const QPointF u = unita(gomito - spalla), w = unita(mano - gomito);
    QPointF dentro = unita(w - u); // towards the inside of the bend
    if (std::hypot(w.x() - u.x(), w.y() - u.y()) < 0.2)
        dentro = QPointF(-u.y(), u.x());
    QPainterPath pieghe;
    for (qreal k : {0.3, 0.9}) {
        pieghe.moveTo(gomito - u * (1.6 + k) + dentro * 0.9);
        pieghe.quadTo(gomito + dentro * (0.1 + k * 0.4), gomito + w * (1.4 + k) + dentro * 0.8);
    }
    pieghe.moveTo(spalla + u * 1.2 - dentro * 0.6); // down the full upper sleeve
    pieghe.quadTo(meta - dentro * 0.9, gomito - u * 1.4 - dentro * 0.5);
    tela.Tratto(pieghe, tinta.ombra, kTrattoInterno);
    const QPointF n(-w.y(), w.x());
    tela.Linea(mano - w * 1.5 + n * 1.05, mano - w * 1.5 - n * 1.05, QColor(0xEF, 0xE8, 0xD6), 0.9);
}

void Cappello(QPainter &p, Seme seme, QPointF c, int verso, const QColor &colore)
{
    const qreal s = verso;
    const Tinta t = Tono(colore);
    c += QPointF(0, -0.8); // clear of the brow
    switch (seme) {
    case Seme::Bastoni: { // a broad hat with a turned-up brim and a plume
        QPainterPath tesa;
        tesa.addEllipse(c + QPointF(-s * 0.3, -3.3), 5.2, 1.3);
        QPainterPath cupola;
        cupola.moveTo(c + QPointF(-3, -3.4));
        cupola.cubicTo(c + QPointF(-3.2, -8.2), c + QPointF(3.2, -8.2), c + QPointF(3, -3.4));
        cupola.closeSubpath();
        Modella(p, Unione(Piatto(tesa), Piatto(cupola)), t, kContorno, 0.8, 0.5);
        Linea(p, c + QPointF(-2.8, -4.6), c + QPointF(2.8, -4.6), kOro, 0.8);
        QPainterPath piuma;
        piuma.moveTo(c + QPointF(s * 1.0, -5.8));
        piuma.cubicTo(c + QPointF(s * 2.4, -10.4), c + QPointF(s * 5.4, -10.8), c + QPointF(s * 6.2, -9.2));
        piuma.cubicTo(c + QPointF(s * 4.6, -9.0), c + QPointF(s * 3.4, -7.4), c + QPointF(s * 2.6, -5.2));
        piuma.closeSubpath();
        Modella(p, Piatto(piuma), Tono(QColor(0xFF, 0xF0, 0xB0), kOro, kOroCavo), kContorno, 0.5, 0.3);
        break;
    }
    case Seme::Coppe: { // a soft beret with a white feather
        QPainterPath b;
        b.moveTo(c + QPointF(-s * 3.4, -2));
        b.cubicTo(c + QPointF(-s * 4.4, -6.6), c + QPointF(s * 3.8, -7.2), c + QPointF(s * 3.6, -2.6));
        b.quadTo(c + QPointF(0, -3.6), c + QPointF(-s * 3.4, -2));
        b.closeSubpath();
        Modella(p, Piatto(b), t, kContorno, 0.8, 0.5);
        QPainterPath piuma;
        piuma.moveTo(c + QPointF(s * 0.4, -6.2));
        piuma.cubicTo(c + QPointF(s * 2.0, -10.2), c + QPointF(s * 5.0, -10.6), c + QPointF(s * 6.2, -8.8));
        piuma.cubicTo(c + QPointF(s * 4.4, -8.8), c + QPointF(s * 3.0, -7.6), c + QPointF(s * 2.2, -5.6));
        piuma.closeSubpath();
        Modella(p, Piatto(piuma), Tono(kBianco, kErmellino, QColor(0xC8, 0xC4, 0xBC)), kContorno, 0.5, 0.3);
        break;
    }
    case Seme::Denari: { // a tall cap, its top falling forward, with a golden band
        QPainterPath b;
        b.moveTo(c + QPointF(-s * 3.0, -2.6));
        b.lineTo(c + QPointF(-s * 2.4, -7.4));
        b.quadTo(c + QPointF(s * 1.6, -10.4), c + QPointF(s * 4.2, -7.6));
        b.quadTo(c + QPointF(s * 2.4, -7.4), c + QPointF(s * 2.8, -2.6));
        b.closeSubpath();
        Modella(p, Piatto(b), t, kContorno, 0.8, 0.5);
        QPainterPath fascia;
        fascia.addRect(QRectF(c + QPointF(-3.1, -4.2), c + QPointF(3.1, -2.6)));
        Modella(p, Piatto(fascia), Tono(QColor(0xFF, 0xE0, 0x70), kOro, kOroCavo), kContorno, 0.4, 0.3);
        break;
    }
    case Seme::Spade: { // a morion with a crest
        QPainterPath m;
        m.moveTo(c + QPointF(-s * 4.6, -2.4));
        m.quadTo(c + QPointF(-s * 3, -3.2), c + QPointF(-s * 2.8, -4.6));
        m.cubicTo(c + QPointF(-s * 2.6, -7.8), c + QPointF(s * 2.6, -7.8), c + QPointF(s * 2.8, -4.6));
        m.quadTo(c + QPointF(s * 3, -3.2), c + QPointF(s * 4.6, -2.6));
        m.quadTo(c + QPointF(0, -3.2), c + QPointF(-s * 4.6, -2.4));
        m.closeSubpath();
        const Tinta acciaio = Tono(QColor(0xE4, 0xE8, 0xF0), QColor(0xB0, 0xB6, 0xC4), QColor(0x70, 0x76, 0x88));
        QPainterPath cresta;
        cresta.moveTo(c + QPointF(-s * 2.4, -6.2));
        cresta.quadTo(c + QPointF(-s * 0.5, -10.6), c + QPointF(s * 2.6, -6.4));
        cresta.quadTo(c + QPointF(0, -7.4), c + QPointF(-s * 2.4, -6.2));
        Modella(p, Piatto(cresta), Tono(kRosso), kContorno, 0.4, 0.3);
        Modella(p, Piatto(m), acciaio, kContorno, 0.8, 0.5);
        break;
    }
    }
}

} // namespace belvane::cardart
