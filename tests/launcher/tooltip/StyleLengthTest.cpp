#include <gtest/gtest.h>

#include <QFont>
#include <QImage>

#include "launcher/tooltip/core/LengthReader.h"
#include "launcher/tooltip/render/QtStyleSupport.h"

namespace quivlane {
namespace {

int Length(std::string_view text, int current = 16, bool fontSize = false, int dpi = 96) {
    LengthContext context;
    context.dpiY = dpi;
    context.fontHeight = 14;
    context.xTextHeight = 11;
    return LengthReader::LengthValue(text, current, fontSize, context);
}

TEST(StyleLengthBare, FontSizeStepsAndSignsAreDropped) {
    EXPECT_EQ(Length("3", 16, true), 12);
    EXPECT_EQ(Length("+1", 16, true), 8);
    EXPECT_EQ(Length("-1", 16, true), 8);
    EXPECT_EQ(Length("7", 16, true), 36);
    EXPECT_EQ(Length("8", 16, true), 8);
    EXPECT_EQ(Length("0", 16, true), 0);
    EXPECT_EQ(Length("3", 16, false), 3) << "steps apply to font sizes only";
    EXPECT_EQ(Length("0x10"), 16);
    EXPECT_EQ(Length("010"), 8);
    EXPECT_EQ(Length("-25"), 25);
}

TEST(StyleLengthBare, EmptyOrUnreadableTextKeepsTheValue) {
    EXPECT_EQ(Length("", 21), 21);
    EXPECT_EQ(Length("abc", 21), 21);
    EXPECT_EQ(Length("+", 21), 21);
    EXPECT_EQ(Length("pt", 21), 21);
    EXPECT_EQ(Length("%", 21), 21);
}

TEST(StyleLengthUnits, EveryUnit) {
    EXPECT_EQ(Length("10pt"), 13);  // 960 / 72
    EXPECT_EQ(Length("10pt", 16, true, 72), 10);
    EXPECT_EQ(Length("12px"), 12);
    EXPECT_EQ(Length("2em"), 28);
    EXPECT_EQ(Length("2ex"), 22);
    EXPECT_EQ(Length("1in"), 96);
    EXPECT_EQ(Length("1cm"), 37);  // 96 * 0.3937 = 37.79
    EXPECT_EQ(Length("10mm"), 37);
    EXPECT_EQ(Length("1pc"), 16);
    EXPECT_EQ(Length("+9pt"), 12);
    EXPECT_EQ(Length("1.5em"), 14) << "only the whole part is read";
    EXPECT_EQ(Length("3 pt"), 4) << "the unit is the last two characters";
}

TEST(StyleLengthPercent, PercentOfTheCurrentValueRoundedToNearest) {
    EXPECT_EQ(Length("65%", 16), 10);  // 10.4
    EXPECT_EQ(Length("50%", 15), 8);   // 7.5
    EXPECT_EQ(Length("125%", 16), 20);
    EXPECT_EQ(Length("0%", 16), 0);
    EXPECT_EQ(Length("75%", 3), 2);  // 2.25
}

TEST(StyleLengthLimits, HugeNumbersStayBounded) {
    const int huge = Length("99999999999999999999999999pt");
    EXPECT_GT(huge, 1000);
    EXPECT_LT(huge, 100000000);
    EXPECT_GT(Length("99999999999999999999999999"), 1000);
    EXPECT_GT(Length("99999999999999999999999999%", 1000000), 1000);
    EXPECT_GT(Length("0xffffffffffffffffffffffff"), 1000);
}

TEST(StyleLengthContext, MetricsComeFromTheFontAndDevice) {
    QImage image(10, 10, QImage::Format_ARGB32);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(20);
    const LengthContext context = QtStyleSupport::LengthContextFor(font, &image);
    EXPECT_EQ(context.dpiY, image.logicalDpiY());
    EXPECT_GE(context.fontHeight, 20);
    EXPECT_GT(context.xTextHeight, 0);
    EXPECT_EQ(LengthReader::LengthValue("1em", 0, false, context), context.fontHeight);
}

}  // namespace
}  // namespace quivlane
