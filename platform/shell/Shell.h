#pragma once

#include <string>

namespace quivlane {

// The desktop shell: opening documents, folders and addresses, starting programs.
class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a path or address the way the desktop's "open" verb does. False when refused.
    virtual bool Open(const std::string& target) = 0;
    // Opens an address in the user's default web browser.
    virtual bool OpenInBrowser(const std::string& address) = 0;
    // Starts a program by name with its parameters (one string, as a command line carries
    // them). The host maps the name to its own equivalent; false when there is none.
    virtual bool Start(const std::string& program, const std::string& parameters) = 0;
};

}  // namespace quivlane
