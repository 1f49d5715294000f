#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "launcher/tooltip/core/HtmlToken.h"

namespace quivlane {

struct HtmlCellMarkup {
    HtmlToken tag;
    std::string content;
};

struct HtmlRowMarkup {
    HtmlToken tag;
    std::vector<HtmlCellMarkup> cells;
};

struct HtmlTableMarkup {
    HtmlToken tag;
    std::vector<HtmlRowMarkup> rows;
};

// Cuts a table's text into its rows and cells; a nested table stays whole inside its cell.
class HtmlTableReader {
  public:
    static HtmlTableMarkup Read(std::string_view tableText);
};

}  // namespace quivlane
