#pragma once

#include <optional>
#include <string>

#include "platform/autostart/Registry.h"

namespace quivlane {

// The current user's "Run" key as the desktop's autostart folder: each value is an entry
// $XDG_CONFIG_HOME/autostart/<value name>.desktop whose Exec= runs the value's program path.
// An empty value stays as an entry marked Hidden=true, which desktops skip. Other keys are
// not carried.
class XdgAutostartRegistry final : public Registry {
  public:
    static constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

    // Finds the folder from the environment at each call.
    XdgAutostartRegistry();
    // Uses configHome in place of $XDG_CONFIG_HOME.
    explicit XdgAutostartRegistry(std::string configHome);

    std::optional<std::string> ReadString(const std::string& subkey,
                                          const std::string& valueName) override;
    // Refuses values holding control characters, which a desktop entry cannot carry.
    bool WriteString(const std::string& subkey, const std::string& valueName,
                     const std::string& value) override;

    // The entry file, or the key and name when there is none for them.
    std::string Location(const std::string& subkey, const std::string& valueName) const override;

    // The entry file of a value, or "" when the key or the name cannot be carried.
    std::string EntryPath(const std::string& subkey, const std::string& valueName) const;

    // The Exec= text that runs path as one program, quoted and escaped as desktop entries
    // require, and its inverse.
    static std::string ExecLine(const std::string& path);
    static std::string PathFromExecLine(const std::string& exec);

  private:
    std::string ConfigHome() const;

    std::optional<std::string> configHome_;
};

}  // namespace quivlane
