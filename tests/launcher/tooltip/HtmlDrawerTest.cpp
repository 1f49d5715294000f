#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "launcher/tooltip/render/HtmlDrawer.h"
#include "tests/launcher/tooltip/HtmlTestSupport.h"
#include "tests/support/FakePorts.h"

namespace quivlane {
namespace {

using test::CountPixels;
using test::InkBox;
using test::WhiteCanvas;

bool Reddish(QRgb p) {
    return qRed(p) > qGreen(p) + 60 && qRed(p) > qBlue(p) + 60;
}
bool Greenish(QRgb p) {
    return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40;
}
bool Bluish(QRgb p) {
    return qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 60;
}

class HtmlDrawerTest : public ::testing::Test {
  protected:
    QSize Prepare(const std::string& text) { return drawer.PrepareDrawing(canvas, text); }
    // Width of the text alone, without the measuring's extra pixel.
    int WidthOf(const std::string& text) { return Prepare(text).width() - 1; }

    QImage Render(const std::string& text, QPoint at = QPoint(0, 0), int width = 0) {
        canvas = WhiteCanvas(400, 200);
        const QSize size = Prepare(text);
        drawer.DrawPreparedHtml(
            canvas, QRect(at, QSize(width > 0 ? width : size.width() - 1, size.height() - 1)));
        return canvas;
    }

    test::RecordingShell shell;
    HtmlDrawer drawer{shell};
    QImage canvas = WhiteCanvas(400, 200);
};

TEST_F(HtmlDrawerTest, EntitiesShowAngleBracketsInsteadOfATag) {
    const QSize entities = Prepare("&lt;b&gt;word&lt;/b&gt;");
    EXPECT_EQ(entities, Prepare("<<b>word<</b>"));
    EXPECT_GT(entities.width(), Prepare("word").width());
    EXPECT_EQ(Render("&lt;b&gt;word&lt;/b&gt;"), Render("<<b>word<</b>"));
    // "<<" is one sign: as wide as the ampersand entity that turns into it.
    EXPECT_EQ(Prepare("&amp;lt;"), Prepare("<<"));
    EXPECT_EQ(WidthOf("<<<<"), 2 * WidthOf("<<"));
    EXPECT_GT(WidthOf("<<"), 0);
}

TEST_F(HtmlDrawerTest, EmptyTextMeasuresOneByOneAndDrawsNothing) {
    for (const char* text : {"", "<h1></h1>", "<!-- nothing -->", "<b></b><unknown>"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Prepare(text), QSize(1, 1));
        EXPECT_TRUE(drawer.Text().empty());
        canvas = WhiteCanvas(50, 50);
        drawer.DrawPreparedHtml(canvas, QRect(0, 0, 50, 50));
        EXPECT_TRUE(InkBox(canvas).isNull());
    }
}

TEST_F(HtmlDrawerTest, WrappingBreaksAfterBreakCharactersAndCutsLongWords) {
    const int aaaa = WidthOf("aaaa");
    const int bbbb = WidthOf("bbbb");
    drawer.SetMaxWidth(WidthOf("aaaa bbbb") - 1);
    Prepare("aaaa bbbb");
    auto lines = drawer.LineRecords();
    ASSERT_EQ(lines.size(), 2u);
    // The space stays on the first line but is dropped from its end.
    EXPECT_EQ(lines[0].width, aaaa);
    EXPECT_EQ(lines[0].spaces, 0);
    EXPECT_TRUE(lines[0].wrapped);
    EXPECT_EQ(lines[1].width, bbbb);
    EXPECT_FALSE(lines[1].wrapped);

    // A run that does not fit behind other text moves to the next line whole.
    drawer.SetMaxWidth(aaaa + 3);
    Prepare("aaaa<i>bbbbbbbb</i>");
    lines = drawer.LineRecords();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].width, aaaa);

    // A word wider than the maximum at the start of a line is cut between characters.
    drawer.SetMaxWidth(40);
    const QSize size = Prepare("abcdefghijklmnopqrstuvwxyz");
    lines = drawer.LineRecords();
    ASSERT_GE(lines.size(), 3u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].width, 40);
        EXPECT_GT(lines[i].width, 0);
        EXPECT_EQ(lines[i].wrapped, i + 1 < lines.size());
    }
    EXPECT_LE(size.width(), 41);
    EXPECT_GT(lines[0].width, 40 - WidthOf("m"));
}

TEST_F(HtmlDrawerTest, MeasuringWithoutAnImageUsesAnOrdinaryResolution) {
    EXPECT_EQ(drawer.PrepareDrawing(QImage(), "<h1>Quivlane</h1>"), Prepare("<h1>Quivlane</h1>"));
}

TEST_F(HtmlDrawerTest, MaximumWidthCapsTheMeasuredWidth) {
    drawer.SetMaxWidth(20);
    // A one-character run wider than the maximum still has to go somewhere.
    EXPECT_EQ(Prepare("<font size=60>W</font>").width(), 21);
}

TEST_F(HtmlDrawerTest, SpanClassesUseTheSheetsDotRules) {
    const QImage span = Render("<span class=cpp-comment>Comment</span>");
    EXPECT_GT(CountPixels(span, Greenish), 0);
    EXPECT_EQ(span, Render("<font color=green><i>Comment</i></font>"));
    EXPECT_NE(span, Render("<font color=green>Comment</font>"));
    // The class is the name after the dot; a dotted class finds no rule.
    EXPECT_EQ(Render("<span class=.cpp-comment>Comment</span>"), Render("Comment"));
}

TEST_F(HtmlDrawerTest, DisabledDrawerDrawsEveryColourInTheDisabledColour) {
    EXPECT_GT(CountPixels(Render("<font color=red>MMMM</font>"), Reddish), 0);
    drawer.SetDisabledColor(Rgb{0, 0, 255});
    drawer.SetEnabled(false);
    const QImage disabled = Render("<font color=red bkgnd=yellow>MMMM</font>");
    EXPECT_EQ(CountPixels(disabled, Reddish), 0);
    EXPECT_GT(CountPixels(disabled, Bluish), 0);
    EXPECT_EQ(CountPixels(disabled, [](QRgb p) { return p == 0xFFFFFF00u; }), 0);
}

TEST_F(HtmlDrawerTest, ClosingTagsPairByStyleName) {
    // Crossed: bold stays after the closing b and both end at the closing i.
    // (The empty u pair splits the runs the same way on both sides.)
    EXPECT_EQ(Render("<b>AB<i>CD</b>EF</i>GH"), Render("<b>AB<i>CD<u></u>EF</i></b>GH"));
    EXPECT_NE(Render("<b>AB<i>CD</b>EF</i>GH"), Render("<b>AB<i>CD</i></b>EFGH"));
    // em closes i; a closing tag with nothing to close changes nothing.
    EXPECT_EQ(Render("<i>AB</em>CD"), Render("<i>AB</i>CD"));
    EXPECT_EQ(Render("</u></font>AB"), Render("AB"));
    // b doubles the weight, capped: two of them are as heavy as bolder.
    EXPECT_EQ(Render("<b><b>AB</b></b>"), Render("<font weight=bolder>AB</font>"));
}

TEST_F(HtmlDrawerTest, BreaksWithACountMoveDownThatManyLines) {
    const QSize one = Prepare("A<br>B");
    const int h = drawer.LineRecords().at(0).height;
    EXPECT_EQ(one.height(), 2 * h + 1);
    const QSize three = Prepare("A<br=3>B");
    EXPECT_EQ(three.height(), 4 * h + 1);
    ASSERT_EQ(drawer.LineRecords().size(), 2u);

    const QImage image = Render("<br=3>B");
    EXPECT_GE(InkBox(image).top(), 3 * h);
    // Line feeds are breaks unless line breaks are off.
    EXPECT_EQ(Prepare("A\r\nB"), one);
    drawer.SetLineBreaks(false);
    EXPECT_EQ(Prepare("A\r\nB"), Prepare("AB"));
}

TEST_F(HtmlDrawerTest, TabsMoveToTheNextStop) {
    const int x = WidthOf("x");
    EXPECT_EQ(WidthOf("<t>x"), 32 + x);
    EXPECT_EQ(WidthOf("ab<t>x"), 32 + x);
    EXPECT_EQ(WidthOf("<t=2>x"), 64 + x);
    EXPECT_EQ(WidthOf("\tx"), 32 + x);
}

TEST_F(HtmlDrawerTest, AlignmentPlacesEachLineInTheRectangle) {
    const int w = WidthOf("abc");
    const QRect centred = InkBox(Render("<center>abc</center>", QPoint(0, 0), 300));
    EXPECT_NEAR(centred.left(), (300 - w) / 2, 3);
    const QRect right = InkBox(Render("<right>abc</right>", QPoint(0, 0), 300));
    EXPECT_NEAR(right.right(), 299, 3);
    const QRect left = InkBox(Render("abc", QPoint(0, 0), 300));
    EXPECT_LE(left.left(), 3);
}

TEST_F(HtmlDrawerTest, JustifySpreadsWrappedLinesButNotTheLast) {
    drawer.SetMaxWidth(120);
    const std::string text = "aa bb cc dd ee ff gg hh ii jj kk ll";
    const QRect plain = InkBox(Render(text, QPoint(0, 0), 120));
    const auto lines = drawer.LineRecords();
    ASSERT_GE(lines.size(), 2u);
    const int h = lines[0].height;
    const QImage justified = Render("<justify>" + text + "</justify>", QPoint(0, 0), 120);
    const QRect first = InkBox(justified.copy(0, 0, 400, h));
    EXPECT_GE(first.right(), 115);
    EXPECT_LE(plain.right(), 120);
    const int lastTop = h * static_cast<int>(lines.size() - 1);
    const QRect last = InkBox(justified.copy(0, lastTop, 400, h));
    EXPECT_NEAR(last.right(), lines.back().width, 3);
    // Spread runs must not change where the drawing pass wraps the runs after them, even in
    // a rectangle wider than the maximum width.
    const std::string runs = "aa <b>bb</b> cc <i>dd</i> ee <b>ff</b> gg <i>hh</i> ii jj kk ll";
    const QImage plainRuns = Render(runs, QPoint(0, 0), 200);
    ASSERT_EQ(drawer.LineRecords().size(), 2u);
    const QImage justifiedRuns = Render("<justify>" + runs + "</justify>", QPoint(0, 0), 200);
    // The last line is not spread, so it matches the left-aligned one pixel for pixel.
    EXPECT_EQ(justifiedRuns.copy(0, h, 400, h), plainRuns.copy(0, h, 400, h));
}

TEST_F(HtmlDrawerTest, RulesTakeTheirWidthAndAtLeastEightPixelsMoreThanTheirThickness) {
    EXPECT_EQ(Prepare("<hr size=3 width=40 color=red>"), QSize(41, 12));
    // Without wrapping the measuring pass has no width to take a percentage of.
    EXPECT_EQ(Prepare("<hr size=3 color=red>"), QSize(1, 12));
    const QImage image = Render("<hr size=3 color=red>", QPoint(0, 0), 100);
    EXPECT_EQ(CountPixels(image, Reddish), 300);
    EXPECT_EQ(InkBox(image), QRect(0, 11 / 2 - 1, 100, 3));
    drawer.SetMaxWidth(200);
    EXPECT_EQ(Prepare("<hr width=50%>").width(), 2);

    // Drawn wider than it was measured, the rule must not push the text onto another line.
    drawer.SetMaxWidth(WidthOf("aaaa bbbb") + 2);
    const std::string ruled = "<hr width=50% color=red>aaaa bbbb";
    Prepare(ruled);
    ASSERT_EQ(drawer.LineRecords().size(), 1u);
    const int h = drawer.LineRecords()[0].height;
    const QImage wide = Render(ruled, QPoint(0, 0), 300);
    EXPECT_LT(InkBox(wide).bottom(), h);
    EXPECT_EQ(CountPixels(wide, Reddish), 150);
}

// Bounding box of the pixels that match, null when none do.
QRect BoxOf(const QImage& image, bool (*match)(QRgb)) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (match(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST_F(HtmlDrawerTest, TextAfterARelativeRuleStaysInsideItsBlockAndItsCell) {
    const std::string text = "Avant<hr><font color=red>APRES</font>";
    const QSize size = Prepare(text);
    EXPECT_EQ(size.width() - 1, WidthOf("Avant") + WidthOf("<font color=red>APRES</font>"));
    const QImage image = Render(text);
    const QRect red = BoxOf(image, Reddish);
    ASSERT_FALSE(red.isNull());
    EXPECT_LT(red.right(), size.width() - 1);
    EXPECT_GE(red.left(), WidthOf("Avant"));

    // In a cell the rule grows only into the room its own cell leaves.
    const std::string cells =
        "<table><tr><td>Avant<hr color=blue><font color=red>APRES</font></td>"
        "<td>une cellule bien plus longue</td></tr><tr><td>une ligne longue, longue</td>"
        "<td>x</td></tr></table>";
    const QImage table = Render(cells);
    const auto& grid = drawer.TableGrids().at(0);
    const QRect inRed = BoxOf(table, Reddish);
    const QRect inBlue = BoxOf(table, Bluish);
    ASSERT_FALSE(inRed.isNull());
    ASSERT_FALSE(inBlue.isNull());
    EXPECT_LE(inRed.right(), grid.columnWidths[0]);
    EXPECT_LT(inBlue.right(), inRed.left());
    EXPECT_GT(inBlue.width(), 5);
}

TEST_F(HtmlDrawerTest, AFontSizeIsItsCellHeightInPixels) {
    for (const char* face : {"DejaVu Sans", "Liberation Sans", "Liberation Serif", "Verdana"}) {
        for (int pixels : {8, 13, 16, 20, 27, 36}) {
            SCOPED_TRACE(std::string(face) + " " + std::to_string(pixels));
            Prepare("<font face='" + std::string(face) + "' size=" + std::to_string(pixels) +
                    "px>Hgj</font>");
            ASSERT_EQ(drawer.LineRecords().size(), 1u);
            // Whole pixel sizes step the cell by one or two pixels: never taller, at most
            // one short.
            EXPECT_LE(drawer.LineRecords()[0].height, pixels);
            EXPECT_GE(drawer.LineRecords()[0].height, pixels - 1);
        }
    }
    // The bar's tips: 15 points are 20 pixels at 96 dots per inch.
    EXPECT_EQ(Prepare("<h1>Bonjour</h1>").height(), 20 + 1);
}

TEST_F(HtmlDrawerTest, OverlineRunsAlongTheTopOfTheRun) {
    const QImage thin = Render("<font style=o color=blue>abc</font>");
    const int w = WidthOf("abc");
    const QRect ink = InkBox(thin);
    EXPECT_EQ(CountPixels(thin.copy(0, ink.top(), 400, 1), Bluish), w);
    const QImage bold = Render("<font style=bo color=blue>abc</font>");
    const int wb = WidthOf("<b>abc</b>");
    const QRect boldInk = InkBox(bold);
    EXPECT_EQ(CountPixels(bold.copy(0, boldInk.top(), 400, 2), Bluish), 2 * wb);
    // "-" turns the following letter off again.
    EXPECT_EQ(Render("<font style=o-o>abc</font>"), Render("abc"));
}

TEST_F(HtmlDrawerTest, VerticalAlignmentPlacesSmallRunsInATallLine) {
    auto redTop = [&](const std::string& tag) {
        const QImage image =
            Render("<font size=48>B</font><" + tag + "><font color=red>x</font></" + tag + ">");
        int top = -1;
        for (int y = 0; y < image.height() && top < 0; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (Reddish(image.pixel(x, y))) {
                    top = y;
                    break;
                }
            }
        }
        return top;
    };
    const int top = redTop("top");
    const int centre = redTop("vcenter");
    const int baseline = redTop("baseline");
    const int bottom = redTop("bottom");
    EXPECT_LT(top, centre);
    EXPECT_LT(centre, baseline);
    EXPECT_LT(baseline, bottom);
    EXPECT_EQ(centre, redTop("middle"));
}

TEST_F(HtmlDrawerTest, LinksRecordAreasNotifyHoverAndOpen) {
    const std::string text = "x <a href=\"http://example.org/\">site</a> <a msg='hello'>ping</a>";
    const int x = WidthOf("x");
    const int siteWidth = WidthOf("site");
    Render(text, QPoint(10, 20), 300);
    const auto areas = drawer.LinkAreas();
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0].kind, HtmlLinkArea::Href);
    EXPECT_EQ(areas[0].index, 0);
    EXPECT_EQ(areas[0].target, "http://example.org/");
    EXPECT_EQ(areas[1].kind, HtmlLinkArea::Msg);
    EXPECT_EQ(areas[1].index, 1);
    EXPECT_GT(areas[0].rect.left(), 10 + x);
    EXPECT_EQ(areas[0].rect.width(), siteWidth);
    const QPoint site = areas[0].rect.center();
    const QPoint ping = areas[1].rect.center();
    EXPECT_EQ(drawer.HitLink(site), 0);
    EXPECT_EQ(drawer.HitLink(areas[0].rect.topLeft()), 0);
    EXPECT_EQ(drawer.HitLink(ping), 1);
    EXPECT_EQ(drawer.HitLink(QPoint(0, 0)), -1);

    std::vector<int> hovers;
    drawer.SetHoverNotify([&](int index) { hovers.push_back(index); });
    EXPECT_TRUE(drawer.OnMouseMove(site));
    EXPECT_TRUE(drawer.OnMouseMove(site + QPoint(1, 0)));
    EXPECT_FALSE(drawer.OnMouseMove(QPoint(0, 0)));
    EXPECT_TRUE(drawer.OnMouseMove(ping));
    EXPECT_EQ(hovers, (std::vector<int>{0, -2, 1}));

    // The hovered link takes the a:hover style (underlined), the others a:link.
    const QImage hovered = Render(text, QPoint(10, 20), 300);
    drawer.OnMouseMove(QPoint(0, 0));
    EXPECT_NE(hovered, Render(text, QPoint(10, 20), 300));

    drawer.OnClick(site);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].kind, "open");
    EXPECT_EQ(shell.requests[0].target, "http://example.org/");
    shell.result = false;
    drawer.OnClick(site);
    ASSERT_EQ(shell.requests.size(), 3u);
    EXPECT_EQ(shell.requests[2].kind, "browser");
    EXPECT_EQ(shell.requests[2].target, "http://example.org/");

    std::vector<std::string> messages;
    drawer.SetMessageNotify([&](const std::string& m) { messages.push_back(m); });
    drawer.OnClick(ping);
    drawer.OnClick(QPoint(0, 0));
    EXPECT_EQ(messages, std::vector<std::string>{"hello"});
    EXPECT_EQ(shell.requests.size(), 3u);
}

class HtmlImageTest : public HtmlDrawerTest {
  protected:
    void SetUp() override {
        auto resolver = std::make_shared<test::MemoryResolver>();
        QImage red(20, 10, QImage::Format_ARGB32);
        red.fill(0xFFFF0000u);
        resolver->bitmaps[1] = red;
        QImage keyed(20, 10, QImage::Format_RGB32);
        keyed.fill(0xFF0000FFu);
        for (int y = 0; y < 10; ++y) {
            for (int x = 10; x < 20; ++x) {
                keyed.setPixel(x, y, 0xFFFF00FFu);
            }
        }
        resolver->bitmaps[3] = keyed;
        // Four 8 x 8 frames side by side, each its own colour.
        QImage strip(32, 8, QImage::Format_ARGB32);
        const QRgb colours[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF000000u};
        for (int x = 0; x < 32; ++x) {
            for (int y = 0; y < 8; ++y) {
                strip.setPixel(x, y, colours[x / 8]);
            }
        }
        resolver->bitmaps[2] = strip;
        QImage other(5, 5, QImage::Format_ARGB32);
        other.fill(0xFF00FF00u);
        resolver->files["pic.png"] = other;
        resolver->strings[5] = "Hello";
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(0xFFFF0000u);
        icon.setPixel(0, 0, 0x00000000u);
        resolver->icons[7] = icon;
        drawer.SetResourceResolver(resolver);
    }
};

TEST_F(HtmlImageTest, BitmapsTakeTheirSizeAndShadowOffsets) {
    EXPECT_EQ(Prepare("<bmp idres=1>"), QSize(21, 11));
    EXPECT_EQ(Prepare("<bmp idres=1 width=200%>"), QSize(41, 11));
    EXPECT_EQ(Prepare("<bmp idres=1 height=5>"), QSize(21, 6));
    EXPECT_EQ(Prepare("<bmp idres=1 style=s>"), QSize(25, 15));
    EXPECT_EQ(Prepare("<bmp file=pic.png>"), QSize(6, 6));
    // The first source attribute decides, whatever the order they are written in.
    EXPECT_EQ(Prepare("<bmp file=pic.png idres=1>"), QSize(21, 11));
    EXPECT_EQ(Prepare("<bmp idres=99 file=pic.png>"), QSize(1, 1));
    EXPECT_EQ(Prepare("<bmp iddll=1>"), QSize(1, 1));
    drawer.SetImageShadow(0, 0, 50, true, 7, 7);
    EXPECT_EQ(Prepare("<bmp idres=1 style=s>"), QSize(21, 11));
}

TEST_F(HtmlImageTest, IconsTakeTheSystemIconSizeUnlessToldOtherwise) {
    EXPECT_EQ(Prepare("<icon idres=7>"), QSize(33, 33));
    EXPECT_EQ(Prepare("<icon idres=7 width=50%>"), QSize(17, 33));
    // Only the drawer's image list answers "index", and this system sets none.
    EXPECT_EQ(Prepare("<icon index=0>"), QSize(1, 1));
    const QImage image = Render("<icon idres=7 width=16 height=16>");
    EXPECT_EQ(CountPixels(image, Reddish), 16 * 16 - 1);
    EXPECT_EQ(image.pixel(0, 0), 0xFFFFFFFFu);
}

TEST_F(HtmlImageTest, BitmapsDrawWithTheirMaskColourLeftOut) {
    const QImage image = Render("<bmp idres=1>");
    EXPECT_EQ(InkBox(image), QRect(0, 0, 20, 10));
    EXPECT_EQ(CountPixels(image, Reddish), 200);

    const QImage keyed = Render("<bmp idres=3 mask=#FF00FF>");
    EXPECT_EQ(InkBox(keyed), QRect(0, 0, 10, 10));
    const QImage invalidMask = Render("<bmp idres=3 mask=nonsense>");
    EXPECT_EQ(InkBox(invalidMask), QRect(0, 0, 10, 10));
}

TEST_F(HtmlImageTest, ImageStripsShowTheirFrameAndAnimate) {
    Prepare("<ilst idres=2 index=1 speed=2>");
    ASSERT_EQ(drawer.Animations().size(), 1u);
    EXPECT_EQ(drawer.Animations()[0].frame, 1);
    EXPECT_EQ(drawer.Animations()[0].frameCount, 4);
    canvas = WhiteCanvas(50, 50);
    drawer.DrawPreparedHtml(canvas, QRect(0, 0, 8, 8));
    EXPECT_EQ(canvas.pixel(4, 4), 0xFF00FF00u);

    EXPECT_FALSE(drawer.AdvanceAnimations());
    EXPECT_TRUE(drawer.AdvanceAnimations());
    EXPECT_EQ(drawer.Animations()[0].frame, 2);
    drawer.DrawPreparedHtml(canvas, QRect(0, 0, 8, 8));
    EXPECT_EQ(canvas.pixel(4, 4), 0xFF0000FFu);
    drawer.AdvanceAnimations();
    EXPECT_TRUE(drawer.AdvanceAnimations());
    drawer.AdvanceAnimations();
    EXPECT_TRUE(drawer.AdvanceAnimations());
    EXPECT_EQ(drawer.Animations()[0].frame, 0);

    // Without a speed the strip is still; a missing frame draws nothing.
    Prepare("<ilst idres=2 index=3>");
    EXPECT_TRUE(drawer.Animations().empty());
    EXPECT_FALSE(drawer.AdvanceAnimations());
    EXPECT_EQ(Prepare("<ilst idres=2 cx=16>"), QSize(17, 17));
}

TEST_F(HtmlImageTest, HoveredLinkImagesTakeTheirHotStyle) {
    const std::string text = "<a href=x><bmp idres=1 hotstyle=g></a>";
    EXPECT_EQ(CountPixels(Render(text), Reddish), 200);
    drawer.OnMouseMove(QPoint(5, 5));
    ASSERT_EQ(drawer.HoveredLink(), 0);
    const QImage hot = Render(text);
    EXPECT_EQ(CountPixels(hot, Reddish), 0);
    EXPECT_EQ(CountPixels(hot, [](QRgb p) { return qRed(p) == qGreen(p) && qRed(p) < 255; }), 200);
}

TEST_F(HtmlImageTest, ImagesInLinksAreLinkAreasAndStringsAreRuns) {
    Render("<a href=x><bmp idres=1></a>", QPoint(5, 5));
    ASSERT_EQ(drawer.LinkAreas().size(), 1u);
    EXPECT_EQ(drawer.LinkAreas()[0].rect, QRect(5, 5, 20, 10));
    EXPECT_EQ(Prepare("<string idres=5>"), Prepare("Hello"));
    EXPECT_EQ(Prepare("<string idres=6>"), QSize(1, 1));
}

TEST_F(HtmlDrawerTest, PicturesComeOnlyFromRegularFilesAndWithinOneBudgetPerTip) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string png = dir.filePath(QStringLiteral("pic.png")).toStdString();
    QImage picture(5, 5, QImage::Format_ARGB32);
    picture.fill(0xFF00FF00u);
    ASSERT_TRUE(picture.save(QString::fromStdString(png)));
    EXPECT_EQ(Prepare("<bmp file=" + png + ">"), QSize(6, 6));

    // Nobody writes to this FIFO: opening it the ordinary way would wait for good.
    const std::string fifo = dir.filePath(QStringLiteral("pipe")).toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Prepare("<bmp file=" + fifo + ">"), QSize(1, 1));
    EXPECT_EQ(Prepare("<bmp file=" + dir.path().toStdString() + ">"), QSize(1, 1));

    // Three 2048-pixel squares take 48 MB; a fourth would pass the budget and is left out,
    // as are the far larger ones after it.
    std::string many;
    for (int i = 0; i < 7; ++i) {
        many +=
            "<bmp file=" + png + (i < 4 ? " width=2048 height=2048>" : " width=4096 height=4096>");
    }
    EXPECT_EQ(Prepare(many), QSize(3 * 2048 + 1, 2048 + 1));
}

TEST_F(HtmlDrawerTest, LauncherTipRendersToAPicture) {
    const std::string tip =
        "<h1>Ouvre le dossier des documents\r\net les photos de l'\xC3\xA9t\xC3\xA9 "
        "&amp; &lt;plus&gt;</h1>";
    const QSize size = Prepare(tip);
    ASSERT_GT(size.width(), 100);
    ASSERT_EQ(drawer.LineRecords().size(), 2u);
    QImage tipImage(size.width() + 24, size.height() + 24, QImage::Format_ARGB32);
    tipImage.fill(QColor(180, 255, 255));
    drawer.DrawPreparedHtml(tipImage, QRect(QPoint(12, 12), size - QSize(1, 1)));
    const QRect ink = InkBox(tipImage, qRgb(180, 255, 255));
    EXPECT_TRUE(QRect(12, 12, size.width(), size.height()).contains(ink));
    const char* dir = std::getenv("QUIVLANE_TEST_BINARY_DIR");
    const QString base = dir == nullptr ? QDir::tempPath() : QString::fromUtf8(dir);
    const QString path = QDir(base).filePath(QStringLiteral("html-h1-tip.png"));
    EXPECT_TRUE(tipImage.save(path));
}

}  // namespace
}  // namespace quivlane
