#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quivlane {

struct HtmlBlock {
    bool isTable = false;
    std::string text;  // a table's text runs from "<table" to its matching "</table>"
};

// Cuts text into alternating flow blocks and tables; nested tables stay inside their table.
class HtmlBlockSplitter {
  public:
    static std::vector<HtmlBlock> Split(std::string_view text);

    // Position just past the "</table>" matching the "<table" at start (or the end of text).
    static std::size_t MatchTableEnd(std::string_view text, std::size_t start);

    // Position of the next tag opener "<" (not a "<<" pair) at or after from, or npos.
    static std::size_t NextTag(std::string_view text, std::size_t from);
};

}  // namespace quivlane
