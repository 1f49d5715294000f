#include <gtest/gtest.h>

#include <filesystem>

#include "config/ConfigSkeleton.h"
#include "editor/ConfigEditor.h"
#include "tests/editor/EditorFixture.h"

namespace quivlane::test {
namespace {

using W = RecordingSettingsStore::Write;
using Beep = RecordingSound::BeepCall;

class SaveButtonTest : public EditorFixture {
  protected:
    void StartAt(const std::string& entry) {
        Start();
        editor.SelectButton(entry);
        recorder.writes.clear();
    }
};

TEST_F(SaveButtonTest, WritesTheFourElementsInOrderAndAcknowledges) {
    StartAt("BOUTON 3");
    view.label = "Courrier";
    view.link = "https://mail.example.org/";
    view.comment = "<i>Boîte</i>";
    editor.ChooseColour(ColourChoice::Bleu);
    editor.FieldFocused();
    EXPECT_TRUE(editor.SaveButton());
    EXPECT_EQ(recorder.writes, (std::vector<W>{{"BOUTON3", "TEXTE", "Courrier"},
                                               {"BOUTON3", "LIEN", "https://mail.example.org/"},
                                               {"BOUTON3", "COMMENTAIRE", "<i>Boîte</i>"},
                                               {"BOUTON3", "COULEURTEXTE", "BLEU"}}));
    EXPECT_EQ(Value("BOUTON3", "COMMENTAIRE"), "<i>Boîte</i>");
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{100, 100}}));
    EXPECT_TRUE(editor.ButtonSaved());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SaveButtonTest, AlarmLinksRewriteTheLabelAsAlarme) {
    StartAt("BOUTON 5");
    for (const std::string link : {"DEFINIR_ALARME", "DEFINIR_ALARME?07:30"}) {
        recorder.writes.clear();
        view.label = "Réveil";
        view.link = link;
        view.comment = "";
        editor.SaveButton();
        ASSERT_EQ(recorder.writes.size(), 5u);
        EXPECT_EQ(recorder.writes[0], (W{"BOUTON5", "TEXTE", "Réveil"}));
        EXPECT_EQ(recorder.writes[1], (W{"BOUTON5", "LIEN", link}));
        EXPECT_EQ(recorder.writes[2], (W{"BOUTON5", "TEXTE", "ALARME"}));
        EXPECT_EQ(recorder.writes[3].key, "COMMENTAIRE");
        EXPECT_EQ(Value("BOUTON5", "TEXTE"), "ALARME");
    }
    // Only the beginning counts.
    recorder.writes.clear();
    view.link = "DEFINIR_ALARM";
    editor.SaveButton();
    EXPECT_EQ(recorder.writes.size(), 4u);
}

TEST_F(SaveButtonTest, LabelLimitIsTenCharactersNotBytes) {
    StartAt("BOUTON 1");
    view.link = "";
    view.comment = "";
    view.label = "ÉÉÉÉÉÉÉÉÉÉ";  // ten characters, twenty bytes
    EXPECT_TRUE(editor.SaveButton());
    EXPECT_EQ(Value("BOUTON1", "TEXTE"), "ÉÉÉÉÉÉÉÉÉÉ");

    recorder.writes.clear();
    sound.beeps.clear();
    view.label = "ÉÉÉÉÉÉÉÉÉÉÉ";
    EXPECT_FALSE(editor.SaveButton());
    EXPECT_TRUE(recorder.writes.empty());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Le texte du bouton est trop long (10 caractères maximum)");
    EXPECT_EQ(boxes.boxes[0].caption, "Attention");
    EXPECT_FALSE(boxes.boxes[0].question);
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{100, 100}}));
    EXPECT_EQ(Value("BOUTON1", "TEXTE"), "ÉÉÉÉÉÉÉÉÉÉ");
}

TEST_F(SaveButtonTest, AllThreeLimitsReportInOrderAndNothingIsWritten) {
    StartAt("BOUTON 2");
    view.label = std::string(11, 'x');
    view.link = std::string(501, 'l');
    view.comment = std::string(501, 'c');
    editor.FieldFocused();
    EXPECT_FALSE(editor.SaveButton());
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(boxes.boxes[0].text, "Le texte du bouton est trop long (10 caractères maximum)");
    EXPECT_EQ(boxes.boxes[1].text, "Le lien du bouton est trop long (500 caractères maximum)");
    EXPECT_EQ(boxes.boxes[2].text,
              "Le commentaire du bouton est trop long (500 caractères maximum)");
    EXPECT_TRUE(recorder.writes.empty());
    EXPECT_FALSE(editor.ButtonSaved()) << "refused input must not count as saved";

    // Exactly at the limits is accepted.
    view.label = std::string(10, 'x');
    view.link = std::string(500, 'l');
    view.comment = std::string(500, 'c');
    EXPECT_TRUE(editor.SaveButton());
    EXPECT_EQ(Value("BOUTON2", "LIEN"), std::string(500, 'l'));
}

TEST_F(SaveButtonTest, ATextTheFileCannotCarryStopsTheWholeSaveAndSaysWhichAndWhy) {
    WriteConfig("<BOUTON4><TEXTE>avant</TEXTE><LIEN>/srv</LIEN></BOUTON4>");
    StartAt("BOUTON 4");
    const std::string before = ReadFile(ConfigPath());
    view.label = "après";
    view.link =
        "https://example.org/\x03"
        "collé";
    view.comment = "ok\tavec tabulation";
    editor.FieldFocused();
    EXPECT_FALSE(editor.SaveButton());
    EXPECT_TRUE(recorder.writes.empty()) << "a refused link must not leave a half-saved button";
    EXPECT_EQ(ReadFile(ConfigPath()), before);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Attention");
    EXPECT_EQ(boxes.boxes[0].text,
              "Le lien du bouton contient un caractère de contrôle (U+0003), qui ne peut pas "
              "être enregistré");
    EXPECT_FALSE(editor.ButtonSaved());

    // Label and comment are checked the same way, in the order of the limit messages.
    boxes.boxes.clear();
    view.label = std::string("\x1b") + "123456789AB";
    view.link = "ok";
    view.comment = "\xEF\xBF\xBF";  // U+FFFF
    EXPECT_FALSE(editor.SaveButton());
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(boxes.boxes[0].text, "Le texte du bouton est trop long (10 caractères maximum)");
    EXPECT_EQ(boxes.boxes[1].text.rfind("Le texte du bouton contient un caractère de contrôle", 0),
              0u);
    EXPECT_EQ(boxes.boxes[2].text.rfind("Le commentaire du bouton contient un caractère invalide "
                                        "(U+FFFF)",
                                        0),
              0u);
    EXPECT_TRUE(recorder.writes.empty());
}

TEST_F(SaveButtonTest, AFieldLeftAsShownKeepsWhatTheBarSavedSince) {
    WriteConfig(
        "<BOUTON6><TEXTE>ALARME</TEXTE><LIEN>DEFINIR_ALARME?07:30</LIEN>"
        "<COMMENTAIRE>matin</COMMENTAIRE><COULEURTEXTE>VERT</COULEURTEXTE></BOUTON6>"
        "<BOUTON7><LIEN>LECTEUR_MP3</LIEN></BOUTON7>");
    StartAt("BOUTON 6");
    EXPECT_EQ(view.link, "DEFINIR_ALARME?07:30");
    // The bar sets a new time while the editor shows the button.
    XmlSettingsStore bar(boxes);
    bar.SetPath(ConfigPath());
    ASSERT_EQ(bar.SetValue("BOUTON6", "LIEN", "DEFINIR_ALARME?08:15"), 0);
    view.comment = "réveil";
    editor.FieldFocused();
    EXPECT_TRUE(editor.SaveButton());
    EXPECT_EQ(Value("BOUTON6", "LIEN"), "DEFINIR_ALARME?08:15");
    EXPECT_EQ(Value("BOUTON6", "COMMENTAIRE"), "réveil");
    EXPECT_EQ(Value("BOUTON6", "TEXTE"), "ALARME");
    EXPECT_EQ(Value("BOUTON6", "COULEURTEXTE"), "VERT");
    EXPECT_TRUE(boxes.boxes.empty());

    // Saved again after another change by the bar: the field is still the one last saved.
    ASSERT_EQ(bar.SetValue("BOUTON6", "LIEN", "DEFINIR_ALARME"), 0);
    EXPECT_TRUE(editor.SaveButton());
    EXPECT_EQ(Value("BOUTON6", "LIEN"), "DEFINIR_ALARME");

    // A link the user typed wins over the bar's.
    ASSERT_EQ(bar.SetValue("BOUTON6", "LIEN", "DEFINIR_ALARME?09:00"), 0);
    view.link = "DEFINIR_ALARME?06:00";
    EXPECT_TRUE(editor.SaveButton());
    EXPECT_EQ(Value("BOUTON6", "LIEN"), "DEFINIR_ALARME?06:00");

    // The same for an MP3 folder chosen in the bar after the button was shown.
    editor.SelectButton("BOUTON 7");
    ASSERT_EQ(bar.SetValue("BOUTON7", "LIEN", "LECTEUR_MP3?/srv/musique"), 0);
    EXPECT_TRUE(editor.SaveButton());
    EXPECT_EQ(Value("BOUTON7", "LIEN"), "LECTEUR_MP3?/srv/musique");
}

TEST_F(SaveButtonTest, AnUnchosenColourIsWrittenAsNoirAndCreatesTheElement) {
    editor.StartUp(ModulePath());  // fresh skeleton: no COULEURTEXTE anywhere
    editor.SelectButton("BOUTON 9");
    view.label = "neuf";
    editor.SaveButton();
    EXPECT_EQ(Value("BOUTON9", "COULEURTEXTE"), "NOIR");
    EXPECT_EQ(ReadFile(ConfigPath()).find("<COULEURTEXTE") == std::string::npos, false);
}

TEST_F(SaveButtonTest, ALoadedNoirStaysNoirAfterAnotherButtonWasSavedInRouge) {
    WriteConfig(
        "<BOUTON1><COULEURTEXTE>ROUGE</COULEURTEXTE></BOUTON1>"
        "<BOUTON2><COULEURTEXTE>NOIR</COULEURTEXTE></BOUTON2>");
    StartAt("BOUTON 1");
    editor.SaveButton();
    editor.SelectButton("BOUTON 2");
    editor.SaveButton();
    EXPECT_EQ(Value("BOUTON1", "COULEURTEXTE"), "ROUGE");
    EXPECT_EQ(Value("BOUTON2", "COULEURTEXTE"), "NOIR");
}

TEST_F(SaveButtonTest, AFileThatCannotBeWrittenIsNotAcknowledgedAsSaved) {
    WriteConfig("<BOUTON1><TEXTE>avant</TEXTE></BOUTON1>");
    StartAt("BOUTON 1");
    std::filesystem::permissions(
        ConfigPath(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    view.label = "après";
    editor.FieldFocused();
    EXPECT_FALSE(editor.SaveButton());
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{50, 100}}));
    EXPECT_FALSE(editor.ButtonSaved());
    // Said in words too, with the file: not everyone hears the beep. One box, one attempt.
    EXPECT_EQ(recorder.writes.size(), 1u);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Attention");
    EXPECT_EQ(boxes.boxes[0].text,
              "Le bouton n'a pas pu être enregistré (BOUTON1/TEXTE) : Le "
              "fichier « " +
                  ConfigPath() + " » est en lecture seule.");
    std::filesystem::permissions(ConfigPath(), std::filesystem::perms::owner_all);
    EXPECT_EQ(Value("BOUTON1", "TEXTE"), "avant");
}

class SaveSwitchesTest : public EditorFixture {
  protected:
    static constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
};

TEST_F(SaveSwitchesTest, WritesAllSixInOrderAndTheAutostartValue) {
    WriteConfig("<PARAMETRES><SON>OUI</SON><TOOLTIPS>OUI</TOOLTIPS></PARAMETRES>");
    Start();
    editor.ToggleSwitch(EditorSwitch::Autostart);
    EXPECT_TRUE(editor.SaveGlobalSettings());
    // BOUTONQUITTER was absent, so it reads as on and is written out as such.
    EXPECT_EQ(recorder.writes, (std::vector<W>{{"PARAMETRES", "SON", "OUI"},
                                               {"PARAMETRES", "AUTOSTART", "OUI"},
                                               {"PARAMETRES", "BOUTONQUITTER", "OUI"},
                                               {"PARAMETRES", "TOOLTIPS", "OUI"},
                                               {"PARAMETRES", "AUTOHIDE", "NON"},
                                               {"PARAMETRES", "HORLOGE", "NON"}}));
    const std::string launcher = dir.File("Quivlane");
    EXPECT_EQ((registry.values[{kRun, "Quivlane"}]), launcher);
    // Written by Set (forced) and once more by Write.
    EXPECT_EQ(registry.writes, (std::vector<std::string>{launcher, launcher}));
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{100, 100}}));
    EXPECT_TRUE(editor.GlobalsSaved());
}

TEST_F(SaveSwitchesTest, AutostartOffLeavesAnEmptyValueBehind) {
    registry.values[{kRun, "Quivlane"}] = "/old/Quivlane";
    WriteConfig("<PARAMETRES><AUTOSTART>OUI</AUTOSTART></PARAMETRES>");
    Start();
    editor.ToggleSwitch(EditorSwitch::Autostart);
    editor.SaveGlobalSettings();
    ASSERT_EQ(registry.values.count({kRun, "Quivlane"}), 1u);
    EXPECT_EQ((registry.values[{kRun, "Quivlane"}]), "");
    EXPECT_EQ(Value("PARAMETRES", "AUTOSTART"), "NON");
}

TEST_F(SaveSwitchesTest, ARefusedAutostartValueIsNotAcknowledgedAsSaved) {
    Start();
    registry.refuseWrites = true;
    editor.ToggleSwitch(EditorSwitch::Autostart);
    EXPECT_FALSE(editor.SaveGlobalSettings());
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{50, 100}}));
    EXPECT_FALSE(editor.GlobalsSaved());
    EXPECT_EQ(recorder.writes.size(), 6u) << "the file still gets every switch";
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              std::string("Le démarrage automatique n'a pas pu être enregistré dans ") + kRun +
                  "\\Quivlane.");
}

TEST_F(SaveSwitchesTest, TheSkeletonsEmptySwitchesBecomeNonOnceSaved) {
    Start();
    editor.ToggleSwitch(EditorSwitch::Son);
    editor.SaveGlobalSettings();
    EXPECT_EQ(Value("PARAMETRES", "SON"), "OUI");
    for (const char* key : {"AUTOSTART", "BOUTONQUITTER", "TOOLTIPS", "AUTOHIDE", "HORLOGE"}) {
        EXPECT_EQ(Value("PARAMETRES", key), "NON") << key;
    }
    // The buttons of the skeleton are untouched.
    EXPECT_EQ(Value("BOUTON19", "TEXTE"), "");
}

}  // namespace
}  // namespace quivlane::test
