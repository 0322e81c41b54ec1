// Whole games with random clicks and answers, and the fairness of the deal.
#include "tavolo_finto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace belvane {
namespace {

// Each card in exactly one slot and at that slot's position; four free
// spaces; row 0 and column 0 empty.
void ControllaInvarianti(const test::Banco &banco, const char *quando)
{
    const Stato &s = banco.partita.stato();
    std::array<int, kCarte + 1> visti{};
    int liberi = 0;
    for (int r = 0; r <= kRighe; ++r) {
        for (int c = 0; c <= kColonne; ++c) {
            const Int v = s.Tavolo[r][c];
            if (r == 0 || c == 0) {
                ASSERT_EQ(v, 0) << quando << " at " << r << "," << c;
                continue;
            }
            ASSERT_TRUE(v >= 0 && v <= kCarte) << quando;
            if (v == 0) {
                ++liberi;
                continue;
            }
            ++visti[v];
            const Posizione atteso = banco.partita.PosizioneSlot(r, c);
            ASSERT_EQ(banco.finestra.posizioni[v].left, atteso.left) << quando << " card " << v;
            ASSERT_EQ(banco.finestra.posizioni[v].top, atteso.top) << quando << " card " << v;
        }
    }
    ASSERT_EQ(liberi, 4) << quando << "\n" << banco.partita.Dump();
    for (int k = 1; k <= kCarte; ++k)
        ASSERT_EQ(visti[k], 1) << quando << " card " << k << "\n" << banco.partita.Dump();
}

// A random card of those the rule lets move now, 0 if none.
Int UnaMobile(const Stato &s, Generatore &caso)
{
    const std::vector<Int> mobili = CarteMobili(s.Tavolo);
    return mobili.empty() ? Int{0} : mobili[static_cast<size_t>(caso.Uniforme() * mobili.size())];
}

// The run a reshuffle must keep in row r: the first card alone, or an ace
// with its successors up to column 9.
int RunDaTenere(const Stato &s, int r)
{
    const Int prima = s.Tavolo[r][1];
    if (!IsAsso(prima))
        return 1;
    int c = 2;
    while (c <= 9 && s.Tavolo[r][c] == prima + c - 1)
        ++c;
    return c - 1;
}

TEST(Partite, InvariantsHoldThroughThousandsOfRandomGames)
{
    test::Banco banco;
    Generatore caso(2024);
    Stato primaDelRimescolo;
    bool rimescolo = false;
    banco.finestra.rispondi = [&] {
        const bool si = caso.Uniforme() < 0.85;
        rimescolo = si && banco.partita.stato().Tentativo < 4;
        if (rimescolo)
            primaDelRimescolo = banco.partita.stato();
        return si ? Risposta::Si : Risposta::No;
    };

    int partite = 0, rimescoli = 0, vinte = 0, mosse = 0;
    banco.partita.Nuova_Click();
    banco.finestra.registro.clear();
    while (partite < 3000) {
        ControllaInvarianti(banco, "after a deal");
        // Clicks, mostly at cards that can move, until the game stops.
        for (int clic = 0; clic < 400 && !banco.finestra.chiusa; ++clic) {
            const int domande = static_cast<int>(banco.finestra.domande.size());
            const Stato prima = banco.partita.stato();
            // Mostly a card that can move; otherwise any code, 0 and 41 being bad ones.
            const Int mobile = UnaMobile(prima, caso);
            const Int carta = mobile != 0 && caso.Uniforme() < 0.7 ? mobile : static_cast<Int>(caso.Uniforme() * 42);
            banco.partita.Carta_Click(carta);
            const bool mossa = banco.partita.stato().Tavolo != prima.Tavolo;
            mosse += mossa;
            // While the game goes on, a click moves a card exactly when the rule lists it.
            const std::vector<Int> mobili = CarteMobili(prima.Tavolo);
            if (!mobili.empty()) {
                ASSERT_EQ(mossa, std::find(mobili.begin(), mobili.end(), carta) != mobili.end()) << carta;
            }
            ControllaInvarianti(banco, "after a click");
            if (rimescolo) {
                rimescolo = false;
                ++rimescoli;
                const Stato &dopo = banco.partita.stato();
                for (int r = 1; r <= kRighe; ++r) {
                    const int tenute = RunDaTenere(primaDelRimescolo, r);
                    ASSERT_EQ(dopo.Tenute[r], tenute + 1);
                    for (int c = 1; c <= tenute; ++c)
                        ASSERT_EQ(dopo.Tavolo[r][c], primaDelRimescolo.Tavolo[r][c]);
                    ASSERT_EQ(dopo.Tavolo[r][tenute + 1], 0);
                }
            }
            if (static_cast<int>(banco.finestra.domande.size()) > domande &&
                banco.finestra.domande.back().titolo == "Complimenti!")
                ++vinte;
            if (banco.partita.stato().Tentativo == 1 && banco.finestra.Conta("Form_Activate") > 0) {
                banco.finestra.registro.clear();
                break; // a new game was dealt
            }
        }
        ++partite;
        if (banco.finestra.chiusa) {
            banco.finestra.chiusa = false;
            banco.partita.Nuova_Click();
            banco.finestra.registro.clear();
        }
    }
    // The walk really played: cards moved and tables were reshuffled.
    EXPECT_GT(mosse, 10000);
    EXPECT_GT(rimescoli, 500);
    RecordProperty("wins", vinte);
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
