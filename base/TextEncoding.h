#pragma once

#include <string>
#include <string_view>

namespace quivlane {

// Byte-level helpers for the 8-bit encodings a hand-made configuration file may declare.
class TextEncoding {
  public:
    static bool IsValidUtf8(std::string_view text);
    // Number of code points; each byte of an invalid sequence counts as one.
    static std::size_t Utf8Length(std::string_view text);
    // The first `count` code points as Utf8Length counts them.
    static std::string_view FirstUtf8Characters(std::string_view text, std::size_t count);
    // Each byte that does not start a valid sequence becomes U+FFFD.
    static std::string ReplaceInvalidUtf8(std::string_view text);
    static std::string Latin1ToUtf8(std::string_view text);
    // 0x80-0x9F follow the Windows code page; its five unassigned bytes map to the C1 controls
    // of the same value, as Windows itself converts them.
    static std::string Windows1252ToUtf8(std::string_view text);
    // The encoding named by a leading "<?xml ... encoding='...'?>" declaration, lower-cased,
    // or "" when there is none.
    static std::string DeclaredEncoding(std::string_view document);
};

}  // namespace quivlane
