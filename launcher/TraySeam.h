#pragma once

namespace quivlane {

// The notification-area icon and hiding the bar into it.
class TraySeam {
  public:
    virtual ~TraySeam() = default;
    virtual void Create() = 0;
    virtual void MinimiseToTray() = 0;
    virtual void RestoreFromTray() = 0;
    virtual void Remove() = 0;
};

}  // namespace quivlane
