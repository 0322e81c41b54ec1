// The form of the portrait's sitter: a height field of the bust seen from
// the front, with the head and neck of titolo_testa.h standing in it, and
// the tone each part takes under the light.
// Coordinates are the sitter's own units (kIngrandimento pixels each, see
// titolo_misure.h), x to the right, y down, from the middle of the face
// between the eyes and the mouth; heights come towards the viewer.
#pragma once

namespace titolo {

enum class Zona { Fondo, Pelle, Capelli, Giacca, Bavero, Camicia, Cravatta, Panciotto };
// Which body of the flesh a sample lies on, so that the lines of one stop
// where another passes in front of it.
enum class Pezzo { Altro, Testa, Collo, Orecchio };

struct Campione {
    double h = -1; // height, for the light
    double hs = 0; // a smoother height whose sections the engraved lines follow
    Zona zona = Zona::Fondo;
    Pezzo pezzo = Pezzo::Altro;
};

// Where the features sit on the face seen square on, symmetric about x = 0.
constexpr double kOcchiX = 10.6;
constexpr double kOcchiY = -27.4;
constexpr double kBoccaY = -2.4;
constexpr double kMentoY = 13;
constexpr double kColloY = -3;       // raises the collar and the shoulders towards the chin
constexpr double kColloMezzo = 11.5; // half the neck's width under the jaw
// The hair's outline: an oval over the crown.
constexpr double kCapelliY = -35.2, kCapelliA = 28, kCapelliB = 35.4;
// The hair is laid out for a broad skull and drawn this much narrower, to
// fit the head's own width.
constexpr double kCapelliStretto = 0.95;

Campione Rilievo(double x, double y);

// How dark the engraving is at (x, y): 0 paper, 1 solid ink.
double Tono(const Campione &c, double x, double y);

// How far below the collar's line the shoulder's top lies at x: falling
// away from the neck.
double Spalla(double x);

// A smooth step from 0 (at a) to 1 (at b).
double Passaggio(double a, double b, double t);

} // namespace titolo
