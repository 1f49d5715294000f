#pragma once

#include <string>

namespace quivlane {

// Finding host programs the way a shell would, but without one.
class CommandLookup {
  public:
    // A regular file that we may execute.
    static bool IsExecutableFile(const std::string& path);
    // The first executable `name` in the directories of `searchPath` (colon-separated, an
    // empty entry meaning the current directory); empty when there is none. A name with a
    // "/" is taken as a path.
    static std::string Find(const std::string& name, const std::string& searchPath);
    // As Find, with the PATH of the environment at the time of the call.
    static std::string FindOnPath(const std::string& name);
    // The folder of the running program, without a trailing "/"; empty when unknown.
    static std::string ProgramFolder();
};

}  // namespace quivlane
