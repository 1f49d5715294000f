#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "platform/cd/Mci.h"
#include "platform/dialogs/MessageBoxes.h"

namespace quivlane {

// A remote control for the audio CD of the device "cdaudio", one or two media-control commands
// per operation. The device keeps the playing state; the player only the last result.
class CdAudioPlayer {
  public:
    CdAudioPlayer(Mci& mci, MessageBoxes& messageBoxes);
    virtual ~CdAudioPlayer();
    CdAudioPlayer(const CdAudioPlayer&) = delete;
    CdAudioPlayer& operator=(const CdAudioPlayer&) = delete;

    bool IsMediaPresent();
    bool IsPaused();
    bool IsStopped();
    bool IsReady();
    bool IsPlaying();

    std::uint32_t ToggleDoor();
    std::uint32_t Play();
    std::uint32_t PlayFrom(int seconds);
    std::uint32_t Stop();
    std::uint32_t Pause();
    std::uint32_t NextTrack();
    std::uint32_t PrevTrack();

    int GetPositionSeconds();
    int GetCurrentTrack();
    int GetTrackCount();

    std::uint32_t LastResult() const { return lastResult_; }

  private:
    // Queries stay quiet: a failure only counts as "no".
    std::uint32_t SendQuiet(const std::string& command, std::string& answer,
                            std::size_t answerSize);
    // Commands report a failure at once in a box.
    std::uint32_t SendReported(const std::string& command, std::string& answer,
                               std::size_t answerSize);
    std::uint32_t SendReported(const std::string& command);
    void Report(const std::string& command, std::uint32_t code);
    std::string Mode();
    int QueryNumber(const std::string& command);
    std::uint32_t PlayTrack(int track);

    Mci& mci_;
    MessageBoxes& messageBoxes_;
    std::uint32_t lastResult_ = 0;
    // Failures already shown, by command, with their code.
    std::map<std::string, std::uint32_t> reported_;
    bool boxOpen_ = false;
};

}  // namespace quivlane
