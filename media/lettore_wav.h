// The card-sound player ("WaveAudio"): a wave file decoded and converted once
// at "Open" to the mix's format, then copied into the mix while it plays.
#pragma once

#include "lettore.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace belvane::media {

class LettoreWav : public Lettore {
public:
    explicit LettoreWav(AccessoAudio &accesso);

protected:
    int64_t Prepara(const std::string &file) override;
    void Scambia() noexcept override;
    void Scarta() noexcept override;
    void Spostato(int64_t) noexcept override {}
    void Suona(float *stereo, int64_t da, int frames) noexcept override;
    void Coda(float *, int) noexcept override {}

private:
    using Campioni = std::vector<float>;     // interleaved stereo at the mix's rate
    std::unique_ptr<const Campioni> suono_;  // in play
    std::unique_ptr<const Campioni> attesa_; // staging
};

// Decodes a wave file into interleaved stereo float at the mix's rate;
// empty when SDL cannot read or convert it.
std::vector<float> CaricaWav(const std::string &percorso);
// The same from the file's bytes; `percorso` names it in diagnostics.
std::vector<float> DecodificaWav(std::span<const uint8_t> file, const std::string &percorso = "wave");

} // namespace belvane::media
