// A real window driven headless: a clock that moves only while the pause
// waits, fixed seeds, recorded sound and scripted answers; and the keys a
// player would press.
#pragma once

#include "form1.h"
#include "suono_registrato.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>

namespace belvane::test {

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
inline std::pair<int, int> SlotVisto(Form1 &f, int k)
{
    const QPointF centro = QRectF(f.carta(k).geometry()).center();
    const double cellaX = kPassoX * f.tappeto().width() / kLarghezzaLogica;
    const double cellaY = kPassoY * f.tappeto().height() / kAltezzaLogica;
    return {static_cast<int>(std::floor(centro.y() / cellaY)) + 1,
            static_cast<int>(std::floor(centro.x() / cellaX)) + 1};
}

inline void OgniCartaNelSuoSlot(Form1 &f)
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
inline Int UnaMobile(const Stato &s)
{
    const std::vector<Int> mobili = CarteMobili(s.Tavolo, Mosse::Progresso);
    return mobili.empty() ? Int{0} : mobili.front();
}

// Keys go where a player's would: to the widget with the keyboard focus.
inline void Premi(Qt::Key tasto, int volte = 1)
{
    for (int i = 0; i < volte; ++i) {
        QWidget *fuoco = QApplication::focusWidget();
        ASSERT_NE(fuoco, nullptr);
        QTest::keyClick(fuoco, tasto);
    }
}

// Walks the focus to slot (riga, colonna) with the arrows alone.
inline void Vai(Form1 &w, Slot dove)
{
    const Slot da = w.fuoco();
    Premi(dove.riga < da.riga ? Qt::Key_Up : Qt::Key_Down, std::abs(dove.riga - da.riga));
    Premi(dove.colonna < da.colonna ? Qt::Key_Left : Qt::Key_Right, std::abs(dove.colonna - da.colonna));
    ASSERT_EQ(w.fuoco(), dove);
}

// What a screen reader finds under the focus: the table keeps the keyboard,
// and its focused cell is the slot's.
inline QString Sentito(Form1 &w)
{
    EXPECT_EQ(QApplication::focusWidget(), &w.tappeto());
    QAccessibleInterface *cella = QAccessible::queryAccessibleInterface(&w.tappeto())->focusChild();
    if (cella == nullptr || cella->role() != QAccessible::Cell)
        return QStringLiteral("(no cell)");
    EXPECT_TRUE(cella->state().focused && cella->state().focusable);
    return cella->text(QAccessible::Name);
}

inline Slot SlotDi(const Stato &s, Int k)
{
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c)
            if (s.Tavolo[r][c] == k)
                return {r, c};
    return {};
}

inline void Attiva(Form1 &w)
{
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

} // namespace belvane::test
