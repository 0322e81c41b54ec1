// The move rule of a card click, on tables laid out by hand.
#include "tavolo_finto.h"

#include <gtest/gtest.h>

#include <cmath>

namespace belvane {
namespace {

// Every row keeps a king before a free space, so nothing but the tested
// click can move and no question is asked unless the test wants one.
const std::array<std::string, 4> kBase{"1 2 3 4 5 6 7 8 9 10 .", "11 12 . 13 14 15 16 17 18 19 20",
                                       "21 22 23 24 25 26 27 28 29 30 .", "31 32 33 34 35 36 37 38 39 40 ."};

TEST(Mossa, SuccessorGoesIntoTheGapRightOfItsPredecessor)
{
    test::Banco banco;
    banco.Posa(kBase);
    banco.partita.Carta_Click(13); // 13 stands right of the gap that follows 12
    EXPECT_EQ(banco.Slot(2, 3), 13);
    EXPECT_EQ(banco.Slot(2, 4), 0);
    EXPECT_EQ(banco.finestra.posizioni[13].left, 2 * kPassoX);
    EXPECT_EQ(banco.finestra.posizioni[13].top, kPassoY);
    EXPECT_EQ(banco.finestra.Conta("PlayCardRustle"), 1);
    // HideAllPanels comes first, the check last.
    EXPECT_EQ(banco.finestra.registro.front(), "HideAllPanels");
    EXPECT_EQ(banco.finestra.registro.back(), "RestartMusicAtEnd");
}

TEST(Mossa, ACardOfAnotherSuitOrAKingsSuccessorDoesNotMove)
{
    test::Banco banco;
    banco.Posa({"2 . 3 4 5 6 7 8 9 10 1", "11 12 13 14 15 16 17 18 19 20 .", "21 22 23 24 25 26 27 28 29 30 .",
                "31 32 33 34 35 36 37 38 39 40 ."});
    banco.finestra.risposte = {Risposta::No};
    const Stato prima = banco.partita.stato();
    banco.partita.Carta_Click(13); // gap follows 2 of Bastoni, not 12
    banco.partita.Carta_Click(11); // an ace: no free first slot
    banco.partita.Carta_Click(4);  // its predecessor 3 stands right of the gap
    EXPECT_EQ(banco.partita.stato().Tavolo, prima.Tavolo);
    EXPECT_EQ(banco.finestra.Conta("PlayCardRustle"), 0);
    EXPECT_EQ(banco.finestra.Conta("RestartMusicAtEnd"), 3); // the check runs after every click
}

TEST(Mossa, CardRightOfTheGapShiftsLeftAndPredecessorInColumn11BlocksNothingElse)
{
    test::Banco banco;
    banco.Posa({"1 . 2 3 4 5 6 7 8 9 10", "11 12 13 14 15 16 17 18 19 20 .", "21 22 23 24 25 26 27 28 29 30 .",
                "31 32 33 34 35 36 37 38 39 40 ."});
    banco.partita.Carta_Click(2);
    EXPECT_EQ(banco.Slot(1, 2), 2);
    EXPECT_EQ(banco.Slot(1, 3), 0);
    // 10's predecessor 9 now stands in column 10 with 10 in 11: 10 has nowhere to go.
    const Stato prima = banco.partita.stato();
    banco.partita.Carta_Click(10);
    EXPECT_EQ(banco.partita.stato().Tavolo, prima.Tavolo);
}

TEST(Mossa, MovableCardsAreTheSuccessorsOfLiveSpacesAndEveryAceForAFreeFirstSlot)
{
    test::Banco banco;
    // Row 1: 5 before a space, a king before a space; row 2: a free first
    // slot, and a space after it that is dead.
    banco.Posa({"11 2 3 4 5 . 10 . 6 7 8", ". . 12 13 14 15 16 17 18 19 20", "21 22 23 24 25 26 27 28 29 30 1",
                "31 32 33 34 35 36 37 38 39 40 9"});
    const Griglia &t = banco.partita.stato().Tavolo;
    EXPECT_EQ(CarteMobili(t), (std::vector<Int>{1, 6, 11, 21, 31}));
    EXPECT_EQ(CarteMobili(t, Mosse::Progresso), (std::vector<Int>{1, 6}));
    EXPECT_EQ(Destinazione(t, 11), (Slot{2, 1})); // an ace already first moves to the free first slot too
    EXPECT_EQ(Destinazione(t, 6), (Slot{1, 6}));
    EXPECT_FALSE(Destinazione(t, 12)); // 11 has a card on its right
    EXPECT_FALSE(SpazioVivo(t, 1, 8)); // after the king
    EXPECT_FALSE(SpazioVivo(t, 2, 2)); // after a space
    EXPECT_FALSE(Destinazione(t, 0) || Destinazione(t, 41));
}

TEST(Mossa, AceGoesToTheTopmostFreeFirstSlotSilently)
{
    test::Banco banco;
    banco.Posa({"1 2 3 4 5 6 7 8 9 10 .", ". 12 13 14 15 16 17 18 19 20 11", "21 22 23 24 25 26 27 28 29 30 .",
                ". 32 33 34 35 36 37 38 39 40 31"});
    banco.partita.Carta_Click(31);
    EXPECT_EQ(banco.Slot(2, 1), 31);
    EXPECT_EQ(banco.Slot(4, 11), 0);
    EXPECT_EQ(banco.finestra.posizioni[31].left, 0.0f);
    EXPECT_EQ(banco.finestra.posizioni[31].top, 74.0f);
    EXPECT_EQ(banco.finestra.Conta("PlayCardRustle"), 0);
    // An ace already in column 1 moves up to another row's free first slot.
    banco.Posa({". 2 3 4 5 6 7 8 9 10 1", "11 12 13 14 15 16 17 18 19 20 .", "21 22 23 24 25 26 27 28 29 30 .",
                "31 32 33 34 35 36 37 38 39 40 ."});
    banco.partita.Carta_Click(31);
    EXPECT_EQ(banco.Slot(1, 1), 31);
    EXPECT_EQ(banco.Slot(4, 1), 0);
}

TEST(Mossa, SlotIsReadFromThePositionAndRounded)
{
    test::Banco banco;
    banco.Posa(kBase);
    // Nudged by less than half a pitch, 13 still reads as row 2, column 4.
    banco.finestra.posizioni[13] = {3 * kPassoX + 20.0f, kPassoY - 30.0f};
    banco.partita.Carta_Click(13);
    EXPECT_EQ(banco.Slot(2, 3), 13);
    // Left 0, top 3 * PassoY is column 1, row 4.
    banco.Posa(kBase);
    banco.partita.Carta_Click(31);
    EXPECT_FLOAT_EQ(banco.partita.stato().ColClic, 1.0f);
    EXPECT_FLOAT_EQ(banco.partita.stato().RigaClic, 4.0f);
}

TEST(Mossa, BadInputMovesNothingAndStillRunsTheCheck)
{
    test::Banco banco;
    banco.Posa(kBase);
    const Stato prima = banco.partita.stato();
    int clic = 0;
    for (Int codice : {Int{0}, Int{41}, Int{-1}, Int{-32768}, Int{32767}}) {
        banco.partita.Carta_Click(codice);
        ++clic;
    }
    // 13 could move, but its control stands elsewhere: on the pile, beyond
    // the last column or row, before the first, at another card's slot, nowhere.
    for (Posizione p : {kPila, Posizione{11 * 47.0f, 74}, Posizione{3 * 47.0f, 4 * 74.0f}, Posizione{-47, 74},
                        Posizione{0, 0}, Posizione{std::nanf(""), 74}, Posizione{1e30f, 1e30f}}) {
        banco.finestra.posizioni[13] = p;
        banco.partita.Carta_Click(13);
        ++clic;
    }
    EXPECT_EQ(banco.partita.stato().Tavolo, prima.Tavolo);
    EXPECT_EQ(banco.finestra.Conta("PlayCardRustle"), 0);
    EXPECT_EQ(banco.finestra.Conta("RestartMusicAtEnd"), clic);
    EXPECT_EQ(banco.finestra.Conta("HideAllPanels"), clic);
}

TEST(Mossa, BeforeTheFirstDealEveryCardIsOnThePileAndNothingMoves)
{
    test::Banco banco;
    banco.partita.PreparaPartita();
    banco.finestra.rispondi = [] { return Risposta::No; };
    for (Int k = 1; k <= kCarte; ++k) {
        EXPECT_EQ(banco.finestra.posizioni[k].left, 1000.0f);
        banco.partita.Carta_Click(k);
    }
    for (const auto &riga : banco.partita.stato().Tavolo)
        for (Int v : riga)
            EXPECT_EQ(v, 0);
}

} // namespace
} // namespace belvane
