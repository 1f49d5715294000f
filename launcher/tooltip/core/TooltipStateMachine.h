#pragma once

#include <optional>

#include "launcher/tooltip/core/TooltipToolInfo.h"
#include "launcher/tooltip/core/TooltipWindowPort.h"

namespace quivlane {

// When a tip shows, fades and hides: driven by the owner's relayed pointer and key events
// and by timer expiries, with the window work left to the host.
class TooltipStateMachine {
  public:
    enum State { Hidden = 0, Appearing = 1, Shown = 2, Disappearing = 3 };

    static constexpr int kTimerInitial = 256;
    static constexpr int kTimerAutoPop = 257;
    static constexpr int kTimerFadeIn = 258;
    static constexpr int kTimerFadeOut = 259;
    static constexpr int kTimerAnimation = 260;

    // Behaviour bits.
    static constexpr unsigned kReshowInTool = 0x01;
    static constexpr unsigned kFollowCursor = 0x02;
    static constexpr unsigned kKeepInTool = 0x04;
    static constexpr unsigned kKeepOverTip = 0x08;
    static constexpr unsigned kNoAutoPop = 0x10;

    // Delay kinds.
    static constexpr int kDelayAutoPop = 2;
    static constexpr int kDelayInitial = 3;
    static constexpr int kDelayFadeIn = 4;
    static constexpr int kDelayFadeOut = 5;
    static constexpr int kDelayAnimation = 6;

    // The window-wide fields a tool takes unless its mask sets them.
    struct Defaults {
        unsigned behaviour = 0;
        int effect = 0;
        int direction = 16;
        int style = 0;
        std::uint8_t granularity = 0;
        int transparency = 0;
        Rgb beginColour;
        Rgb middleColour;
        Rgb endColour;
    };

    explicit TooltipStateMachine(TooltipWindowPort& host) : host_(host) {}

    Defaults& WindowDefaults() { return defaults_; }
    const Defaults& WindowDefaults() const { return defaults_; }
    ToolInfo Resolve(const ToolInfo& tool) const;

    void SetDelayTime(int kind, int milliseconds);
    int DelayTime(int kind) const;
    void SetFade(bool fadeIn, bool fadeOut) {
        fadeIn_ = fadeIn;
        fadeOut_ = fadeOut;
    }

    // Relayed events, positions on the screen.
    void OnMouseMove(TipPoint screen);
    void OnLeftButtonDown(TipPoint screen);
    // Other buttons, double clicks, the wheel and keys.
    void OnDismissingInput() { HideTooltip(); }
    void OnTimer(int id);

    void HideTooltip();

    State CurrentState() const { return state_; }
    int Opacity() const { return opacity_; }
    bool HasCurrentTool() const { return current_.has_value(); }
    const std::optional<TooltipWindowPort::Hit>& PendingTool() const { return pending_; }

  private:
    void SetNewTooltip(const TooltipWindowPort::Hit& hit, bool delay);
    void InitialDelayElapsed();
    void StartHiding();
    void EndFadeOut();
    void StartAutoPop();
    void RestartAutoPop();
    void StartAnimationTick();
    void FadeInStep();
    void FadeOutStep();
    unsigned Behaviour() const;
    int ToolTransparency() const;
    void ForgetCurrentOnHide();

    TooltipWindowPort& host_;
    Defaults defaults_;
    int autoPopMs_ = 5000;
    int initialMs_ = 500;
    int fadeInMs_ = 0;
    int fadeOutMs_ = 0;
    int animationMs_ = 0;
    bool fadeIn_ = true;
    bool fadeOut_ = true;

    State state_ = Hidden;
    int opacity_ = 100;
    std::optional<TipPoint> last_;
    struct Current {
        const void* control;
        ToolInfo::Area rect;
    };
    std::optional<Current> current_;
    std::optional<TooltipWindowPort::Hit> pending_;
    bool waitingForFadeOut_ = false;
    bool waitingDelay_ = false;
};

}  // namespace quivlane
