#pragma once

#include <string_view>

#include "launcher/tooltip/core/LengthContext.h"

namespace quivlane {

// Turns length texts of attributes and style sheets ("10pt", "65%", "3", "0x10") into pixels.
class LengthReader {
  public:
    // current: the value that an empty or unreadable text keeps and that "%" refers to.
    // fontSize: bare numbers 1..7 are the classic font-size steps.
    static int LengthValue(std::string_view text, int current, bool fontSize,
                           const LengthContext& context);

    // Maps a bare font-size step 1..7 to pixels; other values are returned as they are.
    static int FontSizeStep(long value);
};

}  // namespace quivlane
