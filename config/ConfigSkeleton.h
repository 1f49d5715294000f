#pragma once

#include <string>

namespace quivlane {

// The file the editor creates when there is none: switches and nineteen buttons, all empty.
class ConfigSkeleton {
  public:
    // The exact bytes: plain ASCII, no line breaks, no COULEURTEXTE elements.
    static std::string Text();
    // Creates path with Text(), and its missing folders. Never replaces an existing file (the other
    // program may have just created it); false when the file exists or cannot be written whole.
    static bool Write(const std::string& path);
};

// Shorthand for ConfigSkeleton::Write.
bool WriteSkeleton(const std::string& path);

}  // namespace quivlane
