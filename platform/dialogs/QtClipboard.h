#pragma once

#include "platform/dialogs/Clipboard.h"

namespace quivlane {

class QtClipboard final : public Clipboard {
  public:
    std::optional<std::string> Text() override;
};

}  // namespace quivlane
