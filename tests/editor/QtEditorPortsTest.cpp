#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "platform/qt/QtChoosers.h"
#include "platform/qt/QtClipboard.h"
#include "support/TempDir.h"

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
    EXPECT_EQ(choosers.ChooseFolder("Sélectionnez un dossier", dir.Path().string()),
              dir.File("Musique"));
    AnswerNextFileDialog(QString());
    EXPECT_EQ(choosers.ChooseFolder("Sélectionnez un dossier", ""), std::nullopt);
}

}  // namespace
}  // namespace quivlane
