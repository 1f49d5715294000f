#include "editor/RegistryValue.h"

#include <gtest/gtest.h>

#include "editor/EditorPaths.h"
#include "platform/audio/LazySound.h"
#include "tests/support/FakeEditorPorts.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(RegistryValueTest, SplitsThePathAtItsLastBackslash) {
    test::MemoryRegistry registry;
    const RegistryValue plain(
        registry, "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Quivlane", "", false);
    EXPECT_EQ(plain.Subkey(), kRun);
    EXPECT_EQ(plain.ValueName(), "Quivlane");
    // Leading backslashes go, and so do those before the value name.
    const RegistryValue odd(registry, "\\\\Software\\Run\\\\Quivlane", "d", false);
    EXPECT_EQ(odd.Subkey(), "Software\\Run");
    EXPECT_EQ(odd.ValueName(), "Quivlane");
    EXPECT_EQ(odd.DefaultValue(), "d");
    const RegistryValue bare(registry, "Quivlane", "", false);
    EXPECT_EQ(bare.Subkey(), "");
    EXPECT_EQ(bare.ValueName(), "Quivlane");
}

TEST(RegistryValueTest, ReadsAtConstructionAndWritesOnlyChangesUnlessForced) {
    test::MemoryRegistry registry;
    registry.values[{kRun, "Quivlane"}] = "/a/Quivlane";
    RegistryValue value(registry, std::string(kRun) + "\\Quivlane", "/b/Quivlane", false);
    EXPECT_TRUE(value.Done());
    EXPECT_EQ(value.CurrentValue(), "/a/Quivlane");
    value.Set("/a/Quivlane");
    EXPECT_TRUE(registry.writes.empty());
    value.Set("/b/Quivlane");
    EXPECT_EQ(registry.writes, (std::vector<std::string>{"/b/Quivlane"}));

    RegistryValue forced(registry, std::string(kRun) + "\\Quivlane", "", true);
    forced.Set("/b/Quivlane");
    EXPECT_EQ(registry.writes.size(), 2u);

    // A missing value reads as empty and not done; a refused write is not done either.
    RegistryValue missing(registry, std::string(kRun) + "\\Autre", "", false);
    EXPECT_FALSE(missing.Done());
    EXPECT_EQ(missing.CurrentValue(), "");
    registry.refuseWrites = true;
    missing.Set("x");
    EXPECT_FALSE(missing.Done());
    EXPECT_EQ(missing.CurrentValue(), "x");
}

TEST(EditorPathsTest, HelpersSitBesideTheEditor) {
    // A folder it may write keeps the file beside the editor.
    const test::TempDir dir;
    EXPECT_EQ(EditorPaths::ConfigPath(dir.File("Quivset")), dir.File("Quivlane.xml"));
    EXPECT_EQ(EditorPaths::MagnifierPath("/opt/q/Quivset"), "/opt/q/qvlmg");
    EXPECT_EQ(EditorPaths::LauncherPath("/opt/q/Quivset"), "/opt/q/Quivlane");
    EXPECT_EQ(EditorPaths::LauncherPath("/opt/q/Quivset.exe"), "/opt/q/Quivlane");
    // Folders keep their names; another program name keeps its own path.
    EXPECT_EQ(EditorPaths::LauncherPath("/Quivset/bin/Quivset"), "/Quivset/bin/Quivlane");
    EXPECT_EQ(EditorPaths::MagnifierPath("/opt/q/editor"), "/opt/q/editor");
    EXPECT_EQ(EditorPaths::ConfigPath(dir.File("editor")), dir.File("editor"));
}

TEST(LazySoundTest, OpensTheRealOutputAtTheFirstSoundOnly) {
    int made = 0;
    test::RecordingSound* real = nullptr;
    LazySound sound([&] {
        ++made;
        auto recording = std::make_unique<test::RecordingSound>();
        real = recording.get();
        return recording;
    });
    EXPECT_FALSE(sound.Opened());
    EXPECT_EQ(made, 0);
    sound.Beep(100, 100);
    sound.Beep(50, 100);
    EXPECT_EQ(made, 1);
    ASSERT_NE(real, nullptr);
    EXPECT_EQ(real->beeps.size(), 2u);

    LazySound none([] { return std::unique_ptr<Sound>(); });
    none.Beep(100, 100);
    EXPECT_FALSE(none.PlayWaveAsync("x.wav"));
}

}  // namespace
}  // namespace quivlane
