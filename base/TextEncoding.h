#pragma once

#include <string>
#include <string_view>

namespace quivlane {

// UTF-8 and the 8-bit encodings of hand-made configuration files and of the display.
//
// Malformed UTF-8 follows one rule everywhere: a byte that does not start a complete,
// shortest-form sequence of a code point up to U+10FFFF other than a surrogate is a unit of
// its own, one character long, and the bytes after it are read afresh.
class TextEncoding {
  public:
    // Stands in a Utf8Unit for a malformed byte; no code point has this value.
    static constexpr char32_t kMalformed = 0xFFFFFFFF;
    // The display's unknown cell, for characters Windows-1252 cannot hold.
    static constexpr unsigned char kWindows1252Unknown = 0x7F;

    struct Utf8Unit {
        char32_t codePoint = kMalformed;
        std::size_t length = 0;
        bool Valid() const { return codePoint != kMalformed; }
    };

    // The unit starting at text[at], which must be inside the text.
    static Utf8Unit DecodeUtf8(std::string_view text, std::size_t at);
    static void AppendUtf8(std::string& out, char32_t codePoint);

    static bool IsValidUtf8(std::string_view text);
    static std::size_t Utf8Length(std::string_view text);
    static std::string_view FirstUtf8Characters(std::string_view text, std::size_t count);
    // The longest start of the text that fits in `bytes` without splitting a character.
    static std::string_view Utf8PrefixWithin(std::string_view text, std::size_t bytes);
    // Each malformed byte becomes U+FFFD.
    static std::string ReplaceInvalidUtf8(std::string_view text);

    static std::string Latin1ToUtf8(std::string_view text);
    // 0x80-0x9F follow the Windows code page; its five unassigned bytes map to the C1 controls
    // of the same value, as Windows itself converts them.
    static std::string Windows1252ToUtf8(std::string_view text);
    // One byte per character: what Windows-1252 cannot hold (the C1 controls included, which
    // the display has no glyph for) and each malformed byte become kWindows1252Unknown.
    static std::string Utf8ToWindows1252(std::string_view text);

    // The encoding named by a leading "<?xml ... encoding='...'?>" declaration, lower-cased,
    // or "" when there is none.
    static std::string DeclaredEncoding(std::string_view document);
};

}  // namespace quivlane
