#include "controls/MatrixDisplay.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <string>

#include "controls/SkinnedDialog.h"
#include "resources/DotFont.h"

namespace quivlane {
namespace {

const QColor kBackground(0, 0, 0);
const QColor kOn(100, 255, 255);
const QColor kOff(50, 60, 80);

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

class MatrixDisplayTest : public testing::Test {
  protected:
    // The bar's set-up: one row of 14 small glyphs.
    void SetUpLikeTheBar(int rows = 1, int columns = 14) {
        display.setGeometry(SkinnedDialog::DialogUnitsToPixels(14, 35, 93, 14));
        display.SetRows(rows);
        display.SetColumns(columns);
        display.SetFontSize(2);
        display.SetColours(kBackground, kOn, kOff);
        display.SizeToColumns(columns);
        display.SizeToRows(rows);
        display.SetPadding(true, ' ');
    }

    QImage Render() { return display.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Whether the cell at (column, line) shows character c: every dot in the on or off colour
    // as the font says, and the spacing in the background colour.
    ::testing::AssertionResult ShowsAt(const QImage& image, int column, int line, int c) {
        const auto g = shown->Glyphs();
        const int pitch = DotFont::DotPitch(g.cellWidth);
        const int dot = DotFont::DotSize(g.cellWidth);
        const QPoint origin =
            shown->DotArea().topLeft() + QPoint(column * g.Pitch(), line * g.LinePitch());
        for (int col = 0; col < DotFont::kColumns; ++col) {
            for (int row = 0; row < DotFont::kRows; ++row) {
                const QPoint at =
                    origin + QPoint(col * pitch + (dot - 1) / 2, row * pitch + (dot - 1) / 2);
                const QColor want = DotFont::IsLit(c, col, row) ? on : off;
                if (image.pixelColor(at) != want) {
                    return ::testing::AssertionFailure()
                           << "dot " << col << "," << row << " of cell " << column << "," << line
                           << " is " << image.pixelColor(at).name().toStdString() << ", want "
                           << want.name().toStdString() << " for '" << static_cast<char>(c) << "'";
                }
            }
        }
        const QPoint spacing = origin + QPoint(g.cellWidth, g.cellHeight);
        if (image.pixelColor(spacing) != background) {
            return ::testing::AssertionFailure() << "spacing of cell " << column << " not blank";
        }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult ShowsLine(const QImage& image, int line, const std::string& text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            auto r = ShowsAt(image, static_cast<int>(i), line, static_cast<unsigned char>(text[i]));
            if (!r) {
                return r;
            }
        }
        return ::testing::AssertionSuccess();
    }

    MatrixDisplay display;
    // The display whose geometry the checks use.
    const MatrixDisplay* shown = &display;
    QColor on = kOn;
    QColor off = kOff;
    QColor background = kBackground;
};

TEST_F(MatrixDisplayTest, TheBarsSetUpSizesTheDisplayToFourteenSmallCells) {
    SetUpLikeTheBar();
    EXPECT_EQ(display.size(), QSize(14 * 11 + 4, 15 + 4));
    EXPECT_EQ(display.DotArea(), QRect(2, 2, 154, 15));
    // Sizing twice does not grow it.
    display.SizeToColumns(14);
    display.SizeToRows(1);
    EXPECT_EQ(display.size(), QSize(158, 19));
}

TEST_F(MatrixDisplayTest, DrawsEachCharacterFromTheGlyphSheetInTheChosenColours) {
    SetUpLikeTheBar();
    display.SetText("  Quivlane  ");
    const QImage image = Render();
    EXPECT_TRUE(ShowsLine(image, 0, "  Quivlane  "));

    on = QColor(239, 224, 80);
    display.SetColours(background, on, off);
    display.SetText("  Au revoir !   ");
    EXPECT_TRUE(ShowsLine(Render(), 0, "  Au revoir !"));
}

TEST_F(MatrixDisplayTest, EveryPrintableCharacterHasItsCell) {
    SetUpLikeTheBar(1, 32);
    for (int first = 32; first < 128; first += 32) {
        std::string bytes;
        for (int c = first; c < first + 32; ++c) {
            bytes.push_back(static_cast<char>(c));
        }
        display.SetTextBytes(bytes);
        EXPECT_TRUE(ShowsLine(Render(), 0, bytes)) << "row starting at " << first;
    }
}

TEST_F(MatrixDisplayTest, OtherGlyphSizes) {
    for (int size : {0, 1}) {
        display.SetColumns(3);
        display.SetRows(1);
        display.SetFontSize(size);
        display.SetColours(background, on, off);
        display.SizeToColumns(3);
        display.SizeToRows(1);
        const auto g = MatrixText::GlyphSizeFor(size);
        EXPECT_EQ(display.size(), QSize(3 * g.Pitch() + 4, g.LinePitch() + 4));
        display.SetText(size == 0 ? "W0g" : "Mj~");
        EXPECT_TRUE(ShowsLine(Render(), 0, size == 0 ? "W0g" : "Mj~")) << "size " << size;
    }
}

TEST_F(MatrixDisplayTest, TextIsShownInWindows1252WithOneUnknownCellPerForeignCharacter) {
    SetUpLikeTheBar();
    display.SetText("No\xC3\xABl \xE6\x97\xA5!");  // Noël, an ideograph
    EXPECT_EQ(display.TextBytes(), "No\xEBl \x7F!");
    EXPECT_TRUE(ShowsLine(Render(), 0, "Noel \x7F!"));
}

TEST_F(MatrixDisplayTest, TextLongerThanTheColumnsShowsItsBeginningAndScrollsTheRestIn) {
    SetUpLikeTheBar();
    display.SetText("ABCDEFGHIJKLMNOP");
    QImage image = Render();
    EXPECT_TRUE(ShowsLine(image, 0, "ABCDEFGHIJKLMN"));
    EXPECT_EQ(display.width(), 158);  // the fifteenth cell has no room

    display.StartScroll(300, 0);
    display.ScrollStep();
    display.ScrollStep();
    EXPECT_TRUE(ShowsLine(Render(), 0, "CDEFGHIJKLMNOP"));
    display.ScrollStep();
    EXPECT_TRUE(ShowsLine(Render(), 0, "DEFGHIJKLMNOPA"));
}

TEST_F(MatrixDisplayTest, AShortMessageScrollsAsAFullPaddedLine) {
    SetUpLikeTheBar();
    display.SetText("Hello");
    display.StartScroll(300, 0);
    EXPECT_TRUE(display.IsScrolling());
    display.ScrollStep();
    EXPECT_EQ(display.TextBytes(), "ello" + std::string(9, ' ') + "H");
    EXPECT_TRUE(ShowsLine(Render(), 0, "ello         H"));
}

TEST_F(MatrixDisplayTest, ScrollsRightAndOnSeveralRowsInEveryDirection) {
    struct Case {
        int mode;
        const char* line0;
        const char* line1;
    };
    for (const Case& c : {Case{0, "BCDA", "FGHE"}, Case{1, "DABC", "HEFG"}, Case{2, "EFGH", "ABCD"},
                          Case{3, "EFGH", "ABCD"}}) {
        MatrixDisplay grid;
        grid.SetRows(2);
        grid.SetColumns(4);
        grid.SetFontSize(2);
        grid.SetColours(background, on, off);
        grid.SizeToColumns(4);
        grid.SizeToRows(2);
        grid.SetText("ABCDEFGH");
        grid.StartScroll(50, c.mode);
        grid.ScrollStep();
        shown = &grid;
        const QImage image = grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(ShowsLine(image, 0, c.line0)) << "mode " << c.mode;
        EXPECT_TRUE(ShowsLine(image, 1, c.line1)) << "mode " << c.mode;
        shown = &display;
    }
    SetUpLikeTheBar();
    display.SetText("ab");
    display.StartScroll(300, 1);
    display.ScrollStep();
    EXPECT_TRUE(ShowsLine(Render(), 0, " ab           "));
}

TEST_F(MatrixDisplayTest, StartingAgainWhileScrollingKeepsTheFirstModeUntilStopped) {
    SetUpLikeTheBar();
    display.SetText("abc");
    display.StartScroll(300, 0);
    display.StartScroll(10, 1);
    display.ScrollStep();
    EXPECT_EQ(display.TextBytes().substr(0, 2), "bc");
    display.StopScroll();
    EXPECT_FALSE(display.IsScrolling());
    display.StartScroll(300, 1);
    display.ScrollStep();
    EXPECT_EQ(display.TextBytes().substr(0, 3), "abc");
}

TEST_F(MatrixDisplayTest, TheTimerDrivesTheStep) {
    SetUpLikeTheBar();
    display.SetText("xyz");
    display.StartScroll(300, 0);
    // Whatever the timer's id, a timer event is one step.
    QTimerEvent tick(12345);
    QApplication::sendEvent(&display, &tick);
    EXPECT_EQ(display.TextBytes().substr(0, 2), "yz");
}

TEST_F(MatrixDisplayTest, SettingTheSameTextTwiceRepaintsOnce) {
    SetUpLikeTheBar();
    display.show();
    QApplication::processEvents();
    PaintCounter counter;
    display.installEventFilter(&counter);
    display.SetText("Patientez ...");
    QApplication::processEvents();
    const int afterFirst = counter.paints;
    EXPECT_EQ(afterFirst, 1);
    display.SetText("Patientez ...");
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, afterFirst);
    display.removeEventFilter(&counter);
}

TEST_F(MatrixDisplayTest, AnEmptyTextLeavesTheDotsUndrawn) {
    SetUpLikeTheBar();
    QWidget parent;
    parent.resize(200, 40);
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0, 200, 0));
    parent.setPalette(palette);
    display.setParent(&parent);
    display.move(10, 10);
    const QImage image = parent.grab().toImage();
    EXPECT_EQ(image.pixelColor(10 + 20, 10 + 8), QColor(0, 200, 0));
    display.setParent(nullptr);
}

}  // namespace
}  // namespace quivlane
