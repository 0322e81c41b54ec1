// The deal's random draw: our own generator, so that a seed replays the same
// deal with any compiler and standard library.
#pragma once

#include <array>
#include <cstdint>

namespace belvane {

// xoshiro256** seeded through splitmix64.
class Generatore {
public:
    explicit Generatore(std::uint64_t seme = 0) { Semina(seme); }

    void Semina(std::uint64_t seme);
    std::uint64_t Prossimo();
    // Uniform in [0, 1), 53 random bits.
    double Uniforme() { return static_cast<double>(Prossimo() >> 11) * 0x1.0p-53; }

private:
    std::array<std::uint64_t, 4> s_{};
};

// Where every deal's seed comes from. The program reads the clock; a test
// hands out fixed seeds to replay deals.
class SorgenteSemi {
public:
    virtual ~SorgenteSemi() = default;
    virtual std::uint64_t Seme() = 0;
};

class SemiDallOrologio final : public SorgenteSemi {
public:
    std::uint64_t Seme() override;
};

} // namespace belvane
