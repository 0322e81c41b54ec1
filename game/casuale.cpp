#include "casuale.h"

#include <chrono>

namespace belvane {

namespace {
std::uint64_t splitmix64(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
constexpr std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
} // namespace

void Generatore::Semina(std::uint64_t germe)
{
    for (auto &parola : s_)
        parola = splitmix64(germe);
}

std::uint64_t Generatore::Prossimo()
{
    const std::uint64_t risultato = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return risultato;
}

std::uint64_t GermiDallOrologio::Germe()
{
    // Nanoseconds, so two deals within one second still differ.
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace belvane
