#include "tests/launcher/bar/BarFixture.h"

namespace quivlane::test {
namespace {

using Beep = RecordingSound::BeepCall;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{100, 200, 255};
constexpr Rgb kGreen{0, 255, 0};

class TickTest : public BarFixture {
  protected:
    void StartWithClock(bool clockOn = true) {
        Set("PARAMETRES", "HORLOGE", clockOn ? "OUI" : "NON");
        Start();
        view.painted.clear();
        view.log.clear();
    }
    // Ticks once a second from the current time, for the given number of seconds.
    void TickFor(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            Tick();
            clock.AdvanceSeconds(1);
        }
    }
};

TEST_F(TickTest, ClockTextAndHourColours) {
    StartWithClock();
    struct Case {
        int h, m, s;
        const char* text;
        Rgb lit;
    };
    for (const Case& c :
         {Case{9, 5, 7, "   09;05;07   ", kBlue}, Case{23, 59, 59, "   23;59;59   ", kGreen},
          Case{0, 0, 0, "   00;00;00   ", kRed}, Case{7, 59, 59, "   07;59;59   ", kRed},
          Case{8, 0, 0, "   08;00;00   ", kBlue}, Case{15, 59, 59, "   15;59;59   ", kBlue},
          Case{16, 0, 0, "   16;00;00   ", kGreen}}) {
        At(2026, 3, 4, c.h, c.m, c.s);
        Tick();
        EXPECT_EQ(view.painted.back(), c.text);
        EXPECT_EQ(view.colours, (RecordingBarView::Colours{{0, 0, 0}, c.lit, {50, 60, 80}}))
            << c.text;
    }
    EXPECT_EQ(view.lights[BarLight::Action], LightState::DarkRed);
    EXPECT_EQ(view.lights[BarLight::Power], LightState::BrightRed);
    EXPECT_FALSE(view.scrolling);
}

TEST_F(TickTest, ClockOffLeavesTheDisplayAlone) {
    StartWithClock(false);
    At(2026, 3, 4, 9, 5, 7);
    TickFor(3);
    EXPECT_TRUE(view.painted.empty());
    EXPECT_EQ(view.text, "  Quivlane  ");
    EXPECT_EQ(view.lights[BarLight::Power], LightState::BrightRed);
    EXPECT_EQ(players.calls, (std::vector<std::string>{"tick", "tick", "tick"}));
}

TEST_F(TickTest, AlarmRingsOnceAtTheStartOfItsMinuteAndAgainNextDay) {
    Set("PARAMETRES", "SON", "NON");
    Button(3, "Reveil", "DEFINIR_ALARME?07:30");
    StartWithClock(false);
    At(2026, 3, 4, 7, 29, 58);
    TickFor(5);  // 07:29:58 .. 07:30:02 (the message wait moves the clock along too)
    EXPECT_EQ(sound.waves, (std::vector<std::string>{"alarme.wav"}));
    EXPECT_EQ(view.painted, (std::vector<std::string>{"ALARME ; 07;30"}));
    EXPECT_EQ(clock.waits, (std::vector<int>{1000}));
    // The sound switch is off, yet the alarm sounds; no beep is added.
    EXPECT_TRUE(sound.beeps.empty());

    At(2026, 3, 4, 7, 31, 0);
    Tick();
    At(2026, 3, 5, 7, 30, 0);
    Tick();
    EXPECT_EQ(sound.waves.size(), 2u);
}

TEST_F(TickTest, AlarmSetDuringItsMinuteRingsAtTheNextTick) {
    Button(1, "Reveil", "DEFINIR_ALARME");
    StartWithClock(false);
    At(2026, 3, 4, 7, 30, 10);
    Tick();
    alarm.answer = "07:30";
    bar.OnButtonClicked(1000);
    EXPECT_TRUE(sound.waves.empty());
    Tick();
    Tick();
    EXPECT_EQ(sound.waves.size(), 1u);
}

TEST_F(TickTest, SemicolonTimeNeverRings) {
    Button(1, "Reveil", "DEFINIR_ALARME?07;30");
    StartWithClock(false);
    At(2026, 3, 4, 7, 29, 59);
    TickFor(3);
    At(2026, 3, 4, 19, 30, 0);
    Tick();
    EXPECT_TRUE(sound.waves.empty());
}

TEST_F(TickTest, SeveralAlarmsOnOneMinuteRingInButtonOrder) {
    Button(2, "A", "DEFINIR_ALARME?12:00");
    Button(5, "B", "DEFINIR_ALARME?12:00");
    StartWithClock(true);
    At(2026, 3, 4, 12, 0, 0);
    Tick();
    EXPECT_EQ(sound.waves.size(), 2u);
    EXPECT_EQ(clock.waits, (std::vector<int>{1000, 1000}));
    // The clock read before the alarms is what the tick then shows.
    EXPECT_EQ(view.painted,
              (std::vector<std::string>{"ALARME ; 12;00", "ALARME ; 12;00", "   12;00;00   "}));
}

TEST_F(TickTest, ChristmasGreetingHoldsTheClockBackForItsMinute) {
    Set("PARAMETRES", "SON", "NON");
    StartWithClock();
    At(2026, 12, 25, 11, 59, 59);
    Tick();
    clock.AdvanceSeconds(1);
    Tick();
    EXPECT_EQ(view.painted.back(), "QUIVLANE VOUS SOUHAITE UN JOYEUX NOEL ");
    EXPECT_TRUE(view.scrolling);
    EXPECT_EQ(view.log.back(), "scroll:300,0");
    EXPECT_EQ(view.lights[BarLight::Action], LightState::BrightGreen);
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{100, 100}}));  // whatever the sound switch

    clock.AdvanceSeconds(1);
    const std::size_t painted = view.painted.size();
    TickFor(59);  // 12:00:01 .. 12:00:59
    EXPECT_EQ(view.painted.size(), painted);
    EXPECT_TRUE(view.scrolling);
    EXPECT_EQ(view.lights[BarLight::Action], LightState::DarkRed);
    EXPECT_EQ(sound.beeps.size(), 1u);

    Tick();  // 12:01:00
    EXPECT_EQ(view.painted.back(), "   12;01;00   ");
    EXPECT_FALSE(view.scrolling);
}

TEST_F(TickTest, GreetingNeedsATickInItsVerySecond) {
    StartWithClock();
    At(2026, 1, 1, 12, 0, 1);
    Tick();
    EXPECT_TRUE(sound.beeps.empty());
    At(2027, 1, 1, 12, 0, 0);
    Tick();
    EXPECT_EQ(view.painted.back(), "QUIVLANE VOUS SOUHAITE UNE TRES BONNE ANNEE ");
}

TEST_F(TickTest, LeapDayGreetingOnlyInLeapYears) {
    StartWithClock(false);
    At(2027, 2, 28, 11, 59, 58);
    TickFor(86400 + 10);  // to 1 March noon and past it
    EXPECT_TRUE(sound.beeps.empty());

    At(2028, 2, 29, 11, 59, 58);
    TickFor(4);
    EXPECT_EQ(view.painted,
              (std::vector<std::string>{"QUIVLANE VOUS SOUHAITE UNE BONNE ANNEE BISSEXTILE "}));
    EXPECT_EQ(sound.beeps.size(), 1u);
}

TEST_F(TickTest, ShowMessageAtTheFourteenCellLimit) {
    StartWithClock(false);
    bar.ShowMessage("ABCDEFGHIJKLMN");
    EXPECT_EQ(view.painted, (std::vector<std::string>{"ABCDEFGHIJKLMN"}));
    bar.ShowMessage("ABCDEFGHIJKLMNO");
    EXPECT_EQ(view.painted.size(), 1u);
    EXPECT_EQ(clock.waits, (std::vector<int>{1000}));
    bar.ShowMessage("Arret MP3");
    EXPECT_EQ(view.painted.back(), "  Arret MP3   ");
    EXPECT_EQ(view.colours.lit, (Rgb{100, 255, 255}));
}

TEST_F(TickTest, FadeCyclesThroughItsStatesAndTheMouseRestores) {
    Set("PARAMETRES", "AUTOHIDE", "OUI");
    StartWithClock(false);
    bar.OnMouseMoveOverBar();
    bar.OnTimer(BarController::kFadeTimerId);
    EXPECT_EQ(bar.FadeState(), BarController::AutoHideState::Armed);
    bar.OnMouseMoveOverBar();  // activity does not postpone the fade
    EXPECT_TRUE(view.alphas.empty());

    bar.OnTimer(BarController::kFadeTimerId);
    EXPECT_EQ(bar.FadeState(), BarController::AutoHideState::Faded);
    EXPECT_EQ(view.alphas, (std::vector<int>{250, 150, 50}));
    EXPECT_EQ(clock.waits, (std::vector<int>{100, 100}));

    bar.OnTimer(BarController::kFadeTimerId);
    EXPECT_EQ(view.alphas.size(), 3u);

    bar.OnMouseMoveOverBar();
    EXPECT_EQ(view.alphas.back(), 255);
    EXPECT_EQ(view.colourKeys, (std::vector<Rgb>{{255, 254, 255}}));
    EXPECT_EQ(bar.FadeState(), BarController::AutoHideState::Shown);

    bar.OnTimer(BarController::kFadeTimerId);
    bar.OnTimer(BarController::kFadeTimerId);
    EXPECT_EQ(view.alphas.size(), 7u);
    // Unknown timer ids do nothing.
    bar.OnTimer(7);
    EXPECT_EQ(view.alphas.size(), 7u);
}

}  // namespace
}  // namespace quivlane::test
