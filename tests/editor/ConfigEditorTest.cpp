#include "editor/ConfigEditor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "config/ConfigSkeleton.h"
#include "tests/editor/EditorFixture.h"

namespace quivlane::test {
namespace {

using StartUpTest = EditorFixture;

TEST_F(StartUpTest, WithoutAFileWritesTheSkeletonAndShowsEveryBoxUnticked) {
    ASSERT_FALSE(std::filesystem::exists(ConfigPath()));
    editor.StartUp(ModulePath());
    EXPECT_EQ(ReadFile(ConfigPath()), ConfigSkeleton::Text());
    // The skeleton's switches are empty elements, and only "OUI" ticks a box.
    EXPECT_EQ(view.switches, (EditorSwitches{false, false, false, false, false, false}));
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_FALSE(editor.ButtonSelected());
    EXPECT_TRUE(editor.FirstSelection());
    EXPECT_TRUE(editor.ButtonSaved());
    EXPECT_TRUE(editor.GlobalsSaved());
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(editor.ConfigPath(), ConfigPath());
    EXPECT_EQ(editor.MagnifierPath(), dir.File("qvlmg"));
}

TEST_F(StartUpTest, ReadsTheSwitchesExactlyWithTheEditorsDefaults) {
    // SON in lower case is not "OUI"; missing BOUTONQUITTER and TOOLTIPS default to on.
    WriteConfig(
        "<PARAMETRES><SON>oui</SON><AUTOSTART>OUI</AUTOSTART><HORLOGE>OUI</HORLOGE>"
        "</PARAMETRES>");
    const std::string before = ReadFile(ConfigPath());
    Start();
    EXPECT_EQ(view.switches, (EditorSwitches{false, true, true, true, false, true}));
    EXPECT_EQ(editor.Switches(), view.switches);
    EXPECT_EQ(ReadFile(ConfigPath()), before) << "an existing file is never replaced";
    EXPECT_EQ(recorder.reads, 6);
}

TEST_F(StartUpTest, AFileWithoutSwitchesReadsTheDefaults) {
    WriteConfig("");
    Start();
    EXPECT_EQ(view.switches, (EditorSwitches{true, false, true, true, false, false}));
}

TEST_F(StartUpTest, AMalformedFileIsReportedAndLeftAlone) {
    dir.Write("Quivlane.xml", "<XMLConfigSettings><PARAMETRES>");
    Start();
    EXPECT_EQ(boxes.boxes.size(), 6u);
    EXPECT_EQ(boxes.boxes.front().caption, "LoadXML Malformed XML Error");
    EXPECT_EQ(view.switches, EditorSwitches{});
    boxes.boxes.clear();
    editor.ToggleSwitch(EditorSwitch::Son);
    EXPECT_FALSE(editor.SaveGlobalSettings());
    EXPECT_EQ(ReadFile(ConfigPath()), "<XMLConfigSettings><PARAMETRES>");
    EXPECT_EQ(sound.beeps.back().frequencyHz, ConfigEditor::kRefusalHz);
    EXPECT_FALSE(editor.GlobalsSaved());
}

using SelectionTest = EditorFixture;

TEST_F(SelectionTest, ChoosingAButtonFillsTheFieldsAndTheColour) {
    WriteConfig(
        "<BOUTON7><TEXTE>Météo</TEXTE><LIEN>https://example.org/</LIEN>"
        "<COMMENTAIRE>&lt;b&gt;Le temps&lt;/b&gt;</COMMENTAIRE>"
        "<COULEURTEXTE>VERT</COULEURTEXTE></BOUTON7>");
    Start();
    EXPECT_TRUE(editor.SelectButton("BOUTON 7"));
    EXPECT_EQ(editor.CurrentSection(), "BOUTON7");
    EXPECT_EQ(view.label, "Météo");
    EXPECT_EQ(view.link, "https://example.org/");
    EXPECT_EQ(view.comment, "<b>Le temps</b>");
    EXPECT_EQ(view.colour, ColourChoice::Vert);
    EXPECT_EQ(editor.Colour(), ColourChoice::Vert);
    EXPECT_TRUE(view.saveEnabled);
    EXPECT_TRUE(editor.ButtonSelected());
    EXPECT_FALSE(editor.FirstSelection());
    EXPECT_TRUE(recorder.writes.empty());
}

TEST_F(SelectionTest, AMissingOrUnknownColourKeepsThePreviousChoice) {
    WriteConfig(
        "<BOUTON1><COULEURTEXTE>ROUGE</COULEURTEXTE></BOUTON1>"
        "<BOUTON2><TEXTE>deux</TEXTE></BOUTON2>"
        "<BOUTON3><COULEURTEXTE>rouge</COULEURTEXTE></BOUTON3>");
    Start();
    editor.SelectButton("BOUTON 1");
    editor.SelectButton("BOUTON 2");
    EXPECT_EQ(view.colour, ColourChoice::Rouge);
    editor.ChooseColour(ColourChoice::Bleu);
    editor.SelectButton("BOUTON 3");
    EXPECT_EQ(editor.Colour(), ColourChoice::Bleu);
    // A button missing from the file shows empty fields.
    editor.SelectButton("BOUTON 19");
    EXPECT_EQ(view.label, "");
    EXPECT_EQ(view.link, "");
}

TEST_F(SelectionTest, TheFirstChoiceNeverAsksButLaterOnesDoAfterAFieldWasEntered) {
    Start();
    editor.FieldFocused();  // as the start-up focus does
    editor.SelectButton("BOUTON 1");
    EXPECT_TRUE(boxes.boxes.empty());

    // Entering a field without typing counts as a change.
    editor.FieldFocused();
    EXPECT_FALSE(editor.ButtonSaved());
    editor.SelectButton("BOUTON 2");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              "Voulez vous enregistrer les paramètres du bouton que vous venez de modifier ?");
    EXPECT_EQ(boxes.boxes[0].caption, "Attention");
    EXPECT_TRUE(boxes.boxes[0].question);
    EXPECT_TRUE(recorder.writes.empty()) << "No saves nothing";
    EXPECT_TRUE(editor.ButtonSaved());

    // A colour choice alone is not a change.
    editor.ChooseColour(ColourChoice::Jaune);
    editor.SelectButton("BOUTON 3");
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(SelectionTest, YesSavesThePreviousButtonBeforeLoadingTheNext) {
    WriteConfig("<BOUTON2><TEXTE>deux</TEXTE></BOUTON2>");
    Start();
    editor.SelectButton("BOUTON 1");
    editor.FieldFocused();
    view.label = "Un";
    view.link = "/usr/bin";
    boxes.answers.push_back(true);
    EXPECT_TRUE(editor.SelectButton("BOUTON 2"));
    EXPECT_EQ(Value("BOUTON1", "TEXTE"), "Un");
    EXPECT_EQ(Value("BOUTON1", "LIEN"), "/usr/bin");
    EXPECT_EQ(editor.CurrentSection(), "BOUTON2");
    EXPECT_EQ(view.label, "deux");
}

TEST_F(SelectionTest, ARefusedSaveOnLeavingKeepsTheButtonAndItsInput) {
    Start();
    editor.SelectButton("BOUTON 1");
    editor.FieldFocused();
    view.label = "bien trop long";
    boxes.answers.push_back(true);
    EXPECT_FALSE(editor.SelectButton("BOUTON 2"));
    EXPECT_EQ(editor.CurrentSection(), "BOUTON1");
    EXPECT_EQ(view.label, "bien trop long");
    EXPECT_FALSE(editor.ButtonSaved());
    EXPECT_EQ(boxes.boxes.back().text, std::string(ConfigEditor::kLabelTooLong));
    // Declining then moves on.
    boxes.answers.push_back(false);
    EXPECT_TRUE(editor.SelectButton("BOUTON 2"));
    EXPECT_EQ(editor.CurrentSection(), "BOUTON2");
}

TEST_F(SelectionTest, HandEditedValuesLongerThanTheFieldsAreCut) {
    const std::string longLink(1200, 'l');
    WriteConfig("<BOUTON4><TEXTE>ÀÀÀÀÀÀÀÀÀÀÀÀÀÀÀÀÀÀ</TEXTE><LIEN>" + longLink +
                "</LIEN><COULEURTEXTE>JAUNE</COULEURTEXTE></BOUTON4>");
    Start();
    editor.SelectButton("BOUTON 4");
    EXPECT_EQ(view.label, "ÀÀÀÀÀÀÀÀÀÀÀÀÀÀÀ");
    EXPECT_EQ(view.link.size(), 999u);
    EXPECT_EQ(view.colour, ColourChoice::Jaune);
}

TEST(ConfigEditorTextTest, FirstCharactersCountsCharactersNotBytes) {
    EXPECT_EQ(ConfigEditor::FirstCharacters("éèàùç", 3), "éèà");
    EXPECT_EQ(ConfigEditor::FirstCharacters("abc", 10), "abc");
    EXPECT_EQ(ConfigEditor::FirstCharacters("", 2), "");
    // A stray byte counts as one character and is never split from what follows.
    EXPECT_EQ(ConfigEditor::FirstCharacters("a\xFF"
                                            "b",
                                            2),
              "a\xFF");
    EXPECT_EQ(ConfigEditor::FirstCharacters("\xC3", 1), "\xC3");
}

using SwitchesTest = EditorFixture;

TEST_F(SwitchesTest, TogglingTwiceStillAsksOnQuittingAndYesSaves) {
    WriteConfig("<PARAMETRES><SON>OUI</SON></PARAMETRES>");
    Start();
    editor.ToggleSwitch(EditorSwitch::Horloge);
    EXPECT_TRUE(view.switches.horloge);
    editor.ToggleSwitch(EditorSwitch::Horloge);
    EXPECT_FALSE(view.switches.horloge);
    EXPECT_FALSE(editor.GlobalsSaved());

    boxes.answers.push_back(true);
    editor.Quit();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              "Souhaitez vous enregistrer les paramètres globaux que vous avez modifiés ?");
    EXPECT_EQ(boxes.boxes[0].caption, "Attention");
    EXPECT_EQ(recorder.writes.size(), 6u);
    EXPECT_TRUE(editor.GlobalsSaved());
}

TEST_F(SwitchesTest, QuittingUnchangedOrAnsweringNoWritesNothing) {
    Start();
    editor.SelectButton("BOUTON 1");
    editor.FieldFocused();
    editor.Quit();
    EXPECT_TRUE(boxes.boxes.empty()) << "unsaved button fields are not asked about";

    editor.ToggleSwitch(EditorSwitch::Son);
    editor.Quit();
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(recorder.writes.empty());
    EXPECT_TRUE(editor.GlobalsSaved());
}

TEST_F(SwitchesTest, EachBoxTogglesItsOwnSwitch) {
    Start();
    const std::pair<EditorSwitch, bool EditorSwitches::*> pairs[] = {
        {EditorSwitch::Son, &EditorSwitches::son},
        {EditorSwitch::Autostart, &EditorSwitches::autostart},
        {EditorSwitch::BoutonQuitter, &EditorSwitches::boutonQuitter},
        {EditorSwitch::Tooltips, &EditorSwitches::tooltips},
        {EditorSwitch::Autohide, &EditorSwitches::autohide},
        {EditorSwitch::Horloge, &EditorSwitches::horloge},
    };
    for (const auto& [which, member] : pairs) {
        EditorSwitches expected = editor.Switches();
        expected.*member = !(expected.*member);
        editor.ToggleSwitch(which);
        EXPECT_EQ(view.switches, expected);
    }
}

}  // namespace
}  // namespace quivlane::test
