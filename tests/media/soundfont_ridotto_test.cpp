// The SoundFont filtered to the tunes' presets sounds exactly as the whole
// file does for those presets on the keys the tunes play, holds none of the
// other presets, and a file it cannot filter is left to FluidSynth whole.
#include "file_prova.h"
#include "sintetizzatore.h"
#include "soundfont_ridotto.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace belvane::media;

namespace {

struct Synth {
    fluid_settings_t *impostazioni = new_fluid_settings();
    fluid_synth_t *synth = nullptr;
    int id = FLUID_FAILED;
    explicit Synth(const std::string &file)
    {
        SilenziaFluidSynth();
        fluid_settings_setnum(impostazioni, "synth.sample-rate", 44100);
        fluid_settings_setint(impostazioni, "synth.dynamic-sample-loading", 1);
        // No tail of one note in the next.
        fluid_settings_setint(impostazioni, "synth.reverb.active", 0);
        fluid_settings_setint(impostazioni, "synth.chorus.active", 0);
        synth = new_fluid_synth(impostazioni);
        SoundFontRidotto::Installa(synth, impostazioni);
        id = fluid_synth_sfload(synth, file.c_str(), 1);
    }
    ~Synth()
    {
        delete_fluid_synth(synth);
        delete_fluid_settings(impostazioni);
    }
    std::vector<float> Nota(int banco, int programma, int tasto = 60)
    {
        const int canale = banco == 128 ? 9 : 0;
        fluid_synth_program_select(synth, canale, id, banco, programma);
        fluid_synth_noteon(synth, canale, tasto, 100);
        std::vector<float> b(2 * 4410);
        fluid_synth_write_float(synth, 4410, b.data(), 0, 2, b.data(), 1, 2);
        fluid_synth_all_sounds_off(synth, -1);
        return b;
    }
};

TEST(SoundFontRidotto, KeepsOnlyTheTunesPresetsAndTheyPlayAsInTheWholeFile)
{
    const std::string sf = SoundFontPredefinito();
    const std::vector<std::pair<int, int>> voluti{{0, 0}, {0, 24}, {0, 73}, {128, 0}, {7, 99}}; // the last is missing
    SoundFontRidotto ridotto(sf, voluti);
    ASSERT_FALSE(ridotto.Nome().empty());
    EXPECT_EQ(ridotto.Preset(), 4);
    Synth filtrato(ridotto.Nome()), intero(sf);
    ASSERT_NE(filtrato.id, FLUID_FAILED);
    ASSERT_NE(intero.id, FLUID_FAILED);
    fluid_sfont_t *f = fluid_synth_get_sfont_by_id(filtrato.synth, filtrato.id);
    EXPECT_EQ(fluid_sfont_get_preset(f, 0, 1), nullptr) << "a preset no tune uses";
    for (const auto &[banco, programma] : voluti) {
        if (banco == 7)
            continue;
        SCOPED_TRACE(programma);
        ASSERT_NE(fluid_sfont_get_preset(f, banco, programma), nullptr);
        const std::vector<float> a = filtrato.Nota(banco, programma), b = intero.Nota(banco, programma);
        EXPECT_EQ(a, b);
        EXPECT_GT(std::count_if(a.begin(), a.end(), [](float v) { return v != 0; }), 1000) << "it sounds";
    }
}

TEST(SoundFontRidotto, OfAPresetOnlyTheZonesItsKeysReachAreKept)
{
    // Strings (layers over the whole keyboard, and a sample for each range)
    // and the drum kit (a sample for each key).
    const std::string sf = SoundFontPredefinito();
    Tasti archi, batteria;
    archi.set(60).set(62);
    batteria.set(38);
    SoundFontRidotto ridotto(sf, std::map<std::pair<int, int>, Tasti>{{{0, 48}, archi}, {{128, 0}, batteria}});
    ASSERT_FALSE(ridotto.Nome().empty());
    Synth filtrato(ridotto.Nome()), intero(sf);
    ASSERT_NE(filtrato.id, FLUID_FAILED);
    const auto suona = [](const std::vector<float> &v) {
        return std::count_if(v.begin(), v.end(), [](float x) { return x != 0; }) > 1000;
    };
    for (const auto &[banco, programma, tasto] : {std::tuple{0, 48, 60}, {0, 48, 62}, {128, 0, 38}}) {
        SCOPED_TRACE(tasto);
        const std::vector<float> a = filtrato.Nota(banco, programma, tasto);
        EXPECT_EQ(a, intero.Nota(banco, programma, tasto));
        EXPECT_TRUE(suona(a));
    }
    // Far from the kept keys the zones of their own are gone: the strings
    // keep only their whole-keyboard layers, the drum has nothing there.
    EXPECT_NE(filtrato.Nota(0, 48, 100), intero.Nota(0, 48, 100));
    EXPECT_TRUE(suona(intero.Nota(128, 0, 42)));
    EXPECT_FALSE(suona(filtrato.Nota(128, 0, 42)));
}

TEST(SoundFontRidotto, AFileItCannotFilterGivesNoName)
{
    prova::Cartella c;
    const auto rotto = c.p / "rotto.sf2";
    prova::Scrivi(rotto, prova::Byte{'R', 'I', 'F', 'F', 4, 0, 0, 0, 's', 'f', 'b', 'k'});
    EXPECT_TRUE(SoundFontRidotto(rotto.string(), {{0, 0}}).Nome().empty());
    EXPECT_TRUE(SoundFontRidotto("/nonexistent.sf2", {{0, 0}}).Nome().empty());
    EXPECT_TRUE(SoundFontRidotto(SoundFontPredefinito(), {{5, 127}}).Nome().empty()) << "none of the presets";
}

} // namespace
