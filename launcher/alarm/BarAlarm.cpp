#include "launcher/alarm/BarAlarm.h"

#include "launcher/alarm/AlarmDialog.h"

namespace quivlane {

BarAlarm::BarAlarm(SettingsStore& store, const std::string& programFolder, QWidget* parent)
    : store_(store), programFolder_(programFolder), parent_(parent) {}

std::string BarAlarm::RunAlarmDialog(int buttonId, const std::string& configPath) {
    AlarmDialog dialog(store_, configPath, buttonId, programFolder_, parent_);
    dialog.exec();
    return dialog.Result();
}

}  // namespace quivlane
