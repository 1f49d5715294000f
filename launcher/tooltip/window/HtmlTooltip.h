#pragma once

#include <QBasicTimer>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/Rgb.h"
#include "launcher/tooltip/core/TooltipPlacement.h"
#include "launcher/tooltip/core/TooltipShape.h"
#include "launcher/tooltip/core/TooltipStateMachine.h"
#include "launcher/tooltip/core/TooltipToolInfo.h"
#include "launcher/tooltip/core/TooltipWindowPort.h"
#include "launcher/tooltip/render/DrawManager.h"
#include "launcher/tooltip/render/HtmlDrawer.h"

namespace quivlane {

class Shell;

// A borderless top-most popup that shows an HTML tip beside the cursor while it rests on a
// registered control: a balloon (rounded body with a pointed anchor on the cursor) or a
// plain rectangle, filled, framed, optionally shadowed and faded. The owner passes every
// event it sees to RelayEvent.
class HtmlTooltip : public QWidget, private TooltipWindowPort {
  public:
    // Entries of the size table.
    enum SizeIndex {
        kCornerWidth = 0,
        kCornerHeight = 1,
        kMarginX = 2,
        kMarginY = 3,
        kAnchorWidth = 4,
        kAnchorHeight = 5,
        kAnchorOffset = 6,
        kSizeCount = 9
    };

    explicit HtmlTooltip(Shell& shell);
    ~HtmlTooltip() override;

    bool Create(QWidget* owner, bool balloon);
    bool IsCreated() const { return owner_ != nullptr; }
    // No rectangle: the whole control.
    void AddTool(QWidget* control, const std::string& text,
                 const std::optional<QRect>& rect = std::nullopt, int userValue = 0);
    // Called by the owner for everything it sees, before it handles it.
    void RelayEvent(QObject* watched, QEvent* event);

    void SetDelayTime(int kind, int milliseconds);
    void SetBehaviour(unsigned bits) { machine_.WindowDefaults().behaviour = bits; }
    void SetDefaultDirection(int direction) { machine_.WindowDefaults().direction = direction; }
    void SetEffectBk(int effect, std::uint8_t granularity = 0);
    void SetTransparency(int percent);
    void SetColorBk(Rgb colour) { SetColorBk(colour, colour, colour); }
    void SetColorBk(Rgb begin, Rgb middle, Rgb end);
    // No colour, or a zero width or height: no border.
    void SetBorder(std::optional<Rgb> colour, int width, int height);
    void SetSize(int index, int value);
    void SetDefaultSizes(bool balloon);
    void SetTooltipShadow(int offsetX, int offsetY, int darkenPercent, bool soft, int depthX,
                          int depthY);
    void SetFade(bool fadeIn, bool fadeOut) { machine_.SetFade(fadeIn, fadeOut); }
    void SetRedrawOnLinkHover(bool on) { redrawOnLinkHover_ = on; }
    void HideTooltip() { machine_.HideTooltip(); }

    HtmlDrawer& Drawer() { return drawer_; }
    int Size(int index) const;
    int CurrentState() const { return machine_.CurrentState(); }
    int Opacity() const { return machine_.Opacity(); }
    // The last shown tip: placement, outline and the window's shape (tip plus shadow).
    const TooltipPlacement::Layout& Placement() const { return layout_; }
    const TooltipShape& Shape() const { return shape_; }
    const QImage& WindowShape() const { return windowShape_; }
    // The tip as the window shows it at the given see-through percent, over what was on the
    // screen beneath it.
    QImage RenderTip(int opacity) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    struct ControlTools {
        QPointer<QWidget> control;
        std::vector<ToolInfo> tools;
    };

    // TooltipWindowPort
    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override;
    TipPoint CursorPos() const override;
    std::optional<Hit> FindTool(TipPoint screen) const override;
    bool IsTipVisible() const override;
    bool IsOverTip(TipPoint screen) const override;
    bool ShowTip(const ToolInfo& resolved, TipPoint cursor, int opacity) override;
    void HideTip() override;
    void RedrawTip(int opacity) override;
    void MoveTipBy(int dx, int dy) override;
    void ClickTip(TipPoint screen) override;
    bool AdvanceAnimations() override;

    ControlTools* ToolsOf(const QWidget* control);
    const ControlTools* ToolsOf(const QWidget* control) const;
    QImage ComposeTip() const;
    void BuildBackground(const ToolInfo& tool);
    void BuildWindowShape();
    void OnLinkHover();

    mutable DrawManager draw_;
    mutable HtmlDrawer drawer_;  // drawing records its line layout
    TooltipStateMachine machine_;
    QPointer<QWidget> owner_;
    std::vector<ControlTools> tools_;

    std::optional<Rgb> borderColour_;
    int borderWidth_ = 1;
    int borderHeight_ = 1;
    std::array<int, kSizeCount> sizes_{};
    int shadowX_ = 6;
    int shadowY_ = 6;
    int shadowDarken_ = 50;
    bool shadowSoft_ = true;
    int shadowDepthX_ = 7;
    int shadowDepthY_ = 7;
    bool redrawOnLinkHover_ = true;

    ToolInfo displayed_;
    TooltipPlacement::Layout layout_;
    TooltipShape shape_;
    QRect textRect_;
    QImage background_;
    QImage beneath_;
    QImage windowShape_;
    QImage frame_;  // what the window shows now
    std::map<int, QBasicTimer> timers_;
};

}  // namespace quivlane
