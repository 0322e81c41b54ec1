// The engraved portrait in its oval medallion.
#pragma once

class QImage;
class QPainter;

namespace titolo {

// The engraving alone, as a grey picture the size of the medallion.
QImage Incisione();

// The engraving framed in its oval at its place in the title picture.
void DisegnaMedaglione(QPainter &p);

} // namespace titolo
