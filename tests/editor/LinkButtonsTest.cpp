#include <gtest/gtest.h>

#include "editor/ConfigEditor.h"
#include "editor/SystemFunctions.h"
#include "tests/editor/EditorFixture.h"

namespace quivlane::test {
namespace {

using Beep = RecordingSound::BeepCall;

class LinkButtonsTest : public EditorFixture {
  protected:
    void Chosen() {
        WriteConfig(
            "<BOUTON1><TEXTE>un</TEXTE><LIEN>/tmp</LIEN><COMMENTAIRE>c</COMMENTAIRE>"
            "<COULEURTEXTE>JAUNE</COULEURTEXTE></BOUTON1>");
        Start();
        editor.SelectButton("BOUTON 1");
    }
};

TEST_F(LinkButtonsTest, BeforeAnyChoiceFourBeepAndNoneChangesAnything) {
    Start();
    clipboard.text = "collé";
    choosers.folders.push_back("/home");
    choosers.files.push_back("/etc/hosts");
    editor.ChooseFolder();
    editor.ChooseFile();
    editor.PasteLink();
    editor.ClearButton();
    editor.ApplySystemFunction(3);
    EXPECT_EQ(sound.beeps, (std::vector<Beep>{{50, 100}, {50, 100}, {50, 100}, {50, 100}}));
    EXPECT_EQ(view.label, "untouched");
    EXPECT_EQ(view.link, "untouched");
    EXPECT_EQ(view.comment, "untouched");
    EXPECT_EQ(view.colour, ColourChoice::None);
    EXPECT_TRUE(choosers.folderTitles.empty());
    EXPECT_TRUE(choosers.fileFilters.empty());
    EXPECT_TRUE(editor.ButtonSaved());
}

TEST_F(LinkButtonsTest, SystemFunctionsFillTheLink) {
    Chosen();
    editor.ApplySystemFunction(4);
    EXPECT_EQ(view.link, "LECTEUR_CD");
    EXPECT_EQ(view.label, "un");
    EXPECT_FALSE(editor.ButtonSaved());

    editor.ApplySystemFunction(SystemFunctions::kAlarm);
    EXPECT_EQ(view.link, "DEFINIR_ALARME");
    EXPECT_EQ(view.label, "ALARME");

    // The magnifier is a program beside the editor, not a keyword.
    editor.ApplySystemFunction(SystemFunctions::kMagnifier);
    EXPECT_EQ(view.link, dir.File("qvlmg"));
    EXPECT_TRUE(sound.beeps.empty());
}

TEST_F(LinkButtonsTest, NoSelectedFunctionMarksModifiedAndChangesNoField) {
    Chosen();
    EXPECT_TRUE(editor.ButtonSaved());
    editor.ApplySystemFunction(SystemFunctions::kCount);
    EXPECT_FALSE(editor.ButtonSaved());
    EXPECT_EQ(view.link, "/tmp");
    EXPECT_EQ(view.label, "un");
}

TEST_F(LinkButtonsTest, FolderAndFileChoosersFillTheLinkUnlessCancelled) {
    Chosen();
    editor.ChooseFolder();  // cancelled
    EXPECT_EQ(view.link, "/tmp");
    EXPECT_TRUE(editor.ButtonSaved());
    choosers.folders.push_back("/home/moi/Musique");
    editor.ChooseFolder();
    EXPECT_EQ(view.link, "/home/moi/Musique");
    EXPECT_FALSE(editor.ButtonSaved());
    EXPECT_EQ(choosers.folderTitles,
              (std::vector<std::string>{"Sélectionnez un dossier", "Sélectionnez un dossier"}));
    EXPECT_EQ(choosers.folderStarts.back(),
              (std::pair<std::string, UserFolder>{"", UserFolder::Desktop}));

    editor.SelectButton("BOUTON 1");
    boxes.answers.clear();
    editor.ChooseFile();
    EXPECT_TRUE(editor.ButtonSaved());
    choosers.files.push_back("/home/moi/notes.txt");
    editor.ChooseFile();
    EXPECT_EQ(view.link, "/home/moi/notes.txt");
    EXPECT_FALSE(editor.ButtonSaved());
    EXPECT_EQ(choosers.fileFilters.back(), "Tous fichiers (*.*)|*.*||");
}

TEST_F(LinkButtonsTest, PasteTakesAtMost999CharactersAndEmptyTextToo) {
    Chosen();
    editor.PasteLink();  // no text on the clipboard
    EXPECT_EQ(view.link, "/tmp");
    EXPECT_TRUE(editor.ButtonSaved());

    clipboard.text = "";
    editor.PasteLink();
    EXPECT_EQ(view.link, "");
    EXPECT_FALSE(editor.ButtonSaved());

    const auto repeat = [](const std::string& piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i) {
            text += piece;
        }
        return text;
    };
    clipboard.text = repeat("é", 1200);
    editor.PasteLink();
    EXPECT_EQ(view.link, repeat("é", 999));
    // ...which the save then refuses as longer than 500.
    EXPECT_FALSE(editor.SaveButton());
    EXPECT_EQ(boxes.boxes.back().text, "Le lien du bouton est trop long (500 caractères maximum)");
}

TEST_F(LinkButtonsTest, ClearEmptiesTheFieldsAndLeavesNoirAsTheOnlyColour) {
    Chosen();
    ASSERT_EQ(view.colour, ColourChoice::Jaune);
    editor.ClearButton();
    EXPECT_EQ(view.label, "");
    EXPECT_EQ(view.link, "");
    EXPECT_EQ(view.comment, "");
    EXPECT_EQ(view.colour, ColourChoice::Noir);
    EXPECT_FALSE(editor.ButtonSaved());
    EXPECT_TRUE(sound.beeps.empty());
    editor.SaveButton();
    EXPECT_EQ(Value("BOUTON1", "COULEURTEXTE"), "NOIR");
    EXPECT_EQ(Value("BOUTON1", "TEXTE"), "");
}

}  // namespace
}  // namespace quivlane::test
