#include "config/LinkFormats.h"

#include <gtest/gtest.h>

#include "config/LabelColour.h"

namespace quivlane {
namespace {

TEST(LinkFormatsTest, AlarmTimeOnlyFromExactTwentyCharacterLinks) {
    EXPECT_EQ(LinkFormats::AlarmTime("DEFINIR_ALARME?07:30"), "07:30");
    EXPECT_EQ(LinkFormats::AlarmTime("DEFINIR_ALARME?07;30"), "07;30");
    EXPECT_EQ(LinkFormats::AlarmTime("DEFINIR_ALARME?7:30"), "");
    EXPECT_EQ(LinkFormats::AlarmTime("DEFINIR_ALARME?07:300"), "");
    EXPECT_EQ(LinkFormats::AlarmTime("DEFINIR_ALARME"), "");
    EXPECT_EQ(LinkFormats::AlarmTime("DEFINIR_ALARMEX07:30"), "");
    EXPECT_EQ(LinkFormats::AlarmTime("definir_alarme?07:30"), "");
    EXPECT_EQ(LinkFormats::AlarmTime("LECTEUR_MP3?/musique"), "");
    EXPECT_EQ(LinkFormats::AlarmTime(""), "");
    // Characters are counted, not bytes.
    EXPECT_EQ(LinkFormats::AlarmTime("DEFINIR_ALARME?é7:30"), "é7:30");
    EXPECT_EQ(LinkFormats::AlarmTime("DEFINIR_ALARME?é:30"), "");

    EXPECT_EQ(LinkFormats::FormatAlarmLink("23:05"), "DEFINIR_ALARME?23:05");
    EXPECT_EQ(LinkFormats::AlarmTime(LinkFormats::FormatAlarmLink("23:05")), "23:05");
    EXPECT_TRUE(LinkFormats::IsAlarmLink("DEFINIR_ALARME"));
    EXPECT_TRUE(LinkFormats::IsAlarmLink("DEFINIR_ALARMES et plus"));
    EXPECT_FALSE(LinkFormats::IsAlarmLink("DEFINIR_ALARM"));
}

TEST(LinkFormatsTest, Mp3FolderFollowsTheKeywordAndOneCharacter) {
    EXPECT_EQ(LinkFormats::FormatMp3Link("/home/moi/Musique"), "LECTEUR_MP3?/home/moi/Musique");
    EXPECT_EQ(LinkFormats::Mp3Folder(LinkFormats::FormatMp3Link("/home/é")), "/home/é");
    EXPECT_EQ(LinkFormats::Mp3Folder("LECTEUR_MP3"), "");
    EXPECT_EQ(LinkFormats::Mp3Folder("LECTEUR_MP3?"), "");
    // Whatever stands in place of the "?" is skipped whole, even an accented letter.
    EXPECT_EQ(LinkFormats::Mp3Folder("LECTEUR_MP3é/musique"), "/musique");
    EXPECT_EQ(LinkFormats::Mp3Folder("/home/LECTEUR_MP3?/musique"), "");
    EXPECT_FALSE(LinkFormats::IsMp3Link("LECTEUR_MP"));
}

TEST(LabelColourTest, FiveExactNamesEverythingElseBlack) {
    EXPECT_EQ(LabelColourFromName("NOIR"), (Rgb{0, 0, 0}));
    EXPECT_EQ(LabelColourFromName("JAUNE"), (Rgb{168, 163, 30}));
    EXPECT_EQ(LabelColourFromName("VERT"), (Rgb{20, 167, 37}));
    EXPECT_EQ(LabelColourFromName("BLEU"), (Rgb{0, 0, 255}));
    EXPECT_EQ(LabelColourFromName("ROUGE"), (Rgb{255, 0, 0}));
    EXPECT_EQ(LabelColourFromName("rouge"), (Rgb{0, 0, 0}));
    EXPECT_EQ(LabelColourFromName("ROUGE "), (Rgb{0, 0, 0}));
    EXPECT_TRUE(IsLabelColourName("JAUNE"));
    EXPECT_FALSE(IsLabelColourName("rouge"));
    EXPECT_FALSE(IsLabelColourName(""));
}

}  // namespace
}  // namespace quivlane
