#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdint>

inline QByteArray LeggiFile(const QString &nome)
{
    QFile f(nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Little-endian, as in BMP and ICO.
inline uint32_t U16(const QByteArray &b, int i) { return uint8_t(b[i]) | uint32_t(uint8_t(b[i + 1])) << 8; }
inline uint32_t U32(const QByteArray &b, int i) { return U16(b, i) | U16(b, i + 2) << 16; }

inline QString FileArte(const QString &relativo) { return QStringLiteral(BELVANE_ART_DIR "/") + relativo; }
inline QString FileCarta(int code)
{
    return FileArte(QStringLiteral("cards/carta%1.bmp").arg(code, 2, 10, QChar('0')));
}

// A card bitmap: 24-bit, bottom-up, rows padded to four bytes.
constexpr int kLarghezzaCarta = 45, kAltezzaCarta = 72, kRigaCarta = 136;

// Decodes a card's BMP by hand, independently of Qt's reader.
inline QImage DecodificaBmp(const QByteArray &b)
{
    QImage img(kLarghezzaCarta, kAltezzaCarta, QImage::Format_RGB32);
    for (int y = 0; y < kAltezzaCarta; ++y)
        for (int x = 0, i = 54 + (kAltezzaCarta - 1 - y) * kRigaCarta; x < kLarghezzaCarta; ++x, i += 3)
            img.setPixel(x, y, qRgb(uint8_t(b[i + 2]), uint8_t(b[i + 1]), uint8_t(b[i])));
    return img;
}
