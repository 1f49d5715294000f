#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>

#include "config/XmlSettingsStore.h"
#include "controls/GradientButton.h"
#include "controls/MatrixDisplay.h"
#include "launcher/bar/BarTooltips.h"
#include "launcher/bar/LauncherBar.h"
#include "tests/support/FakePorts.h"
#include "tests/support/TempDir.h"

namespace quivlane::test {
namespace {

// The real bar with its tips, offscreen: the bar's event relay drives the tooltip.
class TooltipBarTest : public ::testing::Test {
  protected:
    void StartBar(const std::string& tooltips) {
        dir.Write("Quivlane.xml",
                  "<?xml version='1.0'?><XMLConfigSettings><PARAMETRES><TOOLTIPS>" + tooltips +
                      "</TOOLTIPS></PARAMETRES><BOUTON1><TEXTE>Un</TEXTE>"
                      "<COMMENTAIRE>Bonjour</COMMENTAIRE></BOUTON1><BOUTON2><TEXTE>Deux</TEXTE>"
                      "</BOUTON2></XMLConfigSettings>");
        bar = std::make_unique<LauncherBar>(BarPorts{clock, shell, sound, power, boxes}, store,
                                            dir.File("Quivlane"));
        tips = std::make_unique<BarTooltips>(*bar, shell);
        FeaturePorts features;
        features.tooltips = tips.get();
        bar->SetFeatures(features);
        bar->Start();
        bar->show();
        QApplication::processEvents();
        tips->Tooltip().SetDelayTime(TooltipStateMachine::kDelayInitial, 0);
    }
    // A pointer move as the window system delivers it to the control.
    void MoveOver(QWidget* control, QPoint local) {
        const QPoint global = control->mapToGlobal(local);
        QCursor::setPos(global);
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &move);
    }

    TempDir dir;
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    XmlSettingsStore store{boxes};
    std::unique_ptr<LauncherBar> bar;
    std::unique_ptr<BarTooltips> tips;
};

TEST_F(TooltipBarTest, ACommentedButtonShowsItsCommentInTheBarsBalloon) {
    StartBar("OUI");
    HtmlTooltip& tip = tips->Tooltip();
    ASSERT_TRUE(tip.IsCreated());
    MoveOver(bar->Button(1000), QPoint(30, 10));
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Drawer().Text(), "<h1>Bonjour</h1>");
    const auto& l = tip.Placement();
    EXPECT_TRUE(l.hasAnchor);
    const QImage image = tip.RenderTip(tip.Opacity());
    EXPECT_EQ(image.pixel(l.body.left + 4, l.body.top + l.body.Height() / 2), 0xFFB4FFFFu);
    EXPECT_EQ(tip.width(), l.window.Width());  // no shadow with the bar's settings

    // An uncommented button has no tip; the quit button has its own.
    MoveOver(bar->Button(1001), QPoint(30, 10));
    EXPECT_FALSE(tip.isVisible());
    MoveOver(bar->Button(BarController::kQuitButtonId), QPoint(30, 10));
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Drawer().Text(), "<h1>Quitter le programme</h1>");

    // Any key in the bar hides it, even one the bar swallows.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(bar->Display(), &escape);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(TooltipBarTest, WithTooltipsOffNothingIsRegisteredOrRelayed) {
    StartBar("NON");
    EXPECT_FALSE(tips->Tooltip().IsCreated());
    MoveOver(bar->Button(1000), QPoint(30, 10));
    EXPECT_FALSE(tips->Tooltip().isVisible());
}

}  // namespace
}  // namespace quivlane::test
