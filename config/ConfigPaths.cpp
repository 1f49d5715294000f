#include "config/ConfigPaths.h"

#include <string_view>

namespace quivlane {

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::size_t FileNameStart(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace

std::string ConfigPaths::ForLauncher(const std::string& programPath) {
    const std::size_t nameStart = FileNameStart(programPath);
    const std::string folder = programPath.substr(0, nameStart);
    std::string name = programPath.substr(nameStart);
    // A Windows-style name has its extension overwritten; a name without one gains it.
    if (EndsWith(name, ".exe")) {
        name.replace(name.size() - 3, 3, "ini");
    } else {
        name += ".ini";
    }
    ReplaceAll(name, "Quivlane.ini", "Quivlane.xml");
    return folder + name;
}

std::string ConfigPaths::ForEditor(const std::string& programPath) {
    const std::size_t nameStart = FileNameStart(programPath);
    const std::string folder = programPath.substr(0, nameStart);
    std::string name = programPath.substr(nameStart);
    if (name.find("Quivset.exe") != std::string::npos) {
        ReplaceAll(name, "Quivset.exe", "Quivlane.xml");
    } else if (EndsWith(name, "Quivset")) {
        name.replace(name.size() - 7, 7, "Quivlane.xml");
    }
    return folder + name;
}

}  // namespace quivlane
