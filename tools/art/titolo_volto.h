// The form of the portrait's sitter: a height field of head, neck and
// bust, seen from the front, and the tone it takes under the light.
// Coordinates are the sitter's own units (kIngrandimento pixels each, see
// titolo_misure.h), x to the right, y down, from the middle of the face
// between the eyes and the mouth; heights come towards the viewer.
#pragma once

namespace titolo {

enum class Zona { Fondo, Pelle, Capelli, Giacca, Bavero, Camicia, Cravatta, Panciotto };
// Which body of the form a sample lies on, so that the skin's lines of one
// stop where another passes in front of it.
enum class Pezzo { Altro, Testa, Collo, Orecchio };

struct Campione {
    double h = -1; // height, for the light
    double hs = 0; // a smoother height whose sections the engraved lines follow
    Zona zona = Zona::Fondo;
    double meridiano = 0; // across head and neck: where on the round of the form, in pixels at the middle
    Pezzo pezzo = Pezzo::Altro;
};

// Where the features sit; the face is symmetric about x = 0.
constexpr double kOcchiX = 10.6;
constexpr double kOcchioMezzo = 5.3; // half an eye's width
constexpr double kOcchiY = -27.4;
constexpr double kPalpebra = 1.8;      // how high the upper lid arches over the eye's centre
constexpr double kPalpebraBassa = 1.4; // how low the lower lid bows
constexpr double kOrecchioX = 25.2;
constexpr double kOrecchioY = kOcchiY + 5; // the ear's middle: its top level with the brows
constexpr double kBoccaY = -2.4;
constexpr double kMentoY = 13;
constexpr double kColloY = -3;       // raises the collar and the shoulders towards the chin
constexpr double kColloMezzo = 11.5; // half the neck's width under the jaw
// The hair's outline: an oval over the crown.
constexpr double kCapelliY = -35.2, kCapelliA = 28, kCapelliB = 35.4;

Campione Rilievo(double x, double y);

// The features carved into and raised from the head's plain oval, as
// heights; `naso` scales the nose's.
double Lineamenti(double x, double y, double naso = 1);

// Half the width of the head at height y (0 above the crown and below the chin).
double MezzaLarghezza(double y);

// How dark the engraving is at (x, y): 0 paper, 1 solid ink.
double Tono(const Campione &c, double x, double y);

// How far below the collar's line the shoulder's top lies at x: falling
// away from the neck.
double Spalla(double x);

// A smooth step from 0 (at a) to 1 (at b).
double Passaggio(double a, double b, double t);

} // namespace titolo
