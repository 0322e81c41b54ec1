// A SoundFont seen through a filter that keeps only some presets.
// FluidSynth builds the zones of every preset in a file when it loads it,
// about 5 MiB for TimGM6mb, though the tunes use seven; loading the file
// through this filter builds only theirs. The sample data are read from the
// original file as they are, so nothing is copied. Given the keys each
// preset plays, the filter also leaves out the zones of its instruments
// that no such key reaches: their samples are then never loaded.
#pragma once

#include <fluidsynth.h>

#include <bitset>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace belvane::media {

// The MIDI keys (0..127) a preset is played on.
using Tasti = std::bitset<128>;

class SoundFontRidotto {
public:
    // `preset` maps (bank, program) pairs to the keys each is played on.
    // Nome() is empty when the file cannot be read as a SoundFont or holds
    // none of them.
    SoundFontRidotto(const std::string &percorso, const std::map<std::pair<int, int>, Tasti> &preset);
    // Every key of each preset.
    SoundFontRidotto(const std::string &percorso, const std::vector<std::pair<int, int>> &preset);
    ~SoundFontRidotto();
    SoundFontRidotto(const SoundFontRidotto &) = delete;
    SoundFontRidotto &operator=(const SoundFontRidotto &) = delete;

    // The name to give fluid_synth_sfload on a synthesiser that has the
    // loader from Installa. Valid while this object lives.
    const std::string &Nome() const { return nome_; }
    // How many presets the filtered file holds.
    int Preset() const { return preset_; }

    // Adds to `synth` a loader that opens the filtered files by name.
    static void Installa(fluid_synth_t *synth, fluid_settings_t *impostazioni);

private:
    std::string nome_;
    int preset_ = 0;
};

} // namespace belvane::media
