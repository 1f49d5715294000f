#include "controls/SkinnedSlider.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <memory>

namespace quivlane {
namespace {

// A parent whose every pixel tells where it is (and, in blue, which picture it is), so that
// what the slider lets through can be traced back to the spot under it.
class PatternParent : public QWidget {
  public:
    int blue = 60;

    QColor At(const QPoint& p) const { return QColor(p.x() % 256, p.y() % 256, blue); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QImage image(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x) {
                image.setPixelColor(x, y, At({x, y}));
            }
        }
        QPainter(this).drawImage(0, 0, image);
    }
};

class SkinnedSliderTest : public ::testing::Test {
  protected:
    SkinnedSlider& Make(Qt::Orientation orientation, const QRect& geometry) {
        parent_.resize(400, 300);
        auto slider = std::make_unique<SkinnedSlider>(orientation, &parent_);
        slider->setGeometry(geometry);
        QPalette palette = slider->palette();
        palette.setColor(QPalette::Button, QColor(200, 200, 200));
        palette.setColor(QPalette::Light, QColor(255, 255, 255));
        palette.setColor(QPalette::Dark, QColor(128, 128, 128));
        palette.setColor(QPalette::Shadow, QColor(0, 0, 0));
        palette.setColor(QPalette::Midlight, QColor(227, 227, 227));
        palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
        slider->setPalette(palette);
        parent_.show();
        return *slider.release();
    }
    static QImage Render(QWidget& widget) {
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Presses the thumb and drags it to x (horizontal sliders).
    static void Drag(SkinnedSlider& slider, int x, bool release) {
        const QPoint thumb = slider.ThumbRect().center();
        QTest::mousePress(&slider, Qt::LeftButton, {}, thumb);
        QMouseEvent move(QEvent::MouseMove, QPointF(x, thumb.y()),
                         slider.mapToGlobal(QPointF(x, thumb.y())), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&slider, &move);
        if (release) {
            QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, thumb.y()));
        }
    }

    PatternParent parent_;
};

TEST_F(SkinnedSliderTest, RangeAndKeysKeepThePositionInside) {
    SkinnedSlider& slider = Make(Qt::Horizontal, QRect(10, 10, 339, 31));
    slider.setRange(0, 23);
    slider.setValue(40);
    EXPECT_EQ(slider.value(), 23);
    slider.setValue(-1);
    EXPECT_EQ(slider.value(), 0);
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(slider.value(), 0);
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_Up);
    EXPECT_EQ(slider.value(), 2);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(slider.value(), 23);
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(slider.value(), 0);
    EXPECT_EQ(slider.tickPosition(), QSlider::NoTicks);
}

TEST_F(SkinnedSliderTest, DraggingTheThumbMovesItAndSignalsTheMoves) {
    SkinnedSlider& slider = Make(Qt::Horizontal, QRect(10, 10, 339, 31));
    slider.setRange(0, 59);
    std::vector<int> moved;
    int released = 0;
    QObject::connect(&slider, &QSlider::sliderMoved, [&moved](int v) { moved.push_back(v); });
    QObject::connect(&slider, &QSlider::sliderReleased, [&released] { ++released; });
    const QRect before = slider.ThumbRect();
    Drag(slider, slider.width() / 2, false);
    EXPECT_TRUE(slider.isSliderDown());
    EXPECT_GT(slider.value(), 20);
    EXPECT_LT(slider.value(), 40);
    ASSERT_FALSE(moved.empty());
    EXPECT_EQ(moved.back(), slider.value());
    EXPECT_EQ(released, 0);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(slider.width() / 2, 15));
    EXPECT_EQ(released, 1);
    EXPECT_FALSE(slider.isSliderDown());
    EXPECT_GT(slider.ThumbRect().center().x(), before.center().x());
}

TEST_F(SkinnedSliderTest, ChannelIsWidenedAcrossTheSliderForItsEdge) {
    SkinnedSlider& wide = Make(Qt::Horizontal, QRect(10, 10, 200, 30));
    const QRect styleWide = wide.StyleChannelRect();
    EXPECT_EQ(wide.ChannelRect(), styleWide.adjusted(0, -2, 0, 2));
    SkinnedSlider& tall = Make(Qt::Vertical, QRect(250, 10, 30, 200));
    EXPECT_EQ(tall.ChannelRect(), tall.StyleChannelRect().adjusted(-1, 0, 1, 0));
    // A square slider counts as a wide one.
    SkinnedSlider& square = Make(Qt::Horizontal, QRect(10, 100, 40, 40));
    EXPECT_EQ(square.ChannelRect(), square.StyleChannelRect().adjusted(0, -2, 0, 2));
}

TEST_F(SkinnedSliderTest, DrawsTheParentThenASunkenEdgeAndARoundThumb) {
    SkinnedSlider& slider = Make(Qt::Horizontal, QRect(20, 30, 339, 31));
    slider.setRange(0, 23);
    slider.setValue(12);
    const QImage image = Render(slider);
    const QRect channel = slider.ChannelRect();
    const QRect thumb = slider.ThumbRect();
    ASSERT_GT(channel.width(), 20);

    // The parent shows, in place, around the channel and inside it, away from the thumb.
    const QPoint origin = slider.pos();
    EXPECT_EQ(image.pixelColor(2, 2), parent_.At(origin + QPoint(2, 2)));
    EXPECT_EQ(image.pixelColor(330, 29), parent_.At(origin + QPoint(330, 29)));
    const int freeX = channel.left() + 10;
    ASSERT_LT(freeX, thumb.left());
    const QPoint inside(freeX, channel.center().y());
    EXPECT_EQ(image.pixelColor(inside), parent_.At(origin + inside));
    // Sunken: dark above and to the left, light below and to the right.
    EXPECT_EQ(image.pixelColor(freeX, channel.top()), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(freeX, channel.top() + 1), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(freeX, channel.bottom()), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(channel.left(), channel.center().y() - 1), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(channel.right(), channel.center().y() + 1), QColor(255, 255, 255));

    // The thumb is a filled circle of the button face: the centre is filled, the corners of
    // its rectangle are not.
    EXPECT_EQ(image.pixelColor(thumb.center()), QColor(200, 200, 200));
    EXPECT_NE(image.pixelColor(thumb.topLeft()), QColor(200, 200, 200));
    EXPECT_NE(image.pixelColor(thumb.bottomRight()), QColor(200, 200, 200));
}

TEST_F(SkinnedSliderTest, ThumbTakesThePressedColourWhileHeld) {
    SkinnedSlider& slider = Make(Qt::Horizontal, QRect(20, 30, 339, 31));
    slider.setRange(0, 10);
    EXPECT_EQ(slider.ThumbColourNow(), QColor(200, 200, 200));
    Drag(slider, slider.ThumbRect().center().x(), false);
    EXPECT_EQ(slider.ThumbColourNow(), QColor(255, 255, 255));
    EXPECT_EQ(Render(slider).pixelColor(slider.ThumbRect().center()), QColor(255, 255, 255));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, slider.ThumbRect().center());
    EXPECT_EQ(Render(slider).pixelColor(slider.ThumbRect().center()), QColor(200, 200, 200));

    slider.SetThumbColour(QColor(10, 20, 250));
    slider.SetPressedThumbColour(QColor(250, 20, 10));
    EXPECT_EQ(Render(slider).pixelColor(slider.ThumbRect().center()), QColor(10, 20, 250));
    Drag(slider, slider.ThumbRect().center().x(), false);
    EXPECT_EQ(Render(slider).pixelColor(slider.ThumbRect().center()), QColor(250, 20, 10));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, slider.ThumbRect().center());
}

TEST_F(SkinnedSliderTest, ParentPixelsAreCopiedOnceAtTheFirstPaint) {
    SkinnedSlider& slider = Make(Qt::Horizontal, QRect(20, 30, 339, 31));
    EXPECT_TRUE(slider.BackgroundCopy().isNull());
    const QColor first = parent_.At(slider.pos() + QPoint(1, 1));
    EXPECT_EQ(Render(slider).pixelColor(1, 1), first);
    parent_.blue = 200;
    parent_.update();
    QApplication::processEvents();
    EXPECT_EQ(Render(slider).pixelColor(1, 1), first);
    EXPECT_EQ(slider.BackgroundCopy().size(), slider.size());
}

}  // namespace
}  // namespace quivlane
