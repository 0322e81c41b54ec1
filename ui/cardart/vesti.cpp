#include "vesti.h"

#include "pennelli.h"
#include "tavolozza.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace belvane::cardart {
namespace {

Tinta Tono(QColor luce, QColor corpo, QColor ombra) { return {luce, corpo, ombra}; }
Tinta Tono(const QColor &c) { return {c.lighter(125), c, c.darker(145)}; }

// A soft plume rising from the hat at `c` + (0.8 s, -5.8) and drooping
// towards `s`: a broad vane round a curved quill, its barbs drawn aslant,
// outlined in its own shade rather than the ink, which makes a thin
// feather a hook.
void Piuma(QPainter &p, QPointF c, qreal s, const Tinta &tinta)
{
    const QPointF a = c + QPointF(s * 0.8, -5.8), b = c + QPointF(s * 3.0, -11.8), e = c + QPointF(s * 6.8, -8.2);
    const auto punto = [&](qreal t) { return a * ((1 - t) * (1 - t)) + b * (2 * t * (1 - t)) + e * (t * t); };
    constexpr int kPassi = 12;
    QPolygonF sopra, sotto;
    QPainterPath barbe;
    for (int i = 0; i <= kPassi; ++i) {
        const qreal t = qreal(i) / kPassi;
        const QPointF q = punto(t), d = punto(std::min(1.0, t + 0.02)) - punto(std::max(0.0, t - 0.02));
        const QPointF n = QPointF(-d.y(), d.x()) / std::hypot(d.x(), d.y());
        const qreal w = 0.25 + 1.2 * std::sin(M_PI * std::min(1.0, t * 1.1));
        sopra << q + n * w;
        sotto.prepend(q - n * w * 0.8);
        if (i > 1 && i < kPassi - 1 && i % 2 == 0) {
            barbe.moveTo(q);
            barbe.lineTo(q + n * w * 0.9 - d * 4);
            barbe.moveTo(q);
            barbe.lineTo(q - n * w * 0.7 - d * 4);
        }
    }
    QPainterPath piuma;
    piuma.addPolygon(sopra + sotto);
    piuma.closeSubpath();
    Modella(p, piuma, tinta, tinta.ombra.darker(135), 0.5, 0);
    p.setPen(Penna(tinta.ombra, kTrattoInterno));
    p.setBrush(Qt::NoBrush);
    p.drawPath(barbe);
}

} // namespace

Veste VesteDi(Seme seme, int valore)
{
    const bool re = valore == 10;
    switch (seme) {
    case Seme::Bastoni:
        // The rider in violet, his hat black: a green coat hid the club, and
        // the club's red stubs and golden leaf stand clear of violet sleeves;
        // beside a green hat the club's head ran into it.
        return {kViola, kViola, kRosso, kOro, re ? kVerde : kRosso, kOro, kNero, kMarrone, Presa::Spalla, false};
    case Seme::Coppe:
        // Red, his suit's colour, with a blue cap: the raised cup stands clear
        // of the sleeve above his head, his hand between them.
        return {kRosso,        kRosso, kMarrone, kMarrone, kRosso, kErmellino, kBlu, QColor(0x5A, 0x3A, 0x20),
                Presa::Alzata, true};
    case Seme::Denari:
        // Amaranth from collar to boots, with a red cap, over a red saddle
        // cloth: in teal he was taken for the clubman in green (both raise
        // their emblem high), in near-black velvet he was a dark blob with
        // no folds; green made him the clubman at a glance; an orange sleeve
        // raised to the golden coin read as a bare arm, a blue coat made him
        // the swordsman's twin; dull mid-tone coats went muddy on his cream
        // horse, a golden cap read as a crown; golden hose ran into the cream
        // coat, red ones into the cloth, and a golden cloth into the coat.
        return {kAmaranto,       kAmaranto, kAmaranto, kAmaranto, kAmaranto, kOro, kRosso, QColor(0x40, 0x28, 0x18),
                Presa::Mostrata, false};
    case Seme::Spade:
        // Blue, his suit's colour, to the wrist: a steel sleeve ran into his
        // white horse's mane and the sword's hilt, and sky-blue sleeves
        // clashed with the coat and drew both arms out of his chest.
        return {kBlu, kBlu, kRosso, kNero, re ? kViola : kNero, kCeleste, kNero, kContorno, Presa::Riposo, true};
    }
    return {};
}

void Manica(const Tela &tela, QPointF spalla, QPointF gomito, QPointF mano, const Tinta &tinta, qreal ombra, qreal luce,
            qreal grosso)
{
    const QPointF meta = (spalla + gomito) / 2, avambraccio = (gomito + mano) / 2;
    const qreal g = grosso;
    tela.Modella(Arto({spalla, meta, gomito, avambraccio, mano}, {3.4 * g, 3.5 * g, 2.7 * g, 2.5 * g, 2.2 * g}), tinta,
                 kContorno, ombra, luce);
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
    case Seme::Bastoni: {               // a broad hat with a turned-up brim and a plume
        if (!InchiostroDelPixelInUso()) // in the larger drawing clear of the brows
            c += QPointF(0, -0.6);
        QPainterPath tesa;
        tesa.addEllipse(c + QPointF(-s * 0.3, -3.3), 5.2, 1.3);
        QPainterPath cupola;
        cupola.moveTo(c + QPointF(-3, -3.4));
        cupola.cubicTo(c + QPointF(-3.2, -8.2), c + QPointF(3.2, -8.2), c + QPointF(3, -3.4));
        cupola.closeSubpath();
        Modella(p, Unione(Piatto(tesa), Piatto(cupola)), t, kContorno, 0.8, 0.5);
        Linea(p, c + QPointF(-2.8, -4.6), c + QPointF(2.8, -4.6), kOro, 0.8);
        Piuma(p, c, s, Tono(QColor(0xFF, 0xF0, 0xB0), kOro, kOroCavo));
        break;
    }
    case Seme::Coppe: { // a soft beret with a red feather (a white one was read as smoke over the card's white),
                        // trailing behind him, clear of the cup he raises before him
        QPainterPath b;
        b.moveTo(c + QPointF(-s * 3.4, -2));
        b.cubicTo(c + QPointF(-s * 4.4, -6.6), c + QPointF(s * 3.8, -7.2), c + QPointF(s * 3.6, -2.6));
        b.quadTo(c + QPointF(0, -3.6), c + QPointF(-s * 3.4, -2));
        b.closeSubpath();
        Modella(p, Piatto(b), t, kContorno, 0.8, 0.5);
        Piuma(p, c, -s, Tono(QColor(0xE0, 0x66, 0x52), QColor(0xC2, 0x34, 0x26), QColor(0x8A, 0x1E, 0x16)));
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
