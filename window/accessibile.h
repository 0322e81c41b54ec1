// The table as a screen reader meets it: a 4 x 11 grid whose cells are the
// slots, each named after its card or "Free space", with its row and column,
// a press that plays the card as a click does, and a notification that tells
// moves, deals and the end of a game. Nothing here runs while no reader
// listens, except the bookkeeping of a click or a deal.
#pragma once

#include "carte.h"
#include "regola.h"

#include <QAccessible>
#include <QObject>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace belvane {

// What the reader's side reads of the window and asks of it.
struct LatoTavolo {
    std::function<bool()> distribuito;                // cards lie on the table (not the title pause)
    std::function<Int(Slot)> carta;                   // the card in a slot, 0 for a free space
    std::function<QString(Int)> nome;                 // a card's name as a player reads it
    std::function<std::optional<Slot>()> fuoco;       // the focused slot while the table has the keyboard focus
    std::function<QRect(Slot)> rettangolo;            // a slot in the table's pixels
    std::function<void(Slot)> premi;                  // the card in a slot clicked
    std::function<void(Slot)> focalizza;              // the keyboard focus moved to a slot
    std::function<bool()> lettore;                    // whether a screen reader listens
    std::function<void(QAccessibleEvent *)> racconta; // tells it an event
};

// "row 2, column 5"
QString NomePosto(Slot slot);

// One slot of the table, as an object a reader can hold on to: its place
// never changes, what it shows does.
class Casella final : public QObject {
    Q_OBJECT
public:
    Casella(Slot slot, QObject *parent) : QObject(parent), slot_(slot) {}
    Slot slot() const { return slot_; }

private:
    Slot slot_;
};

// The line a reader is told after a move, a deal or the end of a game.
class Annuncio final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    const QString &testo() const { return testo_; }
    void SetTesto(const QString &testo) { testo_ = testo; }

private:
    QString testo_;
};

// The 44 slots and the notification, owned by the table widget.
class Caselle final : public QObject {
    Q_OBJECT
public:
    // `tavolo` is the table widget; its accessible interface becomes the
    // table of these cells.
    Caselle(QWidget *tavolo, LatoTavolo lato);

    const LatoTavolo &lato() const { return lato_; }
    QWidget *tavolo() const;
    Casella *casella(Slot slot) const;
    Annuncio *annuncio() const { return annuncio_; }

    // After the table changed: the cells whose card changed have new names.
    void Aggiorna();
    // Tells the reader that the focus is on `slot`.
    void DiFuoco(Slot slot);
    // Tells the reader a line, with the others of the same turn (a move,
    // then the stop it caused) when control goes back to the event loop.
    void Annuncia(const QString &testo);
    // Tells the lines of this turn now, before a question takes over.
    void Dillo();

private:
    void Racconta(QObject *oggetto, QAccessible::Event tipo);

    LatoTavolo lato_;
    std::array<Casella *, kRighe * kColonne> caselle_{};
    std::array<Int, kRighe * kColonne> detto_{}; // the card each cell was last named after
    QString daDire_;                             // the lines of this turn, not yet told
    Annuncio *annuncio_;
};

} // namespace belvane
