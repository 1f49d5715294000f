#pragma once

#include <array>
#include <cstdint>

namespace quivlane {

// The 5 x 7 dot-matrix font of the LED displays, characters 32 to 127. Character 127 is the
// box shown for anything the display cannot show.
class DotFont {
  public:
    static constexpr int kFirst = 32;
    static constexpr int kLast = 127;
    static constexpr int kColumns = 5;
    static constexpr int kRows = 7;

    // Whether the dot at (column 0..4, row 0..6, top-left first) of character c is lit.
    // Characters outside 32..127 have no dots.
    static bool IsLit(int c, int column, int row);

    // Five column bytes, bit 0 the top row; all zero outside 32..127.
    static std::array<std::uint8_t, kColumns> Columns(int c);

    // Dots of a glyph cell of this width (10, 14 or 19): square dots of DotSize pixels every
    // DotPitch pixels, the same across and down, the first at the cell's top-left.
    static int DotPitch(int cellWidth);
    static int DotSize(int cellWidth);
};

}  // namespace quivlane
