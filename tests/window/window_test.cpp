// The real window driven headless: the pause, a whole game by clicks, the
// finale, panels and options, the table at every size, the glide.
#include "finestra_finta.h"

#include <QMenuBar>
#include <QRegularExpression>

namespace belvane {
namespace {

using namespace test;

TEST(Finestra, StartUpStateBeforeAndDuringThePause)
{
    Finestra f;
    Form1 &w = *f.form;
    const Menu &m = w.menu();
    EXPECT_TRUE(m.Menu_music->isChecked() && m.Menu_card_rustle->isChecked() && m.Menu_tips->isChecked());
    EXPECT_EQ(w.carta(12).toolTip(), " 2 di Coppe");
    EXPECT_EQ(w.carta(31).toolTip(), "Asso di Spade");
    EXPECT_EQ(f.suoni, (std::vector<std::string>{"OpenSoundDevices"}));
    EXPECT_TRUE(f.rustleAcceso());

    // During the pause: title up, Nuova off, no card on the table, panels hidden.
    bool visto = false;
    f.orologio->durante = [&] {
        if (visto)
            return;
        visto = true;
        EXPECT_FALSE(w.menu().Nuova->isEnabled());
        EXPECT_TRUE(w.copertina().isVisible());
        EXPECT_EQ(w.copertina().geometry(), w.tappeto().rect());
        for (int k = 1; k <= kCarte; ++k)
            EXPECT_FALSE(w.tappeto().rect().intersects(w.carta(k).geometry())) << k;
        EXPECT_TRUE(w.pannelli().Text2().isHidden() && w.pannelli().Text3().isHidden() &&
                    w.pannelli().Text4().isHidden());
    };
    f.Avvia();
    EXPECT_EQ(w.tappeto().size(), QSize(535, 364));
    EXPECT_TRUE(visto);
    EXPECT_TRUE(w.menu().Nuova->isEnabled());
    EXPECT_FALSE(w.copertina().isVisible());
    EXPECT_EQ(f.suoni, (std::vector<std::string>{"OpenSoundDevices", "StartMusic"}));
    OgniCartaNelSuoSlot(w);
    for (int r = 1; r <= kRighe; ++r)
        EXPECT_EQ(f.stato().Tavolo[r][2], 0);
}

TEST(Finestra, ThePauseLastsAboutThreeSecondsAlsoAcrossMidnight)
{
    // Start rounded to the second, end at the first reading more than 3 s later.
    for (auto [inizio, atteso] :
         {std::pair{100.4, 2.6}, std::pair{100.6, 3.4}, std::pair{86399.3, 2.7}, std::pair{86399.6, 3.4}}) {
        Finestra f(inizio);
        f.Avvia();
        const double durata = SecondiTrascorsi(inizio, f.orologio->t);
        EXPECT_GT(durata, atteso - 0.01) << inizio;
        EXPECT_LT(durata, atteso + 0.26) << inizio;
        EXPECT_EQ(f.stato().Tentativo, 1);
        EXPECT_NE(f.stato().Tavolo[1][1], 0) << "dealt after the pause from " << inizio;
    }
}

TEST(Finestra, ClicksPlayAWholeGameThroughStopsReshufflesAndANewGame)
{
    Finestra f;
    f.Avvia();
    Form1 &w = *f.form;
    int mosse = 0;
    // Play the first movable card until the game ends, answering Yes throughout.
    const auto finita = [&] { return !f.domande.empty() && f.domande.back().second == "Altra partita?"; };
    while (!finita() && mosse < 2000) {
        const Int k = UnaMobile(f.stato());
        const auto prima = f.stato().Tavolo;
        const int rustle = f.Conta("PlayCardRustle");
        const size_t domande = f.domande.size();
        f.Clicca(k != 0 ? k : 1);
        if (k != 0 && f.domande.size() == domande) {
            ASSERT_NE(f.stato().Tavolo, prima) << "card " << k << " did not move";
            EXPECT_EQ(f.Conta("PlayCardRustle"), rustle + (IsAsso(k) ? 0 : 1));
        }
        OgniCartaNelSuoSlot(w);
        ++mosse;
    }
    ASSERT_TRUE(finita()) << "the game never ended";
    // Every stop before the last offered the next attempt; the end is a win or the third stop.
    const size_t fermate = f.domande.size();
    for (size_t i = 0; i + 1 < fermate; ++i)
        EXPECT_EQ(f.domande[i],
                  std::make_pair(QString("Ce la puoi ancora fare....."), QString("%1\u00B0 Tentativo").arg(i + 2)));
    const bool vinta = f.domande.back().first == "Complimenti!";
    EXPECT_EQ(f.Conta("PlayFinaleTune"), vinta ? 1 : 0);
    EXPECT_EQ(f.domande.back().first, vinta ? "Complimenti!" : "Peccato !!!");
    EXPECT_TRUE(vinta || fermate == 3u);
    // Yes to "Altra partita?" reloaded the tune, showed the title again and dealt anew.
    EXPECT_EQ(f.Conta("ReloadGameTune"), 1);
    EXPECT_EQ(f.Conta("StartMusic"), 2);
    EXPECT_EQ(f.stato().Tentativo, 1);
    EXPECT_FALSE(w.copertina().isVisible());
    OgniCartaNelSuoSlot(w);
}

TEST(Finestra, AWonTablePlaysTheFinaleThenAsksAndNoCloses)
{
    Finestra f(36000.2, {}, true);
    f.Avvia();
    QCoreApplication::processEvents(); // the deal is told
    Form1 &w = *f.form;
    // Lay out a table one move from the win: the king of Spade stands in column 11.
    Stato &s = w.partita().stato();
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c) {
            const int k = c <= 10 ? (r - 1) * 10 + c : 0;
            s.Tavolo[r][c] = static_cast<Int>(k);
        }
    s.Tavolo[4][10] = 0;
    s.Tavolo[4][11] = 40;
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c)
            if (const Int k = s.Tavolo[r][c])
                w.carta(k).posizione = w.partita().PosizioneSlot(r, c);
    w.Form_Resize();
    f.suoni.clear();
    f.risposte = {Risposta::No};
    f.Clicca(40);
    EXPECT_EQ(s.Tavolo[4][10], 40);
    ASSERT_EQ(f.domande.size(), 1u);
    EXPECT_EQ(f.domande[0], std::make_pair(QString("Complimenti!"), QString("Altra partita?")));
    EXPECT_EQ(f.suoni,
              (std::vector<std::string>{"PlayCardRustle", "RestartMusicAtEnd", "PlayFinaleTune", "CloseMusic"}));
    EXPECT_TRUE(w.chiusa());
    // A reader heard the last move and the win before the question.
    ASSERT_FALSE(f.detti.empty());
    EXPECT_EQ(f.detti.back().nome, "10 di Spade, row 4, column 10. Game won");
}

TEST(Finestra, F2PanelsAndOptionsFromTheKeyboardAndMenus)
{
    Finestra f;
    f.Avvia();
    Form1 &w = *f.form;
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Pannelli &p = w.pannelli();
    const Menu &m = w.menu();

    // Each help item toggles its own panel and replaces another.
    m.menu_rules_english->trigger();
    EXPECT_TRUE(p.Text2().isVisible());
    m.menu_rules_english->trigger();
    EXPECT_FALSE(p.Text2().isVisible());
    m.menu_rules_english->trigger();
    m.menu_rules_italiano->trigger();
    EXPECT_TRUE(!p.Text2().isVisible() && p.Text3().isVisible());
    m.menu_about->trigger();
    EXPECT_TRUE(!p.Text3().isVisible() && p.Text4().isVisible());
    // A click inside the panel, on the bare table, or on a card hides it.
    QTest::mouseClick(p.Text4().viewport(), Qt::LeftButton);
    EXPECT_FALSE(p.Text4().isVisible());
    m.menu_about->trigger();
    EXPECT_TRUE(p.Text4().isVisible()); // one choice brings it back
    QTest::mousePress(&w.tappeto(), Qt::LeftButton, {}, QPoint(530, 360));
    EXPECT_FALSE(p.Text4().isVisible());
    m.menu_rules_italiano->trigger();
    f.Clicca(f.stato().Tavolo[1][1]);
    EXPECT_FALSE(p.Text3().isVisible());
    EXPECT_TRUE(p.Text3().toPlainText().contains(QString::fromUtf8("à")) ||
                p.Text3().toPlainText().contains(QString::fromUtf8("è")));

    // Options: the check mark flips first, then the music follows it.
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(m.Menu_music->isChecked());
    EXPECT_EQ(f.suoni.back(), "PauseMusic");
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(f.suoni.back(), "ResumeMusic");
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(f.rustleAcceso());
    QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(w.carta(5).toolTip().isEmpty());
    QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(w.carta(5).toolTip(), " 5 di Bastoni");

    // F2 abandons the game: the tune reloads, the title shows, a new deal comes.
    const Int k = UnaMobile(f.stato());
    f.Clicca(k);
    const auto giocato = f.stato().Tavolo;
    m.menu_rules_english->trigger();
    bool titolo = false;
    f.orologio->durante = [&] { titolo = titolo || w.copertina().isVisible(); };
    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_TRUE(titolo);
    EXPECT_EQ(f.Conta("ReloadGameTune"), 1);
    EXPECT_NE(f.stato().Tavolo, giocato);
    EXPECT_FALSE(p.Text2().isVisible());
    EXPECT_TRUE(f.domande.empty());
}

TEST(Finestra, EveryCardStaysInItsSlotAtEverySizeAndStillMoves)
{
    Finestra f;
    f.Avvia();
    Form1 &w = *f.form;
    const int barra = w.menuBar()->height();
    for (QSize dimensione : {QSize(120, 90), QSize(1900, 364), QSize(535, 1400), QSize(3000, 2000), QSize(535, 364)}) {
        w.resize(dimensione.width(), dimensione.height() + barra);
        QCoreApplication::processEvents();
        ASSERT_EQ(w.tappeto().size(), dimensione);
        OgniCartaNelSuoSlot(w);
        // Cards keep their proportions and stay within their column.
        const QRect g = w.carta(f.stato().Tavolo[1][1]).geometry();
        EXPECT_NEAR(g.height() * 45.0 / g.width(), 72, 3);
        const Int k = UnaMobile(f.stato());
        if (k != 0) {
            const auto prima = f.stato().Tavolo;
            f.Clicca(k);
            EXPECT_NE(f.stato().Tavolo, prima) << "no move at " << dimensione.width() << "x" << dimensione.height();
            OgniCartaNelSuoSlot(w);
        }
    }
    EXPECT_EQ(w.carta(1).size(), QSize(45, 72));

    // While a resize goes on the cards are scaled; once it settles they are
    // drawn anew at the size shown.
    w.resize(1200, 800 + barra);
    QCoreApplication::processEvents();
    const Int k = f.stato().Tavolo[2][1];
    cardart::CacheCarte nitide;
    const QImage attesa = nitide.Pixmap(k, w.carta(k).size(), 1).toImage().convertToFormat(QImage::Format_RGB32);
    // Drawn in the background: crisp once the forty are there, however slow the machine.
    QTRY_COMPARE_WITH_TIMEOUT(w.carta(k).grab().toImage().convertToFormat(QImage::Format_RGB32), attesa, 10000);
    w.resize(535, 364 + barra);
    QCoreApplication::processEvents();
    // Minimizing and restoring changes nothing.
    std::vector<QRect> prima;
    for (int k = 1; k <= kCarte; ++k)
        prima.push_back(w.carta(k).geometry());
    w.showMinimized();
    QCoreApplication::processEvents();
    w.showNormal();
    QCoreApplication::processEvents();
    for (int k = 1; k <= kCarte; ++k)
        EXPECT_EQ(w.carta(k).geometry(), prima[k - 1]) << k;
}

TEST(Finestra, ExitDuringThePauseEndsBeforeAnyDeal)
{
    Finestra f;
    f.orologio->durante = [&] { f.form->menu().esci->trigger(); };
    f.Avvia();
    EXPECT_TRUE(f.form->chiusa());
    EXPECT_EQ(f.orologio->attese, 1);
    EXPECT_EQ(f.suoni, (std::vector<std::string>{"OpenSoundDevices", "StartMusic", "CloseMusic"}));
    for (const auto &riga : f.stato().Tavolo)
        for (Int v : riga)
            EXPECT_EQ(v, 0);
    EXPECT_FALSE(f.form->isVisible());
}

TEST(Scivolata, AMovedCardGlidesAndAClickInFlightActsOnItsNewSlot)
{
    using namespace std::chrono_literals;
    Finestra f(36000.2, 120ms);
    f.Avvia();
    Form1 &w = *f.form;
    // The cards in order, the aces of Bastoni and Coppe set aside in column 11:
    // the ace of Spade can go up to 1,1 and then to 2,1.
    Stato &s = w.partita().stato();
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c)
            s.Tavolo[r][c] = static_cast<Int>(c <= 10 ? (r - 1) * 10 + c : 0);
    s.Tavolo[1][1] = s.Tavolo[2][1] = 0;
    s.Tavolo[1][11] = 1;
    s.Tavolo[2][11] = 11;
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c)
            if (const Int k = s.Tavolo[r][c])
                w.carta(k).posizione = w.partita().PosizioneSlot(r, c);
    w.Form_Resize();

    // The state changes at once, the picture sets off from the old slot.
    const QRect partenza = w.carta(31).geometry();
    f.Clicca(31);
    EXPECT_EQ(s.Tavolo[1][1], 31);
    EXPECT_TRUE(w.InVolo());
    EXPECT_EQ(w.carta(31).geometry(), partenza);
    // Clicked where it is drawn, it acts from the slot it now holds.
    f.Clicca(31);
    EXPECT_EQ(s.Tavolo[1][1], 0);
    EXPECT_EQ(s.Tavolo[2][1], 31);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.InVolo(); }, 2000));
    OgniCartaNelSuoSlot(w);

    // A resize lands a card in flight in its slot at the new size.
    f.Clicca(31);
    EXPECT_TRUE(w.InVolo());
    w.resize(900, 600 + w.menuBar()->height());
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.InVolo());
    OgniCartaNelSuoSlot(w);

    // F2 ends a glide at once; the deal that follows shows no motion.
    f.Clicca(31);
    EXPECT_TRUE(w.InVolo());
    bool inVolo = true;
    f.orologio->durante = [&] { inVolo = w.InVolo(); };
    w.menu().Nuova->trigger();
    EXPECT_FALSE(inVolo);
    EXPECT_FALSE(w.InVolo());
    OgniCartaNelSuoSlot(w);
}

} // namespace
} // namespace belvane
