// The rules and about texts as committed, and as the program reads them.
#include "lettura.h"
#include "risorse.h"

#include <QList>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace {

// Splits at CR LF; fails on a CR or LF that is not part of a pair or on a
// last line without its CR LF.
QList<QByteArray> RigheCrLf(const QByteArray& testo) {
  QList<QByteArray> righe;
  qsizetype inizio = 0;
  while (inizio < testo.size()) {
    const qsizetype fine = testo.indexOf("\r\n", inizio);
    if (fine < 0) {
      ADD_FAILURE() << "text does not end with CR LF";
      break;
    }
    const QByteArray riga = testo.mid(inizio, fine - inizio);
    EXPECT_FALSE(riga.contains('\r') || riga.contains('\n')) << "stray line break";
    righe.append(riga);
    inizio = fine + 2;
  }
  return righe;
}

struct Regole {
  const char* file;
  const char* titolo;
  const char* nome;
  int lunghezza;
};

class TestoRegole : public ::testing::TestWithParam<Regole> {};

TEST_P(TestoRegole, SevenCrLfLinesHeadingThenBlank) {
  const Regole r = GetParam();
  const QByteArray testo = LeggiFile(FileArte(QString::fromLatin1(r.file)));
  ASSERT_FALSE(testo.isEmpty());
  const QList<QByteArray> righe = RigheCrLf(testo);
  ASSERT_EQ(righe.size(), 7);
  EXPECT_EQ(righe[0], r.titolo);
  EXPECT_TRUE(righe[1].isEmpty());
  EXPECT_TRUE(righe[2].contains(r.nome));
  int conBlank = 0;
  for (const QByteArray& riga : righe) conBlank += riga.endsWith(' ');
  EXPECT_GE(conBlank, 1);
  EXPECT_NEAR(testo.size(), r.lunghezza, r.lunghezza / 10);
}

INSTANTIATE_TEST_SUITE_P(
    Lingue, TestoRegole,
    ::testing::Values(Regole{"text/rules_en.txt", "Game rules.", "Belvane", 1050},
                      Regole{"text/rules_it.txt", "Regole del gioco.", "Belvano", 990}),
    [](const ::testing::TestParamInfo<Regole>& info) {
      return std::string(info.param.nome);
    });

TEST(TestoRegole, EnglishAsciiItalianOnlyFourAccentedLetters) {
  for (char c : LeggiFile(FileArte(QStringLiteral("text/rules_en.txt"))))
    EXPECT_LT(uint8_t(c), 0x80);
  const QByteArray it = LeggiFile(FileArte(QStringLiteral("text/rules_it.txt")));
  ASSERT_FALSE(it.isEmpty());
  for (char c : it) {
    const auto b = uint8_t(c);
    if (b >= 0x80) {
      EXPECT_TRUE(b == 0xE8 || b == 0xE0 || b == 0xF2 || b == 0xF9) << int(b);
    }
  }
}

TEST(Risorse, TextsLoadWithPlainLineBreaks) {
  using namespace belvane::risorse;
  const QString en = RegoleInglese();
  EXPECT_TRUE(en.startsWith(QStringLiteral("Game rules.\n\n")));
  EXPECT_EQ(en.count(QLatin1Char('\n')), 7);
  EXPECT_FALSE(en.contains(QLatin1Char('\r')));

  const QString it = RegoleItaliane();
  EXPECT_TRUE(it.startsWith(QStringLiteral("Regole del gioco.\n\n")));
  EXPECT_EQ(it.count(QLatin1Char('\n')), 7);
  EXPECT_FALSE(it.contains(QLatin1Char('\r')));
  for (char16_t lettera : {u'è', u'à', u'ò', u'ù'}) EXPECT_TRUE(it.contains(QChar(lettera)));
  EXPECT_FALSE(it.contains(QChar(0xFFFD)));

  const QStringList info = Informazioni().split(QLatin1Char('\n'));
  ASSERT_GE(info.size(), 3);
  EXPECT_TRUE(info[0].contains(QStringLiteral("Belvane")));
  EXPECT_TRUE(info[0].contains(QStringLiteral("3.00")));
  EXPECT_TRUE(info[1].contains(QStringLiteral("Quintavox")));
  EXPECT_TRUE(info[2].startsWith(QStringLiteral("www.example.com/")));
}

TEST(Risorse, Windows1252DecodingUsesItsOwnTable) {
  using belvane::risorse::DaWindows1252;
  EXPECT_EQ(DaWindows1252("\x80\x85\x92\x9F"), QString::fromUtf16(u"\u20AC\u2026\u2019\u0178"));
  EXPECT_EQ(DaWindows1252("\x81\x8D\x8F\x90\x9D"), QString(5, QChar(0xFFFD)));
  EXPECT_EQ(DaWindows1252("pi\xF9 \xE8\xE0\xF2\xFF"), QString::fromUtf16(u"più èàòÿ"));
  EXPECT_TRUE(DaWindows1252("").isEmpty());
}

TEST(Risorse, DesktopEntryCarriesInstalledPathAndVersion) {
  const QString voce = QString::fromUtf8(LeggiFile(QStringLiteral(BELVANE_DESKTOP_FILE)));
  ASSERT_TRUE(voce.startsWith(QStringLiteral("[Desktop Entry]\n")));
  EXPECT_FALSE(voce.contains(QLatin1Char('@')));
  const QStringList righe = voce.split(QLatin1Char('\n'));
  const auto exec = std::find_if(righe.begin(), righe.end(),
                                 [](const QString& r) { return r.startsWith(QStringLiteral("Exec=/")); });
  ASSERT_NE(exec, righe.end());
  EXPECT_TRUE(exec->endsWith(QStringLiteral("/belvane/belvane")));
  EXPECT_TRUE(righe.contains(QStringLiteral("Icon=belvane")));
  EXPECT_TRUE(righe.contains(QStringLiteral("X-Belvane-Version=3.00")));
}

}  // namespace
