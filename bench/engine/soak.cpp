// Soaks the engine: seeded random games until both figures are reached,
// the table's invariants checked after every click. Usage:
//   belvane_soak_motore [games (10000)] [clicks (1000000)] [seed (1)]
// Prints the figures; exits 1 at the first broken invariant, with the table.
#include "partite_casuali.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const long long partite = argc > 1 ? std::atoll(argv[1]) : 10000;
    const long long clic = argc > 2 ? std::atoll(argv[2]) : 1000000;
    const std::uint64_t germe = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;

    const auto inizio = std::chrono::steady_clock::now();
    belvane::test::Giro totale;
    // Rounds of a thousand games, each round from its own seeds, until both targets are met.
    for (std::uint64_t giro = 0; totale.partite < partite || totale.clic < clic; ++giro) {
        const auto g = belvane::test::Gioca(germe + giro * 1000, 1000, 400);
        totale.partite += g.partite, totale.clic += g.clic, totale.mosse += g.mosse;
        totale.rimescoli += g.rimescoli, totale.vinte += g.vinte, totale.chiusure += g.chiusure;
        totale.legali += g.legali, totale.ferme += g.ferme, totale.codiciGuasti += g.codiciGuasti;
        if (!g.errore.empty()) {
            std::printf("BROKEN in round %llu: %s\n", static_cast<unsigned long long>(giro), g.errore.c_str());
            return 1;
        }
    }
    const double secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    std::printf("games %lld, clicks %lld (legal %lld, any card %lld, bad code %lld), moves %lld, "
                "reshuffles %lld, wins %lld, closed %lld\n",
                totale.partite, totale.clic, totale.legali, totale.ferme, totale.codiciGuasti, totale.mosse,
                totale.rimescoli, totale.vinte, totale.chiusure);
    std::printf("%.1f s, %.0f clicks/s, invariants held after every click\n", secondi, totale.clic / secondi);
    return 0;
}
