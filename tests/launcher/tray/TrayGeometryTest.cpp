#include "launcher/tray/TrayGeometry.h"

#include <gtest/gtest.h>

namespace quivlane::test {
namespace {

constexpr ScreenRect kScreen{0, 0, 1920, 1080};

TEST(TrayGeometryTest, AKnownIconIsTheTarget) {
    const ScreenRect icon{1800, 1050, 1824, 1074};
    EXPECT_EQ(TrayGeometry::GetTrayRect({icon, kScreen, {0, 0, 1920, 1040}}), icon);
}

TEST(TrayGeometryTest, APanelAlongAnEdgeAimsNearItsEnd) {
    // Bottom and top panels: the last 100 pixels of the strip, short of its last 16.
    EXPECT_EQ(TrayGeometry::GetTrayRect({{}, kScreen, {0, 0, 1920, 1040}}),
              (ScreenRect{1820, 1040, 1904, 1080}));
    EXPECT_EQ(TrayGeometry::GetTrayRect({{}, kScreen, {0, 32, 1920, 1080}}),
              (ScreenRect{1820, 0, 1904, 32}));
    // Side panels: the bottom of the strip.
    EXPECT_EQ(TrayGeometry::GetTrayRect({{}, kScreen, {0, 0, 1856, 1080}}),
              (ScreenRect{1856, 980, 1920, 1064}));
    EXPECT_EQ(TrayGeometry::GetTrayRect({{}, kScreen, {70, 0, 1920, 1080}}),
              (ScreenRect{0, 980, 70, 1064}));
}

TEST(TrayGeometryTest, WithoutPanelOrIconTheWorkAreaCornerIsTheTarget) {
    EXPECT_EQ(TrayGeometry::GetTrayRect({{}, kScreen, kScreen}),
              (ScreenRect{1770, 1050, 1920, 1080}));
    // No screen known at all: still the work area's corner.
    EXPECT_EQ(TrayGeometry::GetTrayRect({{}, {}, {0, 0, 800, 600}}),
              (ScreenRect{650, 570, 800, 600}));
}

TEST(TrayGeometryTest, AnEmptyIconRectangleIsUnknown) {
    EXPECT_EQ(TrayGeometry::GetTrayRect({{1900, 0, 1900, 0}, kScreen, kScreen}),
              (ScreenRect{1770, 1050, 1920, 1080}));
}

TEST(TrayGeometryTest, FramesMoveEvenlyAndEndOnTheTarget) {
    const ScreenRect from{1678, 621, 1875, 1040};
    const ScreenRect to{1800, 1050, 1824, 1074};
    const auto frames = TrayGeometry::AnimationFrames(from, to, 10);
    ASSERT_EQ(frames.size(), 10u);
    EXPECT_EQ(frames.back(), to);
    EXPECT_NE(frames.front(), from);
    for (std::size_t i = 1; i < frames.size(); ++i) {
        EXPECT_GE(frames[i].left, frames[i - 1].left);
        EXPECT_GE(frames[i].top, frames[i - 1].top);
        EXPECT_LE(frames[i].right, frames[i - 1].right);
        EXPECT_GE(frames[i].bottom, frames[i - 1].bottom);
    }
    EXPECT_EQ(frames[4], (ScreenRect{1739, 836, 1849, 1057}));
}

TEST(TrayGeometryTest, OddStepCountsStillEndOnTheTarget) {
    const ScreenRect to{5, 5, 6, 6};
    EXPECT_EQ(TrayGeometry::AnimationFrames({0, 0, 100, 100}, to, 1), std::vector<ScreenRect>{to});
    EXPECT_EQ(TrayGeometry::AnimationFrames({0, 0, 100, 100}, to, 7).back(), to);
    EXPECT_TRUE(TrayGeometry::AnimationFrames({0, 0, 100, 100}, to, 0).empty());
    // Moving backwards (showing again) interpolates the same way.
    EXPECT_EQ(TrayGeometry::AnimationFrames(to, {0, 0, 100, 100}, 3).back(),
              (ScreenRect{0, 0, 100, 100}));
}

}  // namespace
}  // namespace quivlane::test
