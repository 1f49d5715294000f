#pragma once

#include <string>

#include "config/SettingsStore.h"
#include "launcher/bar/AlarmPort.h"

class QWidget;

namespace quivlane {

// The bar's alarm button: one AlarmDialog per click, over the bar, sharing the bar's store.
class BarAlarm final : public AlarmPort {
  public:
    // `store` and `parent` must outlive this object; `programFolder` holds the optional
    // picture.
    BarAlarm(SettingsStore& store, const std::string& programFolder, QWidget* parent);

    std::string RunAlarmDialog(int buttonId, const std::string& configPath) override;

  private:
    SettingsStore& store_;
    std::string programFolder_;
    QWidget* parent_;
};

}  // namespace quivlane
