#include "tests/launcher/bar/BarFixture.h"

namespace quivlane::test {
namespace {

constexpr Rgb kBlack{0, 0, 0};

class BarStartUpTest : public BarFixture {};

TEST_F(BarStartUpTest, AbsentFileGivesDefaultsEverywhere) {
    Start();
    for (int id = 1000; id <= 1018; ++id) {
        EXPECT_EQ(view.captions[id], "RIEN") << id;
        EXPECT_EQ(view.captionColours[id], kBlack) << id;
    }
    EXPECT_EQ(view.captionColours[1], (Rgb{255, 0, 0}));
    EXPECT_EQ(view.quitVisible, true);
    EXPECT_FALSE(bar.SoundOn());
    EXPECT_FALSE(bar.TooltipsOn());
    EXPECT_FALSE(bar.ClockOn());
    EXPECT_TRUE(tooltips.tools.empty());
    // Only the tick runs; fading needs AUTOHIDE "OUI".
    EXPECT_EQ(view.runningTimers, (std::map<int, int>{{2, 1000}}));
    EXPECT_EQ(view.painted, (std::vector<std::string>{"  Quivlane  "}));
    EXPECT_EQ(view.colours, (RecordingBarView::Colours{kBlack, {100, 255, 255}, {50, 60, 80}}));
    EXPECT_EQ(bar.LastClickedId(), -1);
    EXPECT_EQ(bar.Players().mp3PlayState, PlayerState::Mp3PlayState::Idle);
    EXPECT_EQ(settings.paths.front(), kConfigPath);
}

TEST_F(BarStartUpTest, SkeletonShowsEmptyCaptionsAndEmptySwitchesCountAsOn) {
    Skeleton();
    Start();
    for (int id = 1000; id <= 1018; ++id) {
        EXPECT_EQ(view.captions[id], "") << id;
    }
    EXPECT_TRUE(bar.SoundOn());
    EXPECT_TRUE(bar.TooltipsOn());
    EXPECT_TRUE(bar.ClockOn());
    EXPECT_FALSE(bar.AutoHideOn());
    EXPECT_EQ(view.quitVisible, true);
    // Empty comments register nothing; the quit button always has its tip.
    EXPECT_EQ(tooltips.tools, (std::map<int, std::string>{{1, "<h1>Quitter le programme</h1>"}}));
}

TEST_F(BarStartUpTest, MissingButtonRecordFallsBackToRien) {
    for (int n = 1; n <= 19; ++n) {
        if (n != 5) {
            Button(n, "B" + std::to_string(n), "http://x/" + std::to_string(n), "ROUGE");
        }
    }
    Start();
    EXPECT_EQ(view.captions[1004], "RIEN");
    EXPECT_EQ(bar.Button(4).link, "");
    EXPECT_EQ(view.captionColours[1004], kBlack);
    EXPECT_EQ(view.captions[1005], "B6");
    EXPECT_EQ(view.captionColours[1005], (Rgb{255, 0, 0}));
}

TEST_F(BarStartUpTest, ColourNamesAreExactAndCaseSensitive) {
    Button(1, "a", "", "ROUGE");
    Button(2, "b", "", "VERT");
    Button(3, "c", "", "BLEU");
    Button(4, "d", "", "JAUNE");
    Button(5, "e", "", "NOIR");
    Button(6, "f", "", "rouge");
    Button(7, "g", "", "BLACK");
    Start();
    EXPECT_EQ(view.captionColours[1000], (Rgb{255, 0, 0}));
    EXPECT_EQ(view.captionColours[1001], (Rgb{20, 167, 37}));
    EXPECT_EQ(view.captionColours[1002], (Rgb{0, 0, 255}));
    EXPECT_EQ(view.captionColours[1003], (Rgb{168, 163, 30}));
    EXPECT_EQ(view.captionColours[1004], kBlack);
    EXPECT_EQ(view.captionColours[1005], kBlack);
    EXPECT_EQ(view.captionColours[1006], kBlack);
}

TEST_F(BarStartUpTest, SwitchesReadAsTheirOwnRules) {
    Set("PARAMETRES", "SON", "oui");
    Set("PARAMETRES", "AUTOHIDE", "oui");
    Set("PARAMETRES", "HORLOGE", "NON");
    Set("PARAMETRES", "TOOLTIPS", "NON");
    Start();
    EXPECT_TRUE(bar.SoundOn());
    EXPECT_FALSE(bar.AutoHideOn());
    EXPECT_EQ(view.runningTimers.count(1), 0u);
    EXPECT_FALSE(bar.ClockOn());
    EXPECT_FALSE(bar.TooltipsOn());
}

TEST_F(BarStartUpTest, AutoHideOuiStartsTheMinuteTimer) {
    Set("PARAMETRES", "AUTOHIDE", "OUI");
    Start();
    EXPECT_EQ(view.runningTimers, (std::map<int, int>{{1, 60000}, {2, 1000}}));
}

TEST_F(BarStartUpTest, QuitButtonHiddenOnlyByNon) {
    Set("PARAMETRES", "BOUTONQUITTER", "NON");
    Start();
    EXPECT_EQ(view.quitVisible, false);

    Set("PARAMETRES", "BOUTONQUITTER", "non");
    Start();
    EXPECT_EQ(view.quitVisible, true);
}

TEST_F(BarStartUpTest, AlarmLinksGiveTimesOnlyAtTwentyCharacters) {
    Button(1, "Reveil", "DEFINIR_ALARME?07:30");
    Button(2, "Court", "DEFINIR_ALARME?7:30");
    Button(3, "Nu", "DEFINIR_ALARME");
    Button(4, "Point", "DEFINIR_ALARME?07;30");
    Button(5, "Autre", "DEFINIR_ALARMEX07:30");
    Start();
    EXPECT_EQ(view.captions[1000], "ALRM 07:30");
    EXPECT_EQ(bar.Alarm(0).time, "07:30");
    EXPECT_EQ(view.captions[1001], "Court");
    EXPECT_EQ(bar.Alarm(1).time, "");
    EXPECT_EQ(view.captions[1002], "Nu");
    EXPECT_EQ(bar.Alarm(2).time, "");
    // The caption mends the semicolon; the stored time keeps it (and so never rings).
    EXPECT_EQ(view.captions[1003], "ALRM 07:30");
    EXPECT_EQ(bar.Alarm(3).time, "07;30");
    EXPECT_EQ(view.captions[1004], "Autre");

    // Twenty characters but twenty-one bytes: the time is counted in characters.
    Button(6, "Accent", "DEFINIR_ALARME?é7:30");
    Start();
    EXPECT_EQ(view.captions[1005], "ALRM é7:30");
    EXPECT_EQ(bar.Alarm(5).time, "é7:30");
}

TEST_F(BarStartUpTest, TooltipsOnlyWhenSwitchedOnAndCommented) {
    Button(1, "a", "x", "NOIR", "Mon <b>site</b>");
    Button(2, "b", "x", "NOIR", "");
    Set("PARAMETRES", "TOOLTIPS", "NON");
    Start();
    EXPECT_TRUE(tooltips.tools.empty());

    Set("PARAMETRES", "TOOLTIPS", "OUI");
    Start();
    EXPECT_EQ(tooltips.tools, (std::map<int, std::string>{{1, "<h1>Quitter le programme</h1>"},
                                                          {1000, "<h1>Mon <b>site</b></h1>"}}));
}

TEST_F(BarStartUpTest, HideKeywordCreatesTheTrayIcon) {
    Start();
    EXPECT_FALSE(bar.HasTrayIcon());
    EXPECT_TRUE(tray.calls.empty());

    Button(7, "Cacher", "CACHER_QUIVLANE");
    Start();
    EXPECT_TRUE(bar.HasTrayIcon());
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"create"}));
    EXPECT_FALSE(bar.Hidden());
}

TEST_F(BarStartUpTest, FindButtonWithLinkRereadsTheFileFromTheFirstId) {
    Button(3, "a", "CACHER_QUIVLANE");
    Button(9, "b", "CACHER_QUIVLANE");
    Start();
    EXPECT_EQ(bar.FindButtonWithLink("CACHER_QUIVLANE", -1), 1002);
    EXPECT_EQ(bar.FindButtonWithLink("CACHER_QUIVLANE", 1003), 1008);
    EXPECT_EQ(bar.FindButtonWithLink("CACHER_QUIVLANE", 1009), -1);
    // Reads afresh: a change in the file is seen without a restart.
    Set("BOUTON19", "LIEN", "LECTEUR_CD");
    EXPECT_EQ(bar.FindButtonWithLink("LECTEUR_CD", -1), 1018);
    // Absent links read as "RIEN" here, unlike at start-up.
    EXPECT_EQ(bar.FindButtonWithLink("RIEN", -1), 1000);
    // An id below the buttons starts at the first button rather than reading a bogus record.
    EXPECT_EQ(bar.FindButtonWithLink("CACHER_QUIVLANE", 5), 1002);
    EXPECT_EQ(settings.paths.back(), kConfigPath);
}

}  // namespace
}  // namespace quivlane::test
