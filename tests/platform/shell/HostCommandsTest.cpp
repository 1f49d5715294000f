#include "platform/shell/HostCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <utility>

namespace quivlane {
namespace {

using P = KeywordPrograms;

std::vector<HostCommand> Candidates(ProgramCall call) {
    return HostCommands::Candidates(call.program, call.parameters);
}

std::vector<std::string> FirstWords(const std::vector<HostCommand>& candidates) {
    std::vector<std::string> words;
    for (const HostCommand& c : candidates) {
        words.push_back(c.argv.at(0));
    }
    return words;
}

// Which keywords reach these rows is checked beside the keyword table; here, that a lookup
// can never land on a second row shadowed by the first.
TEST(HostCommandsTest, NoProgramHasTwoRows) {
    std::set<std::pair<std::string_view, std::string_view>> seen;
    for (const HostCommandRow& row : HostCommands::Rows()) {
        EXPECT_TRUE(seen.insert({row.call.program, row.call.parameters}).second)
            << "twice: " << row.call.program << " [" << row.call.parameters << "]";
    }
}

TEST(HostCommandsTest, CandidatesAreCommandNamesWithArguments) {
    for (const HostCommandRow& row : HostCommands::Rows()) {
        for (const HostCommand& c : row.candidates) {
            ASSERT_FALSE(c.argv.empty()) << row.call.parameters;
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
    EXPECT_EQ(HostCommands::Find(P::kRundll, "shell32,Control_RunDLL main.cpl,,0"), nullptr);
    EXPECT_EQ(HostCommands::Find("CALC.EXE", ""), nullptr);
    EXPECT_EQ(HostCommands::Find(P::kCalculator.program, " "), nullptr);
    EXPECT_EQ(HostCommands::Find("calc", ""), nullptr);
    EXPECT_TRUE(HostCommands::Candidates("winword.exe", "").empty());
}

TEST(HostCommandsTest, RowsMapToTheirHostEquivalentsInOrder) {
    EXPECT_EQ(FirstWords(Candidates(P::kCalculator)),
              (std::vector<std::string>{"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                        "xcalc"}));

    auto console = Candidates(P::kConsole);
    ASSERT_FALSE(console.empty());
    EXPECT_EQ(console.front().argv.front(), "x-terminal-emulator");
    for (const HostCommand& c : console) {
        EXPECT_EQ(c.workingDirectory, "/") << c.argv.front();
    }

    auto bin = Candidates(P::kRecycleBin);
    ASSERT_FALSE(bin.empty());
    EXPECT_EQ(bin.front().argv, (std::vector<std::string>{"xdg-open", "trash:///"}));

    auto mouse = Candidates(P::kMouse);
    ASSERT_FALSE(mouse.empty());
    EXPECT_EQ(mouse.front().argv, (std::vector<std::string>{"gnome-control-center", "mouse"}));

    auto magnifier = Candidates(P::kMagnifier);
    ASSERT_GE(magnifier.size(), 2u);
    EXPECT_EQ(magnifier[0].argv, std::vector<std::string>{"qvlmg"});
    EXPECT_TRUE(magnifier[0].besideProgram);
    EXPECT_EQ(magnifier[1].argv, std::vector<std::string>{"qvlmg"});
    EXPECT_FALSE(magnifier[1].besideProgram);
}

TEST(HostCommandsTest, NetworkRowsShowIpOutputAndNeedIp) {
    auto plain = Candidates(P::kIpAddress);
    auto details = Candidates(P::kIpDetails);
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
