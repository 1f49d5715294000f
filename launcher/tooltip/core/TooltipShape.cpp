#include "launcher/tooltip/core/TooltipShape.h"

#include <algorithm>
#include <cmath>

namespace quivlane {

namespace {

bool InRoundedRect(const TipRect& r, int cornerWidth, int cornerHeight, double px, double py) {
    if (px < r.left || px > r.right || py < r.top || py > r.bottom) {
        return false;
    }
    const double rx = std::min(cornerWidth, r.Width()) / 2.0;
    const double ry = std::min(cornerHeight, r.Height()) / 2.0;
    if (rx <= 0.0 || ry <= 0.0) {
        return true;
    }
    double cx = px;
    double cy = py;
    if (px < r.left + rx) {
        cx = r.left + rx;
    } else if (px > r.right - rx) {
        cx = r.right - rx;
    }
    if (py < r.top + ry) {
        cy = r.top + ry;
    } else if (py > r.bottom - ry) {
        cy = r.bottom - ry;
    }
    const double dx = (px - cx) / rx;
    const double dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

double Cross(TipPoint a, TipPoint b, double px, double py) {
    return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
}

// Pixel centres within half a pixel of the triangle, so that its thin tip still reaches the
// row next to the cursor.
bool InTriangle(const std::array<TipPoint, 3>& t, double px, double py) {
    const double area = Cross(t[0], t[1], t[2].x, t[2].y);
    if (area == 0.0) {
        return false;
    }
    const double sign = area > 0 ? 1.0 : -1.0;
    for (int i = 0; i < 3; ++i) {
        const TipPoint a = t[static_cast<std::size_t>(i)];
        const TipPoint b = t[static_cast<std::size_t>((i + 1) % 3)];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (sign * Cross(a, b, px, py) < -0.5 * length) {
            return false;
        }
    }
    return true;
}

}  // namespace

TooltipShape::TooltipShape(const TooltipPlacement::Layout& layout, int cornerWidth,
                           int cornerHeight)
    : width_(std::max(layout.window.Width(), 0)), height_(std::max(layout.window.Height(), 0)) {
    inside_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            const bool in = InRoundedRect(layout.body, cornerWidth, cornerHeight, px, py) ||
                            (layout.hasAnchor && InTriangle(layout.triangle, px, py));
            inside_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                    static_cast<std::size_t>(x)] = in ? 1 : 0;
        }
    }
}

bool TooltipShape::Contains(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return false;
    }
    return inside_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)] != 0;
}

bool TooltipShape::OnFrame(int x, int y, int frameWidth, int frameHeight) const {
    if (!Contains(x, y) || frameWidth <= 0 || frameHeight <= 0) {
        return false;
    }
    for (int d = 1; d <= frameWidth; ++d) {
        if (!Contains(x - d, y) || !Contains(x + d, y)) {
            return true;
        }
    }
    for (int d = 1; d <= frameHeight; ++d) {
        if (!Contains(x, y - d) || !Contains(x, y + d)) {
            return true;
        }
    }
    return false;
}

int TooltipShape::Count() const {
    return static_cast<int>(std::count(inside_.begin(), inside_.end(), 1));
}

}  // namespace quivlane
