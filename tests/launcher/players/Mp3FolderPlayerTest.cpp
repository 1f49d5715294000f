#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/XmlSettingsStore.h"
#include "tests/launcher/players/Mp3PlayerFixture.h"

namespace quivlane::test {
namespace {

using PlayState = PlayerState::Mp3PlayState;

// --- Folder scan -------------------------------------------------------------------------

TEST(Mp3PlayerScan, KeepsMp3FilesInListingOrderAndSkipsEverythingElse) {
    TempDir dir;
    for (const char* name : {"b.mp3", "A.MP3", "c.Mp3", "notes.txt", "song.mp3.bak", "mp3",
                             "track.mp3x", ".mp3", "d é.mp3"}) {
        dir.Write(name, "x");
    }
    std::filesystem::create_directory(dir.Path() / "folder.mp3");
    // A pipe, or a link to one, would hang the player at its open; a link to a file is a file.
    ASSERT_EQ(0, ::mkfifo(dir.File("pipe.mp3").c_str(), 0600));
    std::filesystem::create_symlink(dir.Path() / "pipe.mp3", dir.Path() / "to-pipe.mp3");
    std::filesystem::create_symlink(dir.Path() / "b.mp3", dir.Path() / "to-b.mp3");
    std::filesystem::create_symlink(dir.Path() / "gone", dir.Path() / "dangling.mp3");
    const std::string folder = dir.Path().string();

    std::vector<std::string> expected;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename().string();
        if (name == "b.mp3" || name == "A.MP3" || name == "c.Mp3" || name == ".mp3" ||
            name == "d é.mp3" || name == "to-b.mp3") {
            expected.push_back(folder + "/" + name);
        }
    }
    EXPECT_EQ(expected, Mp3FolderPlayer::Scan(folder));
}

TEST(Mp3PlayerScan, EmptyMissingOrUnnamedFoldersGiveNothing) {
    TempDir dir;
    EXPECT_TRUE(Mp3FolderPlayer::Scan(dir.Path().string()).empty());
    EXPECT_TRUE(Mp3FolderPlayer::Scan(dir.File("missing")).empty());
    // Not the process's current directory, whatever it holds.
    const std::filesystem::path previous = std::filesystem::current_path();
    dir.Write("here.mp3", "x");
    std::filesystem::current_path(dir.Path());
    EXPECT_TRUE(Mp3FolderPlayer::Scan("").empty());
    EXPECT_TRUE(Mp3FolderPlayer::Scan(dir.File("missing")).empty());
    std::filesystem::current_path(previous);
}

TEST(Mp3PlayerScan, ALinkEndingInASlashKeepsTheLiteralJoin) {
    TempDir dir;
    dir.Write("x.mp3", "x");
    const std::string folder = dir.Path().string() + "/";
    EXPECT_EQ(std::vector<std::string>{folder + "/x.mp3"}, Mp3FolderPlayer::Scan(folder));
}

// --- Random pick ---------------------------------------------------------------------------

TEST(Mp3PlayerRandomPick, ScalesTheDrawToTheListAndAvoidsTheCurrentFile) {
    std::vector<int> values;
    auto from = [&values]() -> Mp3FolderPlayer::RandomSource {
        return [&values, i = std::size_t{0}]() mutable { return values.at(i++); };
    };
    values = {0, 10922, 10923, 32767};
    auto random = from();
    EXPECT_EQ(0, Mp3FolderPlayer::RandomPick(3, -1, random));
    EXPECT_EQ(0, Mp3FolderPlayer::RandomPick(3, -1, random));
    EXPECT_EQ(1, Mp3FolderPlayer::RandomPick(3, -1, random));
    EXPECT_EQ(2, Mp3FolderPlayer::RandomPick(3, -1, random));

    // Draws that land on the current index are drawn again.
    values = {20000, 30000, 100};
    random = from();
    EXPECT_EQ(0, Mp3FolderPlayer::RandomPick(2, 1, random));

    // One file needs no draw at all.
    values = {};
    random = from();
    EXPECT_EQ(0, Mp3FolderPlayer::RandomPick(1, 0, random));
}

TEST(Mp3PlayerRandomPick, GivesUpAfterTwoHundredDrawsAndKeepsTheLast) {
    int drawn = 0;
    Mp3FolderPlayer::RandomSource stuck = [&drawn] {
        ++drawn;
        return 32767;
    };
    EXPECT_EQ(4, Mp3FolderPlayer::RandomPick(5, 4, stuck));
    EXPECT_EQ(200, drawn);
}

TEST(Mp3PlayerRandomPick, SeededGeneratorStaysInRangeAndRepeatsForTheSameSeed) {
    auto first = Mp3FolderPlayer::SeededRandom(42);
    auto second = Mp3FolderPlayer::SeededRandom(42);
    bool differs = false;
    int previous = -1;
    for (int i = 0; i < 1000; ++i) {
        const int value = first();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
        EXPECT_EQ(value, second());
        differs = differs || (previous != -1 && value != previous);
        previous = value;
    }
    EXPECT_TRUE(differs);
}

// --- Menu ----------------------------------------------------------------------------------

using Mp3PlayerMenu = Mp3PlayerFixture;

TEST_F(Mp3PlayerMenu, OpensUnderTheButtonAndPostsTheChoice) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}});
    view.menuAnswer = Mp3FolderPlayer::kPlay;
    EXPECT_EQ(nullptr, player.Engine());

    player.OpenMenu(kButton, state);

    EXPECT_NE(nullptr, player.Engine());
    EXPECT_EQ(0, device.Opens()) << "no audio is opened before something plays";
    ASSERT_EQ(1u, view.menus.size());
    EXPECT_EQ(kButton, view.menus[0].first);
    EXPECT_EQ((std::vector<std::string>{"Choisir dossier", "Lecture", "Pause/Reprise",
                                        "Rejouer le MP3", "Changer de MP3", "Arrêt"}),
              view.menus[0].second);
    EXPECT_EQ(std::vector<int>{Mp3FolderPlayer::kPlay}, view.posted);
    EXPECT_EQ(std::vector<std::string>{state.mp3Folder + "/a.mp3"}, state.mp3Paths);
}

TEST_F(Mp3PlayerMenu, ScansOnlyWhileTheListIsEmpty) {
    const std::string first = Folder("first", {{"a.mp3", FileA()}});
    const std::string second = Folder("second", {{"b.mp3", FileB()}});
    state.mp3Folder = first;
    player.OpenMenu(kButton, state);
    state.mp3Folder = second;
    player.OpenMenu(kButton, state);
    EXPECT_EQ(std::vector<std::string>{first + "/a.mp3"}, state.mp3Paths);
    // Nothing chosen: nothing posted.
    EXPECT_TRUE(view.posted.empty());
}

TEST_F(Mp3PlayerMenu, CommandsOutsideTheMenuAreLeftToOthers) {
    for (int command : {32772, 32776, 32782, 32788, 32789, 32790}) {
        EXPECT_FALSE(player.OnMenuCommand(command, state)) << command;
        EXPECT_FALSE(Mp3FolderPlayer::IsMenuCommand(command)) << command;
    }
    EXPECT_FALSE(AnyMessage());
}

TEST_F(Mp3PlayerMenu, WithoutAFolderEveryPlayCommandSaysThereIsNoMp3) {
    state.mp3Folder.clear();
    player.OpenMenu(kButton, state);
    for (int command :
         {Mp3FolderPlayer::kPlay, Mp3FolderPlayer::kPauseResume, Mp3FolderPlayer::kStop,
          Mp3FolderPlayer::kChange, Mp3FolderPlayer::kReplay}) {
        Command(command);
    }
    EXPECT_EQ(5, Shown("Pas de MP3"));
    EXPECT_EQ(PlayState::Idle, state.mp3PlayState);
    EXPECT_EQ(-1, state.lastMp3Index);
    EXPECT_EQ(0, device.Opens());
    player.Tick(state);
    EXPECT_EQ(5, static_cast<int>(view.painted.size()));
}

TEST_F(Mp3PlayerMenu, ChangeAndReplayNeedAnEngine) {
    state.mp3Paths = {"/nowhere/a.mp3"};
    state.lastMp3Index = 0;
    Command(Mp3FolderPlayer::kChange);
    Command(Mp3FolderPlayer::kReplay);
    EXPECT_FALSE(AnyMessage());
    EXPECT_EQ(nullptr, player.Engine());
    EXPECT_EQ(0, drawCount);
}

// --- Playing -------------------------------------------------------------------------------

using Mp3PlayerPlay = Mp3PlayerFixture;

TEST_F(Mp3PlayerPlay, LectureStartsARandomFileAndKeepsPlaying) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    player.OpenMenu(kButton, state);
    const int b = state.mp3Paths[0].ends_with("/b.mp3") ? 0 : 1;
    Draws({b == 0 ? 0 : 20000});

    Command(Mp3FolderPlayer::kPlay);

    EXPECT_EQ(PlayState::Playing, state.mp3PlayState);
    EXPECT_EQ(b, state.lastMp3Index);
    EXPECT_EQ(1, player.Engine()->GetStatus());
    EXPECT_EQ(kRateB, player.Engine()->GetSampleRate());
    EXPECT_EQ(1, Shown("Lecture MP3"));
    EXPECT_EQ(std::vector<int>{1000}, clock.waits);
}

TEST_F(Mp3PlayerPlay, LectureWhilePausedResumesTheOpenFile) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    player.OpenMenu(kButton, state);
    Draws({0});
    Command(Mp3FolderPlayer::kPlay);
    WaitForOpens(1);
    const int first = state.lastMp3Index;
    Command(Mp3FolderPlayer::kPauseResume);
    player.Tick(state);
    ASSERT_EQ(4, player.Engine()->GetStatus());

    Draws({first == 0 ? 20000 : 0});
    Command(Mp3FolderPlayer::kPlay);

    EXPECT_EQ(1, player.Engine()->GetStatus());
    EXPECT_EQ(1, device.Opens());
    // The file that plays stays the current one, and the pause is over.
    EXPECT_EQ(first, state.lastMp3Index);
    EXPECT_FALSE(state.mp3Paused);
    Command(Mp3FolderPlayer::kPauseResume);
    player.Tick(state);
    EXPECT_EQ(2, Shown("MP3 en pause"));
    EXPECT_EQ(0, Shown("Reprise MP3"));
}

TEST_F(Mp3PlayerPlay, PauseToggleTwiceThenThePlayerStopsAtTheEnd) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    player.OpenMenu(kButton, state);
    Draws({0});
    Command(Mp3FolderPlayer::kPlay);

    Command(Mp3FolderPlayer::kPauseResume);
    EXPECT_EQ(PlayState::PauseOrResumeRequested, state.mp3PlayState);
    EXPECT_EQ(1, player.Engine()->GetStatus()) << "carried out by the tick, not the menu";
    player.Tick(state);
    EXPECT_EQ(4, player.Engine()->GetStatus());
    EXPECT_TRUE(state.mp3Paused);
    EXPECT_EQ(PlayState::Idle, state.mp3PlayState);
    EXPECT_EQ(1, Shown("MP3 en pause"));

    Command(Mp3FolderPlayer::kPauseResume);
    player.Tick(state);
    EXPECT_EQ(1, player.Engine()->GetStatus());
    EXPECT_FALSE(state.mp3Paused);
    EXPECT_EQ(1, Shown("Reprise MP3"));

    FinishPlaying();
    player.Tick(state);
    player.Tick(state);
    EXPECT_EQ(0, Shown("MP3 suivant"));
    EXPECT_EQ(2, player.Engine()->GetStatus());
}

TEST_F(Mp3PlayerPlay, StopIsCarriedOutByTheTick) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}});
    player.OpenMenu(kButton, state);
    Command(Mp3FolderPlayer::kPlay);
    Command(Mp3FolderPlayer::kStop);
    EXPECT_EQ(PlayState::StopRequested, state.mp3PlayState);
    EXPECT_EQ(1, player.Engine()->GetStatus());

    player.Tick(state);
    EXPECT_EQ(2, player.Engine()->GetStatus());
    EXPECT_EQ(PlayState::Idle, state.mp3PlayState);
    EXPECT_EQ(1, Shown("Arret MP3"));
    player.Tick(state);
    EXPECT_EQ(0, Shown("MP3 suivant"));
}

TEST_F(Mp3PlayerPlay, TheTickStartsAnotherRandomFileWhenOneEnds) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    player.OpenMenu(kButton, state);
    Draws({0});
    Command(Mp3FolderPlayer::kPlay);
    const int first = state.lastMp3Index;
    player.Tick(state);
    EXPECT_EQ(0, Shown("MP3 suivant")) << "still playing";

    FinishPlaying();
    clock.waits.clear();
    // The first draw lands on the file just played and is drawn again.
    Draws({first == 0 ? 0 : 20000, first == 0 ? 20000 : 0});
    player.Tick(state);

    EXPECT_EQ(1, Shown("MP3 suivant"));
    EXPECT_EQ(1 - first, state.lastMp3Index);
    EXPECT_EQ(1, player.Engine()->GetStatus());
    EXPECT_EQ(PlayState::Playing, state.mp3PlayState);
    EXPECT_EQ((std::vector<int>{1000, 500}), clock.waits);
    EXPECT_TRUE(draws.empty());
}

TEST_F(Mp3PlayerPlay, ASingleFilePlaysAgainAndAgain) {
    state.mp3Folder = Folder("music", {{"only.mp3", FileA()}});
    player.OpenMenu(kButton, state);
    Command(Mp3FolderPlayer::kPlay);
    for (int round = 1; round <= 2; ++round) {
        FinishPlaying();
        player.Tick(state);
        EXPECT_EQ(round, Shown("MP3 suivant"));
        EXPECT_EQ(0, state.lastMp3Index);
        EXPECT_EQ(1, player.Engine()->GetStatus());
    }
    Command(Mp3FolderPlayer::kChange);
    EXPECT_EQ(0, state.lastMp3Index);
    EXPECT_EQ(0, drawCount) << "one file needs no draw";
}

TEST_F(Mp3PlayerPlay, AFileThatCannotBePlayedIsSkippedOncePerTick) {
    const std::string folder = Folder("music", {});
    std::ofstream(folder + "/broken.mp3") << "not an mp3 at all";
    state.mp3Folder = folder;
    player.OpenMenu(kButton, state);
    Command(Mp3FolderPlayer::kPlay);
    EXPECT_EQ(2, player.Engine()->GetStatus());
    EXPECT_EQ(PlayState::Playing, state.mp3PlayState);
    player.Tick(state);
    player.Tick(state);
    EXPECT_EQ(2, Shown("MP3 suivant"));
}

TEST_F(Mp3PlayerPlay, WithoutSoundOutputThePlayerSaysSoOnceAndStops) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    player.OpenMenu(kButton, state);
    device.FailOpenWith(kMmSysErrAllocated);
    Draws({0});
    Command(Mp3FolderPlayer::kPlay);
    EXPECT_EQ(1, Shown("Pas de son"));
    EXPECT_EQ(0, Shown("Lecture MP3"));
    EXPECT_EQ(2, player.Engine()->GetStatus());
    for (int i = 0; i < 3; ++i) {
        player.Tick(state);
    }
    EXPECT_EQ(0, Shown("MP3 suivant"));
    EXPECT_EQ(1, Shown("Pas de son"));
    EXPECT_EQ(1, drawCount);

    // The output comes back: the next "Lecture" plays and the tick moves on again.
    device.FailOpenWith(kMmSysErrNoError);
    Draws({20000});
    Command(Mp3FolderPlayer::kPlay);
    EXPECT_EQ(1, Shown("Lecture MP3"));
    EXPECT_EQ(1, player.Engine()->GetStatus());
    EXPECT_EQ(PlayState::Playing, state.mp3PlayState);

    // Lost between two files: "MP3 suivant", then the same single notice.
    FinishPlaying();
    device.FailOpenWith(kMmSysErrNoDriver);
    Draws({0, 20000});
    player.Tick(state);
    player.Tick(state);
    EXPECT_EQ(1, Shown("MP3 suivant"));
    EXPECT_EQ(2, Shown("Pas de son"));
    EXPECT_EQ(PlayState::Idle, state.mp3PlayState);
}

TEST_F(Mp3PlayerPlay, ChangeAlternatesBetweenTwoFilesWithoutTouchingThePlayState) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    player.OpenMenu(kButton, state);
    Draws({0});
    Command(Mp3FolderPlayer::kPlay);
    Command(Mp3FolderPlayer::kStop);
    player.Tick(state);
    clock.waits.clear();

    std::vector<int> picks{state.lastMp3Index};
    for (int i = 0; i < 3; ++i) {
        // Always draw the current file first: the pick must move on anyway.
        const int current = state.lastMp3Index;
        Draws({current == 0 ? 0 : 20000, current == 0 ? 20000 : 0});
        Command(Mp3FolderPlayer::kChange);
        picks.push_back(state.lastMp3Index);
        EXPECT_EQ(1, player.Engine()->GetStatus());
    }
    EXPECT_NE(picks[0], picks[1]);
    EXPECT_EQ(picks[0], picks[2]);
    EXPECT_EQ(picks[1], picks[3]);
    EXPECT_EQ(3, Shown("Changement MP3"));
    EXPECT_EQ(PlayState::Idle, state.mp3PlayState);
    EXPECT_EQ((std::vector<int>{500, 1000, 500, 1000, 500, 1000}), clock.waits);
}

TEST_F(Mp3PlayerPlay, ReplayReopensTheCurrentFile) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    player.OpenMenu(kButton, state);
    Command(Mp3FolderPlayer::kReplay);
    EXPECT_FALSE(AnyMessage()) << "nothing played yet";
    EXPECT_EQ(0, device.Opens());

    Draws({0});
    Command(Mp3FolderPlayer::kPlay);
    const int rate = player.Engine()->GetSampleRate();
    FinishPlaying();
    Command(Mp3FolderPlayer::kReplay);
    EXPECT_EQ(1, Shown("Rejoue MP3"));
    EXPECT_EQ(0, state.lastMp3Index);
    EXPECT_EQ(rate, player.Engine()->GetSampleRate());
    EXPECT_EQ(1, player.Engine()->GetStatus());
    EXPECT_TRUE(draws.empty());
}

TEST_F(Mp3PlayerPlay, ReleaseStopsAndDeletesTheEngineAndEmptiesTheList) {
    state.mp3Folder = Folder("music", {{"a.mp3", FileA()}});
    player.OpenMenu(kButton, state);
    Command(Mp3FolderPlayer::kPlay);
    WaitForOpens(1);
    ASSERT_TRUE(device.IsOpen());

    player.Release(state);

    EXPECT_EQ(nullptr, player.Engine());
    EXPECT_TRUE(state.mp3Paths.empty());
    EXPECT_FALSE(device.IsOpen());
    // A tick after the release finds nothing to drive.
    player.Tick(state);
    EXPECT_EQ(0, Shown("MP3 suivant"));
}

// --- Choosing a folder ---------------------------------------------------------------------

class Mp3PlayerChooseFolder : public Mp3PlayerFixture {
  protected:
    void SetUp() override {
        configPath = dir.File("Quivlane.xml");
        dir.Write("Quivlane.xml",
                  "<?xml version=\"1.0\"?><XMLConfigSettings><BOUTON3><TEXTE>MP3</TEXTE>"
                  "<LIEN>LECTEUR_MP3</LIEN></BOUTON3></XMLConfigSettings>");
        bar.StartUp(configPath);
        view.painted.clear();
        clock.waits.clear();
    }
    std::string StoredLink() {
        XmlSettingsStore store(boxes);
        store.SetPath(configPath);
        return store.GetValue("BOUTON3", "LIEN", "?");
    }

    std::string configPath;
    XmlSettingsStore fileStore{boxes};
    Mp3FolderPlayer filePlayer{bar, fileStore, device, clock, choosers, [] { return 0; }};
};

TEST_F(Mp3PlayerChooseFolder, StoresTheFolderInTheButtonsLinkAndPlaysFromIt) {
    const std::string folder = Folder("chosen", {{"a.mp3", FileA()}});
    filePlayer.OpenMenu(kButton, state);
    choosers.answers.push_back(folder);

    ASSERT_TRUE(filePlayer.OnMenuCommand(Mp3FolderPlayer::kChooseFolder, state));

    ASSERT_EQ(1u, choosers.folderRequests.size());
    EXPECT_EQ("Sélectionnez le dossier contenant les MP3", choosers.folderRequests[0].first);
    // No folder yet: the chooser opens in the user's music folder.
    EXPECT_EQ((std::pair<std::string, UserFolder>{"", UserFolder::Music}),
              (std::pair{choosers.folderRequests[0].second, choosers.startFolders[0]}));
    EXPECT_EQ("LECTEUR_MP3?" + folder, StoredLink());
    EXPECT_EQ(folder, state.mp3Folder);
    EXPECT_EQ(std::vector<std::string>{folder + "/a.mp3"}, state.mp3Paths);
    EXPECT_EQ(1, filePlayer.Engine()->GetStatus());
    EXPECT_EQ(PlayState::Playing, state.mp3PlayState);
    EXPECT_EQ(1, Shown("Lecture MP3"));
    EXPECT_EQ((std::vector<int>{1000, 1000}), clock.waits);
}

TEST_F(Mp3PlayerChooseFolder, AFolderWithoutMp3KeepsFolderListAndLink) {
    const std::string good = Folder("good", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    const std::string empty = Folder("empty", {});
    std::filesystem::create_directory(std::filesystem::path(empty) / "sub.mp3");
    choosers.answers.push_back(good);
    filePlayer.OpenMenu(kButton, state);
    ASSERT_TRUE(filePlayer.OnMenuCommand(Mp3FolderPlayer::kChooseFolder, state));
    const std::vector<std::string> list = state.mp3Paths;
    view.painted.clear();
    clock.waits.clear();

    // A later click copies the link read at start, which names no folder.
    state.mp3Folder.clear();
    choosers.answers.push_back(empty);
    ASSERT_TRUE(filePlayer.OnMenuCommand(Mp3FolderPlayer::kChooseFolder, state));

    EXPECT_EQ(1, Shown("Pas de MP3"));
    EXPECT_EQ((std::vector<int>{1000, 1000}), clock.waits);
    EXPECT_EQ(list, state.mp3Paths);
    EXPECT_EQ("LECTEUR_MP3?" + good, StoredLink());
    EXPECT_EQ(1, filePlayer.Engine()->GetStatus()) << "what played goes on";
}

TEST_F(Mp3PlayerChooseFolder, CancelChangesNothing) {
    filePlayer.OpenMenu(kButton, state);
    ASSERT_TRUE(filePlayer.OnMenuCommand(Mp3FolderPlayer::kChooseFolder, state));
    EXPECT_EQ(1u, choosers.folderRequests.size());
    EXPECT_FALSE(AnyMessage());
    EXPECT_TRUE(clock.waits.empty());
    EXPECT_EQ("LECTEUR_MP3", StoredLink());
}

TEST_F(Mp3PlayerChooseFolder, ASmallerNewListNeverReplaysAnIndexOfTheOldOne) {
    state.mp3Folder = Folder("two", {{"a.mp3", FileA()}, {"b.mp3", FileB()}});
    filePlayer.OpenMenu(kButton, state);
    state.lastMp3Index = 1;
    // The chosen folder's only file does not open, so its play sets no index.
    const std::string one = Folder("one", {});
    std::ofstream(one + "/c.mp3") << "no frames in here";
    choosers.answers.push_back(one);
    ASSERT_TRUE(filePlayer.OnMenuCommand(Mp3FolderPlayer::kChooseFolder, state));
    ASSERT_EQ(2, filePlayer.Engine()->GetStatus());
    view.painted.clear();

    ASSERT_TRUE(filePlayer.OnMenuCommand(Mp3FolderPlayer::kReplay, state));
    EXPECT_EQ(-1, state.lastMp3Index);
    EXPECT_FALSE(AnyMessage());
}

}  // namespace
}  // namespace quivlane::test
