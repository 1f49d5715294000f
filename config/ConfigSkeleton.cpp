#include "config/ConfigSkeleton.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "base/UniqueFd.h"
#include "config/ConfigFile.h"

namespace quivlane {

std::string ConfigSkeleton::Text() {
    std::string text =
        "<?xml version='1.0'?>"
        "<XMLConfigSettings><PARAMETRES><SON></SON><AUTOSTART></AUTOSTART>"
        "<BOUTONQUITTER></BOUTONQUITTER><TOOLTIPS></TOOLTIPS><AUTOHIDE></AUTOHIDE>"
        "<HORLOGE></HORLOGE></PARAMETRES>";
    for (int n = 1; n <= config::kButtonCount; ++n) {
        const std::string section = ButtonSection(n);
        text.append("<").append(section).append(">");
        text += "<TEXTE></TEXTE><LIEN></LIEN><COMMENTAIRE></COMMENTAIRE>";
        text.append("</").append(section).append(">");
    }
    text += "</XMLConfigSettings>";
    return text;
}

namespace {

// The per-user folder may not exist yet; like any configuration folder it is made private.
void MakeParentFolders(const std::string& path) {
    for (auto slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        (void)::mkdir(path.substr(0, slash).c_str(), 0700);
    }
}

}  // namespace

bool ConfigSkeleton::Write(const std::string& path) {
    MakeParentFolders(path);
    UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
    if (!file.Valid()) {
        return false;
    }
    const std::string text = Text();
    std::string_view rest = text;
    bool ok = true;
    while (ok && !rest.empty()) {
        const ssize_t written = ::write(file.Get(), rest.data(), rest.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        ok = written > 0;
        if (ok) {
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    ok = file.Close() && ok;
    if (!ok) {
        // A half skeleton would read as malformed at every start.
        ::unlink(path.c_str());
    }
    return ok;
}

bool WriteSkeleton(const std::string& path) {
    return ConfigSkeleton::Write(path);
}

}  // namespace quivlane
