#pragma once

namespace quivlane {

// A colour as the bar's rules state it, free of any toolkit type.
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

}  // namespace quivlane
