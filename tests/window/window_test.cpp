// The real window driven headless: fake clock, seeds, sound and question.
#include "form1.h"
#include "suono_registrato.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace belvane {
namespace {

struct GermiFissi final : SorgenteGermi {
    std::uint64_t prossimo = 7;
    std::uint64_t Germe() override { return prossimo++; }
};

// Time moves only while the pause waits, by what it asked to sleep (at most
// a quarter second a step), wrapping at midnight.
struct OrologioFinto final : OrologioPausa {
    double t = 0;
    int attese = 0;
    std::function<void()> durante; // runs at every wait of the pause
    double Secondi() override { return t; }
    void ProcessaEventi(int ms) override
    {
        ++attese;
        if (durante)
            durante();
        QCoreApplication::processEvents();
        t += std::min(ms, 250) / 1000.0;
        if (t >= 86400)
            t -= 86400;
    }
};

// One event told to a reader: what, on which object, and the name it then had.
struct Detto {
    QAccessible::Event tipo;
    QObject *oggetto;
    QString nome;
};

struct Finestra {
    std::vector<std::string> suoni;
    std::vector<Detto> detti;
    std::vector<std::pair<QString, QString>> domande;
    std::deque<Risposta> risposte;
    std::function<void()> durante; // runs while a question waits
    std::function<bool()> rustleAcceso;
    OrologioFinto *orologio = nullptr;
    std::unique_ptr<Form1> form;

    explicit Finestra(double inizio = 36000.2, std::chrono::milliseconds scivolata = {}, bool lettore = false)
    {
        Dipendenze d;
        d.lettore = [lettore] { return lettore; };
        d.racconta = [this](QAccessibleEvent *e) {
            detti.push_back({e->type(), e->object(), e->accessibleInterface()->text(QAccessible::Name)});
        };
        d.scivolata = scivolata;
        d.germi = std::make_unique<GermiFissi>();
        auto o = std::make_unique<OrologioFinto>();
        o->t = inizio;
        orologio = o.get();
        d.orologio = std::move(o);
        d.suono = [this](std::function<bool()> rustle) {
            rustleAcceso = std::move(rustle);
            return std::make_unique<test::SuonoRegistrato>(&suoni);
        };
        d.chiedi = [this](QWidget *, const QString &titolo, const QString &testo) {
            domande.emplace_back(titolo, testo);
            if (durante)
                durante();
            if (risposte.empty())
                return Risposta::Si;
            const Risposta r = risposte.front();
            risposte.pop_front();
            return r;
        };
        form = std::make_unique<Form1>(std::move(d));
    }
    // Shows the window and lets the activation run its pause and deal.
    void Avvia()
    {
        form->show();
        QCoreApplication::processEvents();
    }
    const Stato &stato() const { return form->partita().stato(); }
    int Conta(const std::string &voce) const { return static_cast<int>(std::count(suoni.begin(), suoni.end(), voce)); }
    void Clicca(int k) { QTest::mouseClick(&form->carta(k), Qt::LeftButton, {}, form->carta(k).rect().center()); }
};

// The slot whose cell on the screen holds the centre of card k's picture.
std::pair<int, int> SlotVisto(Form1 &f, int k)
{
    const QPointF centro = QRectF(f.carta(k).geometry()).center();
    const double cellaX = kPassoX * f.tappeto().width() / kLarghezzaLogica;
    const double cellaY = kPassoY * f.tappeto().height() / kAltezzaLogica;
    return {static_cast<int>(std::floor(centro.y() / cellaY)) + 1,
            static_cast<int>(std::floor(centro.x() / cellaX)) + 1};
}

void OgniCartaNelSuoSlot(Form1 &f)
{
    const Stato &s = f.partita().stato();
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c)
            if (const Int k = s.Tavolo[r][c]) {
                ASSERT_EQ(SlotVisto(f, k), std::make_pair(r, c))
                    << "card " << k << " at " << f.tappeto().width() << "x" << f.tappeto().height();
            }
}

// A card the rule lets move that takes the game on, 0 if none.
Int UnaMobile(const Stato &s)
{
    const std::vector<Int> mobili = CarteMobili(s.Tavolo, Mosse::Progresso);
    return mobili.empty() ? Int{0} : mobili.front();
}

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

// Keys go where a player's would: to the widget with the keyboard focus.
void Premi(Qt::Key tasto, int volte = 1)
{
    for (int i = 0; i < volte; ++i) {
        QWidget *fuoco = QApplication::focusWidget();
        ASSERT_NE(fuoco, nullptr);
        QTest::keyClick(fuoco, tasto);
    }
}

// Walks the focus to slot (riga, colonna) with the arrows alone.
void Vai(Form1 &w, Slot dove)
{
    const Slot da = w.fuoco();
    Premi(dove.riga < da.riga ? Qt::Key_Up : Qt::Key_Down, std::abs(dove.riga - da.riga));
    Premi(dove.colonna < da.colonna ? Qt::Key_Left : Qt::Key_Right, std::abs(dove.colonna - da.colonna));
    ASSERT_EQ(w.fuoco(), dove);
}

// What a screen reader finds under the focus: the table keeps the keyboard,
// and its focused cell is the slot's.
QString Sentito(Form1 &w)
{
    EXPECT_EQ(QApplication::focusWidget(), &w.tappeto());
    QAccessibleInterface *cella = QAccessible::queryAccessibleInterface(&w.tappeto())->focusChild();
    if (cella == nullptr || cella->role() != QAccessible::Cell)
        return QStringLiteral("(no cell)");
    EXPECT_TRUE(cella->state().focused && cella->state().focusable);
    return cella->text(QAccessible::Name);
}

Slot SlotDi(const Stato &s, Int k)
{
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c)
            if (s.Tavolo[r][c] == k)
                return {r, c};
    return {};
}

void Attiva(Form1 &w)
{
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

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
