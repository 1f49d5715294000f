#include "launcher/tooltip/core/TooltipStateMachine.h"

#include <algorithm>

namespace quivlane {

ToolInfo TooltipStateMachine::Resolve(const ToolInfo& tool) const {
    ToolInfo out = tool;
    if ((tool.mask & ToolInfo::kMaskStyle) == 0) {
        out.style = defaults_.style;
    }
    if ((tool.mask & ToolInfo::kMaskEffect) == 0) {
        out.effect = defaults_.effect;
        out.granularity = defaults_.granularity;
    }
    if ((tool.mask & ToolInfo::kMaskColours) == 0) {
        out.beginColour = defaults_.beginColour;
        out.middleColour = defaults_.middleColour;
        out.endColour = defaults_.endColour;
    }
    if ((tool.mask & ToolInfo::kMaskDirection) == 0) {
        out.direction = defaults_.direction;
    }
    if ((tool.mask & ToolInfo::kMaskBehaviour) == 0) {
        out.behaviour = defaults_.behaviour;
    }
    if ((tool.mask & ToolInfo::kMaskTransparency) == 0) {
        out.transparency = defaults_.transparency;
    }
    out.transparency = std::clamp(out.transparency, 0, 100);
    return out;
}

void TooltipStateMachine::SetDelayTime(int kind, int milliseconds) {
    milliseconds = std::max(milliseconds, 0);
    switch (kind) {
        case kDelayAutoPop:
            autoPopMs_ = milliseconds;
            break;
        case kDelayInitial:
            initialMs_ = milliseconds;
            break;
        case kDelayFadeIn:
            fadeInMs_ = milliseconds;
            break;
        case kDelayFadeOut:
            fadeOutMs_ = milliseconds;
            break;
        case kDelayAnimation:
            animationMs_ = milliseconds;
            host_.StopTimer(kTimerAnimation);
            StartAnimationTick();
            break;
        default:
            break;
    }
}

int TooltipStateMachine::DelayTime(int kind) const {
    switch (kind) {
        case kDelayAutoPop:
            return autoPopMs_;
        case kDelayInitial:
            return initialMs_;
        case kDelayFadeIn:
            return fadeInMs_;
        case kDelayFadeOut:
            return fadeOutMs_;
        case kDelayAnimation:
            return animationMs_;
        default:
            return 0;
    }
}

unsigned TooltipStateMachine::Behaviour() const {
    return pending_ ? Resolve(pending_->tool).behaviour : defaults_.behaviour;
}

int TooltipStateMachine::ToolTransparency() const {
    return pending_ ? Resolve(pending_->tool).transparency
                    : std::clamp(defaults_.transparency, 0, 100);
}

void TooltipStateMachine::OnMouseMove(TipPoint screen) {
    if (last_ && *last_ == screen) {
        return;
    }
    const TipPoint previous = last_.value_or(screen);
    last_ = screen;
    const unsigned behaviour = Behaviour();

    if (host_.IsTipVisible() && host_.IsOverTip(screen) && (behaviour & kFollowCursor) == 0) {
        if ((behaviour & kKeepOverTip) != 0) {
            RestartAutoPop();
        } else {
            StartHiding();
        }
        return;
    }

    const std::optional<TooltipWindowPort::Hit> hit = host_.FindTool(screen);
    if (!hit) {
        current_.reset();
        // A tip waiting for the end of a fade-out belongs to a tool the cursor has left.
        waitingForFadeOut_ = false;
        host_.StopTimer(kTimerInitial);
        StartHiding();
        return;
    }
    if (current_ && current_->control == hit->control && current_->rect == hit->rect) {
        if ((behaviour & kFollowCursor) != 0) {
            RestartAutoPop();
            host_.MoveTipBy(screen.x - previous.x, screen.y - previous.y);
        } else if ((behaviour & kKeepInTool) != 0) {
            RestartAutoPop();
        } else if ((behaviour & kReshowInTool) != 0) {
            SetNewTooltip(*hit, true);
        } else {
            StartHiding();
        }
        return;
    }
    SetNewTooltip(*hit, true);
}

void TooltipStateMachine::OnLeftButtonDown(TipPoint screen) {
    if (host_.IsTipVisible() && host_.IsOverTip(screen)) {
        host_.ClickTip(screen);
    }
    HideTooltip();
}

void TooltipStateMachine::SetNewTooltip(const TooltipWindowPort::Hit& hit, bool delay) {
    if (state_ == Appearing || state_ == Shown) {
        StartHiding();
    }
    pending_ = hit;
    current_ = Current{hit.control, hit.rect};
    if (state_ != Hidden) {
        waitingForFadeOut_ = true;
        waitingDelay_ = delay;
        return;
    }
    if (delay && initialMs_ != 0) {
        host_.StartTimer(kTimerInitial, initialMs_);
    } else {
        InitialDelayElapsed();
    }
}

void TooltipStateMachine::InitialDelayElapsed() {
    host_.StopTimer(kTimerInitial);
    if (!last_ || host_.CursorPos() != *last_) {
        if (state_ == Appearing || state_ == Shown) {
            StartHiding();
        }
        return;
    }
    if (state_ != Hidden || !pending_) {
        return;
    }
    const ToolInfo resolved = Resolve(pending_->tool);
    const bool fading = fadeIn_ && fadeInMs_ != 0;
    const int opacity = fading ? 100 : resolved.transparency;
    if (!host_.ShowTip(resolved, *last_, opacity)) {
        return;
    }
    opacity_ = opacity;
    state_ = Appearing;
    if (fading) {
        host_.StartTimer(kTimerFadeIn, fadeInMs_);
    } else {
        state_ = Shown;
        StartAutoPop();
    }
    StartAnimationTick();
}

// The tick only matters while a tip is up; an idle bar should not wake ten times a second.
void TooltipStateMachine::StartAnimationTick() {
    if (animationMs_ != 0 && state_ != Hidden && host_.IsTipVisible()) {
        host_.StartTimer(kTimerAnimation, animationMs_);
    }
}

void TooltipStateMachine::StartAutoPop() {
    host_.StopTimer(kTimerAutoPop);
    if (autoPopMs_ != 0 && (Behaviour() & kNoAutoPop) == 0) {
        host_.StartTimer(kTimerAutoPop, autoPopMs_);
    }
}

// Only a fully shown tip is counting down; a fading-in one starts counting when it is shown.
void TooltipStateMachine::RestartAutoPop() {
    if (state_ == Shown) {
        StartAutoPop();
    }
}

void TooltipStateMachine::StartHiding() {
    host_.StopTimer(kTimerInitial);
    host_.StopTimer(kTimerFadeIn);
    host_.StopTimer(kTimerAutoPop);
    if (state_ == Disappearing) {
        return;
    }
    state_ = Disappearing;
    if (fadeOut_ && fadeOutMs_ != 0 && host_.IsTipVisible()) {
        host_.StartTimer(kTimerFadeOut, fadeOutMs_);
    } else {
        opacity_ = 100;
        EndFadeOut();
    }
}

void TooltipStateMachine::ForgetCurrentOnHide() {
    if ((Behaviour() & kReshowInTool) != 0) {
        current_.reset();
    }
}

void TooltipStateMachine::EndFadeOut() {
    host_.StopTimer(kTimerFadeOut);
    host_.StopTimer(kTimerAnimation);
    ForgetCurrentOnHide();
    if (host_.IsTipVisible()) {
        host_.HideTip();
    }
    state_ = Hidden;
    if (waitingForFadeOut_) {
        waitingForFadeOut_ = false;
        if (waitingDelay_ && initialMs_ != 0) {
            host_.StartTimer(kTimerInitial, initialMs_);
        } else {
            InitialDelayElapsed();
        }
    }
}

void TooltipStateMachine::FadeInStep() {
    opacity_ = opacity_ <= 20 ? 0 : opacity_ - 20;
    const int transparency = ToolTransparency();
    if (opacity_ <= transparency) {
        opacity_ = transparency;
        host_.StopTimer(kTimerFadeIn);
        state_ = Shown;
        StartAutoPop();
    }
    host_.RedrawTip(opacity_);
}

void TooltipStateMachine::FadeOutStep() {
    opacity_ = opacity_ >= 80 ? 100 : opacity_ + 20;
    if (opacity_ < 100) {
        host_.RedrawTip(opacity_);
        return;
    }
    EndFadeOut();
}

void TooltipStateMachine::OnTimer(int id) {
    switch (id) {
        case kTimerInitial:
            InitialDelayElapsed();
            break;
        case kTimerAutoPop:
            StartHiding();
            break;
        case kTimerFadeIn:
            if (state_ == Appearing) {
                FadeInStep();
            } else {
                host_.StopTimer(kTimerFadeIn);
            }
            break;
        case kTimerFadeOut:
            if (state_ == Disappearing) {
                FadeOutStep();
            } else {
                host_.StopTimer(kTimerFadeOut);
            }
            break;
        case kTimerAnimation:
            if (host_.IsTipVisible() && state_ == Shown && host_.AdvanceAnimations()) {
                host_.RedrawTip(opacity_);
            }
            break;
        default:
            break;
    }
}

void TooltipStateMachine::HideTooltip() {
    state_ = Hidden;
    waitingForFadeOut_ = false;
    host_.StopTimer(kTimerInitial);
    host_.StopTimer(kTimerAutoPop);
    host_.StopTimer(kTimerFadeIn);
    host_.StopTimer(kTimerFadeOut);
    host_.StopTimer(kTimerAnimation);
    if (host_.IsTipVisible()) {
        host_.HideTip();
    }
    ForgetCurrentOnHide();
}

}  // namespace quivlane
