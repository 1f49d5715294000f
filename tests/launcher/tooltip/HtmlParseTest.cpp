#include <gtest/gtest.h>

#include "launcher/tooltip/core/HtmlBlockSplitter.h"
#include "launcher/tooltip/core/HtmlPreprocessor.h"
#include "launcher/tooltip/core/HtmlTableReader.h"
#include "launcher/tooltip/core/HtmlTagTable.h"
#include "launcher/tooltip/core/HtmlTokenReader.h"

namespace quivlane {
namespace {

std::vector<HtmlToken> ReadAll(std::string_view text) {
    HtmlTokenReader reader(text);
    std::vector<HtmlToken> tokens;
    HtmlToken token;
    while (reader.Next(token)) {
        tokens.push_back(token);
    }
    return tokens;
}

TEST(HtmlPreprocessorTest, EntitiesApplyInAlphabeticalOrder) {
    // The ampersand entity goes first, so what it leaves behind is read again.
    EXPECT_EQ(HtmlPreprocessor::Run("&amp;lt;", true), "<<");
    EXPECT_EQ(HtmlPreprocessor::Run("&amp;amp;", true), "&amp;");
    EXPECT_EQ(HtmlPreprocessor::Run("&lt;b&gt;", true), "<<b>");
    EXPECT_EQ(HtmlPreprocessor::Run("&euro;&trade;&bull;&nbsp;&quot;", true),
              "\xE2\x82\xAC\xE2\x84\xA2\xE2\x80\xA2 \"");
    EXPECT_EQ(HtmlPreprocessor::Run("&#60;&LT;&lt", true), "&#60;&LT;&lt");
}

TEST(HtmlPreprocessorTest, LineFeedsAndTabsFollowTheLineBreakFlag) {
    EXPECT_EQ(HtmlPreprocessor::Run("a\r\nb\tc\r", true), "a<br>b<t>c");
    EXPECT_EQ(HtmlPreprocessor::Run("a\r\nb\tc\r", false), "abc");
}

TEST(HtmlTokenReaderTest, DoubledLessThanIsOneLiteralSign) {
    auto tokens = ReadAll("<<b>x<b>y");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].kind, HtmlToken::Kind::Text);
    EXPECT_EQ(tokens[0].text, "<b>x");
    EXPECT_EQ(tokens[1].kind, HtmlToken::Kind::Tag);
    EXPECT_EQ(tokens[1].name, "b");
    EXPECT_EQ(tokens[2].text, "y");
}

TEST(HtmlTokenReaderTest, TagNamesValuesAndAttributes) {
    auto tokens = ReadAll(
        "<br=3><font face='Courier New' size=12  color = \"#ff0000\" bare><a href=x msg>"
        "</font>");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0].name, "br");
    EXPECT_TRUE(tokens[0].hasValue);
    EXPECT_EQ(tokens[0].value, "3");

    const HtmlToken& font = tokens[1];
    EXPECT_EQ(font.name, "font");
    EXPECT_FALSE(font.hasValue);
    ASSERT_EQ(font.attributes.size(), 4u);
    EXPECT_EQ(*font.Find("face"), "Courier New");
    EXPECT_EQ(*font.Find("size"), "12");
    EXPECT_EQ(*font.Find("color"), "#ff0000");
    EXPECT_EQ(*font.Find("bare"), "");
    EXPECT_EQ(font.Find("weight"), nullptr);

    EXPECT_EQ(*tokens[2].Find("href"), "x");
    EXPECT_EQ(*tokens[2].Find("msg"), "");
    EXPECT_TRUE(tokens[3].closing);
    EXPECT_EQ(tokens[3].name, "font");
}

TEST(HtmlTokenReaderTest, UnterminatedPiecesEndTheText) {
    auto tokens = ReadAll("a<b c='x");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[1].name, "b");
    EXPECT_EQ(*tokens[1].Find("c"), "x");
    EXPECT_TRUE(ReadAll("").empty());
    // A lone "<" at the very end opens an empty tag rather than looping.
    EXPECT_EQ(ReadAll("x<").size(), 2u);
}

TEST(HtmlTagTableTest, CodesAndStyleNames) {
    ASSERT_NE(HtmlTagTable::Find("em"), nullptr);
    EXPECT_EQ(HtmlTagTable::Find("em")->code, HtmlTagCode::Italic);
    EXPECT_EQ(HtmlTagTable::Find("em")->styleName, HtmlTagTable::Find("i")->styleName);
    EXPECT_EQ(HtmlTagTable::Find("middle")->styleName, "vcenter");
    EXPECT_EQ(HtmlTagTable::Find("middle")->alignValue, 1);
    EXPECT_EQ(HtmlTagTable::Find("top")->alignValue, 0);
    EXPECT_EQ(HtmlTagTable::Find("justify")->alignValue, 3);
    EXPECT_EQ(static_cast<int>(HtmlTagTable::Find("a")->code), 23);
    EXPECT_EQ(HtmlTagTable::Find("a")->styleName, "link");
    EXPECT_TRUE(HtmlTagTable::Find("br")->styleName.empty());
    EXPECT_EQ(HtmlTagTable::Find("h6")->code, HtmlTagCode::SheetStyle);
    EXPECT_EQ(HtmlTagTable::Find("B"), nullptr);
    EXPECT_EQ(HtmlTagTable::Find("table"), nullptr);
}

TEST(HtmlBlockSplitterTest, TablesAreCutWithTheirNestedTables) {
    auto blocks =
        HtmlBlockSplitter::Split("a<table><tr><td><table>x</table></td></table>b<<table>c");
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].text, "a");
    EXPECT_TRUE(blocks[1].isTable);
    EXPECT_EQ(blocks[1].text, "<table><tr><td><table>x</table></td></table>");
    EXPECT_FALSE(blocks[2].isTable);
    EXPECT_EQ(blocks[2].text, "b<<table>c");

    auto open = HtmlBlockSplitter::Split("<table><tr><td>x");
    ASSERT_EQ(open.size(), 1u);
    EXPECT_TRUE(open[0].isTable);
    ASSERT_EQ(HtmlBlockSplitter::Split("").size(), 1u);
}

TEST(HtmlTableReaderTest, RowsCellsAndNestedContent) {
    auto table = HtmlTableReader::Read(
        "<table border=1><tr bgcolor=red><td colspan=2>a<b>b</b></td><td>"
        "<table><tr><td>in</td></tr></table></td></tr><tr><td>c<tr><td>d</table>");
    EXPECT_EQ(*table.tag.Find("border"), "1");
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(*table.rows[0].tag.Find("bgcolor"), "red");
    ASSERT_EQ(table.rows[0].cells.size(), 2u);
    EXPECT_EQ(*table.rows[0].cells[0].tag.Find("colspan"), "2");
    EXPECT_EQ(table.rows[0].cells[0].content, "a<b>b</b>");
    EXPECT_EQ(table.rows[0].cells[1].content, "<table><tr><td>in</td></tr></table>");
    // A cell without its closing tag ends at the next row.
    EXPECT_EQ(table.rows[1].cells[0].content, "c");
    EXPECT_EQ(table.rows[2].cells[0].content, "d");
}

}  // namespace
}  // namespace quivlane
