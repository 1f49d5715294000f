#pragma once

#include <string>

namespace quivlane {

// Where each program finds the configuration file and the optional files that go with it.
class ConfigPaths {
  public:
    enum class Program { Launcher, Editor };

    // The user's folders as the environment gives them.
    struct UserFolders {
        std::string configHome;  // $XDG_CONFIG_HOME, used only when absolute
        std::string home;        // $HOME, or the password database's entry
        static UserFolders FromEnvironment();
    };

    // The one decision both programs share. The file beside the program (ForLauncher,
    // ForEditor) when it exists or when the program's folder may be written: a portable
    // copy keeps working as it always did. Otherwise the per-user file
    // <config home>/Quivlane/Quivlane.xml, ~/.config when the variable is unset or relative.
    static std::string Locate(Program program, const std::string& programPath,
                              const UserFolders& folders);
    static std::string Locate(Program program, const std::string& programPath);

    // An optional picture or sound: beside the configuration file in use, else in the
    // installed data folder; "" when neither holds it.
    static std::string FindDataFile(const std::string& configPath, const std::string& name,
                                    const std::string& dataFolder = InstalledDataFolder());
    // The folder (ending in "/") where FindDataFile finds `name`, or "" — for dialogs that take
    // a folder for their picture.
    static std::string FindDataFolder(const std::string& configPath, const std::string& name);
    // <prefix>/share/quivlane as the build was configured.
    static std::string InstalledDataFolder();

    // "Quivlane" (or "Quivlane.exe") -> "Quivlane.xml" beside it. Another name gets its own
    // path with the extension "ini" (".exe" overwritten, otherwise appended), which the
    // launcher does not find and so runs with its defaults.
    static std::string ForLauncher(const std::string& programPath);
    // "Quivset" (or "Quivset.exe") -> "Quivlane.xml" beside it; another name keeps its path.
    static std::string ForEditor(const std::string& programPath);
};

}  // namespace quivlane
