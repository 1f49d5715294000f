#include "platform/shell/HostCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace quivlane {
namespace {

// Every program and parameter string that the bar's keyword table starts, byte for byte
// (double blanks included).
const std::vector<std::pair<std::string, std::string>> kKeywordPrograms = {
    {"qvlmg.exe", ""},
    {"rundll32.exe", "SHELL32.DLL,Control_RunDLL desk.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  main.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  main.cpl,@1,0"},
    {"sndvol32", ""},
    {"explorer.exe", " ::{2227A280-3AEA-1069-A2DE-08002B30309D}"},
    {"explorer.exe", " ::{645FF040-5081-101B-9F08-00AA002F954E}"},
    {"explorer.exe", " ::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {"rundll32.exe", "shell32,Control_RunDLL ,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  access.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  appwiz.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  inetcpl.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  intl.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  joy.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  mmsys.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  ncpa.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  nusrmgr.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  odbccp32.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  powercfg.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  sysdm.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  telephon.cpl,,0"},
    {"rundll32.exe", "shell32,Control_RunDLL  wuaucpl.cpl,,0"},
    {"cmd.exe", "/K CD \\"},
    {"cmd.exe", "/K ipconfig.exe"},
    {"cmd.exe", "/K ipconfig.exe /ALL"},
    {"calc.exe", ""},
    {"notepad.exe", ""},
    {"msconfig.exe", ""},
    {"regedit.exe", ""},
    {"rundll32.exe", "shell32,Control_RunDLL  timedate.cpl,,0"},
    {"rundll32.exe", "shell32, Control_RunDLLA hotplug.dll,,0"},
};

std::vector<std::string> FirstWords(const std::vector<HostCommand>& candidates) {
    std::vector<std::string> words;
    for (const HostCommand& c : candidates) {
        words.push_back(c.argv.at(0));
    }
    return words;
}

TEST(HostCommandsTest, EveryKeywordProgramHasExactlyOneRowAndNothingElseDoes) {
    std::set<std::pair<std::string, std::string>> seen;
    for (const HostCommandRow& row : HostCommands::Rows()) {
        EXPECT_TRUE(seen.insert({row.program, row.parameters}).second)
            << "twice: " << row.program << " [" << row.parameters << "]";
    }
    for (const auto& [program, parameters] : kKeywordPrograms) {
        EXPECT_NE(HostCommands::Find(program, parameters), nullptr)
            << program << " [" << parameters << "]";
    }
    EXPECT_EQ(HostCommands::Rows().size(), kKeywordPrograms.size());
}

TEST(HostCommandsTest, CandidatesAreCommandNamesWithArguments) {
    for (const HostCommandRow& row : HostCommands::Rows()) {
        for (const HostCommand& c : row.candidates) {
            ASSERT_FALSE(c.argv.empty()) << row.parameters;
            EXPECT_FALSE(c.argv.front().empty());
            // Names, not paths: they are looked up on PATH when started.
            EXPECT_EQ(c.argv.front().find('/'), std::string::npos) << c.argv.front();
            for (const std::string& arg : c.argv) {
                EXPECT_FALSE(arg.empty()) << c.argv.front();
            }
        }
    }
}

TEST(HostCommandsTest, LookupIsExact) {
    // A single blank where the table has two, another case, a trailing blank: no row.
    EXPECT_EQ(HostCommands::Find("rundll32.exe", "shell32,Control_RunDLL main.cpl,,0"), nullptr);
    EXPECT_EQ(HostCommands::Find("CALC.EXE", ""), nullptr);
    EXPECT_EQ(HostCommands::Find("calc.exe", " "), nullptr);
    EXPECT_EQ(HostCommands::Find("calc", ""), nullptr);
    EXPECT_TRUE(HostCommands::Candidates("winword.exe", "").empty());
}

TEST(HostCommandsTest, RowsMapToTheirHostEquivalentsInOrder) {
    EXPECT_EQ(FirstWords(HostCommands::Candidates("calc.exe", "")),
              (std::vector<std::string>{"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                        "xcalc"}));

    auto console = HostCommands::Candidates("cmd.exe", "/K CD \\");
    ASSERT_FALSE(console.empty());
    EXPECT_EQ(console.front().argv.front(), "x-terminal-emulator");
    for (const HostCommand& c : console) {
        EXPECT_EQ(c.workingDirectory, "/") << c.argv.front();
    }

    auto bin =
        HostCommands::Candidates("explorer.exe", " ::{645FF040-5081-101B-9F08-00AA002F954E}");
    ASSERT_FALSE(bin.empty());
    EXPECT_EQ(bin.front().argv, (std::vector<std::string>{"xdg-open", "trash:///"}));

    auto mouse = HostCommands::Candidates("rundll32.exe", "shell32,Control_RunDLL  main.cpl,,0");
    ASSERT_FALSE(mouse.empty());
    EXPECT_EQ(mouse.front().argv, (std::vector<std::string>{"gnome-control-center", "mouse"}));

    auto magnifier = HostCommands::Candidates("qvlmg.exe", "");
    ASSERT_GE(magnifier.size(), 2u);
    EXPECT_EQ(magnifier[0].argv, std::vector<std::string>{"qvlmg"});
    EXPECT_TRUE(magnifier[0].besideProgram);
    EXPECT_EQ(magnifier[1].argv, std::vector<std::string>{"qvlmg"});
    EXPECT_FALSE(magnifier[1].besideProgram);
}

TEST(HostCommandsTest, NetworkRowsShowIpOutputAndNeedIp) {
    auto plain = HostCommands::Candidates("cmd.exe", "/K ipconfig.exe");
    auto details = HostCommands::Candidates("cmd.exe", "/K ipconfig.exe /ALL");
    ASSERT_FALSE(plain.empty());
    ASSERT_EQ(plain.size(), details.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const auto& a = plain[i].argv;
        const auto& d = details[i].argv;
        ASSERT_GE(a.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(a.end() - 2, a.end()),
                  (std::vector<std::string>{"ip", "address"}));
        EXPECT_EQ(std::vector<std::string>(d.end() - 3, d.end()),
                  (std::vector<std::string>{"ip", "-details", "address"}));
        EXPECT_NE(std::find(plain[i].needs.begin(), plain[i].needs.end(), "ip"),
                  plain[i].needs.end());
    }
}

}  // namespace
}  // namespace quivlane
