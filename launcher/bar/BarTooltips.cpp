#include "launcher/bar/BarTooltips.h"

#include "controls/GradientButton.h"
#include "launcher/bar/LauncherBar.h"

namespace quivlane {

BarTooltips::BarTooltips(LauncherBar& bar, Shell& shell) : bar_(bar), tooltip_(shell) {
    bar_.SetEventRelay(
        [this](QObject* watched, QEvent* event) { tooltip_.RelayEvent(watched, event); });
}

BarTooltips::~BarTooltips() {
    bar_.SetEventRelay({});
}

void BarTooltips::AddTool(int buttonId, const std::string& html) {
    GradientButton* button = bar_.Button(buttonId);
    if (button == nullptr) {
        return;
    }
    if (!tooltip_.IsCreated()) {
        if (!tooltip_.Create(&bar_, true)) {
            return;
        }
        // Qt drops plain pointer moves over untracked controls, and the tip must see the
        // cursor reach an uncommented button or the display to hide.
        for (QWidget* child : bar_.findChildren<QWidget*>()) {
            child->setMouseTracking(true);
        }
    }
    tooltip_.AddTool(button, html);
    tooltip_.SetBehaviour(TooltipStateMachine::kReshowInTool);
    tooltip_.SetTooltipShadow(0, 0, 50, true, 7, 7);
    tooltip_.SetDelayTime(TooltipStateMachine::kDelayAutoPop, 10000);
    tooltip_.SetDefaultSizes(true);
    tooltip_.SetColorBk(Rgb{180, 255, 255});
}

}  // namespace quivlane
