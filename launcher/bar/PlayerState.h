#pragma once

#include <string>
#include <vector>

namespace quivlane {

// The players' fields that the bar owns and the tick reads.
struct PlayerState {
    enum class Mp3PlayState {
        Playing = 0,
        PauseOrResumeRequested = 1,
        StopRequested = 2,
        Idle = 3
    };

    std::string mp3Folder;
    std::vector<std::string> mp3Paths;
    Mp3PlayState mp3PlayState = Mp3PlayState::Idle;
    bool mp3Paused = false;
    int lastMp3Index = -1;
    long cdLastPosition = 0;
};

}  // namespace quivlane
