#include "editor/ConfigEditorDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "config/ConfigSkeleton.h"
#include "config/XmlSettingsStore.h"
#include "controls/GradientButton.h"
#include "tests/support/FakeEditorPorts.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane::test {
namespace {

using D = ConfigEditorDialog;

class ConfigEditorDialogTest : public ::testing::Test {
  protected:
    ConfigEditorDialogTest()
        : store(boxes),
          dialog(EditorPorts{sound, boxes, choosers, clipboard, registry}, store,
                 dir.File("Quivset")) {
        dialog.Editor().SetFailureReason([this] { return store.LastErrorText(); });
    }

    void WriteConfig(const std::string& body) const {
        dir.Write("Quivlane.xml",
                  "<?xml version='1.0'?><XMLConfigSettings>" + body + "</XMLConfigSettings>");
    }
    void Show() {
        dialog.Start();
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    QLineEdit* Field(int id) const { return static_cast<QLineEdit*>(dialog.Control(id)); }
    QCheckBox* Box(int id) const { return static_cast<QCheckBox*>(dialog.Control(id)); }
    QRadioButton* Radio(int id) const { return static_cast<QRadioButton*>(dialog.Control(id)); }
    QPushButton* Push(int id) const { return static_cast<QPushButton*>(dialog.Control(id)); }
    std::vector<int> CheckedColours() const {
        std::vector<int> on;
        for (int id = D::kNoir; id <= D::kRouge; ++id) {
            if (Radio(id)->isChecked()) {
                on.push_back(id);
            }
        }
        return on;
    }
    // A click on the entry, as the user chooses it: the list takes the focus.
    void Choose(int row) {
        QListWidget* list = dialog.ButtonList();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    TempDir dir;
    RecordingSound sound;
    ScriptedMessageBoxes boxes;
    ScriptedChoosers choosers;
    ScriptedClipboard clipboard;
    MemoryRegistry registry;
    XmlSettingsStore store;
    ConfigEditorDialog dialog;
};

TEST_F(ConfigEditorDialogTest, StartsOnTheSkeletonWithNothingChosen) {
    Show();
    EXPECT_EQ(ReadFile(dir.File("Quivlane.xml")), ConfigSkeleton::Text());
    EXPECT_EQ(dialog.windowTitle(),
              QStringLiteral("Quivset - Outil de configuration de Quivlane - Version 1.0 - 2008"));
    EXPECT_EQ(dialog.size(), QSize(803, 517));
    for (int id :
         {D::kSound, D::kAutostart, D::kTooltips, D::kQuitButton, D::kAutohide, D::kClock}) {
        EXPECT_FALSE(Box(id)->isChecked()) << id;
    }
    EXPECT_TRUE(CheckedColours().empty());
    EXPECT_FALSE(Push(D::kSaveButton)->isEnabled());
    EXPECT_TRUE(dialog.ButtonList()->selectedItems().isEmpty());
    EXPECT_TRUE(dialog.FunctionList()->selectedItems().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), Field(D::kLabel));

    ASSERT_EQ(dialog.ButtonList()->count(), 19);
    EXPECT_EQ(dialog.ButtonList()->item(0)->text(), QStringLiteral("BOUTON 1"));
    EXPECT_EQ(dialog.ButtonList()->item(18)->text(), QStringLiteral("BOUTON 19"));
    ASSERT_EQ(dialog.FunctionList()->count(), 39);
    EXPECT_EQ(dialog.FunctionList()->item(9)->text(), QStringLiteral("Utiliser la loupe"));
}

TEST_F(ConfigEditorDialogTest, ControlsSitWhereTheirDialogUnitsPutThem) {
    EXPECT_EQ(Field(D::kLabel)->geometry(), QRect(239, 219, 120, 20));
    EXPECT_EQ(Field(D::kLink)->geometry(), SkinnedDialog::DialogUnitsToPixels(159, 154, 360, 12));
    EXPECT_EQ(dialog.ButtonList()->geometry(),
              SkinnedDialog::DialogUnitsToPixels(12, 132, 60, 156));
    EXPECT_EQ(Push(D::kQuit)->geometry(), SkinnedDialog::DialogUnitsToPixels(455, 300, 65, 14));
    EXPECT_EQ(Box(D::kClock)->geometry(), SkinnedDialog::DialogUnitsToPixels(357, 91, 11, 12));
    EXPECT_EQ(Radio(D::kVert)->geometry(), SkinnedDialog::DialogUnitsToPixels(282, 236, 10, 11));
    EXPECT_EQ(Push(D::kSaveButton)->text(), QString::fromUtf8("E&nregistrer Paramètre Bouton"));
    EXPECT_EQ(Push(D::kApplyFunction)->text(), QString::fromUtf8("Fonction Système"));
    EXPECT_TRUE(Push(D::kQuit)->isDefault());
    // All eight push buttons get the launcher's face once started.
    dialog.Start();
    for (int id : {D::kChooseFolder, D::kChooseFile, D::kPaste, D::kClear, D::kApplyFunction,
                   D::kSaveButton, D::kSaveSwitches, D::kQuit}) {
        auto* button = static_cast<GradientButton*>(dialog.Control(id));
        EXPECT_EQ(button->Style(), 2) << id;
        EXPECT_TRUE(button->Gradient()) << id;
    }
}

TEST_F(ConfigEditorDialogTest, ChoosingAButtonFillsTheFieldsAndItsColourAlone) {
    WriteConfig(
        "<PARAMETRES><SON>OUI</SON><HORLOGE>OUI</HORLOGE></PARAMETRES>"
        "<BOUTON2><TEXTE>Mail</TEXTE><LIEN>https://mail.example.org</LIEN>"
        "<COMMENTAIRE>Courrier</COMMENTAIRE><COULEURTEXTE>JAUNE</COULEURTEXTE></BOUTON2>");
    Show();
    EXPECT_TRUE(Box(D::kSound)->isChecked());
    EXPECT_TRUE(Box(D::kClock)->isChecked());
    EXPECT_TRUE(Box(D::kTooltips)->isChecked());  // absent: on for the editor
    Choose(1);
    EXPECT_EQ(Field(D::kLabel)->text(), QStringLiteral("Mail"));
    EXPECT_EQ(Field(D::kLink)->text(), QStringLiteral("https://mail.example.org"));
    EXPECT_EQ(Field(D::kComment)->text(), QStringLiteral("Courrier"));
    EXPECT_EQ(CheckedColours(), std::vector<int>{D::kJaune});
    EXPECT_TRUE(Push(D::kSaveButton)->isEnabled());
    EXPECT_TRUE(boxes.boxes.empty());

    Radio(D::kRouge)->click();
    EXPECT_EQ(CheckedColours(), std::vector<int>{D::kRouge});
    Push(D::kClear)->click();
    EXPECT_EQ(CheckedColours(), std::vector<int>{D::kNoir});
    EXPECT_TRUE(Field(D::kLabel)->text().isEmpty());
    EXPECT_TRUE(Field(D::kComment)->text().isEmpty());
}

TEST_F(ConfigEditorDialogTest, ClickingIntoAFieldThenChoosingAnotherButtonAsks) {
    Show();
    Choose(0);
    QTest::mouseClick(Field(D::kComment), Qt::LeftButton);
    EXPECT_FALSE(dialog.Editor().ButtonSaved());
    boxes.answers.push_back(false);
    Choose(4);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Attention");
    EXPECT_EQ(dialog.Editor().CurrentSection(), "BOUTON5");
}

TEST_F(ConfigEditorDialogTest, ARefusedSaveOnLeavingShowsThePreviousButtonAgain) {
    Show();
    Choose(2);
    QTest::mouseClick(Field(D::kLabel), Qt::LeftButton);
    Field(D::kLabel)->setText(QStringLiteral("douze lettres"));
    boxes.answers.push_back(true);
    Choose(6);
    EXPECT_EQ(dialog.Editor().CurrentSection(), "BOUTON3");
    EXPECT_EQ(dialog.ButtonList()->currentRow(), 2);
    EXPECT_TRUE(dialog.ButtonList()->item(2)->isSelected());
    EXPECT_FALSE(dialog.ButtonList()->item(6)->isSelected());
    EXPECT_EQ(Field(D::kLabel)->text(), QStringLiteral("douze lettres"));
}

TEST_F(ConfigEditorDialogTest, LinkButtonsAndSaveGoThroughTheEditor) {
    Show();
    Push(D::kPaste)->click();  // nothing chosen yet
    EXPECT_EQ(sound.beeps.size(), 1u);
    Choose(0);
    dialog.FunctionList()->item(0)->setSelected(true);
    Push(D::kApplyFunction)->click();
    EXPECT_EQ(Field(D::kLink)->text(), QStringLiteral("DEFINIR_ALARME"));
    EXPECT_EQ(Field(D::kLabel)->text(), QStringLiteral("ALARME"));
    choosers.folders.push_back("/srv/musique");
    Push(D::kChooseFolder)->click();
    EXPECT_EQ(Field(D::kLink)->text(), QStringLiteral("/srv/musique"));
    clipboard.text = "https://example.org/";
    Push(D::kPaste)->click();
    EXPECT_EQ(Field(D::kLink)->text(), QStringLiteral("https://example.org/"));
    Field(D::kLabel)->setText(QString::fromUtf8("Été"));
    Push(D::kSaveButton)->click();
    EXPECT_EQ(store.GetValue("BOUTON1", "TEXTE", ""), "Été");
    EXPECT_EQ(store.GetValue("BOUTON1", "LIEN", ""), "https://example.org/");
    EXPECT_EQ(store.GetValue("BOUTON1", "COULEURTEXTE", ""), "NOIR");
}

TEST_F(ConfigEditorDialogTest, TextBeyondTheBmpIsKeptWholeByTheFieldsAndTheSave) {
    const auto times = [](int n, const std::string& piece) {
        std::string text;
        for (int i = 0; i < n; ++i) {
            text += piece;
        }
        return text;
    };
    const std::string face = "😀";  // one character, two UTF-16 units
    const std::string label = times(8, face);
    const std::string comment = times(500, "🎵");
    const std::string link = "https://example.org/" + face + "?q=é&x=<y>";
    WriteConfig("<BOUTON1><TEXTE>" + label + "</TEXTE><LIEN>https://example.org/" + face +
                "?q=é&amp;x=&lt;y&gt;</LIEN><COMMENTAIRE>" + comment +
                "</COMMENTAIRE><COULEURTEXTE>VERT</COULEURTEXTE></BOUTON1>");
    Show();
    Choose(0);
    EXPECT_EQ(Field(D::kLabel)->text().toStdString(), label);
    EXPECT_EQ(Field(D::kLink)->text().toStdString(), link);
    EXPECT_EQ(Field(D::kComment)->text().toStdString(), comment);
    Push(D::kSaveButton)->click();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(store.GetValue("BOUTON1", "TEXTE", ""), label);
    EXPECT_EQ(store.GetValue("BOUTON1", "LIEN", ""), link);
    EXPECT_EQ(store.GetValue("BOUTON1", "COMMENTAIRE", ""), comment);
    const std::string saved = ReadFile(dir.File("Quivlane.xml"));
    Choose(1);
    Choose(0);
    Push(D::kSaveButton)->click();
    EXPECT_EQ(ReadFile(dir.File("Quivlane.xml")), saved);

    // Typing or pasting stops at the limit in characters, cutting the inserted text whole.
    QLineEdit* field = Field(D::kLabel);
    field->setText(QString::fromStdString(times(14, face)));
    field->setCursorPosition(2);  // after the first character
    field->insert(QString::fromUtf8("ab😀"));
    EXPECT_EQ(field->text().toStdString(), face + "a" + times(13, face));
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_Z);
    EXPECT_EQ(field->text().toStdString(), face + "a" + times(13, face));
    field->setText(QString::fromStdString(times(20, face)));
    EXPECT_EQ(field->text().toStdString(), times(15, face));
}

TEST_F(ConfigEditorDialogTest, AQuitWhoseSaveFailsKeepsTheEditorOpenAndSaysWhere) {
    Show();
    Box(D::kSound)->click();
    const std::string config = dir.File("Quivlane.xml");
    std::filesystem::permissions(config, std::filesystem::perms::owner_read);
    boxes.answers.push_back(true);
    Push(D::kQuit)->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[1].caption, "Attention");
    EXPECT_NE(boxes.boxes[1].text.find(config), std::string::npos) << boxes.boxes[1].text;

    std::filesystem::permissions(config, std::filesystem::perms::owner_all);
    boxes.answers.push_back(true);
    Push(D::kQuit)->click();
    EXPECT_EQ(boxes.boxes.size(), 3u) << "the switches are still unsaved, so it asks again";
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(store.GetValue("PARAMETRES", "SON", ""), "OUI");
}

TEST_F(ConfigEditorDialogTest, EnterInAFieldQuitsAfterTheSwitchesQuestion) {
    Show();
    Box(D::kAutohide)->click();
    EXPECT_TRUE(Box(D::kAutohide)->isChecked());
    boxes.answers.push_back(true);
    Field(D::kLabel)->setFocus();
    QTest::keyClick(Field(D::kLabel), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(store.GetValue("PARAMETRES", "AUTOHIDE", ""), "OUI");
}

TEST_F(ConfigEditorDialogTest, EscapeClosesWithoutAskingOrSaving) {
    Show();
    Box(D::kSound)->click();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(store.GetValue("PARAMETRES", "SON", "?"), "");
}

TEST_F(ConfigEditorDialogTest, BoxesAndCirclesLeaveTheSkinShowingAroundThem) {
    Show();
    const QImage shown = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& skin = dialog.Background();
    for (int id : {D::kSound, D::kClock, D::kNoir, D::kRouge}) {
        const QRect area = dialog.Control(id)->geometry();
        int same = 0;
        int differing = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                (shown.pixel(x, y) == skin.pixel(x, y) ? same : differing)++;
            }
        }
        // The indicator is drawn, and the rest of the control's area is the picture.
        EXPECT_GT(differing, 30) << id;
        EXPECT_GT(same, 0) << id;
        EXPECT_EQ(shown.pixel(area.bottomRight()), skin.pixel(area.bottomRight())) << id;
    }
}

}  // namespace
}  // namespace quivlane::test
