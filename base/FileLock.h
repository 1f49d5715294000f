#pragma once

#include <chrono>
#include <string>

#include "base/UniqueFd.h"

namespace quivlane {

// An advisory lock (flock) that makes one program's load-change-save of a file a single step
// for the other programs that take it too. It lives on a hidden lock file beside the file,
// ".<name>.lock", because a save replaces the file itself; where that lock file can be neither
// opened nor created, the file itself is locked. Released on destruction.
class FileLock {
  public:
    enum class Mode { Shared, Exclusive };
    enum class State {
        Held,
        Busy,         // someone else kept it for longer than the patience given
        Unavailable,  // nothing to lock (no lock file, no file): nobody can be writing
    };

    // `path` is the file as written, symbolic links already followed. Waits at most `patience`
    // so that a program's window never stalls for more than a moment.
    FileLock(const std::string& path, Mode mode, std::chrono::milliseconds patience);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    State GetState() const { return state_; }
    static std::string LockFileFor(const std::string& path);

  private:
    UniqueFd fd_;
    State state_ = State::Unavailable;
};

}  // namespace quivlane
