#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quivlane {

// Section/key access to a settings file; the configuration readers work on this so that callers
// can hand in a double.
class SettingsStore {
  public:
    // What ChangeValue hands to its change: the element's text, or nullopt when it is absent.
    // The change returns the text to write, or nullopt to leave the file alone.
    using ValueChange =
        std::function<std::optional<std::string>(const std::optional<std::string>& current)>;
    // ChangeValue's result when the change left the file alone.
    static constexpr int kKept = 1;

    virtual ~SettingsStore() = default;
    virtual void SetPath(const std::string& path) = 0;
    virtual std::string GetValue(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) = 0;
    // 0 when written and saved; negative codes as XmlSettingsStore documents them.
    virtual int SetValue(const std::string& section, const std::string& key,
                         const std::string& value) = 0;

    // Reads a value and writes what `change` makes of it as one step that no other program
    // writing the file can come between. Returns SetValue's codes, or kKept.
    virtual int ChangeValue(const std::string& section, const std::string& key,
                            const ValueChange& change);

    // Saves a field that was shown as `readValue`: `value` is written, except that a field
    // left as it was read keeps what another program has saved there since (so the editor
    // never puts back an alarm time the bar has just changed).
    int MergeValue(const std::string& section, const std::string& key, const std::string& readValue,
                   const std::string& value);
};

}  // namespace quivlane
