#include "launcher/bus/AlarmNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace quivlane {

AlarmNotifier::AlarmNotifier(QDBusConnection connection) : connection_(std::move(connection)) {}

void AlarmNotifier::Ring(int buttonId, const std::string& label, const std::string& message) {
    if (!connection_.isConnected()) {
        return;
    }
    uint replaces = 0;
    if (const auto it = last_.find(buttonId); it != last_.end()) {
        const QDBusPendingReply<uint> reply(it->second);
        if (reply.isFinished() && reply.isValid()) {
            replaces = reply.value();
        }
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(2)));
    call << QStringLiteral("Quivlane") << replaces << QString() << QString::fromStdString(label)
         << QString::fromStdString(message) << QStringList() << hints << -1;
    last_.insert_or_assign(buttonId, connection_.asyncCall(call));
}

}  // namespace quivlane
