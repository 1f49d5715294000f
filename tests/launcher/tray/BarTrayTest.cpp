#include "launcher/tray/BarTray.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTimer>
#include <memory>

#include "config/XmlSettingsStore.h"
#include "launcher/app/BarRunLoop.h"
#include "launcher/bar/LauncherBar.h"
#include "tests/support/BarFakes.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane::test {
namespace {

class BarTrayTest : public ::testing::Test {
  protected:
    BarTrayTest() {
        window.resize(197, 419);
        window.show();
        tray.SetDesktopQueries([this] { return trayAvailable; }, [this] { return animations; });
    }

    QWidget window;
    RecordingBarView commands;
    ManualClock clock;
    bool trayAvailable = true;
    bool animations = false;
    BarTray tray{window, commands, clock};
};

TEST_F(BarTrayTest, TheIconCarriesTheTipThePictureAndTheMenu) {
    tray.Create();
    EXPECT_TRUE(tray.Icon().Enabled());
    EXPECT_TRUE(tray.SystemIcon().isVisible());
    EXPECT_EQ(tray.SystemIcon().toolTip(), QStringLiteral("Quivlane"));
    EXPECT_FALSE(tray.SystemIcon().icon().isNull());
    EXPECT_EQ(tray.SystemIcon().contextMenu(), &tray.Menu());

    const auto actions = tray.Menu().actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Afficher Quivlane"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Quitter Quivlane"));
    EXPECT_EQ(tray.Menu().defaultAction(), actions[0]);

    tray.Remove();
    EXPECT_FALSE(tray.SystemIcon().isVisible());
}

TEST_F(BarTrayTest, MenuChoicesAndADoubleClickGoToTheBarAsPostedCommands) {
    tray.Create();
    const auto actions = tray.Menu().actions();
    actions[1]->trigger();
    actions[0]->trigger();
    Q_EMIT tray.SystemIcon().activated(QSystemTrayIcon::Trigger);
    Q_EMIT tray.SystemIcon().activated(QSystemTrayIcon::Context);
    Q_EMIT tray.SystemIcon().activated(QSystemTrayIcon::MiddleClick);
    Q_EMIT tray.SystemIcon().activated(QSystemTrayIcon::DoubleClick);
    // Offscreen there is no XEmbed icon, so the click counts as a bus host's would.
    EXPECT_EQ(commands.posted, (std::vector<int>{32790, 32789, 32789, 32789}));
}

TEST_F(BarTrayTest, WithoutANotificationAreaTheBarStaysUpUntilOneAppears) {
    trayAvailable = false;
    tray.Create();
    EXPECT_FALSE(tray.SystemIcon().isVisible());
    EXPECT_TRUE(tray.LookingForTray());
    EXPECT_FALSE(tray.MinimiseToTray());
    EXPECT_TRUE(window.isVisible());
    ASSERT_FALSE(commands.painted.empty());
    EXPECT_NE(commands.painted.back().find(BarTray::kNoTrayMessage), std::string::npos);
    tray.LookForTray();
    EXPECT_TRUE(tray.LookingForTray());

    // The panel started after the bar.
    trayAvailable = true;
    tray.LookForTray();
    EXPECT_FALSE(tray.LookingForTray());
    EXPECT_TRUE(tray.SystemIcon().isVisible());
    EXPECT_TRUE(tray.MinimiseToTray());
    EXPECT_FALSE(window.isVisible());
    tray.RestoreFromTray();

    // A panel that went away again takes the way back with it.
    trayAvailable = false;
    EXPECT_FALSE(tray.MinimiseToTray());
    EXPECT_TRUE(window.isVisible());
    tray.Remove();
    EXPECT_FALSE(tray.SystemIcon().isVisible());
}

TEST_F(BarTrayTest, AnIconRemovedWhileWaitingStaysAway) {
    trayAvailable = false;
    tray.Create();
    tray.Remove();
    EXPECT_FALSE(tray.LookingForTray());
    trayAvailable = true;
    tray.LookForTray();
    EXPECT_FALSE(tray.SystemIcon().isVisible());
}

TEST_F(BarTrayTest, HidingAndShowingAnimateOnlyWhenTheDesktopDoes) {
    tray.Create();
    tray.MinimiseToTray();
    EXPECT_FALSE(window.isVisible());
    tray.RestoreFromTray();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(clock.waits.empty());

    animations = true;
    const QRect before = window.frameGeometry();
    tray.MinimiseToTray();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(clock.waits, std::vector<int>(BarTray::kAnimationSteps, BarTray::kAnimationStepMs));
    tray.RestoreFromTray();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.frameGeometry(), before);
    EXPECT_EQ(clock.waits.size(), 2u * BarTray::kAnimationSteps);
    // The animation's outline is gone once the bar is back.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != &window && top != &tray.Menu()) {
            EXPECT_FALSE(top->isVisible());
        }
    }
}

TEST_F(BarTrayTest, TheTargetIsTheWorkAreaCornerWhileTheIconPlaceIsUnknown) {
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const ScreenRect target = tray.GetTrayRect();
    EXPECT_EQ(target.right, work.left() + work.width());
    EXPECT_EQ(target.bottom, work.top() + work.height());
    EXPECT_FALSE(target.Empty());
}

TEST(BarRunLoopTest, AHiddenDialogKeepsRunningUntilItIsDone) {
    QDialog dialog;
    bool runningWhileHidden = false;
    const QWidget* modalWhileShown = &dialog;
    QTimer::singleShot(0, &dialog, [&] {
        modalWhileShown = QApplication::activeModalWidget();
        dialog.hide();
        QTimer::singleShot(0, &dialog, [&] {
            runningWhileHidden = !dialog.isVisible();
            dialog.show();
            dialog.done(QDialog::Accepted);
        });
    });
    EXPECT_EQ(BarRunLoop::Run(dialog), QDialog::Accepted);
    EXPECT_TRUE(runningWhileHidden);
    EXPECT_FALSE(dialog.isVisible());
    // Nothing blocks the tray icon's window while the bar is up.
    EXPECT_EQ(modalWhileShown, nullptr);
}

TEST(BarRunLoopTest, ADialogDoneWhileShowingEndsAtOnce) {
    QDialog dialog;
    QObject::connect(&dialog, &QDialog::finished, &dialog, [] {});
    struct DoneOnShow final : QObject {
        explicit DoneOnShow(QDialog& d) : dialog(d) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Show) {
                dialog.done(QDialog::Rejected);
            }
            return false;
        }
        QDialog& dialog;
    } filter(dialog);
    dialog.installEventFilter(&filter);
    EXPECT_EQ(BarRunLoop::Run(dialog), QDialog::Rejected);
}

// The bar with the tray plugged in, as the program runs it.
class BarWithTrayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string buttons;
        for (int n : {2, 5}) {
            const std::string record = "BOUTON" + std::to_string(n);
            buttons += "<" + record + "><TEXTE>Cacher</TEXTE><LIEN>CACHER_QUIVLANE</LIEN></" +
                       record + ">";
        }
        dir.Write("Quivlane.xml",
                  "<?xml version='1.0'?><XMLConfigSettings><PARAMETRES><SON>NON</SON>"
                  "</PARAMETRES>" +
                      buttons + "</XMLConfigSettings>");
        bar = std::make_unique<LauncherBar>(BarPorts{clock, shell, sound, power, boxes}, store,
                                            dir.File("Quivlane"));
        tray = std::make_unique<BarTray>(*bar, *bar, clock);
        tray->SetDesktopQueries([] { return true; }, [] { return false; });
        FeaturePorts features;
        features.tray = tray.get();
        bar->SetFeatures(features);
        bar->Start();
    }

    TempDir dir;
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    XmlSettingsStore store{boxes};
    std::unique_ptr<LauncherBar> bar;
    std::unique_ptr<BarTray> tray;
};

TEST_F(BarWithTrayTest, EitherHideButtonHidesAndTheMenuBringsTheBarBackOrQuits) {
    EXPECT_TRUE(bar->Controller().HasTrayIcon());
    EXPECT_TRUE(tray->SystemIcon().isVisible());

    std::vector<std::string> seen;
    QTimer::singleShot(0, bar.get(), [&] {
        bar->Controller().OnButtonClicked(1004);
        seen.push_back(bar->isVisible() ? "shown" : "hidden");
        // A second "show" on a shown bar changes nothing, so post two.
        tray->Menu().actions()[0]->trigger();
        tray->Menu().actions()[0]->trigger();
        QTimer::singleShot(0, bar.get(), [&] {
            seen.push_back(bar->isVisible() ? "shown" : "hidden");
            bar->Controller().OnButtonClicked(1001);
            seen.push_back(bar->isVisible() ? "shown" : "hidden");
            tray->Menu().actions()[1]->trigger();
        });
    });
    // Quitting from the menu works while hidden and takes the icon away.
    EXPECT_EQ(BarRunLoop::Run(*bar), QDialog::Accepted);
    EXPECT_EQ(seen, (std::vector<std::string>{"hidden", "shown", "hidden"}));
    EXPECT_FALSE(tray->SystemIcon().isVisible());
    EXPECT_TRUE(tray->Icon().Removed());
}

}  // namespace
}  // namespace quivlane::test
