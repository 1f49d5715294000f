#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdlib>

#include "launcher/tooltip/render/HtmlDrawer.h"
#include "launcher/tooltip/render/HtmlTable.h"
#include "tests/launcher/tooltip/HtmlTestSupport.h"
#include "tests/support/FakePorts.h"

namespace quivlane {
namespace {

using test::CountPixels;
using test::InkBox;
using test::WhiteCanvas;

constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kBlue = 0xFF0000FFu;
constexpr QRgb kWhite = 0xFFFFFFFFu;

class HtmlTableTest : public ::testing::Test {
  protected:
    QSize Prepare(const std::string& text) { return drawer.PrepareDrawing(canvas, text); }

    // Draws into a rectangle of the given width (the measured width when 0).
    QImage Render(const std::string& text, int width = 0) {
        canvas = WhiteCanvas(400, 200);
        const QSize size = Prepare(text);
        drawer.DrawPreparedHtml(
            canvas, QRect(0, 0, width > 0 ? width : size.width() - 1, size.height() - 1));
        return canvas;
    }

    // Lengths of the runs of one colour along a row.
    static int RunOf(const QImage& image, int y, QRgb colour) {
        int n = 0;
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == colour ? 1 : 0;
        }
        return n;
    }

    test::RecordingShell shell;
    HtmlDrawer drawer{shell};
    QImage canvas = WhiteCanvas(400, 200);
};

TEST_F(HtmlTableTest, SizeCountsSpacingSeparatorsAndBorders) {
    EXPECT_EQ(Prepare("<table cellspacing=3 cellpadding=0><tr><td width=10></td>"
                      "<td width=20></td></tr></table>"),
              QSize(3 * 3 + 1 + 10 + 20 + 1, 2 * 3 + 0 + 1));
    // Padding goes on both sides of the content, and a cell border adds one pixel each.
    EXPECT_EQ(Prepare("<table cellpadding=4 border=1><tr><td width=10 height=6></td></tr>"
                      "</table>"),
              QSize(10 + 2 * (1 + 4) + 2 * 1 + 1, 6 + 2 * (1 + 4) + 2 * 1 + 1));
    const auto& grid = drawer.TableGrids().at(0);
    EXPECT_EQ(grid.columns, 1);
    EXPECT_EQ(grid.rows, 1);
    EXPECT_TRUE(grid.fixedColumns[0]);
}

TEST_F(HtmlTableTest, FixedColumnKeepsItsWidthAndTheOtherTakesTheRest) {
    const std::string text =
        "<table><tr><td width=100 bgcolor=red>a</td><td bgcolor=blue>b</td></tr></table>";
    const QSize size = Prepare(text);
    const auto grid = drawer.TableGrids().at(0);
    ASSERT_EQ(grid.columns, 2);
    EXPECT_EQ(grid.columnWidths[0], 104);
    EXPECT_TRUE(grid.fixedColumns[0]);
    EXPECT_FALSE(grid.fixedColumns[1]);
    EXPECT_EQ(size.width(), 1 + 104 + grid.columnWidths[1] + 1);

    const QImage image = Render(text, 300);
    // Row 1 lies in the cells' padding: only backgrounds there.
    EXPECT_EQ(RunOf(image, 1, kRed), 104);
    EXPECT_EQ(RunOf(image, 1, kBlue), 300 - 104 - 1);
    EXPECT_EQ(image.pixel(104, 1), kWhite);
    EXPECT_EQ(image.pixel(299, 1), kBlue);
}

TEST_F(HtmlTableTest, ExtraWidthIsSharedAmongLooseColumnsInTurn) {
    const std::string text =
        "<table cellpadding=0><tr><td bgcolor=red width=1 height=2></td><td bgcolor=blue "
        "height=2></td><td bgcolor=red height=2></td></tr></table>";
    Prepare(text);
    const QImage image = Render(text, 100);
    // Width 100 = 2 separators + 1 fixed pixel + 97 shared as 48 and 49.
    EXPECT_EQ(RunOf(image, 0, kBlue), 48);
    EXPECT_EQ(RunOf(image, 0, kRed), 1 + 49);
}

TEST_F(HtmlTableTest, AllFixedTablesFollowTheirAlignment) {
    const std::string cell = "<tr><td width=10 height=4 bgcolor=red></td></tr></table>";
    EXPECT_EQ(InkBox(Render("<table cellpadding=0 align=center>" + cell, 100)),
              QRect(45, 0, 10, 4));
    EXPECT_EQ(InkBox(Render("<table cellpadding=0 align=right>" + cell, 100)), QRect(90, 0, 10, 4));
    EXPECT_EQ(InkBox(Render("<table cellpadding=0>" + cell, 100)), QRect(0, 0, 10, 4));
}

TEST_F(HtmlTableTest, SpanningCellWiderThanItsColumnsWidensThemFirstTakingTheOddPixel) {
    HtmlTableGrid grid;
    grid.rows = 2;
    grid.columns = 2;
    grid.slots.assign(4, {});
    grid.At(0, 0) = {true, true, 2, 1, 55, 5};
    grid.At(1, 0) = {true, true, 1, 1, 14, 5};
    grid.At(1, 1) = {true, true, 1, 1, 14, 5};
    HtmlTable::GrowBySpans(grid, true);
    EXPECT_EQ(grid.columnWidths, (std::vector<int>{28, 27}));
    // A spanning cell that already fits changes nothing.
    grid.At(0, 0).width = 20;
    HtmlTable::GrowBySpans(grid, true);
    EXPECT_EQ(grid.columnWidths, (std::vector<int>{14, 14}));

    Prepare(
        "<table><tr><td colspan=2 width=51>x</td></tr><tr><td width=10>a</td>"
        "<td width=10>b</td></tr></table>");
    EXPECT_EQ(drawer.TableGrids().at(0).columnWidths, (std::vector<int>{28, 27}));
}

TEST_F(HtmlTableTest, RowSpansTakeSlotsAndShareTheirShortfall) {
    Prepare(
        "<table cellpadding=0><tr><td rowspan=2 height=31></td><td height=5></td></tr>"
        "<tr><td height=5></td></tr></table>");
    const auto& grid = drawer.TableGrids().at(0);
    ASSERT_EQ(grid.placements.size(), 3u);
    EXPECT_EQ(grid.placements[2].row, 1);
    EXPECT_EQ(grid.placements[2].column, 1);
    EXPECT_TRUE(grid.At(1, 0).taken);
    EXPECT_FALSE(grid.At(1, 0).isCell);
    EXPECT_EQ(grid.rowHeights, (std::vector<int>{16, 15}));
}

TEST_F(HtmlTableTest, DoubleBorderIsTwoRectanglesTwoPixelsApart) {
    // Cells inherit the table's border unless they say otherwise.
    const std::string text =
        "<table border=1 borderstyle=double bordercolor=red cellpadding=0><tr>"
        "<td border=0 width=20 height=10></td></tr></table>";
    EXPECT_EQ(Prepare(text), QSize(20 + 6 + 1, 10 + 6 + 1));
    const QImage image = Render(text);
    const int y = 8;
    EXPECT_EQ(image.pixel(0, y), kRed);
    EXPECT_EQ(image.pixel(1, y), kWhite);
    EXPECT_EQ(image.pixel(2, y), kRed);
    EXPECT_EQ(image.pixel(3, y), kWhite);
    EXPECT_EQ(image.pixel(22, y), kWhite);
    EXPECT_EQ(image.pixel(23, y), kRed);
    EXPECT_EQ(image.pixel(24, y), kWhite);
    EXPECT_EQ(image.pixel(25, y), kRed);
    EXPECT_EQ(InkBox(image), QRect(0, 0, 26, 16));

    const std::string inherited =
        "<table border=1 borderstyle=double cellpadding=0><tr><td width=20 height=10></td>"
        "</tr></table>";
    EXPECT_EQ(Prepare(inherited), QSize(20 + 2 + 6 + 1, 10 + 2 + 6 + 1));
}

TEST_F(HtmlTableTest, BordersAreLightAboveLeftAndCellsTheOtherWayRound) {
    const std::string text =
        "<table border=1 bordercolorlight=red bordercolordark=blue cellspacing=2><tr>"
        "<td border=1 width=10 height=10></td></tr></table>";
    const QImage image = Render(text);
    const QRect box = InkBox(image);
    EXPECT_EQ(image.pixel(box.left(), box.center().y()), kRed);
    EXPECT_EQ(image.pixel(box.center().x(), box.top()), kRed);
    EXPECT_EQ(image.pixel(box.right(), box.center().y()), kBlue);
    EXPECT_EQ(image.pixel(box.center().x(), box.bottom()), kBlue);
    // The cell starts inside the table border and the spacing.
    const int cell = box.left() + 1 + 2;
    EXPECT_EQ(image.pixel(cell, box.center().y()), kBlue);
    EXPECT_EQ(image.pixel(box.right() - 3, box.center().y()), kRed);
}

TEST_F(HtmlTableTest, NestedTableIsMeasuredAndDrawnInsideItsCell) {
    const std::string text =
        "<table border=1 bordercolor=red><tr><td>out</td><td>"
        "<table border=1 bordercolor=blue><tr><td>in</td></tr></table></td></tr></table>after";
    const QSize size = Prepare(text);
    ASSERT_EQ(drawer.TableGrids().size(), 2u);
    const auto outer = drawer.TableGrids()[0];
    const auto inner = drawer.TableGrids()[1];
    const int innerWidth = inner.columnWidths[0] + 2 * 1;
    EXPECT_EQ(outer.columnWidths[1], innerWidth + 2 * (1 + 2));
    EXPECT_GT(size.height(), inner.rowHeights[0] + 2 * (1 + 2) + 2);

    const QImage image = Render(text);
    QImage blueOnly = image;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            blueOnly.setPixel(x, y, image.pixel(x, y) == kBlue ? kBlue : kWhite);
        }
    }
    const QRect blue = InkBox(blueOnly);
    ASSERT_FALSE(blue.isNull());
    const int cellLeft = 1 + outer.columnWidths[0] + 1;
    EXPECT_GT(blue.left(), cellLeft);
    EXPECT_LT(blue.right(), cellLeft + outer.columnWidths[1]);
    EXPECT_EQ(blue.width(), innerWidth);
}

TEST_F(HtmlTableTest, CellsWrapWithinTheirShareOfANarrowMaximumWidth) {
    drawer.SetMaxWidth(120);
    const std::string text =
        "<table border=1 bordercolor=red><tr><td>un deux trois quatre</td>"
        "<td><font color=blue>cinq six sept huit</font></td></tr></table>";
    const QSize size = Prepare(text);
    const auto& grid = drawer.TableGrids().at(0);
    ASSERT_EQ(grid.columns, 2);
    // Border, separator and both columns, all within the maximum width.
    EXPECT_LE(2 + 1 + grid.columnWidths[0] + grid.columnWidths[1], 120);
    EXPECT_GT(grid.rowHeights[0], 2 * drawer.LineRecords().at(0).height);
    const QImage image = Render(text, 120);
    QRect blue;
    QRect red;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 60) {
                blue |= QRect(x, y, 1, 1);
            }
            if (qRed(p) > qBlue(p) + 60 && qRed(p) > qGreen(p) + 60) {
                red |= QRect(x, y, 1, 1);
            }
        }
    }
    ASSERT_FALSE(blue.isNull());
    ASSERT_FALSE(red.isNull());
    // The last column's text ends inside the table's right border, itself inside the width.
    EXPECT_LT(blue.right(), red.right());
    EXPECT_LT(red.right(), 120);
    EXPECT_LE(size.width(), 121);
}

TEST_F(HtmlTableTest, DeepNestingAndHugeGridsAreCutOffInBothPasses) {
    std::string deep;
    for (int i = 0; i < 5000; ++i) {
        deep += "<table><tr><td>";
    }
    deep += "fond";
    const QSize size = Prepare(deep);
    EXPECT_LE(drawer.TableGrids().size(), 16u);
    EXPECT_GT(size.width(), 1);
    Render(deep);

    // Thousands of rows of the widest spans: the grid is refused, not allocated.
    std::string wide = "<table>";
    for (int i = 0; i < 20000; ++i) {
        wide += "<tr><td colspan=100><td colspan=100><td colspan=100>";
    }
    wide += "</table>after";
    const QSize cut = Prepare(wide);
    EXPECT_EQ(drawer.TableGrids().at(0).slots.size(), 0u);
    EXPECT_EQ(cut, Prepare("after"));
}

TEST_F(HtmlTableTest, CellContentFollowsVerticalAlignment) {
    auto inkTop = [&](const std::string& valign) {
        return InkBox(Render("<table cellpadding=0><tr><td height=60 valign=" + valign +
                             ">x</td></tr></table>"))
            .top();
    };
    const int top = inkTop("top");
    const int middle = inkTop("middle");
    const int bottom = inkTop("bottom");
    EXPECT_LT(top, middle);
    EXPECT_LT(middle, bottom);
    EXPECT_LT(top, 10);
    EXPECT_GT(bottom, 40);
}

TEST_F(HtmlTableTest, DisabledTablesDropBackgroundsAndGreyTheirBorders) {
    drawer.SetDisabledColor(Rgb{0, 0, 255});
    drawer.SetEnabled(false);
    const QImage image = Render(
        "<table border=1 bordercolor=red bgcolor=red><tr><td width=10 height=10></td></tr>"
        "</table>");
    EXPECT_EQ(CountPixels(image, [](QRgb p) { return p == kRed; }), 0);
    EXPECT_GT(CountPixels(image, [](QRgb p) { return p == kBlue; }), 0);
}

TEST_F(HtmlTableTest, BackgroundsFillTablesAndCellsAndImagesTile) {
    auto resolver = std::make_shared<test::MemoryResolver>();
    QImage tile(3, 2, QImage::Format_ARGB32);
    tile.fill(kBlue);
    tile.setPixel(0, 0, kRed);
    resolver->files["tile.png"] = tile;
    drawer.SetResourceResolver(resolver);
    const QImage tiled = Render(
        "<table background=file:tile.png cellpadding=0><tr><td width=9 height=4></td></tr>"
        "</table>");
    EXPECT_EQ(CountPixels(tiled, [](QRgb p) { return p == kRed; }), 3 * 2);
    EXPECT_EQ(tiled.pixel(3, 2), kRed);
    EXPECT_EQ(tiled.pixel(4, 2), kBlue);

    // A cell colour over the table colour; the cell content keeps its own alignment.
    const QImage cells = Render(
        "<table bgcolor=blue cellspacing=2 cellpadding=0><tr><td bgcolor=red width=60 "
        "align=right>x</td></tr></table>");
    EXPECT_EQ(cells.pixel(0, 0), kBlue);
    EXPECT_EQ(cells.pixel(2, 2), kRed);
    const QRect ink = InkBox(cells.copy(2, 2, 60, 10), kRed);
    EXPECT_GT(ink.left(), 40);
}

TEST_F(HtmlTableTest, TipWithATableRendersToAPicture) {
    const std::string tip =
        "<h2>Lecteur</h2><table border=1 borderstyle=double bgcolor=#ffffe0 cellspacing=2>"
        "<tr><td colspan=2 align=center bgcolor=#d0e0ff>Piste <b>3</b></td></tr>"
        "<tr><td width=60>Titre</td><td><table border=1 bordercolor=gray><tr><td>A</td>"
        "<td>B</td></tr></table></td></tr></table><code>fin</code>";
    const QSize size = Prepare(tip);
    QImage image(size.width() + 8, size.height() + 8, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFFu);
    drawer.DrawPreparedHtml(image, QRect(QPoint(4, 4), size - QSize(1, 1)));
    EXPECT_TRUE(QRect(QPoint(4, 4), size).contains(InkBox(image)));
    const char* dir = std::getenv("QUIVLANE_TEST_BINARY_DIR");
    const QString base = dir == nullptr ? QDir::tempPath() : QString::fromUtf8(dir);
    EXPECT_TRUE(image.save(QDir(base).filePath(QStringLiteral("html-table-tip.png"))));
}

TEST_F(HtmlTableTest, TextAroundTablesStacksBlocks) {
    const QSize before = Prepare("above");
    const QSize table =
        Prepare("<table cellpadding=0><tr><td width=50 height=20></td></tr></table>");
    const QSize both = Prepare(
        "above<table cellpadding=0><tr><td width=50 height=20></td></tr>"
        "</table>below");
    EXPECT_EQ(both.width(), std::max(before.width(), table.width()));
    EXPECT_EQ(both.height(), 2 * (before.height() - 1) + (table.height() - 1) + 1);
}

}  // namespace
}  // namespace quivlane
