#include "partita.h"

#include <cmath>
#include <sstream>

namespace belvane {

namespace {
// Rounds to the nearest integer, halves to even; anything that is not a
// small finite number becomes 0, which is no row and no column.
int arrotonda(float x)
{
    if (!std::isfinite(x) || std::fabs(x) > 1000.0f)
        return 0;
    return static_cast<int>(std::nearbyint(x));
}
} // namespace

Posizione Partita::PosizioneSlot(int riga, int colonna) const
{
    return {static_cast<float>(colonna - 1) * s_.PassoX, static_cast<float>(riga - 1) * s_.PassoY};
}

void Partita::PreparaPartita()
{
    s_.NumCarte = kCarte;
    s_.Tentativo = 1;
    s_.Messaggio.clear();
    for (Int k = 1; k <= kCarte; ++k) {
        s_.Mazzo[k] = k;
        fx_.MuoviCarta(k, kPila);
    }
    s_.Mazzo[0] = 0;
    s_.Tenute.fill(0);
    for (auto &riga : s_.Tavolo)
        riga.fill(0);
}

void Partita::Mescola()
{
    fx_.HideAllPanels();
    fx_.InizioDistribuzione();
    caso_.Semina(germi_.Germe());

    // Never draw past the pool or deal past the table, whatever the caller left.
    Int numCarte = s_.NumCarte < 0 ? Int{0} : (s_.NumCarte > kCarte ? kCarte : s_.NumCarte);
    Int rimaste = 0;
    for (Int k = 1; k <= numCarte; ++k)
        rimaste += s_.Mazzo[k] != 0;
    s_.Mazzo[0] = 0;

    s_.Riga = 1;
    s_.Colonna = static_cast<Int>(s_.Tenute[1] + 1);
    for (Int k = 1; k <= numCarte && rimaste > 0;) {
        // Rejection draw over 0..NumCarte: index 0 and dealt entries are void.
        const auto r = static_cast<Int>(caso_.Uniforme() * (numCarte + 1));
        if (s_.Mazzo[r] == 0)
            continue;
        if (s_.Colonna == 2)
            s_.Colonna = 3; // column 2 stays the free space after a row's first card
        if (s_.Riga > kRighe || s_.Colonna < 1 || s_.Colonna > kColonne)
            break;
        const Int carta = s_.Mazzo[r];
        s_.Distribuite[k] = carta;
        s_.Mazzo[r] = 0;
        --rimaste;
        fx_.MuoviCarta(carta, PosizioneSlot(s_.Riga, s_.Colonna));
        s_.Tavolo[s_.Riga][s_.Colonna] = carta;
        ++s_.Colonna;
        if (s_.Colonna > kColonne && s_.Riga < kRighe) {
            ++s_.Riga;
            s_.Colonna = static_cast<Int>(s_.Tenute[s_.Riga] + 1);
        }
        ++k;
    }
    fx_.FineDistribuzione();
}

void Partita::Carta_Click(Int index)
{
    fx_.HideAllPanels();

    if (IsCarta(index)) {
        const Posizione p = fx_.PosizioneCarta(index);
        s_.ColClic = (p.left + s_.PassoX) / s_.PassoX;
        s_.RigaClic = (p.top + s_.PassoY) / s_.PassoY;
        const int riga = arrotonda(s_.RigaClic);
        const int colonna = arrotonda(s_.ColClic);
        // A card that stands in no slot, or not in the slot it appears in,
        // moves nothing: clearing that slot would lose another card.
        const bool nelSuoSlot =
            riga >= 1 && riga <= kRighe && colonna >= 1 && colonna <= kColonne && s_.Tavolo[riga][colonna] == index;
        const std::optional<Slot> dove = nelSuoSlot ? Destinazione(s_.Tavolo, index) : std::nullopt;
        if (dove) {
            s_.Riga = static_cast<Int>(dove->riga);
            s_.Colonna = static_cast<Int>(dove->colonna);
            s_.Tavolo[riga][colonna] = 0;
            s_.Tavolo[dove->riga][dove->colonna] = index;
            fx_.MuoviCarta(index, PosizioneSlot(dove->riga, dove->colonna));
            // An ace goes to its first slot in silence.
            if (!IsAsso(index))
                fx_.suono().PlayCardRustle();
        }
    }

    Controllo();
}

void Partita::Controllo()
{
    fx_.suono().RestartMusicAtEnd();

    s_.Mossa = MossaPossibile(s_.Tavolo) ? StatoMossa::Possibile : StatoMossa::Nessuna;
    if (s_.Mossa == StatoMossa::Possibile)
        return;

    // Stopped: a row out of order means not won.
    for (s_.Riga = 1; s_.Riga <= kRighe && s_.Messaggio.empty(); ++s_.Riga) {
        for (s_.Colonna = 2; s_.Colonna <= 10; ++s_.Colonna) {
            if (s_.Tavolo[s_.Riga][s_.Colonna] != s_.Tavolo[s_.Riga][1] + s_.Colonna - 1) {
                s_.Messaggio = s_.Tentativo < 3 ? kAncoraFare : kPeccato;
                break;
            }
        }
    }
    if (s_.Messaggio.empty()) {
        s_.Messaggio = kComplimenti;
        Finale();
        s_.Tentativo = 3;
    }
    // Past the last attempt is the last attempt: Yes there always deals anew.
    s_.Tentativo = static_cast<Int>(s_.Tentativo < 4 ? s_.Tentativo + 1 : 4);

    const std::string testo =
        s_.Tentativo < 4 ? std::to_string(s_.Tentativo) + kSuffissoTentativo : std::string(kAltraPartita);
    const Risposta risposta = fx_.Chiedi(s_.Messaggio, testo);
    if (s_.Tentativo < 4 && risposta == Risposta::Si)
        Rimescola();
    else if (s_.Tentativo == 4 && risposta == Risposta::Si)
        Nuova_Click();
    else if (risposta == Risposta::No)
        fx_.ChiudiFinestra();

    s_.Messaggio.clear();
}

void Partita::Rimescola()
{
    Int raccolte = 0;
    for (s_.Riga = 1; s_.Riga <= kRighe; ++s_.Riga) {
        auto &riga = s_.Tavolo[s_.Riga];
        const Int prima = riga[1];
        // The run kept behind an ace never reaches past column 9, so a row
        // in order up to its king gives the king back to the pool.
        Int rottura = 2;
        if (IsAsso(prima)) {
            rottura = 10;
            for (Int c = 2; c <= 9; ++c) {
                if (riga[c] != prima + c - 1) {
                    rottura = c;
                    break;
                }
            }
        }
        s_.Tenute[s_.Riga] = rottura;
        for (s_.Colonna = rottura; s_.Colonna <= kColonne; ++s_.Colonna) {
            if (riga[s_.Colonna] != 0 && raccolte < kCarte)
                s_.Mazzo[++raccolte] = riga[s_.Colonna];
        }
        riga[rottura] = 0;
    }
    s_.NumCarte = raccolte;
    Mescola();
}

void Partita::Finale() { fx_.suono().PlayFinaleTune(); }

void Partita::Nuova_Click()
{
    fx_.suono().ReloadGameTune();
    fx_.Form_Activate();
}

std::string Partita::Dump() const
{
    std::ostringstream out;
    out << "Tentativo " << s_.Tentativo << "\n";
    for (int r = 1; r <= kRighe; ++r) {
        for (int c = 1; c <= kColonne; ++c) {
            const Int carta = s_.Tavolo[r][c];
            out << (c > 1 ? " " : "");
            if (carta == 0)
                out << " .";
            else
                out << (carta < 10 ? " " : "") << carta;
        }
        out << "\n";
    }
    return out.str();
}

} // namespace belvane
