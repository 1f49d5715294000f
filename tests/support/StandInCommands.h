#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace quivlane::test {

// A private PATH of stand-in commands. Each stand-in is a small sh script that writes its
// working directory, process id and arguments to a record file and exits; PATH holds only
// the stand-ins' folder while the object lives.
class StandInCommands {
  public:
    StandInCommands();
    ~StandInCommands();
    StandInCommands(const StandInCommands&) = delete;
    StandInCommands& operator=(const StandInCommands&) = delete;

    // Adds a recording stand-in called `name` to the PATH folder; returns its path.
    std::string Add(const std::string& name);
    // A recording script at `path`, anywhere.
    void WriteRecorder(const std::string& path, const std::string& name) const;
    // Adds an executable file with the given contents (for commands that must fail).
    std::string AddRaw(const std::string& name, const std::string& contents);

    struct Record {
        std::string workingDirectory;
        int pid = 0;
        std::vector<std::string> args;  // without argv[0]
    };
    // Waits (bounded) until the stand-in called `name` has written its record.
    std::optional<Record> WaitFor(const std::string& name) const;
    bool Ran(const std::string& name) const;

    const std::string& Folder() const { return folder_; }
    const TempDir& Dir() const { return dir_; }

  private:
    std::string RecordPath(const std::string& name) const;

    TempDir dir_;
    std::string folder_;
    std::optional<std::string> savedPath_;
};

// Polls `ready` every few milliseconds for up to `limitMs`; true when it became true.
template <typename Predicate>
bool PollUntil(Predicate ready, int limitMs = 10000);

void SleepMs(int ms);

template <typename Predicate>
bool PollUntil(Predicate ready, int limitMs) {
    for (int waited = 0; waited < limitMs; waited += 10) {
        if (ready()) {
            return true;
        }
        SleepMs(10);
    }
    return ready();
}

}  // namespace quivlane::test
