// The nine sound operations through which the program makes every sound.
// The sound layer implements them, the window owns that implementation and
// hands it to the game; tests record them.
#pragma once

namespace belvane {

class Suono {
public:
    virtual ~Suono() = default;

    // Opens the music player on the game tune and the card-sound player on the rustle.
    virtual void OpenSoundDevices() = 0;
    virtual void StartMusic() = 0;
    // Starts the tune again from the top once it has played to its end.
    virtual void RestartMusicAtEnd() = 0;
    virtual void PlayFinaleTune() = 0;
    // Puts the game tune back in the music player, ready to start.
    virtual void ReloadGameTune() = 0;
    // Plays the rustle when "Card rustle" is checked.
    virtual void PlayCardRustle() = 0;
    virtual void PauseMusic() = 0;
    virtual void ResumeMusic() = 0;
    virtual void CloseMusic() = 0;
};

} // namespace belvane
