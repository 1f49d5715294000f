#pragma once

#include <optional>
#include <string>

namespace quivlane {

// String values under the current user's settings, addressed like the registry: a subkey
// ("Software\Microsoft\Windows\CurrentVersion\Run") and a value name ("Quivlane").
// A host may carry only the subkeys it knows; others fail.
class Registry {
  public:
    virtual ~Registry() = default;
    // The value's data; nullopt when the key or the value does not exist or cannot be read.
    virtual std::optional<std::string> ReadString(const std::string& subkey,
                                                  const std::string& valueName) = 0;
    // Creates the key when needed and stores the value; false when refused.
    virtual bool WriteString(const std::string& subkey, const std::string& valueName,
                             const std::string& value) = 0;
    // Where the value is kept, as the user would look for it.
    virtual std::string Location(const std::string& subkey, const std::string& valueName) const {
        return subkey + "\\" + valueName;
    }
};

}  // namespace quivlane
