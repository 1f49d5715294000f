#include "platform/power/SystemdPower.h"

#include <gtest/gtest.h>

#include "tests/support/RecordingProcessStarter.h"
#include "tests/support/StandInCommands.h"

namespace quivlane {
namespace {

// Only ever through the recording starter: nothing here may really shut down.
TEST(SystemdPowerTest, AsksSystemctlToPowerOffAndReportsItsAnswer) {
    test::StandInCommands commands;
    test::RecordingProcessStarter recorder;
    SystemdPower power(recorder);

    EXPECT_FALSE(power.ShutDown());  // no systemctl on this PATH
    EXPECT_TRUE(recorder.calls.empty());

    commands.AddRaw("systemctl", "#!/bin/sh\nexit 1\n");
    EXPECT_TRUE(power.ShutDown());
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_TRUE(recorder.calls[0].waited);
    EXPECT_EQ(recorder.calls[0].argv,
              (std::vector<std::string>{commands.Folder() + "/systemctl", "poweroff"}));

    recorder.exitStatus = 1;  // refused by logind
    EXPECT_FALSE(power.ShutDown());
}

}  // namespace
}  // namespace quivlane
