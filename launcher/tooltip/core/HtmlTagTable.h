#pragma once

#include <string>
#include <string_view>

namespace quivlane {

enum class HtmlTagCode {
    Bold = 1,
    Italic = 2,
    Underline = 3,
    Strikeout = 4,
    Font = 5,
    Rule = 6,
    Break = 7,
    Tab = 8,
    AlignLeft = 9,
    AlignCenter = 10,
    AlignRight = 11,
    AlignJustify = 12,
    VAlignBaseline = 13,
    VAlignTop = 14,
    VAlignCenter = 15,
    VAlignBottom = 16,
    Bitmap = 17,
    Icon = 18,
    ImageList = 19,
    String = 20,
    SheetStyle = 21,
    Span = 22,
    Link = 23,
};

struct HtmlTagInfo {
    HtmlTagCode code;
    // Pairs a closing tag with the level its opening tag saved; empty for tags that save none.
    std::string styleName;
    // Text align or vertical align set by the alignment tags.
    int alignValue = 0;
};

class HtmlTagTable {
  public:
    // Case-sensitive; nullptr for a tag we do not know.
    static const HtmlTagInfo* Find(std::string_view name);
};

}  // namespace quivlane
