// The nine sound operations, as the window uses them. The program plays them
// through the media layer; tests record them.
#pragma once

#include <functional>
#include <memory>

namespace belvane {

class Suono {
public:
    virtual ~Suono() = default;
    virtual void OpenSoundDevices() = 0;
    virtual void StartMusic() = 0;
    virtual void RestartMusicAtEnd() = 0;
    virtual void PlayFinaleTune() = 0;
    virtual void ReloadGameTune() = 0;
    virtual void PlayCardRustle() = 0;
    virtual void PauseMusic() = 0;
    virtual void ResumeMusic() = 0;
    virtual void CloseMusic() = 0;
};

// The real players in the program's folder. `rustleAcceso` answers whether
// "Card rustle" is checked at the moment a card moves.
std::unique_ptr<Suono> SuonoDelProgramma(std::function<bool()> rustleAcceso);

} // namespace belvane
