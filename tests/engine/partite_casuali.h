// Random whole games on the recording window, with the table's invariants
// checked after every click. Shared by the random-game test and the soak in
// bench/engine.
#pragma once

#include "regola.h"
#include "tavolo_finto.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace belvane::test {

// Each card in exactly one slot and at that slot's position; four free
// spaces; row 0 and column 0 empty. Empty when all hold, else what broke.
inline std::string Invarianti(const Banco &banco)
{
    const Stato &s = banco.partita.stato();
    std::array<int, kCarte + 1> visti{};
    int liberi = 0;
    std::ostringstream errore;
    for (int r = 0; r <= kRighe; ++r) {
        for (int c = 0; c <= kColonne; ++c) {
            const Int v = s.Tavolo[r][c];
            if (r == 0 || c == 0 || v < 0 || v > kCarte) {
                if (v != 0)
                    errore << "slot " << r << "," << c << " holds " << v << "; ";
                continue;
            }
            if (v == 0) {
                ++liberi;
                continue;
            }
            ++visti[v];
            const Posizione atteso = banco.partita.PosizioneSlot(r, c);
            const Posizione p = banco.finestra.posizioni[v];
            if (p.left != atteso.left || p.top != atteso.top)
                errore << "card " << v << " not at slot " << r << "," << c << "; ";
        }
    }
    if (liberi != 4)
        errore << liberi << " free spaces; ";
    for (int k = 1; k <= kCarte; ++k)
        if (visti[k] != 1)
            errore << "card " << k << " in " << visti[k] << " slots; ";
    const std::string testo = errore.str();
    return testo.empty() ? testo : testo + "\n" + banco.partita.Dump();
}

// The run a reshuffle must keep in row r: the first card alone, or an ace
// with its successors up to column 9.
inline int RunDaTenere(const Stato &s, int r)
{
    const Int prima = s.Tavolo[r][1];
    if (!IsAsso(prima))
        return 1;
    int c = 2;
    while (c <= 9 && s.Tavolo[r][c] == prima + c - 1)
        ++c;
    return c - 1;
}

struct Giro {
    long long partite = 0, clic = 0, mosse = 0, rimescoli = 0, vinte = 0, chiusure = 0;
    long long legali = 0, ferme = 0, codiciGuasti = 0; // the kinds of click made
    std::string errore;                                // the first broken invariant, with the click that broke it
};

// Plays `partite` seeded games from `germe`, each until a new deal or
// `clicMassimi` clicks: legal moves, clicks on cards that cannot move, codes
// that are no card, Yes or No at random. Stops at the first broken invariant.
inline Giro Gioca(std::uint64_t germe, long long partite, int clicMassimi)
{
    Banco banco;
    banco.germi.prossimo = germe;
    Generatore caso(germe);
    Giro g;
    Stato primaDelRimescolo;
    bool rimescolo = false;
    banco.finestra.rispondi = [&] {
        const bool si = caso.Uniforme() < 0.85;
        rimescolo = si && banco.partita.stato().Tentativo < 4;
        if (rimescolo)
            primaDelRimescolo = banco.partita.stato();
        if (banco.finestra.domande.back().titolo == kComplimenti)
            ++g.vinte;
        return si ? Risposta::Si : Risposta::No;
    };
    const auto fallito = [&](const std::string &dove) {
        std::ostringstream o;
        o << "game " << g.partite << ", click " << g.clic << " (" << dove << "): ";
        return o.str();
    };
    static constexpr Int kGuasti[] = {0, -1, kCarte + 1, 100, -32768, 32767};

    banco.partita.Nuova_Click();
    for (; g.partite < partite; ++g.partite) {
        banco.finestra.registro.clear();
        if (auto e = Invarianti(banco); !e.empty())
            return g.errore = fallito("after a deal") + e, g;
        for (int clic = 0; clic < clicMassimi && !banco.finestra.chiusa; ++clic) {
            const Stato &s = banco.partita.stato();
            const std::vector<Int> mobili = CarteMobili(s.Tavolo);
            const double x = caso.Uniforme();
            Int carta;
            if (x < 0.5 && !mobili.empty()) {
                carta = mobili[static_cast<std::size_t>(caso.Uniforme() * static_cast<double>(mobili.size()))];
                ++g.legali;
            } else if (x < 0.85) {
                carta = static_cast<Int>(1 + caso.Uniforme() * kCarte); // often one that cannot move
                ++g.ferme;
            } else {
                carta = kGuasti[static_cast<std::size_t>(caso.Uniforme() * std::size(kGuasti))];
                ++g.codiciGuasti;
            }
            const auto prima = s.Tavolo;
            banco.partita.Carta_Click(carta);
            ++g.clic;
            const bool mossa = banco.partita.stato().Tavolo != prima;
            g.mosse += mossa;
            if (auto e = Invarianti(banco); !e.empty())
                return g.errore = fallito("card " + std::to_string(carta)) + e, g;
            // While the game goes on, a click moves a card exactly when the rule lists it.
            if (!mobili.empty() && mossa != (std::find(mobili.begin(), mobili.end(), carta) != mobili.end()))
                return g.errore = fallito("card " + std::to_string(carta)) + (mossa ? "moved" : "did not move"), g;
            if (rimescolo) {
                rimescolo = false;
                ++g.rimescoli;
                const Stato &dopo = banco.partita.stato();
                for (int r = 1; r <= kRighe; ++r) {
                    const int tenute = RunDaTenere(primaDelRimescolo, r);
                    bool tenuto = dopo.Tenute[r] == tenute + 1 && dopo.Tavolo[r][tenute + 1] == 0;
                    for (int c = 1; c <= tenute; ++c)
                        tenuto = tenuto && dopo.Tavolo[r][c] == primaDelRimescolo.Tavolo[r][c];
                    if (!tenuto)
                        return g.errore = fallito("reshuffle") + "row " + std::to_string(r) + " lost its run", g;
                }
            }
            if (banco.finestra.Conta("Form_Activate") > 0)
                break; // a new game was dealt
        }
        if (banco.finestra.chiusa) {
            ++g.chiusure;
            banco.finestra.chiusa = false;
            banco.partita.Nuova_Click();
        }
    }
    return g;
}

} // namespace belvane::test
