// The title picture's JPEG file, written with libjpeg itself: Qt's writer
// halves the colour's resolution both ways, and the pale lettering on the
// brown ground then gains a soft coloured shadow round every stroke.
#pragma once

class QImage;
class QString;

namespace titolo {

// Writes `img` as a baseline JFIF with every component at full resolution
// (4:4:4). False, with the reason in `errore`, when it cannot be written.
bool ScriviJpeg(const QImage &img, const QString &file, int qualita, QString &errore);

} // namespace titolo
