#pragma once

#include <string>

namespace quivlane {

// Section/key reads of the configuration file, as the bar needs them.
class SettingsSource {
  public:
    virtual ~SettingsSource() = default;
    virtual void SetPath(const std::string& path) = 0;
    // The default when the value is absent or the file cannot be used.
    virtual std::string GetValue(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) = 0;
};

}  // namespace quivlane
