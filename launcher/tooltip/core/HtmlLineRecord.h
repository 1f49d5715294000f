#pragma once

namespace quivlane {

// What the measuring pass learnt about one line, read back by the drawing pass.
struct HtmlLineRecord {
    int width = 0;
    int height = 0;   // largest ascent plus largest descent
    int descent = 0;  // largest descent
    int align = 0;    // text align: 0 left, 1 center, 2 right, 3 justify
    int spaces = 0;
    bool wrapped = false;  // ended by wrapping rather than a break or the block's end
    bool operator==(const HtmlLineRecord&) const = default;
};

}  // namespace quivlane
