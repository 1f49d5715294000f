#pragma once

#include <string>

#include "controls/SkinnedDialog.h"
#include "platform/clock/Clock.h"

class QLineEdit;

namespace quivlane {

class GradientButton;
class IndicatorLight;

// The one-line box in which the user types a web address. "Ouvrir le site" (or Enter) repairs
// the scheme and ends the dialog with the address as its result; "Annuler" (or Escape) ends
// it with an empty result. Opening the address is the caller's business.
class UrlEntryDialog : public SkinnedDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxResultCharacters = 999;
    static constexpr const char* kPictureFile = "FOND_QUIVLANE_INTERNET.bmp";

    // `clock` must outlive the dialog; it carries the pause that keeps the bright lamp in view.
    // `programFolder` is where the optional picture is looked for; empty means the
    // application's own folder.
    explicit UrlEntryDialog(Clock& clock, const std::string& programFolder = {},
                            QWidget* parent = nullptr);
    ~UrlEntryDialog() override;

    // Empty until the dialog ends, and empty when it was cancelled.
    const std::string& Result() const { return result_; }

    QLineEdit* AddressField() const { return address_; }
    GradientButton* OpenButton() const { return open_; }
    GradientButton* CancelButton() const { return cancel_; }
    IndicatorLight* Lamp() const { return lamp_; }

  public Q_SLOTS:
    void reject() override;

  private:
    void OpenSite();

    Clock& clock_;
    std::string result_;
    QLineEdit* address_ = nullptr;
    GradientButton* open_ = nullptr;
    GradientButton* cancel_ = nullptr;
    IndicatorLight* lamp_ = nullptr;
};

}  // namespace quivlane
