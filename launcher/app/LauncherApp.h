#pragma once

#include <string>

namespace quivlane {

// The program: picks the window system, builds the real ports, runs the bar modally, ends.
class LauncherApp {
  public:
    // Before the QApplication exists: prefer X11 (through XWayland when needed), since
    // placement, stay-on-top and the shaped window depend on it.
    // A platform chosen by QT_QPA_PLATFORM or "-platform" is left alone.
    static void ChooseWindowSystem(int argc, char* argv[]);
    // Runs the bar; the program's exit code.
    int Run(const std::string& programPath);
};

}  // namespace quivlane
