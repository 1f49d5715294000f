#pragma once

#include <optional>

#include "launcher/tooltip/core/TooltipPlacement.h"
#include "launcher/tooltip/core/TooltipToolInfo.h"

namespace quivlane {

// What the tooltip's show/hide rules need of the window system.
class TooltipWindowPort {
  public:
    struct Hit {
        const void* control = nullptr;
        ToolInfo::Area rect;  // as registered (empty: the whole control)
        ToolInfo tool;
    };

    virtual ~TooltipWindowPort() = default;
    virtual void StartTimer(int id, int milliseconds) = 0;
    virtual void StopTimer(int id) = 0;
    virtual TipPoint CursorPos() const = 0;
    virtual std::optional<Hit> FindTool(TipPoint screen) const = 0;
    virtual bool IsTipVisible() const = 0;
    virtual bool IsOverTip(TipPoint screen) const = 0;
    // Measures, places and shows the tool's tip at the cursor; false when nothing is shown.
    virtual bool ShowTip(const ToolInfo& resolved, TipPoint cursor, int opacity) = 0;
    virtual void HideTip() = 0;
    virtual void RedrawTip(int opacity) = 0;
    virtual void MoveTipBy(int dx, int dy) = 0;
    virtual void ClickTip(TipPoint screen) = 0;
    virtual bool AdvanceAnimations() = 0;
};

}  // namespace quivlane
