#include "tests/support/SimulatedCdDrive.h"

#include <ctime>

namespace quivlane::test {

SimulatedCdDrive::SimulatedCdDrive(const Clock& clock) : clock_(clock) {}

long long SimulatedCdDrive::NowSeconds() const {
    const LocalTime now = clock_.Now();
    std::tm t{};
    t.tm_year = now.year - 1900;
    t.tm_mon = now.month - 1;
    t.tm_mday = now.day;
    t.tm_hour = now.hour;
    t.tm_min = now.minute;
    t.tm_sec = now.second;
    return static_cast<long long>(timegm(&t));
}

void SimulatedCdDrive::InsertDisc(const std::vector<int>& trackSeconds) {
    tracks_.clear();
    int frame = 2 * kCdFramesPerSecond;
    for (std::size_t i = 0; i < trackSeconds.size(); ++i) {
        tracks_.push_back({static_cast<int>(i) + 1, frame, true});
        frame += trackSeconds[i] * kCdFramesPerSecond;
    }
    leadOut_ = frame;
    hasDisc_ = !tracks_.empty();
    state_ = CdAudioState::Idle;
}

void SimulatedCdDrive::RemoveDisc() {
    hasDisc_ = false;
    state_ = CdAudioState::Idle;
}

bool SimulatedCdDrive::IsMediaPresent() {
    return hasDisc_ && !trayOpen;
}

bool SimulatedCdDrive::IsTrayOpen() {
    return trayOpen;
}

bool SimulatedCdDrive::ReadToc(std::vector<CdTrack>& tracks, int& leadOutFrame) {
    if (!IsMediaPresent()) {
        return false;
    }
    tracks = tracks_;
    leadOutFrame = leadOut_;
    return true;
}

bool SimulatedCdDrive::PlayRange(int startFrame, int endFrame) {
    calls.push_back("play " + std::to_string(startFrame) + "-" + std::to_string(endFrame));
    if (failPlay || !IsMediaPresent()) {
        return false;
    }
    state_ = CdAudioState::Playing;
    startFrame_ = startFrame;
    endFrame_ = endFrame;
    startSecond_ = NowSeconds();
    return true;
}

bool SimulatedCdDrive::Pause() {
    calls.push_back("pause");
    const CdPlayStatus now = Status();
    if (now.state != CdAudioState::Playing) {
        return false;
    }
    pausedFrame_ = now.frame;
    state_ = CdAudioState::Paused;
    return true;
}

bool SimulatedCdDrive::Resume() {
    calls.push_back("resume");
    if (state_ != CdAudioState::Paused) {
        return false;
    }
    state_ = CdAudioState::Playing;
    startFrame_ = pausedFrame_;
    startSecond_ = NowSeconds();
    return true;
}

bool SimulatedCdDrive::Stop() {
    calls.push_back("stop");
    state_ = CdAudioState::Idle;
    return true;
}

CdPlayStatus SimulatedCdDrive::Status() {
    if (!IsMediaPresent()) {
        return {CdAudioState::Idle, 0};
    }
    if (state_ == CdAudioState::Paused) {
        return {state_, pausedFrame_};
    }
    if (state_ == CdAudioState::Playing) {
        const long long frame = startFrame_ + (NowSeconds() - startSecond_) *
                                                  static_cast<long long>(kCdFramesPerSecond);
        if (frame >= endFrame_) {
            state_ = CdAudioState::Completed;
            return {state_, endFrame_};
        }
        return {state_, static_cast<int>(frame)};
    }
    return {state_, 0};
}

bool SimulatedCdDrive::OpenTray() {
    calls.push_back("open tray");
    if (failTray) {
        return false;
    }
    trayOpen = true;
    state_ = CdAudioState::Idle;
    return true;
}

bool SimulatedCdDrive::CloseTray() {
    calls.push_back("close tray");
    if (failTray) {
        return false;
    }
    trayOpen = false;
    return true;
}

}  // namespace quivlane::test
