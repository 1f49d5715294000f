#pragma once

#include <vector>

namespace quivlane {

// Positions are absolute frames (75 a second) from the very start of the disc, the two-second
// lead-in included, so a first track usually begins at frame 150 (00:02:00).
inline constexpr int kCdFramesPerSecond = 75;

struct CdTrack {
    int number = 0;
    int startFrame = 0;
    bool audio = true;
};

enum class CdAudioState { Idle, Playing, Paused, Completed, Error };

struct CdPlayStatus {
    CdAudioState state = CdAudioState::Idle;
    int frame = 0;
};

// One audio CD drive: its table of contents, audio play of a frame range, the tray.
class CdDrive {
  public:
    virtual ~CdDrive() = default;
    virtual bool IsMediaPresent() = 0;
    virtual bool IsTrayOpen() = 0;
    // Reads the table of contents; false when there is no readable disc.
    virtual bool ReadToc(std::vector<CdTrack>& tracks, int& leadOutFrame) = 0;
    // Plays [startFrame, endFrame).
    virtual bool PlayRange(int startFrame, int endFrame) = 0;
    virtual bool Pause() = 0;
    virtual bool Resume() = 0;
    virtual bool Stop() = 0;
    virtual CdPlayStatus Status() = 0;
    virtual bool OpenTray() = 0;
    virtual bool CloseTray() = 0;
};

}  // namespace quivlane
