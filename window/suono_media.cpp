#include "suono.h"

#include "cartella.h"
#include "suoni.h"

namespace belvane {

namespace {
class SuonoMedia final : public Suono {
public:
    explicit SuonoMedia(std::function<bool()> rustleAcceso)
        : suoni_(media::CartellaProgramma(), std::move(rustleAcceso), media::ModoUscita::Dispositivo)
    {
    }
    void OpenSoundDevices() override { suoni_.OpenSoundDevices(); }
    void StartMusic() override { suoni_.StartMusic(); }
    void RestartMusicAtEnd() override { suoni_.RestartMusicAtEnd(); }
    void PlayFinaleTune() override { suoni_.PlayFinaleTune(); }
    void ReloadGameTune() override { suoni_.ReloadGameTune(); }
    void PlayCardRustle() override { suoni_.PlayCardRustle(); }
    void PauseMusic() override { suoni_.PauseMusic(); }
    void ResumeMusic() override { suoni_.ResumeMusic(); }
    void CloseMusic() override { suoni_.CloseMusic(); }

private:
    media::Suoni suoni_;
};
} // namespace

std::unique_ptr<Suono> SuonoDelProgramma(std::function<bool()> rustleAcceso)
{
    return std::make_unique<SuonoMedia>(std::move(rustleAcceso));
}

} // namespace belvane
