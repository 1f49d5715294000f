#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <memory>

#include "launcher/tooltip/window/HtmlTooltip.h"
#include "tests/support/FakePorts.h"

namespace quivlane {
namespace {

constexpr QRgb kTipColour = 0xFFB4FFFF;  // (180, 255, 255)

class TooltipWindowTest : public ::testing::Test {
  protected:
    TooltipWindowTest() {
        owner.setGeometry(200, 300, 300, 100);
        first.setGeometry(10, 10, 100, 40);
        second.setGeometry(150, 10, 100, 40);
        owner.show();
        QApplication::processEvents();
    }
    // The bar's settings, with no initial delay so that a move shows at once.
    void Register(QWidget* control, const std::string& text, bool balloon = true) {
        if (!tip.IsCreated()) {
            ASSERT_TRUE(tip.Create(&owner, balloon));
        }
        tip.AddTool(control, text);
        tip.SetBehaviour(TooltipStateMachine::kReshowInTool);
        tip.SetTooltipShadow(0, 0, 50, true, 7, 7);
        tip.SetDelayTime(TooltipStateMachine::kDelayAutoPop, 10000);
        tip.SetColorBk(Rgb{180, 255, 255});
        tip.SetDelayTime(TooltipStateMachine::kDelayInitial, 0);
    }
    QPoint MoveOver(QWidget* control, QPoint local) {
        const QPoint global = control->mapToGlobal(local);
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        tip.RelayEvent(control, &move);
        return global;
    }
    QPoint MoveOver(QWidget* control) { return MoveOver(control, control->rect().center()); }

    test::RecordingShell shell;
    QWidget owner;
    QPushButton first{&owner};
    QPushButton second{&owner};
    HtmlTooltip tip{shell};
};

TEST_F(TooltipWindowTest, ARegisteredButtonShowsItsBalloonAnchoredOnTheCursor) {
    Register(&first, "<h1>Bonjour</h1>");
    const QPoint cursor = MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.CurrentState(), TooltipStateMachine::Shown);
    EXPECT_EQ(tip.Drawer().Text(), "<h1>Bonjour</h1>");

    const auto& l = tip.Placement();
    EXPECT_EQ(l.direction, 16);
    EXPECT_EQ(tip.geometry().bottom() + 1, cursor.y());
    EXPECT_EQ(tip.x() + l.anchor.x, cursor.x());
    // Balloon margins and anchor around the text.
    EXPECT_EQ(l.window.Height(), l.body.Height() + 16);
    EXPECT_EQ(tip.WindowShape().size(), tip.size());

    const QImage image = tip.RenderTip(tip.Opacity());
    ASSERT_EQ(image.size(), tip.size());
    const int midY = l.body.top + l.body.Height() / 2;
    EXPECT_EQ(image.pixel(l.body.left + 4, midY), kTipColour);
    EXPECT_EQ(image.pixel(l.body.right - 5, midY), kTipColour);
    // The anchor's strip has the body's colour.
    EXPECT_EQ(image.pixel(l.anchor.x + 2, l.body.bottom + 2), kTipColour);
    // The frame in the tooltip text colour, the cut corners not the tip's.
    const QColor frame = QGuiApplication::palette().color(QPalette::ToolTipText);
    EXPECT_EQ(QColor(image.pixel(l.body.Width() / 2, l.body.top)).rgb(), frame.rgb());
    EXPECT_NE(image.pixel(0, 0), kTipColour);
    EXPECT_FALSE(tip.Shape().Contains(0, 0));
    // The text: a good number of pixels far from the background in the middle.
    int ink = 0;
    for (int y = l.body.top + 12; y < l.body.bottom - 12; ++y) {
        for (int x = l.body.left + 12; x < l.body.right - 12; ++x) {
            ink += qRed(image.pixel(x, y)) < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 30);
}

TEST_F(TooltipWindowTest, TheWindowShapeIsTheOutlineAndGrowsByTheShadow) {
    Register(&first, "<h1>Ombre</h1>");
    MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    int set = 0;
    for (int y = 0; y < tip.WindowShape().height(); ++y) {
        for (int x = 0; x < tip.WindowShape().width(); ++x) {
            const bool in = tip.WindowShape().pixelIndex(x, y) == 1;
            set += in ? 1 : 0;
            EXPECT_EQ(in, tip.Shape().Contains(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(set, tip.Shape().Count());

    tip.HideTooltip();
    tip.SetTooltipShadow(6, 4, 50, false, 7, 7);
    MoveOver(&first, QPoint(20, 20));
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.width(), tip.Shape().Width() + 6);
    EXPECT_EQ(tip.height(), tip.Shape().Height() + 4);
    EXPECT_TRUE(tip.WindowShape().pixelIndex(tip.width() - 1, tip.Shape().Height() / 2) == 1);
}

TEST_F(TooltipWindowTest, GradientAndSeeThroughAreDrawnIntoTheTip) {
    Register(&first, "<p>x</p>");
    tip.SetEffectBk(DrawManager::kFillHGradient);
    tip.SetColorBk(Rgb{255, 0, 0}, Rgb{0, 255, 0}, Rgb{0, 0, 255});
    MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    const auto& l = tip.Placement();
    const int y = l.body.top + 4 + 8;
    const QImage opaque = tip.RenderTip(0);
    const QRgb left = opaque.pixel(l.body.left + 3, y);
    const QRgb right = opaque.pixel(l.body.right - 4, y);
    EXPECT_GT(qRed(left), qBlue(left));
    EXPECT_GT(qBlue(right), qRed(right));

    const QImage none = tip.RenderTip(100);
    const QImage half = tip.RenderTip(50);
    const QRgb a = opaque.pixel(l.body.left + 3, y);
    const QRgb b = none.pixel(l.body.left + 3, y);
    const QRgb m = half.pixel(l.body.left + 3, y);
    EXPECT_NE(a, b);
    EXPECT_NEAR(qRed(m), (qRed(a) + qRed(b)) / 2, 2);
    EXPECT_NEAR(qBlue(m), (qBlue(a) + qBlue(b)) / 2, 2);

    // The frame takes its own colour and thickness, and goes with a zero width.
    const QPoint top(l.body.Width() / 2, l.body.top);
    tip.SetBorder(Rgb{0, 128, 0}, 2, 2);
    QImage framed = tip.RenderTip(0);
    EXPECT_EQ(framed.pixel(top), 0xFF008000u);
    EXPECT_EQ(framed.pixel(top + QPoint(0, 1)), 0xFF008000u);
    EXPECT_NE(framed.pixel(top + QPoint(0, 2)), 0xFF008000u);
    tip.SetBorder(Rgb{0, 128, 0}, 0, 2);
    framed = tip.RenderTip(0);
    EXPECT_EQ(framed.pixel(top), framed.pixel(top + QPoint(0, 3)));
}

TEST_F(TooltipWindowTest, ClicksKeysAndLeavingHideTheTip) {
    Register(&first, "<h1>A</h1>");
    Register(&second, "<h1>B</h1>");
    QPoint at = MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(first.rect().center()), QPointF(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    tip.RelayEvent(&first, &press);
    EXPECT_FALSE(tip.isVisible());

    MoveOver(&first, QPoint(20, 20));
    ASSERT_TRUE(tip.isVisible());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    tip.RelayEvent(&owner, &key);
    EXPECT_FALSE(tip.isVisible());

    MoveOver(&second);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Drawer().Text(), "<h1>B</h1>");
    MoveOver(&owner, QPoint(5, 90));  // the bar, but no tool
    EXPECT_FALSE(tip.isVisible());

    MoveOver(&second, QPoint(30, 30));
    ASSERT_TRUE(tip.isVisible());
    at = owner.mapToGlobal(QPoint(400, 50));  // off the owner altogether
    QCursor::setPos(at);
    QEvent leave(QEvent::Leave);
    tip.RelayEvent(&owner, &leave);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(TooltipWindowTest, ALinkInTheTipOpensThroughTheShellOnAClickThatAlsoHidesIt) {
    Register(&first, "<p>Voir <a href=\"http://example.org/\">le site</a></p>");
    MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    ASSERT_EQ(tip.Drawer().LinkAreas().size(), 1u);
    const QPoint onLink = tip.pos() + tip.Drawer().LinkAreas()[0].rect.center();

    // Over the link the tip shows the link cursor.
    QMouseEvent hover(QEvent::MouseMove, QPointF(onLink - tip.pos()), QPointF(onLink), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&tip, &hover);
    EXPECT_EQ(tip.cursor().shape(), tip.Drawer().LinkCursor().shape());
    // That move was over the tip itself: without the keep-over-tip behaviour it hides.
    EXPECT_FALSE(tip.isVisible());

    MoveOver(&first, QPoint(21, 21));
    ASSERT_TRUE(tip.isVisible());
    const QPoint again = tip.pos() + tip.Drawer().LinkAreas()[0].rect.center();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(again - tip.pos()), QPointF(again),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tip, &press);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].target, "http://example.org/");
    EXPECT_FALSE(tip.isVisible());

    // A click beside the link opens nothing.
    MoveOver(&first, QPoint(22, 21));
    ASSERT_TRUE(tip.isVisible());
    const QPoint corner = tip.pos() + QPoint(tip.Placement().body.left + 3, 20);
    QMouseEvent miss(QEvent::MouseButtonPress, QPointF(corner - tip.pos()), QPointF(corner),
                     Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&tip, &miss);
    EXPECT_EQ(shell.requests.size(), 1u);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(TooltipWindowTest, ToolsAreReplacedByAreaLimitedByTheirRectangleAndSkippedWhenDisabled) {
    Register(&first, "<h1>old</h1>");
    Register(&first, "<h1>new</h1>");
    MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Drawer().Text(), "<h1>new</h1>");
    tip.HideTooltip();

    tip.AddTool(&second, "<h1>left</h1>", QRect(0, 0, 50, 40));
    tip.AddTool(&second, "<h1>right</h1>", QRect(50, 0, 50, 40));
    MoveOver(&second, QPoint(70, 20));
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Drawer().Text(), "<h1>right</h1>");
    MoveOver(&second, QPoint(10, 20));
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Drawer().Text(), "<h1>left</h1>");
    tip.HideTooltip();

    first.setEnabled(false);
    MoveOver(&first, QPoint(30, 30));
    EXPECT_FALSE(tip.isVisible());
    first.setEnabled(true);

    Register(&second, "");  // an empty tool over the whole control shows nothing
    tip.AddTool(&first, "");
    MoveOver(&first, QPoint(31, 30));
    EXPECT_FALSE(tip.isVisible());
    EXPECT_EQ(tip.CurrentState(), TooltipStateMachine::Hidden);
}

TEST_F(TooltipWindowTest, AToolOfADestroyedControlIsNeverHit) {
    auto gone = std::make_unique<QPushButton>(&owner);
    gone->setGeometry(10, 60, 100, 30);
    gone->show();
    Register(gone.get(), "<h1>gone</h1>");
    const QPoint local(40, 75);
    gone.reset();
    MoveOver(&owner, local);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(TooltipWindowTest, NearTheTopTheTipGoesBelowTheCursor) {
    owner.move(200, 2);
    QApplication::processEvents();
    Register(&first, "<h1>Haut</h1>");
    const QPoint cursor = MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Placement().direction, 0);
    EXPECT_EQ(tip.y(), cursor.y());
    EXPECT_EQ(tip.Placement().body.top, 16);
}

TEST_F(TooltipWindowTest, NoCommentMakesATipLargerThanItsScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The bar never wraps: a long line is cut at the screen's edge, its margins kept.
    std::string line;
    while (line.size() < 130) {
        line += "une phrase longue ";
    }
    Register(&first, "<h1>" + line + "</h1>");
    MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_TRUE(screen.contains(tip.geometry())) << tip.geometry().width();
    EXPECT_GT(tip.width(), screen.width() - 40);
    const auto& l = tip.Placement();
    const QImage image = tip.RenderTip(tip.Opacity());
    const int midY = l.body.top + l.body.Height() / 2;
    for (int x = l.body.right - tip.Size(HtmlTooltip::kMarginX); x < l.body.right - 2; ++x) {
        EXPECT_EQ(image.pixel(x, midY), kTipColour) << x;
    }

    // 495 characters that measure more than a million pixels high.
    std::string breaks;
    for (int i = 0; i < 55; ++i) {
        breaks += "<br=1000>";
    }
    ASSERT_EQ(breaks.size(), 495u);
    Register(&second, breaks);
    MoveOver(&second);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_TRUE(screen.contains(tip.geometry())) << tip.geometry().height();
    EXPECT_EQ(tip.RenderTip(tip.Opacity()).size(), tip.size());
}

TEST_F(TooltipWindowTest, TheRectangularShapeHasNoAnchorAndItsOwnMargins) {
    EXPECT_FALSE(tip.Create(nullptr, true));
    EXPECT_EQ(tip.Size(HtmlTooltip::kCornerWidth), 16);
    Register(&first, "<h1>R</h1>", false);
    EXPECT_EQ(tip.Size(HtmlTooltip::kMarginX), 3);
    tip.SetSize(9, 50);
    tip.SetSize(HtmlTooltip::kMarginY, 5);
    EXPECT_EQ(tip.Size(HtmlTooltip::kMarginY), 5);
    EXPECT_EQ(tip.Size(9), 0);
    MoveOver(&first);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_FALSE(tip.Placement().hasAnchor);
    EXPECT_EQ(tip.height(), tip.Placement().body.Height());
    EXPECT_EQ(tip.Shape().Count(), tip.width() * tip.height());
}

TEST_F(TooltipWindowTest, TimersShowAndHideTheTipOnTheirOwn) {
    Register(&first, "<h1>T</h1>");
    tip.SetDelayTime(TooltipStateMachine::kDelayInitial, 50);
    tip.SetDelayTime(TooltipStateMachine::kDelayAutoPop, 100);
    MoveOver(&first);
    EXPECT_FALSE(tip.isVisible());
    const auto waitFor = [this](bool visible) {
        QElapsedTimer timer;
        timer.start();
        while (tip.isVisible() != visible && timer.elapsed() < 10000) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        return tip.isVisible() == visible;
    };
    EXPECT_TRUE(waitFor(true));
    EXPECT_TRUE(waitFor(false));
}

}  // namespace
}  // namespace quivlane
