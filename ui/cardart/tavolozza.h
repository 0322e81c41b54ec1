#pragma once

#include <QColor>
#include <QtGlobal>

namespace belvane::cardart {

// Palette of the Neapolitan pattern. The drawing uses only flat colours so
// that the reduction to the natural size can pick one per pixel.
inline const QColor kOro(0xE8, 0xB0, 0x20);
inline const QColor kOroScuro(0x7A, 0x48, 0x00);
inline const QColor kOroCavo(0xB8, 0x7A, 0x10);
inline const QColor kRosso(0xCC, 0x22, 0x1C);
inline const QColor kRossoScuro(0x6A, 0x0C, 0x0A);
inline const QColor kVerde(0x2A, 0x8A, 0x34);
inline const QColor kVerdeScuro(0x0A, 0x38, 0x10);
inline const QColor kBlu(0x22, 0x5A, 0xD0);
inline const QColor kBluScuro(0x0A, 0x1C, 0x5E);
inline const QColor kBluChiaro(0x9C, 0xC4, 0xF8);
inline const QColor kContorno(0x1A, 0x14, 0x10);
inline const QColor kPelle(0xF6, 0xC8, 0x98);
inline const QColor kMarrone(0x84, 0x52, 0x24);
inline const QColor kBianco(0xFF, 0xFF, 0xFF);
inline const QColor kErmellino(0xF4, 0xF2, 0xEC);
inline const QColor kViola(0x6C, 0x2A, 0x8C);
inline const QColor kAmaranto(0xB4, 0x3C, 0x84);
inline const QColor kArancio(0xEE, 0x84, 0x1C);
inline const QColor kCeleste(0x5C, 0xB4, 0xE8);
inline const QColor kNero(0x24, 0x20, 0x24);
inline const QColor kGrigio(0x9A, 0x9A, 0xA4);

// One colour in the three tones of a printed card: the light side, the body
// and the shade, lit from the upper left.
struct Tinta {
    QColor luce, corpo, ombra;
};

// Line widths in card units: at the natural size a card unit is a pixel.
// Every outline of the deck has one weight; linework inside a shape (folds,
// hair, ornament) is finer, so that at the natural size it does not darken
// the shape it lies in. Two inks, one for each kind of picture: the 45 x 72
// pixel picture needs an outline that wins its pixel wherever it falls (3 of
// the reduction's 4 samples across); the smoothed drawing of the larger
// cards a line as fine as a printed card's.
struct Inchiostro {
    qreal tratto;  // outlines
    qreal fine;    // small shapes' outlines, seams
    qreal interno; // hatching, strands, ornament inside a shape
    qreal piega;   // folds and seams of cloth
    // Whether lines in the outlines' ink (kContorno) are drawn in the
    // lighter kContornoInterno: inside a figure, whose outer contour alone
    // is in the full ink.
    bool tenue = false;
};
inline constexpr Inchiostro kInchiostroPixel{0.75, 0.6, 0.35, 0.45};
inline constexpr Inchiostro kInchiostroDisegno{0.38, 0.33, 0.25, 0.3};
// The ink this thread draws with: the drawing's, unless a ConInchiostro is
// alive on it.
const Inchiostro &InchiostroCorrente();
// Whether this thread is drawing the pixel picture.
inline bool InchiostroDelPixelInUso() { return &InchiostroCorrente() == &kInchiostroPixel; }
// While it lives, its thread draws with `inchiostro` (kInchiostroPixel for
// the pixel picture).
class ConInchiostro {
public:
    explicit ConInchiostro(const Inchiostro &inchiostro);
    ~ConInchiostro();
    ConInchiostro(const ConInchiostro &) = delete;
    ConInchiostro &operator=(const ConInchiostro &) = delete;

private:
    const Inchiostro *prima_;
};
// One of the ink's widths, read when it is used: kTratto is the outline of
// whichever picture is being drawn.
struct Spessore {
    qreal Inchiostro::*larghezza;
    operator qreal() const { return InchiostroCorrente().*larghezza; }
};
// The figures' own ink in the larger drawing (stampa.h's Figura): their
// outer contour is drawn apart, firmer, and every line inside it (the
// outline where one shape meets another, folds, hair) finer than the
// emblems', as a printed card's inner lines are.
inline constexpr Inchiostro kInchiostroFigura{0.16, 0.15, 0.14, 0.16, true};
// The figures' lines inside their contour: a dark warm brown, lighter than
// the ink of the contour.
inline const QColor kContornoInterno(0x5A, 0x40, 0x30);
inline constexpr Spessore kTratto{&Inchiostro::tratto};
inline constexpr Spessore kTrattoFine{&Inchiostro::fine};
inline constexpr Spessore kTrattoInterno{&Inchiostro::interno};

// The emblems' colours in their three tones, shared by the pips, the aces and
// the emblems the figures hold: a little muted, as printing inks are.
inline const Tinta kTintaOro{QColor(0xF4, 0xD6, 0x7A), QColor(0xDC, 0xA8, 0x2E), QColor(0xA8, 0x74, 0x1C)};
inline const Tinta kTintaRosso{QColor(0xE4, 0x70, 0x58), QColor(0xC4, 0x30, 0x2A), QColor(0x8C, 0x1C, 0x18)};
inline const Tinta kTintaVerde{QColor(0x64, 0xA6, 0x56), QColor(0x34, 0x7E, 0x3A), QColor(0x1E, 0x56, 0x26)};
inline const Tinta kTintaBlu{QColor(0x7A, 0xA2, 0xEA), QColor(0x2C, 0x58, 0xC0), QColor(0x1C, 0x3C, 0x94)};

} // namespace belvane::cardart
