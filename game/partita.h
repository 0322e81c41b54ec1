// The game: its state and the procedures that deal, move, check and reshuffle.
#pragma once

#include "carte.h"
#include "casuale.h"
#include "effetti.h"
#include "geometria.h"
#include "regola.h"

#include <array>
#include <string>

namespace belvane {

// Set by the check: whether a free space can still take a card (true = -1).
enum class StatoMossa : Int { Nessuna = 0, Possibile = -1 };

inline constexpr Posizione kPila{1000, 1000}; // off the table, before a deal

struct Stato {
    float ColClic = 0;
    float RigaClic = 0;
    Int NumCarte = 0;
    std::array<Int, kCarte + 1> Mazzo{};       // pool; 0 = empty entry, index 0 unused
    std::array<Int, kCarte + 1> Distribuite{}; // cards in the order last dealt
    std::array<Int, kRighe + 1> Tenute{};      // per row: leading slots the deal leaves alone
    Griglia Tavolo{};
    Int Riga = 0;
    Int Colonna = 0;
    Int Tentativo = 0;
    StatoMossa Mossa = StatoMossa::Nessuna;
    std::string Messaggio;
    NomiCarte NomeCarta = CostruisciNomiCarte();
    float PassoX = kPassoX;
    float PassoY = kPassoY;
};

inline constexpr const char *kAncoraFare = "Ce la puoi ancora fare.....";
inline constexpr const char *kPeccato = "Peccato !!!";
inline constexpr const char *kComplimenti = "Complimenti!";
inline constexpr const char *kAltraPartita = "Altra partita?";
inline constexpr const char *kSuffissoTentativo = "\u00B0 Tentativo";

class Partita {
public:
    Partita(Effetti &effetti, SorgenteGermi &germi) : fx_(effetti), germi_(germi) {}

    const Stato &stato() const { return s_; }
    // For the window's start-up (pitch from card 1) and for tests that build a table by hand.
    Stato &stato() { return s_; }

    // The fresh values before every deal, every card back on the pile.
    void PreparaPartita();
    void Mescola();
    void Carta_Click(Int index);
    void Controllo();
    void Rimescola();
    void Finale();
    void Nuova_Click();

    // Top-left corner of slot (riga, colonna) in logical units.
    Posizione PosizioneSlot(int riga, int colonna) const;

    // The table as text: the attempt on the first line, then one row a line,
    // card codes and "." for a free space.
    std::string Dump() const;

private:
    Effetti &fx_;
    SorgenteGermi &germi_;
    Generatore caso_;
    Stato s_;
};

} // namespace belvane
