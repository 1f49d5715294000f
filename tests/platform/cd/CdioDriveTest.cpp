#include "platform/cd/CdioDrive.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/TempDir.h"

namespace quivlane::test {
namespace {

// This machine has no CD drive: only the failure paths of the real drive can run here.
TEST(CdioDrive, OpeningWhatIsNoDriveFailsCleanly) {
    EXPECT_EQ(CdioDrive::Open("/nonexistent/sr9"), nullptr);
    TempDir folder;
    // A folder with nothing mounted on it names no drive.
    EXPECT_EQ(CdioDrive::Open(folder.Path().string()), nullptr);
    if (access("/dev/sr0", F_OK) != 0 && access("/dev/cdrom", F_OK) != 0) {
        EXPECT_EQ(CdioDrive::Open(""), nullptr);
    }
}

TEST(CdioDrive, FindsTheDeviceMountedAtAFolder) {
    const std::string table =
        "proc /proc proc rw 0 0\n"
        "/dev/sr0 /media/me/AUDIO\\040CD iso9660 ro,nosuid 0 0\n"
        "/dev/sda1 / ext4 rw 0 0\n";
    EXPECT_EQ(CdioDrive::DeviceMountedAt(table, "/media/me/AUDIO CD"), "/dev/sr0");
    EXPECT_EQ(CdioDrive::DeviceMountedAt(table, "/media/me/AUDIO CD/"), "/dev/sr0");
    EXPECT_EQ(CdioDrive::DeviceMountedAt(table, "/"), "/dev/sda1");
    EXPECT_EQ(CdioDrive::DeviceMountedAt(table, "/media/me"), "");
    EXPECT_EQ(CdioDrive::DeviceMountedAt("", "/media"), "");
    EXPECT_EQ(CdioDrive::DeviceMountedAt("broken\n\\0\n", "\\0"), "");

    EXPECT_EQ(CdioDrive::DeviceOfFolder(table, "/run/user/1000/gvfs/cdda:host=sr0/"), "/dev/sr0");
    EXPECT_EQ(CdioDrive::DeviceOfFolder(table, "/media/me/AUDIO CD"), "/dev/sr0");
    EXPECT_EQ(CdioDrive::DeviceOfFolder(table, "/run/gvfs/cdda:host="), "");
    EXPECT_EQ(CdioDrive::DeviceOfFolder(table, "/run/gvfs/cdda:host=.."), "");
}

}  // namespace
}  // namespace quivlane::test
