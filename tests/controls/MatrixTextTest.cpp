#include "controls/MatrixText.h"

#include <gtest/gtest.h>

#include <string>

namespace quivlane {
namespace {

MatrixText Grid(const std::string& text, int rows, int columns, int mode, bool padding = false) {
    MatrixText m;
    m.SetRows(rows);
    m.SetColumns(columns);
    m.SetPadding(padding, ' ');
    m.SetText(text);
    m.SetMode(mode);
    return m;
}

std::string Shown(const MatrixText& m) {
    std::string s;
    for (const auto& p : m.Layout()) {
        s.push_back(static_cast<char>(p.byte));
    }
    return s;
}

TEST(MatrixTextTest, SettingTheSameTextTwiceChangesOnlyOnce) {
    MatrixText m;
    EXPECT_TRUE(m.SetText("Quivlane"));
    EXPECT_TRUE(m.Changed());
    m.ClearChanged();
    EXPECT_FALSE(m.SetText("Quivlane"));
    EXPECT_FALSE(m.Changed());
    EXPECT_TRUE(m.SetText("Quivlane "));
}

TEST(MatrixTextTest, UnsetColumnsAndRowsFollowTheFirstText) {
    MatrixText fresh;
    fresh.SetRows(0);
    EXPECT_EQ(fresh.Rows(), 1);  // no columns yet

    MatrixText m;
    m.SetText(std::string(28, 'x'));
    EXPECT_EQ(m.Columns(), 28);
    EXPECT_EQ(m.Rows(), 1);

    MatrixText fixed;
    fixed.SetColumns(14);
    fixed.SetText(std::string(28, 'x'));
    EXPECT_EQ(fixed.Columns(), 14);
    EXPECT_EQ(fixed.Rows(), 2);
    fixed.SetRows(5);
    fixed.SetRows(0);
    EXPECT_EQ(fixed.Rows(), 2);

    // A short text on fixed columns gives no whole row: it then runs on one line.
    MatrixText shortText;
    shortText.SetColumns(14);
    shortText.SetText("abc");
    EXPECT_EQ(shortText.Rows(), 0);
    EXPECT_EQ(Shown(shortText), "abc");
}

TEST(MatrixTextTest, SingleLineScrollsAsAPaddedBand) {
    MatrixText left = Grid("Hello", 1, 14, 0, true);
    EXPECT_TRUE(left.ScrollStep());
    EXPECT_EQ(left.Text(), "ello" + std::string(9, ' ') + "H");

    MatrixText right = Grid("Hello", 1, 14, 1, true);
    right.ScrollStep();
    EXPECT_EQ(right.Text(), " Hello" + std::string(8, ' '));

    // Any mode but 0 moves right on a single line.
    MatrixText other = Grid("abc", 1, 3, 3);
    other.ScrollStep();
    EXPECT_EQ(other.Text(), "cab");

    // Without padding the text keeps its length.
    MatrixText bare = Grid("Hello", 1, 14, 0);
    bare.ScrollStep();
    EXPECT_EQ(bare.Text(), "elloH");
}

TEST(MatrixTextTest, LongTextShowsItsFirstColumnsAndScrollsTheRestIn) {
    MatrixText m = Grid("ABCDEFGHIJKLMNOPQ", 1, 14, 0, true);
    EXPECT_EQ(Shown(m), "ABCDEFGHIJKLMN");
    m.ScrollStep();
    EXPECT_EQ(Shown(m), "BCDEFGHIJKLMNO");
    for (int i = 0; i < 16; ++i) {
        m.ScrollStep();
    }
    EXPECT_EQ(Shown(m), "ABCDEFGHIJKLMN");  // a full turn
}

TEST(MatrixTextTest, SeveralRowsScrollInEachMode) {
    MatrixText left = Grid("abcdefgh", 2, 4, 0);
    left.ScrollStep();
    EXPECT_EQ(left.Text(), "bcdafghe");

    MatrixText right = Grid("abcdefgh", 2, 4, 1);
    EXPECT_TRUE(right.ScrollStep());
    EXPECT_EQ(right.Text(), "dabchefg");

    MatrixText up = Grid("abcdefghijkl", 3, 4, 2);
    up.ScrollStep();
    EXPECT_EQ(up.Text(), "efghijklabcd");

    MatrixText down = Grid("abcdefghijkl", 3, 4, 3);
    down.ScrollStep();
    EXPECT_EQ(down.Text(), "ijklabcdefgh");
}

TEST(MatrixTextTest, SeveralRowsPadToTheWholeGrid) {
    MatrixText m = Grid("ab", 2, 3, 0, true);
    m.ScrollStep();
    EXPECT_EQ(m.Text(), "b a   ");
}

TEST(MatrixTextTest, ShortTextOnSeveralRows) {
    // Rightwards, a text shorter than a line stays put and asks for no repaint.
    MatrixText right = Grid("ab", 2, 4, 1);
    EXPECT_FALSE(right.ScrollStep());
    EXPECT_EQ(right.Text(), "ab");

    // Leftwards, what there is of the first line turns.
    MatrixText left = Grid("abc", 2, 4, 0);
    EXPECT_TRUE(left.ScrollStep());
    EXPECT_EQ(left.Text(), "bca");

    // A partial last line is left alone.
    MatrixText partial = Grid("abcdefghij", 2, 4, 0);
    partial.ScrollStep();
    EXPECT_EQ(partial.Text(), "bcdafgheij");
}

TEST(MatrixTextTest, DegenerateGridsLeaveTheTextAlone) {
    // Several rows without a line width: nothing to divide by.
    MatrixText noColumns;
    noColumns.SetRows(3);
    noColumns.SetMode(0);
    noColumns.ScrollStep();
    EXPECT_EQ(noColumns.Text(), "");
    noColumns.SetMode(1);
    noColumns.ScrollStep();

    MatrixText zero;
    zero.SetColumns(5);
    zero.SetText("ab");  // 2 / 5 = 0 rows
    ASSERT_EQ(zero.Rows(), 0);
    EXPECT_TRUE(zero.ScrollStep());
    EXPECT_EQ(zero.Text(), "ab");

    MatrixText empty = Grid("", 1, 14, 0);
    EXPECT_TRUE(empty.ScrollStep());
    EXPECT_EQ(empty.Text(), "");
}

TEST(MatrixTextTest, LayoutWrapsUntilTheRowsAreFull) {
    MatrixText m = Grid("abcdefghijkl", 2, 4, 0);
    const auto placements = m.Layout();
    ASSERT_EQ(placements.size(), 8u);
    EXPECT_EQ(placements[3], (MatrixText::Placement{'d', 3, 0}));
    EXPECT_EQ(placements[4], (MatrixText::Placement{'e', 0, 1}));
    EXPECT_EQ(placements[7], (MatrixText::Placement{'h', 3, 1}));
}

TEST(MatrixTextTest, GlyphSizesAndCells) {
    const auto small = MatrixText::GlyphSizeFor(2);
    EXPECT_EQ(small.cellWidth, 10);
    EXPECT_EQ(small.cellHeight, 14);
    EXPECT_EQ(32 * small.Pitch(), 352);
    EXPECT_EQ(3 * small.LinePitch(), 45);
    const auto medium = MatrixText::GlyphSizeFor(0);
    EXPECT_EQ(32 * medium.Pitch(), 512);
    EXPECT_EQ(3 * medium.LinePitch(), 66);
    for (int size : {1, 3, -1, 42}) {
        const auto large = MatrixText::GlyphSizeFor(size);
        EXPECT_EQ(32 * large.Pitch(), 704);
        EXPECT_EQ(3 * large.LinePitch(), 90);
    }

    using P = MatrixText::Point;
    EXPECT_EQ(MatrixText::CellOrigin(' ', small), (P{0, 0}));
    EXPECT_EQ(MatrixText::CellOrigin('?', small), (P{31 * 11, 0}));
    EXPECT_EQ(MatrixText::CellOrigin('@', small), (P{0, 15}));
    EXPECT_EQ(MatrixText::CellOrigin('a', small), (P{11, 30}));
    EXPECT_EQ(MatrixText::CellOrigin(127, small), (P{31 * 11, 30}));
}

TEST(MatrixTextTest, BytesOutsideTheSheetTakeAStandInOrTheUnknownCell) {
    EXPECT_EQ(MatrixText::GlyphFor(0xE9), 'e');  // é
    EXPECT_EQ(MatrixText::GlyphFor(0xC7), 'C');  // Ç
    EXPECT_EQ(MatrixText::GlyphFor(0x9C), 127);  // œ has no single letter
    for (int b : {0, 9, 31, 0x80, 0x81, 0xFE}) {
        EXPECT_EQ(MatrixText::GlyphFor(static_cast<unsigned char>(b)), 127) << b;
        const auto cell =
            MatrixText::CellOrigin(static_cast<unsigned char>(b), MatrixText::GlyphSizeFor(2));
        EXPECT_GE(cell.x, 0);
        EXPECT_GE(cell.y, 0);
    }
}

}  // namespace
}  // namespace quivlane
