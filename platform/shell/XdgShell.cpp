#include "platform/shell/XdgShell.h"

#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/shell/CommandLookup.h"
#include "platform/shell/PosixProcessStarter.h"

namespace quivlane {

XdgShell::XdgShell()
    : ownStarter_(std::make_unique<PosixProcessStarter>()),
      starter_(*ownStarter_),
      programFolder_(CommandLookup::ProgramFolder()) {}

XdgShell::XdgShell(ProcessStarter& starter, std::string programFolder)
    : starter_(starter),
      programFolder_(programFolder.empty() ? CommandLookup::ProgramFolder()
                                           : std::move(programFolder)) {}

XdgShell::~XdgShell() = default;

namespace {

// A target read as an option by the opener ("-x", "--help") is named by its absolute path,
// which names the same file and can never start with "-".
std::string NeverAnOption(const std::string& target) {
    if (target.empty() || target.front() != '-') {
        return target;
    }
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(target, error);
    return error ? "./" + target : absolute.string();
}

// Only a real program is started: the execute bit alone proves nothing (on FAT and NTFS
// drives every file carries it).
bool IsProgram(const std::string& path) {
    if (!CommandLookup::IsExecutableFile(path)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    char magic[4] = {};
    file.read(magic, sizeof magic);
    const std::streamsize got = file.gcount();
    return (got >= 2 && magic[0] == '#' && magic[1] == '!') ||
           (got == 4 && magic[0] == '\x7f' && magic[1] == 'E' && magic[2] == 'L' &&
            magic[3] == 'F');
}

}  // namespace

bool XdgShell::Open(const std::string& link) {
    if (link.empty()) {
        return false;
    }
    const std::string target = NeverAnOption(link);
    // A program is started, as the shell's "open" does on the host it came from; one that
    // will not start is still a file the desktop may know how to open.
    if (IsProgram(target) && starter_.StartDetached({target}, {})) {
        return true;
    }
    // Links to helper programs may carry the ".exe" of the host they were written for.
    const std::string exe = ".exe";
    if (target.size() > exe.size() &&
        target.compare(target.size() - exe.size(), exe.size(), exe) == 0) {
        std::string bare = target.substr(0, target.size() - exe.size());
        if (!std::filesystem::exists(target) && IsProgram(bare) &&
            starter_.StartDetached({bare}, {})) {
            return true;
        }
    }
    std::string opener = CommandLookup::FindOnPath("xdg-open");
    if (opener.empty()) {
        return false;
    }
    return starter_.StartDetached({opener, target}, {});
}

bool XdgShell::OpenInBrowser(const std::string& link) {
    if (link.empty()) {
        return false;
    }
    const std::string address = NeverAnOption(link);
    for (const char* browser : {"xdg-open", "x-www-browser", "sensible-browser"}) {
        std::string path = CommandLookup::FindOnPath(browser);
        if (!path.empty()) {
            return starter_.StartDetached({path, address}, {});
        }
    }
    return false;
}

bool XdgShell::Start(const std::string& program, const std::string& parameters) {
    Resolved resolved = Resolve(HostCommands::Candidates(program, parameters));
    if (resolved.argv.empty()) {
        return false;
    }
    return starter_.StartDetached(resolved.argv, resolved.workingDirectory);
}

XdgShell::Resolved XdgShell::Resolve(const std::vector<HostCommand>& candidates) const {
    for (const HostCommand& command : candidates) {
        if (command.argv.empty()) {
            continue;
        }
        std::string path;
        if (command.besideProgram) {
            if (!programFolder_.empty()) {
                std::string beside = programFolder_ + "/" + command.argv.front();
                if (CommandLookup::IsExecutableFile(beside)) {
                    path = beside;
                }
            }
        } else {
            path = CommandLookup::FindOnPath(command.argv.front());
        }
        if (path.empty()) {
            continue;
        }
        bool allThere = true;
        for (const std::string& need : command.needs) {
            allThere = allThere && !CommandLookup::FindOnPath(need).empty();
        }
        if (!allThere) {
            continue;
        }
        Resolved resolved{command.argv, command.workingDirectory};
        resolved.argv.front() = path;
        return resolved;
    }
    return {};
}

}  // namespace quivlane
