#include "config/ConfigPaths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/TempDir.h"
#include "tests/support/Unprivileged.h"

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

namespace quivlane {
namespace {

TEST(ConfigPathsTest, LocateBesideTheProgramOrPerUser) {
    test::TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::string bin = dir.File("bin");
    ASSERT_EQ(::mkdir(bin.c_str(), 0755), 0);
    const std::string program = bin + "/Quivlane";
    using P = ConfigPaths::Program;
    const ConfigPaths::UserFolders xdg{"/xdg", "/maison"};
    const ConfigPaths::UserFolders unset{"", "/maison"};
    const ConfigPaths::UserFolders relative{"xdg", "/maison"};

    // Root may write the folder: a portable copy.
    if (::geteuid() == 0) {
        EXPECT_EQ(ConfigPaths::Locate(P::Launcher, program, xdg), bin + "/Quivlane.xml");
        EXPECT_EQ(ConfigPaths::Locate(P::Editor, bin + "/Quivset", xdg), bin + "/Quivlane.xml");
    }
    const auto user = test::FindUnprivilegedUser();
    if (!user) {
        GTEST_SKIP() << "no unprivileged user to run as";
    }
    const auto locateAs = [&](P which, const std::string& path,
                              const ConfigPaths::UserFolders& folders) {
        return test::RunUnprivileged([&] { return ConfigPaths::Locate(which, path, folders); })
            .value_or("no child");
    };
    // A folder the user may not write, no file there: the per-user file.
    EXPECT_EQ(locateAs(P::Launcher, program, xdg), "/xdg/Quivlane/Quivlane.xml");
    EXPECT_EQ(locateAs(P::Editor, bin + "/Quivset", unset),
              "/maison/.config/Quivlane/Quivlane.xml");
    EXPECT_EQ(locateAs(P::Launcher, program, relative), "/maison/.config/Quivlane/Quivlane.xml");
    // A file already there wins even in a read-only folder.
    test::WriteFile(bin + "/Quivlane.xml", "<x/>");
    EXPECT_EQ(locateAs(P::Launcher, program, xdg), bin + "/Quivlane.xml");
    EXPECT_EQ(locateAs(P::Editor, bin + "/Quivset", xdg), bin + "/Quivlane.xml");
    ::unlink((bin + "/Quivlane.xml").c_str());
    // A folder the user owns: portable again.
    ASSERT_EQ(::chown(bin.c_str(), user->uid, user->gid), 0);
    EXPECT_EQ(locateAs(P::Launcher, program, xdg), bin + "/Quivlane.xml");
}

TEST(ConfigPathsTest, DataFilesBesideTheFileInUseThenInstalled) {
    test::TempDir dir;
    const std::string config = dir.File("cfg/Quivlane.xml");
    ASSERT_EQ(::mkdir(dir.File("cfg").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(dir.File("share").c_str(), 0755), 0);
    dir.Write("share/alarme.wav", "installe");
    EXPECT_EQ(ConfigPaths::FindDataFile(config, "alarme.wav", dir.File("share")),
              dir.File("share/alarme.wav"));
    dir.Write("cfg/alarme.wav", "local");
    EXPECT_EQ(ConfigPaths::FindDataFile(config, "alarme.wav", dir.File("share")),
              dir.File("cfg/alarme.wav"));
    EXPECT_EQ(ConfigPaths::FindDataFile(config, "absent.bmp", dir.File("share")), "");
}

}  // namespace
}  // namespace quivlane
