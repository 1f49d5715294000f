#pragma once

#include <cstdint>
#include <string>

#include "base/Rgb.h"

namespace quivlane {

// One registered tip area of a control. Fields whose mask bit is clear come from the
// tooltip's window-wide defaults when the tip is shown.
struct ToolInfo {
    static constexpr unsigned kMaskStyle = 0x01;
    static constexpr unsigned kMaskEffect = 0x02;  // effect and granularity
    static constexpr unsigned kMaskColours = 0x04;
    static constexpr unsigned kMaskDirection = 0x08;
    static constexpr unsigned kMaskBehaviour = 0x10;
    static constexpr unsigned kMaskTransparency = 0x20;

    // Tool rectangle in the control's coordinates; empty (width or height <= 0) is the
    // whole control.
    struct Area {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        bool Empty() const { return width <= 0 || height <= 0; }
        bool Contains(int px, int py) const {
            return !Empty() && px >= x && py >= y && px < x + width && py < y + height;
        }
        friend bool operator==(const Area&, const Area&) = default;
    };

    int userValue = 0;
    Area rect;
    std::string text;
    unsigned mask = 0;
    int style = 0;
    int direction = 0;
    int effect = 0;
    unsigned behaviour = 0;
    std::uint8_t granularity = 0;
    int transparency = 0;  // percent see-through when fully shown
    Rgb beginColour;
    Rgb middleColour;
    Rgb endColour;
};

}  // namespace quivlane
