#pragma once

#include <string>

namespace quivlane {

// Where each program finds the configuration file, derived from its own path by replacing its
// file name. Only the file-name part is rewritten, so folders keep their names.
class ConfigPaths {
  public:
    // "Quivlane" (or "Quivlane.exe") -> "Quivlane.xml" beside it. Another name gets its own
    // path with the extension "ini" (".exe" overwritten, otherwise appended), which the
    // launcher does not find and so runs with its defaults.
    static std::string ForLauncher(const std::string& programPath);
    // "Quivset" (or "Quivset.exe") -> "Quivlane.xml" beside it; another name keeps its path.
    static std::string ForEditor(const std::string& programPath);
};

}  // namespace quivlane
