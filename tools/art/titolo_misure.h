// Sizes, places and inks of the title picture, shared by its parts.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

namespace titolo {

constexpr int kLarghezza = 532;
constexpr int kAltezza = 362;
constexpr int kQualitaJpeg = 95;

// The ground, the open frame and the caption's ink.
inline const QColor kFondo(0x3C, 0x24, 0x14);
inline const QColor kFondoRiga(0x1C, 0x0F, 0x08); // the ruled tint's lines
constexpr int kFondoPasso = 3;                    // their spacing, in whole pixels
constexpr double kFondoRisparmio = 2;             // how far they stop short of the lettering, in pixels
inline const QColor kFiletto(0xE2, 0xD4, 0xB4);
// The engraving's ink, a warm black: the portrait's lines and the name's shade.
inline const QColor kInchiostro(30, 20, 14);
constexpr double kFilettoDa = 14;                    // the frame's inset from the top and left edges
constexpr double kFilettoSpessore = 2;               // whole pixels, so the corner is no brighter than the rule
constexpr double kFilettoInterno = kFilettoDa + 3.5; // the thin inner rule's line

// The name: its baseline and size.
constexpr double kNomeCentroX = 266;
constexpr double kNomeBaseY = 115;
constexpr int kNomeCorpo = 104;

// The medallion holding the portrait, high enough that its frame stands
// clear of the picture's foot instead of sitting on the edge; moved by
// whole pixels, so the engraving inside it falls on the same pixels.
constexpr QPointF kMedaglione(266, 236);
constexpr double kMedaglioneRx = 76;
constexpr double kMedaglioneRy = 101;
// Its frame outside the oval, in pixels beyond its edge: a heavy rule, a
// fine one, and a plain margin beyond them where the ground's ruling stops.
constexpr double kCorniceGrossa = 3.5, kCorniceGrossaSpessore = 2.0;
constexpr double kCorniceFine = 6.5, kCorniceFineSpessore = 1.0;
constexpr double kCorniceMargine = 9.5;

// The sitter is drawn in units of his own (see titolo_volto.h); this many
// pixels to one, and his units start this far above the medallion's centre.
constexpr double kIngrandimento = 1.34;
constexpr double kAbbassa = 8.5;

// Where a point in the sitter's units falls in the medallion's pixels
// (its box's top left at 0, 0), and back.
constexpr QPointF SullaLastra(QPointF q)
{
    return {q.x() * kIngrandimento + kMedaglioneRx, (q.y() + kAbbassa) * kIngrandimento + kMedaglioneRy};
}
constexpr QPointF DallaLastra(QPointF p)
{
    return {(p.x() - kMedaglioneRx) / kIngrandimento, (p.y() - kMedaglioneRy) / kIngrandimento - kAbbassa};
}

// The portrait is engraved at this many samples a pixel each way, then
// averaged down, so that every line keeps its true width.
constexpr int kScala = 4;

// The typefaces, by file: a name looked up by family would change with
// whatever else is installed, and the picture must come out the same.
inline const QString kCorsivo = QStringLiteral("/usr/share/fonts/opentype/urw-base35/P052-Italic.otf");
inline const QString kTondo = QStringLiteral("/usr/share/fonts/opentype/urw-base35/P052-Roman.otf");

} // namespace titolo
