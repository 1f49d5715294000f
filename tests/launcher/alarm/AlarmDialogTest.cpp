#include "launcher/alarm/AlarmDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <functional>
#include <tuple>

#include "config/XmlSettingsStore.h"
#include "controls/GradientButton.h"
#include "controls/MatrixDisplay.h"
#include "controls/SkinnedSlider.h"
#include "launcher/alarm/BarAlarm.h"
#include "launcher/bar/LauncherBar.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane::test {
namespace {

constexpr int kThirdButton = 1002;

class AlarmDialogTest : public ::testing::Test {
  protected:
    void WriteLink(const std::string& link) {
        dir.Write("Quivlane.xml",
                  "<?xml version='1.0'?><XMLConfigSettings><PARAMETRES><SON>NON</SON>"
                  "<HORLOGE>NON</HORLOGE></PARAMETRES>"
                  "<BOUTON1><TEXTE>Un</TEXTE><LIEN>C:/x</LIEN></BOUTON1>"
                  "<BOUTON3><TEXTE>Reveil</TEXTE><LIEN>" +
                      link + "</LIEN></BOUTON3></XMLConfigSettings>");
    }
    std::string Config() const { return dir.File("Quivlane.xml"); }
    std::string Link() {
        store.SetPath(Config());
        return store.GetValue("BOUTON3", "LIEN", "<none>");
    }
    std::unique_ptr<AlarmDialog> Open(int buttonId = kThirdButton) {
        auto dialog = std::make_unique<AlarmDialog>(store, Config(), buttonId, dir.File("none"));
        dialog->show();
        return dialog;
    }
    static std::string Shown(const AlarmDialog& dialog) {
        return dialog.TimeDisplay()->TextBytes();
    }

    TempDir dir;
    ScriptedMessageBoxes boxes;
    XmlSettingsStore store{boxes};
};

TEST_F(AlarmDialogTest, LaysOutItsControlsInDialogUnits) {
    WriteLink("DEFINIR_ALARME");
    auto dialog = Open();
    EXPECT_EQ(dialog->size(), QSize(369, 236));
    EXPECT_EQ(dialog->DeleteButton()->geometry(), QRect(11, 202, 90, 23));
    EXPECT_EQ(dialog->AcceptButton()->geometry(), QRect(203, 202, 75, 23));
    EXPECT_EQ(dialog->CancelButton()->geometry(), QRect(284, 202, 75, 23));
    EXPECT_EQ(dialog->HourSlider()->geometry(), QRect(12, 50, 339, 31));
    EXPECT_EQ(dialog->MinuteSlider()->geometry(), QRect(14, 127, 339, 29));
    // The display sizes itself to 14 small cells.
    EXPECT_EQ(dialog->TimeDisplay()->geometry(), QRect(111, 15, 158, 19));
    EXPECT_EQ(dialog->HourSlider()->maximum(), 23);
    EXPECT_EQ(dialog->MinuteSlider()->maximum(), 59);
    EXPECT_EQ(dialog->HourSlider()->tickPosition(), QSlider::NoTicks);
    EXPECT_TRUE(dialog->AcceptButton()->isDefault());
    EXPECT_EQ(dialog->AcceptButton()->TextColour(), QColor(0, 0, 255));
    EXPECT_EQ(dialog->DeleteButton()->TextColour(), QColor(255, 0, 0));
    EXPECT_EQ(dialog->CancelButton()->TextColour(), QColor(255, 0, 0));
    for (GradientButton* button :
         {dialog->DeleteButton(), dialog->AcceptButton(), dialog->CancelButton()}) {
        EXPECT_EQ(button->DisplayedCaption(), button->text()) << button->text().toStdString();
        EXPECT_TRUE(button->Gradient());
        EXPECT_EQ(button->Style(), 2);
    }
    EXPECT_EQ(dialog->BackgroundSize(), QSize(367, 241));
    ASSERT_TRUE(dialog->ColourKey().has_value());
    EXPECT_EQ(dialog->ColourKey()->rgb() & 0xFFFFFFu, 0xFFFEFFu);
}

TEST_F(AlarmDialogTest, OpensAtTheStoredTime) {
    WriteLink("DEFINIR_ALARME?07:05");
    auto dialog = Open();
    EXPECT_EQ(dialog->HourSlider()->value(), 7);
    EXPECT_EQ(dialog->MinuteSlider()->value(), 5);
    EXPECT_EQ(Shown(*dialog), "     07;05    ");
}

TEST_F(AlarmDialogTest, OpensAtMidnightWithoutAStoredTime) {
    for (const std::string link : {"DEFINIR_ALARME", "DEFINIR_ALARME?"}) {
        WriteLink(link);
        auto dialog = Open();
        EXPECT_EQ(dialog->HourSlider()->value(), 0) << link;
        EXPECT_EQ(dialog->MinuteSlider()->value(), 0) << link;
        EXPECT_EQ(Shown(*dialog), "     00;00    ") << link;
    }
    // A button missing from the file opens at midnight too.
    auto dialog = Open(1010);
    EXPECT_EQ(Shown(*dialog), "     00;00    ");
}

TEST_F(AlarmDialogTest, ADamagedStoredTimeShowsWhatAcceptingStores) {
    for (const auto& [link, shown, stored] :
         {std::tuple{"DEFINIR_ALARME?ab:cd", "     00;00    ", "DEFINIR_ALARME?00:00"},
          std::tuple{"DEFINIR_ALARME?ab:4x", "     00;04    ", "DEFINIR_ALARME?00:04"},
          std::tuple{"DEFINIR_ALARME?99:75", "     23;59    ", "DEFINIR_ALARME?23:59"}}) {
        WriteLink(link);
        auto dialog = Open();
        EXPECT_EQ(Shown(*dialog), shown) << link;
        QTest::mouseClick(dialog->AcceptButton(), Qt::LeftButton);
        EXPECT_EQ(Link(), stored) << link;
    }
    // Moving one slider leaves the other half as shown.
    WriteLink("DEFINIR_ALARME?ab:cd");
    auto dialog = Open();
    dialog->HourSlider()->setFocus();
    QTest::keyClick(dialog->HourSlider(), Qt::Key_Right);
    EXPECT_EQ(Shown(*dialog), "     01;00    ");
}

TEST_F(AlarmDialogTest, KeysAndDraggingMoveTheDisplayedTime) {
    WriteLink("DEFINIR_ALARME");
    auto dialog = Open();
    SkinnedSlider* hours = dialog->HourSlider();
    SkinnedSlider* minutes = dialog->MinuteSlider();
    QTest::keyClick(hours, Qt::Key_Right);
    QTest::keyClick(hours, Qt::Key_Right);
    EXPECT_EQ(Shown(*dialog), "     02;00    ");
    QTest::keyClick(hours, Qt::Key_End);
    EXPECT_EQ(Shown(*dialog), "     23;00    ");
    QTest::keyClick(hours, Qt::Key_Right);  // stays at the end of the range
    EXPECT_EQ(Shown(*dialog), "     23;00    ");

    // Drag the minute thumb to the far right: the display follows during the move.
    const QPoint thumb = minutes->ThumbRect().center();
    QTest::mousePress(minutes, Qt::LeftButton, {}, thumb);
    QMouseEvent move(QEvent::MouseMove, QPointF(minutes->width() - 1, thumb.y()),
                     minutes->mapToGlobal(QPointF(minutes->width() - 1, thumb.y())), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(minutes, &move);
    EXPECT_EQ(minutes->value(), 59);
    EXPECT_EQ(Shown(*dialog), "     23;59    ");
    QTest::mouseRelease(minutes, Qt::LeftButton, {}, QPoint(minutes->width() - 1, thumb.y()));
    EXPECT_EQ(Shown(*dialog), "     23;59    ");
}

TEST_F(AlarmDialogTest, AcceptWritesTheLinkAndReturnsTheTime) {
    WriteLink("DEFINIR_ALARME");
    auto dialog = Open();
    dialog->MinuteSlider()->setValue(30);
    dialog->HourSlider()->setValue(7);
    EXPECT_EQ(Shown(*dialog), "     07;30    ");
    QTest::mouseClick(dialog->AcceptButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Result(), "07:30");
    EXPECT_EQ(Link(), "DEFINIR_ALARME?07:30");
    store.SetPath(Config());
    EXPECT_EQ(store.GetValue("BOUTON1", "LIEN", ""), "C:/x");
}

TEST_F(AlarmDialogTest, OnlyTheMinuteMovedStoresMidnightHours) {
    WriteLink("DEFINIR_ALARME");
    auto dialog = Open();
    dialog->MinuteSlider()->setValue(30);
    QTest::keyClick(dialog.get(), Qt::Key_Return);  // the default button
    EXPECT_EQ(dialog->Result(), "00:30");
    EXPECT_EQ(Link(), "DEFINIR_ALARME?00:30");
}

TEST_F(AlarmDialogTest, AcceptingUntouchedWritesTheSameLinkAgain) {
    WriteLink("DEFINIR_ALARME?21:09");
    auto dialog = Open();
    QTest::mouseClick(dialog->AcceptButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->Result(), "21:09");
    EXPECT_EQ(Link(), "DEFINIR_ALARME?21:09");
}

TEST_F(AlarmDialogTest, DeleteWritesTheBareKeyword) {
    WriteLink("DEFINIR_ALARME?07:30");
    auto dialog = Open();
    QTest::mouseClick(dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Result(), "ANNULEE");
    EXPECT_EQ(Link(), "DEFINIR_ALARME");
}

TEST_F(AlarmDialogTest, CancelAndEscapeLeaveTheFileAlone) {
    WriteLink("DEFINIR_ALARME?07:30");
    const std::string before = dir.Read("Quivlane.xml");
    {
        auto dialog = Open();
        dialog->HourSlider()->setValue(9);
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(dialog->Result(), "");
    }
    {
        auto dialog = Open();
        dialog->MinuteSlider()->setValue(9);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(dialog->Result(), "");
        EXPECT_FALSE(dialog->isVisible());
    }
    EXPECT_EQ(dir.Read("Quivlane.xml"), before);
}

TEST_F(AlarmDialogTest, APictureBesideTheProgramReplacesTheBuiltInOne) {
    WriteLink("DEFINIR_ALARME");
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    ASSERT_TRUE(picture.save(QString::fromStdString(dir.File("FOND_QUIVLANE_ALARME.bmp"))));
    AlarmDialog dialog(store, Config(), kThirdButton, dir.Path().string());
    EXPECT_EQ(dialog.BackgroundSize(), QSize(300, 200));
    // A file that is not a picture falls back to the built-in one.
    dir.Write("FOND_QUIVLANE_ALARME.bmp", "not a picture");
    AlarmDialog fallback(store, Config(), kThirdButton, dir.Path().string());
    EXPECT_EQ(fallback.BackgroundSize(), QSize(367, 241));
}

// Presses a button of the next modal dialog once it is up.
void WhenDialogShows(std::function<void(AlarmDialog&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<AlarmDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

TEST_F(AlarmDialogTest, TheBarTakesTheResultIntoItsCaptionAndAlarmTime) {
    WriteLink("DEFINIR_ALARME");
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    LauncherBar bar(BarPorts{clock, shell, sound, power, boxes}, store, dir.File("Quivlane"));
    BarAlarm alarm(store, dir.File("none/"), &bar);
    FeaturePorts features;
    features.alarm = &alarm;
    bar.SetFeatures(features);
    bar.Start();
    EXPECT_EQ(bar.Button(kThirdButton)->text(), QStringLiteral("Reveil"));

    WhenDialogShows([](AlarmDialog& dialog) {
        dialog.HourSlider()->setValue(6);
        dialog.MinuteSlider()->setValue(15);
        QTest::mouseClick(dialog.AcceptButton(), Qt::LeftButton);
    });
    QTest::mouseClick(bar.Button(kThirdButton), Qt::LeftButton);
    EXPECT_EQ(bar.Button(kThirdButton)->text(), QStringLiteral("ALRM 06:15"));
    EXPECT_EQ(bar.Controller().Alarm(2).time, "06:15");
    EXPECT_EQ(Link(), "DEFINIR_ALARME?06:15");

    WhenDialogShows([](AlarmDialog& dialog) { dialog.reject(); });
    QTest::mouseClick(bar.Button(kThirdButton), Qt::LeftButton);
    EXPECT_EQ(bar.Button(kThirdButton)->text(), QStringLiteral("ALRM 06:15"));

    WhenDialogShows(
        [](AlarmDialog& dialog) { QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton); });
    QTest::mouseClick(bar.Button(kThirdButton), Qt::LeftButton);
    EXPECT_EQ(bar.Button(kThirdButton)->text(), QStringLiteral("ALARME"));
    EXPECT_EQ(bar.Controller().Alarm(2).time, "");
    EXPECT_EQ(Link(), "DEFINIR_ALARME");
}

}  // namespace
}  // namespace quivlane::test
