// The game's one window: it owns every control, the game and the sound, and
// is what the game asks for card moves, panels, sound and questions.
#pragma once

#include "accessibile.h"
#include "cache_carte.h"
#include "controlli.h"
#include "domanda.h"
#include "effetti.h"
#include "menu.h"
#include "misura_carte.h"
#include "opzioni.h"
#include "orologio.h"
#include "pannelli.h"
#include "partita.h"
#include "scivolata.h"
#include "suoni_programma.h"

#include <QAccessible>
#include <QMainWindow>

#include <array>
#include <chrono>
#include <functional>
#include <memory>

namespace belvane {

// What the window takes from outside, so that tests can replace it.
struct Dipendenze {
    std::function<std::unique_ptr<Suono>(std::function<bool()> rustleAcceso)> suono = media::SuoniDelProgramma;
    std::unique_ptr<SorgenteGermi> germi = std::make_unique<GermiDallOrologio>();
    std::unique_ptr<OrologioPausa> orologio = std::make_unique<OrologioDiSistema>();
    std::function<Risposta(QWidget *parent, const QString &titolo, const QString &testo)> chiedi = ChiediSiNo;
    // How long a moved card's picture takes to reach its new slot; zero shows it there at once.
    std::chrono::milliseconds scivolata{120};
    // Whether a screen reader listens (nothing is told to none), and how it is told.
    std::function<bool()> lettore = &QAccessible::isActive;
    std::function<void(QAccessibleEvent *)> racconta = &QAccessible::updateAccessibility;
};

class Form1 final : public QMainWindow, private Effetti {
    Q_OBJECT
public:
    explicit Form1(Dipendenze dipendenze = {});
    ~Form1() override;

    const Partita &partita() const { return partita_; }
    Partita &partita() { return partita_; }
    const Menu &menu() const { return menu_; }
    CartaWidget &carta(int k) { return *carta_.at(k); }
    Pannelli &pannelli() { return pannelli_; }
    QWidget &copertina() { return *copertina_; }
    QWidget &tappeto() { return *tappeto_; }
    bool chiusa() const { return chiusa_; }
    // The slot the keyboard acts on, and the frame that shows it.
    Slot fuoco() const { return fuoco_; }
    const QWidget &cornice() const { return *cornice_; }
    bool InVolo() const { return scivolata_.InVolo(); }

    // The handlers.
    void Form_Activate() override;
    void Form_Resize();
    void Form_MouseDown();
    void Carta_Click(Int index);
    void Nuova_Click() { partita_.Nuova_Click(); }
    void esci_Click() { close(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    // Places a control given in logical units onto the client area.
    QRect Mappa(double left, double top, double larghezza, double altezza) const;
    // The pixels a card's picture takes with its top-left corner at `dove`.
    QRect RettangoloCarta(Posizione dove) const;
    QSize DimensioneCarta() const;
    void PiazzaCarta(CartaWidget &carta);
    // The keyboard: a card clicked with the mouse, an arrow, Return or Space.
    void CartaCliccata(Int carta);
    void Freccia(int dRiga, int dColonna);
    void Invio();
    // Keeps the keyboard focus on the table, tells a screen reader the
    // focused slot when it changed, and places the frame.
    void MostraFuoco();
    void DiFuoco();
    // A screen reader's press on a slot: a click on its card.
    void PremiSlot(Slot slot);
    void PiazzaCornice();
    void PiazzaPannello(Pannello &pannello);

    // Effetti
    void MuoviCarta(Int carta, Posizione dove) override;
    Posizione PosizioneCarta(Int carta) const override;
    void HideAllPanels() override { pannelli_.HideAllPanels(); }
    void InizioDistribuzione() override;
    void FineDistribuzione() override;
    Suono &suono() override { return *suono_; }
    Risposta Chiedi(const std::string &titolo, const std::string &testo) override;
    void ChiudiFinestra() override { close(); }

    Dipendenze dip_;
    Partita partita_;
    Menu menu_;
    cardart::CacheCarte cache_;
    Tappeto *tappeto_;                              // central widget, owned by the window
    std::array<CartaWidget *, kCarte + 1> carta_{}; // owned by the table; [0] unused
    Copertina *copertina_;
    Cornice *cornice_ = nullptr; // over the cards, under the panels
    Caselle *caselle_ = nullptr; // the slots as a screen reader meets them
    Scivolata scivolata_;
    Pannelli pannelli_;
    Opzioni *opzioni_;
    std::unique_ptr<Suono> suono_;
    QSizeF cartaLogica_{kLarghezzaCarta, kAltezzaCarta}; // card size in logical units, from card 1's picture
    MisuraCarte misura_{cache_, carta_}; // the pictures at the window's size, and what a resize waits for
    bool preregistrate_ = false;         // the first deal has asked for the cards' recordings
    Slot fuoco_{1, 1};
    Slot annunciato_{};        // the slot a screen reader was last told of; none since the table took the focus
    bool tastiera_ = false;    // a key was used since the last mouse click: the frame shows
    bool distribuito_ = false; // cards are on the table (not the title pause)
    bool distribuendo_ = false;
    bool chiedendo_ = false; // the question at a stop is open
    bool attivata_ = false;
    bool chiusa_ = false;
};

} // namespace belvane
