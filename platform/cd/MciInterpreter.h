#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/cd/CdDrive.h"
#include "platform/cd/Mci.h"

namespace quivlane {

// The media-control vocabulary of the CD player over CdDrive objects: open (the default drive
// as "cdaudio", or an element "type cdaudio" under an alias), close, status, set, play, pause,
// resume, stop and seek. Error codes are those of the host's media-control interface.
class MciInterpreter final : public Mci {
  public:
    static constexpr std::uint32_t kInvalidDeviceId = 257;
    static constexpr std::uint32_t kUnrecognizedKeyword = 259;
    static constexpr std::uint32_t kUnrecognizedCommand = 261;
    static constexpr std::uint32_t kHardware = 262;
    static constexpr std::uint32_t kInvalidDeviceName = 263;
    static constexpr std::uint32_t kDeviceOpen = 265;
    static constexpr std::uint32_t kMissingCommandString = 267;
    static constexpr std::uint32_t kParamOverflow = 268;
    static constexpr std::uint32_t kBadInteger = 270;
    static constexpr std::uint32_t kMissingParameter = 273;
    static constexpr std::uint32_t kDeviceNotReady = 276;
    static constexpr std::uint32_t kOutOfRange = 282;
    static constexpr std::uint32_t kDuplicateAlias = 289;
    static constexpr std::uint32_t kMissingDeviceName = 292;
    static constexpr std::uint32_t kBadTimeFormat = 293;
    static constexpr std::uint32_t kDuplicateFlags = 295;

    // Opens the drive of an element ("" for the default drive); nullptr when there is none.
    using DriveOpener = std::function<std::unique_ptr<CdDrive>(const std::string& element)>;

    explicit MciInterpreter(DriveOpener opener);
    ~MciInterpreter() override;

    std::uint32_t SendString(const std::string& command, std::string& answer,
                             std::size_t answerSize) override;
    std::string ErrorString(std::uint32_t code) const override;

  private:
    enum class TimeFormat { Msf, Tmsf, Milliseconds };

    struct Device {
        std::unique_ptr<CdDrive> drive;
        TimeFormat format = TimeFormat::Msf;
        // A play run was started and has not been seen to end.
        bool running = false;
        int playEnd = 0;
        // Where the disc stands while no play run is going.
        int restFrame = 0;
    };

    struct Disc {
        std::vector<CdTrack> tracks;
        int leadOut = 0;
    };

    using Words = std::vector<std::string>;

    std::uint32_t Run(const Words& words, const std::vector<std::string>& original,
                      std::string& answer);
    std::uint32_t Open(const Words& words, const std::vector<std::string>& original);
    std::uint32_t Status(Device& device, const Words& args, std::string& answer);
    std::uint32_t Set(Device& device, const Words& args);
    std::uint32_t Play(Device& device, const Words& args);
    std::uint32_t Seek(Device& device, const Words& args);

    static bool ReadDisc(Device& device, Disc& disc);
    // Notices a play run that has ended and returns where the disc stands.
    static int CurrentFrame(Device& device);
    static int StandingFrame(Device& device, const Disc& disc);
    static std::string Mode(Device& device);
    static int TrackAt(const Disc& disc, int frame);
    static std::string FormatPosition(const Device& device, const Disc& disc, int frame);
    static std::uint32_t ParsePosition(const Device& device, const Disc& disc,
                                       const std::string& text, int& frame);

    DriveOpener opener_;
    std::map<std::string, Device> devices_;
};

}  // namespace quivlane
