#pragma once

#include <string>

namespace quivlane {

// The dot-matrix display works in single Windows-1252 bytes; text arrives as UTF-8.
class Windows1252 {
  public:
    // Byte that stands for a character Windows-1252 cannot hold (the display's unknown cell).
    static constexpr unsigned char kUnknown = 0x7F;

    // One byte per character; characters outside Windows-1252 and malformed UTF-8 sequences
    // become kUnknown, one byte each.
    static std::string FromUtf8(const std::string& utf8);
    static std::string ToUtf8(const std::string& bytes);
};

}  // namespace quivlane
