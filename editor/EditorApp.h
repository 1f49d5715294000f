#pragma once

#include <string>

namespace quivlane {

// The program: builds the real ports, runs the editor's dialog modally, ends with it.
class EditorApp {
  public:
    // modulePath: the running program's full path; the configuration lies beside it.
    int Run(const std::string& modulePath);
};

}  // namespace quivlane
