#pragma once

#include "platform/audio/Sound.h"
#include "platform/clock/Clock.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/power/Power.h"
#include "platform/shell/Shell.h"

namespace quivlane {

// The host services the bar talks to.
struct BarPorts {
    Clock& clock;
    Shell& shell;
    Sound& sound;
    Power& power;
    MessageBoxes& messageBoxes;
};

}  // namespace quivlane
