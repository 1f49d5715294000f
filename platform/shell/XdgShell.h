#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/shell/HostCommands.h"
#include "platform/shell/ProcessStarter.h"
#include "platform/shell/Shell.h"

namespace quivlane {

// The desktop shell on a freedesktop host: xdg-open for documents, folders and addresses,
// real programs (ELF or "#!") started directly, keyword-table programs through HostCommands.
// Commands are looked up on PATH at each call, so a newly installed tool is found.
class XdgShell final : public Shell {
  public:
    // Real processes; helper programs are looked for beside the running program.
    XdgShell();
    // `starter` must outlive the shell. An empty `programFolder` means the running program's.
    XdgShell(ProcessStarter& starter, std::string programFolder);
    ~XdgShell() override;

    bool Open(const std::string& link) override;
    bool OpenInBrowser(const std::string& link) override;
    bool Start(const std::string& program, const std::string& parameters) override;

    // The argument vector (with argv[0] resolved to a path) and working directory that
    // Start would use; empty argv when nothing is installed.
    struct Resolved {
        std::vector<std::string> argv;
        std::string workingDirectory;
    };
    Resolved Resolve(const std::vector<HostCommand>& candidates) const;

  private:
    std::unique_ptr<ProcessStarter> ownStarter_;
    ProcessStarter& starter_;
    std::string programFolder_;
};

}  // namespace quivlane
