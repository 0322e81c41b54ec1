// A sound that only writes down, in order, each operation asked of it; with
// nowhere to write, a silent one.
#pragma once

#include "suono.h"

#include <string>
#include <vector>

namespace belvane::test {

class SuonoRegistrato final : public Suono {
public:
    explicit SuonoRegistrato(std::vector<std::string> *registro = nullptr) : registro_(registro) {}

    void OpenSoundDevices() override { Annota("OpenSoundDevices"); }
    void StartMusic() override { Annota("StartMusic"); }
    void RestartMusicAtEnd() override { Annota("RestartMusicAtEnd"); }
    void PlayFinaleTune() override { Annota("PlayFinaleTune"); }
    void ReloadGameTune() override { Annota("ReloadGameTune"); }
    void PlayCardRustle() override { Annota("PlayCardRustle"); }
    void PauseMusic() override { Annota("PauseMusic"); }
    void ResumeMusic() override { Annota("ResumeMusic"); }
    void CloseMusic() override { Annota("CloseMusic"); }

private:
    void Annota(const char *operazione)
    {
        if (registro_)
            registro_->push_back(operazione);
    }

    std::vector<std::string> *registro_;
};

} // namespace belvane::test
