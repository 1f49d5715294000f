#include "editor/EditorPaths.h"

#include <string_view>

#include "config/ConfigPaths.h"

namespace quivlane {

namespace {

// Windows names carry ".exe"; here the programs have none, and helpers are looked up without
// it, so "Quivset.exe" becomes the bare replacement and "Quivset" does too.
std::string ReplaceProgramName(const std::string& modulePath, std::string_view replacement) {
    const auto slash = modulePath.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string folder = modulePath.substr(0, nameStart);
    std::string name = modulePath.substr(nameStart);
    constexpr std::string_view kWindowsName = "Quivset.exe";
    constexpr std::string_view kName = "Quivset";
    if (name.find(kWindowsName) != std::string::npos) {
        for (auto at = name.find(kWindowsName); at != std::string::npos;
             at = name.find(kWindowsName, at + replacement.size())) {
            name.replace(at, kWindowsName.size(), replacement);
        }
    } else if (name.size() >= kName.size() &&
               std::string_view(name).substr(name.size() - kName.size()) == kName) {
        name.replace(name.size() - kName.size(), kName.size(), replacement);
    }
    return folder + name;
}

}  // namespace

std::string EditorPaths::ConfigPath(const std::string& modulePath) {
    return ConfigPaths::Locate(ConfigPaths::Program::Editor, modulePath);
}

std::string EditorPaths::MagnifierPath(const std::string& modulePath) {
    return ReplaceProgramName(modulePath, "qvlmg");
}

std::string EditorPaths::LauncherPath(const std::string& modulePath) {
    return ReplaceProgramName(modulePath, "Quivlane");
}

}  // namespace quivlane
