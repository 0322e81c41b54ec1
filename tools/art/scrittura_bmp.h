#pragma once

#include <QByteArray>
#include <QImage>

#include <array>

namespace belvane::strumenti {

// A Windows bitmap of `immagine`: 14-byte file header, 40-byte information
// header, 24 bits per pixel, uncompressed, rows bottom-up and padded to a
// multiple of four bytes. Alpha is dropped.
QByteArray Bmp24(const QImage &immagine);

// A 16-colour icon of one 32 x 32 image: `indici` holds 32 * 32 palette
// indices (row by row, top first), `trasparente` marks the pixels the AND
// mask lets through.
QByteArray Ico4(const std::array<QRgb, 16> &tavolozza, const std::array<quint8, 32 * 32> &indici,
                const std::array<bool, 32 * 32> &trasparente);

} // namespace belvane::strumenti
