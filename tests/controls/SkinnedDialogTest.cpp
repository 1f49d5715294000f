#include "controls/SkinnedDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QString>
#include <memory>

#include "controls/GradientButton.h"
#include "controls/IndicatorLight.h"
#include "controls/MatrixDisplay.h"
#include "resources/ResourceNames.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

const QColor kKey(255, 254, 255);

TEST(SkinnedDialogTest, TheBarTemplateMapsToTheBarPicture) {
    EXPECT_EQ(SkinnedDialog::DialogUnitsToPixels(0, 0, 131, 258), QRect(0, 0, 197, 419));
    EXPECT_EQ(SkinnedDialog::DialogUnitsToPixels(14, 63, 49, 14), QRect(21, 102, 74, 23));
}

TEST(SkinnedDialogTest, BackgroundFromResourceOrFile) {
    SkinnedDialog dialog;
    EXPECT_FALSE(dialog.HasBackground());
    EXPECT_TRUE(dialog.SetBackgroundFromResource(resources::kBar));
    EXPECT_EQ(dialog.BackgroundSize(), QSize(197, 419));

    // A file that cannot be read leaves no picture, not the old one.
    test::TempDir dir;
    EXPECT_FALSE(dialog.SetBackgroundFromFile(dir.File("FOND_QUIVLANE.bmp")));
    EXPECT_FALSE(dialog.HasBackground());
    dir.Write("broken.bmp", "BM not really a picture");
    EXPECT_FALSE(dialog.SetBackgroundFromFile(dir.File("broken.bmp")));
    EXPECT_FALSE(dialog.SetBackgroundFromResource(":/quivlane/none.png"));

    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    ASSERT_TRUE(picture.save(QString::fromStdString(dir.File("FOND_QUIVLANE.bmp")), "BMP"));
    EXPECT_TRUE(dialog.SetBackgroundFromFile(dir.File("FOND_QUIVLANE.bmp")));
    EXPECT_EQ(dialog.BackgroundSize(), QSize(30, 20));
}

TEST(SkinnedDialogTest, PaintsThePictureAtTheTopLeftClippedToTheWindow) {
    SkinnedDialog dialog;
    ASSERT_TRUE(dialog.SetBackgroundFromResource(resources::kBar));
    dialog.resize(150, 300);
    const QImage shown = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.size(), QSize(150, 300));
    EXPECT_EQ(shown, dialog.Background().copy(0, 0, 150, 300));
}

TEST(SkinnedDialogTest, TheColourKeyCutsTheOutlineOutOfTheWindow) {
    SkinnedDialog dialog;
    ASSERT_TRUE(dialog.SetBackgroundFromResource(resources::kBar));
    dialog.resize(197, 419);
    EXPECT_TRUE(dialog.SetColourKey(kKey));
    const QRegion mask = dialog.mask();
    ASSERT_FALSE(mask.isEmpty());
    const QImage& picture = dialog.Background();
    ASSERT_EQ(picture.pixelColor(0, 0), kKey);
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(196, 418)));
    EXPECT_TRUE(mask.contains(QPoint(98, 200)));
    // Exactly the key colour is cut: every pixel agrees with the picture.
    for (int y = 0; y < picture.height(); y += 3) {
        for (int x = 0; x < picture.width(); ++x) {
            ASSERT_EQ(mask.contains(QPoint(x, y)), picture.pixelColor(x, y) != kKey)
                << x << "," << y;
        }
    }

    // A new picture brings its own outline.
    QImage square(40, 40, QImage::Format_RGB32);
    square.fill(Qt::gray);
    square.setPixelColor(39, 0, kKey);
    test::TempDir dir;
    ASSERT_TRUE(square.save(QString::fromStdString(dir.File("square.png")), "PNG"));
    ASSERT_TRUE(dialog.SetBackgroundFromFile(dir.File("square.png")));
    EXPECT_TRUE(dialog.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(dialog.mask().contains(QPoint(39, 0)));
    EXPECT_TRUE(dialog.mask().contains(QPoint(100, 100)));  // beyond the picture
}

TEST(SkinnedDialogTest, AlphaAndColourKeyReplaceEachOther) {
    SkinnedDialog dialog;
    ASSERT_TRUE(dialog.SetBackgroundFromResource(resources::kBar));
    dialog.resize(197, 419);
    ASSERT_TRUE(dialog.SetColourKey(kKey));
    EXPECT_TRUE(dialog.SetWindowAlpha(51));
    EXPECT_TRUE(dialog.mask().isEmpty());
    EXPECT_FALSE(dialog.ColourKey().has_value());
    EXPECT_NEAR(dialog.windowOpacity(), 0.2, 0.01);

    ASSERT_TRUE(dialog.SetColourKey(kKey));
    EXPECT_DOUBLE_EQ(dialog.windowOpacity(), 1.0);
    EXPECT_FALSE(dialog.mask().isEmpty());

    EXPECT_TRUE(dialog.SetWindowAlpha(255));
    EXPECT_DOUBLE_EQ(dialog.windowOpacity(), 1.0);
    EXPECT_TRUE(dialog.mask().isEmpty());
}

class DragTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.SetBackgroundFromResource(resources::kBar));
        dialog.setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
        dialog.setGeometry(300, 200, 197, 419);
        auto owned = std::make_unique<GradientButton>(QStringLiteral("RIEN"), &dialog);
        button = owned.release();  // the dialog owns it
        button->setGeometry(SkinnedDialog::DialogUnitsToPixels(14, 63, 49, 14));
        dialog.show();
        QApplication::processEvents();
    }

    void Send(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
        const QPoint global = target->mapToGlobal(local);
        QMouseEvent event(type, QPointF(local), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    SkinnedDialog dialog;
    GradientButton* button = nullptr;
};

TEST_F(DragTest, AFreeSpotDragsTheWindow) {
    const QPoint start = dialog.pos();
    Send(&dialog, QEvent::MouseButtonPress, QPoint(98, 395), Qt::LeftButton);
    Send(&dialog, QEvent::MouseMove, QPoint(98 + 30, 395 - 40), Qt::LeftButton);
    Send(&dialog, QEvent::MouseButtonRelease, QPoint(98 + 30, 395 - 40), Qt::NoButton);
    EXPECT_EQ(dialog.pos(), start + QPoint(30, -40));

    // After the release, moving the mouse no longer moves the window.
    const QPoint after = dialog.pos();
    Send(&dialog, QEvent::MouseMove, QPoint(10, 10), Qt::NoButton);
    EXPECT_EQ(dialog.pos(), after);
}

TEST_F(DragTest, TheDisplayAndLampsLetTheDragThrough) {
    auto display = std::make_unique<MatrixDisplay>(&dialog);
    display->setGeometry(SkinnedDialog::DialogUnitsToPixels(14, 35, 93, 14));
    auto lamp = std::make_unique<IndicatorLight>(&dialog);
    lamp->setGeometry(SkinnedDialog::DialogUnitsToPixels(13, 49, 13, 11));
    for (const QWidget* passive :
         {static_cast<QWidget*>(display.get()), static_cast<QWidget*>(lamp.get())}) {
        const QPoint start = dialog.pos();
        const QPoint on = passive->geometry().center();
        Send(&dialog, QEvent::MouseButtonPress, on, Qt::LeftButton);
        Send(&dialog, QEvent::MouseMove, on + QPoint(5, 7), Qt::LeftButton);
        Send(&dialog, QEvent::MouseButtonRelease, on + QPoint(5, 7), Qt::NoButton);
        EXPECT_EQ(dialog.pos(), start + QPoint(5, 7));
    }
}

TEST_F(DragTest, APressOnAControlDoesNotDrag) {
    const QPoint start = dialog.pos();
    const QPoint onButton = button->geometry().center();
    Send(&dialog, QEvent::MouseButtonPress, onButton, Qt::LeftButton);
    Send(&dialog, QEvent::MouseMove, onButton + QPoint(25, 25), Qt::LeftButton);
    EXPECT_EQ(dialog.pos(), start);

    dialog.SetMoveByBackground(false);
    Send(&dialog, QEvent::MouseButtonPress, QPoint(98, 395), Qt::LeftButton);
    Send(&dialog, QEvent::MouseMove, QPoint(130, 300), Qt::LeftButton);
    EXPECT_EQ(dialog.pos(), start);
}

}  // namespace
}  // namespace quivlane
