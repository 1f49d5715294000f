#pragma once

#include <cstdint>
#include <vector>

#include "launcher/tooltip/core/TooltipPlacement.h"

namespace quivlane {

// The tip's outline as a pixel mask over the window: the body's rounded rectangle joined
// with the anchor triangle.
class TooltipShape {
  public:
    TooltipShape() = default;
    TooltipShape(const TooltipPlacement::Layout& layout, int cornerWidth, int cornerHeight);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const;
    // On the outline's inner frame of the given thickness.
    bool OnFrame(int x, int y, int frameWidth, int frameHeight) const;
    int Count() const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> inside_;
};

}  // namespace quivlane
