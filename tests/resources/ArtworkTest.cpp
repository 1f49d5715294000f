#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QString>

#include "controls/MatrixText.h"
#include "resources/DotFont.h"
#include "resources/ResourceNames.h"

namespace quivlane {
namespace {

QImage Load(const char* name) {
    return QImage(QString::fromLatin1(name)).convertToFormat(QImage::Format_RGB32);
}

const QColor kKey(255, 254, 255);

TEST(ArtworkTest, EveryPictureIsBuiltInWithItsSize) {
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {{resources::kBar, {197, 419}},        {resources::kAlarmDialog, {367, 241}},
                    {resources::kUrlDialog, {470, 76}},   {resources::kEditor, {809, 541}},
                    {resources::kLights, {48, 128}},      {resources::kMatrixSize0, {512, 66}},
                    {resources::kMatrixSize1, {704, 90}}, {resources::kMatrixSize2, {352, 45}},
                    {resources::kIcon, {64, 64}}};
    for (const auto& p : pictures) {
        EXPECT_EQ(Load(p.name).size(), p.size) << p.name;
    }
    EXPECT_EQ(resources::AllResourceNames().size(), std::size(pictures));
}

TEST(ArtworkTest, DialogPicturesHaveAKeyedOutlineAndASolidPanel) {
    for (const char* name :
         {resources::kBar, resources::kAlarmDialog, resources::kUrlDialog, resources::kEditor}) {
        const QImage image = Load(name);
        const int w = image.width();
        const int h = image.height();
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            EXPECT_EQ(image.pixelColor(corner), kKey) << name;
        }
        EXPECT_NE(image.pixelColor(w / 2, h / 2), kKey) << name;
        // The panel is one piece: no key-coloured holes inside its middle band.
        for (int x = 12; x < w - 12; ++x) {
            ASSERT_NE(image.pixelColor(x, h / 2), kKey) << name << " x " << x;
        }
    }
}

TEST(ArtworkTest, TheBarHasItsDisplayWindowWhereTheDisplaySits) {
    const QImage bar = Load(resources::kBar);
    // The display sits at (21, 57), 158 x 19: dark glass all around it.
    for (const QPoint p : {QPoint(19, 66), QPoint(180, 66), QPoint(100, 55), QPoint(100, 77)}) {
        const QColor c = bar.pixelColor(p);
        EXPECT_LT(c.value(), 80) << p.x() << "," << p.y();
    }
}

TEST(ArtworkTest, LampSheetCellsSitOnMagenta) {
    const QImage lights = Load(resources::kLights);
    const QColor magenta(255, 0, 255);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int x = column * 16;
            const int y = row * 16;
            EXPECT_EQ(lights.pixelColor(x, y), magenta);
            EXPECT_NE(lights.pixelColor(x + 8, y + 8), magenta);
        }
        // Bright is brighter than dark.
        EXPECT_GT(lights.pixelColor(8, row * 16 + 8).value(),
                  lights.pixelColor(24, row * 16 + 8).value());
    }
    // No pixel is a blend of magenta and a lamp: the sheet's see-through edge is hard.
    for (int y = 0; y < lights.height(); ++y) {
        for (int x = 0; x < lights.width(); ++x) {
            const QColor c = lights.pixelColor(x, y);
            if (c != magenta) {
                ASSERT_FALSE(c.red() > 200 && c.blue() > 200 && c.green() < 120) << x << "," << y;
            }
        }
    }
}

TEST(ArtworkTest, GlyphSheetsAreTheDotFontInThreeExactColours) {
    const QColor on(0x3F, 0xB5, 0xFF);
    const QColor off(0x17, 0x40, 0x67);
    for (int size : {0, 1, 2}) {
        const char* name = size == 0   ? resources::kMatrixSize0
                           : size == 1 ? resources::kMatrixSize1
                                       : resources::kMatrixSize2;
        const QImage sheet = Load(name);
        QSet<QRgb> colours;
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width(); ++x) {
                colours.insert(sheet.pixel(x, y));
            }
        }
        EXPECT_EQ(colours, (QSet<QRgb>{on.rgb(), off.rgb(), QColor(Qt::black).rgb()})) << size;

        const auto g = MatrixText::GlyphSizeFor(size);
        const int pitch = DotFont::DotPitch(g.cellWidth);
        const int dot = DotFont::DotSize(g.cellWidth);
        EXPECT_EQ(4 * pitch + dot, g.cellWidth);
        EXPECT_EQ(6 * pitch + dot, g.cellHeight);
        for (int c = 32; c <= 127; ++c) {
            const auto origin = MatrixText::CellOrigin(static_cast<unsigned char>(c), g);
            for (int col = 0; col < 5; ++col) {
                for (int row = 0; row < 7; ++row) {
                    const QColor want = DotFont::IsLit(c, col, row) ? on : off;
                    ASSERT_EQ(sheet.pixelColor(origin.x + col * pitch + (dot - 1) / 2,
                                               origin.y + row * pitch + (dot - 1) / 2),
                              want)
                        << "size " << size << " char " << c;
                }
            }
            // Spacing to the right of and below the glyph stays black.
            ASSERT_EQ(sheet.pixelColor(origin.x + g.cellWidth, origin.y), QColor(Qt::black));
            ASSERT_EQ(sheet.pixelColor(origin.x, origin.y + g.cellHeight), QColor(Qt::black));
        }
    }
}

TEST(ArtworkTest, TheFontHasADistinctShapeForEveryPrintableCharacter) {
    QSet<QByteArray> shapes;
    for (int c = 33; c <= 127; ++c) {
        const auto columns = DotFont::Columns(c);
        const QByteArray key(reinterpret_cast<const char*>(columns.data()),
                             static_cast<int>(columns.size()));
        EXPECT_NE(key, QByteArray(5, '\0')) << c;
        EXPECT_FALSE(shapes.contains(key)) << "duplicate shape for " << c;
        shapes.insert(key);
    }
    EXPECT_FALSE(DotFont::IsLit(31, 0, 0));
    EXPECT_FALSE(DotFont::IsLit(128, 2, 3));
}

}  // namespace
}  // namespace quivlane
