#include "launcher/players/CdMenu.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/cd/MciInterpreter.h"
#include "tests/support/BarFakes.h"
#include "tests/support/FakePorts.h"
#include "tests/support/ForwardingCdDrive.h"
#include "tests/support/ScriptedMci.h"
#include "tests/support/SimulatedCdDrive.h"

namespace quivlane::test {
namespace {

using Texts = std::vector<std::string>;

// The menu over the real interpreter and a simulated disc of three tracks (3:00, 4:00, 0:30).
class CdMenuTest : public ::testing::Test {
  protected:
    CdMenuTest()
        : mci([this](const std::string& element) -> std::unique_ptr<CdDrive> {
              opened.push_back(element);
              return std::make_unique<ForwardingCdDrive>(drive);
          }),
          menu(
              view, ports, mci, [this](const std::string& text) { messages.push_back(text); },
              [this](const std::string& instruction, const std::string& initial) {
                  chooserTexts = {instruction, initial};
                  return chosenFolder;
              }) {
        drive.InsertDisc({180, 240, 30});
        state.cdLastPosition = -1;
    }

    bool Command(int command) { return menu.OnMenuCommand(command, state); }
    std::string Mode() {
        std::string answer;
        std::uint32_t code = mci.SendString("status cdaudio mode", answer, 64);
        return code == 0 ? answer : "error " + std::to_string(code);
    }
    int Track() {
        std::string answer;
        mci.SendString("status cdaudio current track", answer, 16);
        return std::stoi(answer);
    }

    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    BarPorts ports{clock, shell, sound, power, boxes};
    RecordingBarView view;
    SimulatedCdDrive drive{clock};
    std::vector<std::string> opened;
    MciInterpreter mci;
    Texts messages;
    Texts chooserTexts;
    std::string chosenFolder;
    CdMenu menu;
    PlayerState state;
};

TEST_F(CdMenuTest, TheMenuShowsUnderTheButtonAndPostsTheChoice) {
    view.menuAnswer = CdMenu::kNextTrack;
    menu.OpenMenu(1004, state);
    ASSERT_EQ(view.menus.size(), 1u);
    EXPECT_EQ(view.menus[0].first, 1004);
    EXPECT_EQ(view.menus[0].second,
              (Texts{"Lecteur CD", "Lecture", "Rejouer piste", "<- Précédente", "Suivante ->",
                     "Pause/Reprise", "Arrêt", "Ouvre/Ferme"}));
    EXPECT_EQ(view.posted, std::vector<int>{32784});

    view.menuAnswer = 0;
    menu.OpenMenu(1004, state);
    EXPECT_EQ(view.posted.size(), 1u);

    const std::vector<int> ids = {32776, 32782, 32788, 32785, 32784, 32780, 32781, 32783};
    const std::vector<MenuEntry> entries = CdMenu::MenuEntries();
    ASSERT_EQ(entries.size(), ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(entries[i].command, ids[i]);
    }
    // Opening the menu alone does not touch the drive.
    EXPECT_FALSE(menu.HasPlayer());
}

TEST_F(CdMenuTest, OtherCommandsAreNotTheMenus) {
    for (const int command : {32771, 32775, 32789, 32790, 1000}) {
        EXPECT_FALSE(Command(command)) << command;
    }
    EXPECT_FALSE(menu.HasPlayer());
    EXPECT_TRUE(opened.empty());
}

TEST_F(CdMenuTest, PlayPauseResumeAndStop) {
    EXPECT_TRUE(Command(CdMenu::kPlay));
    EXPECT_TRUE(menu.HasPlayer());
    EXPECT_EQ(Mode(), "playing");
    EXPECT_EQ(state.cdLastPosition, 2);

    clock.AdvanceSeconds(20);
    EXPECT_TRUE(Command(CdMenu::kPauseOrResume));
    EXPECT_EQ(Mode(), "paused");
    // A paused disc is not stopped.
    EXPECT_TRUE(Command(CdMenu::kStop));
    EXPECT_EQ(Mode(), "paused");
    EXPECT_TRUE(Command(CdMenu::kPauseOrResume));
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(Command(CdMenu::kStop));
    EXPECT_EQ(Mode(), "stopped");
    std::string position;
    mci.SendString("status cdaudio position", position, 16);
    EXPECT_EQ(position, "00:02:00");

    EXPECT_EQ(messages, (Texts{"Lecture CD", "CD en pause", "Reprise CD", "Arret CD"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CdMenuTest, NoDiscLeavesNoPlayerAndTheNextCommandMakesANewOne) {
    drive.RemoveDisc();
    Command(CdMenu::kPlay);
    EXPECT_EQ(messages, Texts{"Pas de disque"});
    EXPECT_FALSE(menu.HasPlayer());
    EXPECT_EQ(state.cdLastPosition, -1);

    for (const int command : {CdMenu::kPauseOrResume, CdMenu::kStop, CdMenu::kNextTrack,
                              CdMenu::kPreviousTrack, CdMenu::kReplayTrack}) {
        messages.clear();
        Command(command);
        EXPECT_EQ(messages, Texts{"Pas de disque"}) << command;
        EXPECT_TRUE(menu.HasPlayer()) << command;
    }

    drive.InsertDisc({60});
    messages.clear();
    Command(CdMenu::kPlay);
    EXPECT_EQ(messages, Texts{"Lecture CD"});
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CdMenuTest, NextAndPreviousShowTheTrackNumber) {
    Command(CdMenu::kPlay);
    messages.clear();
    Command(CdMenu::kPreviousTrack);
    EXPECT_EQ(Track(), 1);
    Command(CdMenu::kNextTrack);
    EXPECT_EQ(Track(), 2);
    EXPECT_EQ(state.cdLastPosition, 182);
    Command(CdMenu::kNextTrack);
    EXPECT_EQ(Track(), 3);
    EXPECT_EQ(state.cdLastPosition, 422);
    Command(CdMenu::kNextTrack);
    EXPECT_EQ(Track(), 3);
    Command(CdMenu::kPreviousTrack);
    EXPECT_EQ(Track(), 2);
    EXPECT_EQ(messages, (Texts{"   Piste 01   ", "   Piste 02   ", "   Piste 03   ",
                               "   Piste 03   ", "   Piste 02   "}));
    EXPECT_EQ(Mode(), "playing");

    // Only a playing disc skips.
    Command(CdMenu::kStop);
    messages.clear();
    Command(CdMenu::kNextTrack);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Mode(), "stopped");
}

TEST_F(CdMenuTest, ReplayGoesBackToTheTrackStartOnceOneWasTaken) {
    // A play started elsewhere leaves no track start: no seek, but the number is shown.
    std::string answer;
    mci.SendString("open cdaudio", answer, 0);
    mci.SendString("play cdaudio from 00:40:00", answer, 0);
    const std::size_t calls = drive.calls.size();
    Command(CdMenu::kReplayTrack);
    EXPECT_EQ(drive.calls.size(), calls);
    EXPECT_EQ(messages, Texts{"   Piste 01   "});

    Command(CdMenu::kNextTrack);
    clock.AdvanceSeconds(30);
    messages.clear();
    Command(CdMenu::kReplayTrack);
    EXPECT_EQ(messages, Texts{"   Piste 02   "});
    mci.SendString("status cdaudio position", answer, 16);
    EXPECT_EQ(answer, "03:02:00");
    EXPECT_EQ(Mode(), "playing");
}

TEST_F(CdMenuTest, OpenOrCloseTogglesTheTray) {
    Command(CdMenu::kOpenOrClose);
    EXPECT_TRUE(drive.trayOpen);
    Command(CdMenu::kOpenOrClose);
    EXPECT_FALSE(drive.trayOpen);
    EXPECT_EQ(messages, (Texts{"Ouvre/Ferme", "Ouvre/Ferme"}));
    // A failing tray is shown no box.
    drive.failTray = true;
    Command(CdMenu::kOpenOrClose);
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CdMenuTest, TheTickStartsAFinishedDiscAgain) {
    Command(CdMenu::kPlay);
    menu.Tick(state);
    EXPECT_EQ(Mode(), "playing");
    const std::size_t plays = drive.calls.size();
    // A disc stopped on its first track of three stays stopped.
    Command(CdMenu::kStop);
    menu.Tick(state);
    EXPECT_EQ(Mode(), "stopped");
    EXPECT_EQ(drive.calls.size(), plays + 1);

    std::string answer;
    mci.SendString("play cdaudio from 07:30:00", answer, 0);
    clock.AdvanceSeconds(3);
    state.cdLastPosition = -1;
    menu.Tick(state);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_EQ(Track(), 1);
    EXPECT_EQ(drive.calls.back(), "play 150-" + std::to_string(450 * 75 + 150));
    EXPECT_EQ(state.cdLastPosition, 2);
}

TEST_F(CdMenuTest, AOneTrackDiscStartsAgainAfterStop) {
    drive.InsertDisc({60});
    Command(CdMenu::kPlay);
    clock.AdvanceSeconds(10);
    Command(CdMenu::kStop);
    EXPECT_EQ(Mode(), "stopped");
    menu.Tick(state);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_EQ(state.cdLastPosition, 2);
}

TEST_F(CdMenuTest, TheTickDoesNothingWithoutAPlayer) {
    menu.Tick(state);
    EXPECT_FALSE(menu.HasPlayer());
    EXPECT_TRUE(opened.empty());
}

TEST_F(CdMenuTest, PlayErrorsComeInABox) {
    drive.failPlay = true;
    Command(CdMenu::kPlay);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "MCI Error");
    EXPECT_EQ(boxes.boxes[0].text, mci.ErrorString(MciInterpreter::kHardware));
    EXPECT_EQ(messages, Texts{"Lecture CD"});
}

TEST_F(CdMenuTest, FarewellStopsAPlayingDiscAndClosesTheDevice) {
    Command(CdMenu::kPlay);
    menu.Stop(state);
    EXPECT_FALSE(menu.HasPlayer());
    EXPECT_EQ(drive.calls.back(), "stop");
    EXPECT_EQ(Mode(), "error " + std::to_string(MciInterpreter::kInvalidDeviceName));
    EXPECT_EQ(drive.Status().state, CdAudioState::Idle);

    // A close request does the same; with nothing held it does nothing.
    Command(CdMenu::kPlay);
    Command(CdMenu::kPauseOrResume);
    menu.ReleaseAll(state);
    EXPECT_FALSE(menu.HasPlayer());
    EXPECT_EQ(drive.Status().state, CdAudioState::Idle);
    menu.ReleaseAll(state);
    menu.Stop(state);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(CdMenuTest, ChoosingADriveOpensItUnderItsAlias) {
    chosenFolder = "";
    Command(CdMenu::kChooseDrive);
    EXPECT_EQ(chooserTexts, (Texts{"Sélectionnez le lecteur de CD", "Choix du lecteur de CD"}));
    EXPECT_EQ(opened, Texts{""});
    EXPECT_TRUE(clock.waits.empty());

    chosenFolder = "/media/me/Audio CD";
    Command(CdMenu::kChooseDrive);
    EXPECT_EQ(opened, (Texts{"", "/media/me/Audio CD"}));
    EXPECT_EQ(clock.waits, std::vector<int>{1000});
    EXPECT_TRUE(menu.HasPlayer());
    EXPECT_TRUE(messages.empty());
    std::string answer;
    EXPECT_EQ(mci.SendString("status CDDriveName media present", answer, 16), 0u);

    drive.RemoveDisc();
    Command(CdMenu::kChooseDrive);
    EXPECT_FALSE(menu.HasPlayer());
    EXPECT_EQ(messages, Texts{"Pas de disque"});
    EXPECT_TRUE(boxes.boxes.empty());
}

// Queries that fail answer 0; two zeros are no finished disc.
TEST(CdMenuFailingDevice, TheTickDoesNotRestartWhenTheDiscCannotBeRead) {
    ScriptedMci mci;
    mci.replies["status cdaudio mode wait"] = {0, "stopped"};
    mci.replies["status cdaudio media present"] = {0, "true"};
    mci.replies["status cdaudio number of tracks"] = {276, ""};
    mci.replies["status cdaudio current track"] = {276, ""};
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    RecordingBarView view;
    PlayerState state;
    Texts messages;
    CdMenu menu(
        view, BarPorts{clock, shell, sound, power, boxes}, mci,
        [&](const std::string& text) { messages.push_back(text); }, nullptr);
    menu.OnMenuCommand(CdMenu::kStop, state);
    boxes.boxes.clear();
    mci.commands.clear();
    menu.Tick(state);
    for (const std::string& command : mci.commands) {
        EXPECT_EQ(command.rfind("play", 0), std::string::npos) << command;
    }
    // The failed count is reported once; nothing is played on it.
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

}  // namespace
}  // namespace quivlane::test
