#pragma once

#include <string>
#include <vector>

#include "platform/shell/ProcessStarter.h"

namespace quivlane::test {

// Records what would be started; starts nothing.
class RecordingProcessStarter final : public ProcessStarter {
  public:
    struct Call {
        std::vector<std::string> argv;
        std::string workingDirectory;
        bool waited;
    };
    bool StartDetached(const std::vector<std::string>& argv,
                       const std::string& workingDirectory) override {
        calls.push_back({argv, workingDirectory, false});
        return startResult;
    }
    int RunAndWait(const std::vector<std::string>& argv) override {
        calls.push_back({argv, {}, true});
        return exitStatus;
    }

    std::vector<Call> calls;
    bool startResult = true;
    int exitStatus = 0;
};

}  // namespace quivlane::test
