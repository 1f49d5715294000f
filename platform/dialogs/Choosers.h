#pragma once

#include <optional>
#include <string>

namespace quivlane {

// The user's own folders a chooser can start in.
enum class UserFolder { Desktop, Music };

// The desktop's folder and file choosers. Texts and paths are UTF-8; nullopt when the user
// cancels or the choice has no file-system path.
class Choosers {
  public:
    virtual ~Choosers() = default;
    // title: the instruction shown to the user; initialPath: selected at start; when it is
    // empty the chooser starts in startFolder.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    const std::string& initialPath,
                                                    UserFolder startFolder) = 0;
    // Starts in the desktop folder when initialPath is empty.
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& initialPath) {
        return ChooseFolder(title, initialPath, UserFolder::Desktop);
    }
    // An existing file. filter in the "Name (*.ext)|*.ext|...||" form of the dialogs that
    // described it; empty for all files.
    virtual std::optional<std::string> ChooseFile(const std::string& title,
                                                  const std::string& filter) = 0;
};

}  // namespace quivlane
