#pragma once

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <functional>
#include <memory>

#include "launcher/bar/BarView.h"
#include "launcher/bar/TrayPort.h"
#include "launcher/tray/NotificationAreaPort.h"
#include "launcher/tray/TrayGeometry.h"
#include "launcher/tray/TrayIcon.h"
#include "platform/clock/Clock.h"

class QWidget;

namespace quivlane {

// The bar's notification-area icon with its menu, and hiding the bar into it. The icon's
// commands reach the bar as posted commands, as its own menus' do.
class BarTray final : public TrayPort, private NotificationAreaPort {
  public:
    static constexpr int kAnimationSteps = 10;
    static constexpr int kAnimationStepMs = 20;
    static constexpr int kTrayLookMs = 1000;
    // Shown on the display instead of hiding while there is no icon to bring the bar back.
    static constexpr const char* kNoTrayMessage = "Pas de systray";

    // `bar` is the window hidden and shown; `commands` receives the menu's commands.
    // All three must outlive the tray.
    BarTray(QWidget& bar, BarView& commands, Clock& clock);
    ~BarTray() override;

    // Replace the desktop's answers (a notification area exists; windows animate), for tests.
    void SetDesktopQueries(std::function<bool()> trayAvailable, std::function<bool()> animationsOn);

    // TrayPort
    void Create() override;
    bool MinimiseToTray() override;
    void RestoreFromTray() override;
    void Remove() override;

    // Adds the waiting icon once a notification area is there; run by a timer meanwhile.
    void LookForTray();
    bool LookingForTray() const { return trayLook_.isActive(); }

    ScreenRect GetTrayRect() const;
    const TrayIcon& Icon() const { return icon_; }
    QSystemTrayIcon& SystemIcon() { return systemIcon_; }
    QMenu& Menu() { return menu_; }

  private:
    // NotificationAreaPort
    bool Available() override;
    bool AddIcon() override;
    bool DeleteIcon() override;

    void BuildMenu();
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    void BringBarForward();
    void Animate(const ScreenRect& from, const ScreenRect& to);

    QWidget& bar_;
    BarView& commands_;
    Clock& clock_;
    std::function<bool()> trayAvailable_;
    std::function<bool()> animationsOn_;
    TrayIcon icon_;
    QMenu menu_;
    QSystemTrayIcon systemIcon_;
    QTimer trayLook_;
    // The moving outline drawn while hiding and showing; made at the first animation.
    std::unique_ptr<QWidget> ghost_;
};

}  // namespace quivlane
