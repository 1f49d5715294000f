#include "controls/DialogUnits.h"

#include <gtest/gtest.h>

namespace quivlane {
namespace {

TEST(DialogUnitsTest, TheBarTemplateGivesTheBarPicture) {
    EXPECT_EQ(DialogUnits::ToPixelsX(131), 197);
    EXPECT_EQ(DialogUnits::ToPixelsY(258), 419);
}

TEST(DialogUnitsTest, HalvesRoundAwayFromZero) {
    EXPECT_EQ(DialogUnits::ToPixelsX(0), 0);
    EXPECT_EQ(DialogUnits::ToPixelsX(1), 2);    // 1.5
    EXPECT_EQ(DialogUnits::ToPixelsX(49), 74);  // 73.5
    EXPECT_EQ(DialogUnits::ToPixelsX(-1), -2);
    EXPECT_EQ(DialogUnits::ToPixelsY(4), 7);    // 6.5
    EXPECT_EQ(DialogUnits::ToPixelsY(35), 57);  // 56.875
    EXPECT_EQ(DialogUnits::ToPixelsY(1), 2);    // 1.625
    EXPECT_EQ(DialogUnits::ToPixelsY(-4), -7);
}

}  // namespace
}  // namespace quivlane
