// The SoundFont check against files FluidSynth refuses (found by fuzz_soundfont):
// each would reach FluidSynth's fallback loader, which prints and leaks.
#include "sintetizzatore.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace belvane::media;

TEST(SoundFont, WhatFluidSynthWouldRefuseIsRefusedBeforeItAndTheRestLoads)
{
    const std::filesystem::path corpus = BELVANE_CORPUS_FUZZ "/soundfont";
    int rifiutati = 0;
    for (const auto &voce : std::filesystem::directory_iterator(corpus)) {
        const std::string nome = voce.path().filename().string();
        if (nome.starts_with("fluidsynth_refused_")) {
            EXPECT_FALSE(SoundFontIntegro(voce.path().string())) << nome;
            ++rifiutati;
        }
    }
    EXPECT_GE(rifiutati, 8);

    for (const std::string &buono : {(corpus / "minimo.sf2").string(), SoundFontPredefinito()}) {
        EXPECT_TRUE(SoundFontIntegro(buono)) << buono;
        Sintetizzatore synth(buono);
        EXPECT_TRUE(synth.Attendi(std::chrono::seconds(20))) << buono;
    }
}
