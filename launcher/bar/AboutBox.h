#pragma once

#include "controls/SkinnedDialog.h"

namespace quivlane {

// "A propos de Quivlane": the program's name and version, with an OK button.
class AboutBox : public SkinnedDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);
    ~AboutBox() override;
};

}  // namespace quivlane
