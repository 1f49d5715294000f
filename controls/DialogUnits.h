#pragma once

namespace quivlane {

// Dialog layouts are given in dialog units of the 8-point dialog font, whose base units are
// 6 x 13 pixels: x = round(du * 6 / 4), y = round(du * 13 / 8), halves away from zero.
class DialogUnits {
  public:
    static int ToPixelsX(int du);
    static int ToPixelsY(int du);
};

}  // namespace quivlane
