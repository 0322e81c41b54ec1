// The window's own controls: the green table, the card images and the title picture.
#pragma once

#include "cache_carte.h"
#include "carte.h"
#include "effetti.h"

#include <QImage>
#include <QWidget>

namespace belvane {

// The client area. A press on it, outside every control, is Form_MouseDown.
class Tappeto final : public QWidget {
    Q_OBJECT
public:
    explicit Tappeto(QWidget *parent);

signals:
    void MouseDown();
    void Ridimensionato();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
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
    Copertina(QImage immagine, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage immagine_;
    QPixmap scalata_; // the picture at the size last shown, so a repaint does not scale it again
    QColor sfondo_;
};

} // namespace belvane
