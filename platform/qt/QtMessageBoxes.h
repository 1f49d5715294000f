#pragma once

#include "platform/MessageBoxes.h"

namespace quivlane {

class QtMessageBoxes final : public MessageBoxes {
  public:
    void Show(const std::string& text, const std::string& caption,
              MessageIcon icon = MessageIcon::None) override;
    bool AskYesNo(const std::string& text, const std::string& caption,
                  MessageIcon icon = MessageIcon::Question) override;
};

}  // namespace quivlane
