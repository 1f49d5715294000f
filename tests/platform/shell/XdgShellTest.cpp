#include "platform/shell/XdgShell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/shell/PosixProcessStarter.h"
#include "tests/support/RecordingProcessStarter.h"
#include "tests/support/StandInCommands.h"

namespace quivlane {
namespace {

using test::RecordingProcessStarter;
using test::StandInCommands;
using Args = std::vector<std::string>;
using P = KeywordPrograms;

bool Start(Shell& shell, ProgramCall call) {
    return shell.Start(std::string(call.program), std::string(call.parameters));
}

class XdgShellTest : public ::testing::Test {
  protected:
    XdgShellTest() {
        std::filesystem::create_directory(ProgramFolder());
        shell_ = std::make_unique<XdgShell>(starter_, ProgramFolder());
    }
    std::string ProgramFolder() const { return commands_.Dir().File("program"); }

    StandInCommands commands_;
    PosixProcessStarter starter_;
    std::unique_ptr<XdgShell> shell_;
};

TEST_F(XdgShellTest, OpenHandsAnythingButAProgramToXdgOpenIntact) {
    commands_.Add("xdg-open");
    // No shell in between: blanks, quotes and shell syntax arrive as one argument.
    const std::string target = "/tmp/My Folder/it's \"here\" $HOME; `true` & *";
    ASSERT_TRUE(shell_->Open(target));
    auto record = commands_.WaitFor("xdg-open");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, Args{target});

    std::filesystem::remove(commands_.Dir().File("xdg-open.record"));
    ASSERT_TRUE(shell_->Open("http://example.org/a b"));
    record = commands_.WaitFor("xdg-open");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, Args{"http://example.org/a b"});
}

TEST_F(XdgShellTest, OpenStartsAnExecutableFileItself) {
    commands_.Add("xdg-open");
    const std::string program = commands_.Dir().File("my tool");
    commands_.WriteRecorder(program, "my tool");
    ASSERT_TRUE(shell_->Open(program));
    auto record = commands_.WaitFor("my tool");
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->args.empty());
    EXPECT_FALSE(commands_.Ran("xdg-open"));

    // Named as on the host the link was written for.
    const std::string helper = commands_.Dir().File("qvlmg");
    commands_.WriteRecorder(helper, "qvlmg");
    ASSERT_TRUE(shell_->Open(helper + ".exe"));
    EXPECT_TRUE(commands_.WaitFor("qvlmg"));
    EXPECT_FALSE(commands_.Ran("xdg-open"));

    // Not executable: a document for xdg-open, even though it is a script.
    chmod(program.c_str(), 0644);
    ASSERT_TRUE(shell_->Open(program));
    record = commands_.WaitFor("xdg-open");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, Args{program});
}

TEST_F(XdgShellTest, OpenFailsWithoutXdgOpenOrWhenTheProgramCannotStart) {
    EXPECT_FALSE(shell_->Open("http://example.org"));
    EXPECT_FALSE(shell_->Open(""));
    // Executable but not a program: the start fails and says so.
    std::string broken = commands_.AddRaw("broken", std::string("\x7f"
                                                                "ELF garbage",
                                                                12));
    EXPECT_FALSE(shell_->Open(broken));
}

TEST_F(XdgShellTest, OnlyRealProgramsStartAndNoLinkReachesAnOpenerAsAnOption) {
    commands_.Add("xdg-open");
    // A document with execute bits, as on a FAT or NTFS drive.
    const std::string document = commands_.AddRaw("letter.txt", "Dear reader,\n");
    ASSERT_TRUE(shell_->Open(document));
    auto record = commands_.WaitFor("xdg-open");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, Args{document});

    // A program that will not start is still opened by the desktop.
    std::filesystem::remove(commands_.Dir().File("xdg-open.record"));
    const std::string broken = commands_.AddRaw("broken", std::string("\x7f"
                                                                      "ELF garbage",
                                                                      12));
    ASSERT_TRUE(shell_->Open(broken));
    record = commands_.WaitFor("xdg-open");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, Args{broken});

    // "-..." would be read as an option; the opener gets the same file by its absolute path.
    for (const std::string link : {"--help", "-x.html"}) {
        std::filesystem::remove(commands_.Dir().File("xdg-open.record"));
        ASSERT_TRUE(shell_->Open(link));
        record = commands_.WaitFor("xdg-open");
        ASSERT_TRUE(record);
        ASSERT_EQ(record->args.size(), 1U);
        EXPECT_EQ(record->args[0], (std::filesystem::current_path() / link).string());
    }
    std::filesystem::remove(commands_.Dir().File("xdg-open.record"));
    ASSERT_TRUE(shell_->OpenInBrowser("--version"));
    record = commands_.WaitFor("xdg-open");
    ASSERT_TRUE(record);
    ASSERT_EQ(record->args.size(), 1U);
    EXPECT_NE(record->args[0].front(), '-');
}

TEST_F(XdgShellTest, XdgOpenIsLookedUpAtEachCall) {
    EXPECT_FALSE(shell_->Open("/tmp"));
    commands_.Add("xdg-open");
    EXPECT_TRUE(shell_->Open("/tmp"));
    EXPECT_TRUE(commands_.WaitFor("xdg-open"));
}

TEST_F(XdgShellTest, BrowserFallsBackInOrder) {
    EXPECT_FALSE(shell_->OpenInBrowser("http://example.org"));
    commands_.Add("sensible-browser");
    commands_.Add("x-www-browser");
    ASSERT_TRUE(shell_->OpenInBrowser("http://example.org/?q=a b"));
    auto record = commands_.WaitFor("x-www-browser");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, Args{"http://example.org/?q=a b"});
    EXPECT_FALSE(commands_.Ran("sensible-browser"));
}

TEST_F(XdgShellTest, StartRunsTheFirstInstalledEquivalent) {
    commands_.Add("xcalc");
    commands_.Add("kcalc");
    ASSERT_TRUE(Start(*shell_, P::kCalculator));
    auto record = commands_.WaitFor("kcalc");
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->args.empty());
    EXPECT_FALSE(commands_.Ran("xcalc"));
}

TEST_F(XdgShellTest, StartPassesArgumentsAndWorkingDirectory) {
    commands_.Add("gnome-control-center");
    ASSERT_TRUE(Start(*shell_, P::kKeyboard));
    auto record = commands_.WaitFor("gnome-control-center");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->args, Args{"keyboard"});

    commands_.Add("xterm");
    ASSERT_TRUE(Start(*shell_, P::kConsole));
    record = commands_.WaitFor("xterm");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->workingDirectory, "/");
}

TEST_F(XdgShellTest, NothingInstalledStartsNothing) {
    RecordingProcessStarter recorder;
    XdgShell shell(recorder, ProgramFolder());
    EXPECT_FALSE(Start(shell, P::kCalculator));
    // A row without any equivalent, and a program the table does not know.
    commands_.Add("gnome-control-center");
    EXPECT_FALSE(Start(shell, P::kOdbc));
    EXPECT_FALSE(shell.Start("winword.exe", ""));
    EXPECT_FALSE(Start(shell, {P::kCalculator.program, "extra"}));
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(XdgShellTest, TerminalIsSkippedWhenWhatItRunsIsMissing) {
    RecordingProcessStarter recorder;
    XdgShell shell(recorder, ProgramFolder());
    commands_.Add("x-terminal-emulator");  // would need watch as well
    commands_.Add("xterm");
    EXPECT_FALSE(Start(shell, P::kIpDetails));  // no ip yet
    commands_.Add("ip");
    ASSERT_TRUE(Start(shell, P::kIpDetails));
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].argv,
              (Args{commands_.Folder() + "/xterm", "-hold", "-e", "ip", "-details", "address"}));

    commands_.Add("watch");
    ASSERT_TRUE(Start(shell, P::kIpAddress));
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].argv, (Args{commands_.Folder() + "/x-terminal-emulator", "-e",
                                            "watch", "-x", "ip", "address"}));
}

TEST_F(XdgShellTest, MagnifierIsFoundBesideTheProgramBeforePath) {
    RecordingProcessStarter recorder;
    XdgShell shell(recorder, ProgramFolder());
    EXPECT_FALSE(Start(shell, P::kMagnifier));
    commands_.Add("qvlmg");
    ASSERT_TRUE(Start(shell, P::kMagnifier));
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.calls[0].argv, Args{commands_.Folder() + "/qvlmg"});

    commands_.WriteRecorder(ProgramFolder() + "/qvlmg", "beside");
    ASSERT_TRUE(Start(shell, P::kMagnifier));
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].argv, Args{ProgramFolder() + "/qvlmg"});
}

}  // namespace
}  // namespace quivlane
