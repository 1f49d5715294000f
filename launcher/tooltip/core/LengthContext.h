#pragma once

namespace quivlane {

// What a length with a font- or device-relative unit needs to know about the pass in
// progress. QtStyleSupport fills it from a font and a paint device.
struct LengthContext {
    int dpiY = 96;         // vertical resolution of the device
    int fontHeight = 16;   // cell height of the current font ("em")
    int xTextHeight = 16;  // height of the text "x" in the current font ("ex")
};

}  // namespace quivlane
