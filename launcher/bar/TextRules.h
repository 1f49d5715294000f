#pragma once

#include <cstddef>
#include <string>

namespace quivlane {

// Text shaping for the 14-cell display. Lengths count characters, not UTF-8 bytes.
class TextRules {
  public:
    static constexpr std::size_t kDisplayCells = 14;

    static std::size_t CharacterCount(const std::string& text);
    // Small accented French letters to their plain letter; everything else unchanged.
    static std::string FoldAccents(const std::string& text);
    // The click's centring: texts of 14 characters or more are returned unchanged.
    static std::string CentreCaption(const std::string& text);
};

}  // namespace quivlane
