#pragma once

#include "launcher/bar/AlarmPort.h"
#include "launcher/bar/PlayerPort.h"
#include "launcher/bar/TooltipPort.h"
#include "launcher/bar/TrayPort.h"

namespace quivlane {

// Features that plug into the bar; an absent one leaves its keyword with the feedback only.
struct FeaturePorts {
    PlayerPort* players = nullptr;
    TrayPort* tray = nullptr;
    AlarmPort* alarm = nullptr;
    TooltipPort* tooltips = nullptr;
};

}  // namespace quivlane
