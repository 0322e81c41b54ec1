// Any bytes as the SoundFont. The layout check must never read out of
// bounds, and what it lets through FluidSynth must load without a word on
// stderr (its fallback loader, libinstpatch, prints when the first refuses);
// the program's filter that keeps only some presets must read it safely too.
#include "sintetizzatore.h"
#include "soundfont_ridotto.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ultimoErrore; // what FluidSynth said, shown with a finding

void Annota(int, const char *messaggio, void *) { (ultimoErrore += messaggio) += " | "; }

struct Synth {
    fluid_settings_t *impostazioni = new_fluid_settings();
    fluid_synth_t *synth = nullptr;
    const std::string file = "/tmp/belvane-fuzz-" + std::to_string(getpid()) + ".sf2";
    const std::string uscita = file + ".stderr";
    Synth()
    {
        for (int livello = FLUID_PANIC; livello < LAST_LOG_LEVEL; ++livello)
            fluid_set_log_function(livello, Annota, nullptr);
        fluid_settings_setint(impostazioni, "synth.dynamic-sample-loading", 0);
        synth = new_fluid_synth(impostazioni);
    }
    ~Synth()
    {
        std::remove(file.c_str());
        std::remove(uscita.c_str());
        delete_fluid_synth(synth);
        delete_fluid_settings(impostazioni);
    }
};

} // namespace

// As the program loads it: through the filter, samples read as needed.
struct SynthFiltrato {
    fluid_settings_t *impostazioni = new_fluid_settings();
    fluid_synth_t *synth = nullptr;
    SynthFiltrato()
    {
        fluid_settings_setint(impostazioni, "synth.dynamic-sample-loading", 1);
        synth = new_fluid_synth(impostazioni);
        belvane::media::SoundFontRidotto::Installa(synth, impostazioni);
    }
    ~SynthFiltrato()
    {
        delete_fluid_synth(synth);
        delete_fluid_settings(impostazioni);
    }
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t n)
{
    std::istringstream in(std::string(reinterpret_cast<const char *>(dati), n));
    if (!belvane::media::SoundFontIntegro(in))
        return 0;
    static Synth s;
    FILE *f = std::fopen(s.file.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(dati, 1, n, f);
    std::fclose(f);

    // Whatever is written to stderr while FluidSynth loads goes to a file.
    std::fflush(stderr);
    const int errore = dup(2);
    const int cattura = open(s.uscita.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0600);
    dup2(cattura, 2);
    close(cattura);
    ultimoErrore.clear();
    const int id = fluid_synth_sfload(s.synth, s.file.c_str(), 1);
    std::fflush(stderr);
    dup2(errore, 2);
    close(errore);
    struct stat st {};
    stat(s.uscita.c_str(), &st);
    if (id == FLUID_FAILED || st.st_size > 0) {
        std::fprintf(stderr, "passed the check but FluidSynth %s: %s\n",
                     id == FLUID_FAILED ? "refused it" : "printed while loading it", ultimoErrore.c_str());
        std::abort();
    }
    fluid_synth_sfunload(s.synth, id, 1);

    static SynthFiltrato filtrato;
    const belvane::media::SoundFontRidotto ridotto(s.file, {{0, 0}, {0, dati[n / 2] % 128}, {128, 0}});
    if (!ridotto.Nome().empty()) {
        const int idFiltrato = fluid_synth_sfload(filtrato.synth, ridotto.Nome().c_str(), 1);
        if (idFiltrato != FLUID_FAILED)
            fluid_synth_sfunload(filtrato.synth, idFiltrato, 1);
    }
    return 0;
}
