#include "config/ConfigSkeleton.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

TEST(ConfigSkeletonTest, WritesTheExactBytesOnceAndNeverReplacesAFile) {
    std::string expected =
        "<?xml version='1.0'?><XMLConfigSettings><PARAMETRES><SON></SON><AUTOSTART></AUTOSTART>"
        "<BOUTONQUITTER></BOUTONQUITTER><TOOLTIPS></TOOLTIPS><AUTOHIDE></AUTOHIDE>"
        "<HORLOGE></HORLOGE></PARAMETRES>";
    for (int n = 1; n <= 19; ++n) {
        char button[128];
        std::snprintf(button, sizeof button,
                      "<BOUTON%d><TEXTE></TEXTE><LIEN></LIEN><COMMENTAIRE></COMMENTAIRE>"
                      "</BOUTON%d>",
                      n, n);
        expected += button;
    }
    expected += "</XMLConfigSettings>";

    test::TempDir dir;
    const std::string path = dir.File("Quivlane.xml");
    ASSERT_TRUE(WriteSkeleton(path));
    EXPECT_EQ(dir.Read("Quivlane.xml"), expected);
    EXPECT_EQ(ConfigSkeleton::Text(), expected);

    dir.Write("Quivlane.xml", "<mien/>");
    EXPECT_FALSE(WriteSkeleton(path));
    EXPECT_EQ(dir.Read("Quivlane.xml"), "<mien/>");
    // The per-user folder is made on the way.
    EXPECT_TRUE(WriteSkeleton(dir.File("absent/Quivlane/Quivlane.xml")));
    EXPECT_EQ(dir.Read("absent/Quivlane/Quivlane.xml"), expected);
}

}  // namespace
}  // namespace quivlane
