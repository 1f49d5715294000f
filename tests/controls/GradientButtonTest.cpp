#include "controls/GradientButton.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace quivlane {
namespace {

class GradientButtonTest : public testing::Test {
  protected:
    void SetUp() override {
        button.resize(74, 23);
        button.SetGradient(true);
        button.SetStyle(2);
    }

    QImage Render() { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void Enter() {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&button, &enter);
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
    }

    // Columns in which some pixel is close to the colour.
    static std::vector<int> ColumnsWith(const QImage& image, const QColor& colour) {
        std::vector<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                const QColor p = image.pixelColor(x, y);
                if (std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                        std::abs(p.blue() - colour.blue()) <
                    90) {
                    columns.push_back(x);
                    break;
                }
            }
        }
        return columns;
    }

    GradientButton button;
};

TEST_F(GradientButtonTest, FaceRunsFromTheTopToTheBottomColourInsideTheFrame) {
    const QImage image = Render();
    // The face starts 1 pixel in at the top and left and stops 2 pixels short of the right
    // and bottom.
    for (int x : {1, 36, 71}) {
        EXPECT_EQ(image.pixelColor(x, 1), QColor(255, 255, 255)) << x;
        EXPECT_EQ(image.pixelColor(x, 20), QColor(200, 200, 216)) << x;
    }
    const QColor middle = image.pixelColor(2, 11);
    EXPECT_LT(middle.red(), 255);
    EXPECT_GT(middle.red(), 200);
    EXPECT_GE(middle.blue(), middle.red());
    // The frame is not face: the bottom-right edge is dark.
    EXPECT_NE(image.pixelColor(72, 11), image.pixelColor(71, 11));
    EXPECT_NE(image.pixelColor(36, 22), QColor(200, 200, 216));
}

TEST_F(GradientButtonTest, HoverColoursFollowThePointer) {
    Enter();
    EXPECT_TRUE(button.IsHovered());
    QImage image = Render();
    EXPECT_EQ(image.pixelColor(2, 1), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(2, 20), QColor(220, 220, 220));

    // Pressed while hovering: hover colours with the pushed frame.
    button.setDown(true);
    image = Render();
    EXPECT_EQ(image.pixelColor(2, 20), QColor(220, 220, 220));
    EXPECT_EQ(image.pixel(0, 0), button.palette().color(QPalette::Shadow).rgb());
    button.setDown(false);

    Leave();
    EXPECT_FALSE(button.IsHovered());
    EXPECT_EQ(Render().pixelColor(2, 20), QColor(200, 200, 216));
}

TEST_F(GradientButtonTest, OnlyStyleTwoFollowsThePointer) {
    button.SetStyle(1);
    Enter();
    EXPECT_FALSE(button.IsHovered());
    EXPECT_EQ(Render().pixelColor(2, 20), QColor(200, 200, 216));
}

TEST(FillGradientTest, BothEndsExactAndSteadyInBetween) {
    for (const bool vertical : {true, false}) {
        QImage image(vertical ? 9 : 60, vertical ? 60 : 9, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        const QRect area = image.rect().adjusted(1, 1, -2, -2);
        GradientButton::FillGradient(painter, area, QColor(10, 200, 40), QColor(250, 20, 40),
                                     vertical);
        painter.end();
        const auto at = [&](int i) {
            return vertical ? image.pixelColor(4, area.top() + i)
                            : image.pixelColor(area.left() + i, 4);
        };
        const int extent = vertical ? area.height() : area.width();
        EXPECT_EQ(at(0), QColor(10, 200, 40));
        EXPECT_EQ(at(extent - 1), QColor(250, 20, 40));
        for (int i = 1; i < extent; ++i) {
            ASSERT_GE(at(i).red(), at(i - 1).red()) << i;
            ASSERT_LE(at(i).green(), at(i - 1).green()) << i;
        }
        // Nothing outside the rectangle.
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::black));
    }
}

TEST_F(GradientButtonTest, WithoutTheGradientTheFaceIsPlain) {
    button.SetGradient(false);
    const QImage image = Render();
    EXPECT_EQ(image.pixelColor(10, 2), image.pixelColor(10, 19));
}

TEST_F(GradientButtonTest, CaptionIsCentredInItsColourAndMovesWhenPressed) {
    const QColor red(255, 0, 0);
    button.setText(QStringLiteral("Quitter"));
    button.SetTextColour(red);
    const auto columns = ColumnsWith(Render(), red);
    ASSERT_FALSE(columns.empty());
    const int left = columns.front();
    const int right = 73 - columns.back();
    EXPECT_LE(std::abs(left - right), 3) << left << " " << right;

    button.setDown(true);
    const auto pressed = ColumnsWith(Render(), red);
    ASSERT_FALSE(pressed.empty());
    EXPECT_EQ(pressed.front(), left + 1);

    button.setDown(false);
    button.setEnabled(false);
    EXPECT_TRUE(ColumnsWith(Render(), red).empty());  // grey when disabled
}

TEST_F(GradientButtonTest, ALongCaptionEndsInAnEllipsisInsideTheFace) {
    const QColor blue(0, 0, 255);
    button.SetTextColour(blue);
    button.setText(QStringLiteral("Enregistrer les paramètres du bouton"));
    const QString shown = button.DisplayedCaption();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(button.fontMetrics().horizontalAdvance(shown), 74 - 5);
    const auto columns = ColumnsWith(Render(), blue);
    ASSERT_FALSE(columns.empty());
    EXPECT_GE(columns.front(), 2);
    EXPECT_LE(columns.back(), 71);

    button.setText(QStringLiteral("Radio"));
    EXPECT_EQ(button.DisplayedCaption(), QStringLiteral("Radio"));

    // Word-wrapped captions cut only the words that cannot fit on a line.
    button.SetTextAlign(GradientButton::kWordWrap);
    button.setText(QStringLiteral("Choix Anticonstitutionnellement"));
    const QString wrapped = button.DisplayedCaption();
    EXPECT_TRUE(wrapped.startsWith(QStringLiteral("Choix Anti"))) << wrapped.toStdString();
    EXPECT_TRUE(wrapped.endsWith(QChar(0x2026)));
}

TEST_F(GradientButtonTest, AnEmptyCaptionDrawsFrameAndFaceOnly) {
    const QImage image = Render();
    for (int y = 1; y <= 20; ++y) {
        const QColor rowColour = image.pixelColor(1, y);
        for (int x = 1; x <= 71; ++x) {
            ASSERT_EQ(image.pixelColor(x, y), rowColour) << x << "," << y;
        }
    }
}

TEST_F(GradientButtonTest, ShowMenuReturnsTheChosenCommandId) {
    QWidget parent;
    button.setParent(&parent);
    parent.show();
    QMenu menu(&parent);
    for (int id : {32771, 32772, 32773}) {
        menu.addAction(QString::number(id))->setData(id);
    }
    QPoint shownAt;
    QTimer::singleShot(0, &menu, [&] {
        shownAt = menu.pos();
        menu.setActiveAction(menu.actions().at(1));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&menu, &press);
    });
    EXPECT_EQ(button.ShowMenu(menu), 32772);
    EXPECT_EQ(shownAt, button.mapToGlobal(QPoint(0, button.height())));

    QTimer::singleShot(0, &menu, [&] { menu.close(); });
    EXPECT_EQ(button.ShowMenu(menu), 0);
    button.setParent(nullptr);
}

}  // namespace
}  // namespace quivlane
