#include "form1.h"

#include "risorse.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace belvane {

namespace {
constexpr int kLarghezzaIniziale = 535; // client area at creation, in pixels
constexpr int kAltezzaIniziale = 364;
constexpr double kPausaTitolo = 3; // seconds
// The focus frame's bright ring, in logical units, and never thinner than this many pixels.
constexpr double kSpessoreCornice = 2;
constexpr int kSpessoreMinimo = 2;

// Whether a position lies on the table rather than on the pile beside it.
bool SulTavolo(Posizione p) { return p.left < kLarghezzaLogica && p.top < kAltezzaLogica; }
} // namespace

Form1::Form1(Dipendenze dipendenze)
    : dip_(std::move(dipendenze)), partita_(*this, *dip_.germi), menu_(CostruisciMenu(*menuBar())), cache_([this] {
          QMetaObject::invokeMethod(
              this, [this] { misura_.Disegnate(); }, Qt::QueuedConnection);
      }),
      tappeto_(new Tappeto(this)), copertina_(new Copertina(risorse::Copertina, tappeto_)),
      scivolata_(dip_.scivolata,
                 [this](CartaWidget &carta, Posizione dove) { carta.setGeometry(RettangoloCarta(dove)); }),
      pannelli_(tappeto_, [this](Pannello &p) { PiazzaPannello(p); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quintavox - Belvane"));
    setWindowIcon(risorse::Icona());
    setCentralWidget(tappeto_);

    // Card images lie beyond the client area's right edge until the first deal.
    std::array<QWidget *, kCarte + 1> perTips{};
    for (Int k = 1; k <= kCarte; ++k) {
        carta_[k] = new CartaWidget(k, cache_, tappeto_);
        carta_[k]->posizione = {660, 10};
        connect(carta_[k], &CartaWidget::Click, this, &Form1::CartaCliccata);
        // A screen reader says the card's name, as its tool-tip shows it.
        carta_[k]->setAccessibleName(QString::fromStdString(partita_.stato().NomeCarta[k]).trimmed());
        perTips[k] = carta_[k];
    }
    cornice_ = new Cornice(tappeto_);
    tappeto_->setAccessibleName(QStringLiteral("Cards"));
    tappeto_->setAccessibleDescription(
        QStringLiteral("4 rows of 11 slots: the arrows move, Return or Space plays the card"));
    caselle_ = new Caselle(
        tappeto_,
        {.distribuito = [this] { return distribuito_ && !chiusa_; },
         .carta = [this](Slot s) { return partita_.stato().Tavolo[s.riga][s.colonna]; },
         .nome = [this](Int carta) { return carta_.at(carta)->accessibleName(); },
         .fuoco = [this]() -> std::optional<Slot> {
             if (distribuito_ && !chiusa_ && tappeto_->hasFocus())
                 return fuoco_;
             return std::nullopt;
         },
         .rettangolo = [this](Slot s) { return RettangoloCarta(partita_.PosizioneSlot(s.riga, s.colonna)); },
         // The reader waits for no answer: the click, and any question it asks, come after.
         .premi =
             [this](Slot s) {
                 QMetaObject::invokeMethod(
                     this, [this, s] { PremiSlot(s); }, Qt::QueuedConnection);
             },
         .focalizza =
             [this](Slot s) {
                 if (chiedendo_)
                     return;
                 fuoco_ = s;
                 MostraFuoco();
             },
         .lettore = dip_.lettore,
         .racconta = dip_.racconta});
    const QImage primaCarta = risorse::CartaBmp(1);
    if (!primaCarta.isNull())
        cartaLogica_ = primaCarta.size();

    opzioni_ = new Opzioni(*menu_.Menu_music, *menu_.Menu_card_rustle, *menu_.Menu_tips, perTips,
                           partita_.stato().NomeCarta, this);
    suono_ = dip_.suono([opzioni = opzioni_] { return opzioni->RustleAcceso(); });

    connect(tappeto_, &Tappeto::MouseDown, this, &Form1::Form_MouseDown);
    connect(tappeto_, &Tappeto::Ridimensionato, this, &Form1::Form_Resize);
    connect(tappeto_, &Tappeto::PrimaDelleCarte, this, [this] { misura_.PrimaDelleCarte(); });
    connect(tappeto_, &Tappeto::Freccia, this, &Form1::Freccia);
    connect(tappeto_, &Tappeto::Invio, this, &Form1::Invio);
    // The table took the focus (Tab, a click, the window's activation): Qt
    // tells a screen reader of the table, then the focused slot is told.
    connect(tappeto_, &Tappeto::FuocoEntrato, this, [this] {
        annunciato_ = {};
        QMetaObject::invokeMethod(this, &Form1::DiFuoco, Qt::QueuedConnection);
    });
    connect(menu_.Nuova, &QAction::triggered, this, &Form1::Nuova_Click);
    connect(menu_.esci, &QAction::triggered, this, &Form1::esci_Click);
    connect(opzioni_, &Opzioni::PauseMusic, this, [this] { suono_->PauseMusic(); });
    connect(opzioni_, &Opzioni::ResumeMusic, this, [this] { suono_->ResumeMusic(); });
    connect(menu_.menu_rules_english, &QAction::triggered, this, [this] { pannelli_.menu_rules_english_Click(); });
    connect(menu_.menu_rules_italiano, &QAction::triggered, this, [this] { pannelli_.menu_rules_italiano_Click(); });
    connect(menu_.menu_about, &QAction::triggered, this, [this] { pannelli_.menu_about_Click(); });

    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    // The pitch comes from card 1: its picture's size plus the gap.
    partita_.stato().PassoX = static_cast<float>(cartaLogica_.width() + kSpazioSlot);
    partita_.stato().PassoY = static_cast<float>(cartaLogica_.height() + kSpazioSlot);

    resize(kLarghezzaIniziale, kAltezzaIniziale + menuBar()->sizeHint().height());
    if (const QScreen *schermo = screen()) {
        const QRect area = schermo->availableGeometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2,
             area.y() + (area.height() - frameGeometry().height()) / 2);
    }

    menu_.Menu_card_rustle->setChecked(true);
    suono_->OpenSoundDevices();
    // The card names were built with the game state.
    menu_.Menu_tips->setChecked(true);
    opzioni_->ImpostaTips();
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The first showing activates the window once; later games come from Nuova_Click.
    if (!attivata_) {
        attivata_ = true;
        QMetaObject::invokeMethod(this, &Form1::Form_Activate, Qt::QueuedConnection);
    }
}

void Form1::Form_Activate()
{
    if (chiusa_)
        return;
    // A card still in flight lands before the table is cleared.
    scivolata_.Termina();
    distribuito_ = false;
    PiazzaCornice();
    menu_.Nuova->setEnabled(false);
    partita_.PreparaPartita();
    caselle_->Aggiorna();
    copertina_->setGeometry(tappeto_->rect());
    copertina_->show();
    copertina_->raise();
    pannelli_.HideAllPanels();
    suono_->StartMusic();

    // About three seconds from the start rounded to the second; the window
    // stays responsive and the CPU idle meanwhile.
    OrologioPausa &orologio = *dip_.orologio;
    const double t0 = std::nearbyint(orologio.Secondi());
    for (;;) {
        const double trascorsi = SecondiTrascorsi(t0, orologio.Secondi());
        if (chiusa_ || trascorsi > kPausaTitolo)
            break;
        orologio.ProcessaEventi(static_cast<int>(std::ceil((kPausaTitolo - trascorsi) * 1000)) + 1);
    }
    if (chiusa_)
        return; // closed during the pause: nothing is dealt

    copertina_->hide();
    menu_.Nuova->setEnabled(true);
    partita_.Mescola();
}

QRect Form1::Mappa(double left, double top, double larghezza, double altezza) const
{
    const double sx = tappeto_->width() / kLarghezzaLogica;
    const double sy = tappeto_->height() / kAltezzaLogica;
    return QRectF(left * sx, top * sy, larghezza * sx, altezza * sy).toAlignedRect();
}

QSize Form1::DimensioneCarta() const
{
    // The card keeps its proportions.
    const double s = std::min(tappeto_->width() / kLarghezzaLogica, tappeto_->height() / kAltezzaLogica);
    return {std::max(1, static_cast<int>(std::lround(cartaLogica_.width() * s))),
            std::max(1, static_cast<int>(std::lround(cartaLogica_.height() * s)))};
}

QRect Form1::RettangoloCarta(Posizione dove) const
{
    // Centred in the box its slot maps to.
    const double sx = tappeto_->width() / kLarghezzaLogica;
    const double sy = tappeto_->height() / kAltezzaLogica;
    const QSize dimensione = DimensioneCarta();
    const double x = dove.left * sx + (cartaLogica_.width() * sx - dimensione.width()) / 2;
    const double y = dove.top * sy + (cartaLogica_.height() * sy - dimensione.height()) / 2;
    return QRect(QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))), dimensione);
}

void Form1::PiazzaCarta(CartaWidget &carta) { carta.setGeometry(RettangoloCarta(carta.posizione)); }

void Form1::Form_Resize()
{
    // Positions live in logical units, so a resize only maps them anew: no
    // card changes its slot and nothing is dealt again.
    if (isMinimized() || tappeto_->width() <= 0 || tappeto_->height() <= 0)
        return;
    // A card in flight lands in its slot at the new size.
    scivolata_.Termina();
    misura_.NuovaMisura(DimensioneCarta(), devicePixelRatioF());
    for (Int k = 1; k <= kCarte; ++k)
        PiazzaCarta(*carta_[k]);
    copertina_->setGeometry(tappeto_->rect());
    pannelli_.PerOgni([this](Pannello &p) { PiazzaPannello(p); });
    PiazzaCornice();
}

void Form1::PiazzaPannello(Pannello &pannello)
{
    const Riquadro posto = PostoPannello(pannello.quale());
    pannello.setGeometry(Mappa(posto.left, posto.top, posto.larghezza, posto.altezza));
    // The text grows with the table, never below the default size.
    const double scala =
        std::max(1.0, std::min(tappeto_->width() / kLarghezzaLogica, tappeto_->height() / kAltezzaLogica));
    QFont carattere = font();
    carattere.setPointSizeF(font().pointSizeF() * scala);
    pannello.setFont(carattere);
}

void Form1::MuoviCarta(Int carta, Posizione dove)
{
    // The position changes now; a player's move only lets the picture follow.
    CartaWidget &widget = *carta_.at(carta);
    const Posizione da = scivolata_.Disegnata(widget);
    widget.posizione = dove;
    if (!distribuendo_ && distribuito_ && SulTavolo(dove)) {
        // A player's move: the reader hears where the card went.
        caselle_->Aggiorna();
        const Griglia &tavolo = partita_.stato().Tavolo;
        for (int r = 1; r <= kRighe; ++r)
            for (int c = 1; c <= kColonne; ++c)
                if (tavolo[r][c] == carta)
                    caselle_->Annuncia(widget.accessibleName() + QStringLiteral(", ") + NomePosto({r, c}));
    }
    if (!distribuendo_ && scivolata_.Accesa() && SulTavolo(da) && SulTavolo(dove) && isVisible()) {
        widget.stackUnder(cornice_); // over the other cards on its way
        scivolata_.Avvia(widget, da);
        return;
    }
    scivolata_.Atterra(widget);
    PiazzaCarta(widget);
}

void Form1::InizioDistribuzione()
{
    // A reshuffle or a new deal ends any glide at once: a deal shows no motion.
    scivolata_.Termina();
    distribuendo_ = true;
}

void Form1::FineDistribuzione()
{
    distribuendo_ = false;
    distribuito_ = true;
    if (!std::exchange(preregistrate_, true))
        misura_.DopoLaPrimaDistribuzione();
    fuoco_ = {1, 1};
    annunciato_ = {};
    caselle_->Aggiorna();
    MostraFuoco();
    const Int tentativo = partita_.stato().Tentativo;
    caselle_->Annuncia(QStringLiteral("%1: attempt %2 of 3")
                           .arg(tentativo > 1 ? QStringLiteral("Reshuffled") : QStringLiteral("Dealt"))
                           .arg(tentativo));
}

void Form1::Carta_Click(Int index)
{
    partita_.Carta_Click(index);
    // The focus keeps its slot: what stands there now may be a free space.
    MostraFuoco();
}

void Form1::Form_MouseDown()
{
    pannelli_.HideAllPanels();
    tastiera_ = false;
    PiazzaCornice();
}

void Form1::CartaCliccata(Int carta)
{
    tastiera_ = false;
    const Griglia &tavolo = partita_.stato().Tavolo;
    for (int r = 1; r <= kRighe; ++r)
        for (int c = 1; c <= kColonne; ++c)
            if (tavolo[r][c] == carta)
                fuoco_ = {r, c};
    Carta_Click(carta);
}

void Form1::Freccia(int dRiga, int dColonna)
{
    if (!distribuito_ || chiusa_)
        return;
    tastiera_ = true;
    fuoco_ = {std::clamp(fuoco_.riga + dRiga, 1, int{kRighe}), std::clamp(fuoco_.colonna + dColonna, 1, int{kColonne})};
    MostraFuoco();
}

void Form1::Invio()
{
    if (!distribuito_ || chiusa_)
        return;
    tastiera_ = true;
    // A card acts as if clicked; a free space does nothing.
    if (const Int carta = partita_.stato().Tavolo[fuoco_.riga][fuoco_.colonna])
        Carta_Click(carta);
    else
        PiazzaCornice();
}

void Form1::MostraFuoco()
{
    if (chiusa_ || !distribuito_) {
        PiazzaCornice();
        return;
    }
    // The table keeps the keyboard focus whatever stands in the slot, so a
    // reader hears one focus event per move: the slot's own.
    if (!tappeto_->hasFocus())
        tappeto_->setFocus(Qt::OtherFocusReason);
    DiFuoco();
    PiazzaCornice();
}

void Form1::DiFuoco()
{
    if (chiusa_ || !distribuito_ || !tappeto_->hasFocus() || fuoco_ == annunciato_)
        return;
    annunciato_ = fuoco_;
    caselle_->DiFuoco(fuoco_);
}

void Form1::PremiSlot(Slot slot)
{
    if (!distribuito_ || chiusa_ || chiedendo_)
        return;
    if (const Int carta = partita_.stato().Tavolo[slot.riga][slot.colonna])
        CartaCliccata(carta);
}

void Form1::PiazzaCornice()
{
    if (!tastiera_ || !distribuito_ || chiusa_) {
        cornice_->hide();
        return;
    }
    const double scala = std::min(tappeto_->width() / kLarghezzaLogica, tappeto_->height() / kAltezzaLogica);
    const int spessore = std::max(kSpessoreMinimo, static_cast<int>(std::lround(kSpessoreCornice * scala)));
    cornice_->Circonda(RettangoloCarta(partita_.PosizioneSlot(fuoco_.riga, fuoco_.colonna)), spessore);
    cornice_->show();
}

Posizione Form1::PosizioneCarta(Int carta) const { return carta_.at(carta)->posizione; }

Risposta Form1::Chiedi(const std::string &titolo, const std::string &testo)
{
    // The question follows at once; the reader hears why it comes.
    if (titolo == kComplimenti)
        caselle_->Annuncia(QStringLiteral("Game won"));
    else
        caselle_->Annuncia(partita_.stato().Tentativo < 4 ? QStringLiteral("No moves left")
                                                          : QStringLiteral("No moves left: game over"));
    caselle_->Dillo();
    // A reader's press is a call on the bus, answered while the question
    // waits; like a click under the question, it plays nothing.
    chiedendo_ = true;
    const Risposta risposta = dip_.chiedi(this, QString::fromStdString(titolo), QString::fromStdString(testo));
    chiedendo_ = false;
    return risposta;
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload()
{
    if (chiusa_)
        return;
    chiusa_ = true;
    suono_->CloseMusic();
    // The window hides once this returns; the last window closed quits the
    // application, and the title pause stops on chiusa_.
}

} // namespace belvane
