#include "platform/autostart/XdgAutostartRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

constexpr const char* kRun = XdgAutostartRegistry::kRunKey;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(XdgAutostartRegistryTest, WritesAnEntryThatRunsTheLauncherAndReadsItBack) {
    test::TempDir dir;
    const ScopedEnv xdg("XDG_CONFIG_HOME", dir.Path().string());
    XdgAutostartRegistry registry;
    EXPECT_EQ(registry.ReadString(kRun, "Quivlane"), std::nullopt);
    ASSERT_TRUE(registry.WriteString(kRun, "Quivlane", "/opt/quivlane/Quivlane"));
    EXPECT_EQ(test::ReadFile(dir.File("autostart/Quivlane.desktop")),
              "[Desktop Entry]\nType=Application\nName=Quivlane\n"
              "Exec=/opt/quivlane/Quivlane\n");
    EXPECT_EQ(registry.ReadString(kRun, "Quivlane"), "/opt/quivlane/Quivlane");
}

TEST(XdgAutostartRegistryTest, AnEmptyValueStaysAsAHiddenEntry) {
    test::TempDir dir;
    XdgAutostartRegistry registry(dir.Path().string());
    ASSERT_TRUE(registry.WriteString(kRun, "Quivlane", "/opt/quivlane/Quivlane"));
    ASSERT_TRUE(registry.WriteString(kRun, "Quivlane", ""));
    const std::string entry = test::ReadFile(dir.File("autostart/Quivlane.desktop"));
    EXPECT_NE(entry.find("\nHidden=true\n"), std::string::npos) << entry;
    EXPECT_EQ(registry.ReadString(kRun, "Quivlane"), "");
    // Setting it again brings the entry back to life.
    ASSERT_TRUE(registry.WriteString(kRun, "Quivlane", "/opt/q/Quivlane"));
    EXPECT_EQ(test::ReadFile(dir.File("autostart/Quivlane.desktop")).find("Hidden"),
              std::string::npos);
}

TEST(XdgAutostartRegistryTest, PathsWithSpacesAndSpecialCharactersSurviveTheExecQuoting) {
    test::TempDir dir;
    XdgAutostartRegistry registry(dir.Path().string());
    for (const std::string path :
         {"/home/moi/Mes Programmes/Quivlane", "/opt/100%/Quivlane", "/opt/a\"b/$HOME/`x`\\y",
          "/opt/été/Quivlane", "/opt/x;rm -rf ~/Quivlane"}) {
        ASSERT_TRUE(registry.WriteString(kRun, "Quivlane", path)) << path;
        EXPECT_EQ(registry.ReadString(kRun, "Quivlane"), path);
    }
    EXPECT_EQ(XdgAutostartRegistry::ExecLine("/a b/Quivlane"), "\"/a b/Quivlane\"");
    EXPECT_EQ(XdgAutostartRegistry::ExecLine("/a%b"), "/a%%b");
    // The argument's backslash escape, then the string's own.
    EXPECT_EQ(XdgAutostartRegistry::ExecLine("/a\\b"), "\"/a\\\\\\\\b\"");
}

TEST(XdgAutostartRegistryTest, RefusesWhatAnEntryCannotCarry) {
    test::TempDir dir;
    XdgAutostartRegistry registry(dir.Path().string());
    // A line break would add keys of its own to the entry.
    EXPECT_FALSE(registry.WriteString(kRun, "Quivlane", "/opt/Quivlane\nHidden=true"));
    EXPECT_FALSE(registry.WriteString("Software\\Autre", "Quivlane", "/x"));
    EXPECT_FALSE(registry.WriteString(kRun, "../evil", "/x"));
    EXPECT_FALSE(registry.WriteString(kRun, "", "/x"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("autostart/Quivlane.desktop")));
    // Key names ignore case, as the registry's do.
    EXPECT_TRUE(registry.WriteString("software\\microsoft\\windows\\currentversion\\run",
                                     "Quivlane", "/x"));
}

TEST(XdgAutostartRegistryTest, FallsBackToDotConfigInTheHomeFolder) {
    test::TempDir dir;
    const ScopedEnv home("HOME", dir.Path().string());
    // A relative XDG_CONFIG_HOME is not valid and is ignored.
    const ScopedEnv xdg("XDG_CONFIG_HOME", std::string("relative/config"));
    XdgAutostartRegistry registry;
    EXPECT_EQ(registry.EntryPath(kRun, "Quivlane"), dir.File(".config/autostart/Quivlane.desktop"));
    ASSERT_TRUE(registry.WriteString(kRun, "Quivlane", "/x/Quivlane"));
    EXPECT_TRUE(std::filesystem::exists(dir.File(".config/autostart/Quivlane.desktop")));
}

TEST(XdgAutostartRegistryTest, ReadsAnEntryEditedByHand) {
    test::TempDir dir;
    XdgAutostartRegistry registry(dir.Path().string());
    std::filesystem::create_directories(dir.Path() / "autostart");
    dir.Write("autostart/Quivlane.desktop",
              "# mine\n[Desktop Entry]\nName=Quivlane\nExec = /usr/local/bin/Quivlane --x\n"
              "[Desktop Action more]\nExec=/other\n");
    EXPECT_EQ(registry.ReadString(kRun, "Quivlane"), "/usr/local/bin/Quivlane");
    dir.Write("autostart/Quivlane.desktop", "[Desktop Entry]\nName=Quivlane\n");
    EXPECT_EQ(registry.ReadString(kRun, "Quivlane"), std::nullopt);
}

}  // namespace
}  // namespace quivlane
