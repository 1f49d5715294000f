#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/dialogs/MessageBoxes.h"

namespace quivlane {

class QtMessageBoxes final : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* owner = nullptr);
    // The window the boxes belong to, centred over it and kept above it; may be set once it
    // exists.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Show(const std::string& text, const std::string& caption,
              MessageIcon icon = MessageIcon::None) override;
    bool AskYesNo(const std::string& text, const std::string& caption,
                  MessageIcon icon = MessageIcon::Question) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace quivlane
