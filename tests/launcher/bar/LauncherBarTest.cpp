#include "launcher/bar/LauncherBar.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <map>

#include "config/XmlSettingsStore.h"
#include "controls/GradientButton.h"
#include "controls/IndicatorLight.h"
#include "controls/MatrixDisplay.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane::test {
namespace {

class LauncherBarTest : public ::testing::Test {
  protected:
    void WriteConfig(const std::string& parameters, const std::string& buttons) {
        dir.Write("Quivlane.xml", "<?xml version='1.0'?><XMLConfigSettings><PARAMETRES>" +
                                      parameters + "</PARAMETRES>" + buttons +
                                      "</XMLConfigSettings>");
    }
    LauncherBar& Bar() {
        if (!bar) {
            bar = std::make_unique<LauncherBar>(BarPorts{clock, shell, sound, power, boxes}, store,
                                                dir.File("Quivlane"));
            bar->Start();
        }
        return *bar;
    }
    // Whether any pixel of the widget's rendering has exactly this colour.
    static bool Shows(QWidget* widget, const QColor& colour) {
        const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

    TempDir dir;
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    XmlSettingsStore store{boxes};
    std::unique_ptr<LauncherBar> bar;
};

TEST_F(LauncherBarTest, LaysOutTheControlsInDialogUnits) {
    LauncherBar& b = Bar();
    EXPECT_EQ(b.size(), QSize(197, 419));
    EXPECT_EQ(b.Button(1000)->geometry(), QRect(21, 102, 74, 23));
    EXPECT_EQ(b.Button(1001)->geometry(), QRect(105, 102, 74, 23));
    EXPECT_EQ(b.Button(1004)->geometry(), QRect(21, 156, 74, 23));
    EXPECT_EQ(b.Button(1018)->geometry(), QRect(21, 348, 74, 23));
    EXPECT_EQ(b.Button(1)->geometry(), QRect(105, 348, 74, 23));
    EXPECT_EQ(b.PowerLight()->geometry(), QRect(20, 80, 20, 18));
    EXPECT_EQ(b.ActionLight()->geometry(), QRect(71, 80, 20, 18));
    EXPECT_EQ(b.Display()->pos(), QPoint(21, 57));
    EXPECT_EQ(b.Display()->Columns(), 14);
    EXPECT_EQ(b.Display()->Rows(), 1);
    EXPECT_EQ(b.Button(1)->text(), QStringLiteral("Quitter"));
    EXPECT_TRUE(b.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(b.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(b.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(LauncherBar::PlacementFor({0, 0, 1920, 1080}, {197, 419}), QPoint(1678, 621));
    // A panel on top and the primary monitor right of another one.
    EXPECT_EQ(LauncherBar::PlacementFor({1920, 30, 1280, 770}, {197, 419}), QPoint(2958, 341));
}

// The real bar's controls on its picture: the display in the picture's dark glass, the lamps
// in their sockets, every button on the panel clear of the key colour.
TEST_F(LauncherBarTest, ItsControlsSitOnThePicture) {
    LauncherBar& b = Bar();
    const QImage& picture = b.Background();
    ASSERT_FALSE(picture.isNull());

    const QRect d = b.Display()->geometry();
    for (const QPoint p : {d.topLeft() - QPoint(2, 2), d.bottomRight() + QPoint(2, 2),
                           QPoint(d.center().x(), d.top() - 2)}) {
        EXPECT_LT(picture.pixelColor(p).value(), 90) << p.x() << "," << p.y();
    }
    for (const IndicatorLight* lamp : {b.PowerLight(), b.ActionLight()}) {
        const QPoint c = lamp->LampRect().translated(lamp->pos()).center();
        for (const QPoint p :
             {c, c + QPoint(6, 0), c - QPoint(6, 0), c + QPoint(0, 6), c - QPoint(0, 6)}) {
            EXPECT_LT(picture.pixelColor(p).value(), 100) << p.x() << "," << p.y();
        }
    }
    const QRegion mask = b.mask();
    int buttons = 0;
    for (const QObject* child : b.children()) {
        if (const auto* button = qobject_cast<const GradientButton*>(child)) {
            const QRect g = button->geometry();
            EXPECT_TRUE(mask.contains(g.topLeft()) && mask.contains(g.bottomRight()))
                << button->text().toStdString();
            ++buttons;
        }
    }
    EXPECT_EQ(buttons, 20);
}

TEST_F(LauncherBarTest, CaptionsAndColoursComeFromTheFile) {
    WriteConfig("<BOUTONQUITTER>NON</BOUTONQUITTER>",
                "<BOUTON1><TEXTE>Musique</TEXTE><COULEURTEXTE>ROUGE</COULEURTEXTE></BOUTON1>"
                "<BOUTON2><TEXTE>Réveil</TEXTE><LIEN>DEFINIR_ALARME?07:30</LIEN>"
                "<COULEURTEXTE>BLEU</COULEURTEXTE></BOUTON2>");
    LauncherBar& b = Bar();
    b.show();
    EXPECT_EQ(b.Button(1000)->text(), QStringLiteral("Musique"));
    EXPECT_EQ(b.Button(1001)->text(), QStringLiteral("ALRM 07:30"));
    EXPECT_EQ(b.Button(1002)->text(), QStringLiteral("RIEN"));
    EXPECT_TRUE(Shows(b.Button(1000), QColor(255, 0, 0)));
    EXPECT_TRUE(Shows(b.Button(1001), QColor(0, 0, 255)));
    EXPECT_FALSE(Shows(b.Button(1002), QColor(255, 0, 0)));
    EXPECT_FALSE(b.Button(1)->isVisible());
    // The display starts with its greeting in the message colours.
    EXPECT_TRUE(Shows(b.Display(), QColor(100, 255, 255)));
}

TEST_F(LauncherBarTest, KeysNeverCloseClickOrMoveTheFocus) {
    WriteConfig("<TOOLTIPS>OUI</TOOLTIPS>",
                "<BOUTON1><TEXTE>Site</TEXTE><LIEN>http://example.org/</LIEN></BOUTON1>");
    LauncherBar& b = Bar();
    int relayedKeys = 0;
    b.SetEventRelay(
        [&](QObject*, QEvent* event) { relayedKeys += event->type() == QEvent::KeyPress ? 1 : 0; });
    b.show();
    QApplication::setActiveWindow(&b);
    b.Display()->setFocus();
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(b.Display(), &press);
    }
    EXPECT_TRUE(b.isVisible());
    EXPECT_EQ(b.result(), QDialog::Rejected);
    EXPECT_TRUE(shell.requests.empty());
    // The tooltip still sees the keys the bar discards.
    EXPECT_EQ(relayedKeys, 5);
    EXPECT_EQ(b.Display()->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(b.Button(1000)->focusPolicy(), Qt::NoFocus);
}

TEST_F(LauncherBarTest, ClickRunsTheLinkAndShowsTheCaption) {
    WriteConfig("", "<BOUTON1><TEXTE>Café</TEXTE><LIEN>/home/me/Music</LIEN></BOUTON1>");
    LauncherBar& b = Bar();
    b.Button(1000)->click();
    EXPECT_EQ(shell.requests,
              (std::vector<RecordingShell::Request>{{"open", "/home/me/Music", ""}}));
    EXPECT_EQ(b.Display()->TextBytes(), "     Cafe     ");
}

TEST_F(LauncherBarTest, QuitSaysGoodbyeAndCloseReleases) {
    LauncherBar& b = Bar();
    b.show();
    b.Button(1)->click();
    EXPECT_EQ(b.result(), QDialog::Accepted);
    EXPECT_EQ(b.Display()->TextBytes(), "  Au revoir !   ");
    EXPECT_EQ(clock.waits, (std::vector<int>{1000}));
    EXPECT_EQ(b.PowerLight()->Column(), 1);

    bar.reset();
    LauncherBar& second = Bar();
    second.show();
    second.close();
    EXPECT_EQ(second.result(), QDialog::Rejected);
    EXPECT_FALSE(second.isVisible());
}

TEST_F(LauncherBarTest, FadeAndRestoreGoThroughTheWindow) {
    WriteConfig("<AUTOHIDE>OUI</AUTOHIDE>", "");
    LauncherBar& b = Bar();
    b.show();
    b.Controller().OnTimer(1);
    b.Controller().OnTimer(1);
    EXPECT_EQ(clock.waits, (std::vector<int>{100, 100}));
    EXPECT_FALSE(b.ColourKey().has_value());
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&b, &move);
    EXPECT_EQ(b.Controller().FadeState(), BarController::AutoHideState::Shown);
    EXPECT_EQ(b.ColourKey(), QColor(255, 254, 255));
}

TEST_F(LauncherBarTest, MenuOpensUnderTheButtonAndItsChoiceArrivesLater) {
    LauncherBar& b = Bar();
    b.show();
    QPoint shownAt;
    QMenu* seen = nullptr;
    QTimer picker;
    picker.setInterval(10);
    QObject::connect(&picker, &QTimer::timeout, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* menu = qobject_cast<QMenu*>(top);
            if (menu != nullptr && menu->isVisible() && seen == nullptr) {
                seen = menu;
                shownAt = menu->pos();
                menu->setActiveAction(menu->actions().at(1));
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(menu, &enter);
            }
        }
    });
    picker.start();
    b.Controller().RunMenuUnderButton(1002, {{32775, "Lecture"}, {32790, "Quitter Quivlane"}});
    picker.stop();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(shownAt, b.Button(1002)->mapToGlobal(QPoint(0, b.Button(1002)->height())));
    // Posted, not run inside the menu: nothing has happened yet.
    EXPECT_EQ(b.result(), QDialog::Rejected);
    QApplication::processEvents();
    EXPECT_EQ(b.result(), QDialog::Accepted);
    EXPECT_EQ(b.Display()->TextBytes(), "  Au revoir !   ");
}

// Counts paint events per widget.
class PaintCounter final : public QObject {
  public:
    std::map<QObject*, int> paints;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints[watched];
        }
        return false;
    }
};

TEST_F(LauncherBarTest, TickRepaintsOnlyTheDisplayAndChangedLamps) {
    WriteConfig("<HORLOGE>OUI</HORLOGE>", "");
    LauncherBar& b = Bar();
    b.show();
    QApplication::processEvents();
    PaintCounter counter;
    b.installEventFilter(&counter);
    for (QWidget* child : b.findChildren<QWidget*>()) {
        child->installEventFilter(&counter);
    }
    clock.Set({2026, 3, 4, 9, 5, 7});
    b.Controller().OnTimer(2);
    QApplication::processEvents();
    EXPECT_GE(counter.paints[b.Display()], 1);
    // Lamps that change show the panel through their round corners; buttons stay as they are.
    for (int id = 1000; id <= 1018; ++id) {
        EXPECT_EQ(counter.paints.count(b.Button(id)), 0u) << id;
    }
    EXPECT_EQ(counter.paints.count(b.Button(1)), 0u);
    // Once the lamps hold their tick colours, a tick paints the display alone.
    counter.paints.clear();
    clock.AdvanceSeconds(1);
    b.Controller().OnTimer(2);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints.size(), 1u);
    EXPECT_EQ(counter.paints.count(b.Display()), 1u);
    EXPECT_EQ(b.Display()->TextBytes(), "   09;05;08   ");
}

}  // namespace
}  // namespace quivlane::test
