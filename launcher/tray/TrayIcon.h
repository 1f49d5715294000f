#pragma once

#include <vector>

#include "launcher/bar/BarView.h"
#include "launcher/tray/NotificationAreaPort.h"

namespace quivlane {

// The notification-area icon's bookkeeping: whether it can exist, is shown, was removed at the
// end, or waits to be added again. The desktop work goes through the host.
class TrayIcon {
  public:
    static constexpr const char* kTip = "Quivlane";
    // The menu item chosen by a double-click and drawn as the default.
    static constexpr int kDefaultPosition = 0;

    explicit TrayIcon(NotificationAreaPort& host) : host_(host) {}

    // Adds the icon at once; without a notification area the icon waits for one to appear.
    void Create();
    // A notification area appeared after Create: the waiting icon is added there.
    void OnTrayAppeared();
    // Deletes the icon at the end; an icon that was never shown is left alone.
    void Remove();
    // The usable desktop area changed: the host may have dropped its icons, so add it again.
    void OnWorkAreaChanged();

    // The icon's menu in position order.
    static const std::vector<MenuEntry>& Menu();

    bool Enabled() const { return enabled_; }
    bool Hidden() const { return hidden_; }
    bool Removed() const { return removed_; }
    bool Pending() const { return pending_; }
    bool Waiting() const { return waiting_; }
    // On a notification area now, so hiding the bar leaves a way back.
    bool Shown() const { return enabled_ && !hidden_; }

  private:
    void AddAgain();

    NotificationAreaPort& host_;
    bool enabled_ = false;
    bool hidden_ = false;
    bool removed_ = false;
    bool pending_ = false;
    bool waiting_ = false;
};

}  // namespace quivlane
