#pragma once

#include "tavolozza.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QTransform>

#include <array>
#include <initializer_list>

namespace belvane::cardart {

// The horsemen are drawn facing right in the horse's own frame (the hooves
// on the ground at y = 66) and carried to the card by a transform: a mirror
// for those who ride to the left, a turn for a horse that rears. The
// geometry is mapped, not the painter, so that the light still comes from
// the upper left and the outlines keep their weight.
struct Tela {
    QPainter &p;
    QTransform t; // the horse's frame to the card

    QPointF Su(QPointF a) const { return t.map(a); }
    QPainterPath Su(const QPainterPath &a) const;
    // Modelled at the natural size, flat in the larger drawing (stampa.h's Campitura).
    void Modella(const QPainterPath &forma, const Tinta &tinta, const QColor &bordo, qreal ombra = 1.2,
                 qreal luce = 0.7) const;
    void Tratteggia(const QPainterPath &forma, const QColor &colore, qreal passo, qreal angolo,
                    qreal spessore = kTrattoInterno) const;
    // Shade away from the light, flat when large and engraved unless
    // `incisa` is false (see stampa.h).
    void Ombra(const QPainterPath &forma, const QColor &colore, bool incisa = true) const;
    void Linea(QPointF a, QPointF b, const QColor &c, qreal w) const;
    void Tratto(const QPainterPath &linea, const QColor &c, qreal w) const;
    // Round dots of one colour (studs, buttons), filled as one area.
    void Macchie(std::initializer_list<QPointF> centri, qreal r, const QColor &colore) const;
};

// A limb as a chain of joints, each with its width: the outline of a tapered
// stroke through them, closed with round ends.
QPainterPath Arto(std::initializer_list<QPointF> giunti, std::initializer_list<qreal> larghezze);

// One leg of the horse: where it leaves the body, the knee (or hock), the
// fetlock and the coronet above the hoof.
struct Gamba {
    QPointF attacco, ginocchio, nodello, corona;
};

// How the horse stands: its four legs in its own frame, and how it carries
// its head (degrees, positive raises it).
struct Andatura {
    Gamba anteriore, anterioreLontana, posteriore, posterioreLontana;
    qreal collo = 0;
    qreal coda = 0;          // degrees the tail swings back about its root (a rearing horse's hangs down)
    qreal misuraCollo = 1.0; // the neck and head's scale about the withers (a rearing horse's are shorter)
};

enum class Punte { No, DalGinocchio, DalNodello };

// The coat, the mane and the trappings.
struct Finimenti {
    Tinta manto, crini;
    Tinta gualdrappa;       // the saddle cloth
    QColor bordura;         // its border
    QColor briglia;         // bridle and reins
    bool pomellato = false; // a dappled coat: rings of the light tone on barrel and quarters (larger drawing only)
    // Dark points in the mane's colour: a dun's from the knees and hocks
    // down; a roan's only below the fetlocks (from the knees, its far legs
    // read as a pair of boots on the pale coat).
    Punte punte = Punte::No;
    // A coat near the card's white: at the natural size its crescent of
    // shade is wider and the belly, quarters and throat are shaded too (left
    // out there on other coats), or the horse fades into the card.
    bool pallido = false;
};

// The horse, far legs first; returns the corner of the mouth where the
// reins start, in the horse's frame.
QPointF DisegnaCavallo(const Tela &tela, const Andatura &andatura, const Finimenti &finimenti);
// The saddle cloth and the saddle, seat at `sella`.
void DisegnaSella(const Tela &tela, QPointF sella, const Finimenti &finimenti);
// The breast strap and the crupper.
void DisegnaFinimenti(const Tela &tela, const Finimenti &finimenti);

} // namespace belvane::cardart
