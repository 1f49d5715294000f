#include "launcher/tooltip/core/TooltipStateMachine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quivlane {
namespace {

using SM = TooltipStateMachine;

// Windows timers repeat until stopped; time only moves when a test says so.
class FakeHost final : public TooltipWindowPort {
  public:
    struct Tool {
        int control;
        TipRect screenArea;
        ToolInfo tool;
    };

    void StartTimer(int id, int ms) override { timers[id] = Timer{now + ms, ms}; }
    void StopTimer(int id) override { timers.erase(id); }
    TipPoint CursorPos() const override { return cursor; }
    std::optional<Hit> FindTool(TipPoint p) const override {
        for (const Tool& t : tools) {
            if (t.screenArea.Contains(p)) {
                return Hit{&t.control, t.tool.rect, t.tool};
            }
        }
        return std::nullopt;
    }
    bool IsTipVisible() const override { return visible; }
    bool IsOverTip(TipPoint p) const override { return visible && tipArea.Contains(p); }
    bool ShowTip(const ToolInfo& resolved, TipPoint at, int opacity) override {
        if (resolved.text.empty()) {
            return false;
        }
        shown.push_back(resolved.text);
        shownAt = at;
        shownOpacity = opacity;
        lastShown = resolved;
        visible = true;
        return true;
    }
    void HideTip() override {
        visible = false;
        ++hides;
    }
    void RedrawTip(int opacity) override { redraws.push_back(opacity); }
    void MoveTipBy(int dx, int dy) override { moves.push_back(TipPoint{dx, dy}); }
    void ClickTip(TipPoint p) override { clicks.push_back(p); }
    bool AdvanceAnimations() override { return animationChanges; }

    // Runs every expiry up to now + ms, in time order.
    void Advance(SM& machine, int ms) {
        const int end = now + ms;
        for (;;) {
            int id = -1;
            for (const auto& [tid, t] : timers) {
                if (t.due <= end && (id == -1 || t.due < timers.at(id).due)) {
                    id = tid;
                }
            }
            if (id == -1) {
                break;
            }
            now = timers[id].due;
            timers[id].due += timers[id].period;
            machine.OnTimer(id);
        }
        now = end;
    }
    bool Running(int id) const { return timers.count(id) != 0; }

    struct Timer {
        int due;
        int period;
    };
    int now = 0;
    std::map<int, Timer> timers;
    TipPoint cursor;
    std::vector<Tool> tools;
    bool visible = false;
    TipRect tipArea;
    std::vector<std::string> shown;
    TipPoint shownAt;
    int shownOpacity = -1;
    ToolInfo lastShown;
    int hides = 0;
    std::vector<int> redraws;
    std::vector<TipPoint> moves;
    std::vector<TipPoint> clicks;
    bool animationChanges = false;
};

class TooltipStateMachineTest : public ::testing::Test {
  protected:
    TooltipStateMachineTest() {
        ToolInfo a;
        a.text = "<h1>A</h1>";
        ToolInfo b;
        b.text = "<h1>B</h1>";
        host.tools = {{1, TipRect{0, 0, 100, 30}, a}, {2, TipRect{100, 0, 200, 30}, b}};
    }

    // The bar's settings: reshow inside a tool, tips hide after ten seconds.
    void UseBarSettings() {
        machine.WindowDefaults().behaviour = SM::kReshowInTool;
        machine.SetDelayTime(SM::kDelayAutoPop, 10000);
    }
    void MoveTo(int x, int y) {
        host.cursor = TipPoint{x, y};
        machine.OnMouseMove(host.cursor);
    }

    FakeHost host;
    SM machine{host};
};

TEST_F(TooltipStateMachineTest, RestingOnAToolShowsItsTipAfterTheInitialDelay) {
    MoveTo(10, 10);
    host.Advance(machine, 499);
    EXPECT_TRUE(host.shown.empty());
    host.Advance(machine, 1);
    ASSERT_EQ(host.shown, std::vector<std::string>{"<h1>A</h1>"});
    EXPECT_EQ(machine.CurrentState(), SM::Shown);
    EXPECT_EQ(host.shownAt, (TipPoint{10, 10}));
    EXPECT_FALSE(host.Running(SM::kTimerInitial));  // shown once, not every half second
    host.Advance(machine, 4999);
    EXPECT_TRUE(host.visible);
    host.Advance(machine, 1);  // default automatic hiding
    EXPECT_FALSE(host.visible);
    EXPECT_EQ(machine.CurrentState(), SM::Hidden);
}

TEST_F(TooltipStateMachineTest, ACursorThatKeepsMovingInsideAToolNeverShowsIt) {
    UseBarSettings();
    for (int x = 10; x < 60; x += 5) {
        MoveTo(x, 10);
        host.Advance(machine, 300);
    }
    EXPECT_TRUE(host.shown.empty());
    host.Advance(machine, 200);
    EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(TooltipStateMachineTest, WithTheBarSettingsAShownTipHidesOnTheNextMoveAndComesBack) {
    UseBarSettings();
    MoveTo(10, 10);
    host.Advance(machine, 500);
    ASSERT_TRUE(host.visible);
    MoveTo(11, 10);
    EXPECT_FALSE(host.visible);
    EXPECT_EQ(machine.CurrentState(), SM::Hidden);
    host.Advance(machine, 500);
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(host.shown.size(), 2u);
}

TEST_F(TooltipStateMachineTest, WithTheBarSettingsATipHidesAfterTenSecondsAndReturnsAfterAMove) {
    UseBarSettings();
    MoveTo(10, 10);
    host.Advance(machine, 500);
    host.Advance(machine, 9999);
    EXPECT_TRUE(host.visible);
    host.Advance(machine, 1);
    EXPECT_FALSE(host.visible);
    host.Advance(machine, 60000);  // resting on: nothing comes back by itself
    EXPECT_EQ(host.shown.size(), 1u);
    MoveTo(12, 10);
    host.Advance(machine, 500);
    EXPECT_EQ(host.shown.size(), 2u);
    EXPECT_TRUE(host.visible);
}

TEST_F(TooltipStateMachineTest, MovingToAnotherToolHidesTheTipAndShowsTheOtherAfterTheDelay) {
    UseBarSettings();
    MoveTo(10, 10);
    host.Advance(machine, 500);
    MoveTo(150, 10);
    EXPECT_FALSE(host.visible);
    host.Advance(machine, 499);
    EXPECT_FALSE(host.visible);
    host.Advance(machine, 1);
    ASSERT_EQ(host.shown.size(), 2u);
    EXPECT_EQ(host.shown.back(), "<h1>B</h1>");
}

TEST_F(TooltipStateMachineTest, LeavingTheToolsHidesAndCancelsAComingTip) {
    MoveTo(10, 10);
    host.Advance(machine, 500);
    MoveTo(10, 200);
    EXPECT_FALSE(host.visible);
    EXPECT_FALSE(machine.HasCurrentTool());

    MoveTo(150, 10);
    host.Advance(machine, 200);
    MoveTo(150, 300);
    host.Advance(machine, 2000);
    EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(TooltipStateMachineTest, WithoutReshowMovingInsideTheShownToolHidesItForGood) {
    MoveTo(10, 10);
    host.Advance(machine, 500);
    MoveTo(11, 10);
    EXPECT_FALSE(host.visible);
    MoveTo(12, 10);
    host.Advance(machine, 5000);
    EXPECT_EQ(host.shown.size(), 1u);  // the same tool stays current until the cursor leaves
    MoveTo(150, 10);
    MoveTo(10, 10);
    host.Advance(machine, 500);
    EXPECT_EQ(host.shown.size(), 2u);
}

TEST_F(TooltipStateMachineTest, ClicksKeysAndTheWheelHideAtOnce) {
    UseBarSettings();
    MoveTo(10, 10);
    host.Advance(machine, 500);
    machine.OnLeftButtonDown(TipPoint{10, 10});
    EXPECT_FALSE(host.visible);
    EXPECT_TRUE(host.clicks.empty());  // the click was on the bar, not on the tip

    MoveTo(11, 10);
    host.Advance(machine, 500);
    ASSERT_TRUE(host.visible);
    machine.OnDismissingInput();
    EXPECT_FALSE(host.visible);
    EXPECT_TRUE(host.timers.empty());

    // A click pending on the initial delay cancels it too.
    MoveTo(12, 10);
    host.Advance(machine, 200);
    machine.OnLeftButtonDown(TipPoint{12, 10});
    host.Advance(machine, 1000);
    EXPECT_EQ(host.shown.size(), 2u);
}

TEST_F(TooltipStateMachineTest, AClickOnTheTipGoesToItsLinksBeforeItHides) {
    MoveTo(10, 10);
    host.Advance(machine, 500);
    host.tipArea = TipRect{0, 20, 80, 60};
    machine.OnLeftButtonDown(TipPoint{5, 30});
    ASSERT_EQ(host.clicks.size(), 1u);
    EXPECT_EQ(host.clicks[0], (TipPoint{5, 30}));
    EXPECT_FALSE(host.visible);
}

TEST_F(TooltipStateMachineTest, TheCursorOverTheTipHidesItUnlessTheBehaviourKeepsIt) {
    host.tipArea = TipRect{0, 20, 80, 60};
    MoveTo(10, 10);
    host.Advance(machine, 500);
    MoveTo(10, 25);
    EXPECT_FALSE(host.visible);

    machine.WindowDefaults().behaviour = SM::kKeepOverTip;
    MoveTo(150, 10);
    host.Advance(machine, 500);
    ASSERT_TRUE(host.visible);
    host.Advance(machine, 4000);
    MoveTo(10, 25);
    host.Advance(machine, 4000);  // the automatic hiding started again from the move
    EXPECT_TRUE(host.visible);
    host.Advance(machine, 1000);
    EXPECT_FALSE(host.visible);
}

TEST_F(TooltipStateMachineTest, FollowingAndKeepingBehavioursInsideTheTool) {
    machine.WindowDefaults().behaviour = SM::kFollowCursor;
    MoveTo(10, 10);
    host.Advance(machine, 500);
    MoveTo(14, 7);
    ASSERT_EQ(host.moves.size(), 1u);
    EXPECT_EQ(host.moves[0], (TipPoint{4, -3}));
    EXPECT_TRUE(host.visible);

    machine.HideTooltip();
    machine.WindowDefaults().behaviour = SM::kKeepInTool;
    MoveTo(150, 10);
    host.Advance(machine, 500);
    host.Advance(machine, 4000);
    MoveTo(151, 10);
    host.Advance(machine, 4000);
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(host.moves.size(), 1u);

    machine.WindowDefaults().behaviour = SM::kKeepInTool | SM::kNoAutoPop;
    MoveTo(152, 10);
    host.Advance(machine, 60000);
    EXPECT_TRUE(host.visible);
    EXPECT_FALSE(host.Running(SM::kTimerAutoPop));
}

TEST_F(TooltipStateMachineTest, ACursorThatMovedAwayBeforeTheDelayEndsShowsNothing) {
    MoveTo(10, 10);
    host.cursor = TipPoint{400, 400};  // moved without a relayed event (off the owner)
    host.Advance(machine, 500);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(machine.CurrentState(), SM::Hidden);
}

TEST_F(TooltipStateMachineTest, RepeatedPositionsAndEmptyTextsAreIgnored) {
    MoveTo(10, 10);
    host.Advance(machine, 300);
    MoveTo(10, 10);  // the same place again: the delay keeps running
    host.Advance(machine, 200);
    EXPECT_EQ(host.shown.size(), 1u);

    host.tools[1].tool.text.clear();
    MoveTo(150, 10);
    host.Advance(machine, 1000);
    EXPECT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(machine.CurrentState(), SM::Hidden);
    EXPECT_FALSE(host.Running(SM::kTimerAutoPop));
}

TEST_F(TooltipStateMachineTest, FadeInStepsDownToTheToolTransparencyBeforeHidingCanStart) {
    machine.SetDelayTime(SM::kDelayFadeIn, 30);
    machine.WindowDefaults().transparency = 30;
    MoveTo(10, 10);
    host.Advance(machine, 500);
    EXPECT_EQ(host.shownOpacity, 100);
    EXPECT_EQ(machine.CurrentState(), SM::Appearing);
    EXPECT_FALSE(host.Running(SM::kTimerAutoPop));
    host.Advance(machine, 30 * 4);
    EXPECT_EQ(host.redraws, (std::vector<int>{80, 60, 40, 30}));
    EXPECT_EQ(machine.CurrentState(), SM::Shown);
    EXPECT_FALSE(host.Running(SM::kTimerFadeIn));
    EXPECT_TRUE(host.Running(SM::kTimerAutoPop));

    // Moving inside the tool while it fades in does not start the countdown early.
    machine.WindowDefaults().behaviour = SM::kKeepInTool;
    MoveTo(150, 10);
    host.Advance(machine, 500);
    ASSERT_EQ(machine.CurrentState(), SM::Appearing);
    MoveTo(151, 10);
    EXPECT_FALSE(host.Running(SM::kTimerAutoPop));
    machine.WindowDefaults().behaviour = 0;

    // Switched off, the step time does nothing: the tip starts at its transparency.
    machine.SetFade(false, false);
    MoveTo(10, 10);
    host.Advance(machine, 500);
    EXPECT_EQ(host.shownOpacity, 30);
    EXPECT_EQ(machine.CurrentState(), SM::Shown);
}

TEST_F(TooltipStateMachineTest, ATipSetDuringAFadeOutWaitsForItsEnd) {
    machine.SetDelayTime(SM::kDelayFadeOut, 40);
    MoveTo(10, 10);
    host.Advance(machine, 500);
    MoveTo(150, 10);
    EXPECT_EQ(machine.CurrentState(), SM::Disappearing);
    EXPECT_TRUE(host.visible);
    host.Advance(machine, 40 * 4);
    EXPECT_EQ(host.redraws, (std::vector<int>{20, 40, 60, 80}));
    EXPECT_TRUE(host.visible);
    host.Advance(machine, 40);
    EXPECT_FALSE(host.visible);
    EXPECT_EQ(machine.CurrentState(), SM::Hidden);
    host.Advance(machine, 499);
    EXPECT_EQ(host.shown.size(), 1u);
    host.Advance(machine, 1);
    ASSERT_EQ(host.shown.size(), 2u);
    EXPECT_EQ(host.shown.back(), "<h1>B</h1>");
}

TEST_F(TooltipStateMachineTest, LeavingDuringAFadeOutDropsTheWaitingTip) {
    machine.SetDelayTime(SM::kDelayFadeOut, 40);
    MoveTo(10, 10);
    host.Advance(machine, 500);
    MoveTo(150, 10);
    MoveTo(300, 300);
    host.Advance(machine, 5000);
    EXPECT_EQ(host.shown.size(), 1u);
    EXPECT_FALSE(host.visible);
}

TEST_F(TooltipStateMachineTest, HideTooltipEndsEveryStateAndTheWaitingTip) {
    machine.SetDelayTime(SM::kDelayFadeOut, 40);
    MoveTo(10, 10);
    host.Advance(machine, 500);
    MoveTo(150, 10);
    machine.HideTooltip();
    EXPECT_FALSE(host.visible);
    EXPECT_EQ(machine.CurrentState(), SM::Hidden);
    host.Advance(machine, 5000);
    EXPECT_EQ(host.shown.size(), 1u);
}

TEST_F(TooltipStateMachineTest, AnimationTicksRunWhileATipIsUpAndRedrawOnlyChangedFrames) {
    machine.SetDelayTime(SM::kDelayAnimation, 100);
    host.animationChanges = true;
    EXPECT_FALSE(host.Running(SM::kTimerAnimation));
    MoveTo(10, 10);
    host.Advance(machine, 500);
    ASSERT_TRUE(host.visible);
    host.Advance(machine, 300);
    EXPECT_EQ(host.redraws.size(), 3u);
    host.animationChanges = false;
    host.Advance(machine, 300);
    EXPECT_EQ(host.redraws.size(), 3u);

    machine.HideTooltip();
    EXPECT_FALSE(host.Running(SM::kTimerAnimation));
    MoveTo(150, 10);
    host.Advance(machine, 500);
    EXPECT_TRUE(host.Running(SM::kTimerAnimation));
    MoveTo(300, 300);
    EXPECT_FALSE(host.Running(SM::kTimerAnimation));

    // A fading tip is not animated: only a fully shown one.
    machine.SetDelayTime(SM::kDelayFadeIn, 1000);
    host.animationChanges = true;
    MoveTo(10, 10);
    host.Advance(machine, 500);
    const std::size_t before = host.redraws.size();
    host.Advance(machine, 300);
    EXPECT_EQ(host.redraws.size(), before);

    machine.SetDelayTime(SM::kDelayAnimation, 0);
    EXPECT_FALSE(host.Running(SM::kTimerAnimation));
}

TEST_F(TooltipStateMachineTest, ToolFieldsComeFromTheDefaultsUnlessTheMaskSetsThem) {
    machine.WindowDefaults().direction = 33;
    machine.WindowDefaults().effect = 2;
    machine.WindowDefaults().beginColour = Rgb{1, 2, 3};
    ToolInfo own;
    own.mask = ToolInfo::kMaskColours | ToolInfo::kMaskTransparency;
    own.beginColour = Rgb{9, 9, 9};
    own.transparency = 250;
    own.direction = 2;
    const ToolInfo resolved = machine.Resolve(own);
    EXPECT_EQ(resolved.direction, 33);
    EXPECT_EQ(resolved.effect, 2);
    EXPECT_EQ(resolved.beginColour, (Rgb{9, 9, 9}));
    EXPECT_EQ(resolved.transparency, 100);

    machine.SetDelayTime(7, 1234);  // unknown kinds change nothing
    machine.SetDelayTime(SM::kDelayInitial, 250);
    EXPECT_EQ(machine.DelayTime(SM::kDelayInitial), 250);
    EXPECT_EQ(machine.DelayTime(SM::kDelayAutoPop), 5000);
}

}  // namespace
}  // namespace quivlane
