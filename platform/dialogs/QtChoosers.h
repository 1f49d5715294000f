#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/dialogs/Choosers.h"

namespace quivlane {

class QtChoosers final : public Choosers {
  public:
    explicit QtChoosers(QWidget* owner = nullptr);
    // The window the choosers are shown over; may be set once it exists.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    using Choosers::ChooseFolder;
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& initialPath,
                                            UserFolder startFolder) override;
    std::optional<std::string> ChooseFile(const std::string& title,
                                          const std::string& filter) override;

    // "Tous fichiers (*.*)|*.*||" as a file dialog's name filter, "Tous fichiers (*)": a
    // pattern "*.*" means every file there, with or without a dot in its name.
    static QString NameFilters(const std::string& filter);

    // The folder as xdg-user-dir names it (from $XDG_CONFIG_HOME/user-dirs.dirs), when it
    // exists; otherwise ~/Desktop or ~/Music when that exists; otherwise the home folder.
    static std::string UserFolderPath(UserFolder folder);

  private:
    QPointer<QWidget> owner_;
};

}  // namespace quivlane
