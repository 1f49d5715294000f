#pragma once

#include <string>
#include <vector>

#include "platform/cd/CdDrive.h"
#include "platform/clock/Clock.h"

namespace quivlane::test {

// An audio CD drive whose disc plays as the given clock moves (a second of clock time is a
// second of disc). Records every drive call; failures can be switched on.
class SimulatedCdDrive final : public CdDrive {
  public:
    explicit SimulatedCdDrive(const Clock& clock);

    // A disc whose tracks last the given seconds, the first one at 00:02:00.
    void InsertDisc(const std::vector<int>& trackSeconds);
    void RemoveDisc();

    bool IsMediaPresent() override;
    bool IsTrayOpen() override;
    bool ReadToc(std::vector<CdTrack>& tracks, int& leadOutFrame) override;
    bool PlayRange(int startFrame, int endFrame) override;
    bool Pause() override;
    bool Resume() override;
    bool Stop() override;
    CdPlayStatus Status() override;
    bool OpenTray() override;
    bool CloseTray() override;

    std::vector<std::string> calls;
    bool failPlay = false;
    bool failTray = false;
    bool trayOpen = false;

  private:
    long long NowSeconds() const;

    const Clock& clock_;
    std::vector<CdTrack> tracks_;
    int leadOut_ = 0;
    bool hasDisc_ = false;
    CdAudioState state_ = CdAudioState::Idle;
    int startFrame_ = 0;
    int endFrame_ = 0;
    long long startSecond_ = 0;
    int pausedFrame_ = 0;
};

}  // namespace quivlane::test
