#pragma once

#include <cstddef>
#include <string_view>

#include "launcher/tooltip/core/HtmlToken.h"

namespace quivlane {

// Walks a flow block token by token. The viewed text must outlive the reader.
class HtmlTokenReader {
  public:
    explicit HtmlTokenReader(std::string_view text) : text_(text) {}

    // False at the end of the text.
    bool Next(HtmlToken& token);

    // Splits the inside of a tag (between "<" and ">") into name, value and attributes.
    static void ParseTag(std::string_view inside, HtmlToken& token);

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace quivlane
