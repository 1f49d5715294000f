#pragma once

#include <string>

namespace quivlane {

// The files the editor finds beside itself, derived from its own path by replacing its file
// name, as the configuration file is. A program under another name keeps its own path.
class EditorPaths {
  public:
    // "Quivlane.xml" beside the editor.
    static std::string ConfigPath(const std::string& modulePath);
    // The magnifier "qvlmg" beside the editor.
    static std::string MagnifierPath(const std::string& modulePath);
    // The launcher "Quivlane" beside the editor, as the log-on start runs it.
    static std::string LauncherPath(const std::string& modulePath);
};

}  // namespace quivlane
