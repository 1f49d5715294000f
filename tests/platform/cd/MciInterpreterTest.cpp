#include "platform/cd/MciInterpreter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/FakePorts.h"
#include "tests/support/ForwardingCdDrive.h"
#include "tests/support/SimulatedCdDrive.h"

namespace quivlane::test {
namespace {

using Mi = MciInterpreter;

class MciInterpreterTest : public ::testing::Test {
  protected:
    MciInterpreterTest()
        : mci([this](const std::string& element) -> std::unique_ptr<CdDrive> {
              opened.push_back(element);
              if (noDrive) {
                  return nullptr;
              }
              return std::make_unique<ForwardingCdDrive>(drive);
          }) {
        // Three tracks of 3:00, 4:00 and 0:30: starts at 00:02:00, 03:02:00, 07:02:00.
        drive.InsertDisc({180, 240, 30});
    }

    std::uint32_t Send(const std::string& command) {
        answer.clear();
        return mci.SendString(command, answer, 128);
    }
    std::string Ask(const std::string& command) {
        const std::uint32_t code = Send(command);
        EXPECT_EQ(code, 0u) << command;
        return answer;
    }
    void Open() { ASSERT_EQ(Send("open cdaudio"), 0u); }

    ManualClock clock;
    SimulatedCdDrive drive{clock};
    std::vector<std::string> opened;
    bool noDrive = false;
    MciInterpreter mci;
    std::string answer;
};

TEST_F(MciInterpreterTest, DescribesTheDiscInTheDefaultFormat) {
    Open();
    EXPECT_EQ(opened, std::vector<std::string>{""});
    EXPECT_EQ(Ask("status cdaudio media present"), "true");
    EXPECT_EQ(Ask("status cdaudio number of tracks"), "3");
    EXPECT_EQ(Ask("status cdaudio mode wait"), "stopped");
    EXPECT_EQ(Ask("status cdaudio ready"), "true");
    EXPECT_EQ(Ask("status cdaudio position"), "00:02:00");
    EXPECT_EQ(Ask("status cdaudio current track"), "1");
    EXPECT_EQ(Ask("status cdaudio position track 2"), "03:02:00");
    EXPECT_EQ(Ask("status cdaudio position track 3"), "07:02:00");
    EXPECT_EQ(Ask("status cdaudio length"), "07:30:00");
    EXPECT_EQ(Ask("status cdaudio length track 3"), "00:30:00");
    EXPECT_EQ(Ask("status cdaudio time format"), "msf");
}

TEST_F(MciInterpreterTest, KeywordsAndDeviceNamesIgnoreCase) {
    Open();
    EXPECT_EQ(Ask("STATUS CDAudio Number Of Tracks"), "3");
    EXPECT_EQ(Send("Set CDAudio Door Open"), 0u);
    EXPECT_TRUE(drive.trayOpen);
    EXPECT_EQ(Ask("status cdaudio mode"), "open");
    EXPECT_EQ(Ask("status cdaudio media present"), "false");
    EXPECT_EQ(Send("Set CDAudio Door Closed"), 0u);
    EXPECT_FALSE(drive.trayOpen);
    EXPECT_EQ(Ask("status cdaudio media present"), "true");
}

TEST_F(MciInterpreterTest, TrackFormatCountsFromTheTrackStart) {
    Open();
    ASSERT_EQ(Send("set cdaudio time format tmsf"), 0u);
    EXPECT_EQ(Ask("status cdaudio time format"), "tmsf");
    EXPECT_EQ(Ask("status cdaudio position"), "01:00:00:00");
    EXPECT_EQ(Ask("status cdaudio position track 2"), "02:00:00:00");
    ASSERT_EQ(Send("play cdaudio from 2:00:30"), 0u);
    EXPECT_EQ(drive.calls.back(),
              "play " + std::to_string((182 + 30) * 75) + "-" + std::to_string(450 * 75 + 150));
    clock.AdvanceSeconds(5);
    EXPECT_EQ(Ask("status cdaudio position"), "02:00:35:00");
    EXPECT_EQ(Ask("status cdaudio current track"), "2");
    // A track number alone plays from that track's start, up to the start of the next.
    ASSERT_EQ(Send("play cdaudio from 3 to 3:00:10"), 0u);
    clock.AdvanceSeconds(20);
    EXPECT_EQ(Ask("status cdaudio mode"), "stopped");
    EXPECT_EQ(Ask("status cdaudio position"), "03:00:10:00");
}

TEST_F(MciInterpreterTest, MillisecondsCountFromTheStartOfTheDisc) {
    Open();
    ASSERT_EQ(Send("set cdaudio time format ms"), 0u);
    EXPECT_EQ(Ask("status cdaudio time format"), "milliseconds");
    EXPECT_EQ(Ask("status cdaudio position"), "2000");
    ASSERT_EQ(Send("play cdaudio from 62000"), 0u);
    clock.AdvanceSeconds(1);
    EXPECT_EQ(Ask("status cdaudio position"), "63000");
}

TEST_F(MciInterpreterTest, PlayPauseResumeStopAndSeek) {
    Open();
    ASSERT_EQ(Send("play cdaudio"), 0u);
    clock.AdvanceSeconds(10);
    EXPECT_EQ(Ask("status cdaudio mode wait"), "playing");
    EXPECT_EQ(Ask("status cdaudio position"), "00:12:00");

    ASSERT_EQ(Send("pause cdaudio"), 0u);
    clock.AdvanceSeconds(5);
    EXPECT_EQ(Ask("status cdaudio mode wait"), "paused");
    EXPECT_EQ(Ask("status cdaudio position"), "00:12:00");

    ASSERT_EQ(Send("resume cdaudio"), 0u);
    clock.AdvanceSeconds(3);
    EXPECT_EQ(Ask("status cdaudio position"), "00:15:00");

    // A plain play of a paused disc carries on where it stood.
    ASSERT_EQ(Send("pause cdaudio"), 0u);
    ASSERT_EQ(Send("play cdaudio"), 0u);
    EXPECT_EQ(drive.calls.back(), "resume");
    clock.AdvanceSeconds(1);
    EXPECT_EQ(Ask("status cdaudio position"), "00:16:00");

    ASSERT_EQ(Send("stop cdaudio"), 0u);
    clock.AdvanceSeconds(7);
    EXPECT_EQ(Ask("status cdaudio mode wait"), "stopped");
    EXPECT_EQ(Ask("status cdaudio position"), "00:16:00");
    // A plain play of a stopped disc starts where it stands.
    ASSERT_EQ(Send("play cdaudio"), 0u);
    EXPECT_EQ(drive.calls.back(), "play 1200-" + std::to_string(450 * 75 + 150));

    ASSERT_EQ(Send("seek cdaudio to start"), 0u);
    EXPECT_EQ(Ask("status cdaudio mode wait"), "stopped");
    EXPECT_EQ(Ask("status cdaudio position"), "00:02:00");
    EXPECT_EQ(Ask("status cdaudio current track"), "1");
    ASSERT_EQ(Send("seek cdaudio to end"), 0u);
    EXPECT_EQ(Ask("status cdaudio current track"), "3");
    ASSERT_EQ(Send("seek cdaudio to 04:00:00"), 0u);
    EXPECT_EQ(Ask("status cdaudio current track"), "2");
}

TEST_F(MciInterpreterTest, APlayFromTheLeadInStartsAtTheFirstTrack) {
    Open();
    ASSERT_EQ(Send("play cdaudio from 00:00:00"), 0u);
    EXPECT_EQ(drive.calls.back(), "play 150-" + std::to_string(450 * 75 + 150));
}

TEST_F(MciInterpreterTest, TheEndOfTheDiscLeavesItStoppedOnTheLastTrack) {
    Open();
    ASSERT_EQ(Send("play cdaudio from 07:20:00"), 0u);
    clock.AdvanceSeconds(9);
    EXPECT_EQ(Ask("status cdaudio mode"), "playing");
    clock.AdvanceSeconds(5);
    EXPECT_EQ(Ask("status cdaudio mode"), "stopped");
    EXPECT_EQ(Ask("status cdaudio current track"), Ask("status cdaudio number of tracks"));
    EXPECT_EQ(Ask("status cdaudio position"), "07:32:00");
    // Nothing is left to play from there; a position can still be played.
    const std::size_t calls = drive.calls.size();
    EXPECT_EQ(Send("play cdaudio"), 0u);
    EXPECT_EQ(drive.calls.size(), calls);
    EXPECT_EQ(Ask("status cdaudio mode"), "stopped");
    ASSERT_EQ(Send("play cdaudio from 00:02:00"), 0u);
    EXPECT_EQ(Ask("status cdaudio mode"), "playing");
    EXPECT_EQ(Ask("status cdaudio current track"), "1");
}

TEST_F(MciInterpreterTest, WithoutADiscOnlyTheStateQueriesAnswer) {
    drive.RemoveDisc();
    Open();
    EXPECT_EQ(Ask("status cdaudio media present"), "false");
    EXPECT_EQ(Ask("status cdaudio mode wait"), "not ready");
    EXPECT_EQ(Ask("status cdaudio ready"), "false");
    EXPECT_EQ(Send("play cdaudio"), Mi::kDeviceNotReady);
    EXPECT_EQ(Send("status cdaudio number of tracks"), Mi::kDeviceNotReady);
    EXPECT_EQ(Send("status cdaudio position"), Mi::kDeviceNotReady);
    EXPECT_EQ(Send("seek cdaudio to start"), Mi::kDeviceNotReady);
    EXPECT_EQ(Send("pause cdaudio"), Mi::kDeviceNotReady);
    // The disc going while it plays stops the run.
    drive.InsertDisc({60});
    ASSERT_EQ(Send("play cdaudio"), 0u);
    drive.RemoveDisc();
    EXPECT_EQ(Ask("status cdaudio mode"), "not ready");
    drive.InsertDisc({60});
    EXPECT_EQ(Ask("status cdaudio mode"), "stopped");
}

TEST_F(MciInterpreterTest, MalformedCommandsGetTheirErrorCodes) {
    Open();
    const std::vector<std::pair<std::string, std::uint32_t>> cases = {
        {"", Mi::kMissingCommandString},
        {"   ", Mi::kMissingCommandString},
        {"jump cdaudio", Mi::kUnrecognizedCommand},
        {"play", Mi::kMissingDeviceName},
        {"play cdrom", Mi::kInvalidDeviceName},
        {"open cdrom", Mi::kInvalidDeviceName},
        {"open cdaudio", Mi::kDeviceOpen},
        {"open x type waveaudio", Mi::kInvalidDeviceName},
        {"open x type", Mi::kMissingParameter},
        {"open x type cdaudio alias", Mi::kMissingParameter},
        {"open x type cdaudio colour", Mi::kUnrecognizedKeyword},
        {"status cdaudio", Mi::kMissingParameter},
        {"status cdaudio colour", Mi::kUnrecognizedKeyword},
        {"status cdaudio mode now", Mi::kUnrecognizedKeyword},
        {"status cdaudio media", Mi::kMissingParameter},
        {"status cdaudio number of", Mi::kUnrecognizedKeyword},
        {"status cdaudio position track", Mi::kMissingParameter},
        {"status cdaudio position track x", Mi::kBadInteger},
        {"status cdaudio position track 0", Mi::kOutOfRange},
        {"status cdaudio position track 4", Mi::kOutOfRange},
        {"status cdaudio position track 99999999999", Mi::kBadInteger},
        {"play cdaudio from", Mi::kMissingParameter},
        {"play cdaudio from aa", Mi::kBadInteger},
        {"play cdaudio from 1::2", Mi::kBadInteger},
        {"play cdaudio from 1:2:3:4", Mi::kBadInteger},
        {"play cdaudio from 00:61:00", Mi::kOutOfRange},
        {"play cdaudio from 00:10:75", Mi::kOutOfRange},
        {"play cdaudio from 99:00:00", Mi::kOutOfRange},
        {"play cdaudio to 99:00:00", Mi::kOutOfRange},
        {"play cdaudio from 00:30:00 to 00:20:00", Mi::kOutOfRange},
        {"play cdaudio from 00:02:00 from 00:03:00", Mi::kDuplicateFlags},
        {"play cdaudio backwards", Mi::kUnrecognizedKeyword},
        {"pause cdaudio now", Mi::kUnrecognizedKeyword},
        {"seek cdaudio", Mi::kMissingParameter},
        {"seek cdaudio to", Mi::kMissingParameter},
        {"seek cdaudio start", Mi::kUnrecognizedKeyword},
        {"seek cdaudio to 99:00:00", Mi::kOutOfRange},
        {"set cdaudio", Mi::kMissingParameter},
        {"set cdaudio time format furlongs", Mi::kBadTimeFormat},
        {"set cdaudio door ajar", Mi::kUnrecognizedKeyword},
        {"set cdaudio volume 3", Mi::kUnrecognizedKeyword},
        {"close cdaudio now", Mi::kUnrecognizedKeyword},
    };
    for (const auto& [command, code] : cases) {
        EXPECT_EQ(Send(command), code) << command;
        EXPECT_FALSE(mci.ErrorString(code).empty()) << code;
    }
    // None of them moved the disc.
    EXPECT_EQ(Ask("status cdaudio mode"), "stopped");
    EXPECT_EQ(Ask("status cdaudio position"), "00:02:00");
    EXPECT_TRUE(mci.ErrorString(0).empty());
    EXPECT_TRUE(mci.ErrorString(9999).empty());
}

TEST_F(MciInterpreterTest, CloseForgetsTheDeviceAndAnotherOpenFindsTheDisc) {
    Open();
    ASSERT_EQ(Send("close cdaudio wait"), 0u);
    EXPECT_EQ(Send("status cdaudio mode"), Mi::kInvalidDeviceName);
    Open();
    EXPECT_EQ(Ask("status cdaudio number of tracks"), "3");
}

TEST_F(MciInterpreterTest, AnAnswerTooLongForTheBufferIsCutAndReported) {
    Open();
    EXPECT_EQ(mci.SendString("status cdaudio mode", answer, 4), Mi::kParamOverflow);
    EXPECT_EQ(answer, "sto");
    EXPECT_EQ(mci.SendString("status cdaudio mode", answer, 0), Mi::kParamOverflow);
    EXPECT_EQ(answer, "");
    EXPECT_EQ(mci.SendString("status cdaudio mode", answer, 8), 0u);
    EXPECT_EQ(answer, "stopped");
    // A command with nothing to answer needs no buffer.
    EXPECT_EQ(mci.SendString("seek cdaudio to start", answer, 0), 0u);
}

TEST_F(MciInterpreterTest, AChosenDriveOpensUnderItsAlias) {
    Open();
    ASSERT_EQ(Send("open /media/me/Audio CD type cdaudio alias CDDriveName"), 0u);
    EXPECT_EQ(opened.back(), "/media/me/Audio CD");
    EXPECT_EQ(Ask("status cddrivename number of tracks"), "3");
    EXPECT_EQ(Send("open /dev/sr1 type cdaudio alias CDDriveName"), Mi::kDuplicateAlias);
    EXPECT_EQ(Send("open x type cdaudio alias a alias b"), Mi::kDuplicateFlags);
    // Each device keeps its own time format.
    ASSERT_EQ(Send("set CDDriveName time format tmsf"), 0u);
    EXPECT_EQ(Ask("status cdaudio time format"), "msf");
    noDrive = true;
    EXPECT_EQ(Send("open /nowhere type cdaudio alias other"), Mi::kHardware);
    EXPECT_EQ(Send("status other mode"), Mi::kInvalidDeviceName);
}

TEST_F(MciInterpreterTest, NoDriveAtAllFailsTheOpen) {
    noDrive = true;
    EXPECT_EQ(Send("open cdaudio"), Mi::kHardware);
    EXPECT_EQ(Send("status cdaudio media present"), Mi::kInvalidDeviceName);
}

TEST_F(MciInterpreterTest, DriveFailuresAreHardwareErrors) {
    Open();
    drive.failPlay = true;
    EXPECT_EQ(Send("play cdaudio from 00:02:00"), Mi::kHardware);
    EXPECT_EQ(Ask("status cdaudio mode"), "stopped");
    drive.failTray = true;
    EXPECT_EQ(Send("set cdaudio door open"), Mi::kHardware);
    EXPECT_FALSE(drive.trayOpen);
}

TEST_F(MciInterpreterTest, OpeningTheDoorEndsAPlayRun) {
    Open();
    ASSERT_EQ(Send("play cdaudio"), 0u);
    ASSERT_EQ(Send("set cdaudio door open"), 0u);
    EXPECT_EQ(Ask("status cdaudio mode"), "open");
    EXPECT_EQ(Send("play cdaudio"), Mi::kDeviceNotReady);
    ASSERT_EQ(Send("set cdaudio door closed"), 0u);
    EXPECT_EQ(Ask("status cdaudio mode"), "stopped");
    EXPECT_EQ(Ask("status cdaudio position"), "00:02:00");
}

}  // namespace
}  // namespace quivlane::test
