#include "config/ConfigPaths.h"

#include <gtest/gtest.h>

namespace quivlane {
namespace {

TEST(ConfigPathsTest, Launcher) {
    EXPECT_EQ(ConfigPaths::ForLauncher("/opt/q/Quivlane"), "/opt/q/Quivlane.xml");
    EXPECT_EQ(ConfigPaths::ForLauncher("/opt/q/Quivlane.exe"), "/opt/q/Quivlane.xml");
    EXPECT_EQ(ConfigPaths::ForLauncher("Quivlane"), "Quivlane.xml");
    // Another name: its own path with "ini", which is never there.
    EXPECT_EQ(ConfigPaths::ForLauncher("/opt/q/barre"), "/opt/q/barre.ini");
    EXPECT_EQ(ConfigPaths::ForLauncher("/opt/q/barre.exe"), "/opt/q/barre.ini");
    EXPECT_EQ(ConfigPaths::ForLauncher("/opt/q/quivlane"), "/opt/q/quivlane.ini");
    // Folders are never rewritten.
    EXPECT_EQ(ConfigPaths::ForLauncher("/home/Quivlane.ini/Quivlane"),
              "/home/Quivlane.ini/Quivlane.xml");
    EXPECT_EQ(ConfigPaths::ForLauncher("/home/Quivlane.ini/x"), "/home/Quivlane.ini/x.ini");
}

TEST(ConfigPathsTest, Editor) {
    EXPECT_EQ(ConfigPaths::ForEditor("/opt/q/Quivset"), "/opt/q/Quivlane.xml");
    EXPECT_EQ(ConfigPaths::ForEditor("/opt/q/Quivset.exe"), "/opt/q/Quivlane.xml");
    EXPECT_EQ(ConfigPaths::ForEditor("/opt/q/editeur"), "/opt/q/editeur");
    EXPECT_EQ(ConfigPaths::ForEditor("/opt/q/Quivset.bak"), "/opt/q/Quivset.bak");
    EXPECT_EQ(ConfigPaths::ForEditor("/opt/q/quivset"), "/opt/q/quivset");
    EXPECT_EQ(ConfigPaths::ForEditor("/home/Quivset.exe/Quivset"),
              "/home/Quivset.exe/Quivlane.xml");
    EXPECT_EQ(ConfigPaths::ForEditor("/home/Quivset/editeur"), "/home/Quivset/editeur");
}

}  // namespace
}  // namespace quivlane
