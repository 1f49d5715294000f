#include "controls/IndicatorLight.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>
#include <QString>

#include "resources/ResourceNames.h"

namespace quivlane {
namespace {

const QColor kGround(0, 128, 0);

class IndicatorLightTest : public testing::Test {
  protected:
    void SetUp() override {
        parent.resize(60, 40);
        parent.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, kGround);
        parent.setPalette(palette);
        sheet =
            QImage(QString::fromLatin1(resources::kLights)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(sheet.isNull());
    }

    // The lamp as drawn over the parent, 16 x 16.
    QImage Lamp(const IndicatorLight& light) {
        const QImage all = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
        return all.copy(light.LampRect().translated(light.pos()));
    }

    // What the lamp should show for a sheet cell: the cell, with the parent where magenta is.
    QImage Expected(int x, int y) {
        QImage cell = sheet.copy(x, y, 16, 16);
        for (int j = 0; j < 16; ++j) {
            for (int i = 0; i < 16; ++i) {
                if (cell.pixelColor(i, j) == QColor(255, 0, 255)) {
                    cell.setPixelColor(i, j, kGround);
                }
            }
        }
        return cell;
    }

    QWidget parent;
    QImage sheet;
};

TEST_F(IndicatorLightTest, ShowsTheChosenCellWithMagentaSeeThrough) {
    IndicatorLight light(&parent);
    light.setGeometry(5, 5, 33, 29);  // the web-address dialog's lamp control
    EXPECT_EQ(light.LampRect(), QRect(8, 6, 16, 16));
    EXPECT_EQ(light.Row(), 0);
    EXPECT_EQ(light.Column(), 1);  // dark until told otherwise

    EXPECT_EQ(Lamp(light), Expected(16, 0));
    light.SetLight(0, 0, 0);  // bright red
    EXPECT_EQ(Lamp(light), Expected(0, 0));
    light.SetLight(16, 0, 0);  // bright green
    EXPECT_EQ(Lamp(light), Expected(0, 16));
    light.SetLight(16, 2, 48);  // grey square lamp, row given partly as extra
    EXPECT_EQ(Lamp(light), Expected(32, 64));

    // The corners of a round lamp are see-through; its centre is not.
    const QImage lamp = Lamp(light);
    light.SetLight(0, 0, 0);
    const QImage round = Lamp(light);
    EXPECT_EQ(round.pixelColor(0, 0), kGround);
    EXPECT_NE(round.pixelColor(8, 8), kGround);
    EXPECT_NE(lamp, round);
}

TEST_F(IndicatorLightTest, ASmallControlDrawsTheLampAtItsCorner) {
    IndicatorLight light(&parent);
    light.setGeometry(2, 3, 20, 15);
    EXPECT_EQ(light.LampRect(), QRect(0, 0, 16, 16));
    light.SetLight(0, 0, 0);
    const QImage all = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Clipped to the control: 20 x 15.
    EXPECT_EQ(all.copy(2, 3, 16, 15), Expected(0, 0).copy(0, 0, 16, 15));
}

}  // namespace
}  // namespace quivlane
