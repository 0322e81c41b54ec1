#include "risorse.h"

#include <QFile>

#include <array>

namespace belvane::risorse {
namespace {

constexpr char16_t kNessuno = 0xFFFD;
constexpr std::array<char16_t, 32> kDa80a9F{0x20AC,   kNessuno, 0x201A, 0x0192, 0x201E, 0x2026,   0x2020, 0x2021,
                                            0x02C6,   0x2030,   0x0160, 0x2039, 0x0152, kNessuno, 0x017D, kNessuno,
                                            kNessuno, 0x2018,   0x2019, 0x201C, 0x201D, 0x2022,   0x2013, 0x2014,
                                            0x02DC,   0x2122,   0x0161, 0x203A, 0x0153, kNessuno, 0x017E, 0x0178};

QByteArray Leggi(const QString &nome)
{
    QFile f(nome);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString SenzaCR(QString testo)
{
    testo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return testo;
}

} // namespace

QString DaWindows1252(QByteArrayView testo)
{
    QString out;
    out.reserve(testo.size());
    for (char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        out.append(QChar(b >= 0x80 && b <= 0x9F ? kDa80a9F[b - 0x80] : char16_t(b)));
    }
    return out;
}

QString RegoleInglese() { return SenzaCR(QString::fromLatin1(Leggi(QStringLiteral(":/texts/rules_en.txt")))); }

QString RegoleItaliane() { return SenzaCR(DaWindows1252(Leggi(QStringLiteral(":/texts/rules_it.txt")))); }

QString Informazioni() { return SenzaCR(QString::fromLatin1(Leggi(QStringLiteral(":/texts/about.txt")))); }

QImage Copertina() { return QImage(QStringLiteral(":/pictures/title.jpg")); }

QIcon Icona() { return QIcon(QStringLiteral(":/pictures/belvane.ico")); }

QImage CartaBmp(int code)
{
    if (code < 1 || code > 40)
        return {};
    return QImage(QStringLiteral(":/cards/carta%1.bmp").arg(code, 2, 10, QChar('0')));
}

} // namespace belvane::risorse
