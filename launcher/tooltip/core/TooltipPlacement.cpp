#include "launcher/tooltip/core/TooltipPlacement.h"

#include <algorithm>

namespace quivlane {

namespace {

// Alignment along the anchored edge, for a tip of `length` at cursor coordinate `c` between
// `low` and `high`.
int FitAlignment(int alignment, int c, int length, int offset, int low, int high) {
    switch (alignment) {
        case 0:
            if (c + length - offset > high) {
                return c - length + offset < low ? 2 : 1;
            }
            return 0;
        case 1:
            if (c + offset - length < low) {
                return c - offset + length > high ? 2 : 0;
            }
            return 1;
        default:
            if (c - low < offset) {
                return 0;
            }
            if (high - c < offset) {
                return 1;
            }
            return 2;
    }
}

// Start of the tip along the edge so that its anchor lies on `c`, kept on the screen.
int EdgeStart(int alignment, int c, int length, int offset, int low, int high) {
    int along = alignment == 0 ? offset : alignment == 1 ? length - offset : length / 2;
    int start = c - along;
    if (alignment == 1) {
        start = std::min(start, high - length);
    } else {
        // A centred tip near the far edge would otherwise hang off the screen.
        if (alignment == 2) {
            start = std::min(start, high - length);
        }
        start = std::max(start, low);
    }
    return start;
}

}  // namespace

TooltipPlacement::Layout TooltipPlacement::Place(const TipRect& screen, TipPoint cursor,
                                                 int bodyWidth, int bodyHeight, int direction,
                                                 const Sizes& sizes) {
    int side = std::clamp(direction / 16, 0, 3);
    int alignment = std::clamp(direction % 16, 0, 2);
    const bool vertical = side <= 1;  // anchor on the top or bottom edge
    const int ah = std::max(sizes.anchorHeight, 0);
    const int w = bodyWidth + (vertical ? 0 : ah);
    const int h = bodyHeight + (vertical ? ah : 0);
    const int o = sizes.anchorOffset;

    switch (side) {
        case 0:
            side = cursor.y + h > screen.bottom ? 1 : 0;
            break;
        case 1:
            side = cursor.y - h < screen.top ? 0 : 1;
            break;
        case 2:
            side = cursor.x + w > screen.right ? 3 : 2;
            break;
        default:
            side = cursor.x - w < screen.left ? 2 : 3;
            break;
    }

    Layout out;
    int left = 0;
    int top = 0;
    if (vertical) {
        alignment = FitAlignment(alignment, cursor.x, w, o, screen.left, screen.right);
        left = EdgeStart(alignment, cursor.x, w, o, screen.left, screen.right);
        top = side == 0 ? cursor.y : cursor.y - h;
    } else {
        alignment = FitAlignment(alignment, cursor.y, h, o, screen.top, screen.bottom);
        top = EdgeStart(alignment, cursor.y, h, o, screen.top, screen.bottom);
        left = side == 2 ? cursor.x : cursor.x - w;
    }
    out.direction = side * 16 + alignment;
    out.window = TipRect{left, top, left + w, top + h};
    out.anchor = TipPoint{cursor.x - left, cursor.y - top};
    out.body = TipRect{0, 0, bodyWidth, bodyHeight};
    if (side == 0) {
        out.body = TipRect{0, ah, bodyWidth, ah + bodyHeight};
    } else if (side == 2) {
        out.body = TipRect{ah, 0, ah + bodyWidth, bodyHeight};
    }

    out.hasAnchor = sizes.anchorWidth != 0 && sizes.anchorHeight != 0;
    if (out.hasAnchor) {
        const int aw = sizes.anchorWidth;
        const int length = vertical ? bodyWidth : bodyHeight;
        const int along = vertical ? out.anchor.x - out.body.left : out.anchor.y - out.body.top;
        int from = alignment == 0 ? o : alignment == 1 ? length - o - aw : along - aw / 2;
        from = std::clamp(from, 0, std::max(length - aw, 0));
        const int to = std::min(from + aw, length);
        if (vertical) {
            const int edge = side == 0 ? out.body.top : out.body.bottom;
            out.triangle = {out.anchor, TipPoint{out.body.left + from, edge},
                            TipPoint{out.body.left + to, edge}};
        } else {
            const int edge = side == 2 ? out.body.left : out.body.right;
            out.triangle = {out.anchor, TipPoint{edge, out.body.top + from},
                            TipPoint{edge, out.body.top + to}};
        }
    }
    return out;
}

}  // namespace quivlane
