// The game from the keyboard: the focus walks the slots and Return plays.
#include "finestra_finta.h"

namespace belvane {
namespace {

using namespace test;

TEST(Tastiera, ArrowsAndReturnPlayRoundsAndTheFocusKeepsItsSlot)
{
    Finestra f;
    f.Avvia();
    Form1 &w = *f.form;
    Attiva(w);
    EXPECT_EQ(w.fuoco(), (Slot{1, 1}));
    EXPECT_EQ(Sentito(w), w.carta(f.stato().Tavolo[1][1]).accessibleName());
    EXPECT_FALSE(w.cornice().isVisible()); // no key used yet

    // No wrap at the edges; every slot is reachable, free spaces included.
    Premi(Qt::Key_Left);
    Premi(Qt::Key_Up);
    EXPECT_EQ(w.fuoco(), (Slot{1, 1}));
    EXPECT_TRUE(w.cornice().isVisible());
    Vai(w, {kRighe, kColonne});
    Premi(Qt::Key_Right);
    Premi(Qt::Key_Down);
    EXPECT_EQ(w.fuoco(), (Slot{kRighe, kColonne}));

    // Return on a card that cannot move is a click that moves nothing.
    const Int ferma = f.stato().Tavolo[1][1];
    ASSERT_FALSE(Destinazione(f.stato().Tavolo, ferma));
    Vai(w, {1, 1});
    const auto prima = f.stato().Tavolo;
    Premi(Qt::Key_Return);
    EXPECT_EQ(f.stato().Tavolo, prima);
    EXPECT_EQ(f.suoni.back(), "RestartMusicAtEnd");

    // Play a round and more with the keys alone: each move by the rule, its
    // rustle, the focus left on the free space; every deal puts it back on 1,1.
    int mosse = 0;
    while (f.domande.size() < 2 && mosse < 500) {
        const Int k = UnaMobile(f.stato());
        ASSERT_NE(k, 0);
        const Slot da = SlotDi(f.stato(), k);
        const std::optional<Slot> a = Destinazione(f.stato().Tavolo, k);
        Vai(w, da);
        EXPECT_EQ(Sentito(w), w.carta(k).accessibleName());
        const int rustle = f.Conta("PlayCardRustle");
        const size_t domande = f.domande.size();
        Premi(mosse % 2 ? Qt::Key_Space : Qt::Key_Return);
        ++mosse;
        if (f.domande.size() != domande) {
            EXPECT_EQ(w.fuoco(), (Slot{1, 1})) << "after the reshuffle";
            EXPECT_EQ(Sentito(w), w.carta(f.stato().Tavolo[1][1]).accessibleName());
            continue;
        }
        ASSERT_EQ(f.stato().Tavolo[a->riga][a->colonna], k);
        EXPECT_EQ(f.Conta("PlayCardRustle"), rustle + (IsAsso(k) ? 0 : 1));
        EXPECT_EQ(w.fuoco(), da);
        EXPECT_EQ(Sentito(w), "Free space");
        // Return on the free space it left does nothing at all.
        const auto dopo = f.stato().Tavolo;
        const size_t suoni = f.suoni.size();
        Premi(Qt::Key_Return);
        EXPECT_EQ(f.stato().Tavolo, dopo);
        EXPECT_EQ(f.suoni.size(), suoni);
        OgniCartaNelSuoSlot(w);
    }
    EXPECT_EQ(f.domande.size(), 2u);
    EXPECT_EQ(f.stato().Tentativo, 3);

    // A click hides the frame and takes the focus to the clicked card's slot.
    const Int k = f.stato().Tavolo[3][5];
    ASSERT_NE(k, 0);
    f.Clicca(k);
    EXPECT_FALSE(w.cornice().isVisible());
    EXPECT_EQ(w.fuoco(), (Slot{3, 5}));
    Premi(Qt::Key_Left);
    EXPECT_TRUE(w.cornice().isVisible());

    // The menus keep their keys: F2 deals anew with the focus on 1,1.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_EQ(f.Conta("ReloadGameTune"), 1);
    EXPECT_EQ(w.fuoco(), (Slot{1, 1}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(w.menu().Menu_tips->isChecked());
}

TEST(Tastiera, TheFrameIsAContrastingRingAroundTheSlotAtEverySize)
{
    Finestra f;
    f.Avvia();
    Form1 &w = *f.form;
    Attiva(w);
    Premi(Qt::Key_Down);
    Premi(Qt::Key_Right, 2);
    const int barra = w.menuBar()->height();
    for (QSize dimensione : {QSize(535, 364), QSize(1920, 1080), QSize(120, 90)}) {
        w.resize(dimensione.width(), dimensione.height() + barra);
        QCoreApplication::processEvents();
        const QRect carta = w.carta(f.stato().Tavolo[2][3]).geometry();
        EXPECT_TRUE(w.cornice().geometry().contains(carta.adjusted(-2, -2, 2, 2))) << dimensione.width();
        // Across the frame's left side at the card's middle: black, at least
        // two bright pixels, black, then the card.
        const QImage tavolo = w.tappeto().grab().toImage();
        const int y = carta.center().y();
        int chiari = 0;
        for (int x = w.cornice().geometry().left(); x < carta.left(); ++x)
            chiari += tavolo.pixelColor(x, y) == QColor(255, 214, 0);
        EXPECT_GE(chiari, 2) << dimensione.width();
        EXPECT_EQ(tavolo.pixelColor(w.cornice().geometry().left(), y), QColor(Qt::black));
        EXPECT_EQ(tavolo.pixelColor(carta.left() - 1, y), QColor(Qt::black));
    }
    // In the corner the ring comes inside the table's edge, over the card.
    Vai(w, {1, 1});
    const QImage angolo = w.tappeto().grab().toImage();
    const QPoint centro = w.carta(f.stato().Tavolo[1][1]).geometry().center();
    EXPECT_EQ(angolo.pixelColor(0, centro.y()), QColor(Qt::black));
    EXPECT_EQ(angolo.pixelColor(1, centro.y()), QColor(255, 214, 0));
    EXPECT_EQ(angolo.pixelColor(centro.x(), 1), QColor(255, 214, 0));
}

} // namespace
} // namespace belvane
