#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/players/BarPlayers.h"
#include "launcher/players/CdMenu.h"
#include "media/Mp3Engine.h"
#include "platform/cd/Mci.h"
#include "tests/launcher/players/Mp3PlayerFixture.h"

namespace quivlane::test {
namespace {

// A CD drive with no disc: every command is recorded and answered with an empty text.
class RecordingMci final : public Mci {
  public:
    std::uint32_t SendString(const std::string& command, std::string& answer,
                             std::size_t /*answerSize*/) override {
        commands.push_back(command);
        answer.clear();
        return 0;
    }
    std::string ErrorString(std::uint32_t /*code*/) const override { return {}; }
    std::vector<std::string> commands;
};

// The bar's own click, command and close paths, with both players behind their port.
class BarPlayersTest : public Mp3PlayerFixture {
  protected:
    static constexpr int kMp3Button = 1000;
    static constexpr int kCdButton = 1001;

    void StartBar(const std::string& mp3Link, bool withCd = true) {
        const auto button = [this](int n, const std::string& label, const std::string& link) {
            const std::string record = "BOUTON" + std::to_string(n);
            settings.values[{record, "TEXTE"}] = label;
            settings.values[{record, "LIEN"}] = link;
        };
        button(1, "MP3", mp3Link);
        button(2, "CD", "LECTEUR_CD");
        settings.values[{"PARAMETRES", "HORLOGE"}] = "NON";
        players.SetCdMenu(withCd ? &cd : nullptr);
        FeaturePorts features;
        features.players = &players;
        bar.SetFeatures(features);
        bar.StartUp("/opt/quivlane/Quivlane.xml");
        view.painted.clear();
    }
    // A click whose menu answers `command`, then the posted command as the bar runs it.
    void ClickAndChoose(int buttonId, int command) {
        view.menuAnswer = command;
        view.posted.clear();
        bar.OnButtonClicked(buttonId);
        for (int posted : view.posted) {
            bar.OnMenuCommand(posted);
        }
    }

    RecordingMci mci;
    CdMenu cd{view, BarPorts{clock, shell, sound, power, boxes}, mci,
              [this](const std::string& text) { bar.ShowMessage(text); },
              [](const std::string&, const std::string&) { return std::string(); }};
    BarPlayers players{player};
};

TEST_F(BarPlayersTest, AClickOnTheMp3ButtonPlaysFromTheLinksFolder) {
    const std::string folder = Folder("music", {{"a.mp3", FileA()}});
    StartBar("LECTEUR_MP3?" + folder);
    EXPECT_EQ(nullptr, player.Engine()) << "no engine before the first click";

    ClickAndChoose(kMp3Button, Mp3FolderPlayer::kPlay);

    ASSERT_EQ(1u, view.menus.size());
    EXPECT_EQ(kMp3Button, view.menus[0].first);
    EXPECT_EQ(6u, view.menus[0].second.size());
    EXPECT_EQ(folder, state.mp3Folder);
    EXPECT_EQ(std::vector<std::string>{folder + "/a.mp3"}, state.mp3Paths);
    ASSERT_NE(nullptr, player.Engine());
    EXPECT_EQ(1, player.Engine()->GetStatus());
    EXPECT_EQ(1, Shown("Lecture MP3"));
    EXPECT_TRUE(mci.commands.empty());

    // The bar's tick reaches the MP3 step.
    ClickAndChoose(kMp3Button, Mp3FolderPlayer::kStop);
    bar.OnTimer(BarController::kTickTimerId);
    EXPECT_EQ(1, Shown("Arret MP3"));
    EXPECT_EQ(2, player.Engine()->GetStatus());
}

TEST_F(BarPlayersTest, TheCdMenuCreatesTheMp3EngineAndKeepsItsCommands) {
    StartBar("LECTEUR_MP3");
    ClickAndChoose(kCdButton, CdMenu::kPlay);

    EXPECT_NE(nullptr, player.Engine());
    ASSERT_EQ(1u, view.menus.size());
    EXPECT_EQ(kCdButton, view.menus[0].first);
    EXPECT_EQ(CdMenu::MenuEntries().size(), view.menus[0].second.size());
    EXPECT_FALSE(mci.commands.empty()) << "the CD command went to the CD menu";
    EXPECT_EQ(0, Shown("Pas de MP3"));
    EXPECT_EQ(1, Shown("Pas de disque"));

    // An MP3 command is the MP3 player's alone.
    const std::size_t cdCommands = mci.commands.size();
    ClickAndChoose(kMp3Button, Mp3FolderPlayer::kPlay);
    EXPECT_EQ(1, Shown("Pas de MP3"));
    EXPECT_EQ(cdCommands, mci.commands.size());
}

TEST_F(BarPlayersTest, ACloseRequestReleasesTheEngineAndTheList) {
    const std::string folder = Folder("music", {{"a.mp3", FileA()}});
    StartBar("LECTEUR_MP3?" + folder);
    ClickAndChoose(kMp3Button, Mp3FolderPlayer::kPlay);
    WaitForOpens(1);

    bar.ReleaseOnClose();

    EXPECT_EQ(nullptr, player.Engine());
    EXPECT_TRUE(state.mp3Paths.empty());
    EXPECT_FALSE(device.IsOpen());
}

TEST_F(BarPlayersTest, WithoutACdMenuTheCdButtonStillMakesTheEngine) {
    StartBar("LECTEUR_MP3", false);
    ClickAndChoose(kCdButton, 0);
    EXPECT_NE(nullptr, player.Engine());
    EXPECT_TRUE(view.menus.empty());
    bar.OnMenuCommand(CdMenu::kPlay);
    bar.OnTimer(BarController::kTickTimerId);
    bar.FarewellAndQuit();
    EXPECT_TRUE(mci.commands.empty());
}

}  // namespace
}  // namespace quivlane::test
