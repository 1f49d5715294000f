#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quivlane {

// The editor's catalogue of the launcher's built-in actions, in list order: the position in
// the list is the key, so the order must not change.
class SystemFunctions {
  public:
    static constexpr int kCount = 39;
    static constexpr int kAlarm = 0;
    static constexpr int kMagnifier = 9;

    // The French name shown in the list; empty outside 0 ... kCount - 1.
    static std::string_view DisplayName(int position);
    // The link the entry writes: its keyword, or for the magnifier the path given.
    // Empty outside 0 ... kCount - 1.
    static std::string Link(int position, const std::string& magnifierPath);
};

}  // namespace quivlane
