#pragma once

#include "launcher/AlarmSeam.h"
#include "launcher/PlayerSeam.h"
#include "launcher/TooltipSeam.h"
#include "launcher/TraySeam.h"

namespace quivlane {

// Features that plug into the bar; an absent one leaves its keyword with the feedback only.
struct BarSeams {
    PlayerSeam* players = nullptr;
    TraySeam* tray = nullptr;
    AlarmSeam* alarm = nullptr;
    TooltipSeam* tooltips = nullptr;
};

}  // namespace quivlane
