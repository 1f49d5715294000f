#pragma once

#include <string>

namespace quivlane {

// The alarm dialog of an alarm button.
class AlarmPort {
  public:
    virtual ~AlarmPort() = default;
    // Runs the dialog modally and returns "" (nothing changed), "ANNULEE" (alarm deleted)
    // or the new time "HH:MM". The dialog writes the file itself.
    virtual std::string RunAlarmDialog(int buttonId, const std::string& configPath) = 0;
};

}  // namespace quivlane
