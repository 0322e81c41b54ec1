// The check after a click and the reshuffle of a stopped table.
#include "tavolo_finto.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace belvane {
namespace {

// Every free space follows a king and no row is in order.
const std::array<std::string, 4> kFermo{"2 3 4 5 6 7 8 9 10 . 1", "12 13 14 15 16 17 18 19 20 . 11",
                                        "22 23 24 25 26 27 28 29 30 . 21", "32 33 34 35 36 37 38 39 40 . 31"};

const std::array<std::string, 4> kVinto{"11 12 13 14 15 16 17 18 19 20 .", "1 2 3 4 5 6 7 8 9 10 .",
                                        "31 32 33 34 35 36 37 38 39 40 .", "21 22 23 24 25 26 27 28 29 30 ."};

std::string Testo(int n) { return std::to_string(n) + "\u00B0 Tentativo"; }

TEST(Controllo, AMoveLeftAsksNothingAndChangesNothing)
{
    test::Banco banco;
    // Dead spaces after kings and after another space, but row 3's first slot is free.
    banco.Posa({"1 2 3 4 5 6 7 8 9 10 .", "11 12 13 14 15 16 17 18 19 20 .", ". 22 23 24 25 26 27 28 29 30 21",
                "31 32 33 34 35 36 37 38 39 40 ."});
    const Stato prima = banco.partita.stato();
    banco.partita.Controllo();
    EXPECT_TRUE(banco.finestra.domande.empty());
    EXPECT_EQ(banco.partita.stato().Mossa, StatoMossa::Possibile);
    EXPECT_EQ(banco.partita.stato().Tavolo, prima.Tavolo);
    EXPECT_EQ(banco.partita.stato().Tentativo, 1);
}

TEST(Controllo, SpaceAfterASpaceIsDead)
{
    test::Banco banco;
    banco.Posa({"2 3 4 5 6 7 8 9 10 . .", "12 13 14 15 16 17 18 19 20 . 11", "22 23 24 25 26 27 28 29 30 1 21",
                "32 33 34 35 36 37 38 39 40 . 31"});
    banco.finestra.risposte = {Risposta::No};
    banco.partita.Controllo();
    EXPECT_EQ(banco.partita.stato().Mossa, StatoMossa::Nessuna);
    ASSERT_EQ(banco.finestra.domande.size(), 1u);
}

TEST(Controllo, AttemptsRunOneTwoThreeThenAnotherGame)
{
    test::Banco banco;
    banco.Posa(kFermo);
    // Lay the stopped table again before every answer, so each check stops.
    int domanda = 0;
    banco.finestra.rispondi = [&] {
        ++domanda;
        return Risposta::Si;
    };
    for (int tentativo = 1; tentativo <= 3; ++tentativo) {
        banco.Posa(kFermo, static_cast<Int>(tentativo));
        banco.partita.Controllo();
        const test::Domanda &d = banco.finestra.domande.back();
        if (tentativo < 3) {
            EXPECT_EQ(d.titolo, "Ce la puoi ancora fare.....");
            EXPECT_EQ(d.testo, Testo(tentativo + 1));
            EXPECT_EQ(banco.partita.stato().Tentativo, tentativo + 1); // a reshuffle leaves it alone
            EXPECT_EQ(banco.finestra.Conta("Form_Activate"), 0);
        } else {
            EXPECT_EQ(d.titolo, "Peccato !!!");
            EXPECT_EQ(d.testo, "Altra partita?");
            // Yes starts a new game: the game tune first, then the activation.
            const auto &r = banco.finestra.registro;
            const auto ricarica = std::find(r.begin(), r.end(), "ReloadGameTune");
            ASSERT_NE(ricarica, r.end());
            EXPECT_EQ(*(ricarica + 1), "Form_Activate");
            EXPECT_EQ(banco.partita.stato().Tentativo, 1);
        }
        EXPECT_TRUE(banco.partita.stato().Messaggio.empty());
    }
    EXPECT_EQ(domanda, 3);
    EXPECT_EQ(banco.finestra.Conta("PlayFinaleTune"), 0);
}

TEST(Controllo, ACheckPastTheLastAttemptStillOffersANewGame)
{
    for (const Int tentativo : {Int{4}, Int{5}, Int{7}, Int{32767}}) {
        test::Banco banco;
        banco.Posa(kFermo, tentativo);
        banco.partita.Controllo();
        ASSERT_EQ(banco.finestra.domande.size(), 1u) << tentativo;
        EXPECT_EQ(banco.finestra.domande.back().titolo, "Peccato !!!");
        EXPECT_EQ(banco.finestra.domande.back().testo, "Altra partita?");
        EXPECT_EQ(banco.finestra.Conta("Form_Activate"), 1) << tentativo; // Yes dealt a new game
        EXPECT_EQ(banco.partita.stato().Tentativo, 1);
    }
}

TEST(Controllo, NoClosesTheWindowAtEveryStop)
{
    for (int tentativo = 1; tentativo <= 3; ++tentativo) {
        test::Banco banco;
        banco.Posa(kFermo, static_cast<Int>(tentativo));
        banco.finestra.risposte = {Risposta::No};
        const Stato prima = banco.partita.stato();
        banco.partita.Controllo();
        EXPECT_TRUE(banco.finestra.chiusa);
        EXPECT_EQ(banco.partita.stato().Tavolo, prima.Tavolo); // no reshuffle before closing
        EXPECT_TRUE(banco.partita.stato().Messaggio.empty());
    }
}

TEST(Controllo, AWonTablePlaysTheFinaleBeforeAskingAtAnyAttempt)
{
    for (int tentativo = 1; tentativo <= 3; ++tentativo) {
        test::Banco banco;
        banco.Posa(kVinto, static_cast<Int>(tentativo));
        banco.finestra.risposte = {Risposta::No};
        std::string titolo;
        banco.finestra.primaDiRispondere = [&] { titolo = banco.partita.stato().Messaggio; };
        banco.partita.Controllo();
        const auto &r = banco.finestra.registro;
        ASSERT_EQ(r, (std::vector<std::string>{"RestartMusicAtEnd", "PlayFinaleTune", "Chiedi", "ChiudiFinestra"}));
        EXPECT_EQ(banco.finestra.domande.back().titolo, "Complimenti!");
        EXPECT_EQ(titolo, "Complimenti!");
        EXPECT_EQ(banco.finestra.domande.back().testo, "Altra partita?");
        EXPECT_EQ(banco.partita.stato().Tentativo, 4);
    }
}

TEST(Controllo, OneRowOutOfOrderIsNotAWin)
{
    test::Banco banco;
    banco.Posa({"1 2 3 4 5 6 7 8 9 10 .", "11 12 13 14 15 16 17 18 19 20 .", "21 22 23 24 25 26 27 28 29 30 .",
                "32 31 33 34 35 36 37 38 39 40 ."});
    banco.finestra.risposte = {Risposta::No};
    banco.partita.Controllo();
    EXPECT_EQ(banco.finestra.domande.back().titolo, "Ce la puoi ancora fare.....");
}

// Lays out a stopped table, answers Yes and returns the table after the reshuffle.
Stato Rimescolato(const std::array<std::string, 4> &righe)
{
    test::Banco banco;
    banco.Posa(righe);
    banco.partita.Controllo();
    EXPECT_EQ(banco.finestra.domande.size(), 1u);
    return banco.partita.stato();
}

int CarteInRiga(const Stato &s, int r)
{
    return static_cast<int>(std::count_if(s.Tavolo[r].begin() + 1, s.Tavolo[r].end(), [](Int v) { return v != 0; }));
}

TEST(Rimescola, KeepsEachRowsRunBehindItsAce)
{
    const Stato s = Rimescolato({"1 2 3 40 . 5 6 7 8 9 4",            // ace, 2, 3: keeps three
                                 "12 13 14 15 16 17 18 19 20 . 11",   // no ace: keeps its first card
                                 "21 22 23 24 25 26 27 28 29 30 .",   // ace to king: gives up the king
                                 "31 32 33 34 35 36 37 38 39 10 ."}); // ace to 9: keeps nine
    EXPECT_EQ(s.Tenute, (std::array<Int, 5>{0, 4, 2, 10, 10}));
    EXPECT_EQ(s.NumCarte, 40 - 3 - 1 - 9 - 9);
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(s.Tavolo[1][c], c);
    EXPECT_EQ(s.Tavolo[2][1], 12);
    for (int c = 1; c <= 9; ++c) {
        EXPECT_EQ(s.Tavolo[3][c], 20 + c);
        EXPECT_EQ(s.Tavolo[4][c], 30 + c);
    }
    // One new free space right after each kept run, new cards everywhere after it.
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(s.Tavolo[r][s.Tenute[r]], 0) << r;
        EXPECT_EQ(CarteInRiga(s, r), 10) << r;
    }
    EXPECT_NE(s.Tavolo[3][11], 0);
    // The pool is the 18 cards taken up, in table order, all dealt now.
    std::vector<Int> distribuite(s.Distribuite.begin() + 1, s.Distribuite.begin() + 1 + s.NumCarte);
    std::sort(distribuite.begin(), distribuite.end());
    EXPECT_EQ(distribuite, (std::vector<Int>{4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 30, 40}));
    EXPECT_TRUE(std::all_of(s.Mazzo.begin(), s.Mazzo.end(), [](Int v) { return v == 0; }));
}

TEST(Rimescola, AnAceFollowedByAForeignCardKeepsOnlyTheAce)
{
    const Stato s = Rimescolato({"1 31 2 3 4 5 6 7 8 9 10", "11 12 13 14 15 16 17 18 19 20 .",
                                 "21 22 23 24 25 26 27 28 29 30 .", "32 33 34 35 36 37 38 39 40 . ."});
    EXPECT_EQ(s.Tenute, (std::array<Int, 5>{0, 2, 10, 10, 2}));
    EXPECT_EQ(s.Tavolo[1][1], 1);
    EXPECT_EQ(s.Tavolo[4][1], 32);
    EXPECT_EQ(s.NumCarte, 40 - 1 - 9 - 9 - 1);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(CarteInRiga(s, r), 10) << r;
}

} // namespace
} // namespace belvane
