#include "platform/autostart/XdgAutostartRegistry.h"

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "base/AtomicFileWriter.h"

namespace quivlane {

namespace {

bool SameKey(std::string_view a, std::string_view b) {
    // Registry key names ignore case.
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (std::tolower(x) != std::tolower(y)) {
            return false;
        }
    }
    return true;
}

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

bool UsableFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && !HasControlCharacter(name);
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

// Characters that make an Exec argument need quoting.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

}  // namespace

XdgAutostartRegistry::XdgAutostartRegistry() = default;

XdgAutostartRegistry::XdgAutostartRegistry(std::string configHome)
    : configHome_(std::move(configHome)) {}

std::string XdgAutostartRegistry::ConfigHome() const {
    if (configHome_) {
        return *configHome_;
    }
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

std::string XdgAutostartRegistry::EntryPath(const std::string& subkey,
                                            const std::string& valueName) const {
    if (!SameKey(subkey, kRunKey) || !UsableFileName(valueName)) {
        return {};
    }
    const std::string home = ConfigHome();
    if (home.empty()) {
        return {};
    }
    return home + "/autostart/" + valueName + ".desktop";
}

std::string XdgAutostartRegistry::Location(const std::string& subkey,
                                           const std::string& valueName) const {
    const std::string path = EntryPath(subkey, valueName);
    return path.empty() ? Registry::Location(subkey, valueName) : path;
}

std::string XdgAutostartRegistry::ExecLine(const std::string& path) {
    std::string argument;
    if (path.find_first_of(kReserved) == std::string::npos && !path.empty()) {
        argument = path;
    } else {
        argument = "\"";
        for (const char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                argument += '\\';
            }
            argument += c;
        }
        argument += '"';
    }
    std::string exec;
    for (const char c : argument) {
        if (c == '%') {
            exec += "%%";  // a lone % would start a field code
        } else if (c == '\\') {
            exec += "\\\\";  // the string value's own escape
        } else {
            exec += c;
        }
    }
    return exec;
}

std::string XdgAutostartRegistry::PathFromExecLine(const std::string& exec) {
    // Undo the string escapes first, then the argument quoting.
    std::string argument;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] == '\\' && i + 1 < exec.size()) {
            const char next = exec[++i];
            switch (next) {
                case 's':
                    argument += ' ';
                    break;
                case 't':
                    argument += '\t';
                    break;
                case 'n':
                    argument += '\n';
                    break;
                case 'r':
                    argument += '\r';
                    break;
                default:
                    argument += next;
                    break;
            }
        } else {
            argument += exec[i];
        }
    }
    std::string path;
    if (!argument.empty() && argument.front() == '"') {
        for (std::size_t i = 1; i < argument.size() && argument[i] != '"'; ++i) {
            if (argument[i] == '\\' && i + 1 < argument.size()) {
                ++i;
            }
            path += argument[i];
        }
    } else {
        path = argument.substr(0, argument.find(' '));
    }
    std::string plain;
    for (std::size_t i = 0; i < path.size(); ++i) {
        plain += path[i];
        if (path[i] == '%' && i + 1 < path.size() && path[i + 1] == '%') {
            ++i;
        }
    }
    return plain;
}

std::optional<std::string> XdgAutostartRegistry::ReadString(const std::string& subkey,
                                                            const std::string& valueName) {
    const std::string path = EntryPath(subkey, valueName);
    if (path.empty()) {
        return std::nullopt;
    }
    std::ifstream in(path);
    if (!in) {
        return std::nullopt;
    }
    bool inEntry = false;
    bool hidden = false;
    std::optional<std::string> exec;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntry) {
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::string key = line.substr(0, equals);
        while (!key.empty() && key.back() == ' ') {
            key.pop_back();
        }
        std::string value = line.substr(equals + 1);
        value.erase(0, value.find_first_not_of(' '));
        if (key == "Hidden") {
            hidden = value == "true";
        } else if (key == "Exec") {
            exec = PathFromExecLine(value);
        }
    }
    if (hidden) {
        return std::string();
    }
    return exec;
}

bool XdgAutostartRegistry::WriteString(const std::string& subkey, const std::string& valueName,
                                       const std::string& value) {
    const std::string path = EntryPath(subkey, valueName);
    if (path.empty() || HasControlCharacter(value)) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) {
        return false;
    }
    std::ostringstream entry;
    entry << "[Desktop Entry]\n"
          << "Type=Application\n"
          << "Name=" << valueName << "\n"
          << "Exec=" << (value.empty() ? std::string() : ExecLine(value)) << "\n";
    if (value.empty()) {
        entry << "Hidden=true\n";
    }
    return AtomicFileWriter().Replace(path, entry.str());
}

}  // namespace quivlane
