#include "platform/shell/PosixProcessStarter.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/support/StandInCommands.h"

namespace quivlane {
namespace {

using test::PollUntil;
using test::ReadFile;
using test::StandInCommands;

// Our standard output and error go to a file for as long as this lives.
class CapturedOutput {
  public:
    explicit CapturedOutput(const std::string& path) {
        std::fflush(stdout);
        std::fflush(stderr);
        fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        savedOut_ = dup(1);
        savedErr_ = dup(2);
        dup2(fd_, 1);
        dup2(fd_, 2);
    }
    ~CapturedOutput() {
        dup2(savedOut_, 1);
        dup2(savedErr_, 2);
        close(savedOut_);
        close(savedErr_);
        close(fd_);
    }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

  private:
    int fd_ = -1;
    int savedOut_ = -1;
    int savedErr_ = -1;
};

bool IsGoneOrNotOurZombie(int pid) {
    std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    if (stat.empty()) {
        return true;
    }
    std::size_t close = stat.rfind(')');
    return close == std::string::npos || stat.substr(close + 2, 1) != "Z";
}

TEST(PosixProcessStarterTest, DetachedChildKeepsNoStreamsOfOursAndIsReaped) {
    StandInCommands commands;
    std::string tool = commands.Add("tool");
    std::string captured = commands.Dir().File("captured");
    {
        CapturedOutput capture(captured);
        PosixProcessStarter starter;
        ASSERT_TRUE(starter.StartDetached({tool, "a"}, {}));
        ASSERT_TRUE(commands.WaitFor("tool"));
    }
    auto record = commands.WaitFor("tool");
    ASSERT_GT(record->pid, 0);
    EXPECT_EQ(ReadFile(captured).find("stand-in"), std::string::npos);
    // Once it has ended, no zombie of it may stay behind.
    EXPECT_TRUE(PollUntil([&] { return IsGoneOrNotOurZombie(record->pid); }));
}

TEST(PosixProcessStarterTest, WorkingDirectoryIsSetOnlyWhenGiven) {
    StandInCommands commands;
    std::string tool = commands.Add("tool");
    PosixProcessStarter starter;
    ASSERT_TRUE(starter.StartDetached({tool}, "/"));
    auto record = commands.WaitFor("tool");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->workingDirectory, "/");

    EXPECT_FALSE(starter.StartDetached({tool}, commands.Dir().File("no such folder")));
    EXPECT_FALSE(starter.StartDetached({}, {}));
    EXPECT_FALSE(starter.StartDetached({commands.Dir().File("missing")}, {}));
}

TEST(PosixProcessStarterTest, RunAndWaitGivesTheExitStatus) {
    StandInCommands commands;
    std::string three = commands.AddRaw("three", "#!/bin/sh\nexit 3\n");
    std::string zero = commands.AddRaw("zero", "#!/bin/sh\nexit 0\n");
    PosixProcessStarter starter;
    EXPECT_EQ(starter.RunAndWait({three}), 3);
    EXPECT_EQ(starter.RunAndWait({zero}), 0);
    EXPECT_EQ(starter.RunAndWait({commands.Dir().File("missing")}), -1);
}

}  // namespace
}  // namespace quivlane
