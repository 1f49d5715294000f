#pragma once

#include "platform/Choosers.h"
#include "platform/Clipboard.h"
#include "platform/MessageBoxes.h"
#include "platform/Registry.h"
#include "platform/Sound.h"

namespace quivlane {

// The host services the editor's rules reach, handed in together.
struct EditorPorts {
    Sound& sound;
    MessageBoxes& messageBoxes;
    Choosers& choosers;
    Clipboard& clipboard;
    Registry& registry;
};

}  // namespace quivlane
