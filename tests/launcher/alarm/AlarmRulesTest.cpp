#include "launcher/alarm/AlarmRules.h"

#include <gtest/gtest.h>

#include "config/XmlSettingsStore.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

using test::ScriptedMessageBoxes;
using test::TempDir;

TEST(AlarmRulesTest, TimeIsTakenFromTheFixedCharacterPositions) {
    AlarmRules rules;
    rules.LoadFromLink("DEFINIR_ALARME?07:05");
    EXPECT_EQ(rules.HourText(), "07");
    EXPECT_EQ(rules.MinuteText(), "05");
    EXPECT_EQ(rules.HourPosition(), 7);
    EXPECT_EQ(rules.MinutePosition(), 5);
    EXPECT_EQ(rules.DisplayText(), "     07;05    ");
    EXPECT_EQ(rules.AcceptedTime(), "07:05");

    // Positions, not the "?": any 16-character link counts.
    rules.Reset();
    rules.LoadFromLink("XXXXXXXXXXXXXXX12x34");
    EXPECT_EQ(rules.HourText(), "12");
    EXPECT_EQ(rules.MinuteText(), "34");
}

TEST(AlarmRulesTest, LinksWithoutTimeLeaveMidnight) {
    for (const char* link : {"", "DEFINIR_ALARME", "DEFINIR_ALARME?"}) {
        AlarmRules rules;
        rules.HourMoved(9);
        rules.Reset();
        rules.LoadFromLink(link);
        EXPECT_EQ(rules.DisplayText(), "     00;00    ") << link;
        EXPECT_EQ(rules.AcceptedTime(), "00:00") << link;
    }
}

TEST(AlarmRulesTest, ShortOrDamagedTimesBecomeTheTimeTheSlidersShow) {
    AlarmRules rules;
    rules.LoadFromLink("DEFINIR_ALARME?7");  // 16 characters: the hour is cut short
    EXPECT_EQ(rules.HourText(), "07");
    EXPECT_EQ(rules.MinuteText(), "00");

    rules.Reset();
    rules.LoadFromLink("DEFINIR_ALARME?99:75");
    EXPECT_EQ(rules.DisplayText(), "     23;59    ");
    EXPECT_EQ(rules.AcceptedTime(), "23:59");

    rules.Reset();
    rules.LoadFromLink("DEFINIR_ALARME?ab:4x");
    EXPECT_EQ(rules.DisplayText(), "     00;04    ");
    EXPECT_EQ(rules.HourPosition(), 0);
    EXPECT_EQ(rules.MinutePosition(), 4);
    rules.HourMoved(6);
    EXPECT_EQ(rules.AcceptedTime(), "06:04");

    // Characters, not bytes: an accented letter is one position.
    rules.Reset();
    rules.LoadFromLink("DEFINIR_ALARMÉ?é9:05");
    EXPECT_EQ(rules.HourText(), "00");
    EXPECT_EQ(rules.MinuteText(), "05");
    // ... and each byte of a malformed sequence one, as the link's length check counts them.
    rules.Reset();
    rules.LoadFromLink(
        "DEFINIR_ALAR\xED\xA0\x80"
        "07:05");
    EXPECT_EQ(rules.HourText(), "07");
    EXPECT_EQ(rules.MinuteText(), "05");
}

TEST(AlarmRulesTest, SlidersWriteTwoDigitsIntoTheirOwnHalf) {
    AlarmRules rules;
    rules.MinuteMoved(30);
    EXPECT_EQ(rules.DisplayText(), "     00;30    ");
    rules.HourMoved(7);
    EXPECT_EQ(rules.DisplayText(), "     07;30    ");
    rules.HourMoved(23);
    rules.MinuteMoved(0);
    EXPECT_EQ(rules.AcceptedTime(), "23:00");
    EXPECT_EQ(rules.DisplayText().size(), 14u);
}

TEST(AlarmRulesTest, DecimalValueReadsTheLeadingNumber) {
    EXPECT_EQ(AlarmRules::DecimalValue("07"), 7);
    EXPECT_EQ(AlarmRules::DecimalValue(" 9x"), 9);
    EXPECT_EQ(AlarmRules::DecimalValue("-3"), -3);
    EXPECT_EQ(AlarmRules::DecimalValue("x9"), 0);
    EXPECT_EQ(AlarmRules::DecimalValue(""), 0);
    EXPECT_EQ(AlarmRules::DecimalValue("99999999999999999999"), 2147483647);
}

TEST(AlarmRulesTest, SectionIsNumberedFromTheFirstButton) {
    EXPECT_EQ(AlarmRules::SectionOf(1000), "BOUTON1");
    EXPECT_EQ(AlarmRules::SectionOf(1018), "BOUTON19");
}

class AlarmRulesFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_.Write("Quivlane.xml",
                   "<?xml version=\"1.0\"?><XMLConfigSettings>"
                   "<BOUTON1><TEXTE>Un</TEXTE><LIEN>C:/x</LIEN></BOUTON1>"
                   "<BOUTON3><TEXTE>Réveil</TEXTE><LIEN>DEFINIR_ALARME?06:45</LIEN></BOUTON3>"
                   "</XMLConfigSettings>");
    }
    std::string Path() const { return dir_.File("Quivlane.xml"); }
    std::string LinkOf(const std::string& section) {
        store_.SetPath(Path());
        return store_.GetValue(section, "LIEN", "<none>");
    }

    TempDir dir_;
    ScriptedMessageBoxes boxes_;
    XmlSettingsStore store_{boxes_};
};

TEST_F(AlarmRulesFileTest, LoadReadsTheClickedButtonsLinkAfresh) {
    AlarmRules rules;
    rules.MinuteMoved(12);
    rules.Load(store_, Path(), 1002);
    EXPECT_EQ(rules.DisplayText(), "     06;45    ");
    rules.Load(store_, Path(), 1001);  // no such button: midnight, not the last time
    EXPECT_EQ(rules.DisplayText(), "     00;00    ");
}

TEST_F(AlarmRulesFileTest, AcceptAndDeleteWriteOnlyTheirButtonsLink) {
    AlarmRules rules;
    rules.Load(store_, Path(), 1002);
    EXPECT_EQ(rules.Accept(store_, Path(), 1002), "06:45");
    EXPECT_EQ(LinkOf("BOUTON3"), "DEFINIR_ALARME?06:45");

    rules.MinuteMoved(30);
    rules.HourMoved(7);
    EXPECT_EQ(rules.Accept(store_, Path(), 1002), "07:30");
    EXPECT_EQ(LinkOf("BOUTON3"), "DEFINIR_ALARME?07:30");
    EXPECT_EQ(LinkOf("BOUTON1"), "C:/x");
    store_.SetPath(Path());
    EXPECT_EQ(store_.GetValue("BOUTON3", "TEXTE", ""), "Réveil");

    EXPECT_EQ(AlarmRules::Delete(store_, Path(), 1002), "ANNULEE");
    EXPECT_EQ(LinkOf("BOUTON3"), "DEFINIR_ALARME");
    // A button that has no element yet gets one.
    EXPECT_EQ(AlarmRules::Delete(store_, Path(), 1018), "ANNULEE");
    EXPECT_EQ(LinkOf("BOUTON19"), "DEFINIR_ALARME");
    EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(AlarmRulesFileTest, AButtonTheEditorMadeSomethingElseMeanwhileIsLeftAlone) {
    AlarmRules rules;
    rules.Load(store_, Path(), 1002);
    store_.SetPath(Path());
    ASSERT_EQ(store_.SetValue("BOUTON3", "LIEN", "/home/moi/musique"), 0);
    rules.HourMoved(8);
    EXPECT_EQ(rules.Accept(store_, Path(), 1002), "08:45");
    EXPECT_EQ(LinkOf("BOUTON3"), "/home/moi/musique");
    EXPECT_EQ(AlarmRules::Delete(store_, Path(), 1002), "ANNULEE");
    EXPECT_EQ(LinkOf("BOUTON3"), "/home/moi/musique");
}

}  // namespace
}  // namespace quivlane
