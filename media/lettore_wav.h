// The card-sound player ("WaveAudio"): a wave file decoded and converted once
// at "Open" to the mix's format, then copied into the mix while it plays.
// So that eighty moves do not sound like one sample, "Open" also makes a few
// variations of it, each a little higher or lower and louder or softer, and
// every start from a start point plays another one.
#pragma once

#include "lettore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace belvane::media {

inline constexpr double kVariazioneAltezza = 0.03;  // pitch within +-3 %
inline constexpr double kVariazioneLivelloDb = 2.0; // level within +-2 dB
inline constexpr int kVariazioni = 12;              // made at "Open"

// Numbers drawn evenly from [0, 1).
using Caso = std::function<double()>;
// A source seeded from the system, different at every run.
Caso CasoDiSistema();

class LettoreWav : public Lettore {
public:
    // `caso` chooses the variations: called on the window's thread only.
    explicit LettoreWav(AccessoAudio &accesso, Caso caso = CasoDiSistema());

protected:
    int64_t Carica(const std::string &file) override;
    void Scambia() noexcept override;
    void Scarta() noexcept override;
    // Lock held: the next start plays another variation.
    void Spostato(int64_t) noexcept override;
    void Suona(float *stereo, int64_t da, int frames) noexcept override;
    void Coda(float *, int) noexcept override {}

private:
    using Campioni = std::vector<float>; // interleaved stereo at the mix's rate
    using Variazioni = std::vector<Campioni>;
    int Estrai(int quante) noexcept;

    Caso caso_;
    std::unique_ptr<const Variazioni> suono_;  // in play
    std::unique_ptr<const Variazioni> attesa_; // staging
    int scelta_ = 0;                           // the variation in play
};

// `campioni` played `altezza` times as fast (1.03 is 3 % higher) and
// `livelloDb` louder, in as many frames: a quicker sound ends in silence, a
// slower one loses its end, faded out.
std::vector<float> Variazione(const std::vector<float> &campioni, double altezza, double livelloDb);

// Decodes a wave file into interleaved stereo float at the mix's rate;
// empty when SDL cannot read or convert it.
std::vector<float> CaricaWav(const std::string &percorso);
// The same from the file's bytes; `percorso` names it in diagnostics.
std::vector<float> DecodificaWav(std::span<const uint8_t> file, const std::string &percorso = "wave");

} // namespace belvane::media
