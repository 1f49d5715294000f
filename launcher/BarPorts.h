#pragma once

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Power.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

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
