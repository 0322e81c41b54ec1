// The cards' recordings as the program gets them: built in at build time,
// read back whole, refused when the bytes are not a whole set, and graded
// without moving an outline further than the grading allows.
#include "disegno_carte.h"
#include "lettura.h"
#include "registrazione.h"
#include "riduzione.h"
#include "scena.h"
#include "tavolozza.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

// The pixel picture draws with a heavier ink than the drawing of the larger
// cards, and a held or pip emblem, once drawn, is kept for the next card:
// whichever picture came first must not lend its lines to the other.
TEST(Registrazioni, ThePixelPictureAndTheDrawingKeepTheirOwnInk)
{
    using namespace belvane::cardart;
    for (int code = 1; code <= 40; ++code)
        Piccola(belvane::SemeDi(code), belvane::Rango(code));
    EXPECT_EQ(qreal(kTratto), kInchiostroDisegno.tratto) << "the pixel ink outlived the small picture";
    QFile f(QStringLiteral(":/cardart/carte.reg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto lette = Deserializza(f.readAll());
    ASSERT_TRUE(lette.has_value());
    const std::vector<Registrazione> dalVivo = RegistraDalVivo();
    ASSERT_EQ(lette->size(), dalVivo.size());
    for (std::size_t i = 0; i < dalVivo.size(); ++i)
        EXPECT_TRUE(Uguali((*lette)[i], dalVivo[i])) << "card " << i + 1 << " recorded after its small picture";
    for (int code = 1; code <= 40; ++code) {
        const QImage bitmap = QImage(FileCarta(code)).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(Piccola(belvane::SemeDi(code), belvane::Rango(code)), bitmap)
            << "card " << code << " drawn small after its recording";
    }
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

// Leaving out a point moves an outline by at most kScostamentoTollerato of a
// pixel, so a pixel's coverage by one outline changes by at most that
// share of full: 32 levels for an eighth. More only where two moved
// outlines share a pixel, which the thinnest strokes do: a few pixels in a
// thousand. A wrong grade, a wrong scale or a lost join between an area's
// pieces shows as far more.
TEST(Registrazioni, GradingMovesNoOutlineByMoreThanItAllows)
{
    const int kLivelli = int(255 * belvane::cardart::kScostamentoTollerato) + 2; // and the rounding
    std::size_t lasciati = 0;
    for (const int code : {5, 9, 18, 30, 40}) {
        Registrazione intera = belvane::cardart::Registra(
            [code](QPainter &p) { belvane::cardart::Scena(p, belvane::SemeDi(code), belvane::Rango(code)); },
            belvane::cardart::kScalaRegistrata);
        Registrazione graduata = intera;
        belvane::cardart::Gradua(graduata, belvane::cardart::kScalaRegistrata);
        ASSERT_EQ(graduata.dettagli.size() * 2, graduata.punti.size());
        ASSERT_LE(graduata.punti.size(), intera.punti.size());
        lasciati += intera.punti.size() - graduata.punti.size();
        for (const QSize dimensione : {QSize(92, 148), QSize(360, 576)}) {
            const QTransform scala = QTransform::fromScale(dimensione.width() / 45.0, dimensione.height() / 72.0);
            QImage a(dimensione, QImage::Format_RGB32), b(dimensione, QImage::Format_RGB32);
            a.fill(Qt::white);
            b.fill(Qt::white);
            ASSERT_TRUE(belvane::cardart::Riproduci(a, scala, a.rect(), intera));
            ASSERT_TRUE(belvane::cardart::Riproduci(b, scala, b.rect(), graduata));
            int oltre = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    for (int c = 0; c < 24; c += 8)
                        oltre += std::abs(int(a.pixel(x, y) >> c & 0xFF) - int(b.pixel(x, y) >> c & 0xFF)) > kLivelli;
            EXPECT_LE(oltre, a.width() * a.height() / 500)
                << "card " << code << " at " << dimensione.width() << "x" << dimensione.height();
        }
    }
    EXPECT_GT(lasciati, 0u) << "nothing was left out";
}

} // namespace
