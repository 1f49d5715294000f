#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/dialogs/QtChoosers.h"
#include "platform/dialogs/QtClipboard.h"
#include "platform/dialogs/QtMessageBoxes.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

TEST(QtChoosersTest, FiltersBecomeNameFiltersWhereStarDotStarMeansEveryFile) {
    EXPECT_EQ(QtChoosers::NameFilters("Tous fichiers (*.*)|*.*||"),
              QStringLiteral("Tous fichiers (*)"));
    EXPECT_EQ(QtChoosers::NameFilters("Musique (*.mp3)|*.mp3;*.MP3|Tous (*.*)|*.*||"),
              QStringLiteral("Musique (*.mp3 *.MP3);;Tous (*)"));
    EXPECT_EQ(QtChoosers::NameFilters(""), QString());
}

TEST(QtClipboardTest, ReadsTextEvenEmptyAndNothingWithoutText) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QtClipboard port;
    clipboard->setText(QString::fromUtf8("/home/moi/Été"));
    EXPECT_EQ(port.Text(), "/home/moi/Été");
    clipboard->setText(QString());
    const auto empty = port.Text();
    if (empty) {
        EXPECT_EQ(*empty, "");
    }
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("application/octet-stream"), QByteArray("\x01\x02"));
    clipboard->setMimeData(data.release());
    EXPECT_EQ(port.Text(), std::nullopt);
}

}  // namespace
}  // namespace quivlane

namespace quivlane {
namespace {

// Answers the next modal file dialog: picks path (when given) and accepts, or cancels.
void AnswerNextFileDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

TEST(QtChoosersTest, ReturnsTheChosenPathOrNothingWhenCancelled) {
    test::TempDir dir;
    dir.Write("notes.txt", "x");
    std::filesystem::create_directory(dir.Path() / "Musique");
    QtChoosers choosers;

    AnswerNextFileDialog(QString::fromStdString(dir.File("notes.txt")));
    EXPECT_EQ(choosers.ChooseFile("", "Tous fichiers (*.*)|*.*||"), dir.File("notes.txt"));
    AnswerNextFileDialog(QString());
    EXPECT_EQ(choosers.ChooseFile("", "Tous fichiers (*.*)|*.*||"), std::nullopt);

    AnswerNextFileDialog(QString::fromStdString(dir.File("Musique")));
    EXPECT_EQ(
        choosers.ChooseFolder("Sélectionnez un dossier", dir.Path().string(), UserFolder::Desktop),
        dir.File("Musique"));
    AnswerNextFileDialog(QString());
    EXPECT_EQ(choosers.ChooseFolder("Sélectionnez un dossier", "", UserFolder::Desktop),
              std::nullopt);
}

// HOME and XDG_CONFIG_HOME pointed somewhere else for one test.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(QtChoosersTest, UserFoldersComeFromUserDirsThenTheUsualNamesThenHome) {
    test::TempDir dir;
    const std::string home = dir.File("moi");
    const ScopedEnvironment homeVariable("HOME", home);
    const ScopedEnvironment configVariable("XDG_CONFIG_HOME", dir.File("config"));
    std::filesystem::create_directories(home);
    EXPECT_EQ(QtChoosers::UserFolderPath(UserFolder::Desktop), home);
    EXPECT_EQ(QtChoosers::UserFolderPath(UserFolder::Music), home);

    std::filesystem::create_directories(home + "/Desktop");
    std::filesystem::create_directories(home + "/Music");
    EXPECT_EQ(QtChoosers::UserFolderPath(UserFolder::Desktop), home + "/Desktop");
    EXPECT_EQ(QtChoosers::UserFolderPath(UserFolder::Music), home + "/Music");

    std::filesystem::create_directories(home + "/Bureau \"perso\"");
    std::filesystem::create_directories(dir.File("Musique"));
    std::filesystem::create_directories(dir.File("config"));
    dir.Write("config/user-dirs.dirs",
              "# written by xdg-user-dirs-update\n"
              "XDG_DESKTOP_DIR=\"$HOME/Bureau \\\"perso\\\"\"\n"
              "XDG_MUSIC_DIR=\"" +
                  dir.File("Musique") +
                  "\"\n"
                  "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\n");
    EXPECT_EQ(QtChoosers::UserFolderPath(UserFolder::Desktop), home + "/Bureau \"perso\"");
    EXPECT_EQ(QtChoosers::UserFolderPath(UserFolder::Music), dir.File("Musique"));

    // A named folder that is gone falls back to the usual name.
    std::filesystem::remove(dir.File("Musique"));
    EXPECT_EQ(QtChoosers::UserFolderPath(UserFolder::Music), home + "/Music");
}

TEST(QtMessageBoxesTest, BoxesBelongToTheirOwnersWindow) {
    QWidget owner;
    owner.show();
    QtMessageBoxes boxes(&owner);
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&parent] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        parent = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    boxes.Show("Le bouton n'a pas pu être enregistré", "Attention");
    EXPECT_EQ(parent, &owner);
}

}  // namespace
}  // namespace quivlane
