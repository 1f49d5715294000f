#include "base/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

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

// One rule for every operation, where the bar's caption count once skipped stray continuation
// bytes and the error-text cut backed over them: each malformed byte is one character.
TEST(TextEncodingTest, EachMalformedByteIsOneCharacterForEveryOperation) {
    const std::string text =
        "ab\x80\x80"
        "cd";
    EXPECT_EQ(TextEncoding::Utf8Length(text), 6u);
    EXPECT_EQ(TextEncoding::FirstUtf8Characters(text, 3), "ab\x80");
    EXPECT_EQ(TextEncoding::Utf8PrefixWithin(text, 3), "ab\x80");
    EXPECT_EQ(TextEncoding::ReplaceInvalidUtf8(text),
              "ab\uFFFD\uFFFD"
              "cd");
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252(text),
              "ab\x7F\x7F"
              "cd");

    // Cut short, overlong, surrogate, beyond U+10FFFF, bad continuation: the units the
    // decoder steps over are the characters every operation counts, cuts and replaces.
    for (const std::string bad : {"\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                  "\xC3(", "\xF0\x9F\x98", "\xFF\xFE"}) {
        const std::string mixed = "\xC3\xA9" + bad + "\xF0\x9D\x84\x9E";  // é ... 𝄞
        std::size_t units = 0;
        std::size_t malformedUnits = 0;
        std::size_t malformedBytes = 0;
        for (std::size_t i = 0; i < mixed.size(); ++units) {
            const TextEncoding::Utf8Unit unit = TextEncoding::DecodeUtf8(mixed, i);
            malformedUnits += unit.Valid() ? 0 : 1;
            malformedBytes += unit.Valid() ? 0 : unit.length;
            i += unit.length;
        }
        // Each byte of the bad sequence is a unit of its own; the "(" after a lone lead is not.
        EXPECT_EQ(malformedUnits, bad == "\xC3(" ? 1u : bad.size()) << bad;
        EXPECT_EQ(malformedBytes, malformedUnits) << bad;
        EXPECT_EQ(TextEncoding::Utf8Length(mixed), units) << bad;
        EXPECT_EQ(TextEncoding::Utf8ToWindows1252(mixed).size(), units) << bad;
        EXPECT_EQ(TextEncoding::Utf8Length(TextEncoding::ReplaceInvalidUtf8(mixed)), units) << bad;
        EXPECT_EQ(TextEncoding::FirstUtf8Characters(mixed, units - 1),
                  mixed.substr(0, mixed.size() - 4))
            << bad;
        EXPECT_EQ(TextEncoding::Utf8PrefixWithin(mixed, mixed.size() - 1),
                  mixed.substr(0, mixed.size() - 4))
            << bad;
    }
}

TEST(TextEncodingTest, EightBitConversions) {
    EXPECT_EQ(TextEncoding::Windows1252ToUtf8("\x80\x8A\x9C\x9F\xE0\x81"), "€ŠœŸà\xC2\x81");
    EXPECT_EQ(TextEncoding::Latin1ToUtf8("\x80\xE0"),
              "\xC2\x80"
              "à");
    EXPECT_EQ(TextEncoding::Windows1252ToUtf8("abc"), "abc");
}

const std::string kUnknown(1, static_cast<char>(TextEncoding::kWindows1252Unknown));

TEST(TextEncodingTest, CharactersOfWindows1252BecomeTheirByteAnythingElseOneUnknownByte) {
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("Quivlane 12:00"), "Quivlane 12:00");
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xC3\xA9"), "\xE9");      // é
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xE2\x82\xAC"), "\x80");  // €
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xC5\x93"), "\x9C");      // œ
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xC2\xA0"), "\xA0");      // no-break space
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xC5\xB8"), "\x9F");      // Ÿ
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));

    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xE6\x97\xA5"), kUnknown);  // a CJK ideograph
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("a\xF0\x9F\x98\x80z"), "a" + kUnknown + "z");
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xC2\x81"), kUnknown);  // no glyph for U+0081
}

TEST(TextEncodingTest, MalformedInputNeverSwallowsGoodCharactersOfWindows1252) {
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\x80"), kUnknown);           // lone continuation
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("ab\xC3"), "ab" + kUnknown);  // cut short
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xC3(x"), kUnknown + "(x");  // bad continuation
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xC0\xAF"), kUnknown + kUnknown);  // overlong '/'
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xED\xA0\x80"), kUnknown + kUnknown + kUnknown);
    EXPECT_EQ(TextEncoding::Utf8ToWindows1252("\xFF"), kUnknown);
}

TEST(TextEncodingTest, Windows1252RoundTripsThroughUtf8) {
    const std::string french = "P\xC3\xA8re No\xC3\xABl \xE2\x82\xAC \xE2\x80\x94 \xC5\x92uvre";
    EXPECT_EQ(TextEncoding::Windows1252ToUtf8(TextEncoding::Utf8ToWindows1252(french)), french);
    // The five bytes the code page leaves unassigned come back as the display's unknown cell.
    EXPECT_EQ(
        TextEncoding::Utf8ToWindows1252(TextEncoding::Windows1252ToUtf8("\x81\x8D\x8F\x90\x9D")),
        kUnknown + kUnknown + kUnknown + kUnknown + kUnknown);
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
