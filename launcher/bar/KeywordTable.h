#pragma once

#include <span>
#include <string_view>

namespace quivlane {

// What a keyword of the built-in branch does.
enum class KeywordAction {
    AlarmDialog,  // matched on its first 14 characters
    HideToTray,
    StartProgram,  // program and parameters below, handed to the Shell as they are
    UrlEntry,
    AskShutDown,
    ShutDown,
};

struct KeywordRow {
    std::string_view keyword;
    KeywordAction action;
    std::string_view program;
    std::string_view parameters;
};

// The keywords of the built-in branch, in the order they are tested. Programs are the
// KeywordPrograms calls, which the host Shell maps to its own equivalents.
class KeywordTable {
  public:
    static std::span<const KeywordRow> Rows();
    // True when the row applies to the link (a whole-link match, or a prefix for the alarm).
    static bool Matches(const KeywordRow& row, std::string_view link);
};

}  // namespace quivlane
