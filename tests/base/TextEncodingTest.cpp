#include "base/TextEncoding.h"

#include <gtest/gtest.h>

namespace quivlane {
namespace {

TEST(TextEncodingTest, Utf8Validation) {
    EXPECT_TRUE(TextEncoding::IsValidUtf8("été € 𝄞"));
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xE9t\xE9"));
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(TextEncoding::IsValidUtf8("\xE2\x82"));          // cut short
    EXPECT_EQ(TextEncoding::Utf8Length("été€"), 4u);
    EXPECT_EQ(TextEncoding::Utf8Length("\xE9t\xE9"), 3u);
}

TEST(TextEncodingTest, EightBitConversions) {
    EXPECT_EQ(TextEncoding::Windows1252ToUtf8("\x80\x8A\x9C\x9F\xE0\x81"), "€ŠœŸà\xC2\x81");
    EXPECT_EQ(TextEncoding::Latin1ToUtf8("\x80\xE0"),
              "\xC2\x80"
              "à");
    EXPECT_EQ(TextEncoding::Windows1252ToUtf8("abc"), "abc");
}

TEST(TextEncodingTest, DeclaredEncoding) {
    EXPECT_EQ(TextEncoding::DeclaredEncoding("<?xml version=\"1.0\" encoding=\"Windows-1252\"?>"),
              "windows-1252");
    EXPECT_EQ(TextEncoding::DeclaredEncoding("<?xml version='1.0' encoding = 'ISO-8859-1' ?><a/>"),
              "iso-8859-1");
    EXPECT_EQ(TextEncoding::DeclaredEncoding("<?xml version=\"1.0\"?><a encoding=\"x\"/>"), "");
    EXPECT_EQ(TextEncoding::DeclaredEncoding("<a/><?xml encoding=\"latin1\"?>"), "");
    EXPECT_EQ(TextEncoding::DeclaredEncoding("<?xml encoding=\"latin1"), "");
    EXPECT_EQ(TextEncoding::DeclaredEncoding(""), "");
}

}  // namespace
}  // namespace quivlane
