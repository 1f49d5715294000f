#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quivlane {

// The well-formedness rules of XML 1.0 that pugixml lets pass (a bare "&", undefined
// entities, duplicate attributes, content after the root element, "--" in a comment, control
// characters ...), checked on the UTF-8 text before it is parsed, so that the store refuses
// such a file instead of rewriting it into something else.
class XmlCheck {
  public:
    // The reason the document is not well-formed, with its line, or "" when it is.
    static std::string WellFormednessError(std::string_view utf8);
    static bool IsName(std::string_view utf8);
    // Text XML 1.0 can carry: valid UTF-8 without the characters XML excludes.
    static bool IsText(std::string_view utf8);
    // The first character of valid UTF-8 that XML excludes, or nullopt when there is none.
    static std::optional<char32_t> FirstExcludedCharacter(std::string_view utf8);
};

}  // namespace quivlane
