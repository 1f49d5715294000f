#pragma once

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <map>
#include <string>

namespace quivlane {

// A ringing alarm as a desktop notification, urgent, replacing the one its button showed
// before. Without a notification service (or without a bus) nothing happens.
class AlarmNotifier {
  public:
    explicit AlarmNotifier(QDBusConnection connection);

    // `label` is the button's label, `message` the text the display shows.
    void Ring(int buttonId, const std::string& label, const std::string& message);

  private:
    QDBusConnection connection_;
    // Each button's last request: its answer is the id the next one replaces. The bar never
    // waits for the answer.
    std::map<int, QDBusPendingCall> last_;
};

}  // namespace quivlane
