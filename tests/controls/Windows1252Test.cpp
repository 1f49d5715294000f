#include "controls/Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace quivlane {
namespace {

const std::string kUnknown(1, static_cast<char>(Windows1252::kUnknown));

TEST(Windows1252Test, CharactersOfTheCodePageBecomeTheirByte) {
    EXPECT_EQ(Windows1252::FromUtf8("Quivlane 12:00"), "Quivlane 12:00");
    EXPECT_EQ(Windows1252::FromUtf8("\xC3\xA9"), "\xE9");      // é
    EXPECT_EQ(Windows1252::FromUtf8("\xE2\x82\xAC"), "\x80");  // €
    EXPECT_EQ(Windows1252::FromUtf8("\xC5\x93"), "\x9C");      // œ
    EXPECT_EQ(Windows1252::FromUtf8("\xC2\xA0"), "\xA0");      // no-break space
    EXPECT_EQ(Windows1252::FromUtf8("\xC5\xB8"), "\x9F");      // Ÿ
    EXPECT_EQ(Windows1252::FromUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252Test, AnythingElseIsOneUnknownBytePerCharacter) {
    EXPECT_EQ(Windows1252::FromUtf8("\xE6\x97\xA5"), kUnknown);  // a CJK ideograph
    EXPECT_EQ(Windows1252::FromUtf8("a\xF0\x9F\x98\x80z"), "a" + kUnknown + "z");  // emoji
    EXPECT_EQ(Windows1252::FromUtf8("\xC2\x81"), kUnknown);  // U+0081: no byte stands for it
}

TEST(Windows1252Test, MalformedInputNeverSwallowsGoodCharacters) {
    EXPECT_EQ(Windows1252::FromUtf8("\x80"), kUnknown);                 // lone continuation
    EXPECT_EQ(Windows1252::FromUtf8("ab\xC3"), "ab" + kUnknown);        // cut short
    EXPECT_EQ(Windows1252::FromUtf8("\xC3(x"), kUnknown + "(x");        // bad continuation
    EXPECT_EQ(Windows1252::FromUtf8("\xC0\xAF"), kUnknown + kUnknown);  // overlong '/'
    EXPECT_EQ(Windows1252::FromUtf8("\xED\xA0\x80"), kUnknown + kUnknown + kUnknown);  // surrogate
    EXPECT_EQ(Windows1252::FromUtf8("\xFF"), kUnknown);
}

TEST(Windows1252Test, RoundTripsThroughUtf8) {
    const std::string french = "P\xC3\xA8re No\xC3\xABl \xE2\x82\xAC \xE2\x80\x94 \xC5\x92uvre";
    EXPECT_EQ(Windows1252::ToUtf8(Windows1252::FromUtf8(french)), french);
    // The five bytes the code page leaves undefined come back as replacement characters.
    EXPECT_EQ(Windows1252::ToUtf8("\x81"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace quivlane
