// The window's own controls: the green table, the card images and the title picture.
#pragma once

#include "cache_carte.h"
#include "carte.h"
#include "effetti.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace belvane {

// The client area. A press on it, outside every control, is Form_MouseDown.
// It also takes the table's keys: those a focused card ignores come here.
class Tappeto final : public QWidget {
    Q_OBJECT
public:
    explicit Tappeto(QWidget *parent);

signals:
    void MouseDown();
    void Ridimensionato();
    // An arrow key: one slot in that direction.
    void Freccia(int dRiga, int dColonna);
    // Return or Space on the slot that has the focus.
    void Invio();
    // The table itself got the keyboard focus (Tab, a click, the window's activation).
    void FuocoEntrato();
    // The table's ground is painted and the cards on it are painted next, in the same frame.
    void PrimaDelleCarte();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

// The keyboard's focus frame: a contrasting ring around one slot, over the
// cards, letting every click through to what lies beneath.
class Cornice final : public QWidget {
public:
    explicit Cornice(QWidget *parent);
    // Surrounds `slot` (pixels, in the parent's coordinates) with a bright
    // ring `spessore` pixels wide, edged in black on both sides.
    void Circonda(QRect slot, int spessore);
    // How far the frame reaches beyond the slot, for a ring of `spessore`.
    static int Margine(int spessore) { return spessore + 2; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int spessore_ = 2;
};

// One card image: always the same card, moved about the table. Its position
// is kept in the table's logical units, which is what the game reads back.
class CartaWidget final : public QWidget {
    Q_OBJECT
public:
    CartaWidget(Int codice, cardart::CacheCarte &cache, QWidget *parent);

    Int codice() const { return codice_; }
    Posizione posizione;
    // While a resize goes on, a picture not yet drawn at the new size is the
    // last one scaled; drawing all forty anew takes longer than a frame.
    void SetAnteprima(bool anteprima);
    // Ends the preview for a paint already under way: no repaint of its own.
    void FineAnteprima() { anteprima_ = false; }

signals:
    void Click(Int codice);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Int codice_;
    cardart::CacheCarte &cache_;
    QPixmap ultima_; // the picture last painted
    bool anteprima_ = false;
    bool premuto_ = false;
};

// The title picture, scaled to the client area without distortion.
class Copertina final : public QWidget {
public:
    // `carica` decodes the picture (a null image if it cannot be had). It
    // shows a few seconds per game: the decoded picture is not kept, only
    // its copy at the size shown, and that only while it shows.
    Copertina(std::function<QImage()> carica, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    std::function<QImage()> carica_;
    QImage immagine_; // decoded for the first showing only
    QSize naturale_;  // the picture's own size; empty if it cannot be read
    QPixmap scalata_; // the picture at the size last shown, so a repaint does not scale it again
    QColor sfondo_;
};

} // namespace belvane
