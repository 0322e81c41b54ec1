// The cards' recordings as the program gets them: built in at build time,
// read back whole, and refused when the bytes are not a whole set.
#include "disegno_carte.h"
#include "registrazione.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace {

using belvane::cardart::Deserializza;
using belvane::cardart::Registrazione;
using belvane::cardart::Serializza;

bool Uguali(const Registrazione &a, const Registrazione &b)
{
    if (a.completa != b.completa || a.punti != b.punti || a.dettagli != b.dettagli ||
        a.campiture.size() != b.campiture.size())
        return false;
    for (std::size_t i = 0; i < a.campiture.size(); ++i) {
        const auto &x = a.campiture[i], &y = b.campiture[i];
        if (x.colore != y.colore || x.regola != y.regola || x.primo != y.primo || x.quanti != y.quanti)
            return false;
    }
    return true;
}

// The built-in recordings are the drawing's of this very build.
TEST(Registrazioni, TheBuiltInOnesAreTheDrawingsOwn)
{
    QFile f(QStringLiteral(":/cardart/carte.reg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "the recordings are not built into this program";
    const auto lette = Deserializza(f.readAll());
    ASSERT_TRUE(lette.has_value());
    const std::vector<Registrazione> dalVivo = belvane::cardart::RegistraDalVivo();
    ASSERT_EQ(lette->size(), dalVivo.size());
    for (std::size_t i = 0; i < dalVivo.size(); ++i)
        EXPECT_TRUE(Uguali((*lette)[i], dalVivo[i])) << "card " << i + 1;
    belvane::cardart::RegistraTutte();
    EXPECT_TRUE(belvane::cardart::TutteRegistrate());
}

// A file cut short, or one whose counts or indices point past its end, is
// refused whole rather than read past its end.
TEST(Registrazioni, BytesThatAreNotAWholeSetGiveNothing)
{
    Registrazione r;
    r.campiture.push_back({0xFF112233, Qt::OddEvenFill, 0, 3});
    r.punti = {0, 0, 256, 0, 0, 256};
    Registrazione graduata = r;
    graduata.dettagli = {255, 7, 255};
    const QByteArray byte = Serializza({r, graduata});
    const auto lette = Deserializza(byte);
    ASSERT_TRUE(lette.has_value());
    ASSERT_EQ(lette->size(), 2u);
    EXPECT_TRUE(Uguali((*lette)[0], r));
    EXPECT_TRUE(Uguali((*lette)[1], graduata));

    for (qsizetype n = 0; n < byte.size(); ++n)
        EXPECT_FALSE(Deserializza(byte.left(n)).has_value()) << "cut at " << n;
    EXPECT_FALSE(Deserializza(byte + QByteArray(1, '\0')).has_value()) << "bytes after the end";
    QByteArray fuori = byte;
    fuori[12 + 9 + 9] = char(0x7F); // the first area's first point far past the points
    EXPECT_FALSE(Deserializza(fuori).has_value());
    QByteArray troppe = byte;
    troppe[8] = char(0x7F); // a count of recordings the bytes cannot hold
    EXPECT_FALSE(Deserializza(troppe).has_value());
}

} // namespace
