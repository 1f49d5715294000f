#pragma once

namespace quivlane {

// The notification-area icon and hiding the bar into it.
class TrayPort {
  public:
    virtual ~TrayPort() = default;
    virtual void Create() = 0;
    // False when the bar stayed up: with no icon to click it could never come back.
    virtual bool MinimiseToTray() = 0;
    virtual void RestoreFromTray() = 0;
    virtual void Remove() = 0;
};

}  // namespace quivlane
