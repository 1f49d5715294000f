#pragma once

#include <string>

namespace quivlane {

enum class MessageIcon { None, Information, Warning, Error, Question };

// Modal message and question boxes. Texts and captions are UTF-8.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A box with a single OK button.
    virtual void Show(const std::string& text, const std::string& caption,
                      MessageIcon icon = MessageIcon::None) = 0;
    // A Yes/No box; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption,
                          MessageIcon icon = MessageIcon::Question) = 0;
};

}  // namespace quivlane
