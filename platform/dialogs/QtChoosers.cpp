#include "platform/dialogs/QtChoosers.h"

#include <QFileDialog>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace quivlane {

namespace {

bool IsFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

// The value of key in user-dirs.dirs: one line key="$HOME/..." or key="/...", in shell
// quoting; "" when the file or the line is missing or has another form.
std::string NamedUserFolder(const std::string& key, const std::string& home) {
    const char* configVariable = std::getenv("XDG_CONFIG_HOME");
    std::string config = configVariable != nullptr ? configVariable : "";
    if (config.empty() || config.front() != '/') {
        config = home + "/.config";
    }
    std::ifstream in(config + "/user-dirs.dirs");
    std::string found;
    for (std::string line; std::getline(in, line);) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line.compare(first, key.size() + 2, key + "=\"") != 0) {
            continue;
        }
        std::string value;
        bool closed = false;
        for (std::size_t i = first + key.size() + 2; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                value += line[++i];
            } else if (line[i] == '"') {
                closed = true;
                break;
            } else {
                value += line[i];
            }
        }
        if (!closed) {
            continue;
        }
        // The last assignment wins, as when the shell reads the file.
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/')) {
            found = home + value.substr(5);
        } else if (!value.empty() && value.front() == '/') {
            found = value;
        }
    }
    return found;
}

}  // namespace

QtChoosers::QtChoosers(QWidget* owner) : owner_(owner) {}

QString QtChoosers::NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        if (name.isEmpty()) {
            break;
        }
        // The pattern list is rebuilt from the pattern half; the name keeps only its words.
        const qsizetype bracket = name.indexOf(QLatin1Char('('));
        if (bracket >= 0) {
            name = name.left(bracket).trimmed();
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        if (patterns.isEmpty()) {
            patterns << QStringLiteral("*");
        }
        filters << name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

std::string QtChoosers::UserFolderPath(UserFolder folder) {
    const char* homeVariable = std::getenv("HOME");
    const std::string home = homeVariable != nullptr ? homeVariable : "";
    const bool desktop = folder == UserFolder::Desktop;
    const std::string named = NamedUserFolder(desktop ? "XDG_DESKTOP_DIR" : "XDG_MUSIC_DIR", home);
    if (IsFolder(named)) {
        return named;
    }
    const std::string usual = home + (desktop ? "/Desktop" : "/Music");
    if (!home.empty() && IsFolder(usual)) {
        return usual;
    }
    return home;
}

std::optional<std::string> QtChoosers::ChooseFolder(const std::string& title,
                                                    const std::string& initialPath,
                                                    UserFolder startFolder) {
    const std::string start = initialPath.empty() ? UserFolderPath(startFolder) : initialPath;
    const QString folder =
        QFileDialog::getExistingDirectory(owner_, QString::fromStdString(title),
                                          QString::fromStdString(start), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return folder.toStdString();
}

std::optional<std::string> QtChoosers::ChooseFile(const std::string& title,
                                                  const std::string& filter) {
    // The dialog only returns existing files.
    const QString file = QFileDialog::getOpenFileName(owner_, QString::fromStdString(title),
                                                      QString(), NameFilters(filter));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return file.toStdString();
}

}  // namespace quivlane
