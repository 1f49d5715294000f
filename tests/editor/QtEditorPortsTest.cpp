#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/qt/QtChoosers.h"
#include "platform/qt/QtClipboard.h"

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
