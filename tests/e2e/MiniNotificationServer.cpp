// A notification service for the whole-program tests: it owns org.freedesktop.Notifications
// on the session bus, answers Notify with an id, and prints one line per call.
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QStringList>
#include <QVariantMap>
#include <cstdio>

namespace {

class Notifications final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    explicit Notifications(QObject* parent) : QDBusAbstractAdaptor(parent) {}

  public Q_SLOTS:
    uint Notify(const QString& app, uint replaces, const QString& /*icon*/, const QString& summary,
                const QString& body, const QStringList& /*actions*/, const QVariantMap& hints,
                int /*timeout*/) {
        const uint id = replaces != 0 ? replaces : ++last_;
        const QVariant urgency = hints.value(QStringLiteral("urgency"));
        std::printf("notify app=%s replaces=%u id=%u urgency=%d/%s summary=%s body=%s\n",
                    app.toUtf8().constData(), replaces, id, urgency.toInt(),
                    urgency.typeName() != nullptr ? urgency.typeName() : "none",
                    summary.toUtf8().constData(), body.toUtf8().constData());
        std::fflush(stdout);
        return id;
    }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
    void CloseNotification(uint /*id*/) {}
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("MiniNotificationServer");
    }

  private:
    uint last_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QObject root;
    Notifications notifications(&root);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &root,
                            QDBusConnection::ExportAdaptors) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "no session bus, or the name is taken\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "MiniNotificationServer.moc"
