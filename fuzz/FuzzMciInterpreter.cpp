#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/cd/MciInterpreter.h"
#include "tests/support/FakePorts.h"
#include "tests/support/ForwardingCdDrive.h"
#include "tests/support/SimulatedCdDrive.h"

namespace {

using quivlane::CdDrive;
using quivlane::MciInterpreter;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

// Lines of the input are commands for the interpreter over a simulated three-track disc.
// A line "+n" lets n seconds pass, "!disc" takes the disc out or puts it back, "!fail" makes
// the drive refuse to play and to move its tray, "#n" sets the answer buffer size.
// Every answer fits its buffer, every error has a text, and every position read back can be
// sought to and reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quivlane::test::ManualClock clock;
    quivlane::test::SimulatedCdDrive drive(clock);
    drive.InsertDisc({180, 240, 30});
    MciInterpreter mci([&](const std::string& element) -> std::unique_ptr<CdDrive> {
        if (element == "none") {
            return nullptr;
        }
        return std::make_unique<quivlane::test::ForwardingCdDrive>(drive);
    });
    bool hasDisc = true;
    std::size_t answerSize = 64;

    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t begin = 0;
    while (begin <= input.size()) {
        std::size_t end = input.find('\n', begin);
        if (end == std::string::npos) {
            end = input.size();
        }
        const std::string line = input.substr(begin, end - begin);
        begin = end + 1;

        if (line.size() > 1 && line[0] == '+' && line.size() < 5) {
            clock.AdvanceSeconds(std::atoi(line.c_str() + 1));
            continue;
        }
        if (line == "!disc") {
            hasDisc = !hasDisc;
            if (hasDisc) {
                drive.InsertDisc({180, 240, 30});
            } else {
                drive.RemoveDisc();
            }
            continue;
        }
        if (line == "!fail") {
            drive.failPlay = !drive.failPlay;
            drive.failTray = drive.failPlay;
            continue;
        }
        if (line.size() > 1 && line[0] == '#' && line.size() < 5) {
            answerSize = static_cast<std::size_t>(std::atoi(line.c_str() + 1));
            continue;
        }

        std::string answer = "stale";
        const std::uint32_t code = mci.SendString(line, answer, answerSize);
        Check(answerSize == 0 ? answer.empty() : answer.size() < answerSize);
        if (code != 0) {
            Check(!mci.ErrorString(code).empty());
            Check(code == MciInterpreter::kParamOverflow || answer.empty());
            continue;
        }

        // "status <device> position" read back through a seek.
        std::vector<std::string> words;
        std::string word;
        for (const char c : line + " ") {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                if (!word.empty()) {
                    words.push_back(word);
                }
                word.clear();
            } else {
                word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            }
        }
        if (words.size() == 3 && words[0] == "status" && words[2] == "position") {
            std::string again;
            Check(mci.SendString("seek " + words[1] + " to " + answer, again, 64) == 0);
            Check(mci.SendString("status " + words[1] + " position", again, 64) == 0);
            Check(again == answer);
        }
    }
    return 0;
}
