// The deal's random draw: our own generator, so that a seed replays the same
// deal with any compiler and standard library.
#pragma once

#include <array>
#include <cstdint>

namespace belvane {

// xoshiro256** seeded through splitmix64.
class Generatore {
public:
    explicit Generatore(std::uint64_t germe = 0) { Semina(germe); }

    void Semina(std::uint64_t germe);
    std::uint64_t Prossimo();
    // Uniform in [0, 1), 53 random bits.
    double Uniforme() { return static_cast<double>(Prossimo() >> 11) * 0x1.0p-53; }

private:
    std::array<std::uint64_t, 4> s_{};
};

// Where every deal's seed comes from. The program reads the clock; a test
// hands out fixed seeds to replay deals.
class SorgenteGermi {
public:
    virtual ~SorgenteGermi() = default;
    virtual std::uint64_t Germe() = 0;
};

class GermiDallOrologio final : public SorgenteGermi {
public:
    std::uint64_t Germe() override;
};

} // namespace belvane
