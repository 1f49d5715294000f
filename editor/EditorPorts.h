#pragma once

#include "platform/audio/Sound.h"
#include "platform/autostart/Registry.h"
#include "platform/dialogs/Choosers.h"
#include "platform/dialogs/Clipboard.h"
#include "platform/dialogs/MessageBoxes.h"

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
