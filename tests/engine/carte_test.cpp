#include "tavolo_finto.h"

#include <gtest/gtest.h>

#include <set>

namespace belvane {
namespace {

TEST(Carte, NamesCarryTheLeadingBlankExceptTheAces)
{
    const NomiCarte nomi = CostruisciNomiCarte();
    EXPECT_EQ(nomi[0], "");
    EXPECT_EQ(nomi[2], " 2 di Bastoni");
    EXPECT_EQ(nomi[12], " 2 di Coppe");
    EXPECT_EQ(nomi[30], " 10 di Denari");
    EXPECT_EQ(nomi[40], " 10 di Spade");
    EXPECT_EQ(nomi[1], "Asso di Bastoni");
    EXPECT_EQ(nomi[11], "Asso di Coppe");
    EXPECT_EQ(nomi[21], "Asso di Denari");
    EXPECT_EQ(nomi[31], "Asso di Spade");
    std::set<std::string> diversi(nomi.begin() + 1, nomi.end());
    EXPECT_EQ(diversi.size(), 40u);
}

TEST(Carte, KingsAcesAndSuits)
{
    for (int re : {10, 20, 30, 40})
        EXPECT_TRUE(IsRe(re) && !IsAsso(re)) << re;
    for (int asso : {1, 11, 21, 31})
        EXPECT_TRUE(IsAsso(asso) && !IsRe(asso)) << asso;
    EXPECT_EQ(SemeDi(10), Seme::Bastoni);
    EXPECT_EQ(SemeDi(11), Seme::Coppe); // 11 does not follow the king 10
    EXPECT_EQ(Rango(40), 10);
}

TEST(Generatore, SameSeedSameSequenceAndDrawsStayInRange)
{
    Generatore a(42), b(42), c(43);
    bool diverso = false;
    for (int i = 0; i < 1000; ++i) {
        const double x = a.Uniforme();
        EXPECT_EQ(x, b.Uniforme());
        diverso |= x != c.Uniforme();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
    }
    EXPECT_TRUE(diverso);
}

TEST(Dump, ShowsTheAttemptAndEveryRow)
{
    test::Banco banco;
    banco.Posa({"1 2 3 4 5 6 7 8 9 10 .", "11 12 13 14 15 16 17 18 19 20 .", "21 22 23 24 25 26 27 28 29 30 .",
                "31 32 33 34 35 36 37 38 39 40 ."},
               2);
    EXPECT_EQ(banco.partita.Dump(),
              "Tentativo 2\n"
              " 1  2  3  4  5  6  7  8  9 10  .\n"
              "11 12 13 14 15 16 17 18 19 20  .\n"
              "21 22 23 24 25 26 27 28 29 30  .\n"
              "31 32 33 34 35 36 37 38 39 40  .\n");
}

} // namespace
} // namespace belvane
