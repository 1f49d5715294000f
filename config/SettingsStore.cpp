#include "config/SettingsStore.h"

namespace quivlane {

namespace {

// No XML text can hold this control character, so no element reads as it.
constexpr const char* kAbsent = "\x01";

}  // namespace

int SettingsStore::ChangeValue(const std::string& section, const std::string& key,
                               const ValueChange& change) {
    const std::string read = GetValue(section, key, kAbsent);
    const std::optional<std::string> current =
        read == kAbsent ? std::nullopt : std::optional<std::string>(read);
    const std::optional<std::string> next = change(current);
    return next ? SetValue(section, key, *next) : kKept;
}

int SettingsStore::MergeValue(const std::string& section, const std::string& key,
                              const std::string& readValue, const std::string& value) {
    return ChangeValue(
        section, key, [&](const std::optional<std::string>& current) -> std::optional<std::string> {
            if (value == readValue && current && *current != readValue) {
                return std::nullopt;
            }
            return value;
        });
}

}  // namespace quivlane
