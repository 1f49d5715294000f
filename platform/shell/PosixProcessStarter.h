#pragma once

#include "platform/shell/ProcessStarter.h"

namespace quivlane {

// posix_spawn with the child's standard streams on /dev/null, in a session of its own, with
// default signal handling. Detached children are reaped, so none is left as a zombie.
class PosixProcessStarter final : public ProcessStarter {
  public:
    bool StartDetached(const std::vector<std::string>& argv,
                       const std::string& workingDirectory) override;
    int RunAndWait(const std::vector<std::string>& argv) override;
};

}  // namespace quivlane
