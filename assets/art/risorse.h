#pragma once

#include <QByteArrayView>
#include <QIcon>
#include <QImage>
#include <QString>

// The pictures and texts built into the program.
namespace belvane::risorse {

// Rules and about text with line ends turned into '\n'.
QString RegoleInglese();
QString RegoleItaliane(); // decoded from Windows-1252
QString Informazioni();

QImage Copertina();        // 532 x 362
QIcon Icona();             // needs a QGuiApplication
QImage CartaBmp(int code); // 45 x 72; null for a code outside 1..40

// Windows-1252 to Unicode, without relying on the platform's codecs: the
// 0x80-0x9F block from a table, the rest as Latin-1. Bytes that code page
// leaves undefined become U+FFFD.
QString DaWindows1252(QByteArrayView testo);

} // namespace belvane::risorse
