#include <gtest/gtest.h>

#include <string>

#include "launcher/tooltip/core/StyleSheet.h"
#include "launcher/tooltip/core/TextStyle.h"

namespace quivlane {
namespace {

class StyleSheetTest : public ::testing::Test {
  protected:
    StyleSheet sheet{ColorReader::DefaultSystemColors()};
    LengthContext context{};  // 96 dpi, 16 px font
    TextStyle style;

    TextStyle Applied(std::string_view selector) {
        TextStyle s;
        sheet.ApplyStyle(selector, s, context);
        return s;
    }
    TextStyle Declared(std::string_view declarations, TextStyle s = {}) {
        sheet.ApplyDeclarations(declarations, s, context);
        return s;
    }
};

TEST(StyleTextStyle, ResetGivesTheInitialValues) {
    TextStyle s;
    s.name = "b";
    s.fontSize = 3;
    s.face = "Arial";
    s.cellPadding = 9;
    s.Reset();
    EXPECT_EQ(s.name, "");
    EXPECT_EQ(s.fontSize, 16);
    EXPECT_EQ(s.weight, 400);
    EXPECT_FALSE(s.italic || s.underline || s.strikeout || s.overline);
    EXPECT_EQ(s.face, "Verdana");
    EXPECT_EQ(s.textColor, kBlack);
    EXPECT_EQ(s.backgroundColor, kWhite);
    EXPECT_EQ(s.borderColorLight, kBlack);
    EXPECT_EQ(s.borderColorDark, kBlack);
    EXPECT_EQ(s.gradientMiddleColor, kWhite);
    EXPECT_EQ(s.gradientEndColor, kWhite);
    EXPECT_EQ(s.backgroundMode, 1);
    EXPECT_EQ(s.backgroundEffect, -1);
    EXPECT_EQ(s.backgroundImage, "");
    EXPECT_EQ(s.textAlign, 0);
    EXPECT_EQ(s.verticalAlign, 3);
    EXPECT_EQ(s.borderStyle, 0);
    EXPECT_EQ(s.borderWidth, 0);
    EXPECT_EQ(s.width, 0);
    EXPECT_EQ(s.height, 0);
    EXPECT_EQ(s.textTransform, 0);
    EXPECT_EQ(s.cellPadding, 2);
    EXPECT_EQ(s.cellSpacing, 0);
    EXPECT_EQ(s.linkKind, 0);
    EXPECT_EQ(s.linkTarget, "");
}

TEST(StyleTextStyle, TransformChangesCaseOfTheRun) {
    TextStyle s;
    EXPECT_EQ(s.TransformText("Hello wOrld"), "Hello wOrld");
    s.textTransform = TextStyle::kTransformUppercase;
    EXPECT_EQ(s.TransformText("café œuvre ÿ 1x"), "CAFÉ ŒUVRE Ÿ 1X");
    s.textTransform = TextStyle::kTransformLowercase;
    EXPECT_EQ(s.TransformText("CAFÉ ŒUVRE Ÿ ×"), "café œuvre ÿ ×");
    s.textTransform = TextStyle::kTransformCapitalize;
    EXPECT_EQ(s.TransformText("hELLO  wide-WORLD éTÉ"), "Hello  Wide-world été");
    EXPECT_EQ(s.TransformText(""), "");
    // Broken UTF-8 passes through untouched.
    EXPECT_EQ(s.TransformText(std::string("a\xC3", 2)), std::string("A\xC3", 2));
}

TEST(StyleTextStyle, BorderWidthAndStyleDependOnEachOther) {
    TextStyle s;
    s.SetBorderWidth(3);
    EXPECT_EQ(s.borderStyle, TextStyle::kBorderSolid);
    s.SetBorderStyle(TextStyle::kBorderDouble);
    EXPECT_EQ(s.borderWidth, 3);
    s.SetBorderWidth(0);
    EXPECT_EQ(s.borderStyle, TextStyle::kBorderNone);
    s.SetBorderStyle(TextStyle::kBorderDotted);
    EXPECT_EQ(s.borderWidth, 1);
}

TEST_F(StyleSheetTest, DefaultSheetIsLoadedAtCreation) {
    EXPECT_EQ(sheet.Rules().size(), 17u);
    const std::string_view text = StyleSheet::DefaultStyleSheet();
    EXPECT_EQ(text.substr(0, 58), "body {font-size: 10pt; color:black; font-family:Verdana}\r\n");
    EXPECT_NE(text.find("pre {font-size: 9pt; font-family:\"Courier\"; "
                        "background-color:#fbedbb}\r\n"),
              std::string_view::npos);
    EXPECT_EQ(text.substr(text.size() - 47), ".cpp-comment {color:green; font-style:italic}\r\n");

    const TextStyle body = Applied("body");
    EXPECT_EQ(body.fontSize, 13);  // 10pt at 96 dpi
    EXPECT_EQ(body.textColor, kBlack);
    EXPECT_EQ(body.face, "verdana") << "declarations are lower-cased";
    const TextStyle h2 = Applied("h2");
    EXPECT_EQ(h2.textColor, (Rgb{255, 153, 0}));
    EXPECT_EQ(h2.weight, 700);
    EXPECT_EQ(h2.fontSize, 17);
    const TextStyle h6 = Applied("h6");
    EXPECT_EQ(h6.fontSize, 10);  // 65 % of 16
    EXPECT_EQ(h6.weight, 400);
    const TextStyle pre = Applied("pre");
    EXPECT_EQ(pre.face, "courier");
    EXPECT_EQ(pre.backgroundMode, TextStyle::kBackgroundOpaque);
    EXPECT_EQ(pre.backgroundColor, (Rgb{0xfb, 0xed, 0xbb}));
    EXPECT_TRUE(Applied("a:hover").underline);
    EXPECT_EQ(Applied("a:link").textColor, (Rgb{0, 0, 255}));
    EXPECT_EQ(Applied("sup").verticalAlign, TextStyle::kVAlignTop);
    EXPECT_EQ(Applied("sub").verticalAlign, TextStyle::kVAlignBottom);
    EXPECT_EQ(Applied("big").fontSize, 20);
    EXPECT_EQ(Applied("small").fontSize, 12);
    const TextStyle comment = Applied(".cpp-comment");
    EXPECT_TRUE(comment.italic);
    EXPECT_EQ(comment.textColor, (Rgb{0, 128, 0}));
}

TEST_F(StyleSheetTest, SelectorsAreLowerCasedAndLaterRulesReplaceEarlierOnes) {
    sheet.SetStyleSheet("H1 {color:red}\nP {color:red; font-weight:bold}  p{font-style:italic}");
    EXPECT_EQ(sheet.Rules().size(), 2u);
    EXPECT_EQ(Applied("h1").textColor, (Rgb{255, 0, 0}));
    EXPECT_EQ(Applied("H1").textColor, (Rgb{255, 0, 0}));
    const TextStyle p = Applied("p");
    EXPECT_TRUE(p.italic);
    EXPECT_EQ(p.textColor, kBlack) << "the earlier rule is gone";
    EXPECT_EQ(p.weight, 400);
    EXPECT_FALSE(sheet.Rule("body").has_value()) << "a new sheet replaces the default one";

    TextStyle untouched;
    untouched.weight = 123;
    EXPECT_FALSE(sheet.ApplyStyle("h3", untouched, context));
    EXPECT_EQ(untouched.weight, 123);

    sheet.SetStyleSheet(std::nullopt);
    EXPECT_EQ(sheet.Rules().size(), 17u);
}

TEST_F(StyleSheetTest, MalformedSheetsKeepWhatCanBeRead) {
    sheet.SetStyleSheet("a {color:red} b {color:blue");
    EXPECT_EQ(sheet.Rules().size(), 1u);
    sheet.SetStyleSheet("x y {color:red}");
    EXPECT_TRUE(sheet.Rule("x").has_value());
    sheet.SetStyleSheet("{color:red}");
    EXPECT_TRUE(sheet.Rule("").has_value());
    sheet.SetStyleSheet("");
    EXPECT_TRUE(sheet.Rules().empty());
    sheet.SetStyleSheet("   \r\n  ");
    EXPECT_TRUE(sheet.Rules().empty());
}

TEST(StyleDeclarations, PairsQuotesAndSeparators) {
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(StyleSheet::ParseDeclarations("a:1; b : 2 ;c:3"),
              (Pairs{{"a", "1"}, {"b", "2"}, {"c", "3"}}));
    EXPECT_EQ(StyleSheet::ParseDeclarations("font-family: \"Times New; Roman\"; x:y"),
              (Pairs{{"font-family", "Times New; Roman"}, {"x", "y"}}));
    EXPECT_EQ(StyleSheet::ParseDeclarations("text-decoration: underline overline; q:"),
              (Pairs{{"text-decoration", "underline"}, {"q", ""}}));
    EXPECT_EQ(StyleSheet::ParseDeclarations("nocolon; k:\"open"), (Pairs{{"k", "open"}}));
    EXPECT_TRUE(StyleSheet::ParseDeclarations("  ;; ").empty());
}

TEST_F(StyleSheetTest, FontProperties) {
    EXPECT_EQ(Declared("font-size:3").fontSize, 12);
    EXPECT_EQ(Declared("font-size:+1").fontSize, 8);
    EXPECT_EQ(Declared("font-size:bogus").fontSize, 16);
    EXPECT_EQ(Declared("font-family:\"Times New Roman\"").face, "times new roman");
    EXPECT_EQ(Declared("font-family:").face, "Verdana");
    TextStyle italic;
    italic.italic = true;
    EXPECT_TRUE(Declared("font-style:oblique").italic);
    EXPECT_FALSE(Declared("font-style:normal", italic).italic);
    EXPECT_FALSE(Declared("font-style:", italic).italic);
    EXPECT_TRUE(Declared("font-style:slanted", italic).italic);
    EXPECT_EQ(Declared("font-weight:bolder").weight, 900);
    EXPECT_EQ(Declared("font-weight:lighter").weight, 100);
    EXPECT_EQ(Declared("font-weight:600").weight, 600);
    EXPECT_EQ(Declared("font-weight:heavy").weight, 400);
    TextStyle bold;
    bold.weight = 700;
    EXPECT_EQ(Declared("font-weight:", bold).weight, 400);
    EXPECT_EQ(Declared("font-weight:heavy", bold).weight, 700);
    EXPECT_EQ(Declared("font-weight:99999").weight, 900);
}

TEST_F(StyleSheetTest, TextProperties) {
    EXPECT_EQ(Declared("text-align:center").textAlign, 1);
    EXPECT_EQ(Declared("text-align:right").textAlign, 2);
    TextStyle right;
    right.textAlign = 2;
    EXPECT_EQ(Declared("text-align:", right).textAlign, 0);
    EXPECT_EQ(Declared("text-align:justify", right).textAlign, 2);
    EXPECT_EQ(Declared("text-transform:capitalize").textTransform, 3);
    EXPECT_EQ(Declared("TEXT-TRANSFORM:UPPERCASE").textTransform, 1);
    EXPECT_EQ(Declared("vertical-align:middle").verticalAlign, 1);
    EXPECT_EQ(Declared("vertical-align:vcenter").verticalAlign, 1);
    EXPECT_EQ(Declared("vertical-align:bottom").verticalAlign, 2);
    TextStyle top;
    top.verticalAlign = 0;
    EXPECT_EQ(Declared("vertical-align:", top).verticalAlign, 3);

    const TextStyle both = Declared("text-decoration:underline,overline,line-through");
    EXPECT_TRUE(both.underline && both.overline && both.strikeout);
    EXPECT_FALSE(Declared("text-decoration:none", both).underline);
    const TextStyle cleared = Declared("text-decoration:", both);
    EXPECT_FALSE(cleared.underline || cleared.overline || cleared.strikeout);
    EXPECT_TRUE(Declared("text-decoration:\"overline underline\"").underline);
}

TEST_F(StyleSheetTest, ColourProperties) {
    EXPECT_EQ(Declared("color:#00ff00").textColor, (Rgb{0, 255, 0}));
    EXPECT_EQ(Declared("color:nonsense").textColor, kBlack);
    const TextStyle bg = Declared("background-color:yellow");
    EXPECT_EQ(bg.backgroundColor, (Rgb{255, 255, 0}));
    EXPECT_EQ(bg.backgroundMode, TextStyle::kBackgroundOpaque);
    const TextStyle clear = Declared("background-color:transparent", bg);
    EXPECT_EQ(clear.backgroundMode, TextStyle::kBackgroundTransparent);
    EXPECT_EQ(Declared("background-color:nonsense").backgroundMode,
              TextStyle::kBackgroundTransparent);
    const TextStyle border = Declared("border-color:255");
    EXPECT_EQ(border.borderColorLight, (Rgb{255, 0, 0}));
    EXPECT_EQ(border.borderColorDark, (Rgb{255, 0, 0}));
}

TEST_F(StyleSheetTest, DisabledSheetsGiveTheDisabledColourAndNoBackground) {
    sheet.SetEnabled(false);
    sheet.SetDisabledColor(Rgb{7, 8, 9});
    EXPECT_EQ(sheet.ColorValue("red", kBlack), (Rgb{7, 8, 9}));
    const TextStyle s = Declared("color:red; border-color:blue; background-color:yellow");
    EXPECT_EQ(s.textColor, (Rgb{7, 8, 9}));
    EXPECT_EQ(s.borderColorDark, (Rgb{7, 8, 9}));
    EXPECT_EQ(s.backgroundMode, TextStyle::kBackgroundTransparent);
    EXPECT_EQ(s.backgroundColor, kWhite);
    EXPECT_EQ(Applied("h2").textColor, (Rgb{7, 8, 9}));
}

TEST_F(StyleSheetTest, BorderAndSpacingProperties) {
    const TextStyle wide = Declared("border-width:4");
    EXPECT_EQ(wide.borderWidth, 4);
    EXPECT_EQ(wide.borderStyle, TextStyle::kBorderSolid);
    EXPECT_EQ(Declared("border-width:thin", wide).borderWidth, 3);
    EXPECT_EQ(Declared("border-width:thick", wide).borderWidth, 5);
    EXPECT_EQ(Declared("border-width:medium", wide).borderWidth, 4);
    EXPECT_EQ(Declared("size:2px", wide).borderWidth, 2);
    const TextStyle none = Declared("border-width:0", wide);
    EXPECT_EQ(none.borderStyle, TextStyle::kBorderNone);
    const TextStyle dotted = Declared("border-style:dotted");
    EXPECT_EQ(dotted.borderStyle, TextStyle::kBorderDotted);
    EXPECT_EQ(dotted.borderWidth, 1);
    EXPECT_EQ(Declared("border-style:double", wide).borderStyle, TextStyle::kBorderDouble);
    EXPECT_EQ(Declared("border-style:groove", wide).borderStyle, TextStyle::kBorderSolid);
    EXPECT_EQ(Declared("border-style:none", wide).borderStyle, TextStyle::kBorderNone);

    const TextStyle spaced = Declared("margin:5; padding:1em");
    EXPECT_EQ(spaced.cellPadding, 5);
    EXPECT_EQ(spaced.cellSpacing, 16);
    EXPECT_EQ(Declared("unknown:7; margin").cellPadding, 2);
}

TEST(StyleKeywords, FontWeightAndBorderStyleReaders) {
    EXPECT_EQ(StyleSheet::FontWeightValue("bold", 1), 700);
    EXPECT_EQ(StyleSheet::FontWeightValue("normal", 1), 400);
    EXPECT_EQ(StyleSheet::FontWeightValue("Bold", 1), 1) << "keywords are case-sensitive";
    EXPECT_EQ(StyleSheet::FontWeightValue("50", 1), 100);
    EXPECT_EQ(StyleSheet::BorderStyleValue("dashed", 0), 2);
    EXPECT_EQ(StyleSheet::BorderStyleValue("ridge", 6), 6);
}

}  // namespace
}  // namespace quivlane
