#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/cd/CdDrive.h"

struct _CdIo;

namespace quivlane {

// A CD drive through libcdio's audio and MMC calls.
class CdioDrive final : public CdDrive {
    struct Key {};

  public:
    // Only Open makes one.
    CdioDrive(Key key, _CdIo* cdio, std::string device);

    // The default drive for "", else a device path or the mount point of one; nullptr when
    // there is no such drive.
    static std::unique_ptr<CdioDrive> Open(const std::string& element);
    // The device node mounted at a folder, from a mount table in /proc/mounts form; "" when
    // nothing is mounted there.
    static std::string DeviceMountedAt(const std::string& mountTable, const std::string& folder);
    // The drive a chosen folder stands for: a mounted disc, or an audio disc's virtual folder.
    static std::string DeviceOfFolder(const std::string& mountTable, const std::string& folder);

    ~CdioDrive() override;
    CdioDrive(const CdioDrive&) = delete;
    CdioDrive& operator=(const CdioDrive&) = delete;

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

  private:
    struct Closer {
        void operator()(_CdIo* cdio) const;
    };

    // libcdio keeps the table of contents it read first; a changed disc needs a new handle.
    void Refresh();

    std::unique_ptr<_CdIo, Closer> cdio_;
    std::string device_;
};

}  // namespace quivlane
