// The game's one window: it owns every control, the game and the sound, and
// is what the game asks for card moves, panels, sound and questions.
#pragma once

#include "cache_carte.h"
#include "controlli.h"
#include "domanda.h"
#include "effetti.h"
#include "menu.h"
#include "opzioni.h"
#include "orologio.h"
#include "pannelli.h"
#include "partita.h"
#include "suoni_programma.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

namespace belvane {

// What the window takes from outside, so that tests can replace it.
struct Dipendenze {
    std::function<std::unique_ptr<Suono>(std::function<bool()> rustleAcceso)> suono = media::SuoniDelProgramma;
    std::unique_ptr<SorgenteGermi> germi = std::make_unique<GermiDallOrologio>();
    std::unique_ptr<OrologioPausa> orologio = std::make_unique<OrologioDiSistema>();
    std::function<Risposta(QWidget *parent, const QString &titolo, const QString &testo)> chiedi = ChiediSiNo;
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

    // The handlers.
    void Form_Activate() override;
    void Form_Resize();
    void Form_MouseDown() { pannelli_.HideAllPanels(); }
    void Carta_Click(Int index) { partita_.Carta_Click(index); }
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
    QSize DimensioneCarta() const;
    void PiazzaCarta(CartaWidget &carta);
    void CarteDisegnate();
    void PiazzaPannello(Pannello &pannello);

    // Effetti
    void MuoviCarta(Int carta, Posizione dove) override;
    Posizione PosizioneCarta(Int carta) const override;
    void HideAllPanels() override { pannelli_.HideAllPanels(); }
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
    Pannelli pannelli_;
    Opzioni *opzioni_;
    std::unique_ptr<Suono> suono_;
    QSizeF cartaLogica_{kLarghezzaCarta, kAltezzaCarta}; // card size in logical units, from card 1's picture
    QSize cartaMostrata_; // the card size the last resize mapped to; empty before the first
    bool attivata_ = false;
    bool chiusa_ = false;
};

} // namespace belvane
