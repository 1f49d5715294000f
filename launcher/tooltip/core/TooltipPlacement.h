#pragma once

#include <array>

namespace quivlane {

struct TipPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TipPoint&, const TipPoint&) = default;
};

// Half-open: [left, right) x [top, bottom).
struct TipRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(TipPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend bool operator==(const TipRect&, const TipRect&) = default;
};

// Where a tip goes around the cursor. The direction is 16 x side + alignment: side 0 puts
// the tip below the cursor (anchor on its top edge), 1 above, 2 to the right, 3 to the left;
// alignment 0 puts the anchor near the start of its edge, 1 near the end, 2 in the middle.
class TooltipPlacement {
  public:
    struct Sizes {
        int anchorWidth = 0;
        int anchorHeight = 0;
        int anchorOffset = 0;
    };

    struct Layout {
        int direction = 0;
        TipRect window;   // screen coordinates
        TipPoint anchor;  // window coordinates; lies on the cursor
        TipRect body;     // window coordinates
        bool hasAnchor = false;
        // Apex, then the two base corners on the body's edge; window coordinates.
        std::array<TipPoint, 3> triangle{};
    };

    static Layout Place(const TipRect& screen, TipPoint cursor, int bodyWidth, int bodyHeight,
                        int direction, const Sizes& sizes);
};

}  // namespace quivlane
