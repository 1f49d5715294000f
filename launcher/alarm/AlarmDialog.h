#pragma once

#include <string>

#include "config/SettingsStore.h"
#include "controls/SkinnedDialog.h"
#include "launcher/alarm/AlarmRules.h"

namespace quivlane {

class GradientButton;
class MatrixDisplay;
class SkinnedSlider;

// The small skinned dialog in which the user sets or deletes the time of an alarm button. It
// writes the button's link itself; the caller reads Result() afterwards.
class AlarmDialog : public SkinnedDialog {
    Q_OBJECT

  public:
    static constexpr const char* kPictureFile = "FOND_QUIVLANE_ALARME.bmp";

    // `store` must outlive the dialog. `buttonId` is the clicked button's id (1000..1018).
    // `programFolder` is where the optional picture is looked for; empty means the
    // application's own folder.
    AlarmDialog(SettingsStore& store, const std::string& configPath, int buttonId,
                const std::string& programFolder = {}, QWidget* parent = nullptr);
    ~AlarmDialog() override;

    // "" (cancelled), "ANNULEE" (deleted) or "HH:MM" (set).
    const std::string& Result() const { return result_; }
    const AlarmRules& Rules() const { return rules_; }

    GradientButton* DeleteButton() const { return delete_; }
    GradientButton* CancelButton() const { return cancel_; }
    GradientButton* AcceptButton() const { return accept_; }
    SkinnedSlider* HourSlider() const { return hours_; }
    SkinnedSlider* MinuteSlider() const { return minutes_; }
    MatrixDisplay* TimeDisplay() const { return display_; }

  public Q_SLOTS:
    void reject() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildControls();
    void ShowTime();
    void AcceptAlarm();
    void DeleteAlarm();

    SettingsStore& store_;
    std::string configPath_;
    int buttonId_;
    std::string result_;
    AlarmRules rules_;
    GradientButton* delete_ = nullptr;
    GradientButton* cancel_ = nullptr;
    GradientButton* accept_ = nullptr;
    SkinnedSlider* minutes_ = nullptr;
    SkinnedSlider* hours_ = nullptr;
    MatrixDisplay* display_ = nullptr;
};

}  // namespace quivlane
