#pragma once

#include <string>

#include "platform/autostart/Registry.h"

namespace quivlane {

// One string value of the current user's registry, addressed by a path whose last
// backslash separates the key from the value name. Reads at construction.
class RegistryValue {
  public:
    RegistryValue(Registry& registry, const std::string& path, const std::string& defaultValue,
                  bool forceWrite);

    // Stores and writes value when it differs from the current one or writing is forced.
    void Set(const std::string& value);
    // Writes the current value.
    void Write();

    const std::string& Subkey() const { return subkey_; }
    const std::string& ValueName() const { return valueName_; }
    // As last read or written; empty when reading failed.
    const std::string& CurrentValue() const { return currentValue_; }
    const std::string& DefaultValue() const { return defaultValue_; }
    // The last read or write succeeded.
    bool Done() const { return done_; }

  private:
    void Read();

    Registry& registry_;
    std::string subkey_;
    std::string valueName_;
    std::string currentValue_;
    std::string defaultValue_;
    bool done_ = false;
    bool forceWrite_;
};

}  // namespace quivlane
