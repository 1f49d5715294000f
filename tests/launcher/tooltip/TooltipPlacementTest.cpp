#include "launcher/tooltip/core/TooltipPlacement.h"

#include <gtest/gtest.h>

#include "launcher/tooltip/core/TooltipShape.h"

namespace quivlane {
namespace {

constexpr TipRect kScreen{0, 0, 1024, 768};
constexpr TooltipPlacement::Sizes kBalloon{12, 16, 16};
constexpr int kBodyW = 100;
constexpr int kBodyH = 50;

TooltipPlacement::Layout PlaceAt(int x, int y, int direction,
                                 TooltipPlacement::Sizes sizes = kBalloon) {
    return TooltipPlacement::Place(kScreen, TipPoint{x, y}, kBodyW, kBodyH, direction, sizes);
}

// The anchor lies on the cursor and the whole tip on the screen.
void ExpectAnchoredOnScreen(const TooltipPlacement::Layout& l, int x, int y) {
    EXPECT_EQ(l.window.left + l.anchor.x, x);
    EXPECT_EQ(l.window.top + l.anchor.y, y);
    EXPECT_GE(l.window.left, kScreen.left);
    EXPECT_GE(l.window.top, kScreen.top);
    EXPECT_LE(l.window.right, kScreen.right);
    EXPECT_LE(l.window.bottom, kScreen.bottom);
}

TEST(TooltipPlacementTest, TheDefaultDirectionPutsTheTipAboveTheCursorAnchoredNearItsLeft) {
    const auto l = PlaceAt(500, 400, 16);
    EXPECT_EQ(l.direction, 16);
    EXPECT_EQ(l.window, (TipRect{500 - 16, 400 - 66, 500 - 16 + 100, 400}));
    EXPECT_EQ(l.body, (TipRect{0, 0, 100, 50}));
    ExpectAnchoredOnScreen(l, 500, 400);
    ASSERT_TRUE(l.hasAnchor);
    EXPECT_EQ(l.triangle[0], l.anchor);
    EXPECT_EQ(l.triangle[1], (TipPoint{16, 50}));
    EXPECT_EQ(l.triangle[2], (TipPoint{28, 50}));
}

TEST(TooltipPlacementTest, SidesFlipAtTheScreenEdges) {
    // Near the top the tip goes below the cursor, its body under the anchor.
    auto l = PlaceAt(500, 30, 16);
    EXPECT_EQ(l.direction, 0);
    EXPECT_EQ(l.window.top, 30);
    EXPECT_EQ(l.body, (TipRect{0, 16, 100, 66}));
    ExpectAnchoredOnScreen(l, 500, 30);
    EXPECT_EQ(l.triangle[1].y, 16);

    // Near the bottom a tip asked below goes above.
    l = PlaceAt(500, 740, 0);
    EXPECT_EQ(l.direction, 16);
    ExpectAnchoredOnScreen(l, 500, 740);

    // Right of the cursor at the right edge flips left, and back at the left edge.
    l = PlaceAt(1000, 400, 32);
    EXPECT_EQ(l.direction, 48);
    EXPECT_EQ(l.window.right, 1000);
    EXPECT_EQ(l.body, (TipRect{0, 0, 100, 50}));
    ExpectAnchoredOnScreen(l, 1000, 400);
    l = PlaceAt(20, 400, 48);
    EXPECT_EQ(l.direction, 32);
    EXPECT_EQ(l.window.left, 20);
    EXPECT_EQ(l.body, (TipRect{16, 0, 116, 50}));
    ExpectAnchoredOnScreen(l, 20, 400);
}

TEST(TooltipPlacementTest, NearTheRightEdgeTheAnchorStaysOnTheCursorAndTheTipExtendsLeft) {
    const auto l = PlaceAt(1000, 400, 16);
    EXPECT_EQ(l.direction, 17);
    EXPECT_EQ(l.anchor.x, 100 - 16);
    EXPECT_EQ(l.window.right, 1016);
    ExpectAnchoredOnScreen(l, 1000, 400);
    EXPECT_EQ(l.triangle[2].x, 100 - 16);  // the base ends at the offset from the right

    // In the top-right corner both rules apply.
    const auto corner = PlaceAt(1020, 5, 16);
    EXPECT_EQ(corner.direction, 1);
    ExpectAnchoredOnScreen(corner, 1020, 5);
}

TEST(TooltipPlacementTest, AlignmentsTurnBackFromTheLeftEdgeAndCentreWhenNeitherEndFits) {
    auto l = PlaceAt(10, 400, 17);
    EXPECT_EQ(l.direction, 16);
    ExpectAnchoredOnScreen(l, 10, 400);

    l = PlaceAt(5, 400, 18);  // centred, but within the anchor offset of the left edge
    EXPECT_EQ(l.direction, 16);
    ExpectAnchoredOnScreen(l, 5, 400);
    l = PlaceAt(1020, 400, 18);
    EXPECT_EQ(l.direction, 17);
    l = PlaceAt(500, 400, 18);
    EXPECT_EQ(l.direction, 18);
    EXPECT_EQ(l.anchor.x, 50);
    // Centred but close to the right edge (beyond the offset): slides left, anchor kept.
    l = PlaceAt(990, 400, 18);
    EXPECT_EQ(l.direction, 18);
    ExpectAnchoredOnScreen(l, 990, 400);

    // Wider than half the screen either way: centred, kept off the left edge.
    const auto wide =
        TooltipPlacement::Place(TipRect{0, 0, 300, 768}, TipPoint{150, 400}, 280, 50, 16, kBalloon);
    EXPECT_EQ(wide.direction, 18);
    EXPECT_GE(wide.window.left, 0);
    EXPECT_EQ(wide.window.left + wide.anchor.x, 150);

    // Vertical sides align along y the same way.
    l = PlaceAt(400, 760, 32);
    EXPECT_EQ(l.direction, 33);
    ExpectAnchoredOnScreen(l, 400, 760);
}

TEST(TooltipPlacementTest, ScreensThatDoNotStartAtZeroAreHonoured) {
    const TipRect screen{-1280, 0, 1024, 768};
    const auto l =
        TooltipPlacement::Place(screen, TipPoint{-1270, 400}, kBodyW, kBodyH, 17, kBalloon);
    EXPECT_EQ(l.direction, 16);
    EXPECT_GE(l.window.left, -1280);
}

TEST(TooltipPlacementTest, WithoutAnAnchorTheTipIsTheBodyAlone) {
    const auto l = PlaceAt(500, 400, 16, TooltipPlacement::Sizes{0, 0, 0});
    EXPECT_FALSE(l.hasAnchor);
    EXPECT_EQ(l.window.Height(), kBodyH);
    EXPECT_EQ(l.window.bottom, 400);

    const TooltipShape shape(l, 0, 0);
    EXPECT_EQ(shape.Count(), kBodyW * kBodyH);
    EXPECT_TRUE(shape.Contains(0, 0));
    EXPECT_TRUE(shape.Contains(kBodyW - 1, kBodyH - 1));
    EXPECT_TRUE(shape.OnFrame(0, 10, 1, 1));
    EXPECT_TRUE(shape.OnFrame(50, kBodyH - 1, 1, 1));
    EXPECT_FALSE(shape.OnFrame(1, 10, 1, 1));
    EXPECT_TRUE(shape.OnFrame(1, 10, 2, 2));
    EXPECT_FALSE(shape.OnFrame(0, 10, 0, 1));
}

TEST(TooltipShapeTest, TheBalloonIsARoundedBodyJoinedWithAPointedAnchor) {
    const auto l = PlaceAt(500, 400, 16);
    const TooltipShape shape(l, 16, 16);
    EXPECT_EQ(shape.Width(), 100);
    EXPECT_EQ(shape.Height(), 66);
    // Rounded corners are cut, edges between them kept.
    EXPECT_FALSE(shape.Contains(0, 0));
    EXPECT_FALSE(shape.Contains(99, 0));
    EXPECT_FALSE(shape.Contains(0, 49));
    EXPECT_TRUE(shape.Contains(50, 0));
    EXPECT_TRUE(shape.Contains(0, 25));
    EXPECT_TRUE(shape.Contains(99, 25));
    EXPECT_TRUE(shape.Contains(50, 49));
    // The anchor: full width at the body, narrowing to the cursor; nothing beside it.
    EXPECT_TRUE(shape.Contains(20, 51));
    EXPECT_TRUE(shape.Contains(16, 64));
    EXPECT_FALSE(shape.Contains(40, 55));
    EXPECT_FALSE(shape.Contains(5, 60));
    EXPECT_FALSE(shape.Contains(-1, 20));
    EXPECT_FALSE(shape.Contains(100, 20));
    // Connected: every row from the body to the tip's bottom holds some anchor pixel.
    for (int y = 50; y < 66; ++y) {
        bool any = false;
        for (int x = 0; x < 100; ++x) {
            any = any || shape.Contains(x, y);
        }
        EXPECT_TRUE(any) << "row " << y;
    }
    // The frame follows the outline, round the anchor too.
    EXPECT_TRUE(shape.OnFrame(50, 0, 1, 1));
    EXPECT_FALSE(shape.OnFrame(50, 25, 1, 1));
    EXPECT_TRUE(shape.OnFrame(16, 65, 1, 1));
}

}  // namespace
}  // namespace quivlane
