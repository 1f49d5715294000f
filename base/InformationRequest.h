#pragma once

#include <cstdio>
#include <string_view>

namespace quivlane {

// What a program says of itself on --help and --version.
struct ProgramInformation {
    std::string_view name;
    std::string_view version;
    std::string_view summary;  // lines ending in "\n", put before where the file lives
    std::string_view notes;    // further lines ending in "\n", put after it; may be empty
};

// Prints the help or the version to `out` when an argument asks for one and returns true;
// false when none does (every other argument is ignored). Answered before the window system is
// touched, so both work without a display.
bool AnswerInformationRequest(int argc, const char* const argv[], const ProgramInformation& program,
                              std::FILE* out = stdout);

}  // namespace quivlane
