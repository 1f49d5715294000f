#include "tests/launcher/bar/BarFixture.h"

namespace quivlane::test {
namespace {

using Request = RecordingShell::Request;
using Beep = RecordingSound::BeepCall;

class ClickTest : public BarFixture {
  protected:
    // Button 1 with the given link, sound on, clock off unless asked.
    void OneButton(const std::string& label, const std::string& link, bool clockOn = false) {
        Set("PARAMETRES", "SON", "OUI");
        Set("PARAMETRES", "HORLOGE", clockOn ? "OUI" : "NON");
        Button(1, label, link);
        Start();
        view.painted.clear();
        view.log.clear();
    }
    void Click() { bar.OnButtonClicked(1000); }
};

TEST_F(ClickTest, AddressWithSchemeGoesToTheShellWithFullFeedback) {
    OneButton("Site", "http://example.org/");
    Click();
    EXPECT_EQ(shell.requests, (std::vector<Request>{{"open", "http://example.org/", ""}}));
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{200, 100}}));
    EXPECT_EQ(view.lights[BarLight::Action], LightState::BrightRed);
    EXPECT_EQ(view.painted, (std::vector<std::string>{"Patientez ... ", "     Site     "}));
    EXPECT_EQ(clock.waits, (std::vector<int>{1000, 1000}));
    EXPECT_EQ(view.colours.lit, (Rgb{100, 255, 255}));
    EXPECT_EQ(bar.LastClickedId(), 1000);
    EXPECT_EQ(view.log.front(), "stopscroll");
}

TEST_F(ClickTest, ClockOnPausesTheTickForTheWholeClick) {
    OneButton("Site", "http://example.org/", true);
    Click();
    EXPECT_EQ(clock.waits, (std::vector<int>{1000, 1000, 1000}));
    EXPECT_EQ(view.log, (std::vector<std::string>{"stopscroll", "text:Patientez ... ", "paint",
                                                  "stop-timer:2", "text:     Site     ", "paint",
                                                  "start-timer:2"}));
    EXPECT_EQ(view.runningTimers[2], 1000);
}

TEST_F(ClickTest, LinksWithoutSchemeOrSeparatorOnlyGiveFeedback) {
    for (const char* link : {"www.example.org", "notepad.exe", "LANCER_CALCULATRIC"}) {
        SCOPED_TRACE(link);
        sound.beeps.clear();
        OneButton("Essai", link);
        Click();
        EXPECT_TRUE(shell.requests.empty());
        EXPECT_EQ(sound.beeps, (std::vector<Beep>{{200, 100}}));
        EXPECT_EQ(view.painted, (std::vector<std::string>{"Patientez ... ", "    Essai     "}));
        EXPECT_EQ(power.shutDowns, 0);
        EXPECT_TRUE(boxes.boxes.empty());
    }
}

TEST_F(ClickTest, PathsGoToTheShell) {
    for (const char* link : {"/home/me/Music", "C:\\Musique", "\\\\serveur\\partage"}) {
        SCOPED_TRACE(link);
        shell.requests.clear();
        OneButton("Dossier", link);
        Click();
        EXPECT_EQ(shell.requests, (std::vector<Request>{{"open", link, ""}}));
        EXPECT_TRUE(players.calls.empty());
    }
}

TEST_F(ClickTest, Mp3LinksGoToThePlayerNeverTheShell) {
    OneButton("Musique", "LECTEUR_MP3?/music");
    Click();
    OneButton("Musique", "LECTEUR_MP3?C:\\Musique");
    Click();
    OneButton("Musique", "LECTEUR_MP3");
    Click();
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_EQ(players.foldersSeen, (std::vector<std::string>{"/music", "C:\\Musique", ""}));
    EXPECT_EQ(players.calls.back(), "mp3-menu:1000");
    // The player reports for itself: the bar shows no caption afterwards.
    EXPECT_EQ(view.painted, (std::vector<std::string>{"Patientez ... "}));
}

TEST_F(ClickTest, AlarmLinkNeverReachesTheShellAndTakesTheDialogAnswer) {
    OneButton("Reveil", "DEFINIR_ALARME?07:30");
    alarm.answer = "08:15";
    Click();
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_EQ(alarm.runs, (std::vector<std::pair<int, std::string>>{{1000, kConfigPath}}));
    EXPECT_EQ(view.captions[1000], "ALRM 08:15");
    EXPECT_EQ(bar.Alarm(0).time, "08:15");
    EXPECT_EQ(view.painted, (std::vector<std::string>{"Patientez ... "}));

    alarm.answer = "";
    Click();
    EXPECT_EQ(view.captions[1000], "ALRM 08:15");

    alarm.answer = "ANNULEE";
    Click();
    EXPECT_EQ(view.captions[1000], "ALARME");
    EXPECT_EQ(bar.Alarm(0).time, "");
}

TEST_F(ClickTest, CaptionLengthsAtTheDisplayLimit) {
    OneButton("ABCDEFGHIJKLMN", "x");
    Click();
    EXPECT_EQ(view.painted.back(), "ABCDEFGHIJKLMN");

    OneButton("ABCDEFGHIJKLMNO", "x");
    Click();
    EXPECT_EQ(view.painted, (std::vector<std::string>{"Patientez ... "}));
    EXPECT_EQ(view.text, "Patientez ... ");
    EXPECT_EQ(clock.waits.back(), 1000);  // the click's own wait still happens
}

TEST_F(ClickTest, AccentedCaptionIsFoldedAndCentred) {
    OneButton("Café", "x");
    Click();
    EXPECT_EQ(view.painted.back(), "     Cafe     ");
    // The folded text is for the display only.
    EXPECT_EQ(view.captions[1000], "Café");
}

TEST_F(ClickTest, EmptyButtonsGiveOnlyTheLowBeep) {
    OneButton("Vide", "");
    Click();
    OneButton("", "http://example.org/");
    Click();
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{100, 150}, {100, 150}}));
    EXPECT_TRUE(view.painted.empty());
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_TRUE(clock.waits.empty());
}

TEST_F(ClickTest, SoundOffMeansNoBeepAtAll) {
    Button(1, "Site", "http://example.org/");
    Button(2, "Vide", "");
    Start();
    bar.OnButtonClicked(1000);
    bar.OnButtonClicked(1001);
    EXPECT_TRUE(sound.beeps.empty());
    EXPECT_EQ(shell.requests.size(), 1u);
}

TEST_F(ClickTest, HideKeywordHidesOnceAndShowsNoCaption) {
    OneButton("Cacher", "CACHER_QUIVLANE");
    Click();
    Click();
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"create", "minimise"}));
    EXPECT_TRUE(bar.Hidden());
    EXPECT_EQ(view.painted, (std::vector<std::string>{"Patientez ... ", "Patientez ... "}));
    bar.OnMenuCommand(BarController::kMenuShowBar);
    EXPECT_EQ(tray.calls.back(), "restore");
    EXPECT_FALSE(bar.Hidden());
}

TEST_F(ClickTest, CdKeywordOpensItsMenuWithoutCaption) {
    OneButton("CD", "LECTEUR_CD");
    Click();
    EXPECT_EQ(players.calls, (std::vector<std::string>{"cd-menu:1000"}));
    EXPECT_EQ(view.painted, (std::vector<std::string>{"Patientez ... "}));
}

TEST_F(ClickTest, UrlEntryOpensOnlyARealAnswer) {
    OneButton("Web", "SAISIR_URL_SITE");
    view.urlAnswer = "http://";
    Click();
    view.urlAnswer = "";
    Click();
    view.urlAnswer = "http://www.example.org";
    Click();
    EXPECT_EQ(view.urlDialogs, 3);
    EXPECT_EQ(shell.requests, (std::vector<Request>{{"open", "http://www.example.org", ""}}));
}

TEST_F(ClickTest, ShutDownAsksFirstAndStopsOnNo) {
    OneButton("Arret", "STOP_WINDOWS_MSG");
    boxes.answers = {false, true};
    Click();
    EXPECT_EQ(power.shutDowns, 0);
    Click();
    EXPECT_EQ(power.shutDowns, 1);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "Voulez vous vraiment arrêter Windows ?");
    EXPECT_EQ(boxes.boxes[0].caption, "Quivlane");
    EXPECT_TRUE(boxes.boxes[0].question);

    OneButton("Arret", "STOP_WINDOWS");
    Click();
    EXPECT_EQ(power.shutDowns, 2);
    EXPECT_EQ(boxes.boxes.size(), 2u);
}

TEST_F(ClickTest, KeywordProgramsReachTheShellAsListed) {
    OneButton("Console", "OUVRIR_CONSOLE");
    Click();
    EXPECT_EQ(shell.requests, (std::vector<Request>{{"start", "cmd.exe", "/K CD \\"}}));
}

TEST_F(ClickTest, MenuCommandsRouteToPlayersAndQuit) {
    OneButton("x", "x");
    bar.OnMenuCommand(32771);
    bar.OnMenuCommand(32788);
    bar.OnMenuCommand(32770);
    EXPECT_EQ(players.calls, (std::vector<std::string>{"command:32771", "command:32788"}));
    bar.OnMenuCommand(BarController::kMenuQuitBar);
    EXPECT_EQ(view.ended, true);
}

TEST_F(ClickTest, MenuUnderButtonPostsOnlyAChosenCommand) {
    OneButton("x", "x");
    const std::vector<MenuEntry> entries{{32775, "Lecture"}, {32773, "Arrêt"}};
    bar.RunMenuUnderButton(1000, entries);
    EXPECT_TRUE(view.posted.empty());
    view.menuAnswer = 32773;
    bar.RunMenuUnderButton(1000, entries);
    EXPECT_EQ(view.posted, (std::vector<int>{32773}));
    EXPECT_EQ(view.menus.back(),
              (std::pair<int, std::vector<std::string>>{1000, {"Lecture", "Arrêt"}}));
}

TEST_F(ClickTest, FarewellShowsGoodbyeWaitsAndReleases) {
    Button(2, "Cacher", "CACHER_QUIVLANE");
    OneButton("x", "x");
    bar.FarewellAndQuit();
    EXPECT_EQ(view.painted, (std::vector<std::string>{"  Au revoir !   "}));
    EXPECT_EQ(view.colours.lit, (Rgb{239, 224, 80}));
    EXPECT_EQ(view.lights[BarLight::Power], LightState::DarkRed);
    EXPECT_EQ(clock.waits, (std::vector<int>{1000}));
    EXPECT_EQ(players.calls, (std::vector<std::string>{"stop-cd"}));
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"create", "remove"}));
    EXPECT_EQ(view.ended, true);
}

TEST_F(ClickTest, CloseRequestReleasesAndLaterEventsAreIgnored) {
    Button(2, "Cacher", "CACHER_QUIVLANE");
    OneButton("Site", "http://example.org/");
    bar.Players().mp3Paths = {"/a.mp3"};
    bar.ReleaseOnClose();
    EXPECT_TRUE(bar.Players().mp3Paths.empty());
    EXPECT_EQ(players.calls, (std::vector<std::string>{"release"}));
    EXPECT_EQ(tray.calls.back(), "remove");
    bar.OnButtonClicked(1000);
    Tick();
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_TRUE(view.painted.empty());
    EXPECT_EQ(players.calls.size(), 1u);
}

TEST_F(ClickTest, WithoutPlayerOrAlarmPortsTheirKeywordsOnlyGiveFeedback) {
    Set("PARAMETRES", "SON", "OUI");
    Button(1, "Musique", "LECTEUR_MP3?/music");
    Button(2, "Reveil", "DEFINIR_ALARME?07:30");
    bar.StartUp(kConfigPath);  // no features plugged in
    bar.OnButtonClicked(1000);
    bar.OnButtonClicked(1001);
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_EQ(view.captions[1001], "ALRM 07:30");
    EXPECT_EQ(sound.beeps.size(), 2u);
}

TEST_F(ClickTest, OutOfRangeIdsAreIgnored) {
    OneButton("Site", "http://example.org/");
    bar.OnButtonClicked(999);
    bar.OnButtonClicked(1019);
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_EQ(bar.LastClickedId(), -1);
}

struct RouteCase {
    const char* link;
    bool shell;
};

class ClickRoutingTest : public ::testing::TestWithParam<RouteCase> {};

TEST_P(ClickRoutingTest, DecidesShellOrBuiltIn) {
    EXPECT_EQ(BarController::GoesToShell(GetParam().link), GetParam().shell) << GetParam().link;
}

INSTANTIATE_TEST_SUITE_P(
    Links, ClickRoutingTest,
    ::testing::Values(RouteCase{"http://example.org", true}, RouteCase{"mailto:a@b.c", true},
                      RouteCase{"www.example.org", false}, RouteCase{"notepad.exe", false},
                      RouteCase{"/home/me/Music", true}, RouteCase{"C:\\Music", true},
                      RouteCase{"\\\\server\\share", true}, RouteCase{"docs/readme.txt", true},
                      RouteCase{"LECTEUR_MP3?/music", false},
                      RouteCase{"LECTEUR_MP3?C:\\Music", false},
                      RouteCase{"DEFINIR_ALARME?07:30", false},
                      // A backslash still routes alarm links to the shell branch, which then
                      // declines to open them.
                      RouteCase{"DEFINIR_ALARME\\x", true}, RouteCase{"LECTEUR_CD", false},
                      RouteCase{"", false}));

}  // namespace
}  // namespace quivlane::test
