#pragma once

#include "platform/cd/CdDrive.h"

namespace quivlane::test {

// Hands every call to a drive the test keeps, so that closing a device leaves the disc.
class ForwardingCdDrive final : public CdDrive {
  public:
    explicit ForwardingCdDrive(CdDrive& target) : target_(target) {}
    bool IsMediaPresent() override { return target_.IsMediaPresent(); }
    bool IsTrayOpen() override { return target_.IsTrayOpen(); }
    bool ReadToc(std::vector<CdTrack>& tracks, int& leadOutFrame) override {
        return target_.ReadToc(tracks, leadOutFrame);
    }
    bool PlayRange(int startFrame, int endFrame) override {
        return target_.PlayRange(startFrame, endFrame);
    }
    bool Pause() override { return target_.Pause(); }
    bool Resume() override { return target_.Resume(); }
    bool Stop() override { return target_.Stop(); }
    CdPlayStatus Status() override { return target_.Status(); }
    bool OpenTray() override { return target_.OpenTray(); }
    bool CloseTray() override { return target_.CloseTray(); }

  private:
    CdDrive& target_;
};

}  // namespace quivlane::test
