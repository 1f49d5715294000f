#pragma once

#include <string>

namespace quivlane {

// Section/key access to a settings file; the configuration readers work on this so that callers
// can hand in a double.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual void SetPath(const std::string& path) = 0;
    virtual std::string GetValue(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) = 0;
    // 0 when written and saved; negative codes as XmlSettingsStore documents them.
    virtual int SetValue(const std::string& section, const std::string& key,
                         const std::string& value) = 0;
};

}  // namespace quivlane
