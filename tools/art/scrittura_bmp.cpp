#include "scrittura_bmp.h"

#include <array>

namespace belvane::strumenti {
namespace {

void Parola(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

void Doppia(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

// BITMAPINFOHEADER; `altezza` is the stored height (an icon stores twice its
// height: colour bitmap plus mask).
void IntestazioneInfo(QByteArray &out, qint32 larghezza, qint32 altezza, quint16 bit, quint32 dimensioneDati,
                      quint32 colori)
{
    Doppia(out, 40);
    Doppia(out, quint32(larghezza));
    Doppia(out, quint32(altezza));
    Parola(out, 1); // planes
    Parola(out, bit);
    Doppia(out, 0); // BI_RGB
    Doppia(out, dimensioneDati);
    Doppia(out, 2835); // 72 dpi in pixels per metre
    Doppia(out, 2835);
    Doppia(out, colori);
    Doppia(out, 0);
}

} // namespace

QByteArray Bmp24(const QImage &immagine)
{
    const QImage img = immagine.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const int riga = (w * 3 + 3) / 4 * 4;
    const quint32 dati = quint32(riga) * quint32(h);
    QByteArray out;
    out.reserve(int(54 + dati));
    out.append("BM", 2);
    Doppia(out, 54 + dati);
    Doppia(out, 0);
    Doppia(out, 54);
    IntestazioneInfo(out, w, h, 24, dati, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto *px = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(px[x])));
            out.append(char(qGreen(px[x])));
            out.append(char(qRed(px[x])));
        }
        out.append(QByteArray(riga - w * 3, '\0'));
    }
    return out;
}

QByteArray Ico4(const std::array<QRgb, 16> &tavolozza, const std::array<quint8, 32 * 32> &indici,
                const std::array<bool, 32 * 32> &trasparente)
{
    constexpr int kLato = 32;
    constexpr quint32 kColore = kLato * kLato / 2; // 4 bits a pixel, rows already 4-byte aligned
    constexpr quint32 kMaschera = kLato * 4;       // 1 bit a pixel, 32 bits a row
    constexpr quint32 kRisorsa = 40 + 16 * 4 + kColore + kMaschera;
    QByteArray out;
    // ICONDIR and its one ICONDIRENTRY.
    Parola(out, 0);
    Parola(out, 1);
    Parola(out, 1);
    out.append(char(kLato));
    out.append(char(kLato));
    out.append(char(16));
    out.append(char(0));
    Parola(out, 1);
    Parola(out, 4);
    Doppia(out, kRisorsa);
    Doppia(out, 6 + 16);
    IntestazioneInfo(out, kLato, 2 * kLato, 4, kColore + kMaschera, 16);
    for (QRgb c : tavolozza) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = kLato - 1; y >= 0; --y)
        for (int x = 0; x < kLato; x += 2)
            out.append(char((indici[y * kLato + x] & 0x0F) << 4 | (indici[y * kLato + x + 1] & 0x0F)));
    for (int y = kLato - 1; y >= 0; --y)
        for (int byte = 0; byte < 4; ++byte) {
            quint8 bits = 0;
            for (int b = 0; b < 8; ++b)
                if (trasparente[y * kLato + byte * 8 + b])
                    bits |= quint8(0x80 >> b);
            out.append(char(bits));
        }
    return out;
}

} // namespace belvane::strumenti
