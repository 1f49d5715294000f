#include "launcher/alarm/AlarmRules.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

#include "config/ConfigFile.h"
#include "config/LinkFormats.h"

namespace quivlane {

namespace {

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2.2d", value);
    return buffer;
}

bool IsTwoDigitsUpTo(const std::string& text, int highest) {
    return text.size() == 2 && text[0] >= '0' && text[0] <= '9' && text[1] >= '0' &&
           text[1] <= '9' && (text[0] - '0') * 10 + (text[1] - '0') <= highest;
}

std::string ProperOr(const std::string& text, int highest, int position) {
    return IsTwoDigitsUpTo(text, highest) ? text : TwoDigits(position);
}

}  // namespace

void AlarmRules::Reset() {
    hourText_ = "00";
    minuteText_ = "00";
}

void AlarmRules::LoadFromLink(const std::string& link) {
    const std::optional<LinkFormats::AlarmFields> fields = LinkFormats::AlarmTimeFields(link);
    if (!fields) {
        return;
    }
    hourText_ = fields->hour;
    minuteText_ = fields->minute;
    // A damaged time is shown as the one that accepting would store, not as it stands.
    hourText_ = ProperOr(hourText_, kMaxHour, HourPosition());
    minuteText_ = ProperOr(minuteText_, kMaxMinute, MinutePosition());
}

void AlarmRules::HourMoved(int position) {
    hourText_ = TwoDigits(position);
}

void AlarmRules::MinuteMoved(int position) {
    minuteText_ = TwoDigits(position);
}

int AlarmRules::HourPosition() const {
    return std::clamp(DecimalValue(hourText_), 0, kMaxHour);
}

int AlarmRules::MinutePosition() const {
    return std::clamp(DecimalValue(minuteText_), 0, kMaxMinute);
}

std::string AlarmRules::DisplayText() const {
    return "     " + hourText_ + ";" + minuteText_ + "    ";
}

std::string AlarmRules::AcceptedTime() const {
    // A damaged stored time would otherwise be written back as an alarm that never rings.
    return ProperOr(hourText_, kMaxHour, HourPosition()) + ":" +
           ProperOr(minuteText_, kMaxMinute, MinutePosition());
}

std::string AlarmRules::SectionOf(int buttonId) {
    return ButtonSection(buttonId - config::kFirstButtonId + 1);
}

int AlarmRules::DecimalValue(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<long long>(value * 10 + (text[i] - '0'), std::numeric_limits<int>::max());
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {

// The link is read again under the file's lock: if the editor has since made the button
// something else, the alarm must not overwrite it.
SettingsStore::ValueChange StillAnAlarm(std::string link) {
    return [link = std::move(link)](const std::optional<std::string>& current) {
        return current && !LinkFormats::IsAlarmLink(*current) ? std::nullopt
                                                              : std::optional<std::string>(link);
    };
}

}  // namespace

void AlarmRules::Load(SettingsStore& store, const std::string& configPath, int buttonId) {
    Reset();
    store.SetPath(configPath);
    LoadFromLink(store.GetValue(SectionOf(buttonId), config::kLien, ""));
}

std::string AlarmRules::Accept(SettingsStore& store, const std::string& configPath,
                               int buttonId) const {
    const std::string time = AcceptedTime();
    store.SetPath(configPath);
    store.ChangeValue(SectionOf(buttonId), config::kLien,
                      StillAnAlarm(LinkFormats::FormatAlarmLink(time)));
    return time;
}

std::string AlarmRules::Delete(SettingsStore& store, const std::string& configPath, int buttonId) {
    store.SetPath(configPath);
    store.ChangeValue(SectionOf(buttonId), config::kLien,
                      StillAnAlarm(std::string(LinkFormats::kAlarmKeyword)));
    return kDeleted;
}

}  // namespace quivlane
