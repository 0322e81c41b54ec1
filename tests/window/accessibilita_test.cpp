// What a screen reader is given: the slots as cells of a table, one focus
// event per move, moves, deals and stops told, and nothing while no reader listens.
#include "finestra_finta.h"

namespace belvane {
namespace {

using namespace test;

// What a reader is told of the table's cells and notification, from event `da` on.
std::vector<Detto> Del(const std::vector<Detto> &detti, QAccessible::Event tipo, size_t da = 0)
{
    std::vector<Detto> scelti;
    for (size_t k = da; k < detti.size(); ++k)
        if (detti[k].tipo == tipo)
            scelti.push_back(detti[k]);
    return scelti;
}

std::vector<QString> Annunci(const std::vector<Detto> &detti, size_t da = 0)
{
    std::vector<QString> testi;
    for (const Detto &e : Del(detti, QAccessible::ObjectShow, da))
        testi.push_back(e.nome);
    return testi;
}

QAccessibleInterface *Cella(Form1 &w, Slot s)
{
    return QAccessible::queryAccessibleInterface(&w.tappeto())->tableInterface()->cellAt(s.riga - 1, s.colonna - 1);
}

TEST(Accessibilita, EverySlotIsACellWithItsNamePlaceAndAPressThatClicks)
{
    Finestra f;
    f.Avvia();
    Form1 &w = *f.form;
    Attiva(w);
    for (int k = 1; k <= kCarte; ++k)
        EXPECT_EQ(w.carta(k).accessibleName(), w.carta(k).toolTip().trimmed());
    EXPECT_EQ(w.carta(27).accessibleName(), "7 di Denari");

    QAccessibleInterface *tavolo = QAccessible::queryAccessibleInterface(&w.tappeto());
    ASSERT_NE(tavolo->tableInterface(), nullptr);
    EXPECT_EQ(tavolo->tableInterface()->rowCount(), kRighe);
    EXPECT_EQ(tavolo->tableInterface()->columnCount(), kColonne);
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c) {
            QAccessibleInterface *cella = Cella(w, {r, c});
            ASSERT_NE(cella, nullptr);
            EXPECT_EQ(tavolo->child(tavolo->indexOfChild(cella)), cella);
            EXPECT_EQ(tavolo->indexOfChild(cella), (r - 1) * kColonne + c - 1);
            EXPECT_EQ(cella->parent(), tavolo);
            EXPECT_EQ(cella->role(), QAccessible::Cell);
            EXPECT_EQ(cella->tableCellInterface()->rowIndex(), r - 1);
            EXPECT_EQ(cella->tableCellInterface()->columnIndex(), c - 1);
            EXPECT_EQ(cella->text(QAccessible::Description), QStringLiteral("row %1, column %2").arg(r).arg(c));
            const Int k = f.stato().Tavolo[r][c];
            EXPECT_EQ(cella->text(QAccessible::Name), k ? w.carta(k).accessibleName() : QStringLiteral("Free space"));
            EXPECT_EQ(cella->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                      k != 0);
            EXPECT_TRUE(cella->rect().intersects(QRect(w.tappeto().mapToGlobal(QPoint()), w.tappeto().size())));
        }
    // The title picture is still there for a reader.
    EXPECT_GT(tavolo->indexOfChild(QAccessible::queryAccessibleInterface(&w.copertina())), kRighe * kColonne);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(&w.copertina())->text(QAccessible::Description).isEmpty());

    // A press is a click, once the reader has its answer: the rule, the rustle, the focus on the slot.
    const Int k = UnaMobile(f.stato());
    ASSERT_NE(k, 0);
    const Slot da = SlotDi(f.stato(), k);
    const Slot a = *Destinazione(f.stato().Tavolo, k);
    const int rustle = f.Conta("PlayCardRustle");
    Cella(w, da)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(f.stato().Tavolo[da.riga][da.colonna], k);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.stato().Tavolo[a.riga][a.colonna], k);
    EXPECT_EQ(f.stato().Tavolo[da.riga][da.colonna], 0);
    EXPECT_EQ(f.Conta("PlayCardRustle"), rustle + (IsAsso(k) ? 0 : 1));
    EXPECT_EQ(w.fuoco(), da);
    EXPECT_EQ(Cella(w, a)->text(QAccessible::Name), w.carta(k).accessibleName());
    // A free space takes none, and does nothing when asked.
    const size_t suoni = f.suoni.size();
    Cella(w, da)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(f.suoni.size(), suoni);
    // SetFocus moves the keyboard's slot.
    Cella(w, {3, 4})->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(w.fuoco(), (Slot{3, 4}));
    EXPECT_EQ(Sentito(w), Cella(w, {3, 4})->text(QAccessible::Name));

    // The panels are text a reader can walk through.
    for (Pannello *p : {&w.pannelli().Text2(), &w.pannelli().Text3(), &w.pannelli().Text4()}) {
        QAccessibleInterface *testo = QAccessible::queryAccessibleInterface(p);
        ASSERT_NE(testo->textInterface(), nullptr);
        const int n = testo->textInterface()->characterCount();
        EXPECT_EQ(testo->textInterface()->text(0, n), p->toPlainText());
        EXPECT_FALSE(testo->text(QAccessible::Name).isEmpty());
    }
}

TEST(Accessibilita, OneFocusEventPerMoveAndMovesDealsAndStopsTold)
{
    Finestra f(36000.2, {}, true);
    f.Avvia();
    Form1 &w = *f.form;
    Attiva(w);
    QCoreApplication::processEvents();
    EXPECT_EQ(Annunci(f.detti), (std::vector<QString>{"Dealt: attempt 1 of 3"}));

    // Each arrow: one focus event, on the new slot's cell, already named; none at the edge.
    Vai(w, {1, 1});
    for (auto [tasto, dove] : {std::pair{Qt::Key_Right, Slot{1, 2}},
                               {Qt::Key_Down, Slot{2, 2}},
                               {Qt::Key_Down, Slot{3, 2}},
                               {Qt::Key_Left, Slot{3, 1}},
                               {Qt::Key_Left, Slot{3, 1}}}) {
        const Slot prima = w.fuoco();
        const size_t da = f.detti.size();
        Premi(tasto);
        const auto fuochi = Del(f.detti, QAccessible::Focus, da);
        ASSERT_EQ(fuochi.size(), prima == dove ? 0u : 1u) << dove.riga << "," << dove.colonna;
        if (prima != dove) {
            EXPECT_EQ(fuochi[0].nome, Cella(w, dove)->text(QAccessible::Name));
            EXPECT_EQ(QAccessible::queryAccessibleInterface(fuochi[0].oggetto), Cella(w, dove));
        }
    }

    // A move: both cells renamed before the notification tells where the card went.
    const Int k = UnaMobile(f.stato());
    ASSERT_NE(k, 0);
    const Slot da = SlotDi(f.stato(), k);
    const Slot a = *Destinazione(f.stato().Tavolo, k);
    Vai(w, da);
    size_t inizio = f.detti.size();
    Premi(Qt::Key_Return);
    QCoreApplication::processEvents(); // the turn's lines go out once it is over
    const auto nomi = Del(f.detti, QAccessible::NameChanged, inizio);
    ASSERT_GE(nomi.size(), 3u);
    EXPECT_EQ(nomi[0].nome, "Free space");
    EXPECT_EQ(nomi[1].nome, w.carta(k).accessibleName());
    EXPECT_EQ(Annunci(f.detti, inizio),
              (std::vector<QString>{w.carta(k).accessibleName() +
                                    QStringLiteral(", row %1, column %2").arg(a.riga).arg(a.colonna)}));
    EXPECT_TRUE(Del(f.detti, QAccessible::Focus, inizio).empty());

    // Play on to the first stop: it is told, then the reshuffle with its attempt.
    // A reader's press that comes while the question waits plays nothing.
    Griglia sottoDomanda{};
    bool premuto = false;
    f.durante = [&] {
        if (std::exchange(premuto, true))
            return;
        sottoDomanda = f.stato().Tavolo;
        Cella(w, {1, 1})->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        Cella(w, {4, 11})->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QCoreApplication::processEvents();
        EXPECT_EQ(f.stato().Tavolo, sottoDomanda);
    };
    inizio = f.detti.size();
    for (int mosse = 0; f.domande.empty() && mosse < 200; ++mosse) {
        const Int m = UnaMobile(f.stato());
        ASSERT_NE(m, 0);
        Vai(w, SlotDi(f.stato(), m));
        Premi(Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(f.domande.size(), 1u);
    // The last move and the stop it caused are one line, told before the question.
    const auto annunci = Annunci(f.detti, inizio);
    ASSERT_GE(annunci.size(), 2u);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\S+ di \\S+, row \\d, column \\d+\\. No moves left$"))
                    .match(annunci[annunci.size() - 2])
                    .hasMatch())
        << annunci[annunci.size() - 2].toStdString();
    EXPECT_EQ(std::count_if(annunci.begin(), annunci.end(), [](const QString &a) { return a.contains("No moves"); }),
              1);
    EXPECT_EQ(annunci.back(), "Reshuffled: attempt 2 of 3");
    EXPECT_EQ(Sentito(w), Cella(w, {1, 1})->text(QAccessible::Name));
}

TEST(Accessibilita, NothingIsToldWhileNoReaderListens)
{
    Finestra f(36000.2, {}, false);
    f.Avvia();
    Form1 &w = *f.form;
    Attiva(w);
    Premi(Qt::Key_Right);
    Premi(Qt::Key_Down);
    const Int k = UnaMobile(f.stato());
    Vai(w, SlotDi(f.stato(), k));
    Premi(Qt::Key_Return);
    EXPECT_TRUE(f.detti.empty());
}

} // namespace
} // namespace belvane
