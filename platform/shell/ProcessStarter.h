#pragma once

#include <string>
#include <vector>

namespace quivlane {

// Starting host programs from an argument vector (never through a shell). A port, so that
// tests can see what would be started without starting it.
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // Starts argv[0] (a path) detached from us; false when it cannot be started.
    // An empty working directory keeps ours.
    virtual bool StartDetached(const std::vector<std::string>& argv,
                               const std::string& workingDirectory) = 0;
    // Runs argv[0] (a path) to its end; its exit status, or -1 when it could not run.
    virtual int RunAndWait(const std::vector<std::string>& argv) = 0;
};

}  // namespace quivlane
