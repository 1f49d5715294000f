#include "launcher/url/UrlEntryDialog.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include "controls/GradientButton.h"
#include "controls/IndicatorLight.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

using test::ManualClock;
using test::TempDir;

class UrlEntryDialogTest : public ::testing::Test {
  protected:
    // A folder without a picture: the built-in one is used.
    std::string EmptyFolder() const { return dir_.File("empty"); }

    TempDir dir_;
    ManualClock clock_;
};

TEST_F(UrlEntryDialogTest, EnterOpensWithTheRepairedAddressAfterTheLampPause) {
    UrlEntryDialog dialog(clock_, EmptyFolder());
    dialog.show();
    EXPECT_EQ(dialog.Lamp()->Column(), 1);  // dark until the user confirms
    QTest::keyClicks(dialog.AddressField(), QStringLiteral("htpp//example.org"));
    dialog.AddressField()->insert(QStringLiteral("/é"));
    QTest::keyClick(dialog.AddressField(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), "http://example.org/é");
    EXPECT_EQ(dialog.Lamp()->Row(), 0);
    EXPECT_EQ(dialog.Lamp()->Column(), 0);
    EXPECT_EQ(clock_.waits, std::vector<int>{600});
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(UrlEntryDialogTest, OpenButtonWithNothingTypedGivesTheBareScheme) {
    UrlEntryDialog dialog(clock_, EmptyFolder());
    dialog.show();
    QTest::mouseClick(dialog.OpenButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result(), "http://");
}

TEST_F(UrlEntryDialogTest, EscapeAndCancelGiveAnEmptyResultWithoutPause) {
    UrlEntryDialog dialog(clock_, EmptyFolder());
    dialog.show();
    QTest::keyClicks(dialog.AddressField(), QStringLiteral("example.org"));
    QTest::keyClick(dialog.AddressField(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Result(), "");

    UrlEntryDialog again(clock_, EmptyFolder());
    again.show();
    QTest::keyClicks(again.AddressField(), QStringLiteral("example.org"));
    QTest::mouseClick(again.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_EQ(again.Result(), "");
    EXPECT_TRUE(clock_.waits.empty());
}

TEST_F(UrlEntryDialogTest, LongAddressIsCutToTheLimit) {
    UrlEntryDialog dialog(clock_, EmptyFolder());
    dialog.show();
    dialog.AddressField()->setText(QString(2000, QLatin1Char('a')));
    QTest::keyClick(dialog.AddressField(), Qt::Key_Return);
    const std::string& result = dialog.Result();
    EXPECT_EQ(result.size(), static_cast<std::size_t>(UrlEntryDialog::kMaxResultCharacters));
    EXPECT_EQ(result.rfind("http://aaa", 0), 0u);
}

TEST_F(UrlEntryDialogTest, LayoutFollowsTheTemplate) {
    UrlEntryDialog dialog(clock_, EmptyFolder());
    EXPECT_EQ(dialog.size(), QSize(470, 76));
    EXPECT_EQ(dialog.AddressField()->geometry(), SkinnedDialog::DialogUnitsToPixels(7, 7, 297, 12));
    EXPECT_EQ(dialog.OpenButton()->geometry(), SkinnedDialog::DialogUnitsToPixels(199, 24, 50, 14));
    EXPECT_EQ(dialog.CancelButton()->geometry(),
              SkinnedDialog::DialogUnitsToPixels(255, 24, 50, 14));
    EXPECT_EQ(dialog.Lamp()->geometry(), SkinnedDialog::DialogUnitsToPixels(7, 25, 22, 18));
    EXPECT_EQ(dialog.OpenButton()->text(), QStringLiteral("Ouvrir le site"));
    EXPECT_EQ(dialog.CancelButton()->text(), QStringLiteral("Annuler"));
    EXPECT_TRUE(dialog.OpenButton()->isDefault());
    EXPECT_EQ(dialog.OpenButton()->TextColour(), QColor(0, 0, 255));
    EXPECT_EQ(dialog.CancelButton()->TextColour(), QColor(255, 0, 0));
    EXPECT_EQ(dialog.OpenButton()->Style(), 2);
    EXPECT_TRUE(dialog.CancelButton()->Gradient());
}

TEST_F(UrlEntryDialogTest, BuiltInPictureWithTheColourKey) {
    UrlEntryDialog dialog(clock_, EmptyFolder());
    EXPECT_EQ(dialog.BackgroundSize(), QSize(470, 76));
    ASSERT_TRUE(dialog.ColourKey().has_value());
    EXPECT_EQ(dialog.ColourKey()->rgb(), QColor(255, 254, 255).rgb());
}

TEST_F(UrlEntryDialogTest, PictureBesideTheProgramIsUsedAndItsKeyColourCutAway) {
    QImage picture(470, 76, QImage::Format_RGB32);
    picture.fill(QColor(20, 40, 60));
    QPainter(&picture).fillRect(0, 0, 10, 10, QColor(255, 254, 255));
    ASSERT_TRUE(
        picture.save(QString::fromStdString(dir_.File(UrlEntryDialog::kPictureFile)), "BMP"));
    UrlEntryDialog dialog(clock_, dir_.Path().string());
    dialog.show();
    EXPECT_EQ(dialog.BackgroundSize(), QSize(470, 76));
    EXPECT_EQ(dialog.Background().pixelColor(20, 20), QColor(20, 40, 60));
    const QRegion shape = dialog.mask();
    EXPECT_FALSE(shape.contains(QPoint(5, 5)));
    EXPECT_TRUE(shape.contains(QPoint(20, 20)));
    EXPECT_TRUE(shape.contains(QPoint(469, 75)));
}

TEST_F(UrlEntryDialogTest, UnreadablePictureFallsBackToTheBuiltInOne) {
    test::WriteFile(dir_.File(UrlEntryDialog::kPictureFile), "not a picture");
    UrlEntryDialog dialog(clock_, dir_.Path().string());
    EXPECT_EQ(dialog.BackgroundSize(), QSize(470, 76));
}

}  // namespace
}  // namespace quivlane
