#include "accessibile.h"

#include "controlli.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace belvane {

namespace {

constexpr int kCelle = kRighe * kColonne;

int Indice(Slot slot) { return (slot.riga - 1) * kColonne + (slot.colonna - 1); }

// What every child of the table shares: a leaf, in the table's window, with
// the table as its parent.
class FogliaDelTavolo : public QAccessibleObject {
public:
    FogliaDelTavolo(QObject *oggetto, Caselle *caselle) : QAccessibleObject(oggetto), caselle_(caselle) {}

    bool isValid() const override { return QAccessibleObject::isValid() && caselle_->tavolo() != nullptr; }
    QWindow *window() const override { return caselle_->tavolo()->window()->windowHandle(); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(caselle_->tavolo()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

protected:
    Caselle *caselle_;
};

// One slot: a table cell named after what it shows, pressable while it shows a card.
class AccessibileCasella final : public FogliaDelTavolo,
                                 public QAccessibleTableCellInterface,
                                 public QAccessibleActionInterface {
public:
    AccessibileCasella(Casella *casella, Caselle *caselle) : FogliaDelTavolo(casella, caselle), slot_(casella->slot())
    {
    }

    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (const Int c = Carta())
                return caselle_->lato().nome(c);
            return QStringLiteral("Free space");
        case QAccessible::Description:
            return NomePosto(slot_);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = caselle_->lato().fuoco() == slot_;
        s.invisible = !caselle_->lato().distribuito();
        return s;
    }
    QRect rect() const override
    {
        const QRect r = caselle_->lato().rettangolo(slot_);
        return {caselle_->tavolo()->mapToGlobal(r.topLeft()), r.size()};
    }
    void *interface_cast(QAccessible::InterfaceType tipo) override
    {
        if (tipo == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (tipo == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface: rows and columns count from 0 here.
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return slot_.colonna - 1; }
    int rowIndex() const override { return slot_.riga - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // QAccessibleActionInterface: a free space takes no press.
    QStringList actionNames() const override
    {
        if (Carta() != 0)
            return {pressAction(), setFocusAction()};
        return {setFocusAction()};
    }
    void doAction(const QString &azione) override
    {
        if (azione == pressAction() && Carta() != 0)
            caselle_->lato().premi(slot_);
        else if (azione == setFocusAction() && caselle_->lato().distribuito())
            caselle_->lato().focalizza(slot_);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    Int Carta() const { return caselle_->lato().distribuito() ? caselle_->lato().carta(slot_) : Int{0}; }

    Slot slot_;
};

// The line last told, as a notification a reader speaks when it shows.
class AccessibileAnnuncio final : public FogliaDelTavolo {
public:
    AccessibileAnnuncio(Annuncio *annuncio, Caselle *caselle) : FogliaDelTavolo(annuncio, caselle) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Annuncio *>(object())->testo() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

// The table widget: the 44 cells first, row by row, then the notification,
// then the widgets that are not cards (the title picture, the panels). It
// answers as a table (rows, columns, the cell at each) but calls itself a
// panel: a reader reads a whole row of a table at every move up or down,
// eleven names before the one the player went to.
class AccessibileTavolo final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    AccessibileTavolo(QWidget *tavolo, Caselle *caselle)
        : QAccessibleWidget(tavolo, QAccessible::Pane), caselle_(caselle)
    {
    }

    int childCount() const override
    {
        return caselle_ ? kCelle + 1 + static_cast<int>(Altri().size()) : QAccessibleWidget::childCount();
    }
    QAccessibleInterface *child(int indice) const override
    {
        if (!caselle_)
            return QAccessibleWidget::child(indice);
        if (indice < 0)
            return nullptr;
        if (indice < kCelle)
            return QAccessible::queryAccessibleInterface(
                caselle_->casella({indice / kColonne + 1, indice % kColonne + 1}));
        if (indice == kCelle)
            return QAccessible::queryAccessibleInterface(caselle_->annuncio());
        const QList<QWidget *> altri = Altri();
        return indice - kCelle - 1 < altri.size() ? QAccessible::queryAccessibleInterface(altri[indice - kCelle - 1])
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *figlio) const override
    {
        if (!caselle_)
            return QAccessibleWidget::indexOfChild(figlio);
        if (figlio == nullptr)
            return -1;
        if (const auto *casella = qobject_cast<const Casella *>(figlio->object()))
            return casella->parent() == caselle_ ? Indice(casella->slot()) : -1;
        if (figlio->object() == caselle_->annuncio())
            return kCelle;
        const int i = static_cast<int>(Altri().indexOf(qobject_cast<QWidget *>(figlio->object())));
        return i < 0 ? -1 : kCelle + 1 + i;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; caselle_ && i < kCelle; ++i) {
            QAccessibleInterface *cella = child(i);
            if (cella->rect().contains(x, y))
                return cella;
        }
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface *focusChild() const override
    {
        if (const std::optional<Slot> fuoco = caselle_ ? caselle_->lato().fuoco() : std::nullopt)
            return QAccessible::queryAccessibleInterface(caselle_->casella(*fuoco));
        return QAccessibleWidget::focusChild();
    }
    void *interface_cast(QAccessible::InterfaceType tipo) override
    {
        if (tipo == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(tipo);
    }

    // QAccessibleTableInterface: no headers, no selection.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int riga, int colonna) const override
    {
        if (!caselle_ || riga < 0 || riga >= kRighe || colonna < 0 || colonna >= kColonne)
            return nullptr;
        return child(riga * kColonne + colonna);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int colonna) const override { return QStringLiteral("Column %1").arg(colonna + 1); }
    QString rowDescription(int riga) const override { return QStringLiteral("Row %1").arg(riga + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColonne; }
    int rowCount() const override { return kRighe; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    // The cards are the cells' content and the focus frame is only a picture.
    QList<QWidget *> Altri() const
    {
        QList<QWidget *> altri;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w != nullptr && !w->isWindow() && qobject_cast<CartaWidget *>(w) == nullptr &&
                dynamic_cast<Cornice *>(w) == nullptr)
                altri.append(w);
        }
        return altri;
    }

    QPointer<Caselle> caselle_; // gone before the table widget while it is destroyed
};

QAccessibleInterface *Fabbrica(const QString &classe, QObject *oggetto)
{
    if (auto *casella = qobject_cast<Casella *>(oggetto); casella && classe == QLatin1String("belvane::Casella"))
        return new AccessibileCasella(casella, static_cast<Caselle *>(casella->parent()));
    if (auto *annuncio = qobject_cast<Annuncio *>(oggetto); annuncio && classe == QLatin1String("belvane::Annuncio"))
        return new AccessibileAnnuncio(annuncio, static_cast<Caselle *>(annuncio->parent()));
    if (classe == QLatin1String(Tappeto::staticMetaObject.className()) && oggetto->isWidgetType()) {
        if (auto *caselle = oggetto->findChild<Caselle *>(QString(), Qt::FindDirectChildrenOnly))
            return new AccessibileTavolo(static_cast<QWidget *>(oggetto), caselle);
    }
    return nullptr;
}

} // namespace

QString NomePosto(Slot slot) { return QStringLiteral("row %1, column %2").arg(slot.riga).arg(slot.colonna); }

Caselle::Caselle(QWidget *tavolo, LatoTavolo lato) : QObject(tavolo), lato_(std::move(lato))
{
    static const bool installata = (QAccessible::installFactory(Fabbrica), true);
    (void)installata;
    for (int i = 0; i < kCelle; ++i)
        caselle_[i] = new Casella({i / kColonne + 1, i % kColonne + 1}, this);
    annuncio_ = new Annuncio(this);
    // Qt describes a widget while it is being built, and keeps that: the
    // table was described as a plain widget, and is described anew.
    QAccessibleInterface *vecchia = QAccessible::queryAccessibleInterface(tavolo);
    if (vecchia != nullptr && dynamic_cast<AccessibileTavolo *>(vecchia) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(vecchia));
}

void Caselle::Racconta(QObject *oggetto, QAccessible::Event tipo)
{
    QAccessibleEvent evento(oggetto, tipo);
    lato_.racconta(&evento);
}

QWidget *Caselle::tavolo() const { return static_cast<QWidget *>(parent()); }

Casella *Caselle::casella(Slot slot) const { return caselle_.at(Indice(slot)); }

void Caselle::Aggiorna()
{
    const bool distribuito = lato_.distribuito();
    for (int i = 0; i < kCelle; ++i) {
        const Int carta = distribuito ? lato_.carta(caselle_[i]->slot()) : Int{0};
        if (carta == detto_[i])
            continue;
        detto_[i] = carta;
        // A reader that keeps names drops the old one on this event.
        if (lato_.lettore())
            Racconta(caselle_[i], QAccessible::NameChanged);
    }
}

void Caselle::DiFuoco(Slot slot)
{
    if (lato_.lettore())
        Racconta(casella(slot), QAccessible::Focus);
}

void Caselle::Annuncia(const QString &testo)
{
    if (!lato_.lettore()) {
        annuncio_->SetTesto(testo);
        return;
    }
    // A reader reads the line when it gets to the event, not when it was
    // sent: two lines sent at once would be heard as the second, twice.
    if (daDire_.isEmpty())
        QMetaObject::invokeMethod(this, &Caselle::Dillo, Qt::QueuedConnection);
    daDire_ = daDire_.isEmpty() ? testo : daDire_ + QStringLiteral(". ") + testo;
}

void Caselle::Dillo()
{
    if (daDire_.isEmpty())
        return;
    annuncio_->SetTesto(std::exchange(daDire_, QString()));
    // The new name first, so that a reader that keeps names reads this one;
    // then the showing, which readers speak for a notification.
    Racconta(annuncio_, QAccessible::NameChanged);
    Racconta(annuncio_, QAccessible::ObjectShow);
}

} // namespace belvane
