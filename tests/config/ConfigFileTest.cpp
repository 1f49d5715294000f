#include "config/ConfigFile.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "config/ConfigSkeleton.h"
#include "config/XmlSettingsStore.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

// Answers every read with its default and records the calls.
class RecordingStore final : public SettingsStore {
  public:
    using Call = std::tuple<std::string, std::string, std::string>;
    void SetPath(const std::string& path) override { paths.push_back(path); }
    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
        reads.emplace_back(section, key, defaultValue);
        return defaultValue;
    }
    int SetValue(const std::string&, const std::string&, const std::string&) override { return -1; }
    std::vector<std::string> paths;
    std::vector<Call> reads;
};

class ConfigFileTest : public ::testing::Test {
  protected:
    ConfigFileTest() { store.SetPath(path); }
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        ASSERT_EQ(store.SetValue(section, key, value), 0);
    }

    test::TempDir dir;
    std::string path = dir.File("Quivlane.xml");
    test::ScriptedMessageBoxes boxes;
    XmlSettingsStore store{boxes};
};

TEST_F(ConfigFileTest, LauncherStartReadsInItsOrder) {
    RecordingStore recording;
    const LauncherConfig config = ReadLauncherConfig(recording, path, "CACHER_QUIVLANE");
    std::vector<RecordingStore::Call> expected = {{"PARAMETRES", "BOUTONQUITTER", "OUI"},
                                                  {"PARAMETRES", "SON", "NON"},
                                                  {"PARAMETRES", "TOOLTIPS", "NON"}};
    for (int n = 1; n <= 19; ++n) {
        const std::string section = "BOUTON" + std::to_string(n);
        expected.emplace_back(section, "TEXTE", "RIEN");
        expected.emplace_back(section, "LIEN", "");
        expected.emplace_back(section, "COULEURTEXTE", "NOIR");
        expected.emplace_back(section, "COMMENTAIRE", "");
    }
    // The search for the hide button comes before the last two switches.
    for (int n = 1; n <= 19; ++n) {
        expected.emplace_back("BOUTON" + std::to_string(n), "LIEN", "RIEN");
    }
    expected.emplace_back("PARAMETRES", "AUTOHIDE", "NON");
    expected.emplace_back("PARAMETRES", "HORLOGE", "NON");
    EXPECT_EQ(recording.reads, expected);
    EXPECT_EQ(recording.reads.size(), 100u);
    EXPECT_EQ(recording.paths, (std::vector<std::string>{path, path}));
    EXPECT_EQ(config.buttons[18], (ButtonSettings{"RIEN", "", "", "NOIR"}));
    EXPECT_EQ(config.hideButtonId, -1);
}

TEST_F(ConfigFileTest, EditorReadsInItsOrder) {
    RecordingStore recording;
    EXPECT_EQ(ReadEditorSwitches(recording), EditorSwitches{});
    ReadButtonForEditor(recording, "BOUTON7");
    const std::vector<RecordingStore::Call> expected = {
        {"PARAMETRES", "SON", "OUI"},      {"PARAMETRES", "BOUTONQUITTER", "OUI"},
        {"PARAMETRES", "TOOLTIPS", "OUI"}, {"PARAMETRES", "AUTOSTART", "NON"},
        {"PARAMETRES", "AUTOHIDE", "NON"}, {"PARAMETRES", "HORLOGE", "NON"},
        {"BOUTON7", "TEXTE", ""},          {"BOUTON7", "LIEN", ""},
        {"BOUTON7", "COMMENTAIRE", ""},    {"BOUTON7", "COULEURTEXTE", ""}};
    EXPECT_EQ(recording.reads, expected);
}

TEST_F(ConfigFileTest, MissingFileGivesEachProgramItsDefaults) {
    const LauncherConfig launcher = ReadLauncherConfig(store, path, "CACHER_QUIVLANE");
    EXPECT_EQ(launcher.settings, (LauncherSettings{true, false, false, false, false}));
    for (const ButtonSettings& slot : launcher.buttons) {
        EXPECT_EQ(slot, (ButtonSettings{"RIEN", "", "", "NOIR"}));
    }
    EXPECT_EQ(ReadEditorSwitches(store), (EditorSwitches{true, false, true, true, false, false}));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ConfigFileTest, SkeletonReadsAsEmptyLabelsAndEmptySwitches) {
    ASSERT_TRUE(WriteSkeleton(path));
    const LauncherConfig launcher = ReadLauncherConfig(store, path, "CACHER_QUIVLANE");
    // Empty switches: anything but "NON" is on, only "OUI" fades.
    EXPECT_EQ(launcher.settings, (LauncherSettings{true, true, true, false, true}));
    for (const ButtonSettings& slot : launcher.buttons) {
        EXPECT_EQ(slot, (ButtonSettings{"", "", "", "NOIR"}));
    }
    EXPECT_EQ(ReadEditorSwitches(store),
              (EditorSwitches{false, false, false, false, false, false}));
    EXPECT_EQ(ReadButtonForEditor(store, "BOUTON4"), ButtonSettings{});
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ConfigFileTest, LauncherAndEditorJudgeValuesDifferently) {
    Set("PARAMETRES", "SON", "oui");
    Set("PARAMETRES", "BOUTONQUITTER", "non");
    Set("PARAMETRES", "AUTOHIDE", "oui");
    Set("PARAMETRES", "TOOLTIPS", "NON");
    Set("PARAMETRES", "HORLOGE", "OUI");
    Set("PARAMETRES", "AUTOSTART", "OUI");
    const LauncherSettings launcher = ReadLauncherConfig(store, path, "CACHER_QUIVLANE").settings;
    EXPECT_TRUE(launcher.soundOn);
    EXPECT_TRUE(launcher.quitButtonShown);
    EXPECT_FALSE(launcher.autoHideOn);
    EXPECT_FALSE(launcher.tooltipsOn);
    EXPECT_TRUE(launcher.clockOn);
    const EditorSwitches editor = ReadEditorSwitches(store);
    EXPECT_EQ(editor, (EditorSwitches{false, true, false, false, false, true}));
}

TEST_F(ConfigFileTest, EachEditorBoxFollowsItsOwnElement) {
    const std::pair<std::string_view, bool EditorSwitches::*> elements[] = {
        {"SON", &EditorSwitches::son},
        {"AUTOSTART", &EditorSwitches::autostart},
        {"BOUTONQUITTER", &EditorSwitches::boutonQuitter},
        {"TOOLTIPS", &EditorSwitches::tooltips},
        {"AUTOHIDE", &EditorSwitches::autohide},
        {"HORLOGE", &EditorSwitches::horloge}};
    for (const auto& [ticked, box] : elements) {
        for (const auto& element : elements) {
            Set("PARAMETRES", std::string(element.first), element.first == ticked ? "OUI" : "NON");
        }
        EditorSwitches expected{false, false, false, false, false, false};
        expected.*box = true;
        EXPECT_EQ(ReadEditorSwitches(store), expected) << ticked;
    }
}

TEST_F(ConfigFileTest, ButtonsWrittenByTheEditorReadBackInTheLauncher) {
    Set("BOUTON1", "TEXTE", "Météo");
    Set("BOUTON1", "LIEN", "https://example.org/?a=1&b=2");
    Set("BOUTON1", "COMMENTAIRE", "<h2>Prévisions</h2>");
    Set("BOUTON1", "COULEURTEXTE", "rouge");
    Set("BOUTON4", "TEXTE", "seul");  // buttons 2, 3 and 5 are absent
    const LauncherConfig launcher = ReadLauncherConfig(store, path, "CACHER_QUIVLANE");
    EXPECT_EQ(launcher.buttons[0], (ButtonSettings{"Météo", "https://example.org/?a=1&b=2",
                                                   "<h2>Prévisions</h2>", "rouge"}));
    EXPECT_EQ(launcher.buttons[3], (ButtonSettings{"seul", "", "", "NOIR"}));
    EXPECT_EQ(launcher.buttons[4], (ButtonSettings{"RIEN", "", "", "NOIR"}));
    EXPECT_EQ(ReadButtonForEditor(store, "BOUTON4"), (ButtonSettings{"seul", "", "", ""}));
    EXPECT_EQ(ReadButtonForEditor(store, "BOUTON1").label, "Météo");
}

TEST_F(ConfigFileTest, MalformedFileCostsOneMessagePerLauncherRead) {
    dir.Write("Quivlane.xml", "<XMLConfigSettings>");
    const LauncherConfig launcher = ReadLauncherConfig(store, path, "CACHER_QUIVLANE");
    EXPECT_EQ(boxes.boxes.size(), 100u);
    EXPECT_EQ(launcher.buttons[0].label, "RIEN");
    boxes.boxes.clear();
    EXPECT_EQ(FindButtonWithLink(store, path, "CACHER_QUIVLANE"), -1);
    EXPECT_EQ(boxes.boxes.size(), 19u);
}

TEST_F(ConfigFileTest, FindButtonWithLinkScansFromFirstIdAndRebindsThePath) {
    Set("BOUTON7", "LIEN", "CACHER_QUIVLANE");
    Set("BOUTON12", "LIEN", "CACHER_QUIVLANE");
    Set("BOUTON19", "LIEN", "RIEN");
    Set("BOUTON3", "LIEN", "cacher_quivlane");
    store.SetPath(dir.File("ailleurs.xml"));
    EXPECT_EQ(FindButtonWithLink(store, path, "CACHER_QUIVLANE"), 1006);
    EXPECT_EQ(store.Path(), path);
    EXPECT_EQ(FindButtonWithLink(store, path, "CACHER_QUIVLANE", 1007), 1011);
    EXPECT_EQ(FindButtonWithLink(store, path, "CACHER_QUIVLANE", 1012), -1);
    EXPECT_EQ(FindButtonWithLink(store, path, "CACHER_QUIVLANE", 5), 1006);
    // Buttons without a link element read as "RIEN".
    EXPECT_EQ(FindButtonWithLink(store, path, "RIEN"), 1000);
    EXPECT_EQ(FindButtonWithLink(store, path, "RIEN", 1018), 1018);

    RecordingStore recording;
    EXPECT_EQ(FindButtonWithLink(recording, path, "x", 1010), -1);
    EXPECT_EQ(recording.paths, std::vector<std::string>{path});
    ASSERT_EQ(recording.reads.size(), 9u);
    EXPECT_EQ(recording.reads.front(), (RecordingStore::Call{"BOUTON11", "LIEN", "RIEN"}));
}

}  // namespace
}  // namespace quivlane
