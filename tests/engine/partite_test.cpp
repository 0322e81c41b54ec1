// Whole games with random clicks and answers, and the fairness of the deal.
#include "partite_casuali.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace belvane {
namespace {

void ControllaInvarianti(const test::Banco &banco, const char *quando)
{
    const std::string errore = test::Invarianti(banco);
    ASSERT_TRUE(errore.empty()) << quando << ": " << errore;
}

TEST(Partite, InvariantsHoldThroughThousandsOfRandomGames)
{
    // Legal moves, clicks on cards that cannot move, bad codes, random answers.
    const test::Giro g = test::Gioca(2024, 3000, 400);
    ASSERT_EQ(g.errore, "");
    EXPECT_EQ(g.partite, 3000);
    // The walk really played: cards moved, tables were reshuffled, games closed.
    EXPECT_GT(g.mosse, 10000);
    EXPECT_GT(g.rimescoli, 500);
    EXPECT_GT(g.chiusure, 100);
    RecordProperty("clicks", static_cast<int>(g.clic));
    RecordProperty("wins", static_cast<int>(g.vinte));
}

TEST(Partite, AFreshDealFillsAllButColumnTwoAndASeedReplaysIt)
{
    test::Banco a, b;
    a.partita.Nuova_Click();
    b.partita.Nuova_Click();
    EXPECT_EQ(a.partita.stato().Tavolo, b.partita.stato().Tavolo);
    for (int r = 1; r <= kRighe; ++r) {
        EXPECT_EQ(a.Slot(r, 2), 0);
        for (int c : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11})
            EXPECT_NE(a.Slot(r, c), 0);
    }
    EXPECT_EQ(a.finestra.registro.front(), "ReloadGameTune");
    EXPECT_EQ(a.finestra.registro[2], "HideAllPanels"); // the deal hides the panels first
    // Each deal takes a new seed.
    a.partita.Nuova_Click();
    EXPECT_NE(a.partita.stato().Tavolo, b.partita.stato().Tavolo);
}

TEST(Partite, EveryCardLandsInEverySlotEquallyOften)
{
    // Chi-square over card x dealt position: a draw range off by one, a
    // missing rejection or a biased generator all skew it far past the bound.
    constexpr int kMani = 20000;
    std::array<std::array<int, kCarte>, kCarte> conteggi{};
    test::Banco banco;
    for (int mano = 0; mano < kMani; ++mano) {
        banco.partita.PreparaPartita();
        banco.partita.Mescola();
        const Stato &s = banco.partita.stato();
        for (int k = 1; k <= kCarte; ++k)
            ++conteggi[s.Distribuite[k] - 1][k - 1];
    }
    const double atteso = static_cast<double>(kMani) / kCarte;
    double chi2 = 0;
    for (const auto &riga : conteggi)
        for (int n : riga)
            chi2 += (n - atteso) * (n - atteso) / atteso;
    const double gradi = (kCarte - 1) * (kCarte - 1);
    // Mean = degrees of freedom, standard deviation = sqrt(2 df); allow 6 of them.
    EXPECT_LT(chi2, gradi + 6 * std::sqrt(2 * gradi));
    EXPECT_GT(chi2, gradi - 6 * std::sqrt(2 * gradi)); // too even is not random either
}

TEST(Partite, AReshuffleDealsOnlyBehindTheKeptRuns)
{
    test::Banco banco;
    banco.Posa({"1 2 3 4 5 6 7 8 9 20 .", "11 12 13 14 15 16 17 18 19 10 .", "21 22 23 24 25 26 27 28 29 30 .",
                "32 33 34 35 36 37 38 39 40 . 31"});
    banco.partita.Controllo();
    const Stato &s = banco.partita.stato();
    // Rows 1 to 3 keep nine cards and get one new card in column 11.
    EXPECT_EQ(s.NumCarte, 40 - 9 - 9 - 9 - 1);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(s.Tavolo[r][10], 0);
        EXPECT_NE(s.Tavolo[r][11], 0);
    }
    ControllaInvarianti(banco, "after a reshuffle");
}

} // namespace
} // namespace belvane
