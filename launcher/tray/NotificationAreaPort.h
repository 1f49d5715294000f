#pragma once

namespace quivlane {

// What the notification-area icon needs of the desktop: whether there is a notification area
// at all, and adding and deleting the icon there.
class NotificationAreaPort {
  public:
    virtual ~NotificationAreaPort() = default;
    virtual bool Available() = 0;
    virtual bool AddIcon() = 0;
    virtual bool DeleteIcon() = 0;
};

}  // namespace quivlane
