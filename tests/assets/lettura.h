#pragma once

#include <QByteArray>
#include <QFile>
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
