#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/shell/KeywordPrograms.h"

namespace quivlane {

// One way of doing, on this host, what a program of the keyword table does elsewhere.
struct HostCommand {
    // argv[0] is a command name looked up on PATH when the command is started.
    std::vector<std::string> argv;
    // Other commands that must be installed too (for example the one a terminal runs).
    std::vector<std::string> needs;
    // Empty: the caller's working directory.
    std::string workingDirectory;
    // Looked for in the running program's folder before PATH.
    bool besideProgram = false;
};

// A program the keyword table starts, with the host commands that stand in for it, best
// first. No candidates: the host has no equivalent.
struct HostCommandRow {
    ProgramCall call;
    std::vector<HostCommand> candidates;
};

// The table of host equivalents, kept as data so that it can be read and tested as such.
class HostCommands {
  public:
    static const std::vector<HostCommandRow>& Rows();
    // The row for an exact (program, parameters) pair; null when the table has none.
    static const HostCommandRow* Find(std::string_view program, std::string_view parameters);
    // The candidates of that row (empty when there is no row or no equivalent).
    static std::vector<HostCommand> Candidates(std::string_view program,
                                               std::string_view parameters);
};

}  // namespace quivlane
