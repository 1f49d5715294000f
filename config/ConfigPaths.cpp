#include "config/ConfigPaths.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "config/ConfigFile.h"

#ifndef QUIVLANE_DATA_DIR
#define QUIVLANE_DATA_DIR "/usr/local/share/quivlane"
#endif

namespace quivlane {

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::size_t FileNameStart(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

std::string FolderOf(const std::string& path) {
    const std::size_t nameStart = FileNameStart(path);
    return nameStart == 0 ? std::string(".") : path.substr(0, nameStart);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string Joined(const std::string& folder, const std::string& name) {
    return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

ConfigPaths::UserFolders ConfigPaths::UserFolders::FromEnvironment() {
    UserFolders folders;
    if (const char* configHome = std::getenv("XDG_CONFIG_HOME")) {
        folders.configHome = configHome;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        folders.home = home;
    } else if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr) {
        folders.home = entry->pw_dir != nullptr ? entry->pw_dir : "";
    }
    return folders;
}

std::string ConfigPaths::Locate(Program program, const std::string& programPath,
                                const UserFolders& folders) {
    const std::string beside =
        program == Program::Launcher ? ForLauncher(programPath) : ForEditor(programPath);
    // The effective ids decide, as they do for the save itself.
    if (Exists(beside) ||
        ::faccessat(AT_FDCWD, FolderOf(programPath).c_str(), W_OK | X_OK, AT_EACCESS) == 0) {
        return beside;
    }
    // Relative values are to be ignored, as the base directory rules say.
    const std::string base = !folders.configHome.empty() && folders.configHome.front() == '/'
                                 ? folders.configHome
                                 : Joined(folders.home, ".config");
    return Joined(Joined(base, "Quivlane"), config::kFileName);
}

std::string ConfigPaths::Locate(Program program, const std::string& programPath) {
    return Locate(program, programPath, UserFolders::FromEnvironment());
}

std::string ConfigPaths::FindDataFile(const std::string& configPath, const std::string& name,
                                      const std::string& dataFolder) {
    for (const std::string& candidate :
         {Joined(FolderOf(configPath), name), Joined(dataFolder, name)}) {
        if (IsRegularFile(candidate)) {
            return candidate;
        }
    }
    return {};
}

std::string ConfigPaths::FindDataFolder(const std::string& configPath, const std::string& name) {
    const std::string found = FindDataFile(configPath, name);
    return found.substr(0, found.empty() ? 0 : FileNameStart(found));
}

std::string ConfigPaths::InstalledDataFolder() {
    return QUIVLANE_DATA_DIR;
}

std::string ConfigPaths::ForLauncher(const std::string& programPath) {
    const std::size_t nameStart = FileNameStart(programPath);
    const std::string folder = programPath.substr(0, nameStart);
    std::string name = programPath.substr(nameStart);
    // A Windows-style name has its extension overwritten; a name without one gains it.
    if (EndsWith(name, ".exe")) {
        name.replace(name.size() - 3, 3, "ini");
    } else {
        name += ".ini";
    }
    ReplaceAll(name, "Quivlane.ini", "Quivlane.xml");
    return folder + name;
}

std::string ConfigPaths::ForEditor(const std::string& programPath) {
    const std::size_t nameStart = FileNameStart(programPath);
    const std::string folder = programPath.substr(0, nameStart);
    std::string name = programPath.substr(nameStart);
    if (name.find("Quivset.exe") != std::string::npos) {
        ReplaceAll(name, "Quivset.exe", "Quivlane.xml");
    } else if (EndsWith(name, "Quivset")) {
        name.replace(name.size() - 7, 7, "Quivlane.xml");
    }
    return folder + name;
}

}  // namespace quivlane
