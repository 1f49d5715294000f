#pragma once

#include <string>

namespace quivlane {

// The HTML balloon tooltips over the bar's buttons.
class TooltipPort {
  public:
    virtual ~TooltipPort() = default;
    // Registers the whole button with its HTML text and applies the bar's tooltip settings.
    virtual void AddTool(int buttonId, const std::string& html) = 0;
};

}  // namespace quivlane
