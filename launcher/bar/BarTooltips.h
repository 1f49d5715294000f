#pragma once

#include <string>

#include "launcher/bar/TooltipPort.h"
#include "launcher/tooltip/window/HtmlTooltip.h"

namespace quivlane {

class LauncherBar;
class Shell;

// The bar's balloon tips: one tooltip window for the program's life, fed with every event
// the bar sees while tooltips are on.
class BarTooltips final : public TooltipPort {
  public:
    // The bar and the shell must outlive this object.
    BarTooltips(LauncherBar& bar, Shell& shell);
    ~BarTooltips() override;
    BarTooltips(const BarTooltips&) = delete;
    BarTooltips& operator=(const BarTooltips&) = delete;

    void AddTool(int buttonId, const std::string& html) override;

    HtmlTooltip& Tooltip() { return tooltip_; }

  private:
    LauncherBar& bar_;
    HtmlTooltip tooltip_;
};

}  // namespace quivlane
