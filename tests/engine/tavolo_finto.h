// A recording stand-in for the window, and helpers to lay out tables by hand.
#pragma once

#include "partita.h"
#include "suono_registrato.h"

#include <array>
#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace belvane::test {

struct GermiFissi final : SorgenteGermi {
    std::uint64_t prossimo = 1;
    std::uint64_t Germe() override { return prossimo++; }
};

struct Domanda {
    std::string titolo;
    std::string testo;
};

class FinestraFinta final : public Effetti {
public:
    std::array<Posizione, kCarte + 1> posizioni{};
    std::vector<std::string> registro; // every call, in order
    std::vector<Domanda> domande;
    std::deque<Risposta> risposte;      // answers to give; Si when empty
    std::function<Risposta()> rispondi; // overrides risposte when set
    std::function<void()> primaDiRispondere;
    Partita *partita = nullptr;
    bool chiusa = false;

    void MuoviCarta(Int carta, Posizione dove) override { posizioni.at(carta) = dove; }
    Posizione PosizioneCarta(Int carta) const override { return posizioni.at(carta); }
    void HideAllPanels() override { registro.push_back("HideAllPanels"); }
    Suono &suono() override { return suono_; }
    Risposta Chiedi(const std::string &titolo, const std::string &testo) override
    {
        registro.push_back("Chiedi");
        domande.push_back({titolo, testo});
        if (primaDiRispondere)
            primaDiRispondere();
        if (rispondi)
            return rispondi();
        if (risposte.empty())
            return Risposta::Si;
        const Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
    void Form_Activate() override
    {
        registro.push_back("Form_Activate");
        partita->PreparaPartita();
        partita->Mescola();
    }
    void ChiudiFinestra() override
    {
        registro.push_back("ChiudiFinestra");
        chiusa = true;
    }

    int Conta(const std::string &voce) const
    {
        int n = 0;
        for (const auto &v : registro)
            n += v == voce;
        return n;
    }

private:
    SuonoRegistrato suono_{&registro};
};

// A game on a recording window, with fixed seeds.
struct Banco {
    GermiFissi germi;
    FinestraFinta finestra;
    Partita partita{finestra, germi};

    Banco() { finestra.partita = &partita; }

    // Rows of 11 entries, "." a free space; cards are placed at their slots.
    void Posa(const std::array<std::string, 4> &righe, Int tentativo = 1)
    {
        Stato &s = partita.stato();
        for (auto &r : s.Tavolo)
            r.fill(0);
        for (Int k = 1; k <= kCarte; ++k)
            finestra.posizioni[k] = kPila;
        for (int r = 1; r <= kRighe; ++r) {
            std::istringstream in(righe[r - 1]);
            for (int c = 1; c <= kColonne; ++c) {
                std::string voce;
                in >> voce;
                const Int carta = voce == "." ? Int{0} : static_cast<Int>(std::stoi(voce));
                s.Tavolo[r][c] = carta;
                if (carta != 0)
                    finestra.posizioni[carta] = partita.PosizioneSlot(r, c);
            }
        }
        s.Tentativo = tentativo;
        finestra.registro.clear();
    }

    Int Slot(int r, int c) const { return partita.stato().Tavolo[r][c]; }
};

} // namespace belvane::test
